// Messages for Windows error codes (Windows builds only).
#pragma once

#include <string>
#include <system_error>

namespace rota {

// The system's text for GetLastError() code `code`, without its line end.
std::string describeSystemError(unsigned long code);

// GetLastError() code `code` as an error code whose message() is
// describeSystemError's.
std::error_code windowsError(unsigned long code);

} // namespace rota
