// Create .SCH through the window, from the real 1915 schedule to a checked file.
#include "tests/window/windowsupport.h"

#include "platform/textlines.h"
#include "schedule/schwriter.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <filesystem>
#include <set>

namespace {

const std::string kGame = scheduleLine("20050403", "BOS", "NYA") + "\r\n";

// A rota.ini naming every team of the 1915 schedule with 6 characters.
std::string naming1915()
{
    std::set<std::string> keys;
    for (const auto& line : rota::loadLines(rota::test::sampleFile("1915SKED.TXT")))
        if (line.size() > 26)
            keys.insert({line.substr(22, 3) + " " + line.substr(28, 2), line.substr(35, 3) + " " + line.substr(41, 2)});
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
    void emptyNameOrEmptyListWritesNothing();
    void crowdedDateOrLongNameIsRefusedWithTheirNames();
};

void ScheduleWriteTest::realScheduleBecomesAScheduleFile()
{
    WindowFixture w;
    w.writeFile("rota.ini", naming1915());
    rota::test::TempDir data;
    std::filesystem::copy_file(rota::test::sampleFile("1915SKED.TXT"), data.file("1915SKED.TXT"));
    w.chooseDataType(2);
    w.openSeason(data.file("1915SKED.TXT")); // "AL/NL": the Federal League is left out
    QVERIFY(w.prompts.messages.isEmpty());
    QCOMPARE(w.form->width(), 326); // every team had a name
    const auto& rows = w.form->seasonModel().list().rows();
    QVERIFY(rows.size() > 1000);

    w.form->Edit1->setText(QStringLiteral("AL15"));
    w.form->Button2Click();
    QVERIFY(w.prompts.messages.isEmpty());
    QCOMPARE(w.form->windowTitle(), QStringLiteral("PVX Rota Schedule"));
    QCOMPARE(w.form->ProgressBar1->value(), 0);

    // The file lands beside the data file; every row stands in one slot of
    // the record of its date, in list order, and dates only rise.
    const std::string sch = rota::test::readFile(data.file("AL15.sch"));
    QCOMPARE(sch.size() % rota::kRecordLength, std::size_t(0));
    QCOMPARE(sch.substr(0, rota::kRecordLength), rota::headerRecord());
    std::size_t placed = 0;
    std::string lastDate;
    for (std::size_t r = 1; r < sch.size() / rota::kRecordLength; ++r) {
        const std::string record = sch.substr(r * rota::kRecordLength, rota::kRecordLength);
        const std::string date = record.substr(2, 8);
        QVERIFY2(record.substr(0, 2) == "  " && date > lastDate, date.c_str());
        lastDate = date;
        for (std::size_t k = 0; k < rota::kSlotsPerDay; ++k) {
            const std::string slot = record.substr(10 + k * rota::kSlotLength, rota::kSlotLength);
            if (placed < rows.size() && rows[placed].date == date)
                QCOMPARE(slot, rota::gameSlot(rows[placed++]));
            else
                QCOMPARE(slot, std::string(rota::kSlotLength, ' '));
        }
    }
    QCOMPARE(placed, rows.size());
}

void ScheduleWriteTest::emptyNameOrEmptyListWritesNothing()
{
    WindowFixture w;
    w.writeFile("s.txt", kGame);
    w.writeFile("empty.txt", "");
    w.chooseDataType(2);
    w.openSeason(w.file("s.txt"));
    w.prompts.messages.clear();
    w.form->Button2Click();
    QCOMPARE(w.prompts.messages, QStringList{"You need to input a file name to save to file."});
    QVERIFY(w.form->Button1->isEnabled() && w.form->Button2->isEnabled() && !w.form->Button3->isEnabled());
    w.form->Edit1->setText(QStringLiteral("abc.sch"));
    w.form->Button2Click();
    QCOMPARE(w.readFile("abc.sch.sch").size(), std::size_t(860));

    w.openSeason(w.file("empty.txt"));
    w.prompts.messages.clear();
    w.form->Edit1->setText(QStringLiteral("none"));
    w.form->Button2Click();
    QVERIFY(w.prompts.messages.isEmpty());
    QVERIFY(!rota::pathExists(w.file("none.sch")));
}

void ScheduleWriteTest::crowdedDateOrLongNameIsRefusedWithTheirNames()
{
    WindowFixture w;
    std::string season;
    std::string ini = "[Schedule Data]\r\nNYA AA=Mets\r\nCHI UA=Chicago\r\n";
    for (int i = 10; i < 26; ++i) {
        season += "\"18840530\",\"0\",\"Fri\",\"T" + std::to_string(i) + "\",\"AA\",1,\"NYA\",\"AA\",1,\"d\"\r\n";
        ini += "T" + std::to_string(i) + " AA=X\r\n";
    }
    season += "\"18840531\",\"0\",\"Sat\",\"CHI\",\"UA\",1,\"NYA\",\"AA\",1,\"d\"\r\n";
    w.writeFile("s.txt", season);
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

QTEST_MAIN(ScheduleWriteTest)
#include "schedulewrite_test.moc"
