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
    void controlsAtStart();
    void dataTypeModes_data();
    void dataTypeModes();
    void selectYearLabelOpensTheDialogInTheProgramFolder();
    void aboutWindowIsModalAndAnyClickClosesIt();
};

void MainWindowTest::controlsAtStart()
{
    WindowFixture w;
    TForm1& f = *w.form;
    QCOMPARE(f.windowTitle(), QStringLiteral("PVX Rota Schedule"));
    QCOMPARE(f.size(), QSize(326, 481));
    const std::pair<QWidget*, QRect> placed[] = {
        {f.RadioGroup2, {8, 8, 273, 57}},   {f.SpeedButton1, {289, 16, 25, 25}},  {f.CSpinEdit1, {79, 93, 48, 22}},
        {f.Edit2, {224, 96, 81, 21}},       {f.MaskEdit1, {79, 132, 81, 21}},     {f.MaskEdit2, {79, 160, 81, 21}},
        {f.Button3, {232, 156, 75, 25}},    {f.RadioGroup1, {16, 200, 145, 57}},  {f.Label11, {184, 200, 121, 26}},
        {f.Button1, {232, 232, 75, 25}},    {f.Edit1, {96, 280, 81, 21}},         {f.Button2, {232, 280, 75, 25}},
        {f.ListView1, {16, 336, 297, 97}},  {f.ProgressBar1, {16, 456, 297, 16}}, {f.ListBox3, {352, 24, 201, 385}},
        {f.Label9, {352, 420, 48, 13}},     {f.Edit3, {405, 416, 81, 21}},        {f.Button4, {496, 416, 59, 21}},
        {f.Button5, {352, 448, 97, 25}},    {f.Button6, {456, 448, 97, 25}},
    };
    for (const auto& [widget, geometry] : placed)
        QCOMPARE(widget->geometry(), geometry);
    const int widths[] = {70, 75, 75, 50};
    for (int c = 0; c < 4; ++c)
        QCOMPARE(f.ListView1->header()->sectionSize(c), widths[c]);

    QCOMPARE(f.RadioGroup2->itemIndex(), 0);
    QCOMPARE(f.RadioGroup1->itemIndex(), 3);
    QVERIFY(f.Button3->isEnabled() && !f.Button1->isEnabled() && !f.Button2->isEnabled() && !f.Edit1->isEnabled());
    QVERIFY(f.Label11->isHidden());
    QCOMPARE(f.SpeedButton1->focusPolicy(), Qt::NoFocus);
    QCOMPARE(f.CSpinEdit1->value(), 1900);
    f.CSpinEdit1->setValue(2100);
    QCOMPARE(f.CSpinEdit1->value(), 2005);
    QCOMPARE(f.Edit1->maxLength(), 8);
    QCOMPARE(f.Edit2->maxLength(), 8);
    QCOMPARE(f.Edit3->maxLength(), 6);
    QCOMPARE(TForm1::maskText(f.MaskEdit1), std::string("04/01"));
    QCOMPARE(TForm1::maskText(f.MaskEdit2), std::string("10/30"));
    QTest::keyClicks(f.MaskEdit1, QStringLiteral("a123456"));
    QCOMPARE(f.MaskEdit1->text().size(), 5);
    QCOMPARE(f.ProgressBar1->maximum(), 10000);
}

void MainWindowTest::dataTypeModes_data()
{
    QTest::addColumn<QList<int>>("path");
    QTest::newRow("to Game Logs") << QList<int>{1};
    QTest::newRow("to Schedule Data") << QList<int>{2};
    QTest::newRow("Game Logs to Schedule Data") << QList<int>{1, 2};
    QTest::newRow("back to Game Data") << QList<int>{2, 0};
    QTest::newRow("the selected type again") << QList<int>{0};
}

void MainWindowTest::dataTypeModes()
{
    QFETCH(QList<int>, path);
    WindowFixture w;
    TForm1& f = *w.form;
    // A loaded season loses "Create .SCH" on every switch, and keeps it when
    // the type clicked is the one in force.
    f.Button2->setEnabled(true);
    f.Edit1->setEnabled(true);
    for (int type : path)
        w.chooseDataType(type);
    if (path == QList<int>{0}) {
        QVERIFY(f.Button2->isEnabled() && f.Edit1->isEnabled());
        return;
    }
    const bool gameData = path.last() == 0;
    QCOMPARE(f.previousDataType, path.last());
    for (QWidget* widget : {static_cast<QWidget*>(f.Button3), static_cast<QWidget*>(f.CSpinEdit1),
                            static_cast<QWidget*>(f.Edit2), static_cast<QWidget*>(f.MaskEdit1),
                            static_cast<QWidget*>(f.MaskEdit2)})
        QCOMPARE(widget->isEnabled(), gameData);
    QCOMPARE(f.Button1->isEnabled(), !gameData);
    QVERIFY(f.RadioGroup1->isEnabled() && !f.Edit1->isEnabled() && !f.Button2->isEnabled());
    QCOMPARE(f.Label11->isHidden(), gameData);
}

void MainWindowTest::selectYearLabelOpensTheDialogInTheProgramFolder()
{
    WindowFixture w;
    QCOMPARE(QString::fromStdString(w.form->programDir), QDir::currentPath());
    // "Open Season" is disabled in Game Data mode; the label runs it anyway.
    QTest::mouseClick(w.form->Label5, Qt::LeftButton);
    QCOMPARE(w.prompts.dialogFolders, QStringList{QDir::currentPath()});
    QVERIFY(w.form->Button2->isEnabled()); // a cancelled dialog still finishes
}

void MainWindowTest::aboutWindowIsModalAndAnyClickClosesIt()
{
    WindowFixture w;
    TForm2 about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Rota Schedule"));
    QCOMPARE(about.size(), QSize(312, 254));
    QCOMPARE(about.Label2->text(), QStringLiteral("Version 2.2.0"));
    QCOMPARE(about.Label5->text(), QStringLiteral("Build Date:  September 14, 2005"));
    const QStringList credits = TForm2::creditLines();
    QCOMPARE(credits.size(), 17);
    QCOMPARE(credits[4], QStringLiteral(" "));
    QVERIFY(credits.mid(5, 4).join(' ').contains(QStringLiteral("copyrighted by Retrosheet. Interested")));
    QTest::keyClicks(about.Memo1, QStringLiteral("typed"));
    QCOMPARE(about.Memo1->toPlainText(), credits.join(QLatin1Char('\n')));

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

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
