#include "app/rotaHome.h"

#include "app/appicon.h"
#include "app/prompts.h"
#include "app/rotaAbout.h"
#include "compile/compiledata.h"
#include "platform/fileio.h"
#include "platform/shortpath.h"
#include "schedule/schwriter.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QShowEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeView>

#include <iostream>

namespace {

constexpr int kClientWidth = 326;
constexpr int kPanelClientWidth = 568;
constexpr int kClientHeight = 481;
constexpr int kPanelShift = 121;

// Holds other commands off while one runs (the load pumps messages once).
class CommandGuard {
public:
    explicit CommandGuard(bool& running) : running_(running) { running_ = true; }
    ~CommandGuard() { running_ = false; }
    CommandGuard(const CommandGuard&) = delete;
    CommandGuard& operator=(const CommandGuard&) = delete;

private:
    bool& running_;
};

// Shows the wait cursor while the window is blocked.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

template <typename W>
W* place(W* widget, int left, int top, int width = -1, int height = -1)
{
    if (width < 0 || height < 0) {
        widget->adjustSize();
        widget->move(left, top);
    } else {
        widget->setGeometry(left, top, width, height);
    }
    return widget;
}

QString systemText(const char* text)
{
    return QString::fromLocal8Bit(text);
}

QLineEdit* makeEdit(QWidget* parent, int maxLength)
{
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(maxLength);
    return edit;
}

QLineEdit* makeDateEdit(QWidget* parent, const char* text)
{
    auto* edit = new QLineEdit(parent);
    edit->setInputMask(QStringLiteral("00/00;_"));
    edit->setText(QString::fromLatin1(text));
    return edit;
}

} // namespace

