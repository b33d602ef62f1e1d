#include "app/win32/aboutwindow.h"

#include "app/form/form.h"
#include "app/win32/text.h"
#include "app/win32/windowclass.h"

#include <commctrl.h>

namespace rota::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"RotaScheduleAboutWindow";
constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

HFONT arialBold(int pixels, bool italic)
{
    return CreateFontW(-pixels, 0, 0, 0, FW_BOLD, italic, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, L"Arial");
}

} // namespace

AboutWindow::AboutWindow()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    registerWindowClass(kWindowClass, &objectWindowProc<AboutWindow>);
    window_ =
        makeWindow(kWindowClass, fromLatin1(form::kAboutWindowTitle).c_str(), kWindowStyle, WS_EX_DLGMODALFRAME, this);
    icon_ = CreateWindowExW(0, WC_STATICW, L"", WS_CHILD | WS_VISIBLE | SS_ICON | SS_NOTIFY | SS_REALSIZECONTROL, 0, 0,
                            0, 0, window_, nullptr, instance, nullptr);
    for (const form::AboutText& text : form::aboutTexts())
        texts_.push_back(CreateWindowExW(0, WC_STATICW, fromLatin1(text.text).c_str(),
                                         WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX | SS_NOTIFY, 0, 0, 0, 0,
                                         window_, nullptr, instance, nullptr));
    std::string credits;
    for (std::string_view line : form::creditLines())
        credits.append(line).append("\r\n");
    credits_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, fromLatin1(credits).c_str(),
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0,
                               0, 0, window_, nullptr, instance, nullptr);
    SetWindowSubclass(credits_, &AboutWindow::creditsProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

AboutWindow::~AboutWindow()
{
    destroyWindow(window_);
    for (HFONT font : fonts_)
        DeleteObject(font);
    if (iconPicture_)
        DestroyIcon(iconPicture_);
}

void AboutWindow::layout()
{
    dpi_ = GetDpiForWindow(window_);
    if (dpi_ == 0)
        dpi_ = 96;
    const auto scaled = [this](int pixels) { return MulDiv(pixels, static_cast<int>(dpi_), 96); };
    const auto place = [&](HWND control, const form::Place& p) {
        MoveWindow(control, scaled(p.left), scaled(p.top), scaled(p.width), scaled(p.height), FALSE);
    };
    for (HFONT font : fonts_)
        DeleteObject(font);
    fonts_.clear();
    const auto texts = form::aboutTexts();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        fonts_.push_back(arialBold(scaled(texts[i].fontPixels), texts[i].italic));
        SendMessageW(texts_[i], WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.back()), FALSE);
        place(texts_[i], texts[i].place);
    }
    fonts_.push_back(arialBold(scaled(11), false));
    SendMessageW(credits_, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.back()), FALSE);
    place(credits_, form::kAboutCreditsPlace);

    if (iconPicture_)
        DestroyIcon(iconPicture_);
    const int iconSize = scaled(form::kAboutIconPlace.width);
    iconPicture_ = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, iconSize, iconSize, 0));
    SendMessageW(icon_, STM_SETICON, reinterpret_cast<WPARAM>(iconPicture_), 0);
    place(icon_, form::kAboutIconPlace);

    RECT frame{0, 0, scaled(form::kAboutClientWidth), scaled(form::kAboutClientHeight)};
    AdjustWindowRectExForDpi(&frame, kWindowStyle, FALSE, WS_EX_DLGMODALFRAME, dpi_);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AboutWindow::showModal(HWND owner)
{
    SetWindowLongPtrW(window_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    layout();
    RECT over{}, frame{};
    GetWindowRect(owner, &over);
    GetWindowRect(window_, &frame);
    const int left = (over.left + over.right - (frame.right - frame.left)) / 2;
    const int top = (over.top + over.bottom - (frame.bottom - frame.top)) / 2;
    SetWindowPos(window_, HWND_TOP, left, top, 0, 0, SWP_NOSIZE);
    SendMessageW(credits_, EM_SETSEL, 0, 0);

    EnableWindow(owner, FALSE);
    shown_ = true;
    ShowWindow(window_, SW_SHOW);
    SetFocus(credits_);
    MSG message;
    while (shown_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
            close();
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    EnableWindow(owner, TRUE);
    SetActiveWindow(owner);
    if (message.message == WM_QUIT)
        PostQuitMessage(static_cast<int>(message.wParam));
}

void AboutWindow::close()
{
    shown_ = false;
    ShowWindow(window_, SW_HIDE);
}

LRESULT AboutWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN: // a click on the window's background
        close();
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == STN_CLICKED) // on the icon or a text
            close();
        return 0;
    case WM_CTLCOLORSTATIC: // the texts and the read-only credits on the window's own colour
        return buttonFaceColours(wParam);
    case WM_DPICHANGED:
        layout();
        return 0;
    case WM_CLOSE:
        close();
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

LRESULT CALLBACK AboutWindow::creditsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self)
{
    // A click in the text closes the window; its scroll bar scrolls it.
    if (message == WM_LBUTTONDOWN) {
        reinterpret_cast<AboutWindow*>(self)->close();
        return 0;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace rota::win32
