#include "tests/support/testsupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <random>
#include <unistd.h>

namespace rota::test {

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path folder = fs::temp_directory_path() / ("rota-test-" + std::to_string(random()));
        std::error_code error;
        if (fs::create_directory(folder, error)) {
            path_ = folder.generic_string();
            return;
        }
    }
    throw std::runtime_error("cannot make a temporary folder");
}

TempDir::~TempDir()
{
    std::error_code ignored;
    // Make everything writable again so that it can be removed.
    for (auto it = fs::recursive_directory_iterator(path_, ignored); it != fs::recursive_directory_iterator();
         it.increment(ignored))
        if (!it->is_symlink(ignored))
            fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, ignored);
    fs::permissions(path_, fs::perms::owner_write, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
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
    // On Windows this sets or clears the read-only attribute.
    if (readOnly)
        fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    else
        fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
}

} // namespace rota::test
