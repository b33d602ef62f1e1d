// Compile Data through the window: the checks, the button states, and real
// event files compiled, opened and written as a ".sch" file.
#include "tests/window/windowsupport.h"

#include "compile/compiledata.h"
#include "schedule/schwriter.h"
#include "tools/bgame/eventfile.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// Games of the sample event file `name` dated from `start` to `end` (MMDD).
int gamesIn(const char* name, int start, int end)
{
    int count = 0;
    for (const auto& game : rota::bgame::parseEventFile(rota::readFileBytes(rota::test::sampleFile(name)))) {
        const int key = rota::bgame::monthDayKey(game);
        count += key >= start && key <= end ? 1 : 0;
    }
    return count;
}

void compile(TForm1& form, const QString& name, int league, const QString& start = "04/01")
{
    form.Edit2->setText(name);
    form.MaskEdit1->setText(start);
    form.RadioGroup1->clickItem(league);
    form.Button3Click();
}

} // namespace

class CompileDataTest : public QObject {
    Q_OBJECT
private slots:
    void checksComeInOrderAndGiveTheButtonBack_data();
    void checksComeInOrderAndGiveTheButtonBack();
    void runWithoutSeasonFilesSaysSoAndEnablesOpenSeason();
    void programFolderWithABlankIsRefused();
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
    QTest::newRow("blank in name") << "AL 00" << "04/ 1" << "10/30" << rota::kBadFileNameMessage;
    QTest::newRow("operator in name") << "a&b" << "04/01" << "10/30" << rota::kBadFileNameMessage;
    QTest::newRow("day digit missing") << "AL00" << "04/ 1" << "10/30" << rota::kBadStartDateMessage;
    QTest::newRow("bad end") << "AL00" << "04/01" << "1 /30" << rota::kBadEndDateMessage;
}

void CompileDataTest::checksComeInOrderAndGiveTheButtonBack()
{
    QFETCH(QString, name);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, message);
    WindowFixture w;
    w.form->MaskEdit2->setText(end);
    compile(*w.form, name, rota::LeagueALNL, start);
    QCOMPARE(w.prompts.messages, QStringList{message});
    QVERIFY(w.form->Button3->isEnabled() && !w.form->Button1->isEnabled());
    QVERIFY(!rota::pathExists(w.file("rotadata.bat")));
}

void CompileDataTest::runWithoutSeasonFilesSaysSoAndEnablesOpenSeason()
{
    WindowFixture w;
    fs::create_directory(w.file("data"));
    // Rubbing out the first month digit leaves a blank place: " 4/01" passes.
    w.form->MaskEdit1->setCursorPosition(1);
    QTest::keyClick(w.form->MaskEdit1, Qt::Key_Backspace);
    w.form->Edit2->setText(QStringLiteral("AL00"));
    w.form->RadioGroup1->clickItem(rota::LeagueA);
    w.form->Button3Click();
    QVERIFY(w.readFile("rotadata.bat").find(" -s  401 -e 1030 ") != std::string::npos);
    QCOMPARE(w.prompts.messages.size(), 1);
    for (const char* named : {"AL00.txt", "\"data\"", "bgame"})
        QVERIFY(w.prompts.messages[0].contains(QString::fromLatin1(named)));
    QVERIFY(!w.form->Button3->isEnabled() && w.form->Button1->isEnabled() && w.form->RadioGroup1->isEnabled());
    w.chooseDataType(1);
    w.chooseDataType(0);
    QVERIFY(w.form->Button3->isEnabled());
}

void CompileDataTest::programFolderWithABlankIsRefused()
{
    WindowFixture w;
    w.form->programDir = w.home.path() + "/my season";
    compile(*w.form, QStringLiteral("AL00"), rota::LeagueALNL);
    QCOMPARE(w.prompts.messages.size(), 1);
    QVERIFY(w.prompts.messages[0].contains(QStringLiteral("blank")));
    QVERIFY(w.form->Button3->isEnabled());
}

void CompileDataTest::compiledSeasonOpensAndWrites_data()
{
    QTest::addColumn<int>("league");
    QTest::addColumn<int>("games");
    const int al = gamesIn("2020NYA.EVA", 801, 915);
    const int nl = gamesIn("2020NYN.EVN", 801, 915);
    QTest::newRow("A") << int(rota::LeagueA) << al;
    QTest::newRow("N") << int(rota::LeagueN) << nl;
    QTest::newRow("AL/NL") << int(rota::LeagueALNL) << al + nl;
}

void CompileDataTest::compiledSeasonOpensAndWrites()
{
    QFETCH(int, league);
    QFETCH(int, games);
    WindowFixture w;
    fs::copy_file(rota::test::bgamePath(), w.file("bgame"));
    fs::create_directory(w.file("data"));
    for (const char* name : {"2020NYA.EVA", "2020NYN.EVN", "NYA2020.ROS", "NYN2020.ROS", "TEAM2020"})
        fs::copy_file(rota::test::sampleFile(name), w.file(std::string("data/") + name));
    w.form->MaskEdit2->setText(QStringLiteral("09/15"));
    compile(*w.form, QStringLiteral("NY20"), league, QStringLiteral("08/01"));
    QVERIFY2(w.prompts.messages.isEmpty(), qPrintable(w.prompts.messages.join('\n')));

    w.openSeason(w.file("NY20.txt"));
    QVERIFY(w.prompts.messages.isEmpty());
    QVERIFY(games > 10);
    QCOMPARE(int(w.form->ListBox2().size()), games);
    for (const auto& row : w.form->seasonModel().list().rows())
        QVERIFY(row.date >= "08/01/20" && row.date <= "09/15/20" && row.vis == "20");
    QVERIFY(w.readFile("rota.ini").rfind("[Game Data]\r\n", 0) == 0);

    w.form->Edit1->setText(QStringLiteral("NY20"));
    w.form->Button2Click();
    const std::string sch = w.readFile("NY20.sch");
    QVERIFY(sch.size() > rota::kRecordLength && sch.size() % rota::kRecordLength == 0);
}

QTEST_MAIN(CompileDataTest)
#include "compiledata_test.moc"
