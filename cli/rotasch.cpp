#include "cli/rotasch.h"

#include "common/ascii.h"
#include "common/vocabulary.h"
#include "compile/stagedcompile.h"
#include "platform/environment.h"
#include "platform/fileio.h"
#include "schedule/schreader.h"
#include "season/crowdeddates.h"
#include "season/filekind.h"
#include "session/session.h"
#include "version.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace rota::cli {

namespace {

struct ConvertOptions {
    std::vector<std::string> files;
    std::string type;
    std::string league = "ALNL";
    std::string config;
    std::string out;
    int year = 0;
    bool allowMissing = false;
    bool fit = false;
    bool quiet = false;
};

struct CompileOptions {
    std::string eventFolder;
    int year = 0;
    std::string from = "0401";
    std::string to = "1030";
    std::string out;
    std::string bgame;
    bool convert = false;
};

// An outcome on one line: "Data Error: line 3: x", and the items after the
// detail, joined with "; ".
std::string oneLine(const Outcome& outcome)
{
    std::string text = outcome.title;
    if (!outcome.detail.empty())
        text += (text.empty() ? "" : ": ") + outcome.detail;
    for (std::size_t i = 0; i < outcome.items.size(); ++i)
        text += (i == 0 ? (text.empty() ? "" : ": ") : "; ") + outcome.items[i];
    return text;
}

// Why `path` cannot be read as a season file ("no such file", "is a
// folder", "is not a regular file"), or "" when it is a regular file.
std::string notAFileProblem(const std::string& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found)
        return "no such file";
    if (error)
        return "cannot look at it: " + error.message();
    if (fs::is_directory(status))
        return "is a folder, not a file";
    if (!fs::is_regular_file(status))
        return "is not a regular file";
    return {};
}

// The first bytes of a file, enough to tell its kind.
std::string headOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string head(4096, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return head;
}

// Writes the name of every file to stderr after the first second of a long
// run on a terminal: "[3/120] GL1950.TXT".
class ProgressLine {
public:
    ProgressLine(const Console& console, std::size_t total, bool quiet)
        : console_(console), total_(total), show_(console.terminal && !quiet && total > 1),
          start_(std::chrono::steady_clock::now())
    {
    }
    ~ProgressLine()
    {
        if (shown_)
            console_.err << "\r\033[K" << std::flush;
    }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void at(std::size_t done, const std::string& file)
    {
        if (!show_ || std::chrono::steady_clock::now() - start_ < std::chrono::seconds(1))
            return;
        console_.err << "\r\033[K[" << done << "/" << total_ << "] " << file << std::flush;
        shown_ = true;
    }

    // Clears the line so that a message can stand on its own line.
    void clear()
    {
        if (shown_)
            console_.err << "\r\033[K";
    }

private:
    const Console& console_;
    std::size_t total_;
    bool show_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point start_;
};

class Converter {
public:
    Converter(const ConvertOptions& options, const Console& console) : options_(options), console_(console) {}

    int run()
    {
        const auto league = leagueOptionNamed(options_.league);
        std::optional<DataType> type;
        if (!options_.type.empty())
            type = dataTypeNamed(options_.type);
        if (!league || (!options_.type.empty() && !type))
            return usage("--league takes A, N, F or ALNL, and --type schedule, gamelogs or gamedata");
        const bool outIsFile = !options_.out.empty() && endsWithSch(options_.out);
        if (outIsFile && options_.files.size() > 1)
            return usage("--out names one .sch file, but " + std::to_string(options_.files.size()) +
                         " files were given: give a folder instead");

        std::vector<std::string> outputs;
        if (!planOutputs(outIsFile, outputs))
            return kSomethingFailed;

        Session session(defaultProgramFolder());
        if (!options_.config.empty()) {
            session.setConfigFile(options_.config);
        } else {
            // The program folder is made on first use, as the window's is.
            std::error_code error;
            fs::create_directories(session.programFolder(), error);
        }

        bool allDone = true;
        ProgressLine progress(console_, options_.files.size(), options_.quiet);
        for (std::size_t i = 0; i < options_.files.size(); ++i) {
            progress.at(i, options_.files[i]);
            std::string problem;
            try {
                problem = convertOne(session, options_.files[i], outputs[i], *league, type);
            } catch (const std::exception& error) {
                // Anything the session does not report itself (memory, say)
                // stops this file, not the run.
                problem = error.what();
            }
            if (!problem.empty()) {
                progress.clear();
                console_.err << "rotasch: " << options_.files[i] << ": " << problem << "\n";
                allDone = false;
            }
        }
        return allDone ? kAllDone : kSomethingFailed;
    }

private:
    static bool endsWithSch(const std::string& path)
    {
        return path.size() > 4 && equalsIgnoringCase(std::string_view(path).substr(path.size() - 4), ".sch");
    }

    int usage(const std::string& message)
    {
        console_.err << "rotasch convert: " << message << "\n";
        return kUsageError;
    }

