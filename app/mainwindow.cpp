#include "app/mainwindow.h"

#include "app/aboutwindow.h"
#include "app/appicon.h"
#include "app/linesmodel.h"
#include "app/prompts.h"
#include "app/seasonmodel.h"
#include "app/widgets.h"
#include "common/ascii.h"

#include <QApplication>
#include <QDate>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeView>

#include <iostream>

namespace {

constexpr int kClientWidth = 326;
constexpr int kPanelClientWidth = 568;
constexpr int kClientHeight = 481;
constexpr int kPanelShift = 121;
constexpr int kProgressRange = 10000;
constexpr int kTeamNameLength = 6;

// Holds other commands off while one runs.
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
W* place(W* widget, const char* name, int left, int top, int width = -1, int height = -1)
{
    widget->setObjectName(QString::fromLatin1(name));
    if (width < 0 || height < 0) {
        widget->adjustSize();
        widget->move(left, top);
    } else {
        widget->setGeometry(left, top, width, height);
    }
    return widget;
}

// A caption that names `control` for screen readers and keyboard users.
QLabel* caption(QLabel* label, QWidget* control)
{
    label->setBuddy(control);
    control->setAccessibleName(label->text());
    return label;
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

QString localText(const std::string& text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::string localBytes(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

} // namespace

std::string maskedDateText(const QLineEdit* edit)
{
    QString text = edit->displayText();
    text.replace(QLatin1Char('_'), QLatin1Char(' '));
    return toLatin1(text);
}

MainWindow::MainWindow(rota::Session& session, Prompts& prompts, AboutWindow* about, std::ostream* batchOutput,
                       QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      session_(session), prompts_(prompts), about_(about), batchOutput_(batchOutput ? batchOutput : &std::cerr),
      seasonModel_(new SeasonModel(session, this)),
      teamTableModel_(new LinesModel(session.teamTable().lines(), this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    setWindowIcon(appIcon());
    setFont(windowFont());
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    buildControls();
    buildTeamPanel();
    setClientWidth(kClientWidth);
    savedLeft_ = pos().x();
    refreshControls();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    dataTypeGroup_ = place(new RadioGroup(QStringLiteral("Retrosheet Data Type"),
                                          {QStringLiteral("Game Data"), QStringLiteral("Game Logs"),
                                           QStringLiteral("Schedule Data")},
                                          2, this),
                           "RadioGroup2", 8, 8, 273, 57);
    dataTypeGroup_->setItemIndex(static_cast<int>(session_.dataType()));
    connect(dataTypeGroup_, &RadioGroup::clicked, this, &MainWindow::onDataTypeChosen);

    aboutButton_ = place(new QToolButton(this), "SpeedButton1", 289, 16, 25, 25);
    aboutButton_->setText(QStringLiteral("?"));
    QFont questionFont(QStringLiteral("Arial"));
    questionFont.setBold(true);
    questionFont.setPixelSize(19);
    aboutButton_->setFont(questionFont);
    aboutButton_->setFocusPolicy(Qt::NoFocus);
    aboutButton_->setAutoRaise(true);
    aboutButton_->setToolTip(QStringLiteral("About this program..."));
    aboutButton_->setAccessibleName(QStringLiteral("About this program"));
    connect(aboutButton_, &QToolButton::clicked, this, &MainWindow::onAbout);

    const int bevels[][4] = {{8, 80, 305, 2},  {8, 81, 2, 185},   {312, 81, 2, 185}, {8, 264, 305, 2}, {173, 192, 140, 2},
                             {173, 192, 2, 73}, {8, 264, 2, 48}, {312, 264, 2, 50}, {8, 312, 305, 2}};
    for (const auto& b : bevels)
        makeBevel(this, b[0], b[1], b[2], b[3]);

    auto* gameDataCaption = place(new QLabel(QStringLiteral("Game Data Information"), this), "Label10", 16, 75);
    gameDataCaption->setBackgroundRole(QPalette::Button);
    gameDataCaption->setAutoFillBackground(true);

    yearSpin_ = place(new QSpinBox(this), "CSpinEdit1", 79, 93, 48, 22);
    yearSpin_->setRange(1870, std::max(2005, QDate::currentDate().year()));
    yearSpin_->setValue(1900);
    selectYearLabel_ = place(new ClickableLabel(QStringLiteral("Select Year"), this), "Label5", 16, 101);
    caption(selectYearLabel_, yearSpin_);
    connect(selectYearLabel_, &ClickableLabel::clicked, this, &MainWindow::onOpenSeason);

    dataFileNameEdit_ = place(makeEdit(this, 8), "Edit2", 224, 96, 81, 21);
    caption(place(new QLabel(QStringLiteral("Data File Name"), this), "Label4", 144, 104), dataFileNameEdit_);
    startDateEdit_ = place(makeDateEdit(this, "04/01"), "MaskEdit1", 79, 132, 81, 21);
    caption(place(new QLabel(QStringLiteral("Start Date"), this), "Label6", 16, 132), startDateEdit_);
    endDateEdit_ = place(makeDateEdit(this, "10/30"), "MaskEdit2", 79, 160, 81, 21);
    caption(place(new QLabel(QStringLiteral("End Date"), this), "Label7", 16, 160), endDateEdit_);

    compileButton_ = place(new QPushButton(QStringLiteral("Compile Data"), this), "Button3", 232, 156, 75, 25);
    compileButton_->setToolTip(QStringLiteral("Prepare data for schedule creating"));
    connect(compileButton_, &QPushButton::clicked, this, &MainWindow::onCompileData);

    leagueGroup_ = place(new RadioGroup(QStringLiteral("League"),
                                        {QStringLiteral("A"), QStringLiteral("N"), QStringLiteral("F"),
                                         QStringLiteral("AL/NL")},
                                        2, this),
                         "RadioGroup1", 16, 200, 145, 57);
    leagueGroup_->setItemIndex(static_cast<int>(rota::LeagueOption::AlNl));

    leagueHintLabel_ = place(new QLabel(QStringLiteral("Select a league option before Opening a Season"), this),
                             "Label11", 184, 200, 121, 26);
    leagueHintLabel_->setWordWrap(true);

    openSeasonButton_ = place(new QPushButton(QStringLiteral("Open Season"), this), "Button1", 232, 232, 75, 25);
    openSeasonButton_->setToolTip(QStringLiteral("Open complied file for schedule creation"));
    connect(openSeasonButton_, &QPushButton::clicked, this, &MainWindow::onOpenSeason);

    scheduleNameEdit_ = place(makeEdit(this, 8), "Edit1", 96, 280, 81, 21);
    caption(place(new QLabel(QStringLiteral(".SCH File Name"), this), "Label2", 16, 288), scheduleNameEdit_);
    writeScheduleButton_ = place(new QPushButton(QStringLiteral("Create .SCH"), this), "Button2", 232, 280, 75, 25);
    writeScheduleButton_->setToolTip(QStringLiteral("Create PVX schedule file"));
    connect(writeScheduleButton_, &QPushButton::clicked, this, &MainWindow::onWriteSchedule);

    seasonView_ = place(new QTreeView(this), "ListView1", 16, 336, 297, 97);
    caption(place(new QLabel(QStringLiteral("Schedule Data"), this), "Label1", 16, 320), seasonView_);
    seasonView_->setRootIsDecorated(false);
    seasonView_->setUniformRowHeights(true);
    seasonView_->setItemsExpandable(false);
    seasonView_->setAllColumnsShowFocus(true);
    seasonView_->setModel(seasonModel_);
    seasonView_->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::DoubleClicked);
    seasonView_->header()->setStretchLastSection(false);
    seasonView_->header()->setSectionsMovable(false);
    const int widths[] = {70, 75, 75, 50};
    for (int column = 0; column < 4; ++column)
        seasonView_->header()->resizeSection(column, widths[column]);

    progressBar_ = place(new QProgressBar(this), "ProgressBar1", 16, 456, 297, 16);
    caption(place(new QLabel(QStringLiteral("Setup Progress"), this), "Label3", 16, 440), progressBar_);
    progressBar_->setRange(0, kProgressRange);
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);

    QWidget* order[] = {openSeasonButton_, writeScheduleButton_, scheduleNameEdit_, seasonView_, compileButton_,
                        yearSpin_,        dataFileNameEdit_,    startDateEdit_,    endDateEdit_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MainWindow::buildTeamPanel()
{
    teamTableView_ = place(new QListView(this), "ListBox3", 352, 24, 201, 385);
    auto* tableCaption = caption(place(new QLabel(QStringLiteral("Rota.ini"), this), "Label8", 352, 8), teamTableView_);
    teamTableView_->setModel(teamTableModel_);
    teamTableView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    teamTableView_->setUniformItemSizes(true);
    connect(teamTableView_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &MainWindow::onTeamEntryChosen);
    // A click on the entry already current chooses it again (the box may
    // have been edited meanwhile).
    connect(teamTableView_, &QListView::clicked, this, &MainWindow::onTeamEntryChosen);

    teamKeyLabel_ = place(new QLabel(this), "Label9", 352, 420, 48, 13);
    teamNameEdit_ = place(makeEdit(this, kTeamNameLength), "Edit3", 405, 416, 81, 21);
    teamKeyLabel_->setBuddy(teamNameEdit_);
    teamNameEdit_->setAccessibleName(QStringLiteral("Team name"));
    auto* setButton = place(new QPushButton(QStringLiteral("Set"), this), "Button4", 496, 416, 59, 21);
    connect(setButton, &QPushButton::clicked, this, &MainWindow::onSetTeamName);
    connect(teamNameEdit_, &QLineEdit::returnPressed, this, &MainWindow::onSetTeamName);
    auto* okButton = place(new QPushButton(QStringLiteral("OK"), this), "Button5", 352, 448, 97, 25);
    connect(okButton, &QPushButton::clicked, this, &MainWindow::onSaveTeamTable);
    auto* cancelButton = place(new QPushButton(QStringLiteral("Cancel"), this), "Button6", 456, 448, 97, 25);
    connect(cancelButton, &QPushButton::clicked, this, &MainWindow::onCancelTeamTable);

    teamPanel_ = {tableCaption, teamTableView_, teamKeyLabel_, teamNameEdit_, setButton, okButton, cancelButton};
    QWidget* order[] = {endDateEdit_, teamTableView_, teamNameEdit_, setButton, okButton, cancelButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    // Out of sight and out of the tab order until a load asks for names.
    for (QWidget* widget : teamPanel_)
        widget->hide();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        savedLeft_ = pos().x();
}

void MainWindow::setClientWidth(int width)
{
    setFixedSize(width, kClientHeight);
}

void MainWindow::refreshControls()
{
    const rota::ControlStates c = session_.controls();
    compileButton_->setEnabled(c.compileData);
    for (QWidget* setting : {static_cast<QWidget*>(yearSpin_), static_cast<QWidget*>(dataFileNameEdit_),
                             static_cast<QWidget*>(startDateEdit_), static_cast<QWidget*>(endDateEdit_)})
        setting->setEnabled(c.gameDataSettings);
    leagueGroup_->setEnabled(true);
    openSeasonButton_->setEnabled(c.openSeason);
    writeScheduleButton_->setEnabled(c.writeSchedule);
    scheduleNameEdit_->setEnabled(c.writeSchedule);
    leagueHintLabel_->setVisible(c.leagueHint);
}

rota::LoadSettings MainWindow::loadSettings() const
{
    return {static_cast<rota::LeagueOption>(leagueGroup_->itemIndex()), yearSpin_->value()};
}

rota::Progress MainWindow::progressBarUpdater()
{
    return [this](std::size_t done, std::size_t total) {
        progressBar_->setValue(rota::progressOf(done, total, kProgressRange));
    };
}

void MainWindow::showMessage(const std::string& text)
{
    prompts_.message(this, localText(text));
}

void MainWindow::onDataTypeChosen()
{
    if (session_.chooseDataType(static_cast<rota::DataType>(dataTypeGroup_->itemIndex())))
        refreshControls();
}

void MainWindow::onAbout()
{
    if (!about_)
        return;
    about_->centreOver(this);
    about_->exec();
}

void MainWindow::onOpenSeason()
{
    if (commandRunning_)
        return;
    CommandGuard guard(commandRunning_);
    const QString file = prompts_.openFileName(this, localText(session_.programFolder()),
                                               seasonFileFilters(session_.dataType()));
    if (file.isEmpty())
        return; // a cancel keeps the season and the state as they were
    showLoadOutcome(session_.openSeason(localBytes(file), loadSettings(), progressBarUpdater()));
}

void MainWindow::showLoadOutcome(const rota::Outcome& outcome)
{
    seasonModel_->reload();
    progressBar_->setValue(0);
    if (!outcome.message.empty())
        showMessage(outcome.message);
    if (outcome.done() && !session_.missingTeams().empty())
        openTeamPanel();
    refreshControls();
}

void MainWindow::onWriteSchedule()
{
    if (commandRunning_)
        return;
    CommandGuard guard(commandRunning_);
    const std::string name = toLatin1(scheduleNameEdit_->text());
    const QString title = QStringLiteral("Creating ") + fromLatin1(name) + QStringLiteral(".sch - ");
    int shownPercent = -1;
    const rota::Outcome outcome = session_.writeSchedule(name, [&](std::size_t done, std::size_t total) {
        const int percent = rota::progressOf(done, total, 100);
        if (percent != shownPercent) {
            setWindowTitle(title + QString::number(percent) + QStringLiteral("% Complete"));
            shownPercent = percent;
        }
        progressBar_->setValue(rota::progressOf(done, total, kProgressRange));
    });
    if (!outcome.message.empty())
        showMessage(outcome.message);
    // After a failed write the bar shows how far it got.
    if (outcome.kind != rota::Outcome::Kind::Failed)
        progressBar_->setValue(0);
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    refreshControls();
}

void MainWindow::onCompileData()
{
    if (commandRunning_)
        return;
    CommandGuard guard(commandRunning_);
    rota::CompileInput input;
    input.dataFileName = toLatin1(dataFileNameEdit_->text());
    input.startDate = maskedDateText(startDateEdit_);
    input.endDate = maskedDateText(endDateEdit_);
    input.year = yearSpin_->value();
    input.league = static_cast<rota::LeagueOption>(leagueGroup_->itemIndex());
    rota::Outcome outcome;
    {
        WaitCursor wait;
        outcome = session_.compileData(input, *batchOutput_);
    }
    if (!outcome.message.empty())
        showMessage(outcome.message);
    refreshControls();
}

void MainWindow::openTeamPanel()
{
    const rota::Outcome outcome = session_.loadTeamTable();
    teamTableModel_->reload();
    chosenTeamEntry_.reset();
    teamKeyLabel_->clear();
    teamNameEdit_->clear();
    if (!outcome.done()) {
        prompts_.error(this, localText(outcome.message));
        return;
    }
    for (QWidget* widget : teamPanel_)
        widget->show();
    setClientWidth(kPanelClientWidth);
    move(savedLeft_ - kPanelShift, pos().y());
}

void MainWindow::closeTeamPanel()
{
    for (QWidget* widget : teamPanel_)
        widget->hide();
    setClientWidth(kClientWidth);
    move(savedLeft_, pos().y());
}

void MainWindow::onTeamEntryChosen(const QModelIndex& current)
{
    if (commandRunning_ || !current.isValid())
        return;
    const auto entry = session_.teamTable().entryAt(static_cast<std::size_t>(current.row()));
    if (!entry)
        return; // a header or blank line: the label and box keep what they show
    chosenTeamEntry_ = entry;
    teamKeyLabel_->setText(fromLatin1(entry->key + "="));
    // A stored name longer than the box takes is shown whole, never cut.
    teamNameEdit_->setMaxLength(std::max<int>(kTeamNameLength, static_cast<int>(entry->value.size())));
    teamNameEdit_->setText(fromLatin1(entry->value));
    teamNameEdit_->setModified(false);
}

void MainWindow::onSetTeamName()
{
    if (commandRunning_ || !chosenTeamEntry_ || !teamNameEdit_->isModified())
        return;
    const rota::Outcome outcome =
        session_.setTeamName(chosenTeamEntry_->section, chosenTeamEntry_->key, toLatin1(teamNameEdit_->text()));
    if (!outcome.done()) {
        showMessage(outcome.message);
        return;
    }
    teamNameEdit_->setModified(false);
    teamTableModel_->reload();
    if (auto line = session_.teamTable().lineOf(chosenTeamEntry_->section, chosenTeamEntry_->key)) {
        QSignalBlocker quiet(teamTableView_->selectionModel());
        teamTableView_->setCurrentIndex(teamTableModel_->index(static_cast<int>(*line)));
    }
}

void MainWindow::onSaveTeamTable()
{
    if (commandRunning_)
        return;
    CommandGuard guard(commandRunning_);
    const rota::Outcome saved = session_.saveTeamTable();
    if (!saved.done()) {
        // The names could not be saved: the panel stays open with them.
        prompts_.error(this, localText(saved.message));
        return;
    }
    closeTeamPanel();
    showLoadOutcome(session_.reloadSeason(loadSettings(), progressBarUpdater()));
}

void MainWindow::onCancelTeamTable()
{
    if (commandRunning_)
        return;
    session_.discardTeamTableEdits();
    closeTeamPanel();
}
