#include "app/form/mainform.h"

#include "app/form/form.h"
#include "common/ascii.h"

#include <algorithm>

namespace rota::form {

namespace {

// Holds other commands off while one runs: a message box's own event loop
// must not start a second command.
class CommandGuard {
public:
    explicit CommandGuard(bool& running) : running_(running) { running_ = true; }
    ~CommandGuard() { running_ = false; }
    CommandGuard(const CommandGuard&) = delete;
    CommandGuard& operator=(const CommandGuard&) = delete;

private:
    bool& running_;
};

// The "MM/DD" text of a date box as shown, an unfilled place ("_") read as
// a blank.
std::string dateOfMaskedText(std::string shown)
{
    std::replace(shown.begin(), shown.end(), '_', ' ');
    return shown;
}

} // namespace

MainForm::MainForm(Session& session, Prompts& prompts, MainView& view, std::ostream& batchOutput)
    : session_(session), prompts_(prompts), view_(view), batchOutput_(batchOutput)
{
}

void MainForm::refreshControls()
{
    view_.setControlStates(session_.controls());
}

LoadSettings MainForm::loadSettings() const
{
    return {static_cast<LeagueOption>(view_.leagueIndex()), view_.year()};
}

Progress MainForm::progressBarUpdater()
{
    return [this](std::size_t done, std::size_t total) { view_.setProgress(progressOf(done, total, kProgressRange)); };
}

void MainForm::say(const Outcome& outcome)
{
    if (outcome.saysAnything())
        prompts_.message(messageText(outcome));
}

void MainForm::onButtonClicked(std::string_view name)
{
    const std::pair<const char*, void (MainForm::*)()> buttons[] = {
        {name::openSeason, &MainForm::onOpenSeason},       {name::writeSchedule, &MainForm::onWriteSchedule},
        {name::compileData, &MainForm::onCompileData},     {name::setTeamName, &MainForm::onSetTeamName},
        {name::saveTeamTable, &MainForm::onSaveTeamTable}, {name::cancelTeamTable, &MainForm::onCancelTeamTable},
    };
    for (const auto& [button, handler] : buttons)
        if (name == button)
            (this->*handler)();
}

void MainForm::onDataTypeChosen()
{
    if (session_.chooseDataType(static_cast<DataType>(view_.dataTypeIndex())))
        refreshControls();
}

void MainForm::onOpenSeason()
{
    if (commandRunning_)
        return;
    CommandGuard guard(commandRunning_);
    const auto file = prompts_.openFileName(session_.programFolder(), seasonFileKinds(session_.dataType()));
    if (!file)
        return; // a cancel keeps the season and the state as they were
    showLoadOutcome(session_.openSeason(*file, loadSettings(), progressBarUpdater()));
}

void MainForm::showLoadOutcome(const Outcome& outcome)
{
    view_.showGames();
    view_.setProgress(0);
    say(outcome);
    if (outcome.done() && !session_.missingTeams().empty())
        openTeamPanel();
    refreshControls();
}

void MainForm::onWriteSchedule()
{
    if (commandRunning_)
        return;
    CommandGuard guard(commandRunning_);
    const std::string name = view_.text(name::scheduleName);
    int shownPercent = -1;
    const Outcome outcome = session_.writeSchedule(name, [&](std::size_t done, std::size_t total) {
        if (const int percent = progressOf(done, total, 100); percent != shownPercent) {
            view_.setTitle(writingTitle(name, percent));
            shownPercent = percent;
        }
        view_.setProgress(progressOf(done, total, kProgressRange));
    });
    if (!offerToFitCrowdedDates(outcome))
        say(outcome);
    // After a failed write the bar shows how far it got.
    if (outcome.kind != Outcome::Kind::Failed)
        view_.setProgress(0);
    view_.setTitle(kApplicationTitle);
    refreshControls();
}

bool MainForm::offerToFitCrowdedDates(const Outcome& refusal)
{
    // A refusal for the file format's limits lists its problems as items.
    if (refusal.kind != Outcome::Kind::Refused || refusal.items.empty())
        return false;
    const std::vector<CrowdedDate> crowded = crowdedDates(session_.games().rows());
    if (crowded.empty())
        return false;
    const bool one = crowded.size() == 1;
    const std::string question = messageText(refusal) + "\n\nMove the extra games of the " + (one ? "date" : "dates") +
                                 " with more than " + std::to_string(kGamesPerDate) +
                                 " games to the nearest days on which neither team plays? The games moved are "
                                 "selected in the list; press Create .SCH again to write the season.";
    if (!prompts_.ask(question))
        return true;
    const FitReport report = session_.fitCrowdedDates();
    std::vector<std::size_t> moved;
    for (const MovedGame& move : report.moves)
        moved.push_back(move.index);
    view_.showGames(moved);
    if (!report.fits()) {
        std::string dates;
        for (const CrowdedDate& date : report.stuck)
            dates += "\n" + date.date + ": " + std::to_string(date.games) + " games";
        prompts_.message("None of the games of these dates can move to a nearby day that has room and on which "
                         "neither of its teams plays; edit their dates in the list:\n" +
                         dates);
    }
    return true;
}

void MainForm::onCompileData()
{
    if (commandRunning_)
        return;
    CommandGuard guard(commandRunning_);
    CompileInput input;
    input.dataFileName = view_.text(name::dataFileName);
    input.startDate = dateOfMaskedText(view_.text(name::startDate));
    input.endDate = dateOfMaskedText(view_.text(name::endDate));
    input.year = view_.year();
    input.league = static_cast<LeagueOption>(view_.leagueIndex());
    view_.setBusy(true);
    const Outcome outcome = session_.compileData(input, batchOutput_);
    view_.setBusy(false);
    say(outcome);
    refreshControls();
}

void MainForm::openTeamPanel()
{
    const Outcome outcome = session_.loadTeamTable();
    view_.showTeamLines();
    chosenTeamEntry_.reset();
    view_.showTeamEntry({}, {}, kTeamNameLength);
    if (!outcome.done()) {
        prompts_.error(errorBoxText(messageText(outcome)));
        return;
    }
    view_.showTeamPanel(true);
}

void MainForm::closeTeamPanel()
{
    view_.showTeamPanel(false);
}

void MainForm::onTeamLineChosen(std::size_t line)
{
    if (commandRunning_)
        return;
    const auto entry = session_.teamTable().entryAt(line);
    if (!entry)
        return; // a header or blank line: the label and box keep what they show
    chosenTeamEntry_ = entry;
    // A stored name longer than the box takes is shown whole, never cut.
    view_.showTeamEntry(entry->key + "=", entry->value,
                        std::max<int>(kTeamNameLength, static_cast<int>(entry->value.size())));
}

void MainForm::onSetTeamName()
{
    if (commandRunning_ || !chosenTeamEntry_ || !view_.teamNameEdited())
        return;
    const std::string name = view_.text(name::teamName);
    const Outcome outcome = session_.setTeamName(chosenTeamEntry_->section, chosenTeamEntry_->key, name);
    if (!outcome.done()) {
        say(outcome);
        return;
    }
    chosenTeamEntry_->value = name;
    view_.showTeamLines(session_.teamTable().lineOf(chosenTeamEntry_->section, chosenTeamEntry_->key));
    view_.showTeamEntry(chosenTeamEntry_->key + "=", name, kTeamNameLength);
}

void MainForm::onSaveTeamTable()
{
    if (commandRunning_)
        return;
    CommandGuard guard(commandRunning_);
    const Outcome saved = session_.saveTeamTable();
    if (!saved.done()) {
        // The names could not be saved: the panel stays open with them.
        prompts_.error(errorBoxText(messageText(saved)));
        return;
    }
    closeTeamPanel();
    showLoadOutcome(session_.reloadSeason(loadSettings(), progressBarUpdater()));
}

std::size_t MainForm::onGameDateEdited(std::size_t row, std::string date)
{
    return session_.changeGameDate(row, std::move(date));
}

void MainForm::onCancelTeamTable()
{
    if (commandRunning_)
        return;
    session_.discardTeamTableEdits();
    closeTeamPanel();
}

} // namespace rota::form
