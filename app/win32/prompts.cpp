#include "app/win32/prompts.h"

#include "app/form/form.h"
#include "app/win32/text.h"

#include <windows.h>
#include <commdlg.h>

namespace rota::win32 {

namespace {

int showBox(const std::string& text, UINT style)
{
    return MessageBoxW(GetActiveWindow(), fromLatin1(text).c_str(), fromLatin1(form::kApplicationTitle).c_str(),
                       style | MB_TASKMODAL);
}

// The open dialog's filter for `kinds`: "Label\0*.txt;*.csv\0...\0\0".
std::wstring fileDialogFilter(const std::vector<FileKind>& kinds)
{
    std::wstring filter;
    for (const FileKind& kind : kinds) {
        filter += fromLatin1(kind.label);
        filter += L'\0';
        std::wstring patterns;
        for (const std::string& extension : kind.extensions)
            patterns += (patterns.empty() ? L"*." : L";*.") + fromLatin1(extension);
        filter += patterns.empty() ? L"*.*" : patterns;
        filter += L'\0';
    }
    return filter + L'\0';
}

} // namespace

void SystemPrompts::message(const std::string& text)
{
    showBox(text, MB_OK);
}

void SystemPrompts::error(const std::string& text)
{
    showBox(text, MB_OK | MB_ICONSTOP);
}

bool SystemPrompts::ask(const std::string& question)
{
    return showBox(question, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

std::optional<std::string> SystemPrompts::openFileName(const std::string& folder, const std::vector<FileKind>& kinds)
{
    const std::wstring filter = fileDialogFilter(kinds);
    const std::wstring initialFolder = fromPath(folder);
    wchar_t file[MAX_PATH * 4] = {};
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = static_cast<DWORD>(std::size(file));
    dialog.lpstrInitialDir = initialFolder.c_str();
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (!GetOpenFileNameW(&dialog))
        return std::nullopt;
    return toPath(file);
}

} // namespace rota::win32
