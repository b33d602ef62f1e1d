// The window shows the program's byte strings as Latin-1 text through the
// system's wide-character calls; paths are in the system's code page.
#pragma once

#include <string>
#include <string_view>

namespace rota::win32 {

std::wstring fromLatin1(std::string_view bytes);
// Characters beyond Latin-1 become "?".
std::string toLatin1(std::wstring_view text);

std::wstring fromPath(const std::string& path);
std::string toPath(std::wstring_view path);

} // namespace rota::win32