    // Where each input's ".sch" goes; refuses names the game cannot read and
    // two inputs that would write the same file, before anything is written.
    bool planOutputs(bool outIsFile, std::vector<std::string>& outputs)
    {
        std::map<std::string, std::string> inputOf;
        bool ok = true;
        for (const std::string& file : options_.files) {
            fs::path output;
            if (outIsFile) {
                output = options_.out;
            } else {
                const std::string stem = fs::path(file).stem().string().substr(0, 8);
                const fs::path folder = options_.out.empty() ? fs::path(file).parent_path() : fs::path(options_.out);
                output = folder / (stem + ".sch");
            }
            const std::string name = output.stem().string();
            if (const std::string problem = scheduleNameProblem(name); !problem.empty()) {
                console_.err << "rotasch: " << output.string() << ": " << problem
                             << " The game reads names of up to 8 characters.\n";
                ok = false;
            }
            std::error_code error;
            const fs::path absolute = fs::absolute(output, error);
            const std::string key = upperCase((error ? output : absolute).lexically_normal().string());
            if (auto [at, added] = inputOf.try_emplace(key, file); !added) {
                console_.err << "rotasch: " << at->second << " and " << file << " would both write " << output.string()
                             << ": convert them one at a time, or give --out\n";
                ok = false;
            }
            outputs.push_back(output.string());
        }
        if (!ok)
            return false;
        if (!options_.out.empty() && !outIsFile) {
            std::error_code error;
            fs::create_directories(options_.out, error);
            if (error) {
                console_.err << "rotasch: cannot make the folder " << options_.out << ": " << error.message() << "\n";
                return false;
            }
        }
        return true;
    }

    // Converts one file; returns what went wrong, or "".
    std::string convertOne(Session& session, const std::string& file, const std::string& output, LeagueOption league,
                           std::optional<DataType> type)
    {
        if (const std::string problem = notAFileProblem(file); !problem.empty())
            return problem;
        const SeasonFileKind kind = recogniseSeasonFile(headOf(file));
        if (!type)
            type = kind.dataType;
        if (!type) {
            return "cannot tell what kind of Retrosheet file this is: " + kind.reason +
                   ". Say it with --type schedule, gamelogs or gamedata";
        }
        int year = options_.year;
        if (year == 0)
            year = yearInFileName(fs::path(file).filename().string()).value_or(0);
        if (year == 0 && kind.needsYear)
            return "the file's layout carries no year, and its name has none: give it with --year YYYY";

        session.chooseDataType(*type);
        Outcome outcome = session.openSeason(file, {league, year == 0 ? 1900 : year});
        if (!outcome.done())
            return oneLine(outcome);
        if (!session.missingTeams().empty() && !options_.allowMissing) {
            std::string keys;
            for (const std::string& key : session.missingTeams())
                keys += (keys.empty() ? "" : ", ") + key;
            return std::to_string(session.missingTeams().size()) + " teams have no name in [" + session.teamSection() +
                   "] of " + session.configFile() + ": " + keys +
                   ". Name them there (or in the window's panel), or give --allow-missing";
        }
        FitReport fit;
        if (options_.fit) {
            fit = session.fitCrowdedDates();
            if (!fit.fits())
                return crowdedMessage(fit.stuck) + ", and none of the games of " +
                       (fit.stuck.size() == 1 ? "that date" : "those dates") +
                       " can move to a nearby day that has room and on which neither of its teams plays";
        } else if (const auto crowded = crowdedDates(session.games().rows()); !crowded.empty()) {
            return crowdedMessage(crowded) + ": --fit moves the extra games to nearby days";
        }
        outcome = session.writeScheduleTo(output);
        if (!outcome.done())
            return oneLine(outcome);
        if (!options_.quiet) {
            for (const MovedGame& move : fit.moves)
                console_.out << file << ": moved " << move.visitor << " at " << move.home << " from " << move.from
                             << " to " << move.to << "\n";
            console_.out << file << " -> " << output << " (" << session.games().size() << " games)\n";
        }
        return {};
    }

    // "07/08/00 (16 games) has more games than the 15 ...".
    static std::string crowdedMessage(const std::vector<CrowdedDate>& crowded)
    {
        std::string dates;
        for (const CrowdedDate& date : crowded)
            dates += (dates.empty() ? "" : ", ") + date.date + " (" + std::to_string(date.games) + " games)";
        return dates + (crowded.size() == 1 ? " has" : " have") + " more games than the " +
               std::to_string(kGamesPerDate) + " a .sch day holds";
    }

    const ConvertOptions& options_;
    const Console& console_;
};

