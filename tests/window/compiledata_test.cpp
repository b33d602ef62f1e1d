// Compile Data through the window: the checks, the button states, and real
// event files compiled, opened and written as a ".sch" file.
#include "tests/window/windowsupport.h"

#include "compile/compiledata.h"
#include "platform/textlines.h"
#include "schedule/schwriter.h"
#include "tools/bgame/eventfile.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// A window whose program folder holds the box-score tool and, in "data",
// the 2020 event, roster and team files.
struct Staged : WindowFixture {
    Staged()
    {
        fs::copy_file(rota::test::bgamePath(), file("bgame"));
        fs::create_directory(file("data"));
        for (const char* name : {"2020NYA.EVA", "2020NYN.EVN", "NYA2020.ROS", "NYN2020.ROS", "TEAM2020"})
            fs::copy_file(rota::test::sharedFile(name), file(std::string("data/") + name));
    }
    void compile(const QString& name, int league, const QString& start = "04/01", const QString& end = "10/30")
    {
        form->Edit2->setText(name);
        form->MaskEdit1->setText(start);
        form->MaskEdit2->setText(end);
        form->CSpinEdit1->setValue(2005);
        form->RadioGroup1->clickItem(league);
        form->Button3Click();
    }
};

// Games of the staged event file `name` dated from `start` to `end` (MMDD).
std::size_t gamesIn(const char* name, int start, int end)
{
    std::size_t count = 0;
    for (const auto& game : rota::bgame::parseEventFile(rota::readFileBytes(rota::test::sharedFile(name)))) {
        const int key = rota::bgame::monthDayKey(game);
        count += key >= start && key <= end ? 1 : 0;
    }
    return count;
}

} // namespace

class CompileDataTest : public QObject {
    Q_OBJECT
private slots:
    void checksComeInOrderAndGiveTheButtonBack_data();
    void checksComeInOrderAndGiveTheButtonBack();
    void completedRunEnablesOpenSeasonOnly();
    void unwritableProgramFolderIsAProgramError();
    void programFolderWithABlankIsRefused();
    void missingDataFileIsReported();
    void compiledSeasonOpensAndWrites_data();
    void compiledSeasonOpensAndWrites();
};

void CompileDataTest::checksComeInOrderAndGiveTheButtonBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("message");
    QTest::newRow("no name, bad date") << "" << "04/ 1" << "10/30" << rota::kNoFileNameMessage;
    QTest::newRow("blank in name") << "AL 00" << "04/01" << "10/30" << rota::kBadFileNameMessage;
    QTest::newRow("operator in name") << "a&b" << "04/01" << "10/30" << rota::kBadFileNameMessage;
    QTest::newRow("day digit missing") << "AL00" << "04/ 1" << "10/30" << rota::kBadStartDateMessage;
    QTest::newRow("empty start") << "AL00" << "  /  " << "10/30" << rota::kBadStartDateMessage;
    QTest::newRow("bad end") << "AL00" << "04/01" << "1 /30" << rota::kBadEndDateMessage;
}

void CompileDataTest::checksComeInOrderAndGiveTheButtonBack()
{
    QFETCH(QString, name);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, message);
    WindowFixture w;
    w.form->Edit2->setText(name);
    w.form->MaskEdit1->setText(start);
    w.form->MaskEdit2->setText(end);
    w.form->Button3Click();
    QCOMPARE(w.prompts.messages, QStringList{message});
    QVERIFY(w.form->Button3->isEnabled());
    QVERIFY(!w.form->Button1->isEnabled());
    QVERIFY(!rota::pathExists(w.file("rotadata.bat")));
}

void CompileDataTest::completedRunEnablesOpenSeasonOnly()
{
    WindowFixture w;
    w.form->Edit2->setText(QStringLiteral("AL00"));
    // Rubbing out the first month digit leaves a blank place: " 4/01" passes.
    w.form->MaskEdit1->setCursorPosition(1);
    QTest::keyClick(w.form->MaskEdit1, Qt::Key_Backspace);
    QCOMPARE(TForm1::maskText(w.form->MaskEdit1), std::string(" 4/01"));
    w.form->RadioGroup1->clickItem(rota::LeagueF);       // "F": the batch only enters the data folder
    w.form->Button3Click();
    QCOMPARE(w.readFile("rotadata.bat"), std::string("cls\r\ncd ") + w.home.path() + "\\data\r\n");
    QCOMPARE(w.prompts.messages.size(), 1); // no data file was made
    QVERIFY(!w.form->Button3->isEnabled());
    QVERIFY(w.form->Button1->isEnabled());
    QVERIFY(w.form->RadioGroup1->isEnabled());
    // The button comes back by switching away from Game Data and back.
    w.chooseDataType(1);
    w.chooseDataType(0);
    QVERIFY(w.form->Button3->isEnabled());
}

