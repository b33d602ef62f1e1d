#include "compile/stagedcompile.h"

#include "common/ascii.h"
#include "compile/compiledata.h"
#include "platform/environment.h"
#include "platform/fileio.h"
#include "platform/filelock.h"
#include "platform/shortpath.h"

#include <cstring>
#include <filesystem>
#include <memory>
#include <random>

namespace rota {

namespace fs = std::filesystem;

namespace {

// A folder of our own under the system's temporary folder, removed with
// everything in it when the object goes. While it exists its maker holds a
// lock on it, taken before the folder is made, so that the folders of
// compiles that were killed can be told from those of compiles under way.
class StagingFolder {
public:
    StagingFolder()
    {
        removeAbandoned();
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ = fs::temp_directory_path() / (std::string(kPrefix) + std::to_string(random()));
            lock_ = FileLock::tryExclusive(path_.string());
            if (lock_ && fs::create_directory(path_))
                return;
            lock_.reset();
        }
        throw FileError("Cannot make a staging folder in " + fs::temp_directory_path().string());
    }
    ~StagingFolder() { remove(path_, std::move(lock_)); }
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;
    const fs::path& path() const { return path_; }

private:
    static constexpr const char* kPrefix = "rotasch-";

    // Removes the folder at `path` and its lock file; `lock` is held until
    // the folder is gone.
    static void remove(const fs::path& path, std::unique_ptr<FileLock> lock)
    {
        std::error_code error;
        fs::remove_all(path, error);
        lock.reset();
        fs::remove(FileLock::lockFilePath(path.string()), error);
    }

    // Removes the staging folders (and lock files) of compiles that were
    // killed: those whose lock can be taken.
    static void removeAbandoned()
    {
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(fs::temp_directory_path(), error)) {
            std::string name = entry.path().filename().string();
            if (name.ends_with(".lock"))
                name.resize(name.size() - 5);
            if (!name.starts_with(kPrefix) || !allDigits(std::string_view(name).substr(std::strlen(kPrefix))))
                continue;
            const fs::path folder = entry.path().parent_path() / name;
            try {
                if (auto lock = FileLock::tryExclusive(folder.string()))
                    remove(folder, std::move(lock));
            } catch (const FileError&) {
                // Another user's, say: not ours to remove.
            }
        }
    }

    fs::path path_;
    std::unique_ptr<FileLock> lock_;
};

// True for the files of season `year` that the steps use: event files
// (YYYY*.EVA, YYYY*.EVN), roster files (*YYYY.ROS) and the team file TEAMYYYY.
bool isSeasonFile(const std::string& name, int year)
{
    const std::string upper = upperCase(name);
    const std::string y = std::to_string(year);
    if (upper.starts_with(y) && (upper.ends_with(".EVA") || upper.ends_with(".EVN")))
        return true;
    return upper.ends_with(y + ".ROS") || upper == "TEAM" + y;
}

} // namespace

std::string findBoxScoreTool(const std::string& given)
{
    std::error_code error;
    if (!given.empty())
        return fs::is_regular_file(given, error) ? given : std::string();
    const std::string installed = (fs::path(executableFolder()) / ".." / "lib" / "rotaschedule").string();
    for (const std::string& folder : {defaultProgramFolder(), executableFolder(), installed}) {
        const fs::path tool = fs::path(folder) / boxScoreToolName();
        if (!folder.empty() && fs::is_regular_file(tool, error))
            return tool.string();
    }
    return {};
}

void compileEventFolder(const EventFolderCompile& run, std::ostream& diagnostics)
{
    std::error_code error;
    if (!fs::is_directory(run.eventFolder, error))
        throw CompileError(run.eventFolder + ": no such folder" + (error ? " (" + error.message() + ")" : ""));
    StagingFolder staging;
    const fs::path home = staging.path();
    fs::create_directory(home / "data");
    int copied = 0;
    for (const auto& entry : fs::directory_iterator(run.eventFolder)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && isSeasonFile(name, run.year)) {
            fs::copy_file(entry.path(), home / "data" / name);
            ++copied;
        }
    }
    if (copied == 0)
        throw CompileError(run.eventFolder + ": holds no event, roster or team files of " + std::to_string(run.year));
    fs::copy_file(run.boxScoreTool, home / boxScoreToolName());
    fs::permissions(home / boxScoreToolName(), fs::perms::owner_all, fs::perm_options::add);

    if (const std::string problem = programDirProblem(shortPathName(home.string())); !problem.empty())
        throw CompileError(problem);
    const CompileSettings settings{"season", run.startKey, run.endKey, run.year, run.league};
    if (!compileSeason(home.string(), settings, diagnostics))
        throw CompileError(missingDataFileMessage("season.txt", home.string()));
    writeFileAtomically(run.dataFile, readFileBytes((home / "season.txt").string()));
}

} // namespace rota