int compile(const CompileOptions& options, ConvertOptions convertOptions, const Console& console)
{
    const auto fail = [&](const std::string& message) {
        console.err << "rotasch: " << message << "\n";
        return kSomethingFailed;
    };
    const auto league = leagueOptionNamed(convertOptions.league);
    if (!league)
        return console.err << "rotasch compile: --league takes A, N, F or ALNL\n", kUsageError;
    for (const std::string* date : {&options.from, &options.to})
        if (date->size() != 4 || !allDigits(*date))
            return console.err << "rotasch compile: --from and --to take MMDD, such as 0401\n", kUsageError;
    const std::string out = options.out.empty() ? std::to_string(options.year) + ".txt" : options.out;
    const EventFolderCompile run{
        options.eventFolder, findBoxScoreTool(options.bgame), out, options.from, options.to, options.year, *league};
    if (run.boxScoreTool.empty())
        return fail("the box-score tool " + std::string(boxScoreToolName()) + " is not in " + defaultProgramFolder() +
                    (options.bgame.empty() ? std::string() : " (" + options.bgame + " is no file)") +
                    ": put Retrosheet's tool there, or name it with --bgame");
    std::ostringstream complaints;
    try {
        compileEventFolder(run, complaints);
    } catch (const std::exception& error) {
        console.err << complaints.str();
        return fail(error.what());
    }
    if (!convertOptions.quiet)
        console.out << options.eventFolder << " -> " << out << "\n";
    if (!options.convert)
        return kAllDone;
    convertOptions.files = {out};
    convertOptions.type = "gamedata";
    return Converter(convertOptions, console).run();
}

int show(const std::string& file, const Console& console)
{
    try {
        console.out << formatScheduleTable(decodeScheduleFile(readFileBytes(file)));
    } catch (const std::exception& error) {
        console.err << "rotasch: " << file << ": " << error.what() << "\n";
        return kSomethingFailed;
    }
    return kAllDone;
}

void addConvertOptions(CLI::App& command, ConvertOptions& options, bool withType)
{
    if (withType)
        command.add_option("--type", options.type, "schedule, gamelogs or gamedata (default: told by the content)");
    command.add_option("--league", options.league, "A, N, F or ALNL: the games kept")->capture_default_str();
    command.add_option(
        "--config", options.config,
        std::string("the rota.ini whose team names are used (default: rota.ini in the program folder, ") +
            programFolderRule() + ")");
    command.add_flag("--allow-missing", options.allowMissing, "write seasons whose teams have no name yet");
    command.add_flag("--fit", options.fit,
                     "move games off dates with more than 15 (a .sch day's room) to the nearest days on which "
                     "neither team plays, and list them");
    command.add_flag("--quiet", options.quiet, "print only errors");
}

} // namespace

int run(const std::vector<std::string>& args, Console console)
{
    CLI::App app(std::string("Writes PVX schedule files (.sch) from Retrosheet's data. The program folder is ") +
                     programFolderRule() + ".",
                 "rotasch");
    app.set_version_flag("--version", ROTA_VERSION);
    app.require_subcommand(1);

    ConvertOptions convertOptions;
    CLI::App* convert = app.add_subcommand("convert", "write the .sch file of each Retrosheet file");
    convert->add_option("FILE", convertOptions.files, "schedule, game-log or compiled game-data files")->required();
    addConvertOptions(*convert, convertOptions, true);
    convert->add_option("--year", convertOptions.year,
                        "season year, for files that carry none (default: from the file name)");
    convert->add_option("--out", convertOptions.out,
                        "a .sch file (one input), or a folder (default: beside each input, named after it)");

    CompileOptions compileOptions;
    ConvertOptions compileConvertOptions;
    CLI::App* compileCommand =
        app.add_subcommand("compile", "compile a season's event files into a data file, as Compile Data does");
    compileCommand->add_option("EVENT_FOLDER", compileOptions.eventFolder, "folder of the event, roster and team files")
        ->required();
    compileCommand->add_option("--year", compileOptions.year, "the season")->required()->check(CLI::Range(1870, 2100));
    compileCommand->add_option("--from", compileOptions.from, "first day, MMDD")->capture_default_str();
    compileCommand->add_option("--to", compileOptions.to, "last day, MMDD")->capture_default_str();
    compileCommand->add_option("--out", compileOptions.out, "the data file (default: YYYY.txt here)");
    compileCommand->add_option("--bgame", compileOptions.bgame, "the box-score tool (default: the program folder's)");
    compileCommand->add_flag("--convert", compileOptions.convert, "go on to write the .sch file beside the data file");
    addConvertOptions(*compileCommand, compileConvertOptions, false);

    std::string showFile;
    CLI::App* showCommand = app.add_subcommand("show", "print a .sch file as a table, or say where it is malformed");
    showCommand->add_option("FILE", showFile, "a .sch file")->required();

    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        app.parse(reversed);
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error, console.out, console.err);
        return status == 0 ? kAllDone : kUsageError;
    }
    if (convert->parsed())
        return Converter(convertOptions, console).run();
    if (compileCommand->parsed())
        return compile(compileOptions, compileConvertOptions, console);
    return show(showFile, console);
}

} // namespace rota::cli