void CompileDataTest::unwritableProgramFolderIsAProgramError()
{
    WindowFixture w;
    rota::test::setReadOnly(w.home.path(), true);
    w.form->Edit2->setText(QStringLiteral("AL00"));
    w.form->Button3Click();
    rota::test::setReadOnly(w.home.path(), false);
    QCOMPARE(w.prompts.messages.size(), 1);
    QVERIFY(w.prompts.messages[0].startsWith(QStringLiteral("Program Error\n")));
    QVERIFY(w.prompts.messages[0].contains(QStringLiteral("rotadata.bat")));
    QVERIFY(w.form->Button3->isEnabled());
    QVERIFY(!w.form->Button1->isEnabled());
}

void CompileDataTest::programFolderWithABlankIsRefused()
{
    WindowFixture w;
    w.form->programDir = w.home.path() + "/my season";
    w.form->Edit2->setText(QStringLiteral("AL00"));
    w.form->Button3Click();
    QCOMPARE(w.prompts.messages.size(), 1);
    QVERIFY(w.prompts.messages[0].contains(QStringLiteral("blank")));
    QVERIFY(w.form->Button3->isEnabled());
}

void CompileDataTest::missingDataFileIsReported()
{
    WindowFixture w;
    fs::create_directory(w.file("data"));
    w.form->Edit2->setText(QStringLiteral("AL00"));
    w.form->RadioGroup1->clickItem(rota::LeagueA);
    w.form->Button3Click();
    QCOMPARE(w.prompts.messages.size(), 1);
    QVERIFY(w.prompts.messages[0].contains(QStringLiteral("AL00.txt")));
    QVERIFY(w.prompts.messages[0].contains(QStringLiteral("\"data\"")));
    QVERIFY(w.prompts.messages[0].contains(QStringLiteral("bgame")));
    QVERIFY(w.form->Button1->isEnabled());
}

void CompileDataTest::compiledSeasonOpensAndWrites_data()
{
    QTest::addColumn<int>("league");
    QTest::addColumn<int>("games");
    QTest::newRow("A") << int(rota::LeagueA) << int(gamesIn("2020NYA.EVA", 801, 915));
    QTest::newRow("N") << int(rota::LeagueN) << int(gamesIn("2020NYN.EVN", 801, 915));
    QTest::newRow("AL/NL") << int(rota::LeagueALNL)
                           << int(gamesIn("2020NYA.EVA", 801, 915) + gamesIn("2020NYN.EVN", 801, 915));
}

void CompileDataTest::compiledSeasonOpensAndWrites()
{
    QFETCH(int, league);
    QFETCH(int, games);
    Staged w;
    w.compile(QStringLiteral("NY20"), league, QStringLiteral("08/01"), QStringLiteral("09/15"));
    QVERIFY2(w.prompts.messages.isEmpty(), qPrintable(w.prompts.messages.join('\n')));
    QVERIFY(rota::pathExists(w.file("NY20.txt")));
    QVERIFY(games > 10);

    w.openSeason(w.file("NY20.txt"));
    QVERIFY(w.prompts.messages.isEmpty());
    QCOMPARE(w.form->ListBox2().size(), std::size_t(games));
    QCOMPARE(w.form->loader().state.seasonYear, std::string("20"));
    for (const auto& row : w.form->seasonModel().list().rows()) {
        QVERIFY(row.date >= "08/01/20" && row.date <= "09/15/20");
        QCOMPARE(row.vis, std::string("20")); // no names yet
    }
    QCOMPARE(w.form->width(), 568);
    const std::string ini = w.readFile("rota.ini");
    QVERIFY(ini.rfind("[Game Data]\r\n", 0) == 0);
    QVERIFY(ini.find("\r\nNYA=\r\n") != std::string::npos || ini.find("\r\nNYN=\r\n") != std::string::npos);

    w.form->Edit1->setText(QStringLiteral("NY20"));
    w.form->Button2Click();
    const std::string sch = w.readFile("NY20.sch");
    QCOMPARE(sch.size() % rota::kRecordLength, std::size_t(0));
    QVERIFY(sch.size() > rota::kRecordLength);
}

QTEST_MAIN(CompileDataTest)
#include "compiledata_test.moc"
