#include "config/teamtable.h"

#include "platform/fileio.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

using namespace rota;
using Lines = std::vector<std::string>;

TEST(TeamTableEditor, SplitKeepsTheValueWhole)
{
    const std::pair<std::string, TableEntry> cases[] = {
        {"ABC AL=", {"ABC AL", ""}}, {"ABC=X=Y", {"ABC", "X=Y"}}, {"ABC==", {"ABC", "="}}, {"no sign", {"no sign", ""}}};
    for (const auto& [line, entry] : cases) {
        EXPECT_EQ(splitEntry(line).key, entry.key) << line;
        EXPECT_EQ(splitEntry(line).value, entry.value) << line;
    }
}

TEST(TeamTableEditor, SetAfterAReloadUsesTheRememberedLineOnlyWhileItExists)
{
    TeamTableEditor editor;
    editor.setLines({"[Game Data]", "ABC=", "DEF="});
    EXPECT_FALSE(editor.click(0));
    EXPECT_FALSE(editor.set("x"));
    ASSERT_TRUE(editor.click(2));
    editor.setLines({"[Game Data]", "ABC=", "DEF=", "GHI="});
    EXPECT_TRUE(editor.set("Sox"));
    EXPECT_EQ(editor.lines(), (Lines{"[Game Data]", "ABC=", "DEF=Sox", "GHI="}));
    editor.setLines({"[Game Data]"});
    EXPECT_FALSE(editor.set("Sox"));
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
    test::setReadOnly(path, true);
    EXPECT_THROW(editor.save(path), FileError);
    test::setReadOnly(path, false);
    EXPECT_EQ(test::readFile(path), "[Game Data]\nABC=\n");
    editor.save(path);
    EXPECT_EQ(test::readFile(path), "[Game Data]\r\nABC=Sox\r\n");
}
