// Helpers shared by the tests: temporary folders, files and sample data.
#pragma once

#include "session/outcome.h"

#include <cstddef>
#include <string>

namespace rota::test {

// A fresh folder under the system's temporary folder, removed with its
// content when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);

// A real Retrosheet file of the sample folder (tests/data/retrosheet), a file
// of the test data folder (tests/data), and the built box-score stand-in.
inline std::string sampleFile(const std::string& name)
{
    return ROTA_SAMPLE_DIR "/" + name;
}
inline std::string dataFile(const std::string& name)
{
    return ROTA_TEST_DATA_DIR "/" + name;
}
inline std::string bgamePath()
{
    return ROTA_BGAME_PATH;
}

// The system's write to a file descriptor, for tests that stand in for it.
long writeDescriptor(int fd, const void* data, std::size_t size);

// Makes a file or folder read-only (all write bits off; on Windows the
// read-only attribute) or writable again. Throws when that fails.
void setReadOnly(const std::string& path, bool readOnly);

// False where setReadOnly on a folder does not stop new files in it: on
// Windows a folder's read-only attribute means nothing to the system.
#ifdef _WIN32
inline constexpr bool kFoldersCanBeReadOnly = false;
#else
inline constexpr bool kFoldersCanBeReadOnly = true;
#endif

// The message of the E that `action` throws, or "" when it throws none.
template <typename E, typename F>
std::string thrown(F&& action)
{
    try {
        action();
    } catch (const E& e) {
        return e.what();
    }
    return "";
}

// A line of Retrosheet's schedule layout; a team is a code ("BOS", of the
// American League) or a code and its league ("BOS NL"), and `number` is the
// visitor's game number.
std::string scheduleLine(const std::string& date, const std::string& visitor, const std::string& home,
                         const std::string& number = "1");

// "T01" to "T99".
std::string teamCode(int team);

// A schedule file whose 07/08/00 holds 16 games of 32 teams T01 to T32,
// between a game on 07/07/00 and one on 07/09/00 (T01 at T02, T03 at T04)
// when `daysAround`, and a rota.ini that names every team N1 to N32.
std::string crowdedSeason(bool daysAround = true);
std::string crowdedSeasonNames();

// The sample folder's event, roster and team files of 2020, and their copy
// into `folder`.
inline constexpr const char* kEventFiles[] = {"2020NYA.EVA", "2020NYN.EVN", "NYA2020.ROS", "NYN2020.ROS", "TEAM2020"};
void copyEventFiles(const std::string& folder);

// Everything an outcome says, title, detail and items, one to a line.
std::string textOf(const Outcome& outcome);

} // namespace rota::test
