// What the program's own windows share: a window class whose procedure
// hands every message to the object that made the window, and captions
// drawn on the window's button-face colour.
#pragma once

#include <windows.h>

namespace rota::win32 {

// The procedure of a window made by an object of type T with that object
// as its creation parameter: T::window_ is set on creation, and every
// message goes to T::handle(message, wParam, lParam).
template <typename T>
LRESULT CALLBACK objectWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->handle(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

// Registers the window class `name` once, with the button-face background.
void registerWindowClass(const wchar_t* name, WNDPROC procedure, HICON icon = nullptr);

// Makes a window of class `name` for `owner`, then detaches `owner` from
// it on destroyWindow.
HWND makeWindow(const wchar_t* name, const wchar_t* title, DWORD style, DWORD exStyle, void* owner);
void destroyWindow(HWND window);

// The answer to WM_CTLCOLORSTATIC: text on the button-face colour.
LRESULT buttonFaceColours(WPARAM dc);

} // namespace rota::win32
