#include "app/win32/mainwindow.h"

#include "app/form/dateentry.h"
#include "app/win32/aboutwindow.h"
#include "app/win32/text.h"
#include "app/win32/windowclass.h"

#include <commctrl.h>

#include <algorithm>
#include <ctime>
#include <exception>

namespace rota::win32 {

namespace {

using form::ControlKind;

constexpr wchar_t kWindowClass[] = L"RotaScheduleMainWindow";
// Not WS_CLIPCHILDREN: the group boxes are transparent and show the
// window's background through them.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr int kFirstControlId = 1000;
constexpr int kIdsPerControl = 16; // a radio group's items take the ids after its own

int controlId(std::size_t index)
{
    return kFirstControlId + static_cast<int>(index) * kIdsPerControl;
}

int currentYear()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_s(&local, &now);
    return local.tm_year + 1900;
}

std::wstring windowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The class and style a control of `kind` is made of.
std::pair<const wchar_t*, DWORD> windowKind(ControlKind kind)
{
    switch (kind) {
    case ControlKind::RadioGroup:
        return {WC_BUTTONW, BS_GROUPBOX};
    case ControlKind::ToolButton:
        return {WC_BUTTONW, BS_PUSHBUTTON};
    case ControlKind::Label:
    case ControlKind::FixedLabel:
        return {WC_STATICW, SS_LEFT | SS_NOPREFIX};
    case ControlKind::ClickLabel:
        return {WC_STATICW, SS_LEFT | SS_NOPREFIX | SS_NOTIFY};
    case ControlKind::SpinBox:
        return {WC_EDITW, WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL};
    case ControlKind::Edit:
    case ControlKind::DateEdit:
        return {WC_EDITW, WS_TABSTOP | ES_AUTOHSCROLL};
    case ControlKind::Button:
        return {WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON};
    case ControlKind::GameList:
        return {WC_LISTVIEWW, WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_EDITLABELS | LVS_SHOWSELALWAYS};
    case ControlKind::LineList:
        return {WC_LISTBOXW, WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT};
    case ControlKind::ProgressBar:
        return {PROGRESS_CLASSW, PBS_SMOOTH};
    case ControlKind::Picture:
    case ControlKind::CreditsText:
        break;
    }
    return {WC_STATICW, 0};
}

// The place of the checked button among a radio group's, or -1.
int radioIndex(const std::vector<HWND>& items)
{
    for (std::size_t i = 0; i < items.size(); ++i)
        if (SendMessageW(items[i], BM_GETCHECK, 0, 0) == BST_CHECKED)
            return static_cast<int>(i);
    return -1;
}

// Tab stops at the checked button of a radio group.
void moveTabStopToCheckedItem(const std::vector<HWND>& items)
{
    const int checked = radioIndex(items);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const LONG style = GetWindowLongW(items[i], GWL_STYLE);
        const bool stop = static_cast<int>(i) == checked || (checked < 0 && i == 0);
        SetWindowLongW(items[i], GWL_STYLE, stop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
}

bool hasBorder(ControlKind kind)
{
    return kind == ControlKind::SpinBox || kind == ControlKind::Edit || kind == ControlKind::DateEdit ||
           kind == ControlKind::GameList || kind == ControlKind::LineList;
}

// Runs a handler; an error that escapes it is shown in the error box, and
// the window stays open.
template <typename F>
void guarded(form::Prompts& prompts, F&& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        prompts.error(form::errorBoxText(error.what()));
    } catch (...) {
        prompts.error(form::errorBoxText("Unexpected error"));
    }
}

} // namespace

MainWindow::MainWindow(Session& session, form::Prompts& prompts, AboutWindow* about, std::ostream& batchOutput)
    : session_(session), prompts_(prompts), about_(about),
      form_(std::make_unique<form::MainForm>(session, prompts, static_cast<form::MainView&>(*this), batchOutput))
{
    registerWindowClass(kWindowClass, &objectWindowProc<MainWindow>,
                        LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)));
    window_ =
        makeWindow(kWindowClass, fromLatin1(form::kApplicationTitle).c_str(), kWindowStyle, WS_EX_CONTROLPARENT, this);
    dpi_ = GetDpiForWindow(window_);
    if (dpi_ == 0)
        dpi_ = 96;
    createFonts();
    createControls();
    layout();
    resizeClient(form::kClientWidth);
    form_->refreshControls();
}

