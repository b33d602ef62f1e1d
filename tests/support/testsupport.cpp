#include "tests/support/testsupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace rota::test {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "rota-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    // Make everything writable again so that it can be removed.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored))
        ::chmod(it->path().c_str(), it->is_directory(ignored) ? 0755 : 0644);
    ::chmod(path_.c_str(), 0755);
    std::filesystem::remove_all(path_, ignored);
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string sampleFile(const std::string& name)
{
    return std::string(ROTA_SAMPLE_DIR) + "/" + name;
}

std::string bgamePath()
{
    return ROTA_BGAME_PATH;
}

long writeDescriptor(int fd, const void* data, std::size_t size)
{
    return ::write(fd, data, size);
}

void setReadOnly(const std::string& path, bool readOnly)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        throw std::runtime_error("no such file: " + path);
    const bool folder = S_ISDIR(st.st_mode);
    ::chmod(path.c_str(), readOnly ? (folder ? 0555 : 0444) : (folder ? 0755 : 0644));
}

} // namespace rota::test
