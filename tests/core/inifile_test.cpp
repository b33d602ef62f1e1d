#include "platform/inifile.h"

#include "platform/fileio.h"
#include "tests/support/testsupport.h"

#include <filesystem>
#include <gtest/gtest.h>

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

TEST(IniStore, SeesEveryChangeOnDisk)
{
    test::TempDir dir;
    const std::string path = dir.file("rota.ini");
    IniStore store(path);
    EXPECT_EQ(store.open().readString("Game Data", "ABC"), "");
    EXPECT_FALSE(pathExists(path));

    store.open().writeString("Game Data", "ABC", "");
    store.flush();
    EXPECT_EQ(test::readFile(path), "[Game Data]\r\nABC=\r\n");

    // Another program rewrites the file with the same size.
    test::writeFile(path, "[Game Data]\r\nABC=Y\r\n");
    EXPECT_EQ(store.open().readString("Game Data", "ABC"), "Y");
    test::writeFile(path, "[Game Data]\r\nABC=Z\r\n");
    EXPECT_EQ(store.open().readString("Game Data", "ABC"), "Z");
    std::filesystem::remove(path);
    EXPECT_EQ(store.open().readString("Game Data", "ABC"), "");
}

TEST(IniStore, ReadOnlyFileFailsOnWriteAndStaysUntouched)
{
    test::TempDir dir;
    const std::string path = dir.file("rota.ini");
    test::writeFile(path, "[Game Data]\nABC=Sox\n");
    test::setReadOnly(path, true);
    IniStore store(path);
    EXPECT_EQ(store.open().readString("Game Data", "ABC"), "Sox");
    store.flush(); // nothing to write: no error
    store.open().writeString("Game Data", "DEF", "");
    EXPECT_THROW(store.flush(), FileError);
    EXPECT_EQ(test::readFile(path), "[Game Data]\nABC=Sox\n");
    // The failed write is not kept as if it had been saved.
    EXPECT_EQ(store.open().lines().size(), 2u);
}

TEST(IniStore, FolderInPlaceOfTheFileIsAnError)
{
    test::TempDir dir;
    std::filesystem::create_directory(dir.file("rota.ini"));
    IniStore store(dir.file("rota.ini"));
    EXPECT_THROW(store.open(), FileError);
}