MainWindow::~MainWindow()
{
    destroyWindow(window_);
    DeleteObject(font_);
    DeleteObject(aboutButtonFont_);
}

int MainWindow::scaled(int pixels) const
{
    return MulDiv(pixels, static_cast<int>(dpi_), 96);
}

void MainWindow::createFonts()
{
    DeleteObject(font_);
    DeleteObject(aboutButtonFont_);
    font_ =
        CreateFontW(-scaled(form::kFontPixels), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, L"Microsoft Sans Serif");
    aboutButtonFont_ =
        CreateFontW(-scaled(form::kAboutButtonFontPixels), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, L"Arial");
}

void MainWindow::createControls()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance, nullptr);
    const auto controls = form::mainWindowControls();
    controls_.reserve(controls.size());
    hints_.reserve(controls.size());
    const auto make = [&](const wchar_t* windowClass, const std::wstring& text, DWORD style, DWORD exStyle, int id) {
        HWND child = CreateWindowExW(exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                                     window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        // Each control goes below the ones made before it: creation order
        // is the tab order, and a caption is its control's previous sibling.
        SetWindowPos(child, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return child;
    };
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const form::Control& definition = controls[i];
        const auto [windowClass, style] = windowKind(definition.kind);
        const DWORD exStyle = hasBorder(definition.kind) ? WS_EX_CLIENTEDGE : 0;
        // Every control but a radio item starts a group of its own for the
        // arrow keys.
        const DWORD group = definition.kind == ControlKind::RadioGroup ? 0 : WS_GROUP;
        const std::wstring caption = definition.kind == ControlKind::DateEdit
                                         ? fromLatin1(form::maskedDate(definition.text))
                                         : fromLatin1(definition.text);
        ControlWindow control{
            &definition, make(windowClass, caption, style | group, exStyle, controlId(i)), {}, nullptr};
        for (std::size_t item = 0; item < definition.items.size(); ++item) {
            const DWORD first = item == 0 ? WS_GROUP | WS_TABSTOP : 0;
            control.items.push_back(make(WC_BUTTONW, fromLatin1(definition.items[item]), BS_AUTORADIOBUTTON | first, 0,
                                         controlId(i) + 1 + static_cast<int>(item)));
        }
        if (definition.kind == ControlKind::SpinBox) {
            control.upDown =
                make(UPDOWN_CLASSW, L"", UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, 0, 0);
            SendMessageW(control.upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(control.window), 0);
            SendMessageW(control.upDown, UDM_SETRANGE32, form::kFirstYear, std::max(2005, currentYear()));
            SendMessageW(control.upDown, UDM_SETPOS32, 0, form::kDefaultYear);
        }
        if (definition.maxLength > 0)
            SendMessageW(control.window, EM_LIMITTEXT, static_cast<WPARAM>(definition.maxLength), 0);
        if (definition.kind == ControlKind::ProgressBar)
            SendMessageW(control.window, PBM_SETRANGE32, 0, form::kProgressRange);
        if (definition.kind == ControlKind::GameList) {
            ListView_SetExtendedListViewStyle(control.window, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
            int column = 0;
            for (const form::Column& c : form::seasonListColumns()) {
                std::wstring columnCaption = fromLatin1(c.caption);
                LVCOLUMNW lvColumn{};
                lvColumn.mask = LVCF_TEXT | LVCF_WIDTH;
                lvColumn.pszText = columnCaption.data();
                lvColumn.cx = scaled(c.width);
                ListView_InsertColumn(control.window, column++, &lvColumn);
            }
        }
        if (!definition.hint.empty()) {
            hints_.push_back(fromLatin1(definition.hint));
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.hwnd = window_;
            tool.uId = reinterpret_cast<UINT_PTR>(control.window);
            tool.lpszText = hints_.back().data();
            SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
        if (definition.teamPanel)
            ShowWindow(control.window, SW_HIDE); // out of sight and out of the tab order until a load asks for names
        controls_.push_back(std::move(control));
    }
    for (const ControlWindow& control : controls_) {
        const ControlKind kind = control.definition->kind;
        if (kind == ControlKind::DateEdit || kind == ControlKind::LineList || kind == ControlKind::ToolButton ||
            control.definition->name == std::string_view(form::name::teamName))
            SetWindowSubclass(control.window, &MainWindow::controlProc, 0, reinterpret_cast<DWORD_PTR>(this));
    }
    SendMessageW(radioItem(form::name::dataType, static_cast<int>(session_.dataType())), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(radioItem(form::name::league, static_cast<int>(LeagueOption::AlNl)), BM_SETCHECK, BST_CHECKED, 0);
    for (const ControlWindow& control : controls_)
        moveTabStopToCheckedItem(control.items);
}

void MainWindow::layout()
{
    HDC dc = GetDC(window_);
    const HGDIOBJ oldFont = SelectObject(dc, font_);
    for (const ControlWindow& control : controls_) {
        const form::Control& definition = *control.definition;
        const HFONT font = definition.kind == ControlKind::ToolButton ? aboutButtonFont_ : font_;
        SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        int width = scaled(definition.place.width), height = scaled(definition.place.height);
        if (definition.place.width == 0) {
            // A caption of natural size: as wide and high as its text.
            const std::wstring caption = fromLatin1(definition.text);
            SIZE size{};
            GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
            width = size.cx;
            height = size.cy;
        }
        MoveWindow(control.window, scaled(definition.place.left), scaled(definition.place.top), width, height, TRUE);
        if (control.upDown) {
            // Narrow margins, so that four digits fit beside the arrows.
            SendMessageW(control.window, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(1, 0));
            SendMessageW(control.upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(control.window), 0);
        }
        // A radio group's items in two columns inside its frame.
        const int items = static_cast<int>(control.items.size());
        const int rows = (items + 1) / 2;
        for (int item = 0; item < items; ++item) {
            HWND button = control.items[static_cast<std::size_t>(item)];
            SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
            const int columnWidth = (definition.place.width - 16) / 2;
            const int rowHeight = (definition.place.height - 20) / std::max(rows, 1);
            MoveWindow(button, scaled(definition.place.left + 8 + (item / rows) * columnWidth),
                       scaled(definition.place.top + 15 + (item % rows) * rowHeight), scaled(columnWidth - 4),
                       scaled(rowHeight), TRUE);
        }
    }
    SelectObject(dc, oldFont);
    ReleaseDC(window_, dc);
    if (const ControlWindow* list = controlWindow(form::name::seasonList)) {
        int column = 0;
        for (const form::Column& c : form::seasonListColumns())
            ListView_SetColumnWidth(list->window, column++, scaled(c.width));
    }
    SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    InvalidateRect(window_, nullptr, TRUE);
}

void MainWindow::resizeClient(int width)
{
    RECT frame{0, 0, scaled(width), scaled(form::kClientHeight)};
    AdjustWindowRectExForDpi(&frame, kWindowStyle, FALSE, WS_EX_CONTROLPARENT, dpi_);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::show(int showCommand)
{
    RECT frame{}, desktop{};
    GetWindowRect(window_, &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &desktop, 0);
    const int left = desktop.left + ((desktop.right - desktop.left) - (frame.right - frame.left)) / 2;
    const int top = desktop.top + ((desktop.bottom - desktop.top) - (frame.bottom - frame.top)) / 2;
    SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    savedLeft_ = left;
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
}

const MainWindow::ControlWindow* MainWindow::controlWindow(const char* name) const
{
    for (const ControlWindow& control : controls_)
        if (std::string_view(control.definition->name) == name)
            return &control;
    return nullptr;
}

const MainWindow::ControlWindow* MainWindow::controlWindow(HWND window) const
{
    for (const ControlWindow& control : controls_)
        if (control.window == window)
            return &control;
    return nullptr;
}

HWND MainWindow::control(const char* name) const
{
    const ControlWindow* found = controlWindow(name);
    return found ? found->window : nullptr;
}

HWND MainWindow::radioItem(const char* group, int item) const
{
    const ControlWindow* found = controlWindow(group);
    if (!found || item < 0 || static_cast<std::size_t>(item) >= found->items.size())
        return nullptr;
    return found->items[static_cast<std::size_t>(item)];
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        guarded(prompts_, [&] { onCommand(LOWORD(wParam), HIWORD(wParam)); });
        return 0;
    case WM_NOTIFY: {
        LRESULT result = 0;
        guarded(prompts_, [&] { result = onNotify(*reinterpret_cast<const NMHDR*>(lParam)); });
        return result;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        paintFrameLines(dc);
        EndPaint(window_, &paint);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        // Captions and frames on the window's own colour; the "Game Data
        // Information" caption hides the frame line behind its text.
        return buttonFaceColours(wParam);
    case WM_SETCURSOR:
        if (busy_) {
            SetCursor(LoadCursorW(nullptr, IDC_WAIT));
            return TRUE;
        }
        break;
    case WM_DPICHANGED: {
        dpi_ = HIWORD(wParam);
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        createFonts();
        layout();
        SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_CLOSE:
        DestroyWindow(window_);
        return 0;
    case WM_DESTROY:
        window_ = nullptr;
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void MainWindow::paintFrameLines(HDC dc) const
{
    for (const form::FrameLine& line : form::mainWindowFrameLines()) {
        RECT r{scaled(line.place.left), scaled(line.place.top), scaled(line.place.left + line.place.width),
               scaled(line.place.top + line.place.height)};
        DrawEdge(dc, &r, EDGE_ETCHED, line.place.width >= line.place.height ? BF_TOP : BF_LEFT);
    }
}

void MainWindow::onCommand(int id, int code)
{
    const int index = (id - kFirstControlId) / kIdsPerControl;
    const auto controls = form::mainWindowControls();
    if (id < kFirstControlId || static_cast<std::size_t>(index) >= controls.size())
        return;
    const std::string_view name = controls[static_cast<std::size_t>(index)].name;
    const bool isItem = (id - kFirstControlId) % kIdsPerControl != 0;
    if (isItem) {
        if (code != BN_CLICKED)
            return;
        moveTabStopToCheckedItem(controls_[static_cast<std::size_t>(index)].items);
        if (name == form::name::dataType)
            form_->onDataTypeChosen();
        return;
    }
    if (name == form::name::selectYear && code == STN_CLICKED)
        form_->onOpenSeason();
    else if (name == form::name::about && code == BN_CLICKED)
        onAbout();
    else if (name == form::name::teamTable && code == LBN_SELCHANGE) {
        const LRESULT line = SendMessageW(control(form::name::teamTable), LB_GETCURSEL, 0, 0);
        if (line != LB_ERR)
            form_->onTeamLineChosen(static_cast<std::size_t>(line));
    } else if (code == BN_CLICKED) {
        form_->onButtonClicked(name);
    }
}

LRESULT MainWindow::onNotify(const NMHDR& header)
{
    HWND list = control(form::name::seasonList);
    if (header.hwndFrom != list)
        return 0;
    switch (header.code) {
    case LVN_GETDISPINFOW: {
        LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header))->item;
        const std::size_t row = static_cast<std::size_t>(item.iItem);
        if (!(item.mask & LVIF_TEXT) || row >= session_.games().size())
            return 0;
        const GameRow& game = session_.games()[row];
        const std::string* cells[] = {&game.date, &game.vis, &game.home, &game.dh};
        cellText_ = item.iSubItem >= 0 && item.iSubItem < 4 ? fromLatin1(*cells[item.iSubItem]) : std::wstring();
        item.pszText = cellText_.data();
        return 0;
    }
    case LVN_BEGINLABELEDITW:
        return FALSE; // the date may be edited
    case LVN_ENDLABELEDITW: {
        const LVITEMW& item = reinterpret_cast<const NMLVDISPINFOW*>(&header)->item;
        if (!item.pszText)
            return FALSE; // cancelled
        const std::size_t row = form_->onGameDateEdited(static_cast<std::size_t>(item.iItem), toLatin1(item.pszText));
        showGames({row});
        return FALSE; // the list shows the session's rows, not the text typed
    }
    case LVN_KEYDOWN:
        if (reinterpret_cast<const NMLVKEYDOWN*>(&header)->wVKey == VK_F2) {
            const int focused = ListView_GetNextItem(list, -1, LVNI_FOCUSED);
            if (focused >= 0)
                ListView_EditLabel(list, focused);
        }
        return 0;
    default:
        return 0;
    }
}

LRESULT CALLBACK MainWindow::controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self)
{
    auto* mainWindow = reinterpret_cast<MainWindow*>(self);
    const ControlWindow* control = mainWindow->controlWindow(window);
    if (!control)
        return DefSubclassProc(window, message, wParam, lParam);
    LRESULT result = 0;
    guarded(mainWindow->prompts_, [&] { result = mainWindow->handleControl(*control, message, wParam, lParam); });
    return result;
}

LRESULT MainWindow::handleControl(const ControlWindow& control, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND window = control.window;
    switch (control.definition->kind) {
    case ControlKind::DateEdit:
        if (message == WM_CHAR || (message == WM_KEYDOWN && wParam == VK_DELETE) || message == WM_PASTE ||
            message == WM_CUT || message == WM_CLEAR) {
            if (message == WM_CHAR && (wParam == 3 || wParam == 1)) // Ctrl+C and Ctrl+A
                break;
            if (message == WM_CUT)
                DefSubclassProc(window, WM_COPY, 0, 0);
            typeIntoDateBox(window, message, wParam);
            return 0;
        }
        if (message == WM_SETTEXT) {
            const std::wstring masked =
                fromLatin1(form::maskedDate(toLatin1(reinterpret_cast<const wchar_t*>(lParam))));
            return DefSubclassProc(window, message, wParam, reinterpret_cast<LPARAM>(masked.c_str()));
        }
        break;
    case ControlKind::Edit: // the team name: Enter sets it
        if (message == WM_GETDLGCODE && lParam && reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN)
            return DefSubclassProc(window, message, wParam, lParam) | DLGC_WANTALLKEYS;
        if (message == WM_KEYDOWN && wParam == VK_RETURN) {
            form_->onSetTeamName();
            return 0;
        }
        if (message == WM_CHAR && wParam == L'\r')
            return 0;
        break;
    case ControlKind::LineList:
        if (message == WM_LBUTTONUP) {
            // A click on the line already current chooses it again (the
            // box may have been edited meanwhile).
            const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
            const LRESULT line = SendMessageW(window, LB_GETCURSEL, 0, 0);
            if (line != LB_ERR)
                form_->onTeamLineChosen(static_cast<std::size_t>(line));
            return result;
        }
        break;
    case ControlKind::ToolButton:
        // The "?" button takes no keyboard focus: it goes back where it was.
        if (message == WM_SETFOCUS && wParam) {
            SetFocus(reinterpret_cast<HWND>(wParam));
            return 0;
        }
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void MainWindow::typeIntoDateBox(HWND box, UINT message, WPARAM key)
{
    DWORD from = 0, to = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    std::string text = toLatin1(windowText(box));
    form::DateEntry entry{text, from};
    if (message == WM_CHAR && key == VK_BACK)
        entry = form::eraseInDate(text, from, to, false);
    else if (message == WM_KEYDOWN || message == WM_CUT || message == WM_CLEAR)
        entry = form::eraseInDate(text, from, to, true);
    else if (message == WM_CHAR)
        entry = form::typeIntoDate(text, from, to, static_cast<char>(key < 0x80 ? key : 0));
    else if (message == WM_PASTE && OpenClipboard(box)) {
        std::wstring pasted;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
                pasted = chars;
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
        for (wchar_t c : pasted) {
            if (c < L'0' || c > L'9')
                continue;
            entry = form::typeIntoDate(entry.text, entry.caret, to > from ? to : entry.caret, static_cast<char>(c));
            to = 0;
        }
    }
    DefSubclassProc(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(fromLatin1(entry.text).c_str()));
    SendMessageW(box, EM_SETSEL, entry.caret, entry.caret);
}

void MainWindow::onAbout()
{
    if (about_)
        about_->showModal(window_);
}

int MainWindow::dataTypeIndex() const
{
    return radioIndex(controlWindow(form::name::dataType)->items);
}

int MainWindow::leagueIndex() const
{
    return radioIndex(controlWindow(form::name::league)->items);
}

int MainWindow::year() const
{
    // The arrows keep a typed year within their range.
    return static_cast<int>(SendMessageW(controlWindow(form::name::year)->upDown, UDM_GETPOS32, 0, 0));
}

std::string MainWindow::text(const char* controlName) const
{
    return toLatin1(windowText(control(controlName)));
}

bool MainWindow::teamNameEdited() const
{
    return SendMessageW(control(form::name::teamName), EM_GETMODIFY, 0, 0) != 0;
}

void MainWindow::setControlStates(const ControlStates& states)
{
    const std::pair<const char*, bool> enabled[] = {
        {form::name::compileData, states.compileData},       {form::name::year, states.gameDataSettings},
        {form::name::dataFileName, states.gameDataSettings}, {form::name::startDate, states.gameDataSettings},
        {form::name::endDate, states.gameDataSettings},      {form::name::openSeason, states.openSeason},
        {form::name::writeSchedule, states.writeSchedule},   {form::name::scheduleName, states.writeSchedule},
    };
    for (const auto& [name, on] : enabled) {
        const ControlWindow* c = controlWindow(name);
        EnableWindow(c->window, on);
        if (c->upDown)
            EnableWindow(c->upDown, on);
    }
    ShowWindow(control(form::name::leagueHint), states.leagueHint ? SW_SHOW : SW_HIDE);
}

void MainWindow::setTitle(const std::string& title)
{
    SetWindowTextW(window_, fromLatin1(title).c_str());
}

void MainWindow::setProgress(int value)
{
    SendMessageW(control(form::name::progressBar), PBM_SETPOS, static_cast<WPARAM>(value), 0);
}

void MainWindow::setBusy(bool busy)
{
    busy_ = busy;
    SetCursor(LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

void MainWindow::showGames(const std::vector<std::size_t>& selected)
{
    HWND list = control(form::name::seasonList);
    ListView_SetItemCountEx(list, static_cast<int>(session_.games().size()), 0);
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    for (std::size_t row : selected)
        ListView_SetItemState(list, static_cast<int>(row), LVIS_SELECTED, LVIS_SELECTED);
    if (!selected.empty()) {
        const int first = static_cast<int>(selected.front());
        ListView_SetItemState(list, first, LVIS_FOCUSED, LVIS_FOCUSED);
        ListView_EnsureVisible(list, first, FALSE);
    }
    InvalidateRect(list, nullptr, TRUE);
}

void MainWindow::showTeamPanel(bool open)
{
    panelOpen_ = open;
    for (const ControlWindow& control : controls_)
        if (control.definition->teamPanel)
            ShowWindow(control.window, open ? SW_SHOW : SW_HIDE);
    resizeClient(open ? form::kPanelClientWidth : form::kClientWidth);
    RECT frame{};
    GetWindowRect(window_, &frame);
    const int left = open ? savedLeft_ - scaled(form::kPanelShift) : savedLeft_;
    SetWindowPos(window_, nullptr, left, frame.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::showTeamLines(std::optional<std::size_t> current)
{
    HWND list = control(form::name::teamTable);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : session_.teamTable().lines())
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(fromLatin1(line).c_str()));
    if (current) {
        SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
        SendMessageW(list, LB_SETCURSEL, *current, 0); // sends no LBN_SELCHANGE
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void MainWindow::showTeamEntry(const std::string& label, const std::string& name, int maxLength)
{
    SetWindowTextW(control(form::name::teamKey), fromLatin1(label).c_str());
    HWND box = control(form::name::teamName);
    SendMessageW(box, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
    SetWindowTextW(box, fromLatin1(name).c_str());
    SendMessageW(box, EM_SETMODIFY, FALSE, 0);
}

} // namespace rota::win32
