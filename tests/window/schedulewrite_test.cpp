// Create .SCH through the window, from the real 1915 schedule to a checked file.
#include "tests/window/windowsupport.h"

#include "platform/textlines.h"
#include "schedule/schwriter.h"

#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <filesystem>
#include <set>

namespace {

// A rota.ini naming every team of the 1915 schedule, each with a 6-letter name.
std::string naming1915()
{
    std::set<std::string> keys;
    for (const auto& line : rota::loadLines(rota::test::sharedFile("1915SKED.TXT")))
        if (line.size() > 26) {
            keys.insert(line.substr(22, 3) + " " + line.substr(28, 2));
            keys.insert(line.substr(35, 3) + " " + line.substr(41, 2));
        }
    std::string ini = "[Schedule Data]\r\n";
    for (const auto& key : keys)
        ini += key + "=" + key.substr(0, 3) + key.substr(4, 2) + "x\r\n";
    return ini;
}

} // namespace

class ScheduleWriteTest : public QObject {
    Q_OBJECT
private slots:
    void realScheduleBecomesAScheduleFile();
    void emptyNameAsksForOneAndWritesNothing();
    void emptyListWritesNothing();
    void crowdedDateOrLongNameIsRefusedWithTheirNames();
    void failedWriteKeepsTheOldFileAndSaysSo();
    void gameDataModeGetsCompileDataBack();
};

void ScheduleWriteTest::realScheduleBecomesAScheduleFile()
{
    WindowFixture w;
    w.writeFile("rota.ini", naming1915());
    rota::test::TempDir dataFolder;
    std::filesystem::copy_file(rota::test::sharedFile("1915SKED.TXT"), dataFolder.file("1915SKED.TXT"));
    w.chooseDataType(2);
    w.form->RadioGroup1->clickItem(rota::LeagueALNL); // the Federal League is left out
    w.openSeason(dataFolder.file("1915SKED.TXT"));
    QVERIFY(w.prompts.messages.isEmpty());
    QCOMPARE(w.form->width(), 326); // every team had a name

    const auto& rows = w.form->seasonModel().list().rows();
    QVERIFY(rows.size() > 1000);
    w.form->Edit1->setText(QStringLiteral("AL15"));
    w.form->Button2Click();
    QVERIFY(w.prompts.messages.isEmpty());
    QCOMPARE(w.form->windowTitle(), QStringLiteral("PVX Rota Schedule"));
    QCOMPARE(w.form->ProgressBar1->value(), 0);

    // The file lands beside the data file, the folder the dialog left current.
    const std::string sch = rota::test::readFile(dataFolder.file("AL15.sch"));
    QCOMPARE(sch.size() % rota::kRecordLength, std::size_t(0));
    QCOMPARE(sch.substr(0, rota::kRecordLength), rota::headerRecord());
    std::size_t placed = 0;
    std::string lastDate;
    for (std::size_t r = 1; r < sch.size() / rota::kRecordLength; ++r) {
        const std::string record = sch.substr(r * rota::kRecordLength, rota::kRecordLength);
        QCOMPARE(record.substr(0, 2), std::string("  "));
        const std::string date = record.substr(2, 8);
        QVERIFY2(date > lastDate, date.c_str());
        lastDate = date;
        bool emptySeen = false;
        for (std::size_t k = 0; k < rota::kSlotsPerDay; ++k) {
            const std::string slot = record.substr(10 + k * rota::kSlotLength, rota::kSlotLength);
            if (slot == std::string(rota::kSlotLength, ' ')) {
                emptySeen = true;
                continue;
            }
            QVERIFY(!emptySeen);
            const rota::GameRow& row = rows[placed++];
            QCOMPARE(row.date, date);
            QCOMPARE(slot, rota::gameSlot(row));
            QVERIFY(row.vis.size() == 8 && row.vis.substr(0, 2) == "15");
            QVERIFY(slot.substr(16, 6) == "      " || slot.substr(16, 6) == "/n:2  ");
        }
    }
    QCOMPARE(placed, rows.size());
}

