// The short (8.3) form of a path.
#pragma once

#include <string>

namespace rota {

// On Windows, GetShortPathNameA with a 260-character buffer ("" when it
// fails). Elsewhere there are no short names: the path as it is.
std::string shortPathName(const std::string& path);

} // namespace rota
