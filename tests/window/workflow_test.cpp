// The main window's workflow: which controls a user can use at each step,
// the open dialog of each mode, a season written beside its file, and Game
// Data compiled then opened.
#include "tests/window/windowsupport.h"

#include "platform/fileio.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QDir>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

#include <filesystem>

namespace fs = std::filesystem;

namespace name = rota::form::name;

namespace {

const char* const kGoodSeason =
    "\"19150414\",\"0\",\"Wed\",\"BOS\",\"AL\",1,\"PHA\",\"AL\",1,\"d\",\"\",\"\"\r\n"
    "\"19150415\",\"0\",\"Thu\",\"NYA\",\"AL\",1,\"WS1\",\"AL\",1,\"d\",\"\",\"\"\r\n";
const char* const kNamedTeams = "[Schedule Data]\r\nBOS AL=Sox\r\nPHA AL=As\r\nNYA AL=Yanks\r\nWS1 AL=Nats\r\n";

// What the user can use: "Compile Data", "Open Season", "Create .SCH", the
// ".SCH" file name, and whether the league hint shows.
QString usable(const WindowFixture& w)
{
    QString text;
    for (const char* control : {name::compileData, name::openSeason, name::writeSchedule, name::scheduleName})
        text += w.enabled(control) ? QLatin1Char('1') : QLatin1Char('0');
    return text + (w.control<QLabel>(name::leagueHint)->isHidden() ? QStringLiteral(" -") : QStringLiteral(" hint"));
}

} // namespace

class WorkflowTest : public QObject {
    Q_OBJECT
private slots:
    void controlsFollowTheWork();
    void dialogOffersTheFilesOfEachMode();
    void seasonIsWrittenBesideItsFile();
    void gameDataIsCompiledThenOpened();
    void everyFieldHasAnAccessibleName();
    void crowdedDatesAreMovedWhenTheUserAgrees();
};

void WorkflowTest::controlsFollowTheWork()
{
    WindowFixture w;
    w.writeFile("rota.ini", kNamedTeams);
    w.writeFile("good.txt", kGoodSeason);
    w.writeFile("bad.txt", std::string(kGoodSeason) + "\"19150416\",\"0\",\"Fri\",\"BOS\",\"AL\",1\r\n");

    struct Step {
        const char* what;
        std::function<void()> act;
        QString expected;
    };
    const Step steps[] = {
        {"start in Game Data", [] {}, "1000 -"},
        {"choose Schedule Data", [&] { w.chooseDataType(2); }, "0100 hint"},
        {"open a season", [&] { w.openSeason(w.file("good.txt")); }, "0111 -"},
        {"choose Game Logs", [&] { w.chooseDataType(1); }, "0100 hint"},
        {"choose Schedule Data again", [&] { w.chooseDataType(2); }, "0100 hint"},
        {"open it again", [&] { w.openSeason(w.file("good.txt")); }, "0111 -"},
        {"open a file that fails", [&] { w.openSeason(w.file("bad.txt")); }, "0100 hint"},
        {"cancel the next dialog", [&] { w.click(name::openSeason); }, "0100 hint"},
        {"open a good season", [&] { w.openSeason(w.file("good.txt")); }, "0111 -"},
        {"choose Game Data", [&] { w.chooseDataType(0); }, "1000 -"},
    };
    for (const Step& step : steps) {
        step.act();
        QVERIFY2(usable(w) == step.expected, qPrintable(QString::fromLatin1(step.what) + ": " + usable(w)));
    }
    // The failed load said why, naming the line; its rows stayed in sight.
    QCOMPARE(w.prompts.messages.size(), 1u);
    QVERIFY(w.prompts.messages[0].starts_with("Data Error\nline 3:"));
}

void WorkflowTest::dialogOffersTheFilesOfEachMode()
{
    WindowFixture w;
    const std::string names[] = {"GL1915.TXT", "gl1915.txt", "2024schedule.csv", "2020.Txt", "notes.doc"};
    for (const std::string& name : names)
        w.writeFile(name, "");
    const auto listed = [&](const QString& filter) {
        const QString patterns = filter.section(QLatin1Char('('), 1).chopped(1);
        return QDir(QString::fromStdString(w.home.path()))
            .entryList(patterns.split(QLatin1Char(' ')), QDir::Files, QDir::Name)
            .join(QLatin1Char(' '));
    };

    // "Select Year" opens a season in any mode.
    QTest::mouseClick(w.control<QLabel>(name::selectYear), Qt::LeftButton);
    QCOMPARE(w.offeredFilters().size(), 2);
    QCOMPARE(listed(w.offeredFilters()[0]), QStringLiteral("2020.Txt GL1915.TXT gl1915.txt"));

    w.chooseDataType(2);
    w.click(name::openSeason);
    QCOMPARE(listed(w.offeredFilters()[0]),
             QStringLiteral("2020.Txt 2024schedule.csv GL1915.TXT gl1915.txt"));
    QCOMPARE(listed(w.offeredFilters()[1]).split(QLatin1Char(' ')).size(), 5);
}

