#include "app/qt/mainwindow.h"

#include "app/form/form.h"
#include "app/qt/latin1.h"
#include "app/qt/aboutwindow.h"
#include "app/qt/appicon.h"
#include "app/qt/linesmodel.h"
#include "app/qt/seasonmodel.h"
#include "app/qt/widgets.h"

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

namespace form = rota::form;
using form::ControlKind;

namespace {

QWidget* makeControl(const form::Control& c, QWidget* parent)
{
    switch (c.kind) {
    case ControlKind::RadioGroup: {
        QStringList items;
        for (std::string_view item : c.items)
            items << fromLatin1(item);
        return new RadioGroup(fromLatin1(c.text), items, 2, parent);
    }
    case ControlKind::ToolButton: {
        auto* button = new QToolButton(parent);
        button->setText(fromLatin1(c.text));
        QFont font(QStringLiteral("Arial"));
        font.setBold(true);
        font.setPixelSize(form::kAboutButtonFontPixels);
        button->setFont(font);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(true);
        return button;
    }
    case ControlKind::Label:
    case ControlKind::FixedLabel: {
        auto* label = new QLabel(fromLatin1(c.text), parent);
        label->setWordWrap(c.kind == ControlKind::FixedLabel);
        return label;
    }
    case ControlKind::ClickLabel:
        return new ClickableLabel(fromLatin1(c.text), parent);
    case ControlKind::SpinBox: {
        auto* spin = new QSpinBox(parent);
        spin->setRange(form::kFirstYear, std::max(2005, QDate::currentDate().year()));
        spin->setValue(form::kDefaultYear);
        return spin;
    }
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(parent);
        edit->setMaxLength(c.maxLength);
        return edit;
    }
    case ControlKind::DateEdit: {
        auto* edit = new QLineEdit(parent);
        edit->setInputMask(QStringLiteral("00/00;_"));
        edit->setText(fromLatin1(c.text));
        return edit;
    }
    case ControlKind::Button:
        return new QPushButton(fromLatin1(c.text), parent);
    case ControlKind::GameList:
        return new QTreeView(parent);
    case ControlKind::LineList:
        return new QListView(parent);
    case ControlKind::ProgressBar: {
        auto* bar = new QProgressBar(parent);
        bar->setRange(0, form::kProgressRange);
        bar->setValue(0);
        bar->setTextVisible(false);
        return bar;
    }
    case ControlKind::Picture:
    case ControlKind::CreditsText:
        break;
    }
    return new QWidget(parent);
}

// Shows the wait cursor while the window is blocked.
void setWaitCursor(bool wait)
{
    if (wait)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

} // namespace

MainWindow::MainWindow(rota::Session& session, form::Prompts& prompts, AboutWindow* about, std::ostream* batchOutput,
                       QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      about_(about), seasonModel_(new SeasonModel(session, this)),
      teamTableModel_(new LinesModel(session.teamTable().lines(), this)),
      form_(std::make_unique<form::MainForm>(session, prompts, static_cast<form::MainView&>(*this),
                                             batchOutput ? *batchOutput : std::cerr))
{
    setObjectName(QString::fromLatin1(form::name::mainWindow));
    setWindowTitle(QString::fromLatin1(form::kApplicationTitle));
    setWindowIcon(appIcon());
    setFont(windowFont());
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    buildControls();
    dataTypeGroup_->setItemIndex(static_cast<int>(session.dataType()));
    connectControls();
    setFixedSize(form::kClientWidth, form::kClientHeight);
    savedLeft_ = pos().x();
    form_->refreshControls();
}

MainWindow::~MainWindow() = default;

template <typename W>
W* MainWindow::control(const char* name) const
{
    return qobject_cast<W*>(controls_.value(QString::fromLatin1(name)));
}

void MainWindow::buildControls()
{
    // The frame lines first, so that the captions on them are drawn above.
    for (const form::FrameLine& line : form::mainWindowFrameLines())
        makeBevel(this, line.place.left, line.place.top, line.place.width, line.place.height);

    // Creation order is the tab order.
    for (const form::Control& c : form::mainWindowControls()) {
        QWidget* widget = makeControl(c, this);
        widget->setObjectName(QString::fromLatin1(c.name));
        if (c.place.width == 0) {
            widget->adjustSize();
            widget->move(c.place.left, c.place.top);
        } else {
            widget->setGeometry(c.place.left, c.place.top, c.place.width, c.place.height);
        }
        if (!c.hint.empty())
            widget->setToolTip(fromLatin1(c.hint));
        if (c.teamPanel) {
            teamPanel_ << widget;
            widget->hide(); // out of sight and out of the tab order until a load asks for names
        }
        controls_.insert(widget->objectName(), widget);
    }
    // Each caption names its control for screen readers and keyboard users.
    for (const form::Control& c : form::mainWindowControls()) {
        if (!c.names)
            continue;
        auto* label = control<QLabel>(c.name);
        QWidget* named = controls_.value(QString::fromLatin1(c.names));
        label->setBuddy(named);
        named->setAccessibleName(label->text());
    }

    dataTypeGroup_ = control<RadioGroup>(form::name::dataType);
    leagueGroup_ = control<RadioGroup>(form::name::league);
    leagueGroup_->setItemIndex(static_cast<int>(rota::LeagueOption::AlNl));
    yearSpin_ = control<QSpinBox>(form::name::year);
    teamNameEdit_ = control<QLineEdit>(form::name::teamName);
    teamNameEdit_->setAccessibleName(QStringLiteral("Team name"));
    progressBar_ = control<QProgressBar>(form::name::progressBar);
    control<QToolButton>(form::name::about)->setAccessibleName(QStringLiteral("About this program"));

    // The caption sits on the frame line and hides it behind its text.
    auto* gameDataCaption = control<QLabel>(form::name::gameDataCaption);
    gameDataCaption->setBackgroundRole(QPalette::Button);
    gameDataCaption->setAutoFillBackground(true);

    seasonView_ = control<QTreeView>(form::name::seasonList);
    seasonView_->setRootIsDecorated(false);
    seasonView_->setUniformRowHeights(true);
    seasonView_->setItemsExpandable(false);
    seasonView_->setAllColumnsShowFocus(true);
    seasonView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    seasonView_->setModel(seasonModel_);
    seasonView_->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::DoubleClicked);
    seasonView_->header()->setStretchLastSection(false);
    seasonView_->header()->setSectionsMovable(false);
    int column = 0;
    for (const form::Column& c : form::seasonListColumns())
        seasonView_->header()->resizeSection(column++, c.width);

    teamTableView_ = control<QListView>(form::name::teamTable);
    teamTableView_->setModel(teamTableModel_);
    teamTableView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    teamTableView_->setUniformItemSizes(true);
}