TForm1::TForm1(Prompts& prompts, TForm2* about, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      prompts_(prompts), about_(about), seasonModel_(new SeasonModel(this)),
      teamTableModel_(new LinesModel(teamTable_.lines(), this)), batchOutput_(&std::cerr)
{
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    setWindowIcon(appIcon());
    setFont(windowFont());
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    buildControls();
    buildPanel();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::buildControls()
{
    RadioGroup2 = place(new RadioGroup(QStringLiteral("Retrosheet Data Type"),
                                       {QStringLiteral("Game Data"), QStringLiteral("Game Logs"),
                                        QStringLiteral("Schedule Data")},
                                       2, this),
                        8, 8, 273, 57);
    RadioGroup2->setItemIndex(rota::GameData);
    connect(RadioGroup2, &RadioGroup::clicked, this, &TForm1::RadioGroup2Click);

    SpeedButton1 = place(new QToolButton(this), 289, 16, 25, 25);
    SpeedButton1->setText(QStringLiteral("?"));
    QFont questionFont(QStringLiteral("Arial"));
    questionFont.setBold(true);
    questionFont.setPixelSize(19);
    SpeedButton1->setFont(questionFont);
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setToolTip(QStringLiteral("About this program..."));
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);

    makeBevel(this, 8, 80, 305, 2);
    makeBevel(this, 8, 81, 2, 185);
    makeBevel(this, 312, 81, 2, 185);
    makeBevel(this, 8, 264, 305, 2);
    makeBevel(this, 173, 192, 140, 2);
    makeBevel(this, 173, 192, 2, 73);
    makeBevel(this, 8, 264, 2, 48);
    makeBevel(this, 312, 264, 2, 50);
    makeBevel(this, 8, 312, 305, 2);

    Label10 = place(new QLabel(QStringLiteral("Game Data Information"), this), 16, 75);
    Label10->setBackgroundRole(QPalette::Button);
    Label10->setAutoFillBackground(true);
    Label5 = place(new ClickableLabel(QStringLiteral("Select Year"), this), 16, 101);
    connect(Label5, &ClickableLabel::clicked, this, &TForm1::Button1Click);

    CSpinEdit1 = place(new QSpinBox(this), 79, 93, 48, 22);
    CSpinEdit1->setRange(1870, 2005);
    CSpinEdit1->setValue(1900);

    Label4 = place(new QLabel(QStringLiteral("Data File Name"), this), 144, 104);
    Edit2 = place(makeEdit(this, 8), 224, 96, 81, 21);

    Label6 = place(new QLabel(QStringLiteral("Start Date"), this), 16, 132);
    MaskEdit1 = place(makeDateEdit(this, "04/01"), 79, 132, 81, 21);
    Label7 = place(new QLabel(QStringLiteral("End Date"), this), 16, 160);
    MaskEdit2 = place(makeDateEdit(this, "10/30"), 79, 160, 81, 21);

    Button3 = place(new QPushButton(QStringLiteral("Compile Data"), this), 232, 156, 75, 25);
    Button3->setToolTip(QStringLiteral("Prepare data for schedule creating"));
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);

    RadioGroup1 = place(new RadioGroup(QStringLiteral("League"),
                                       {QStringLiteral("A"), QStringLiteral("N"), QStringLiteral("F"),
                                        QStringLiteral("AL/NL")},
                                       2, this),
                        16, 200, 145, 57);
    RadioGroup1->setItemIndex(rota::LeagueALNL);

    Label11 = place(new QLabel(QStringLiteral("Select a league option before Opening a Season"), this), 184, 200,
                    121, 26);
    Label11->setWordWrap(true);
    Label11->hide();

    Button1 = place(new QPushButton(QStringLiteral("Open Season"), this), 232, 232, 75, 25);
    Button1->setToolTip(QStringLiteral("Open complied file for schedule creation"));
    Button1->setEnabled(false);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);

    Label2 = place(new QLabel(QStringLiteral(".SCH File Name"), this), 16, 288);
    Edit1 = place(makeEdit(this, 8), 96, 280, 81, 21);
    Edit1->setEnabled(false);
    Button2 = place(new QPushButton(QStringLiteral("Create .SCH"), this), 232, 280, 75, 25);
    Button2->setToolTip(QStringLiteral("Create PVX schedule file"));
    Button2->setEnabled(false);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);

    Label1 = place(new QLabel(QStringLiteral("Schedule Data"), this), 16, 320);
    ListView1 = place(new QTreeView(this), 16, 336, 297, 97);
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setItemsExpandable(false);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setModel(seasonModel_);
    ListView1->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::DoubleClicked);
    ListView1->header()->setStretchLastSection(false);
    ListView1->header()->setSectionsMovable(false);
    const int widths[] = {70, 75, 75, 50};
    for (int column = 0; column < 4; ++column)
        ListView1->header()->resizeSection(column, widths[column]);

    Label3 = place(new QLabel(QStringLiteral("Setup Progress"), this), 16, 440);
    ProgressBar1 = place(new QProgressBar(this), 16, 456, 297, 16);
    ProgressBar1->setRange(0, 10000);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    QWidget* order[] = {Button1, Button2, Edit1, ListView1, Button3, CSpinEdit1, Edit2, MaskEdit1, MaskEdit2};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TForm1::buildPanel()
{
    Label8 = place(new QLabel(QStringLiteral("Rota.ini"), this), 352, 8);
    ListBox3 = place(new QListView(this), 352, 24, 201, 385);
    ListBox3->setModel(teamTableModel_);
    ListBox3->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBox3->setUniformItemSizes(true);
    connect(ListBox3, &QListView::clicked, this, &TForm1::ListBox3Click);
    Label9 = place(new QLabel(this), 352, 420, 48, 13);
    Edit3 = place(makeEdit(this, 6), 405, 416, 81, 21);
    Button4 = place(new QPushButton(QStringLiteral("Set"), this), 496, 416, 59, 21);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    Button5 = place(new QPushButton(QStringLiteral("OK"), this), 352, 448, 97, 25);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    Button6 = place(new QPushButton(QStringLiteral("Cancel"), this), 456, 448, 97, 25);
    connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);

    QWidget* order[] = {ListBox3, Edit3, Button4, Button5, Button6};
    setTabOrder(MaskEdit2, ListBox3);
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TForm1::FormCreate()
{
    programDir = QDir::currentPath().toLocal8Bit().toStdString();
    setClientWidth(kClientWidth);
    reopenFlag = 0;
    savedLeft = pos().x();
    previousDataType = 0;
}

