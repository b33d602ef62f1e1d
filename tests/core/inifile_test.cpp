#include "config/inifile.h"

#include "platform/fileio.h"
#include "tests/support/testsupport.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>
#include <thread>

using namespace rota;
using Lines = std::vector<std::string>;
using namespace std::string_literals;

TEST(IniFile, ReadsAndWritesAsThePrivateProfileFunctionsDo)
{
    IniFile ini({"[game data]", "  abc  =  XYZ  ", "Def=\"Quoted\"", "abc=second", "bare", "", "[Schedule Data]",
                 "ABC AL=Yanks", "[GAME DATA]", "ghi=later section"});
    const std::pair<std::pair<const char*, const char*>, const char*> reads[] = {
        {{"Game Data", "ABC"}, "XYZ"}, {{" GAME DATA ", " def "}, "Quoted"}, {{"Schedule Data", "abc al"}, "Yanks"},
        {{"Game Data", "GHI"}, ""},    {{"Schedule Data", "ABC"}, ""},       {{"Nope", "ABC"}, ""},
        {{"Game Data", "bare"}, ""},
    };
    for (const auto& [at, value] : reads)
        EXPECT_EQ(ini.readString(at.first, at.second), value) << at.first << " " << at.second;
    ini.writeString("schedule data", "abc al", "Yanks");
    EXPECT_FALSE(ini.changed()); // the same value
    ini.writeString("Game Data", "abc", "first");
    ini.writeString("Game Data", "BARE", "x");
    ini.writeString("game data", "New", "");
    ini.writeString("Team Names", "K", "v");
    EXPECT_TRUE(ini.changed());
    EXPECT_EQ(ini.lines(), (Lines{"[game data]", "abc  =first", "Def=\"Quoted\"", "abc=second", "bare=x", "New=", "",
                                  "[Schedule Data]", "ABC AL=Yanks", "[GAME DATA]", "ghi=later section", "",
                                  "[Team Names]", "K=v"}));
    // A key written is found again, unless Windows could not find it either
    // (one holding "=", or one that reads as a section header).
    for (const std::string key : {"[X AL", "; AL", "a\xe9z NL", "#1 NL", "A=B AL", "=Q", "[X] AL"}) {
        IniFile file;
        file.writeString("Schedule Data", key, "");
        file.writeString("Schedule Data", key, "Name");
        const bool findable = key.find('=') == std::string::npos && key != "[X] AL";
        EXPECT_EQ(file.lines().size(), findable ? 2u : 3u) << key;
        EXPECT_EQ(file.readString("Schedule Data", key), findable ? "Name" : "") << key;
    }
}

TEST(UpdateIniFile, MadeByTheFirstChangeSavedOnlyWhenAChangeCompletes)
{
    test::TempDir dir;
    const std::string path = dir.file("rota.ini");
    EXPECT_EQ(readIniFile(path).lines(), Lines{});
    updateIniFile(path, [](IniFile& ini) { EXPECT_EQ(ini.readString("Game Data", "ABC"), ""); });
    EXPECT_FALSE(std::filesystem::exists(path)); // a read of a missing key leaves no file
    updateIniFile(path, [](IniFile& ini) { ini.writeString("Game Data", "ABC", "Sox"); });
    EXPECT_EQ(test::readFile(path), "[Game Data]\r\nABC=Sox\r\n");
    // A change that throws leaves the file as it was. (A read-only one: the
    // session's tests of rota.ini and the team table.)
    const auto change = [](IniFile& ini) {
        ini.writeString("Game Data", "ABC", "Cubs");
        throw std::runtime_error("changed my mind");
    };
    EXPECT_THROW(updateIniFile(path, change), std::runtime_error);
    EXPECT_EQ(test::readFile(path), "[Game Data]\r\nABC=Sox\r\n");
}

TEST(IniFileLoad, RefusesFilesThatAreNotEightBitTextAndNeverRewritesThem)
{
    for (const std::string& bytes : {"\xff\xfe[\0G\0]\0"s, "\xfe\xff\0[\0G\0]"s, "\xff\xfe"s,
                                     "[Game Data]\r\nABC=\0\r\n"s, "\0"s, "[\0G\0a\0m\0e\0]\0"s}) {
        test::TempDir dir;
        const std::string path = dir.file("rota.ini");
        test::writeFile(path, bytes);
        EXPECT_NE(test::thrown<FileError>([&] { IniFile::load(path); }).find("\"" + path + "\""), std::string::npos);
        EXPECT_THROW(updateIniFile(path, [](IniFile& ini) { ini.writeString("Game Data", "ABC", "X"); }), FileError);
        EXPECT_THROW(readIniFile(path), FileError);
        EXPECT_EQ(test::readFile(path), bytes);
    }
    // The same bytes elsewhere than at the start are 8-bit text.
    test::TempDir dir;
    test::writeFile(dir.file("ok.ini"), "[S]\r\nK=\xff\xfe\r\n\xfe\xff=1\r\n");
    EXPECT_EQ(IniFile::load(dir.file("ok.ini")).readString("S", "K"), "\xff\xfe");
}

TEST(UpdateIniFile, ConcurrentIncrementsAreNeverLost)
{
    // Each thread locks through a descriptor of its own, as another process would.
    test::TempDir dir;
    const std::string path = dir.file("rota.ini");
    constexpr int kRounds = 200;
    auto work = [&] {
        for (int i = 0; i < kRounds; ++i)
            updateIniFile(path, [](IniFile& ini) {
                ini.writeString("Counter", "N", std::to_string(std::atoi(ini.readString("Counter", "N").c_str()) + 1));
            });
    };
    std::thread a(work), b(work);
    a.join();
    b.join();
    EXPECT_EQ(readIniFile(path).readString("Counter", "N"), std::to_string(2 * kRounds));
}
