#include "platform/inifile.h"

#include "platform/fileio.h"
#include "platform/filelock.h"
#include "tests/support/testsupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>

using namespace rota;
using Lines = std::vector<std::string>;

TEST(IniFile, NamesMatchWithoutCaseAndBlanksAreIgnored)
{
    IniFile ini({"[game data]", "  abc  =  XYZ  ", "Def=\"Quoted\"", "[Schedule Data]", "ABC AL=Yanks"});
    EXPECT_EQ(ini.readString("Game Data", "ABC"), "XYZ");
    EXPECT_EQ(ini.readString("GAME DATA", "def"), "Quoted");
    EXPECT_EQ(ini.readString(" Game Data ", " abc "), "XYZ");
    EXPECT_EQ(ini.readString("Schedule Data", "abc al"), "Yanks");
    EXPECT_EQ(ini.readString("Schedule Data", "ABC"), "");
    EXPECT_EQ(ini.readString("Nope", "ABC"), "");
}

TEST(IniFile, FirstOfDuplicateKeysAndSectionsWins)
{
    IniFile ini({"[S]", "K=1", "K=2", "[S]", "K=3"});
    EXPECT_EQ(ini.readString("S", "K"), "1");
    ini.writeString("S", "K", "9");
    EXPECT_EQ(ini.lines(), (Lines{"[S]", "K=9", "K=2", "[S]", "K=3"}));
}

TEST(IniFile, NewKeyGoesAfterTheLastEntryOfItsSection)
{
    IniFile ini({"[Game Data]", "ABC=X", "", "[Schedule Data]", "DEF AL=Y"});
    ini.writeString("Game Data", "GHI", "");
    ini.writeString("Schedule Data", "JKL NL", "");
    EXPECT_EQ(ini.lines(), (Lines{"[Game Data]", "ABC=X", "GHI=", "", "[Schedule Data]", "DEF AL=Y", "JKL NL="}));
}

TEST(IniFile, NewSectionGoesAtTheEnd)
{
    IniFile empty;
    empty.writeString("Game Data", "ABC", "");
    EXPECT_EQ(empty.lines(), (Lines{"[Game Data]", "ABC="}));
    empty.writeString("Schedule Data", "ABC AL", "");
    EXPECT_EQ(empty.lines(), (Lines{"[Game Data]", "ABC=", "", "[Schedule Data]", "ABC AL="}));
}

TEST(IniFile, WritingTheSameValueChangesNothing)
{
    IniFile ini({"[Game Data]", "ABC="});
    ini.writeString("Game Data", "abc", "");
    EXPECT_FALSE(ini.changed());
    ini.writeString("Game Data", "abc", "Sox");
    EXPECT_TRUE(ini.changed());
    EXPECT_EQ(ini.lines()[1], "ABC=Sox");
}

TEST(IniFile, KeysHoldingSpecialCharactersAreFoundAgain)
{
    // Whatever a data file holds in its code columns must be found after it
    // was written, or each lookup would add the key again.
    for (const std::string key : {"A=B AL", "[X AL", "; AL", "a\xe9z NL", "=Q", "K="}) {
        IniFile ini;
        ini.writeString("Schedule Data", key, "");
        ini.writeString("Schedule Data", key, "");
        EXPECT_EQ(ini.lines().size(), 2u) << key;
        ini.writeString("Schedule Data", key, "Name");
        EXPECT_EQ(ini.readString("Schedule Data", key), "Name") << key;
    }
}

TEST(UpdateIniFile, AFileThatCannotBeWrittenIsAnErrorAndStaysAsItWas)
{
    test::TempDir dir;
    const std::string readOnly = dir.file("readonly.ini");
    test::writeFile(readOnly, "[Game Data]\nABC=Sox\n");
    test::setReadOnly(readOnly, true);
    std::filesystem::create_directory(dir.file("folder.ini"));
    const auto addKey = [](IniFile& file) { file.writeString("Game Data", "DEF", ""); };

    EXPECT_THROW(updateIniFile(readOnly, addKey), FileError);
    EXPECT_EQ(test::readFile(readOnly), "[Game Data]\nABC=Sox\n");
    EXPECT_EQ(readIniFile(readOnly).readString("Game Data", "ABC"), "Sox");
    EXPECT_THROW(updateIniFile(dir.file("folder.ini"), addKey), FileError);
    EXPECT_THROW(readIniFile(dir.file("folder.ini")), FileError);
    // A missing file reads as empty and is made by the first change.
    EXPECT_EQ(readIniFile(dir.file("new.ini")).lines().size(), 0u);
    updateIniFile(dir.file("new.ini"), addKey);
    EXPECT_EQ(test::readFile(dir.file("new.ini")), "[Game Data]\r\nDEF=\r\n");
}