void MainWindow::connectControls()
{
    form::MainForm* f = form_.get();
    connect(dataTypeGroup_, &RadioGroup::clicked, this, [f] { f->onDataTypeChosen(); });
    connect(control<QToolButton>(form::name::about), &QToolButton::clicked, this, &MainWindow::onAbout);
    connect(control<ClickableLabel>(form::name::selectYear), &ClickableLabel::clicked, this,
            [f] { f->onOpenSeason(); });
    for (QPushButton* button : findChildren<QPushButton*>()) {
        const std::string name = button->objectName().toStdString();
        connect(button, &QPushButton::clicked, this, [f, name] { f->onButtonClicked(name); });
    }
    connect(teamNameEdit_, &QLineEdit::returnPressed, this, [f] { f->onSetTeamName(); });

    const auto chooseLine = [f](const QModelIndex& index) {
        if (index.isValid())
            f->onTeamLineChosen(static_cast<std::size_t>(index.row()));
    };
    connect(teamTableView_->selectionModel(), &QItemSelectionModel::currentChanged, this, chooseLine);
    // A click on the line already current chooses it again (the box may
    // have been edited meanwhile).
    connect(teamTableView_, &QListView::clicked, this, chooseLine);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        savedLeft_ = pos().x();
}

void MainWindow::onAbout()
{
    if (!about_)
        return;
    about_->centreOver(this);
    about_->exec();
}

int MainWindow::dataTypeIndex() const
{
    return dataTypeGroup_->itemIndex();
}

int MainWindow::leagueIndex() const
{
    return leagueGroup_->itemIndex();
}

int MainWindow::year() const
{
    return yearSpin_->value();
}

std::string MainWindow::text(const char* controlName) const
{
    const auto* edit = control<QLineEdit>(controlName);
    return toLatin1(edit->inputMask().isEmpty() ? edit->text() : edit->displayText());
}

bool MainWindow::teamNameEdited() const
{
    return teamNameEdit_->isModified();
}

void MainWindow::setControlStates(const rota::ControlStates& states)
{
    const std::pair<const char*, bool> enabled[] = {
        {form::name::compileData, states.compileData},       {form::name::year, states.gameDataSettings},
        {form::name::dataFileName, states.gameDataSettings}, {form::name::startDate, states.gameDataSettings},
        {form::name::endDate, states.gameDataSettings},      {form::name::openSeason, states.openSeason},
        {form::name::writeSchedule, states.writeSchedule},   {form::name::scheduleName, states.writeSchedule},
    };
    for (const auto& [name, on] : enabled)
        controls_.value(QString::fromLatin1(name))->setEnabled(on);
    control<QLabel>(form::name::leagueHint)->setVisible(states.leagueHint);
}

void MainWindow::setTitle(const std::string& title)
{
    setWindowTitle(fromLatin1(title));
}

void MainWindow::setProgress(int value)
{
    progressBar_->setValue(value);
}

void MainWindow::setBusy(bool busy)
{
    setWaitCursor(busy);
}

void MainWindow::showGames(const std::vector<std::size_t>& selected)
{
    seasonModel_->reload();
    if (selected.empty())
        return;
    QItemSelection selection;
    for (std::size_t row : selected) {
        const int r = static_cast<int>(row);
        selection.select(seasonModel_->index(r, 0), seasonModel_->index(r, seasonModel_->columnCount() - 1));
    }
    seasonView_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    const QModelIndex first = seasonModel_->index(static_cast<int>(selected.front()), 0);
    seasonView_->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    seasonView_->scrollTo(first);
}

void MainWindow::showTeamPanel(bool open)
{
    for (QWidget* widget : teamPanel_)
        widget->setVisible(open);
    setFixedSize(open ? form::kPanelClientWidth : form::kClientWidth, form::kClientHeight);
    move(open ? savedLeft_ - form::kPanelShift : savedLeft_, pos().y());
}

void MainWindow::showTeamLines(std::optional<std::size_t> current)
{
    teamTableModel_->reload();
    if (current) {
        // Marking the line is no choice of the user's.
        QSignalBlocker quiet(teamTableView_->selectionModel());
        teamTableView_->setCurrentIndex(teamTableModel_->index(static_cast<int>(*current)));
    }
}

void MainWindow::showTeamEntry(const std::string& label, const std::string& name, int maxLength)
{
    control<QLabel>(form::name::teamKey)->setText(fromLatin1(label));
    teamNameEdit_->setMaxLength(maxLength);
    teamNameEdit_->setText(fromLatin1(name));
    teamNameEdit_->setModified(false);
}
