#include "compile/compiledata.h"

#include "common/ascii.h"
#include "compile/steprunner.h"

#include "platform/fileio.h"
#include "platform/program.h"
#include "platform/shortpath.h"
#include "common/textlines.h"

#include <filesystem>

namespace rota {

namespace {

// Characters 1, 2, 4 and 5 of a mask text "MM/DD": "04/01" gives "0401".
// Throws std::invalid_argument for a text shorter than five characters.
std::string dateKey(const std::string& maskText)
{
    if (maskText.size() < 5)
        throw std::invalid_argument("the date \"" + maskText + "\" is shorter than MM/DD");
    return {maskText[0], maskText[1], maskText[3], maskText[4]};
}

// True when `key` is zero or more blanks followed by one or more digits.
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

// True when `name` holds only letters, digits, "_" and "-".
bool isSafeDataFileName(const std::string& name)
{
    for (char c : name) {
        if (!isAsciiAlnum(c) && c != '_' && c != '-')
            return false;
    }
    return true;
}

} // namespace

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

std::string missingDataFileMessage(const std::string& dataFileName, const std::string& programDir)
{
    return "The data file \"" + dataFileName + "\" was not made in \"" + programDir +
           "\". Put the season's event files (.EVA, .EVN), roster files (.ROS) and team file in the \"data\" "
           "folder there, check that the box-score tool bgame is in the program folder, and compile again.";
}

namespace {

// True when the data file at `path` holds a game: a line of the box-score
// tool's output of kShortestGameLine characters or more. A run that found no
// event files still leaves a data file, made empty by the tool's redirected
// output.
bool holdsGames(const std::string& path)
{
    try {
        LineReader lines = readFileLines(path);
        for (std::string_view line; lines.next(line);)
            if (line.size() >= kShortestGameLine)
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

bool compileSeason(const std::string& programDir, const CompileSettings& settings, std::ostream& diagnostics)
{
    const std::vector<Step> steps = compileSteps(settings);
    const std::string batchPath = (std::filesystem::path(programDir) / kBatchFileName).string();
    const std::string dataPath = (std::filesystem::path(programDir) / (settings.dataFileName + ".txt")).string();
    writeFileAtomically(batchPath, joinLinesCrlf(batchLines(steps, shortPathName(programDir))));
    EarlierDataFile earlier(dataPath);
    if (const std::string interpreter = batchInterpreter(); !interpreter.empty()) {
        // The interpreter's exit status tells nothing of how the lines went.
        try {
            runProgram(interpreter, {"/c", batchPath}, programDir);
        } catch (const ProgramError& error) {
            diagnostics << error.what() << '\n';
        }
    } else {
        runSteps(steps, programDir, diagnostics);
    }
    const bool madeGames = holdsGames(dataPath);
    earlier.settle(madeGames);
    return madeGames;
}

bool compileSeason(const std::string& programDir, const CompileInput& input, std::ostream& diagnostics)
{
    const CompileSettings settings{input.dataFileName, dateKey(input.startDate), dateKey(input.endDate), input.year,
                                   input.league};
    return compileSeason(programDir, settings, diagnostics);
}

} // namespace rota
