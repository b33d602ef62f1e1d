#include "platform/shortpath.h"

namespace rota {

// There are no short names: a path is its own short form.
std::string shortPathName(const std::string& path)
{
    return path;
}

} // namespace rota
