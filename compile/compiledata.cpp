#include "compile/compiledata.h"

#include "common/ascii.h"

#include "platform/batchrunner.h"
#include "platform/fileio.h"
#include "platform/shortpath.h"
#include "common/textlines.h"

#include <filesystem>

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
        if (!isAsciiDigit(key[i]))
            return false;
    return true;
}

bool isSafeDataFileName(const std::string& name)
{
    for (char c : name) {
        if (!isAsciiAlnum(c) && c != '_' && c != '-')
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
    // The batch file makes al.txt and nl.txt of its own in the same folder,
    // and Windows keeps the names of its devices.
    if (equalsIgnoringCase(input.dataFileName, "al") || equalsIgnoringCase(input.dataFileName, "nl") ||
        isWindowsDeviceName(input.dataFileName))
        return "The data file name \"" + input.dataFileName +
               "\" is taken: the batch file makes al.txt and nl.txt itself, and Windows keeps device names. "
               "Choose another.";
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
    settings.league = input.league;
    return settings;
}

std::string missingDataFileMessage(const std::string& dataFileName, const std::string& programDir)
{
    return "The data file \"" + dataFileName + "\" was not made in \"" + programDir +
           "\". Put the season's event files (.EVA, .EVN), roster files (.ROS) and team file in the \"data\" "
           "folder there, check that the box-score tool bgame is in the program folder, and compile again.";
}

namespace {

// True when the data file at `path` holds a game: the box-score tool writes
// a line of more than 120 characters for each. A run that found no event
// files still leaves a data file, made empty by the batch's redirections.
bool holdsGames(const std::string& path)
{
    try {
        LineReader lines = readFileLines(path);
        for (std::string_view line; lines.next(line);)
            if (line.size() > 120)
                return true;
    } catch (const FileError&) {
    }
    return false;
}

// Moves an earlier run's data file out of the way for the length of a run,
// and back when the run made no new one.
class EarlierDataFile {
public:
    explicit EarlierDataFile(std::string path) : path_(std::move(path)), aside_(path_ + ".previous")
    {
        std::error_code error;
        // A run that was killed left the file before it aside: it is put
        // back unless that run made a data file with games.
        if (std::filesystem::exists(aside_, error)) {
            setAside_ = true;
            settle(holdsGames(path_));
        }
        if (!std::filesystem::exists(path_, error))
            return;
        std::filesystem::rename(path_, aside_, error);
        if (error)
            throw FileError("Cannot set the earlier data file \"" + path_ + "\" aside: " + error.message());
        setAside_ = true;
    }
    // A run that stopped part-way (with an exception) is judged by what it left.
    ~EarlierDataFile()
    {
        if (setAside_)
            settle(holdsGames(path_));
    }

    // Drops the earlier file when the run made a data file with games, and
    // puts it back otherwise.
    void settle(bool runMadeGames)
    {
        if (!setAside_)
            return;
        setAside_ = false;
        std::error_code error;
        if (runMadeGames)
            std::filesystem::remove(aside_, error);
        else
            std::filesystem::rename(aside_, path_, error);
    }
    EarlierDataFile(const EarlierDataFile&) = delete;
    EarlierDataFile& operator=(const EarlierDataFile&) = delete;

private:
    std::string path_;
    std::string aside_;
    bool setAside_ = false;
};

} // namespace

bool compileSeason(const std::string& programDir, const CompileInput& input, std::ostream& diagnostics)
{
    const BatchSettings settings = batchSettingsFor(input, shortPathName(programDir));
    const std::string batchPath = (std::filesystem::path(programDir) / kBatchFileName).string();
    const std::string dataPath = (std::filesystem::path(programDir) / settings.dataFileName).string();
    writeFileAtomically(batchPath, joinLinesCrlf(composeBatch(settings)));
    EarlierDataFile earlier(dataPath);
    runBatchFile(batchPath, programDir, diagnostics);
    const bool madeGames = holdsGames(dataPath);
    earlier.settle(madeGames);
    return madeGames;
}

} // namespace rota
