// Shows the Win32 window in the states a screenshot is taken of, for
// scripts/screenshot:
//   screens_win32 PROGRAM_FOLDER SCHEDULE_FILE
// It prints the name of each state ("main", "season", "about") when the
// window shows it, holds it for a few seconds while the script takes the
// picture, and ends after the last one.

#include "app/win32/aboutwindow.h"
#include "app/win32/mainwindow.h"
#include "session/session.h"
#include "tools/screens/scriptedprompts.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

constexpr DWORD kHoldMilliseconds = 2500;

// Keeps the windows painting for a while.
void hold(DWORD milliseconds)
{
    const DWORD end = GetTickCount() + milliseconds;
    for (DWORD now = GetTickCount(); now < end; now = GetTickCount()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void announce(const char* state)
{
    std::printf("%s\n", state);
    std::fflush(stdout);
}

void CALLBACK showAboutState(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    announce("about");
}

void CALLBACK closeAbout(HWND about, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(about, timer);
    PostMessageW(about, WM_CLOSE, 0, 0);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: screens_win32 PROGRAM_FOLDER SCHEDULE_FILE\n";
        return 2;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS |
                                                       ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    rota::Session session(argv[1]);
    ScriptedPrompts prompts(argv[2]);
    rota::win32::AboutWindow about;
    rota::win32::MainWindow window(session, prompts, &about, std::cerr);
    window.show(SW_SHOW);
    hold(1000);
    announce("main");
    hold(kHoldMilliseconds);

    SendMessageW(window.radioItem(rota::form::name::dataType, 2), BM_CLICK, 0, 0);
    SendMessageW(window.control(rota::form::name::openSeason), BM_CLICK, 0, 0);
    hold(1000);
    announce("season");
    hold(kHoldMilliseconds);

    // The About window's own loop runs the timers while it is shown.
    SetTimer(nullptr, 0, 1000, &showAboutState);
    SetTimer(about.handle(), 1, 1000 + kHoldMilliseconds, &closeAbout);
    SendMessageW(window.control(rota::form::name::about), BM_CLICK, 0, 0);
    return 0;
}
