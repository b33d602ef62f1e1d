// The main window's controls, data-type modes and the About window.
#include "app/rotaAbout.h"
#include "tests/window/windowsupport.h"

#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void controlsStandWhereAndAsDesigned();
    void startsInGameDataMode();
    void dataTypeModesSwitchTheControls_data();
    void dataTypeModesSwitchTheControls();
    void clickingTheSelectedTypeChangesNothing();
    void programFolderIsTheCurrentFolderAtStart();
    void selectYearLabelRunsOpenSeason();
    void aboutWindowShowsModallyAndAnyClickClosesIt();
    void aboutWindowContent();
};

void MainWindowTest::controlsStandWhereAndAsDesigned()
{
    WindowFixture w;
    TForm1& f = *w.form;
    QCOMPARE(f.windowTitle(), QStringLiteral("PVX Rota Schedule"));
    QCOMPARE(f.size(), QSize(326, 481));

    const struct {
        QWidget* widget;
        QRect geometry;
    } placed[] = {
        {f.RadioGroup2, {8, 8, 273, 57}},    {f.SpeedButton1, {289, 16, 25, 25}}, {f.CSpinEdit1, {79, 93, 48, 22}},
        {f.Edit2, {224, 96, 81, 21}},        {f.MaskEdit1, {79, 132, 81, 21}},    {f.MaskEdit2, {79, 160, 81, 21}},
        {f.Button3, {232, 156, 75, 25}},     {f.RadioGroup1, {16, 200, 145, 57}}, {f.Label11, {184, 200, 121, 26}},
        {f.Button1, {232, 232, 75, 25}},     {f.Edit1, {96, 280, 81, 21}},        {f.Button2, {232, 280, 75, 25}},
        {f.ListView1, {16, 336, 297, 97}},   {f.ProgressBar1, {16, 456, 297, 16}}, {f.ListBox3, {352, 24, 201, 385}},
        {f.Label9, {352, 420, 48, 13}},      {f.Edit3, {405, 416, 81, 21}},       {f.Button4, {496, 416, 59, 21}},
        {f.Button5, {352, 448, 97, 25}},     {f.Button6, {456, 448, 97, 25}},
    };
    for (const auto& p : placed)
        QCOMPARE(p.widget->geometry(), p.geometry);
    QCOMPARE(f.Label5->pos(), QPoint(16, 101));
    QCOMPARE(f.Label8->pos(), QPoint(352, 8));

    QCOMPARE(f.Button3->text(), QStringLiteral("Compile Data"));
    QCOMPARE(f.Button1->text(), QStringLiteral("Open Season"));
    QCOMPARE(f.Button2->text(), QStringLiteral("Create .SCH"));
    QCOMPARE(f.Button4->text(), QStringLiteral("Set"));
    QCOMPARE(f.Button5->text(), QStringLiteral("OK"));
    QCOMPARE(f.Button6->text(), QStringLiteral("Cancel"));
    QCOMPARE(f.Label11->text(), QStringLiteral("Select a league option before Opening a Season"));
    QCOMPARE(f.SpeedButton1->toolTip(), QStringLiteral("About this program..."));
    QCOMPARE(f.Button1->toolTip(), QStringLiteral("Open complied file for schedule creation"));
    QCOMPARE(f.Button2->toolTip(), QStringLiteral("Create PVX schedule file"));
    QCOMPARE(f.Button3->toolTip(), QStringLiteral("Prepare data for schedule creating"));
    QCOMPARE(f.SpeedButton1->focusPolicy(), Qt::NoFocus);

    QCOMPARE(f.CSpinEdit1->minimum(), 1870);
    QCOMPARE(f.CSpinEdit1->maximum(), 2005);
    QCOMPARE(f.CSpinEdit1->value(), 1900);
    QCOMPARE(f.Edit1->maxLength(), 8);
    QCOMPARE(f.Edit2->maxLength(), 8);
    QCOMPARE(f.Edit3->maxLength(), 6);
    QCOMPARE(f.MaskEdit1->text(), QStringLiteral("04/01"));
    QCOMPARE(f.MaskEdit2->text(), QStringLiteral("10/30"));
    QCOMPARE(f.ProgressBar1->maximum(), 10000);
    QCOMPARE(f.ProgressBar1->value(), 0);

    const QHeaderView* header = f.ListView1->header();
    const QStringList captions{"Date", "Vis", "Home", "DH"};
    const int widths[] = {70, 75, 75, 50};
    for (int c = 0; c < 4; ++c) {
        QCOMPARE(f.seasonModel().headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(), captions[c]);
        QCOMPARE(header->sectionSize(c), widths[c]);
    }
}

void MainWindowTest::startsInGameDataMode()
{
    WindowFixture w;
    TForm1& f = *w.form;
    QCOMPARE(f.RadioGroup2->itemIndex(), 0);
    QCOMPARE(f.RadioGroup1->itemIndex(), 3);
    QVERIFY(f.Button3->isEnabled());
    QVERIFY(!f.Button1->isEnabled());
    QVERIFY(!f.Button2->isEnabled());
    QVERIFY(!f.Edit1->isEnabled());
    QVERIFY(f.Label11->isHidden());
    QCOMPARE(f.reopenFlag, 0);
    QCOMPARE(f.previousDataType, 0);
}

