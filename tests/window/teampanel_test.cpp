// The "Rota.ini" panel: picking entries, "Set", "OK" and "Cancel", and a
// game-log season made into a ".sch" file without leaving the window.
#include "tests/window/windowsupport.h"

#include "schedule/schwriter.h"

#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QtTest>

#include <filesystem>

namespace {

std::string logLine(const std::string& date, const std::string& vis, const std::string& home)
{
    return "\"" + date + "\",0,\"Sun\",\"" + vis + "\",\"AL\",1,\"" + home + "\",\"AL\",1,3,2,54,\"D\",\"\",\"\"\r\n";
}

void click(TForm1& form, int row)
{
    form.ListBox3Click(form.ListBox3->model()->index(row, 0));
}

void setName(TForm1& form, int row, const QString& name)
{
    click(form, row);
    form.Edit3->setText(name);
    form.Button4Click();
}

// A game-log season of BOS and NYA opened with no rota.ini: the panel shows
// "[Schedule Data]", "BOS AL=" and "NYA AL=".
struct Opened : WindowFixture {
    Opened()
    {
        writeFile("season.txt", logLine("20050403", "BOS", "NYA") + logLine("20050404", "NYA", "BOS"));
        chooseDataType(1);
        form->show();
        openSeason(file("season.txt"));
    }
};

} // namespace

class TeamPanelTest : public QObject {
    Q_OBJECT
private slots:
    void clickAndSetEditOneLineInPlace();
    void cancelLeavesTheFile();
    void okSavesAndReloads();
    void failedSaveKeepsThePanelAndTheFile();
    void gameLogSeasonToScheduleFileInTheWindow();
};

void TeamPanelTest::clickAndSetEditOneLineInPlace()
{
    Opened w;
    QCOMPARE(w.form->width(), 568);
    const QRect rect = w.form->ListBox3->visualRect(w.form->ListBox3->model()->index(1, 0));
    QTest::mouseClick(w.form->ListBox3->viewport(), Qt::LeftButton, {}, rect.center()); // a real click
    QCOMPARE(w.form->Label9->text(), QStringLiteral("BOS AL="));
    QCOMPARE(w.form->Edit3->text(), QString());
    QTest::keyClicks(w.form->Edit3, QStringLiteral("Boston Red"));
    w.form->Button4Click();
    QCOMPARE(w.form->teamTable().lines()[1], std::string("BOS AL=Boston")); // six characters at most

    // A section header selects nothing: the key and value stay, Set does nothing.
    click(*w.form, 0);
    QCOMPARE(w.form->Label9->text(), QStringLiteral("BOS AL="));
    w.form->Button4Click();
    QCOMPARE(w.form->teamTable().lines()[0], std::string("[Schedule Data]"));

    // A value holding "=" is kept whole.
    setName(*w.form, 2, QStringLiteral("X=Y"));
    click(*w.form, 1);
    click(*w.form, 2);
    QCOMPARE(w.form->Edit3->text(), QStringLiteral("X=Y"));
}

void TeamPanelTest::cancelLeavesTheFile()
{
    Opened w;
    const std::string before = w.readFile("rota.ini");
    setName(*w.form, 1, QStringLiteral("Sox"));
    w.form->Button6Click();
    QCOMPARE(w.readFile("rota.ini"), before);
    QCOMPARE(w.form->width(), 326);
    QCOMPARE(w.form->pos().x(), w.form->savedLeft);
}

void TeamPanelTest::okSavesAndReloads()
{
    Opened w;
    setName(*w.form, 1, QStringLiteral("Sox"));
    const int dialogs = w.prompts.dialogFolders.size();
    w.form->Button5Click(); // NYA still has no name: the panel opens again
    QCOMPARE(w.prompts.dialogFolders.size(), dialogs);
    QCOMPARE(w.form->width(), 568);
    QCOMPARE(w.form->ListBox3->model()->index(1, 0).data().toString(), QStringLiteral("BOS AL=Sox"));
    QCOMPARE(rowTexts(*w.form).first(), QStringLiteral("04/03/05|05Sox|05|"));

    // "Set" right after the reload replaces the line remembered from before.
    w.form->Edit3->setText(QStringLiteral("Boston"));
    w.form->Button4Click();
    QCOMPARE(w.form->teamTable().lines()[1], std::string("BOS AL=Boston"));
    setName(*w.form, 2, QStringLiteral("Yanks"));
    w.form->Button5Click();
    QCOMPARE(w.readFile("rota.ini"), std::string("[Schedule Data]\r\nBOS AL=Boston\r\nNYA AL=Yanks\r\n"));
    QCOMPARE(w.form->width(), 326);
    QCOMPARE(w.form->reopenFlag, 0);
    QCOMPARE(rowTexts(*w.form), (QStringList{"04/03/05|05Boston|05Yanks|", "04/04/05|05Yanks|05Boston|"}));
}

void TeamPanelTest::failedSaveKeepsThePanelAndTheFile()
{
    Opened w;
    const std::string before = w.readFile("rota.ini");
    setName(*w.form, 1, QStringLiteral("Sox"));
    rota::test::setReadOnly(w.file("rota.ini"), true);
    w.form->Button5Click();
    QCOMPARE(w.prompts.errors.size(), 1);
    QVERIFY(w.prompts.errors[0].contains(QStringLiteral("rota.ini")));
    QCOMPARE(w.form->width(), 568);
    QCOMPARE(w.readFile("rota.ini"), before);
}

void TeamPanelTest::gameLogSeasonToScheduleFileInTheWindow()
{
    WindowFixture w;
    rota::test::TempDir data;
    std::filesystem::copy_file(rota::test::sampleFile("GL1915.TXT"), data.file("GL1915.TXT"));
    w.chooseDataType(1);
    w.form->show();
    w.openSeason(data.file("GL1915.TXT"));

    // Every missing name through the panel: the code and the league.
    int named = 0;
    for (std::size_t i = 0; i < w.form->teamTable().lines().size(); ++i) {
        const std::string line = w.form->teamTable().lines()[i];
        if (line.size() > 1 && line.back() == '=') {
            setName(*w.form, static_cast<int>(i), QString::fromStdString(line.substr(0, 3) + line.substr(4, 2)));
            ++named;
        }
    }
    QCOMPARE(named, 16); // AL and NL teams; the Federal League is left out
    w.form->Button5Click();
    QCOMPARE(w.form->width(), 326);

    w.form->Edit1->setText(QStringLiteral("GL15"));
    w.form->Button2Click();
    QVERIFY(w.prompts.messages.isEmpty());
    const std::string sch = rota::test::readFile(data.file("GL15.sch"));
    std::string written;
    for (std::size_t r = 1; r < sch.size() / rota::kRecordLength; ++r)
        for (std::size_t k = 0; k < rota::kSlotsPerDay; ++k) {
            const std::string slot = sch.substr(r * rota::kRecordLength + 10 + k * rota::kSlotLength, rota::kSlotLength);
            if (slot != std::string(rota::kSlotLength, ' '))
                written += slot;
        }
    std::string expected;
    for (const auto& row : w.form->seasonModel().list().rows())
        expected += rota::gameSlot(row);
    QCOMPARE(written, expected);

    // The saved file gives the same names when the season is read again.
    const QStringList before = rowTexts(*w.form);
    w.openSeason(data.file("GL1915.TXT"));
    QCOMPARE(rowTexts(*w.form), before);
    QCOMPARE(w.form->width(), 326);
}

QTEST_MAIN(TeamPanelTest)
#include "teampanel_test.moc"
