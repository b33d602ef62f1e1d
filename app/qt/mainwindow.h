// The main window in Qt: the form's controls, each event handed to the
// form's handlers, which do the work through the session. Controls carry
// their component names as Qt object names ("Button1", ...) so tests and
// accessibility tools find them.
#pragma once

#include "app/form/mainform.h"
#include "session/session.h"

#include <QHash>
#include <QWidget>

#include <memory>
#include <ostream>

class AboutWindow;
class LinesModel;
class QLineEdit;
class QListView;
class QProgressBar;
class QSpinBox;
class QTreeView;
class RadioGroup;
class SeasonModel;

class MainWindow : public QWidget, private rota::form::MainView {
    Q_OBJECT
public:
    // `prompts` answers the message boxes and the open dialog; `about` is
    // the About window shown by "?" (may be null). The batch run's
    // complaints go to `batchOutput`, as a command interpreter's console
    // would show them.
    MainWindow(rota::Session& session, rota::form::Prompts& prompts, AboutWindow* about = nullptr,
               std::ostream* batchOutput = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    void setAbout(AboutWindow* about) { about_ = about; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void connectControls();
    void onAbout();
    template <typename W>
    W* control(const char* name) const;

    // MainView
    int dataTypeIndex() const override;
    int leagueIndex() const override;
    int year() const override;
    std::string text(const char* controlName) const override;
    bool teamNameEdited() const override;
    void setControlStates(const rota::ControlStates& states) override;
    void setTitle(const std::string& title) override;
    void setProgress(int value) override;
    void setBusy(bool busy) override;
    void showGames(const std::vector<std::size_t>& selected) override;
    void showTeamPanel(bool open) override;
    void showTeamLines(std::optional<std::size_t> current) override;
    void showTeamEntry(const std::string& label, const std::string& name, int maxLength) override;

    AboutWindow* about_;
    SeasonModel* seasonModel_;
    LinesModel* teamTableModel_;
    std::unique_ptr<rota::form::MainForm> form_;
    QHash<QString, QWidget*> controls_;
    QList<QWidget*> teamPanel_;
    int savedLeft_ = 0;

    RadioGroup* dataTypeGroup_ = nullptr;
    RadioGroup* leagueGroup_ = nullptr;
    QSpinBox* yearSpin_ = nullptr;
    QLineEdit* teamNameEdit_ = nullptr;
    QTreeView* seasonView_ = nullptr;
    QListView* teamTableView_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
};