void ScheduleWriteTest::emptyNameAsksForOneAndWritesNothing()
{
    WindowFixture w;
    w.chooseDataType(2);
    w.writeFile("s.txt", "\"20050403\",\"0\",\"Sun\",\"BOS\",\"AL\",1,\"NYA\",\"AL\",1,\"d\",\"\",\"\"\r\n");
    w.openSeason(w.file("s.txt"));
    w.form->Button2Click();
    QCOMPARE(w.prompts.messages, QStringList{QStringLiteral("You need to input a file name to save to file.")});
    QVERIFY(w.form->Button1->isEnabled());
    QVERIFY(w.form->Button2->isEnabled());
    QVERIFY(!w.form->Button3->isEnabled());
    w.form->Edit1->setText(QStringLiteral("abc.sch"));
    w.form->Button2Click();
    QCOMPARE(rota::test::readFile(w.file("abc.sch.sch")).size(), std::size_t(860));
}

void ScheduleWriteTest::emptyListWritesNothing()
{
    WindowFixture w;
    w.chooseDataType(2);
    w.writeFile("empty.txt", "");
    w.openSeason(w.file("empty.txt"));
    QCOMPARE(w.prompts.messages.size(), 1); // no games were read
    w.form->Edit1->setText(QStringLiteral("none"));
    w.form->Button2Click();
    QCOMPARE(w.prompts.messages.size(), 1);
    QVERIFY(!rota::pathExists(w.file("none.sch")));
}

void ScheduleWriteTest::crowdedDateOrLongNameIsRefusedWithTheirNames()
{
    WindowFixture w;
    std::string season;
    for (int i = 0; i < 16; ++i)
        season += "\"18840530\",\"0\",\"Fri\",\"T" + std::to_string(10 + i) + "\",\"AA\",1,\"NYA\",\"AA\",1,\"d\"\r\n";
    season += "\"18840531\",\"0\",\"Sat\",\"CHI\",\"UA\",1,\"NYA\",\"AA\",1,\"d\"\r\n";
    w.writeFile("s.txt", season);
    std::string ini = "[Schedule Data]\r\nNYA AA=Mets\r\nCHI UA=Chicago\r\n";
    for (int i = 0; i < 16; ++i)
        ini += "T" + std::to_string(10 + i) + " AA=X\r\n";
    w.writeFile("rota.ini", ini);
    w.writeFile("old.sch", "precious");
    w.chooseDataType(2);
    w.openSeason(w.file("s.txt"));
    w.form->Edit1->setText(QStringLiteral("old"));
    w.form->Button2Click();
    QCOMPARE(w.prompts.messages.size(), 1);
    QVERIFY(w.prompts.messages[0].contains(QStringLiteral("05/30/84: 16 games")));
    QVERIFY(w.prompts.messages[0].contains(QStringLiteral("\"84Chicago\": 9 characters")));
    QCOMPARE(w.readFile("old.sch"), std::string("precious"));
    QVERIFY(w.form->Button2->isEnabled());
}

void ScheduleWriteTest::failedWriteKeepsTheOldFileAndSaysSo()
{
    WindowFixture w;
    w.writeFile("s.txt", "\"20050403\",\"0\",\"Sun\",\"BOS\",\"AL\",1,\"NYA\",\"AL\",1,\"d\",\"\",\"\"\r\n");
    w.writeFile("old.sch", "precious");
    w.chooseDataType(2);
    w.openSeason(w.file("s.txt"));
    rota::test::setReadOnly(w.file("old.sch"), true);
    w.form->Edit1->setText(QStringLiteral("old"));
    w.form->Button2Click();
    QCOMPARE(w.prompts.messages.size(), 1);
    QVERIFY(w.prompts.messages[0].startsWith(QStringLiteral("Error Writing SCH File.\n")));
    QVERIFY(w.prompts.messages[0].contains(QStringLiteral("old.sch")));
    QCOMPARE(w.readFile("old.sch"), std::string("precious"));
    QCOMPARE(w.form->windowTitle(), QStringLiteral("PVX Rota Schedule"));
    QVERIFY(w.form->Button1->isEnabled());
    QVERIFY(w.form->Button2->isEnabled());

    w.prompts.messages.clear();
    w.form->Edit1->setText(QStringLiteral("no/such"));
    w.form->Button2Click();
    QCOMPARE(w.prompts.messages.size(), 1);
    QVERIFY(w.prompts.messages[0].startsWith(QStringLiteral("Error Writing SCH File.\n")));
}

void ScheduleWriteTest::gameDataModeGetsCompileDataBack()
{
    WindowFixture w;
    w.form->Button3->setEnabled(false);
    w.form->Edit1->setText(QStringLiteral("x"));
    w.form->Button2Click();
    QVERIFY(w.form->Button3->isEnabled());
}

QTEST_MAIN(ScheduleWriteTest)
#include "schedulewrite_test.moc"
