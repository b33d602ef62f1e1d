// The Open Season frame, driven by a reader of its own: a line "MM/DD/YY V H"
// (at least 10 characters) is a game; "skip" anywhere drops it.
#include "season/seasonloader.h"

#include "platform/fileio.h"
#include "tests/support/testsupport.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace rota;
using Lines = std::vector<std::string>;

namespace {

class WordReader : public SeasonReader {
public:
    std::size_t minimumLength() const override { return 10; }
    void readLine(ReadContext& ctx) override
    {
        LineState& s = ctx.state;
        s.date = ctx.columns(1, 8);
        s.visitorCode = ctx.columns(10, 10);
        s.homeCode = ctx.columns(12, 12);
        if (ctx.lineIndex == 0)
            s.seasonYear = ctx.columns(7, 8);
        ctx.recordGameKey();
        if (s.currentLine.find("skip") != std::string::npos)
            ctx.skip = true;
    }
};

struct Frame {
    test::TempDir dir;
    SeasonLoader loader{[](int) { return std::make_unique<WordReader>(); }};
    TeamNameLookup lookup{dir.file("rota.ini")};
    SeasonList list;
    std::vector<int> positions;

    void load(const std::string& text)
    {
        test::writeFile(dir.file("season.txt"), text);
        loader.begin();
        loader.clear(list);
        loader.readFile(dir.file("season.txt"));
        loader.readGames({GameData, LeagueALNL, 1900}, list, lookup, [this](int p) { positions.push_back(p); });
        SeasonLoader::finish(list);
    }
    std::vector<std::string> dhs() const
    {
        std::vector<std::string> out;
        for (const auto& row : list.rows())
            out.push_back(row.dh);
        return out;
    }
};

} // namespace

TEST(SeasonLoader, RowsAreSortedByDateAndNamedFromTheConfiguration)
{
    Frame f;
    test::writeFile(f.dir.file("rota.ini"), "[Game Data]\nA=Alpha\nB=Beta\n");
    f.load("05/01/99 A B\n04/30/99 B A\n");
    ASSERT_EQ(f.list.size(), 2u);
    EXPECT_EQ(f.list[0], (GameRow{"04/30/99", "99Beta", "99Alpha", ""}));
    EXPECT_EQ(f.list[1], (GameRow{"05/01/99", "99Alpha", "99Beta", ""}));
    EXPECT_TRUE(f.list.sorted());
    EXPECT_EQ(f.loader.state.missingTeamCount, 0);
}

TEST(SeasonLoader, RepeatedKeysFoldIntoTheRowBefore)
{
    const std::pair<std::string, Lines> cases[] = {
        // Lines 0 and 1 fold too; a run of three equal keys gives one row.
        {"04/01/99 A B\n04/01/99 A B\n04/02/99 A B\n04/02/99 A B\n04/02/99 A B\n", {"/n:2", "/n:2"}},
        // Short lines do not separate a game from its repeat; another game does.
        {"04/01/99 A B\nshort\n\n04/01/99 A B\n04/01/99 C D\n04/01/99 A B\n", {"/n:2", "", ""}},
        // A file that starts with short lines loads.
        {"x\ny\n04/01/99 A B\n04/01/99 A B\n", {"/n:2"}},
        // A skipped game keeps its key but is not folded; the next repeat is.
        {"04/01/99 A B\n04/01/99 A B skip\n04/01/99 A B\n", {"/n:2"}},
    };
    for (const auto& [text, dhs] : cases) {
        Frame f;
        f.load(text);
        EXPECT_EQ(f.dhs(), dhs) << text;
        EXPECT_EQ(f.loader.gameKeys().size(), static_cast<std::size_t>(std::count(text.begin(), text.end(), '/') / 2))
            << text;
    }
}

TEST(SeasonLoader, FoldedAndSkippedGamesAreNotLookedUp)
{
    Frame f;
    f.load("04/01/99 A B\n04/01/99 A B\n04/02/99 C D skip\n");
    EXPECT_EQ(f.loader.state.missingTeamCount, 2);
}

