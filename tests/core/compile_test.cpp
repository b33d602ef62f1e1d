// Compile Data: the checks of its settings, the batch file it writes, and
// real runs over the sample event files.
#include "compile/compiledata.h"
#include "platform/environment.h"
#include "platform/shortpath.h"
#include "session/session.h"
#include "tests/support/testsupport.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

using namespace rota;
namespace fs = std::filesystem;
using Kind = Outcome::Kind;

TEST(CompileData, RefusesBadSettingsBeforeAnythingRuns)
{
    // folder: the program folder, under a fresh folder.
    struct Case {
        std::string name, start = "04/01", end = "10/30";
        const char* folder = "home";
        std::string message = kBadFileNameMessage;
        Kind kind = Kind::Refused;
    };
    std::vector<Case> cases{
        {"", "04/ 1", "10/30", "home", kNoFileNameMessage},
        // Names the batch file's own files or Windows take.
        {"al", "04/01", "10/30", "home", "is taken"},
        {"NL", "04/01", "10/30", "home", "is taken"},
        {"Nul", "04/01", "10/30", "home", "is taken"},
        {"AL00", "ab/cd", "1 /30", "home", kBadStartDateMessage},
        {"AL00", "04/ 1", "10/30", "home", kBadStartDateMessage},
        {"AL00", "04/01", "1 /30", "home", kBadEndDateMessage},
        {"AL00", "04/0", "10/30", "home", "shorter than MM/DD", Kind::Failed},
        {"AL00", "04/01", "10/30", "my rota", "has a blank or one of the characters"},
        {"AL00", "04/01", "10/30", "a&b", "has a blank or one of the characters"},
        {"AL00", "04/01", "10/30", "read-only", "rotadata.bat", Kind::Failed},
    };
    // Names that would inject commands or leave the folder.
    for (const char* name : {"a b", "x&del *.*", "x\r\ndel", "a|b", "a>b", "a^b", "50%", "..\\a", "a/b", "caf\xe9"})
        cases.push_back({name});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name + " " + c.start + " " + c.end + " " + c.folder);
        test::TempDir parent;
        const std::string home = parent.file(c.folder);
        fs::create_directories(home + "/data");
        // Windows names the folder by its short path, which has no blank
        // where the volume keeps short names; a folder's read-only
        // attribute means nothing there.
        if (std::string(c.folder) == "my rota" && shortPathName(home).find(' ') == std::string::npos)
            continue;
        if (std::string(c.folder) == "read-only" && !test::kFoldersCanBeReadOnly)
            continue;
        test::setReadOnly(home, std::string(c.folder) == "read-only");
        Session session(home);
        std::ostringstream diagnostics;
        const Outcome outcome = session.compileData({c.name, c.start, c.end, 1900, LeagueOption::AlNl}, diagnostics);
        EXPECT_EQ(outcome.kind, c.kind);
        EXPECT_NE(test::textOf(outcome).find(c.message), std::string::npos) << test::textOf(outcome);
        EXPECT_FALSE(std::filesystem::exists(home + "/" + kBatchFileName));
        EXPECT_EQ(session.state(), SessionState::Idle);
    }
    EXPECT_EQ(compileInputProblem({"AL_00-b", " 4/01", "10/30", 1900, LeagueOption::AlNl}), "");
}

// The batch file's bytes for each league option are compared in the real
// runs below; here, the texts given go into its lines as they stand.
TEST(CompileData, BatchLinesTakeTheShortProgramFolderAndKeysAsGiven)
{
    const auto line = [](const char* programDir, const char* startKey, std::size_t at) {
        return batchLines(compileSteps({"AL00", startKey, "1030", 1900, LeagueOption::AlNl}), programDir).at(at);
    };
    EXPECT_EQ(line("C:\\", "0401", 1), "cd C:\\\\data"); // a drive's root doubles the separator
    EXPECT_EQ(line("C:\\S", " 401", 8),
              "C:\\S\\bgame -y 1900 -s  401 -e 1030 -dsp C:\\S\\data\\data.run >> C:\\S\\data\\al.txt");
}

