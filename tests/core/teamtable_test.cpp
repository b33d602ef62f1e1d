#include "config/teamtable.h"

#include "platform/fileio.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace rota;
using Lines = std::vector<std::string>;

TEST(SplitEntry, KeyBeforeTheFirstEqualsSignValueKeptWhole)
{
    EXPECT_EQ(splitEntry("ABC AL=").key, "ABC AL");
    EXPECT_EQ(splitEntry("ABC AL=").value, "");
    EXPECT_EQ(splitEntry("ABC=XYZ").value, "XYZ");
    EXPECT_EQ(splitEntry("ABC=X=Y").value, "X=Y");
    EXPECT_EQ(splitEntry("ABC==").value, "=");
    EXPECT_EQ(splitEntry("no sign").key, "no sign");
    EXPECT_EQ(splitEntry("no sign").value, "");
}

TEST(TeamTableEditor, ClickAndSetReplaceTheLineInPlace)
{
    TeamTableEditor editor;
    editor.setLines({"[Schedule Data]", "ABC AL=", "DEF NL=Mets"});
    ASSERT_TRUE(editor.click(1));
    EXPECT_EQ(editor.entryKey, "ABC AL");
    EXPECT_EQ(editor.entryValue, "");
    EXPECT_TRUE(editor.set("XYZ"));
    EXPECT_EQ(editor.lines(), (Lines{"[Schedule Data]", "ABC AL=XYZ", "DEF NL=Mets"}));
    // A second Set replaces the same line again.
    EXPECT_TRUE(editor.set("Q"));
    EXPECT_EQ(editor.lines()[1], "ABC AL=Q");
}

TEST(TeamTableEditor, HeadersAndEmptyLinesSelectNothing)
{
    TeamTableEditor editor;
    editor.setLines({"[Game Data]", "ABC=X", "", "[Schedule Data]"});
    ASSERT_TRUE(editor.click(1));
    for (std::size_t header : {0u, 2u, 3u}) {
        EXPECT_FALSE(editor.click(header));
        EXPECT_FALSE(editor.set("new"));
    }
    EXPECT_EQ(editor.lines(), (Lines{"[Game Data]", "ABC=X", "", "[Schedule Data]"}));
}

TEST(TeamTableEditor, ValueWithEqualsSignRoundTrips)
{
    TeamTableEditor editor;
    editor.setLines({"ABC=X=Y"});
    editor.click(0);
    EXPECT_EQ(editor.entryValue, "X=Y");
    editor.set(editor.entryValue);
    EXPECT_EQ(editor.lines()[0], "ABC=X=Y");
}

TEST(TeamTableEditor, SetAfterAReloadUsesTheRememberedIndexSafely)
{
    TeamTableEditor editor;
    editor.setLines({"[Game Data]", "ABC=", "DEF="});
    editor.click(2);
    editor.setLines({"[Game Data]", "ABC=", "DEF=", "GHI="});
    EXPECT_TRUE(editor.set("Sox"));
    EXPECT_EQ(editor.lines()[2], "DEF=Sox");
    editor.setLines({"[Game Data]"});
    EXPECT_FALSE(editor.set("Sox")); // the remembered line is gone
}

TEST(TeamTableEditor, FailedSaveLeavesTheFile)
{
    test::TempDir dir;
    const std::string path = dir.file("rota.ini");
    test::writeFile(path, "[Game Data]\nABC=\n");
    TeamTableEditor editor;
    editor.load(path);
    editor.click(1);
    editor.set("Sox");
    test::setReadOnly(dir.path(), true);
    EXPECT_THROW(editor.save(path), FileError);
    test::setReadOnly(dir.path(), false);
    EXPECT_EQ(test::readFile(path), "[Game Data]\nABC=\n");
    editor.save(path);
    EXPECT_EQ(test::readFile(path), "[Game Data]\r\nABC=Sox\r\n");
}
