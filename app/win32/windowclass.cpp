#include "app/win32/windowclass.h"

namespace rota::win32 {

void registerWindowClass(const wchar_t* name, WNDPROC procedure, HICON icon)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, name, &windowClass))
        return;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.hIcon = icon;
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

HWND makeWindow(const wchar_t* name, const wchar_t* title, DWORD style, DWORD exStyle, void* owner)
{
    return CreateWindowExW(exStyle, name, title, style, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr,
                           GetModuleHandleW(nullptr), owner);
}

void destroyWindow(HWND window)
{
    if (!window)
        return;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

LRESULT buttonFaceColours(WPARAM dc)
{
    SetBkColor(reinterpret_cast<HDC>(dc), GetSysColor(COLOR_BTNFACE));
    SetTextColor(reinterpret_cast<HDC>(dc), GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

} // namespace rota::win32