TEST(IniFileLoad, RefusesFilesThatAreNotEightBitTextAndNeverRewritesThem)
{
    using namespace std::string_literals;
    const struct {
        std::string bytes;
        const char* why;
    } cases[] = {
        {"\xff\xfe[\0G\0]\0"s, "byte order mark"},
        {"\xfe\xff\0[\0G\0]"s, "byte order mark"},
        {"\xff\xfe"s, "byte order mark"},
        {"[Game Data]\r\nABC=\0\r\n"s, "zero bytes"},
        {"\0"s, "zero bytes"},
        {"[\0G\0a\0m\0e\0]\0"s, "zero bytes"}, // UTF-16 without a mark
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        const std::string path = dir.file("rota.ini");
        test::writeFile(path, c.bytes);
        try {
            IniFile::load(path);
            ADD_FAILURE() << "no error: " << testing::PrintToString(c.bytes);
        } catch (const FileError& e) {
            const std::string said = e.what();
            EXPECT_NE(said.find("\"" + path + "\""), std::string::npos) << said;
            EXPECT_NE(said.find(c.why), std::string::npos) << said;
            EXPECT_NE(said.find("left as it is"), std::string::npos) << said;
        }
        EXPECT_THROW(updateIniFile(path, [](IniFile& ini) { ini.writeString("Game Data", "ABC", "X"); }), FileError);
        EXPECT_THROW(readIniFile(path), FileError);
        EXPECT_EQ(test::readFile(path), c.bytes);
    }
    // The same bytes elsewhere than at the start are 8-bit text.
    test::TempDir dir;
    test::writeFile(dir.file("ok.ini"), "[S]\r\nK=\xff\xfe\r\n\xfe\xff=1\r\n");
    EXPECT_EQ(IniFile::load(dir.file("ok.ini")).readString("S", "K"), "\xff\xfe");
}

TEST(UpdateIniFile, SavesOnlyChangesAndOnlyWhenTheChangeCompletes)
{
    test::TempDir dir;
    const std::string path = dir.file("rota.ini");
    updateIniFile(path, [](IniFile& ini) { EXPECT_EQ(ini.readString("Game Data", "ABC"), ""); });
    EXPECT_FALSE(pathExists(path)); // nothing written: no file made
    updateIniFile(path, [](IniFile& ini) { ini.writeString("Game Data", "ABC", "Sox"); });
    EXPECT_EQ(test::readFile(path), "[Game Data]\r\nABC=Sox\r\n");
    EXPECT_THROW(updateIniFile(path,
                               [](IniFile& ini) {
                                   ini.writeString("Game Data", "ABC", "Cubs");
                                   throw std::runtime_error("changed my mind");
                               }),
                 std::runtime_error);
    EXPECT_EQ(readIniFile(path).readString("Game Data", "ABC"), "Sox");
}

TEST(UpdateIniFile, ConcurrentIncrementsAreNeverLost)
{
    // Each thread locks through a descriptor of its own, as another process
    // would.
    test::TempDir dir;
    const std::string path = dir.file("rota.ini");
    constexpr int kRounds = 200;
    auto work = [&] {
        for (int i = 0; i < kRounds; ++i)
            updateIniFile(path, [](IniFile& ini) {
                const std::string n = ini.readString("Counter", "N");
                ini.writeString("Counter", "N", std::to_string((n.empty() ? 0 : std::stoi(n)) + 1));
            });
    };
    std::thread a(work), b(work);
    a.join();
    b.join();
    EXPECT_EQ(readIniFile(path).readString("Counter", "N"), std::to_string(2 * kRounds));
    EXPECT_TRUE(pathExists(FileLock::lockFilePath(path)));
}
