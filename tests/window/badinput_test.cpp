// Bad input through the window: each case must end in a message that names
// the problem, with no crash, and leave "rota.ini" and an earlier ".sch"
// file byte for byte as they were.
#include "tests/window/windowsupport.h"

#include "platform/fileio.h"

#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QtTest>

#include <filesystem>
#include <random>
#include <sys/mount.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kIni = "[Schedule Data]\r\nBOS AL=Sox\r\nNYA AL=Yanks\r\n";
const std::string kSch = std::string("D") + std::string(429, ' ') + "an earlier schedule";

// A window in Schedule Data mode with a rota.ini and an earlier "old.sch".
struct Guarded : WindowFixture {
    Guarded()
    {
        writeFile("rota.ini", kIni);
        writeFile("old.sch", kSch);
        chooseDataType(2);
        form->Edit1->setText(QStringLiteral("old"));
    }
    void verifyIntact() const
    {
        QCOMPARE(readFile("rota.ini"), kIni);
        QCOMPARE(readFile("old.sch"), kSch);
    }
    QString onlyMessage() const
    {
        if (prompts.messages.size() != 1)
            return QStringLiteral("<%1 messages: %2>").arg(prompts.messages.size()).arg(prompts.messages.join('|'));
        return prompts.messages.first();
    }
};

} // namespace

class BadInputTest : public QObject {
    Q_OBJECT
private slots:
    void unreadableSeasonFiles_data();
    void unreadableSeasonFiles();
    void crOnlyLineEndsLoad();
    void latinOneCodesAndNamesSurviveUnchanged();
    void configurationThatCannotBeWritten_data();
    void configurationThatCannotBeWritten();
    void readOnlyProgramFolder();
    void scheduleIntoAMissingFolder();
    void diskFullWhileWritingTheSchedule();
    void dataFileGoneBeforeOk();
};

void BadInputTest::unreadableSeasonFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("says");
    std::mt19937 random(1915);
    QByteArray binary(4096, '\0');
    for (char& c : binary)
        c = static_cast<char>(random() % 255 + 1);
    QTest::newRow("binary file") << binary << "not a text file";
    QTest::newRow("empty file") << QByteArray() << "No games were read";
    QTest::newRow("zero byte in the first line")
        << (QByteArray("\"2005") + '\0' + QByteArray::fromStdString(scheduleLine("20050403", "BOS", "NYA"))) << "not a text file";
    QTest::newRow("one 10 MB line") << QByteArray(10 * 1024 * 1024, 'x') << "far too long";
}

void BadInputTest::unreadableSeasonFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, says);
    Guarded w;
    w.writeFile("bad.txt", content.toStdString());
    w.openSeason(w.file("bad.txt"));
    QVERIFY2(w.onlyMessage().contains(says), qPrintable(w.onlyMessage()));
    w.verifyIntact();
    QVERIFY(w.form->Button1->isEnabled());
    // Nothing was read that could be written over the earlier schedule.
    w.form->Button2Click();
    w.verifyIntact();
}

void BadInputTest::crOnlyLineEndsLoad()
{
    Guarded w;
    w.writeFile("mac.txt", scheduleLine("20050403", "BOS", "NYA") + "\r" + scheduleLine("20050404", "NYA", "BOS") + "\r");
    w.openSeason(w.file("mac.txt"));
    QCOMPARE(w.prompts.messages, QStringList());
    QCOMPARE(rowTexts(*w.form), (QStringList{"04/03/05|05Sox|05Yanks|", "04/04/05|05Yanks|05Sox|"}));
    w.verifyIntact();
}

void BadInputTest::latinOneCodesAndNamesSurviveUnchanged()
{
    WindowFixture w;
    const std::string ini = "[Schedule Data]\r\nMT\xc9 AL=Mtr\xe9\x61l\r\nNYA AL=\r\n";
    w.writeFile("rota.ini", ini);
    w.writeFile("s.txt", scheduleLine("20050403", "MT\xc9", "NYA") + "\r\n");
    w.chooseDataType(2);
    w.openSeason(w.file("s.txt"));
    QCOMPARE(rowTexts(*w.form), QStringList{QString::fromUtf8("04/03/05|05Mtréal|05|")});
    QCOMPARE(w.form->ListBox2().front(), std::string("04/03/05 MT\xc9 NYA"));
    // The panel shows the name as Latin-1 and writes it back unchanged.
    QCOMPARE(w.form->ListBox3->model()->index(1, 0).data().toString(), QString::fromUtf8("MTÉ AL=Mtréal"));
    w.form->ListBox3Click(w.form->ListBox3->model()->index(2, 0));
    w.form->Edit3->setText(QString::fromUtf8("Yänks"));
    w.form->Button4Click();
    w.form->Button5Click();
    QCOMPARE(w.readFile("rota.ini"), std::string("[Schedule Data]\r\nMT\xc9 AL=Mtr\xe9\x61l\r\nNYA AL=Y\xe4nks\r\n"));
    w.form->Edit1->setText(QStringLiteral("latin"));
    w.form->Button2Click();
    const std::string sch = w.readFile("latin.sch");
    QCOMPARE(sch.substr(430 + 10, 16), std::string("05Mtr\xe9\x61l05Y\xe4nks "));
}

void BadInputTest::configurationThatCannotBeWritten_data()
{
    QTest::addColumn<bool>("folder");
    QTest::newRow("read-only rota.ini") << false;
    QTest::newRow("rota.ini is a folder") << true;
}

