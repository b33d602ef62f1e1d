// The About window in the Win32 API: name, version, build date, copyright
// and credits. It is made once, hidden, and shown modally over the main
// window; any click on it, Escape, or its close button closes it.
#pragma once

#include <windows.h>

#include <vector>

namespace rota::win32 {

class AboutWindow {
public:
    AboutWindow();
    ~AboutWindow();
    AboutWindow(const AboutWindow&) = delete;
    AboutWindow& operator=(const AboutWindow&) = delete;

    HWND handle() const { return window_; }

    // Shows the window centred over `owner`, which takes no input until it
    // is closed; returns then.
    void showModal(HWND owner);

private:
    template <typename T>
    friend LRESULT CALLBACK objectWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK creditsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void layout();
    void close();

    HWND window_ = nullptr;
    HWND icon_ = nullptr;
    HWND credits_ = nullptr;
    std::vector<HWND> texts_;
    std::vector<HFONT> fonts_;
    HICON iconPicture_ = nullptr;
    unsigned dpi_ = 96;
    bool shown_ = false;
};

} // namespace rota::win32
