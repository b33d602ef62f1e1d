#include "tests/support/testsupport.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace rota::test {

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::random_device random;
    for (int attempt = 0; path_.empty() && attempt < 100; ++attempt)
        if (const fs::path folder = fs::temp_directory_path() / ("rota-test-" + std::to_string(random()));
            fs::create_directory(folder))
            path_ = folder.generic_string();
    if (path_.empty())
        throw std::runtime_error("cannot make a temporary folder");
}

TempDir::~TempDir()
{
    std::error_code ignored; // everything is made writable again so that it can be removed
    const auto writable = [&](const fs::path& p) {
        fs::permissions(p, fs::perms::owner_all, fs::perm_options::add, ignored);
    };
    writable(path_);
    for (auto it = fs::recursive_directory_iterator(path_, ignored); it != fs::recursive_directory_iterator();
         it.increment(ignored))
        if (!it->is_symlink(ignored))
            writable(it->path());
    fs::remove_all(path_, ignored);
}

void writeFile(const std::string& path, const std::string& bytes)
{
    if (!(std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes))
        throw std::runtime_error("cannot write " + path);
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void setReadOnly(const std::string& path, bool readOnly)
{
    const auto writes = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(path, readOnly ? writes : fs::perms::owner_write,
                    readOnly ? fs::perm_options::remove : fs::perm_options::add);
}

std::string textOf(const Outcome& outcome)
{
    std::string text = outcome.title;
    if (!outcome.detail.empty())
        text += (text.empty() ? "" : "\n") + outcome.detail;
    for (const std::string& item : outcome.items)
        text += "\n" + item;
    return text;
}

std::string teamCode(int team)
{
    return std::string(team < 10 ? "T0" : "T") + std::to_string(team);
}

std::string scheduleLine(const std::string& date, const std::string& visitor, const std::string& home,
                         const std::string& number)
{
    const auto team = [](const std::string& t) {
        return t.substr(0, 3) + "\",\"" + (t.size() > 4 ? t.substr(4) : "AL");
    };
    return "\"" + date + "\",\"0\",\"Sun\",\"" + team(visitor) + "\"," + number + ",\"" + team(home) +
           "\",1,\"d\",\"\",\"\"\r\n";
}

std::string crowdedSeason(bool daysAround)
{
    std::string text = daysAround ? scheduleLine("20000707", "T01", "T02") : "";
    for (int team = 1; team < 32; team += 2)
        text += scheduleLine("20000708", teamCode(team), teamCode(team + 1));
    return text + (daysAround ? scheduleLine("20000709", "T03", "T04") : "");
}

std::string crowdedSeasonNames()
{
    std::string ini = "[Schedule Data]\r\n";
    for (int team = 1; team <= 32; ++team)
        ini += teamCode(team) + " AL=N" + std::to_string(team) + "\r\n";
    return ini;
}

void copyEventFiles(const std::string& folder)
{
    for (const char* name : kEventFiles)
        fs::copy_file(sampleFile(name), folder + "/" + name);
}

} // namespace rota::test
