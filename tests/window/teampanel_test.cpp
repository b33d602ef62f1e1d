// The "Rota.ini" panel: picking entries, "Set", "OK" and "Cancel", and a
// game-log season made into a ".sch" file without leaving the window.
#include "tests/window/windowsupport.h"

#include "platform/textlines.h"
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

const std::string kSeason = logLine("20050403", "BOS", "NYA") + logLine("20050404", "NYA", "BOS");

int rowOf(const TForm1& form, const QString& text)
{
    const auto* model = form.ListBox3->model();
    for (int r = 0; r < model->rowCount(); ++r)
        if (model->index(r, 0).data().toString() == text)
            return r;
    return -1;
}

void click(TForm1& form, int row)
{
    form.ListBox3Click(form.ListBox3->model()->index(row, 0));
}

void setName(TForm1& form, const QString& entry, const QString& name)
{
    click(form, rowOf(form, entry));
    form.Edit3->setText(name);
    form.Button4Click();
}

struct Opened : WindowFixture {
    Opened()
    {
        writeFile("season.txt", kSeason);
        chooseDataType(1);
        form->show();
        openSeason(file("season.txt"));
    }
};

} // namespace

class TeamPanelTest : public QObject {
    Q_OBJECT
private slots:
    void clickShowsTheEntryAndSetReplacesItInPlace();
    void headersSelectNothing();
    void valueWithEqualsSignIsKeptWhole();
    void cancelLeavesTheFileAndClosesThePanel();
    void okSavesReloadsAndStaysClosed();
    void okWithNamesStillMissingOpensThePanelAgain();
    void setAfterAReloadReplacesTheRememberedLine();
    void failedSaveKeepsThePanelAndTheFile();
    void gameLogSeasonToScheduleFileInTheWindow();
};

