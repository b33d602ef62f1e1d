#include "compile/batchscript.h"

namespace rota {

namespace {

std::string boxScoreRun(const BatchSettings& b, const std::string& eventFile, const std::string& output)
{
    const std::string& s = b.shortProgramDir;
    return s + "\\bgame -y " + b.yearText + " -s " + b.startKey + " -e " + b.endKey + " -dsp " + s + "\\data\\" +
           eventFile + " >> " + s + "\\data\\" + output;
}

// One league's block: the AL block with "data.run", "al.txt" and "*.eva",
// or the NL block with "data1.run", "nl.txt" and "*.evn".
void appendLeagueBlock(std::vector<std::string>& lines, const BatchSettings& b, const std::string& joined,
                       const std::string& output, const std::string& extension)
{
    const std::string& s = b.shortProgramDir;
    lines.push_back("copy *." + extension + " " + joined);
    lines.push_back("copy *.ros roster.rrr");
    lines.push_back("ren roster.rrr roster.ros");
    lines.push_back("move team" + b.yearText + " " + s + "\\");
    lines.push_back("cd ..");
    lines.push_back(boxScoreRun(b, joined, output));
    lines.push_back("move team" + b.yearText + " " + s + "\\data\\");
    lines.push_back("cd data");
    lines.push_back("copy *.txt data.tx1");
    lines.push_back("ren data.tx1 " + b.dataFileName);
    lines.push_back("move " + b.dataFileName + " " + s + "\\");
    lines.push_back("del " + joined);
    lines.push_back("del roster.ros");
    lines.push_back("del " + output);
    lines.push_back("del *." + extension);
    lines.push_back("del *.ros");
    lines.push_back("del Team" + b.yearText);
    lines.push_back("cd .. ");
}

void appendTwoLeagueBlock(std::vector<std::string>& lines, const BatchSettings& b)
{
    const std::string& s = b.shortProgramDir;
    lines.push_back("copy *.eva data.run");
    lines.push_back("copy *.evn data1.run");
    lines.push_back("copy *.ros roster.rrr");
    lines.push_back("ren roster.rrr roster.ros");
    lines.push_back("move team" + b.yearText + " " + s + "\\");
    lines.push_back("cd ..");
    lines.push_back(boxScoreRun(b, "data.run", "al.txt"));
    lines.push_back(boxScoreRun(b, "data1.run", "nl.txt"));
    lines.push_back("move team" + b.yearText + " " + s + "\\data\\");
    lines.push_back("cd data");
    lines.push_back("copy *.txt data.tx1");
    lines.push_back("ren data.tx1 " + b.dataFileName);
    lines.push_back("move " + b.dataFileName + " " + s + "\\");
    lines.push_back("del data.run");
    lines.push_back("del data1.run");
    lines.push_back("del roster.ros");
    lines.push_back("del al.txt");
    lines.push_back("del nl.txt");
    lines.push_back("del *.eva");
    lines.push_back("del *.evn");
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
        appendLeagueBlock(lines, settings, "data.run", "al.txt", "eva");
        break;
    case LeagueOption::National:
        appendLeagueBlock(lines, settings, "data1.run", "nl.txt", "evn");
        break;
    case LeagueOption::AlNl:
        appendTwoLeagueBlock(lines, settings);
        break;
    case LeagueOption::Federal:
        break;
    }
    return lines;
}

} // namespace rota
