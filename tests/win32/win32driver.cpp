// The window tests run against the Win32 window, with window messages as a
// user's clicks and keys send them (under Wine, on a virtual display); and
// what only the Win32 window has: the tab order of its z-order, the names
// screen readers take from a box's previous sibling, and Escape on About.
#include "tests/window/driver.h"

#include "app/win32/aboutwindow.h"
#include "app/win32/mainwindow.h"
#include "app/win32/text.h"

#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <gtest/gtest.h>

namespace rota::test {

namespace {

// MinGW's IID_IAccessible from liboleacc cannot be linked; it is this one.
const GUID kAccessibleInterface = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

std::string textOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return win32::toLatin1(text);
}

class Win32WindowDriver : public WindowDriver {
public:
    Win32WindowDriver(Session& session, form::Prompts& prompts, std::ostream& batchOutput)
        : window_(session, prompts, &about_, batchOutput)
    {
        window_.show(SW_SHOWNOACTIVATE);
    }

    void click(const char* name) override
    {
        HWND control = window_.control(name);
        if (std::string_view(name) == form::name::selectYear) // a caption: what a click on it sends
            SendMessageW(window_.handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), STN_CLICKED),
                         reinterpret_cast<LPARAM>(control));
        else
            SendMessageW(control, BM_CLICK, 0, 0);
    }
    void chooseItem(const char* radioGroup, int item) override
    {
        SendMessageW(window_.radioItem(radioGroup, item), BM_CLICK, 0, 0);
    }
    void setText(const char* name, const std::string& text) override
    {
        SetWindowTextW(window_.control(name), win32::fromLatin1(text).c_str());
    }
    void type(const char* name, const std::string& text) override
    {
        HWND box = window_.control(name);
        SendMessageW(box, EM_SETSEL, 0, -1);
        for (char c : text)
            SendMessageW(box, WM_CHAR, static_cast<unsigned char>(c), 0);
    }
    void press(const char* name, Key key) override
    {
        HWND control = window_.control(name);
        if (key == Key::Backspace)
            SendMessageW(control, WM_CHAR, VK_BACK, 0);
        else
            SendMessageW(control, WM_KEYDOWN, key == Key::Down ? VK_DOWN : VK_RETURN, 0);
    }
    void moveToTeamLine(int line) override
    {
        HWND list = window_.control(form::name::teamTable);
        SetFocus(list);
        SendMessageW(list, LB_SETCURSEL, 0, 0);
        SendMessageW(window_.handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
        for (int i = 0; i < line; ++i)
            press(form::name::teamTable, Key::Down);
    }
    void editDate(int row, const std::string& date) override
    {
        HWND list = window_.control(form::name::seasonList);
        SetFocus(list);
        HWND editor = ListView_EditLabel(list, row);
        ASSERT_NE(editor, nullptr);
        SetWindowTextW(editor, win32::fromLatin1(date).c_str());
        SendMessageW(editor, WM_KEYDOWN, VK_RETURN, 0);
    }

    bool enabled(const char* name) const override { return IsWindowEnabled(window_.control(name)); }
    bool visible(const char* name) const override { return IsWindowVisible(window_.control(name)); }
    std::string text(const char* name) const override { return textOf(window_.control(name)); }
    std::string title() const override { return textOf(window_.handle()); }
    std::vector<std::string> rows() const override
    {
        HWND list = window_.control(form::name::seasonList);
        std::vector<std::string> texts;
        for (int row = 0; row < ListView_GetItemCount(list); ++row) {
            std::string text;
            for (int column = 0; column < 4; ++column) {
                wchar_t cell[64] = {};
                ListView_GetItemText(list, row, column, cell, 64);
                text += (column ? "|" : "") + win32::toLatin1(cell);
            }
            texts.push_back(text);
        }
        return texts;
    }
    std::vector<int> selectedRows() const override
    {
        HWND list = window_.control(form::name::seasonList);
        std::vector<int> selected;
        for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0;
             row = ListView_GetNextItem(list, row, LVNI_SELECTED))
            selected.push_back(row);
        return selected;
    }
    std::vector<std::string> teamLines() const override
    {
        HWND list = window_.control(form::name::teamTable);
        std::vector<std::string> lines;
        for (int line = 0; line < static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)); ++line) {
            std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, line, 0)) + 1, L'\0');
            text.resize(
                static_cast<std::size_t>(SendMessageW(list, LB_GETTEXT, line, reinterpret_cast<LPARAM>(text.data()))));
            lines.push_back(win32::toLatin1(text));
        }
        return lines;
    }
    int clientWidth() const override
    {
        RECT client{};
        GetClientRect(window_.handle(), &client);
        return MulDiv(client.right, 96, static_cast<int>(window_.dpi()));
    }
    std::string accessibleName(const char* name) const override
    {
        IAccessible* accessible = nullptr;
        if (AccessibleObjectFromWindow(window_.control(name), static_cast<DWORD>(OBJID_CLIENT), kAccessibleInterface,
                                       reinterpret_cast<void**>(&accessible)) != S_OK)
            return {};
        VARIANT self;
        VariantInit(&self);
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR text = nullptr;
        accessible->get_accName(self, &text);
        std::string result = win32::toLatin1(text ? text : L"");
        SysFreeString(text);
        accessible->Release();
        return result;
    }

    const win32::MainWindow& window() const { return window_; }
    const win32::AboutWindow& about() const { return about_; }

private:
    win32::AboutWindow about_;
    win32::MainWindow window_;
};

} // namespace

std::unique_ptr<WindowDriver> makeWindowDriver(Session& session, form::Prompts& prompts, std::ostream& batchOutput)
{
    return std::make_unique<Win32WindowDriver>(session, prompts, batchOutput);
}

namespace {

const Win32WindowDriver& driverOf(const WindowFixture& w)
{
    return static_cast<const Win32WindowDriver&>(*w.window);
}

TEST(Win32Window, TabStopsFollowTheForm)
{
    WindowFixture w;
    const win32::MainWindow& window = driverOf(w).window();
    // Every focusable control in form order, as far as it is enabled; Tab
    // stops at the checked button of a radio group.
    std::vector<HWND> expected;
    for (const form::Control& c : form::mainWindowControls()) {
        HWND control = window.control(c.name);
        for (int item = 0; item < static_cast<int>(c.items.size()); ++item)
            if (SendMessageW(window.radioItem(c.name, item), BM_GETCHECK, 0, 0) == BST_CHECKED)
                control = window.radioItem(c.name, item);
        if ((GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) && IsWindowEnabled(control) && IsWindowVisible(control))
            expected.push_back(control);
    }
    ASSERT_GT(expected.size(), 3u);
    for (std::size_t i = 0; i + 1 < expected.size(); ++i) {
        HWND next = GetNextDlgTabItem(window.handle(), expected[i], FALSE);
        EXPECT_EQ(next, expected[i + 1]) << textOf(expected[i]) << " is followed by " << textOf(next);
    }
}

TEST(Win32Window, EscapeClosesTheAboutWindow)
{
    WindowFixture w;
    HWND about = driverOf(w).about().handle();
    // Escape waits in the queue for the About window's own loop.
    PostMessageW(about, WM_KEYDOWN, VK_ESCAPE, 0);
    w.window->click(form::name::about);
    EXPECT_FALSE(IsWindowVisible(about));
    EXPECT_TRUE(IsWindowEnabled(driverOf(w).window().handle()));
}

} // namespace
} // namespace rota::test

int main(int argc, char** argv)
{
    CoInitialize(nullptr); // for the screen readers' view of the window
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}
