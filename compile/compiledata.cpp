#include "compile/compiledata.h"

#include "platform/batchrunner.h"
#include "platform/fileio.h"
#include "platform/shortpath.h"
#include "platform/textlines.h"

namespace rota {

std::string dateKey(const std::string& maskText)
{
    if (maskText.size() < 5)
        throw std::invalid_argument("the date \"" + maskText + "\" is shorter than MM/DD");
    return {maskText[0], maskText[1], maskText[3], maskText[4]};
}

bool keyConverts(const std::string& key)
{
    std::size_t i = 0;
    while (i < key.size() && key[i] == ' ')
        ++i;
    if (i == key.size())
        return false;
    for (; i < key.size(); ++i)
        if (key[i] < '0' || key[i] > '9')
            return false;
    return true;
}

bool isSafeDataFileName(const std::string& name)
{
    for (char c : name) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
                        c == '-';
        if (!ok)
            return false;
    }
    return true;
}

std::string compileInputProblem(const CompileInput& input)
{
    const std::string startKey = dateKey(input.startDate);
    const std::string endKey = dateKey(input.endDate);
    if (input.dataFileName.empty())
        return kNoFileNameMessage;
    if (!isSafeDataFileName(input.dataFileName))
        return kBadFileNameMessage;
    if (!keyConverts(startKey))
        return kBadStartDateMessage;
    if (!keyConverts(endKey))
        return kBadEndDateMessage;
    return {};
}

std::string programDirProblem(const std::string& shortProgramDir)
{
    if (shortProgramDir.empty())
        return "The short form of the program folder's path could not be found, so the batch file cannot "
               "name it.";
    if (shortProgramDir.find_first_of(" \t&|<>^%\"") != std::string::npos)
        return "The program folder \"" + shortProgramDir +
               "\" has a blank or one of the characters & | < > ^ % \" in its path, which the batch file "
               "cannot pass to its commands. Move the program to a folder whose path has none of them.";
    return {};
}

BatchSettings batchSettingsFor(const CompileInput& input, const std::string& shortProgramDir)
{
    BatchSettings settings;
    settings.shortProgramDir = shortProgramDir;
    settings.yearText = std::to_string(input.year);
    settings.startKey = dateKey(input.startDate);
    settings.endKey = dateKey(input.endDate);
    settings.dataFileName = input.dataFileName + ".txt";
    settings.leagueIndex = input.leagueIndex;
    return settings;
}

std::string missingDataFileMessage(const std::string& dataFileName, const std::string& programDir)
{
    return "The data file \"" + dataFileName + "\" was not made in \"" + programDir +
           "\". Put the season's event files (.EVA, .EVN), roster files (.ROS) and team file in the \"data\" "
           "folder there, check that the box-score tool bgame is in the program folder, and compile again.";
}

bool compileSeason(const std::string& programDir, const CompileInput& input, std::ostream& diagnostics)
{
    const BatchSettings settings = batchSettingsFor(input, shortPathName(programDir));
    const std::string batchPath = joinPath(programDir, kBatchFileName);
    saveLines(batchPath, composeBatch(settings));
    runBatchFile(batchPath, programDir, diagnostics);
    return pathExists(joinPath(programDir, settings.dataFileName));
}

} // namespace rota
