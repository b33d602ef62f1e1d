// The main window in the Win32 API: the form's controls, each event handed
// to the form's handlers, which do the work through the session. Controls
// are found by their component names through control().
#pragma once

#include "app/form/form.h"
#include "app/form/mainform.h"
#include "session/session.h"

#include <windows.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace rota::win32 {

class AboutWindow;

class MainWindow : private form::MainView {
public:
    // `prompts` answers the message boxes and the open dialog; `about` is
    // the About window shown by "?" (may be null). The batch run's
    // complaints go to `batchOutput`.
    MainWindow(Session& session, form::Prompts& prompts, AboutWindow* about, std::ostream& batchOutput);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND handle() const { return window_; }

    // The control of that component name; for a radio group, its frame.
    HWND control(const char* name) const;
    // The button of item `item` of a radio group.
    HWND radioItem(const char* group, int item) const;

    // Shows the window centred on the desktop.
    void show(int showCommand);

    // The dots per inch the form is laid out for.
    unsigned dpi() const { return dpi_; }

private:
    struct ControlWindow {
        const form::Control* definition;
        HWND window;
        std::vector<HWND> items; // a radio group's buttons
        HWND upDown = nullptr;   // a spin box's arrows
    };

    template <typename T>
    friend LRESULT CALLBACK objectWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleControl(const ControlWindow& control, UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void createFonts();
    void layout();
    void resizeClient(int width);
    int scaled(int pixels) const;
    void onCommand(int id, int code);
    LRESULT onNotify(const NMHDR& header);
    void paintFrameLines(HDC dc) const;
    const ControlWindow* controlWindow(const char* name) const;
    const ControlWindow* controlWindow(HWND window) const;
    void typeIntoDateBox(HWND box, UINT message, WPARAM key);
    void onAbout();

    // MainView
    int dataTypeIndex() const override;
    int leagueIndex() const override;
    int year() const override;
    std::string text(const char* controlName) const override;
    bool teamNameEdited() const override;
    void setControlStates(const ControlStates& states) override;
    void setTitle(const std::string& title) override;
    void setProgress(int value) override;
    void setBusy(bool busy) override;
    void showGames(const std::vector<std::size_t>& selected) override;
    void showTeamPanel(bool open) override;
    void showTeamLines(std::optional<std::size_t> current) override;
    void showTeamEntry(const std::string& label, const std::string& name, int maxLength) override;

    Session& session_;
    form::Prompts& prompts_;
    AboutWindow* about_;
    std::unique_ptr<form::MainForm> form_;
    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    std::vector<ControlWindow> controls_;
    std::vector<std::wstring> hints_; // the tool tips' texts, kept while they are shown
    std::wstring cellText_;           // the list's cell handed out last
    HFONT font_ = nullptr;
    HFONT aboutButtonFont_ = nullptr;
    unsigned dpi_ = 96;
    int savedLeft_ = 0;
    bool panelOpen_ = false;
    bool busy_ = false;
};

} // namespace rota::win32