void TeamPanelTest::clickShowsTheEntryAndSetReplacesItInPlace()
{
    Opened w;
    QCOMPARE(w.form->width(), 568);
    const int row = rowOf(*w.form, QStringLiteral("BOS AL="));
    // A real click on the list.
    const QRect rect = w.form->ListBox3->visualRect(w.form->ListBox3->model()->index(row, 0));
    QTest::mouseClick(w.form->ListBox3->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(w.form->Label9->text(), QStringLiteral("BOS AL="));
    QCOMPARE(w.form->Edit3->text(), QString());
    QTest::keyClicks(w.form->Edit3, QStringLiteral("Boston Red"));
    QCOMPARE(w.form->Edit3->text(), QStringLiteral("Boston")); // six characters at most
    w.form->Button4Click();
    QCOMPARE(w.form->teamTable().lines()[static_cast<std::size_t>(row)], std::string("BOS AL=Boston"));
    QCOMPARE(w.readFile("rota.ini"), std::string("[Schedule Data]\r\nBOS AL=\r\nNYA AL=\r\n"));
}

void TeamPanelTest::headersSelectNothing()
{
    Opened w;
    setName(*w.form, QStringLiteral("NYA AL="), QStringLiteral("Yanks"));
    click(*w.form, 0); // "[Schedule Data]"
    QCOMPARE(w.form->Label9->text(), QStringLiteral("NYA AL="));
    QCOMPARE(w.form->Edit3->text(), QStringLiteral("Yanks"));
    const auto before = w.form->teamTable().lines();
    w.form->Button4Click();
    QCOMPARE(w.form->teamTable().lines(), before);
}

void TeamPanelTest::valueWithEqualsSignIsKeptWhole()
{
    Opened w;
    w.writeFile("rota.ini", "[Schedule Data]\r\nBOS AL=X=Y\r\nNYA AL=\r\n");
    w.form->Button6Click();
    w.openSeason(w.file("season.txt"));
    click(*w.form, 1);
    QCOMPARE(w.form->Label9->text(), QStringLiteral("BOS AL="));
    QCOMPARE(w.form->Edit3->text(), QStringLiteral("X=Y"));
    w.form->Button4Click();
    QCOMPARE(w.form->teamTable().lines()[1], std::string("BOS AL=X=Y"));
}

void TeamPanelTest::cancelLeavesTheFileAndClosesThePanel()
{
    Opened w;
    const std::string before = w.readFile("rota.ini");
    setName(*w.form, QStringLiteral("BOS AL="), QStringLiteral("Sox"));
    w.form->Button6Click();
    QCOMPARE(w.readFile("rota.ini"), before);
    QCOMPARE(w.form->width(), 326);
    QCOMPARE(w.form->pos().x(), w.form->savedLeft);
}

void TeamPanelTest::okSavesReloadsAndStaysClosed()
{
    Opened w;
    setName(*w.form, QStringLiteral("BOS AL="), QStringLiteral("Sox"));
    setName(*w.form, QStringLiteral("NYA AL="), QStringLiteral("Yanks"));
    const int dialogs = w.prompts.dialogFolders.size();
    w.form->Button5Click();
    QCOMPARE(w.prompts.dialogFolders.size(), dialogs); // no dialog for the reload
    QCOMPARE(w.readFile("rota.ini"), std::string("[Schedule Data]\r\nBOS AL=Sox\r\nNYA AL=Yanks\r\n"));
    QCOMPARE(w.form->width(), 326);
    QCOMPARE(w.form->reopenFlag, 0);
    QCOMPARE(rowTexts(*w.form), (QStringList{"04/03/05|05Sox|05Yanks|", "04/04/05|05Yanks|05Sox|"}));
}

void TeamPanelTest::okWithNamesStillMissingOpensThePanelAgain()
{
    Opened w;
    setName(*w.form, QStringLiteral("BOS AL="), QStringLiteral("Sox"));
    w.form->Button5Click();
    QCOMPARE(w.form->width(), 568);
    QCOMPARE(w.form->ListBox3->model()->index(1, 0).data().toString(), QStringLiteral("BOS AL=Sox"));
    QCOMPARE(rowTexts(*w.form).first(), QStringLiteral("04/03/05|05Sox|05|"));
}

void TeamPanelTest::setAfterAReloadReplacesTheRememberedLine()
{
    Opened w;
    setName(*w.form, QStringLiteral("BOS AL="), QStringLiteral("Sox"));
    w.form->Button5Click(); // reopens: NYA still missing
    w.form->Edit3->setText(QStringLiteral("Boston"));
    w.form->Button4Click(); // no click since the reload
    QCOMPARE(w.form->teamTable().lines()[1], std::string("BOS AL=Boston"));
}

void TeamPanelTest::failedSaveKeepsThePanelAndTheFile()
{
    Opened w;
    const std::string before = w.readFile("rota.ini");
    setName(*w.form, QStringLiteral("BOS AL="), QStringLiteral("Sox"));
    rota::test::setReadOnly(w.file("rota.ini"), true);
    w.form->Button5Click();
    QCOMPARE(w.prompts.errors.size(), 1);
    QVERIFY(w.prompts.errors[0].contains(QStringLiteral("rota.ini")));
    QCOMPARE(w.form->width(), 568);
    QCOMPARE(w.readFile("rota.ini"), before);
    QCOMPARE(w.form->reopenFlag, 0);
}

void TeamPanelTest::gameLogSeasonToScheduleFileInTheWindow()
{
    WindowFixture w;
    rota::test::TempDir data;
    std::filesystem::copy_file(rota::test::sharedFile("GL1915.TXT"), data.file("GL1915.TXT"));
    w.chooseDataType(1);
    w.form->RadioGroup1->clickItem(rota::LeagueALNL); // the Federal League is left out
    w.form->show();
    w.openSeason(data.file("GL1915.TXT"));
    QCOMPARE(w.form->width(), 568);

    // Fill every missing name through the panel: the code and league.
    int named = 0;
    for (std::size_t i = 0; i < w.form->teamTable().lines().size(); ++i) {
        const std::string line = w.form->teamTable().lines()[i];
        if (line.size() < 2 || line.back() != '=')
            continue;
        click(*w.form, static_cast<int>(i));
        w.form->Edit3->setText(QString::fromStdString(line.substr(0, 3) + line.substr(4, 2)));
        w.form->Button4Click();
        ++named;
    }
    QCOMPARE(named, 16);
    w.form->Button5Click();
    QCOMPARE(w.form->width(), 326);
    QCOMPARE(w.form->loader().state.missingTeamCount, 0);

    w.form->Edit1->setText(QStringLiteral("GL15"));
    w.form->Button2Click();
    QVERIFY(w.prompts.messages.isEmpty());
    const std::string sch = rota::test::readFile(data.file("GL15.sch"));
    const auto& rows = w.form->seasonModel().list().rows();
    std::size_t placed = 0;
    for (std::size_t r = 1; r < sch.size() / rota::kRecordLength; ++r)
        for (std::size_t k = 0; k < rota::kSlotsPerDay; ++k) {
            const std::string slot = sch.substr(r * rota::kRecordLength + 10 + k * rota::kSlotLength, rota::kSlotLength);
            if (slot != std::string(rota::kSlotLength, ' '))
                QCOMPARE(slot, rota::gameSlot(rows[placed++]));
        }
    QCOMPARE(placed, rows.size());
    QCOMPARE(sch.size() % rota::kRecordLength, std::size_t(0));

    // The saved file gives the same names when it is read again.
    const QStringList before = rowTexts(*w.form);
    w.openSeason(data.file("GL1915.TXT"));
    QCOMPARE(rowTexts(*w.form), before);
    QCOMPARE(w.form->width(), 326);
}

QTEST_MAIN(TeamPanelTest)
#include "teampanel_test.moc"
