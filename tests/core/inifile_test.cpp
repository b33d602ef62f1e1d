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

// The cases of users' files; tests/wine/profilecompare.cpp holds these and
// more beside Windows's own reading of them.
TEST(IniFile, ReadsUsersFilesAsWindowsDoes)
{
    const std::string bom = "\xef\xbb\xbf";
    const struct {
        std::string text, section, key, value;
    } cases[] = {
        {bom + "[Schedule Data]\r\nABC AL=Yanks\r\n", "Schedule Data", "ABC AL", "Yanks"},
        {bom + "ABC=top\r\n", "", "abc", "top"},
        {"[Schedule Data] ; 2005\r\nABC AL=Yanks\r\n", "Schedule Data", "ABC AL", "Yanks"},
        {"[S]x]\nK=1\n[S]\nK=2\n", "S]x", "K", "1"},
        {"[S\nK=1\n[S]\nK=2\n", "S", "K", "2"},
        {"  [ S ]  \nK=1\n", "s", "k", "1"},
        {"[S]\nK=first\n[s]\nK=later\nL=only later\n", "S", "K", "first"},
        {"[S]\nK=first\n[s]\nK=later\nL=only later\n", "S", "L", ""},
        {"[]\nK=v\n", "", "K", ""}, // the nameless section before it comes first
        {"[S]\n;K=x\nK=Sox ; 1913\n", "S", ";k", "x"},
        {"[S]\n;K=x\nK=Sox ; 1913\n", "S", "K", "Sox ; 1913"},
        {"[S]\nK==v\n", "S", "K=", ""},
        {"[S]\nK==v\n", "S", "K", "=v"},
        {"[S]\n=v\n", "S", "", "v"},
        {"[S]\rK=cr\r", "S", "K", "cr"},
        {"[S]\n\v K \f=\x1a\tv\v\n", "S", "K", "v"},
        {"[S]\nK=\xa0v\x1c\n", "S", "K", "\xa0v\x1c"},
        {"[S]\nK=\"q\"\nL='\nM=\" a \"\n", "S", "K", "q"},
        {"[S]\nK=\"q\"\nL='\nM=\" a \"\n", "S", "L", "'"},
        {"[S]\nK=\"q\"\nL='\nM=\" a \"\n", "S", "M", " a "},
        {"[S]\nK=" + std::string(3000, 'v'), "S", "K", std::string(2047, 'v')},
        {"[S]\nK='" + std::string(2047, 'v') + "'", "S", "K", std::string(2046, 'v')},
        {"[S]\nK\n", "S", "K", ""},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        test::writeFile(dir.file("rota.ini"), c.text);
        EXPECT_EQ(IniFile::load(dir.file("rota.ini")).readString(c.section, c.key), c.value)
            << "[" << c.section << "] " << c.key << " in " << testing::PrintToString(c.text);
    }
}

// A file that starts with a byte order mark keeps it, and its names are
// found: no second section is added for them.
TEST(UpdateIniFile, KeepsTheByteOrderMarkAndTheSectionsOfAMarkedFile)
{
    test::TempDir dir;
    const std::string path = dir.file("rota.ini");
    test::writeFile(path, "\xef\xbb\xbf[Schedule Data] ; 1915\r\nBOS AL=Sox\r\n");
    updateIniFile(path, [](IniFile& ini) {
        EXPECT_TRUE(ini.byteOrderMark());
        EXPECT_EQ(ini.readString("Schedule Data", "BOS AL"), "Sox");
        ini.writeString("Schedule Data", "BOS AL", "Sox");
        ini.writeString("Schedule Data", "NYA AL", "");
    });
    EXPECT_EQ(test::readFile(path), "\xef\xbb\xbf[Schedule Data] ; 1915\r\nBOS AL=Sox\r\nNYA AL=\r\n");
    EXPECT_FALSE(readIniFile(path).lines().front().starts_with("\xef"));
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
    // A read-only file, or a change that throws, leaves the file as it was.
    test::setReadOnly(path, true);
    EXPECT_THROW(updateIniFile(path, [](IniFile& ini) { ini.writeString("Game Data", "DEF", ""); }), FileError);
    test::setReadOnly(path, false);
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