void TForm1::FormShow()
{
    savedLeft = pos().x();
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

std::string TForm1::configPath() const
{
    return rota::joinPath(programDir, rota::kConfigFileName);
}

std::string TForm1::maskText(const QLineEdit* edit)
{
    QString text = edit->displayText();
    text.replace(QLatin1Char('_'), QLatin1Char(' '));
    return toLatin1(text);
}

void TForm1::setClientWidth(int width)
{
    setFixedSize(width, kClientHeight);
}

void TForm1::moveLeftTo(int left)
{
    move(left, pos().y());
}

void TForm1::enableCompileForGameData()
{
    Button3->setEnabled(RadioGroup2->itemIndex() == rota::GameData);
}

void TForm1::RadioGroup2Click()
{
    chosenDataType = RadioGroup2->itemIndex();
    if (chosenDataType == previousDataType)
        return;
    applyDataTypeMode(chosenDataType);
    previousDataType = chosenDataType;
}

void TForm1::applyDataTypeMode(int dataType)
{
    const bool gameData = dataType == rota::GameData;
    Button3->setEnabled(gameData);
    CSpinEdit1->setEnabled(gameData);
    Edit2->setEnabled(gameData);
    RadioGroup1->setEnabled(true);
    MaskEdit1->setEnabled(gameData);
    MaskEdit2->setEnabled(gameData);
    Button1->setEnabled(!gameData);
    Edit1->setEnabled(false);
    Button2->setEnabled(false);
    Label11->setVisible(!gameData);
}

void TForm1::SpeedButton1Click()
{
    if (!about_)
        return;
    about_->centreOver(this);
    about_->exec();
}

void TForm1::Button1Click()
{
    if (commandRunning_)
        return;
    CommandGuard guard(commandRunning_);
    try {
        Button3->setEnabled(false);
        Button1->setEnabled(false);
        loader_.begin();

        bool chosen = true;
        if (reopenFlag != 1) {
            const QString file = prompts_.openFileName(this, QString::fromLocal8Bit(programDir.c_str()));
            chosen = !file.isEmpty();
            if (chosen) {
                openedFile_ = file;
                // As the Windows dialog does: the chosen file's folder becomes
                // the current one, so a ".sch" file lands beside the data.
                QDir::setCurrent(QFileInfo(file).absolutePath());
            }
        }
        if (chosen) {
            seasonModel_->change([this](rota::SeasonList& list) { loader_.clear(list); });
            loader_.readFile(openedFile_.toLocal8Bit().toStdString());
            QCoreApplication::processEvents();

            const rota::LoadOptions options{RadioGroup2->itemIndex(), RadioGroup1->itemIndex(), CSpinEdit1->value()};
            rota::TeamNameLookup lookup(configPath());
            seasonModel_->change([&](rota::SeasonList& list) {
                loader_.readGames(options, list, lookup, [this](int position) { ProgressBar1->setValue(position); });
            });
        }

        seasonModel_->change([](rota::SeasonList& list) { rota::SeasonLoader::finish(list); });
        ProgressBar1->setValue(0);
        if (chosen && seasonModel_->list().empty()) {
            const std::string name = QFileInfo(openedFile_).fileName().toLocal8Bit().toStdString();
            prompts_.message(this, systemText(rota::noGamesMessage(name, RadioGroup2->itemIndex()).c_str()));
        }
        if (loader_.state.missingTeamCount > 0)
            openPanel();
        Button2->setEnabled(true);
        enableCompileForGameData();
        Button1->setEnabled(true);
        Edit1->setEnabled(true);
        Label11->hide();
    } catch (const std::exception& e) {
        prompts_.message(this, QStringLiteral("Data Error\n") + systemText(e.what()));
        enableCompileForGameData();
        Button1->setEnabled(true);
        Label11->show();
        // The rows read so far stay in sight, but are no season to write.
        Button2->setEnabled(false);
        Edit1->setEnabled(false);
    }
}

void TForm1::Button2Click()
{
    if (commandRunning_)
        return;
    CommandGuard guard(commandRunning_);
    try {
        Button1->setEnabled(false);
        Button2->setEnabled(false);
        Button3->setEnabled(false);
        ProgressBar1->setValue(0);

        const std::string name = toLatin1(Edit1->text());
        const auto& rows = seasonModel_->list().rows();
        if (name.empty()) {
            prompts_.message(this, QStringLiteral("You need to input a file name to save to file."));
        } else if (!rows.empty()) {
            const auto problems = rota::scheduleLimitProblems(rows);
            if (!problems.empty()) {
                prompts_.message(this, fromLatin1(rota::scheduleLimitMessage(problems)));
            } else {
                const QString title = QStringLiteral("Creating ") + fromLatin1(name) + QStringLiteral(".sch - ");
                int shownPercent = -1;
                const std::string bytes = rota::buildScheduleFile(rows, [&](std::size_t i, std::size_t n) {
                    const int percent = rota::schedulePercent(i, n);
                    if (percent != shownPercent) {
                        setWindowTitle(title + QString::number(percent) + QStringLiteral("% Complete"));
                        shownPercent = percent;
                    }
                    ProgressBar1->setValue(rota::scheduleProgressPosition(i, n));
                });
                rota::writeFileAtomically(name + ".sch", bytes);
                setWindowTitle(title + QStringLiteral("done."));
            }
        }
        ProgressBar1->setValue(0);
    } catch (const std::exception& e) {
        // The progress bar stays where the failure stopped it.
        prompts_.message(this, QStringLiteral("Error Writing SCH File.\n") + systemText(e.what()));
    }
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    Button1->setEnabled(true);
    Button2->setEnabled(true);
    enableCompileForGameData();
}

void TForm1::Button3Click()
{
    if (commandRunning_)
        return;
    CommandGuard guard(commandRunning_);
    try {
        Button3->setEnabled(false);
        rota::CompileInput input;
        input.dataFileName = toLatin1(Edit2->text());
        input.startDate = maskText(MaskEdit1);
        input.endDate = maskText(MaskEdit2);
        input.year = CSpinEdit1->value();
        input.leagueIndex = RadioGroup1->itemIndex();

        std::string problem = rota::compileInputProblem(input);
        if (problem.empty())
            problem = rota::programDirProblem(rota::shortPathName(programDir));
        if (!problem.empty()) {
            prompts_.message(this, systemText(problem.c_str()));
            Button3->setEnabled(true);
            return;
        }

        bool made;
        {
            WaitCursor wait;
            made = rota::compileSeason(programDir, input, *batchOutput_);
        }
        if (!made)
            prompts_.message(this, systemText(rota::missingDataFileMessage(input.dataFileName + ".txt", programDir).c_str()));
        Button1->setEnabled(true);
        RadioGroup1->setEnabled(true);
    } catch (const std::exception& e) {
        prompts_.message(this, QStringLiteral("Program Error\n") + systemText(e.what()));
        Button3->setEnabled(true);
    }
}

void TForm1::openPanel()
{
    teamTable_.load(configPath());
    teamTableModel_->reload();
    setClientWidth(kPanelClientWidth);
    moveLeftTo(savedLeft - kPanelShift);
}

void TForm1::closePanel()
{
    setClientWidth(kClientWidth);
    moveLeftTo(savedLeft);
}

void TForm1::ListBox3Click(const QModelIndex& index)
{
    if (commandRunning_ || !index.isValid())
        return;
    if (teamTable_.click(static_cast<std::size_t>(index.row()))) {
        Label9->setText(fromLatin1(teamTable_.entryKey + "="));
        Edit3->setText(fromLatin1(teamTable_.entryValue));
    }
}

void TForm1::Button4Click()
{
    if (commandRunning_ || !teamTable_.set(toLatin1(Edit3->text())))
        return;
    const int row = static_cast<int>(teamTable_.selectedEntryIndex);
    teamTableModel_->lineChanged(row);
    ListBox3->setCurrentIndex(teamTableModel_->index(row));
}

void TForm1::Button5Click()
{
    if (commandRunning_)
        return;
    try {
        teamTable_.save(configPath());
    } catch (const std::exception& e) {
        prompts_.error(this, systemText(e.what()));
        return;
    }
    closePanel();
    reopenFlag = 1;
    Button1Click();
    reopenFlag = 0;
}

void TForm1::Button6Click()
{
    if (commandRunning_)
        return;
    closePanel();
}
