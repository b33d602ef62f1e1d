// Start-up of the window on Windows: the main window over a session whose
// program folder is the folder of the executable, the hidden About window,
// and the message loop.

#include "app/win32/aboutwindow.h"
#include "app/win32/mainwindow.h"
#include "app/win32/prompts.h"
#include "platform/environment.h"
#include "session/session.h"

#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <iostream>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS |
                                                       ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    const std::string programFolder = rota::defaultProgramFolder();
    std::error_code ignored; // a folder that cannot be made is reported by the first command that needs it
    std::filesystem::create_directories(std::filesystem::path(programFolder) / "data", ignored);

    rota::Session session(programFolder);
    rota::win32::SystemPrompts prompts;
    rota::win32::AboutWindow about;
    rota::win32::MainWindow window(session, prompts, &about, std::cerr);
    window.show(showCommand);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab, the arrow keys and mnemonics move between the controls.
        if (IsDialogMessageW(GetAncestor(message.hwnd, GA_ROOT), &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
