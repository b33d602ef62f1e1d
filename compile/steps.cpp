#include "compile/steps.h"

#include <initializer_list>

namespace rota {

namespace {

constexpr auto inProgramFolder = Place::inProgramFolder;
constexpr auto here = Place::here;

// The event files of one league, the file they are joined into and the
// box-score tool's output for them.
struct LeagueFiles {
    const char* events;
    const char* joined;
    const char* output;
};

constexpr LeagueFiles kAmerican{"*.eva", "data.run", "al.txt"};
constexpr LeagueFiles kNational{"*.evn", "data1.run", "nl.txt"};

// The block that joins each league's event files, runs the box-score tool
// on them, moves the result out as the data file and cleans up. The tool
// runs in the program folder, where it finds the team file.
void appendLeagueBlock(std::vector<Step>& steps, const CompileSettings& s, std::initializer_list<LeagueFiles> leagues)
{
    const std::string year = std::to_string(s.year);
    const std::string dataFile = s.dataFileName + ".txt";
    for (const LeagueFiles& league : leagues)
        steps.push_back(JoinFiles{league.events, league.joined});
    steps.push_back(JoinFiles{"*.ros", "roster.rrr"});
    steps.push_back(RenameFile{"roster.rrr", "roster.ros"});
    steps.push_back(MoveFile{"team" + year, inProgramFolder("")});
    steps.push_back(ChangeFolder{here("..")});
    for (const LeagueFiles& league : leagues)
        steps.push_back(RunBoxScore{year, s.startKey, s.endKey, inProgramFolder(std::string("data\\") + league.joined),
                                    inProgramFolder(std::string("data\\") + league.output)});
    steps.push_back(MoveFile{"team" + year, inProgramFolder("data")});
    steps.push_back(ChangeFolder{here("data")});
    steps.push_back(JoinFiles{"*.txt", "data.tx1"});
    steps.push_back(RenameFile{"data.tx1", dataFile});
    steps.push_back(MoveFile{dataFile, inProgramFolder("")});
    for (const LeagueFiles& league : leagues)
        steps.push_back(DeleteFiles{league.joined});
    steps.push_back(DeleteFiles{"roster.ros"});
    for (const LeagueFiles& league : leagues)
        steps.push_back(DeleteFiles{league.output});
    for (const LeagueFiles& league : leagues)
        steps.push_back(DeleteFiles{league.events});
    steps.push_back(DeleteFiles{"*.ros"});
    steps.push_back(DeleteFiles{"Team" + year});
    steps.push_back(ChangeFolder{here(".."), true});
}

template <typename... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <typename... F>
Overloaded(F...) -> Overloaded<F...>; // clang 14 deduces no aggregate's arguments

std::string batchLine(const Step& step, const std::string& s)
{
    const auto place = [&](const Place& p) {
        return !p.underProgramFolder ? p.path : p.path.empty() ? s : s + "\\" + p.path;
    };
    return std::visit(Overloaded{
                          [](const ClearScreen&) { return std::string("cls"); },
                          [&](const ChangeFolder& c) { return "cd " + place(c.folder) + (c.trailingBlank ? " " : ""); },
                          [](const JoinFiles& j) { return "copy " + j.files + " " + j.target; },
                          [](const RenameFile& r) { return "ren " + r.from + " " + r.to; },
                          [&](const MoveFile& m) { return "move " + m.file + " " + place(m.folder) + "\\"; },
                          [](const DeleteFiles& d) { return "del " + d.files; },
                          [&](const RunBoxScore& b) {
                              return place(inProgramFolder("bgame")) + " -y " + b.year + " -s " + b.startKey + " -e " +
                                     b.endKey + " -dsp " + place(b.events) + " >> " + place(b.output);
                          },
                      },
                      step);
}

} // namespace

std::vector<Step> compileSteps(const CompileSettings& settings)
{
    std::vector<Step> steps{ClearScreen{}, ChangeFolder{inProgramFolder("data")}};
    switch (settings.league) {
    case LeagueOption::American:
        appendLeagueBlock(steps, settings, {kAmerican});
        break;
    case LeagueOption::National:
        appendLeagueBlock(steps, settings, {kNational});
        break;
    case LeagueOption::AlNl:
        appendLeagueBlock(steps, settings, {kAmerican, kNational});
        break;
    case LeagueOption::Federal:
        break;
    }
    return steps;
}

std::vector<std::string> batchLines(const std::vector<Step>& steps, const std::string& shortProgramDir)
{
    std::vector<std::string> lines;
    for (const Step& step : steps)
        lines.push_back(batchLine(step, shortProgramDir));
    return lines;
}

} // namespace rota