void BadInputTest::configurationThatCannotBeWritten()
{
    QFETCH(bool, folder);
    Guarded w;
    if (folder) {
        fs::remove(w.file("rota.ini"));
        fs::create_directory(w.file("rota.ini"));
    } else {
        rota::test::setReadOnly(w.file("rota.ini"), true);
    }
    w.writeFile("s.txt", scheduleLine("20050403", "BOS", "DET") + "\r\n");
    w.openSeason(w.file("s.txt"));
    QVERIFY2(w.onlyMessage().startsWith(QStringLiteral("Data Error\n")), qPrintable(w.onlyMessage()));
    QVERIFY(w.onlyMessage().contains(QStringLiteral("rota.ini")));
    QCOMPARE(w.readFile("old.sch"), kSch);
    if (!folder)
        QCOMPARE(w.readFile("rota.ini"), kIni);
    QVERIFY(!w.form->Button2->isEnabled());
}

void BadInputTest::readOnlyProgramFolder()
{
    Guarded w;
    fs::remove(w.file("rota.ini"));
    rota::test::TempDir data;
    rota::test::writeFile(data.file("s.txt"), scheduleLine("20050403", "BOS", "NYA") + "\r\n");
    rota::test::setReadOnly(w.home.path(), true);
    w.openSeason(data.file("s.txt"));
    QVERIFY2(w.onlyMessage().contains(QStringLiteral("read-only")), qPrintable(w.onlyMessage()));
    w.prompts.messages.clear();
    w.chooseDataType(0);
    w.form->Edit2->setText(QStringLiteral("AL00"));
    w.form->Button3Click();
    QVERIFY2(w.onlyMessage().startsWith(QStringLiteral("Program Error\n")), qPrintable(w.onlyMessage()));
    rota::test::setReadOnly(w.home.path(), false);
    QVERIFY(!rota::pathExists(w.file("rota.ini")));
    QCOMPARE(w.readFile("old.sch"), kSch);
}

void BadInputTest::scheduleIntoAMissingFolder()
{
    Guarded w;
    w.writeFile("s.txt", scheduleLine("20050403", "BOS", "NYA") + "\r\n");
    w.openSeason(w.file("s.txt"));
    w.form->Edit1->setText(QStringLiteral("nodir/x"));
    w.form->Button2Click();
    QVERIFY2(w.onlyMessage().startsWith(QStringLiteral("Error Writing SCH File.\n")), qPrintable(w.onlyMessage()));
    QVERIFY(w.onlyMessage().contains(QStringLiteral("nodir/x.sch")));
    w.verifyIntact();
}

void BadInputTest::diskFullWhileWritingTheSchedule()
{
    if (::geteuid() != 0)
        QSKIP("mounting a small file system needs root");
    Guarded w;
    const std::string small = w.file("small");
    fs::create_directory(small);
    if (::mount("tmpfs", small.c_str(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("this system does not let us mount a tmpfs");
    struct Unmount {
        std::string path;
        ~Unmount() { ::umount(path.c_str()); }
    } unmount{small};

    std::string season;
    for (int day = 1; day <= 28; ++day)
        season += scheduleLine("200504" + std::string(day < 10 ? "0" : "") + std::to_string(day), "BOS", "NYA") + "\r\n";
    rota::test::writeFile(small + "/s.txt", season);
    rota::test::writeFile(small + "/old.sch", kSch);
    // Fill the file system up to a little room.
    rota::test::writeFile(small + "/filler", std::string(64 * 1024 - 12 * 1024 - 4096, 'f'));
    const auto space = fs::space(small).available;
    QVERIFY2(space < 430 * 29, qPrintable(QString::number(space)));

    w.openSeason(small + "/s.txt");
    w.form->Button2Click();
    QVERIFY2(w.onlyMessage().startsWith(QStringLiteral("Error Writing SCH File.\n")), qPrintable(w.onlyMessage()));
    QVERIFY(w.onlyMessage().contains(QStringLiteral("old.sch")));
    QCOMPARE(rota::test::readFile(small + "/old.sch"), kSch);
    QCOMPARE(w.readFile("rota.ini"), kIni);
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(small))
        ++files;
    QCOMPARE(files, 3); // no temporary file left behind
}

void BadInputTest::dataFileGoneBeforeOk()
{
    WindowFixture w;
    w.writeFile("s.txt", scheduleLine("20050403", "BOS", "NYA") + "\r\n");
    w.chooseDataType(2);
    w.openSeason(w.file("s.txt"));
    QCOMPARE(w.form->width(), 568);
    fs::remove(w.file("s.txt"));
    w.form->ListBox3Click(w.form->ListBox3->model()->index(1, 0));
    w.form->Edit3->setText(QStringLiteral("Sox"));
    w.form->Button4Click();
    w.form->Button5Click();
    QCOMPARE(w.prompts.messages.size(), 1);
    QVERIFY(w.prompts.messages[0].startsWith(QStringLiteral("Data Error\n")));
    QVERIFY(w.prompts.messages[0].contains(QStringLiteral("s.txt")));
    // What the user saved is kept.
    QCOMPARE(w.readFile("rota.ini"), std::string("[Schedule Data]\r\nBOS AL=Sox\r\nNYA AL=\r\n"));
    QVERIFY(!w.form->Button2->isEnabled());
}

QTEST_MAIN(BadInputTest)
#include "badinput_test.moc"
