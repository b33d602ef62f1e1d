// Messages for Windows error codes (Windows builds only).
#pragma once

#include <string>

namespace rota {

// The system's text for GetLastError() code `code`, without its line end.
std::string describeSystemError(unsigned long code);

} // namespace rota