TEST(SeasonLoader, ProgressFollowsEveryLineHandedOver)
{
    Frame f;
    f.load("04/01/99 A B\n04/02/99 A B\n04/03/99 A B\n04/04/99 A B\n");
    EXPECT_EQ(f.positions, (std::vector<int>{0, 2500, 5000, 7500}));
    Frame g;
    g.load("04/01/99 A B\nshort\n04/03/99 A B\n");
    EXPECT_EQ(g.positions, (std::vector<int>{0, 6666}));
}

TEST(ProgressPosition, QuotientIsTakenBeforeTheProduct)
{
    // 57/100 in floating point is just under 0.57, so the product truncates
    // to 5699, one below the integer quotient 5700.
    EXPECT_EQ(progressPosition(1, 3), 3333);
    EXPECT_EQ(progressPosition(57, 100), 5699);
    EXPECT_EQ(progressPosition(0, 1), 0);
}

TEST(SeasonLoader, EmptyFileLeavesAnEmptyList)
{
    Frame f;
    f.load("");
    EXPECT_TRUE(f.list.empty());
    EXPECT_EQ(f.loader.state.seasonYear, "");
    EXPECT_FALSE(pathExists(f.dir.file("rota.ini")));
}

TEST(SeasonLoader, ErrorKeepsTheRowsReadSoFarInFileOrder)
{
    Frame f;
    test::writeFile(f.dir.file("season.txt"), "05/01/99 A B\n04/01/99 A B\n04/02/99 A\n04/03/99 A B\n");
    f.loader.clear(f.list);
    f.loader.readFile(f.dir.file("season.txt"));
    try {
        f.loader.readGames({GameData, LeagueALNL, 1900}, f.list, f.lookup);
        FAIL() << "no error";
    } catch (const DataError& e) {
        EXPECT_STREQ(e.what(), "line 3: column 12 is past the end of the line");
    }
    ASSERT_EQ(f.list.size(), 2u);
    EXPECT_EQ(f.list[0].date, "05/01/99");
    EXPECT_FALSE(f.list.sorted());
}

TEST(SeasonLoader, ControlCharactersOrHugeLinesAreRefusedBeforeAnyLookup)
{
    using namespace std::string_literals;
    for (const std::string& text : {"04/01/99 A B\n04/02/99 \x01 B\n"s, "04/01/99 A B\n"s + std::string(70000, 'x')}) {
        Frame f;
        EXPECT_THROW(f.load(text), DataError);
        EXPECT_TRUE(f.list.empty());
        EXPECT_FALSE(pathExists(f.dir.file("rota.ini")));
    }
    try {
        checkTextFile(TextLines("ok\nab\x02" "c\n"));
        FAIL() << "no error";
    } catch (const DataError& e) {
        EXPECT_STREQ(e.what(), "line 2: column 3 holds the control character 2: this is not a text file");
    }
    // Tabs, form feeds, the end-of-file mark and Latin-1 letters are text.
    EXPECT_NO_THROW(checkTextFile(TextLines("a\tb\fc\n\x1a\nMontr\xe9\x61l\n")));
}

TEST(SeasonList, EditedDateMovesTheRowWhileSorted)
{
    SeasonList list;
    for (const char* date : {"04/03/05", "04/04/05", "09/29/05", "10/01/05"})
        list.append(GameRow{date, "v", "h", ""});
    EXPECT_EQ(list.setDate(0, "09/30/05"), 0u); // unsorted: stays
    list.setDate(0, "04/03/05");
    list.sortByDate();
    EXPECT_EQ(list.setDate(0, "09/30/05"), 2u);
    EXPECT_EQ(list[2].date, "09/30/05");
    EXPECT_EQ(list[3].date, "10/01/05");
    EXPECT_EQ(list.setDate(3, "01/01/05"), 0u);
}
