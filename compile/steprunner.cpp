#include "compile/steprunner.h"

#include "common/ascii.h"
#include "platform/environment.h"
#include "platform/fileio.h"
#include "platform/program.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

namespace rota {

namespace fs = std::filesystem;

namespace {

// A step that could not do its work; what() says why.
class StepError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// True when the file `name` is among `files`: a name, or "*." and an
// extension.
bool isAmong(const std::string& name, const std::string& files)
{
    if (!files.starts_with("*."))
        return equalsIgnoringCase(name, files);
    const std::string_view extension = std::string_view(files).substr(1);
    return name.size() >= extension.size() &&
           equalsIgnoringCase(std::string_view(name).substr(name.size() - extension.size()), extension);
}

// The regular files of `folder` among `files`, in name order without regard
// to case.
std::vector<fs::path> filesIn(const fs::path& folder, const std::string& files)
{
    std::vector<fs::path> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.is_regular_file(error) && isAmong(entry.path().filename().string(), files))
            found.push_back(entry.path());
    std::sort(found.begin(), found.end(), [](const fs::path& a, const fs::path& b) {
        return upperCase(a.filename().string()) < upperCase(b.filename().string());
    });
    return found;
}

// `name` in `folder`, spelled as on disk when an entry of that name in
// another case is there.
fs::path entryIn(const fs::path& folder, const std::string& name)
{
    std::error_code error;
    if (fs::exists(folder / name, error))
        return folder / name;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (equalsIgnoringCase(entry.path().filename().string(), name))
            return entry.path();
    return folder / name;
}

// A folder's path, absolute and without a separator at its end, so that
// its parent is one folder up.
fs::path folderPath(const std::string& folder)
{
    fs::path path = fs::absolute(folder).lexically_normal();
    if (!path.has_filename() && path != path.root_path())
        path = path.parent_path();
    return path;
}

// The batch line's blanks separate the tool's arguments: a key " 401"
// reaches it as "401".
std::string withoutLeadingBlanks(const std::string& text)
{
    return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

// Does one step's work, each kind as its batch line does.
class StepRunner {
public:
    explicit StepRunner(const std::string& programDir) : program_(folderPath(programDir)), current_(program_) {}

    void operator()(const ClearScreen&) {}

    void operator()(const ChangeFolder& step)
    {
        const fs::path folder = resolve(step.folder);
        std::error_code error;
        if (!fs::is_directory(folder, error))
            throw StepError("The system cannot find the path specified: " + folder.string());
        current_ = folder;
    }

    void operator()(const JoinFiles& step)
    {
        const fs::path target = entryIn(current_, step.target);
        std::string joined;
        bool found = false;
        for (const fs::path& file : filesIn(current_, step.files)) {
            if (file == target)
                continue;
            joined += readFileBytes(file.string());
            found = true;
        }
        if (!found)
            throw StepError("The system cannot find the file specified: " + (current_ / step.files).string());
        writeFileAtomically(target.string(), joined);
    }

    void operator()(const RenameFile& step)
    {
        const fs::path source = existing(step.from);
        for (const fs::path& other : filesIn(current_, step.to))
            if (other != source)
                throw StepError("A duplicate file name exists, or the file cannot be found: " + step.to);
        fs::rename(source, current_ / step.to);
    }

    void operator()(const MoveFile& step)
    {
        const fs::path source = existing(step.file);
        fs::rename(source, resolve(step.folder) / source.filename());
    }

    void operator()(const DeleteFiles& step)
    {
        const std::vector<fs::path> files = filesIn(current_, step.files);
        if (files.empty())
            throw StepError("Could Not Find " + (current_ / step.files).string());
        for (const fs::path& file : files)
            fs::remove(file);
    }

    void operator()(const RunBoxScore& step)
    {
        const std::string tool = (program_ / boxScoreToolName()).string();
        const int status = runProgram(tool,
                                      {"-y", step.year, "-s", withoutLeadingBlanks(step.startKey), "-e",
                                       withoutLeadingBlanks(step.endKey), "-dsp", resolve(step.events).string()},
                                      current_.string(), resolve(step.output).string());
        if (status != 0)
            throw StepError(tool + " ended with status " + std::to_string(status));
    }

private:
    fs::path resolve(const Place& place) const
    {
        fs::path path = place.underProgramFolder ? program_ : current_;
        for (std::size_t from = 0; from <= place.path.size();) {
            const std::size_t to = std::min(place.path.find('\\', from), place.path.size());
            const std::string part = place.path.substr(from, to - from);
            if (part == "..")
                path = path.parent_path();
            else if (!part.empty() && part != ".")
                path = entryIn(path, part);
            from = to + 1;
        }
        return path;
    }

    fs::path existing(const std::string& name) const
    {
        const std::vector<fs::path> files = filesIn(current_, name);
        if (files.empty())
            throw StepError("The system cannot find the file specified: " + (current_ / name).string());
        return files.front();
    }

    fs::path program_;
    fs::path current_;
};

} // namespace

bool runSteps(const std::vector<Step>& steps, const std::string& programDir, std::ostream& diagnostics)
{
    StepRunner runner(programDir);
    bool allDone = true;
    for (const Step& step : steps) {
        try {
            std::visit(runner, step);
        } catch (const std::runtime_error& error) {
            diagnostics << error.what() << '\n';
            allDone = false;
        }
    }
    return allDone;
}

} // namespace rota
