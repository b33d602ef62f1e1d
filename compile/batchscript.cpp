#include "compile/batchscript.h"

#include <initializer_list>

namespace rota {

namespace {

std::string boxScoreRun(const BatchSettings& b, const std::string& eventFile, const std::string& output)
{
    const std::string& s = b.shortProgramDir;
    return s + "\\bgame -y " + b.yearText + " -s " + b.startKey + " -e " + b.endKey + " -dsp " + s + "\\data\\" +
           eventFile + " >> " + s + "\\data\\" + output;
}

// The event files of one league, the file they are joined into and the
// box-score tool's output for them.
struct LeagueFiles {
    const char* extension;
    const char* joined;
    const char* output;
};

constexpr LeagueFiles kAmerican{"eva", "data.run", "al.txt"};
constexpr LeagueFiles kNational{"evn", "data1.run", "nl.txt"};

// The block that joins each league's event files, runs the box-score tool
// on them, moves the result out as the data file and cleans up.
void appendLeagueBlock(std::vector<std::string>& lines, const BatchSettings& b,
                       std::initializer_list<LeagueFiles> leagues)
{
    const std::string& s = b.shortProgramDir;
    for (const LeagueFiles& league : leagues)
        lines.push_back(std::string("copy *.") + league.extension + " " + league.joined);
    lines.push_back("copy *.ros roster.rrr");
    lines.push_back("ren roster.rrr roster.ros");
    lines.push_back("move team" + b.yearText + " " + s + "\\");
    lines.push_back("cd ..");
    for (const LeagueFiles& league : leagues)
        lines.push_back(boxScoreRun(b, league.joined, league.output));
    lines.push_back("move team" + b.yearText + " " + s + "\\data\\");
    lines.push_back("cd data");
    lines.push_back("copy *.txt data.tx1");
    lines.push_back("ren data.tx1 " + b.dataFileName);
    lines.push_back("move " + b.dataFileName + " " + s + "\\");
    for (const LeagueFiles& league : leagues)
        lines.push_back(std::string("del ") + league.joined);
    lines.push_back("del roster.ros");
    for (const LeagueFiles& league : leagues)
        lines.push_back(std::string("del ") + league.output);
    for (const LeagueFiles& league : leagues)
        lines.push_back(std::string("del *.") + league.extension);
    lines.push_back("del *.ros");
    lines.push_back("del Team" + b.yearText);
    lines.push_back("cd .. ");
}

} // namespace

std::vector<std::string> composeBatch(const BatchSettings& settings)
{
    std::vector<std::string> lines{"cls", "cd " + settings.shortProgramDir + "\\data"};
    switch (settings.league) {
    case LeagueOption::American:
        appendLeagueBlock(lines, settings, {kAmerican});
        break;
    case LeagueOption::National:
        appendLeagueBlock(lines, settings, {kNational});
        break;
    case LeagueOption::AlNl:
        appendLeagueBlock(lines, settings, {kAmerican, kNational});
        break;
    case LeagueOption::Federal:
        break;
    }
    return lines;
}

} // namespace rota
