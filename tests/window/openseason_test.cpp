// Open Season through the window: finish, cancel and failure paths, the
// panel opening, Date edits and clicks held off during a load.
#include "tests/window/windowsupport.h"

#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

namespace {

std::string game(const std::string& yyyymmdd, const std::string& vis, const std::string& home)
{
    return scheduleLine(yyyymmdd, vis, home) + "\r\n";
}

const std::string kSeason = game("20050404", "BOS", "NYA") + game("20050403", "NYA", "BOS") +
                            game("20050403", "NYA", "BOS") + game("20050930", "BOS", "NYA");
const std::string kNamed = "[Schedule Data]\r\nBOS AL=Sox\r\nNYA AL=Yanks\r\n";

struct Named : WindowFixture {
    Named()
    {
        writeFile("rota.ini", kNamed);
        writeFile("season.txt", kSeason);
        chooseDataType(2);
    }
};

} // namespace

class OpenSeasonTest : public QObject {
    Q_OBJECT
private slots:
    void finishedLoadFillsAndSortsTheList();
    void cancelledDialogKeepsTheListAndStillFinishes();
    void missingNamesOpenThePanel();
    void failedLoadKeepsRowsAndWithholdsCreate();
    void dateEditMovesTheRow();
    void noSecondCommandStartsInsideALoad();
};

void OpenSeasonTest::finishedLoadFillsAndSortsTheList()
{
    Named w;
    w.form->ProgressBar1->setValue(1234);
    w.openSeason(w.file("season.txt"));
    QVERIFY(w.prompts.messages.isEmpty());
    QCOMPARE(rowTexts(*w.form), (QStringList{"04/03/05|05Yanks|05Sox|/n:2", "04/04/05|05Sox|05Yanks|",
                                             "09/30/05|05Sox|05Yanks|"}));
    QCOMPARE(w.form->ListBox1().size(), std::size_t(4));
    QCOMPARE(w.form->ListBox2().size(), std::size_t(4));
    QCOMPARE(w.form->ProgressBar1->value(), 0);
    QVERIFY(w.form->Button1->isEnabled() && w.form->Button2->isEnabled() && w.form->Edit1->isEnabled());
    QVERIFY(!w.form->Button3->isEnabled());
    QVERIFY(w.form->Label11->isHidden());
    QCOMPARE(w.form->width(), 326);
    QCOMPARE(w.readFile("rota.ini"), kNamed);
    QCOMPARE(QDir::currentPath(), QString::fromStdString(w.home.path())); // the data file's folder
}

void OpenSeasonTest::cancelledDialogKeepsTheListAndStillFinishes()
{
    Named w;
    w.openSeason(w.file("season.txt"));
    const QStringList before = rowTexts(*w.form);
    w.form->Button2->setEnabled(false);
    w.form->Label11->show();
    w.form->Button1Click(); // the dialog is cancelled
    QCOMPARE(rowTexts(*w.form), before);
    QCOMPARE(w.form->ListBox2().size(), std::size_t(4));
    QVERIFY(w.form->Button2->isEnabled() && w.form->Label11->isHidden());
    w.chooseDataType(0);
    w.form->Button3->setEnabled(false);
    w.form->Button1Click();
    QVERIFY(w.form->Button3->isEnabled()); // Game Data mode gets Compile Data back
}

void OpenSeasonTest::missingNamesOpenThePanel()
{
    WindowFixture w;
    w.writeFile("season.txt", kSeason);
    w.chooseDataType(2);
    w.form->show();
    w.form->move(400, 50);
    const int savedLeft = w.form->savedLeft = w.form->pos().x();
    w.openSeason(w.file("season.txt"));
    QCOMPARE(w.form->width(), 568);
    QCOMPARE(w.form->pos().x(), savedLeft - 121);
    QCOMPARE(w.form->loader().state.missingTeamCount, 6);
    QCOMPARE(w.readFile("rota.ini"), std::string("[Schedule Data]\r\nBOS AL=\r\nNYA AL=\r\n"));
    QCOMPARE(w.form->ListBox3->model()->rowCount(), 3);
    QCOMPARE(w.form->ListBox3->model()->index(1, 0).data().toString(), QStringLiteral("BOS AL="));
    QVERIFY(w.form->Button2->isEnabled());
    QCOMPARE(rowTexts(*w.form).first(), QStringLiteral("04/03/05|05|05|/n:2"));
}

void OpenSeasonTest::failedLoadKeepsRowsAndWithholdsCreate()
{
    Named w;
    w.writeFile("bad.txt", game("20050930", "BOS", "NYA") + game("20050403", "NYA", "BOS") +
                               "\"20050405\",\"0\",\"Tue\",\"BOS\",\"AL\",1,\"NY\r\n" + game("20050406", "BOS", "NYA"));
    w.openSeason(w.file("season.txt"));
    w.openSeason(w.file("bad.txt"));
    QCOMPARE(w.prompts.messages, QStringList{"Data Error\nline 3: column 38 is past the end of the line"});
    QCOMPARE(rowTexts(*w.form), (QStringList{"09/30/05|05Sox|05Yanks|", "04/03/05|05Yanks|05Sox|"}));
    QCOMPARE(w.form->ProgressBar1->value(), 2500);
    QVERIFY(!w.form->Button2->isEnabled() && !w.form->Edit1->isEnabled() && !w.form->Button3->isEnabled());
    QVERIFY(w.form->Button1->isEnabled() && !w.form->Label11->isHidden());
}

void OpenSeasonTest::dateEditMovesTheRow()
{
    Named w;
    w.openSeason(w.file("season.txt"));
    auto* model = w.form->ListView1->model();
    QVERIFY(!(model->flags(model->index(0, 1)) & Qt::ItemIsEditable));
    QVERIFY(model->setData(model->index(0, 0), QStringLiteral("09/29/05"), Qt::EditRole));
    QCOMPARE(rowTexts(*w.form), (QStringList{"04/04/05|05Sox|05Yanks|", "09/29/05|05Yanks|05Sox|/n:2",
                                             "09/30/05|05Sox|05Yanks|"}));
}

void OpenSeasonTest::noSecondCommandStartsInsideALoad()
{
    Named w;
    w.openSeason(w.file("season.txt"));
    w.form->Edit1->setText(QStringLiteral("first"));
    w.form->show();
    // Clicks waiting in the queue reach the window during the load's one
    // message pump; they must not start a second load or a write.
    const QPoint centre = w.form->Label5->rect().center();
    QCoreApplication::postEvent(w.form->Label5, new QMouseEvent(QEvent::MouseButtonRelease, centre,
                                                                w.form->Label5->mapToGlobal(centre), Qt::LeftButton,
                                                                Qt::NoButton, Qt::NoModifier));
    QMetaObject::invokeMethod(w.form.get(), &TForm1::Button2Click, Qt::QueuedConnection);
    w.openSeason(w.file("season.txt"));
    QCOMPARE(w.prompts.dialogFolders.size(), 2);
    QVERIFY(!rota::pathExists(w.file("first.sch")));
}

QTEST_MAIN(OpenSeasonTest)
#include "openseason_test.moc"
