// What the main window does, whatever toolkit draws it: each handler reads
// the settings from the window, hands one command to the session, and shows
// its outcome through the window and the prompts. A toolkit's window
// implements MainView and calls a handler for each control's event.
#pragma once

#include "app/form/prompts.h"
#include "config/teamtable.h"
#include "session/session.h"

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace rota::form {

// The main window as the handlers see it. Texts are Latin-1 byte strings.
class MainView {
public:
    virtual ~MainView() = default;

    // What the user set.
    virtual int dataTypeIndex() const = 0; // "Retrosheet Data Type"
    virtual int leagueIndex() const = 0;   // "League"
    virtual int year() const = 0;          // "Select Year"
    // The text of an edit box; of a date box, as shown ("0_/15").
    virtual std::string text(const char* controlName) const = 0;
    // True when the user typed into the team name box since it was last filled.
    virtual bool teamNameEdited() const = 0;

    // What the window shows.
    virtual void setControlStates(const ControlStates& states) = 0;
    virtual void setTitle(const std::string& title) = 0;
    virtual void setProgress(int value) = 0; // 0 to kProgressRange
    virtual void setBusy(bool busy) = 0;     // the wait cursor
    // The session's game list was replaced as a whole; `selected` rows are
    // selected, the first of them shown.
    virtual void showGames(const std::vector<std::size_t>& selected = {}) = 0;
    // Widens the window for the "Rota.ini" panel and shows it, or closes it.
    virtual void showTeamPanel(bool open) = 0;
    // The team table's lines were replaced; `current` is the line to mark
    // (which is no choice of the user's: onTeamLineChosen does not follow).
    virtual void showTeamLines(std::optional<std::size_t> current = {}) = 0;
    // Fills the label and name box of the entry chosen; the box takes at
    // least `maxLength` characters.
    virtual void showTeamEntry(const std::string& label, const std::string& name, int maxLength) = 0;
};

class MainForm {
public:
    // The batch run's complaints go to `batchOutput`, as a command
    // interpreter's console would show them.
    MainForm(Session& session, Prompts& prompts, MainView& view, std::ostream& batchOutput);

    // Sets the controls as the session's state has them.
    void refreshControls();

    // A click on the push button of that component name ("Button1": Open
    // Season, ...); other names are passed over.
    void onButtonClicked(std::string_view name);

    void onDataTypeChosen();
    void onOpenSeason(); // also a click on "Select Year"
    void onWriteSchedule();
    void onCompileData();
    // The panel's current line changed, or a line was clicked.
    void onTeamLineChosen(std::size_t line);
    void onSetTeamName(); // "Set", or Enter in the name box
    void onSaveTeamTable();
    void onCancelTeamTable();
    // The user typed `date` over the date of game `row`; the game moves to
    // its place by date. Returns its new row.
    std::size_t onGameDateEdited(std::size_t row, std::string date);

private:
    LoadSettings loadSettings() const;
    Progress progressBarUpdater();
    void showLoadOutcome(const Outcome& outcome);
    // Offers to move games off the crowded dates that are among the reasons
    // of a refused write; returns true when it asked.
    bool offerToFitCrowdedDates(const Outcome& refusal);
    void say(const Outcome& outcome);
    void openTeamPanel();
    void closeTeamPanel();

    Session& session_;
    Prompts& prompts_;
    MainView& view_;
    std::ostream& batchOutput_;
    std::optional<TeamEntry> chosenTeamEntry_;
    bool commandRunning_ = false;
};

} // namespace rota::form
