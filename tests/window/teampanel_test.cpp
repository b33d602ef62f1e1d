// The "Rota.ini" panel, used with the keyboard as with the mouse: choosing
// entries, "Set", "OK" saving by key into the file as it is now, "Cancel".
#include "tests/window/windowsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QtTest>

namespace name = rota::form::name;

namespace {

// A game-log season of BOS and NYA, opened with `ini` as rota.ini.
struct Opened : WindowFixture {
    explicit Opened(const std::string& ini)
    {
        writeFile("rota.ini", ini);
        writeFile("season.txt", "\"20050403\",0,\"Sun\",\"BOS\",\"AL\",1,\"NYA\",\"AL\",1,3,2,54,\"D\",\"\",\"\"\r\n"
                                "\"20050404\",0,\"Mon\",\"NYA\",\"AL\",1,\"BOS\",\"AL\",1,3,2,54,\"D\",\"\",\"\"\r\n");
        chooseDataType(1);
        window->show();
        openSeason(file("season.txt"));
    }

    QListView* list() const { return control<QListView>(name::teamTable); }
    QLineEdit* nameBox() const { return control<QLineEdit>(name::teamName); }
    QString line(int row) const { return list()->model()->index(row, 0).data().toString(); }

    // Moves to line `row` of the list with the arrow keys.
    void moveTo(int row)
    {
        list()->setFocus();
        list()->setCurrentIndex(list()->model()->index(0, 0));
        for (int i = 0; i < row; ++i)
            QTest::keyClick(list(), Qt::Key_Down);
    }

    void setName(int row, const QString& name)
    {
        moveTo(row);
        nameBox()->selectAll();
        QTest::keyClicks(nameBox(), name);
        click(name::setTeamName);
    }
};

} // namespace

class TeamPanelTest : public QObject {
    Q_OBJECT
private slots:
    void keyboardChoiceAndSetEditTheEntryShown();
    void okSavesByKeyIntoTheFileAsItIsNow();
    void storedNamesAreNeverCutShort();
    void closedPanelTakesNoFocusAndCancelKeepsTheFile();
};

void TeamPanelTest::keyboardChoiceAndSetEditTheEntryShown()
{
    Opened w("");
    QCOMPARE(w.line(0), QStringLiteral("[Schedule Data]"));

    w.moveTo(2);
    QCOMPARE(w.control<QLabel>(name::teamKey)->text(), QStringLiteral("NYA AL="));
    w.setName(1, QStringLiteral("Sox"));
    QCOMPARE(w.line(1), QStringLiteral("BOS AL=Sox"));
    QCOMPARE(w.line(2), QStringLiteral("NYA AL="));
    // A header line is no entry: the label and box keep the last one.
    w.moveTo(0);
    QCOMPARE(w.control<QLabel>(name::teamKey)->text(), QStringLiteral("BOS AL="));
}

void TeamPanelTest::okSavesByKeyIntoTheFileAsItIsNow()
{
    Opened w("");
    w.setName(1, QStringLiteral("Sox"));
    w.setName(2, QStringLiteral("Yanks"));
    // Another program adds an entry while the panel is open.
    w.writeFile("rota.ini", w.readFile("rota.ini") + "DET AL=Tigers\r\n");
    w.click(name::saveTeamTable);

    QCOMPARE(w.readFile("rota.ini"), std::string("[Schedule Data]\r\nBOS AL=Sox\r\nNYA AL=Yanks\r\nDET AL=Tigers\r\n"));
    QCOMPARE(w.rows(), (QStringList{"04/03/05|05Sox|05Yanks|", "04/04/05|05Yanks|05Sox|"}));
    QVERIFY(w.enabled(name::writeSchedule));
}

void TeamPanelTest::storedNamesAreNeverCutShort()
{
    const std::string ini = "[Schedule Data]\r\nBOS AL=Boston=1\r\nNYA AL=\r\n";
    Opened w(ini);
    w.moveTo(1);
    QCOMPARE(w.nameBox()->text(), QStringLiteral("Boston=1"));
    w.click(name::setTeamName); // "Set" without typing
    w.click(name::saveTeamTable);
    QCOMPARE(w.readFile("rota.ini"), ini);
}

void TeamPanelTest::closedPanelTakesNoFocusAndCancelKeepsTheFile()
{
    Opened w("");
    w.setName(1, QStringLiteral("Sox"));
    w.click(name::cancelTeamTable);
    QCOMPARE(w.readFile("rota.ini"), std::string("[Schedule Data]\r\nBOS AL=\r\nNYA AL=\r\n"));
    // Hidden, so that Tab does not stop on them while they are out of sight.
    for (const char* panelControl :
         {name::teamTable, name::teamName, name::setTeamName, name::saveTeamTable, name::cancelTeamTable})
        QVERIFY2(!w.control<QWidget>(panelControl)->isVisible(), panelControl);
}

QTEST_MAIN(TeamPanelTest)
#include "teampanel_test.moc"
