#include "tests/support/testsupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <random>

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
            makeWritable(it->path().string());
    makeWritable(path_);
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

std::string dataFile(const std::string& name)
{
    return std::string(ROTA_TEST_DATA_DIR) + "/" + name;
}

std::string bgamePath()
{
    return ROTA_BGAME_PATH;
}

} // namespace rota::test
