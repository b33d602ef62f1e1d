#include "platform/fileio.h"

#include <memory>

namespace rota {

LineReader readFileLines(const std::string& path, std::size_t pieceSize)
{
    auto file = std::make_shared<FileReader>(path);
    const std::uint64_t size = file->size();
    return LineReader([file](char* buffer, std::size_t capacity) { return file->read(buffer, capacity); }, size,
                      pieceSize);
}

} // namespace rota