TEST(CompileData, RunsOverTheRealEventFilesAndKeepsAnEarlierFileOnFailure)
{
    const char* const kLeagueSuffix[] = {"A", "N", "F", "ALNL"}; // in the order of LeagueOption
    std::string american, national, both;
    // made: what the run made, null when it must fail; events: the event files are in the data folder;
    // asideBlocked: a folder stands where the earlier data file is set aside.
    const struct {
        LeagueOption league;
        std::string* made;
        bool events = true, asideBlocked = false;
    } cases[] = {{LeagueOption::American, &american},  {LeagueOption::National, &national},
                 {LeagueOption::AlNl, &both},          {LeagueOption::Federal, nullptr},
                 {LeagueOption::AlNl, nullptr, false}, {LeagueOption::AlNl, nullptr, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.league) + 10 * c.events + 100 * c.asideBlocked);
        test::TempDir home;
        fs::create_directory(home.file("data"));
        if (c.events)
            test::copyEventFiles(home.file("data"));
        fs::copy_file(test::bgamePath(), home.file(boxScoreToolName()));
        test::writeFile(home.file("S20.txt"), "earlier\r\n");
        if (c.asideBlocked)
            fs::create_directories(home.file("S20.txt.previous/full"));
        Session session(home.path());
        std::ostringstream diagnostics;
        const fs::path ours = fs::current_path();
        const Outcome outcome = session.compileData({"S20", "04/01", "10/30", 2020, c.league}, diagnostics);
        EXPECT_EQ(fs::current_path(), ours);
        EXPECT_EQ(outcome.done(), c.made != nullptr) << test::textOf(outcome) << diagnostics.str();
        EXPECT_EQ(session.state(), c.made ? SessionState::Compiled : SessionState::Idle);
        EXPECT_EQ(std::filesystem::exists(home.file("S20.txt.previous")), c.asideBlocked);
        EXPECT_EQ(test::readFile(home.file("S20.txt")) == "earlier\r\n", !c.made);
        EXPECT_TRUE(&both != c.made || fs::is_empty(home.file("data"))); // all files consumed
        // The batch file holds the bytes of tests/data/expected/rotadata-*.bat,
        // written for the program folder C:\SCHED.
        std::string batch = test::readFile(
            test::dataFile(std::string("expected/rotadata-") + kLeagueSuffix[static_cast<int>(c.league)] + ".bat"));
        for (std::size_t at; (at = batch.find("C:\\SCHED")) != std::string::npos;)
            batch.replace(at, 8, shortPathName(home.path()));
        EXPECT_TRUE(test::readFile(home.file(kBatchFileName)) == batch);
        if (c.made) {
            // On Windows the box-score tool writes CRLF lines, and cmd's
            // "copy *.txt" ends the joined file with 0x1A.
            *c.made = test::readFile(home.file("S20.txt"));
            std::erase(*c.made, '\r');
            std::erase(*c.made, '\x1a');
        }
    }
    const std::string compiled = test::readFile(test::dataFile("gamedata2020.txt"));
    EXPECT_NE(american, "");
    EXPECT_TRUE(both == compiled);
    EXPECT_TRUE(american + national == compiled);
}

// A run killed while the batch ran left the earlier data file aside: the
// next run puts it back, unless the killed run had made a data file with
// games, and then sets aside whatever is there as usual.
TEST(CompileData, PutsBackWhatAKilledRunSetAside)
{
    const std::string games = test::readFile(test::dataFile("gamedata2020.txt"));
    const struct {
        const char* dataFile; // what the killed run left as the data file, null for none
        std::string kept;     // the data file after a run that makes nothing
    } cases[] = {{nullptr, "earlier\r\n"}, {"", "earlier\r\n"}, {games.c_str(), games}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dataFile ? std::string(c.dataFile).substr(0, 20) : "none");
        test::TempDir home;
        fs::create_directory(home.file("data")); // no event files: the run makes no games
        fs::copy_file(test::bgamePath(), home.file(boxScoreToolName()));
        test::writeFile(home.file("S20.txt.previous"), "earlier\r\n");
        if (c.dataFile)
            test::writeFile(home.file("S20.txt"), c.dataFile);
        Session session(home.path());
        std::ostringstream diagnostics;
        EXPECT_FALSE(session.compileData({"S20", "04/01", "10/30", 2020, LeagueOption::AlNl}, diagnostics).done());
        EXPECT_TRUE(test::readFile(home.file("S20.txt")) == c.kept);
        EXPECT_FALSE(std::filesystem::exists(home.file("S20.txt.previous")));
    }
}