void MainWindowTest::dataTypeModesSwitchTheControls_data()
{
    QTest::addColumn<QList<int>>("path");
    QTest::newRow("to Game Logs") << QList<int>{1};
    QTest::newRow("to Schedule Data") << QList<int>{2};
    QTest::newRow("Game Logs to Schedule Data") << QList<int>{1, 2};
    QTest::newRow("back to Game Data") << QList<int>{2, 0};
    QTest::newRow("Schedule Data to Game Logs") << QList<int>{2, 1};
}

void MainWindowTest::dataTypeModesSwitchTheControls()
{
    QFETCH(QList<int>, path);
    WindowFixture w;
    TForm1& f = *w.form;
    // A loaded season must lose "Create .SCH" on every switch.
    f.Button2->setEnabled(true);
    f.Edit1->setEnabled(true);
    for (int type : path)
        w.chooseDataType(type);
    const bool gameData = path.last() == 0;
    QCOMPARE(f.previousDataType, path.last());
    QCOMPARE(f.Button3->isEnabled(), gameData);
    QCOMPARE(f.CSpinEdit1->isEnabled(), gameData);
    QCOMPARE(f.Edit2->isEnabled(), gameData);
    QCOMPARE(f.MaskEdit1->isEnabled(), gameData);
    QCOMPARE(f.MaskEdit2->isEnabled(), gameData);
    QVERIFY(f.RadioGroup1->isEnabled());
    QCOMPARE(f.Button1->isEnabled(), !gameData);
    QVERIFY(!f.Edit1->isEnabled());
    QVERIFY(!f.Button2->isEnabled());
    QCOMPARE(f.Label11->isHidden(), gameData);
}

void MainWindowTest::clickingTheSelectedTypeChangesNothing()
{
    WindowFixture w;
    TForm1& f = *w.form;
    w.chooseDataType(2);
    f.Button2->setEnabled(true);
    f.Edit1->setEnabled(true);
    w.chooseDataType(2);
    QVERIFY(f.Button2->isEnabled());
    QVERIFY(f.Edit1->isEnabled());
}

void MainWindowTest::programFolderIsTheCurrentFolderAtStart()
{
    WindowFixture w;
    QCOMPARE(QString::fromStdString(w.form->programDir), QDir::currentPath());
    w.chooseDataType(2);
    w.form->Button1Click(); // cancelled
    QCOMPARE(w.prompts.dialogFolders, QStringList{QDir::currentPath()});
}

void MainWindowTest::selectYearLabelRunsOpenSeason()
{
    WindowFixture w;
    // In Game Data mode "Open Season" is disabled, but the label still runs it.
    QTest::mouseClick(w.form->Label5, Qt::LeftButton);
    QCOMPARE(w.prompts.dialogFolders.size(), 1);
    QVERIFY(w.form->Button2->isEnabled());
}

void MainWindowTest::aboutWindowShowsModallyAndAnyClickClosesIt()
{
    WindowFixture w;
    TForm2 about;
    w.form->setAbout(&about);
    w.form->show();
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
        wasModal = about.isVisible() && about.isModal();
        QTest::mouseClick(about.Memo1->viewport(), Qt::LeftButton);
    });
    w.form->SpeedButton1Click();
    QVERIFY(wasModal);
    QVERIFY(!about.isVisible());

    for (QWidget* target : {static_cast<QWidget*>(&about), static_cast<QWidget*>(about.Image1),
                            static_cast<QWidget*>(about.Label3)}) {
        about.show();
        QTest::mouseClick(target, Qt::LeftButton);
        QVERIFY(!about.isVisible());
    }
}

void MainWindowTest::aboutWindowContent()
{
    TForm2 about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Rota Schedule"));
    QCOMPARE(about.size(), QSize(312, 254));
    QCOMPARE(about.Label1->text(), QStringLiteral("PVX Rota Schedule"));
    QCOMPARE(about.Label2->text(), QStringLiteral("Version 2.2.0"));
    QCOMPARE(about.Label5->text(), QStringLiteral("Build Date:  September 14, 2005"));
    QVERIFY(about.Memo1->isReadOnly());
    const QStringList lines = TForm2::creditLines();
    QCOMPARE(lines.size(), 17);
    QCOMPARE(lines[4], QStringLiteral(" "));
    QVERIFY(lines[5].startsWith(QStringLiteral("The information used here was obtained free of")));
    QVERIFY(lines[11].isEmpty() && lines[12].isEmpty());
    QCOMPARE(about.Memo1->toPlainText(), lines.join(QLatin1Char('\n')));
    QTest::keyClicks(about.Memo1, QStringLiteral("typed"));
    QCOMPARE(about.Memo1->toPlainText(), lines.join(QLatin1Char('\n')));
}

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
