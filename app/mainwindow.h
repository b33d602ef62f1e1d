// The main window: the controls of one season's work, mapped onto a session
// that does the work. Each handler hands a command to the session and shows
// its outcome; which controls are enabled follows from the session's state.
// Controls carry their component names as Qt object names ("Button1", ...)
// so tests and accessibility tools find them.
#pragma once

#include "config/teamtable.h"
#include "session/session.h"

#include <QWidget>

#include <optional>
#include <ostream>

class AboutWindow;
class ClickableLabel;
class LinesModel;
class Prompts;
class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QToolButton;
class QTreeView;
class RadioGroup;
class SeasonModel;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // `prompts` answers the message boxes and the open dialog; `about` is
    // the About window shown by "?" (may be null). The batch run's
    // complaints go to `batchOutput`, as a command interpreter's console
    // would show them.
    MainWindow(rota::Session& session, Prompts& prompts, AboutWindow* about = nullptr,
               std::ostream* batchOutput = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    void setAbout(AboutWindow* about) { about_ = about; }

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void onDataTypeChosen();
    void onAbout();
    void onOpenSeason();
    void onWriteSchedule();
    void onCompileData();
    void onTeamEntryChosen(const QModelIndex& current);
    void onSetTeamName();
    void onSaveTeamTable();
    void onCancelTeamTable();

private:
    void buildControls();
    void buildTeamPanel();
    void refreshControls();
    rota::LoadSettings loadSettings() const;
    rota::Progress progressBarUpdater();
    void showLoadOutcome(const rota::Outcome& outcome);
    void showMessage(const std::string& text);
    void openTeamPanel();
    void closeTeamPanel();
    void setClientWidth(int width);

    rota::Session& session_;
    Prompts& prompts_;
    AboutWindow* about_;
    std::ostream* batchOutput_;
    SeasonModel* seasonModel_;
    LinesModel* teamTableModel_;
    std::optional<rota::TeamEntry> chosenTeamEntry_;
    int savedLeft_ = 0;
    bool commandRunning_ = false;

    RadioGroup* dataTypeGroup_;
    QToolButton* aboutButton_;
    ClickableLabel* selectYearLabel_;
    QSpinBox* yearSpin_;
    QLineEdit* dataFileNameEdit_;
    QLineEdit* startDateEdit_;
    QLineEdit* endDateEdit_;
    QPushButton* compileButton_;
    RadioGroup* leagueGroup_;
    QLabel* leagueHintLabel_;
    QPushButton* openSeasonButton_;
    QLineEdit* scheduleNameEdit_;
    QPushButton* writeScheduleButton_;
    QTreeView* seasonView_;
    QProgressBar* progressBar_;
    QList<QWidget*> teamPanel_;
    QListView* teamTableView_;
    QLabel* teamKeyLabel_;
    QLineEdit* teamNameEdit_;
};

// The "MM/DD" text of a masked date edit, an empty digit place read as a blank.
std::string maskedDateText(const QLineEdit* edit);