void WorkflowTest::seasonIsWrittenBesideItsFile()
{
    WindowFixture w;
    fs::create_directory(w.file("seasons"));
    fs::copy_file(rota::test::sampleFile("1915SKED.TXT"), w.file("seasons/1915SKED.TXT"));
    fs::copy_file(rota::test::dataFile("expected/rota.ini"), w.file("rota.ini"));
    w.chooseDataType(2);
    w.openSeason(w.file("seasons/1915SKED.TXT"));
    w.control<QLineEdit>(name::scheduleName)->setText(QStringLiteral("sked15"));
    w.click(name::writeSchedule);

    QVERIFY2(w.prompts.messages.empty(), w.prompts.allMessages().c_str());
    QVERIFY(w.readFile("seasons/sked15.sch") == rota::test::readFile(rota::test::dataFile("expected/1915SKED-ALNL.sch")));
    QVERIFY(w.enabled(name::writeSchedule));
}

void WorkflowTest::gameDataIsCompiledThenOpened()
{
    WindowFixture w;
    fs::create_directory(w.file("data"));
    for (const char* name : {"2020NYA.EVA", "2020NYN.EVN", "NYA2020.ROS", "NYN2020.ROS", "TEAM2020"})
        fs::copy_file(rota::test::sampleFile(name), w.file(std::string("data/") + name));
    fs::copy_file(rota::test::bgamePath(), w.file("bgame"));
    w.writeFile("season.txt", "an earlier season\r\n");

    w.control<QSpinBox>(name::year)->setValue(2020);
    w.control<QLineEdit>(name::dataFileName)->setText(QStringLiteral("season"));
    w.click(name::compileData);
    QVERIFY2(w.prompts.messages.empty(), w.prompts.allMessages().c_str());
    QVERIFY(w.enabled(name::openSeason) && !w.enabled(name::compileData));

    w.openSeason(w.file("season.txt"));
    QCOMPARE(w.rows().size(), 59); // every game of both teams' event files
}

void WorkflowTest::everyFieldHasAnAccessibleName()
{
    WindowFixture w;
    QAccessible::setActive(true);
    for (QWidget* field : w.window->findChildren<QWidget*>()) {
        const bool needsName = qobject_cast<QLineEdit*>(field) || qobject_cast<QAbstractSpinBox*>(field) ||
                               qobject_cast<QAbstractItemView*>(field) ||
                               field->inherits("QProgressBar");
        if (!needsName || field->parent() != w.window.get())
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field);
        QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(), qPrintable(field->objectName()));
    }
}

void WorkflowTest::crowdedDatesAreMovedWhenTheUserAgrees()
{
    WindowFixture w;
    w.writeFile("rota.ini", rota::test::crowdedSeasonNames());
    w.writeFile("crowded.txt", rota::test::crowdedSeason());
    w.chooseDataType(2);
    w.openSeason(w.file("crowded.txt"));
    w.control<QLineEdit>(name::scheduleName)->setText(QStringLiteral("crowded"));

    // No: nothing moves, nothing is written.
    w.click(name::writeSchedule);
    QCOMPARE(w.prompts.messages.size(), 1u);
    QVERIFY2(w.prompts.messages[0].find("07/08/00: 16 games") != std::string::npos, w.prompts.messages[0].c_str());
    QCOMPARE(w.rows()[16], QStringLiteral("07/08/00|00N31|00N32|"));
    QVERIFY(!fs::exists(w.file("crowded.sch")));

    // Yes: the last game of the date goes to the next day, and is selected;
    // the next Create .SCH writes the season.
    w.prompts.answers = {true};
    w.click(name::writeSchedule);
    QCOMPARE(w.rows()[17], QStringLiteral("07/09/00|00N31|00N32|"));
    const QModelIndexList selected =
        w.control<QAbstractItemView>(name::seasonList)->selectionModel()->selectedRows();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected[0].row(), 17);
    QVERIFY(!fs::exists(w.file("crowded.sch")));
    w.click(name::writeSchedule);
    QCOMPARE(w.prompts.messages.size(), 2u);
    QVERIFY(fs::exists(w.file("crowded.sch")));
}

QTEST_MAIN(WorkflowTest)
#include "workflow_test.moc"
