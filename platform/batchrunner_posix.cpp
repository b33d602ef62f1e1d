#include "platform/batchrunner.h"

#include "common/ascii.h"

#include "platform/fileio.h"
#include "common/textlines.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace rota {

namespace {

// The folder part of `path` ("." when it has none).
std::string parentFolder(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// `folder` and `name` joined with one separator.
std::string joinPath(const std::string& folder, const std::string& name)
{
    return folder.empty() ? name : folder.back() == '/' ? folder + name : folder + "/" + name;
}

bool pathExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool isDirectory(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// A failing command; what() is the interpreter's complaint.
class CommandError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), lower);
    return text;
}

// Wildcard match of `name` against `pattern` ("*" any run, "?" one
// character), without regard to case.
bool wildcardMatch(const char* pattern, const char* name)
{
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*name) {
        if (*pattern == '*') {
            star = pattern++;
            resume = name;
        } else if (*pattern == '?' || lower(*pattern) == lower(*name)) {
            ++pattern;
            ++name;
        } else if (star) {
            pattern = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*pattern == '*')
        ++pattern;
    return *pattern == '\0';
}

bool hasWildcard(const std::string& name)
{
    return name.find_first_of("*?") != std::string::npos;
}

std::vector<std::string> entries(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return names;
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(std::move(name));
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) { return lower(x) < lower(y); });
    });
    return names;
}

bool isRegularFile(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

class Interpreter {
public:
    Interpreter(std::string workingDir, std::ostream& diagnostics)
        : cwd_(std::move(workingDir)), diagnostics_(diagnostics)
    {
    }

    bool runLine(const std::string& line);

private:
    std::string toPath(std::string text) const;
    std::string resolve(const std::string& text) const;
    std::vector<std::string> matching(const std::string& text) const;
    std::string existingFile(const std::string& text) const;

    void cd(const std::vector<std::string>& args);
    void copy(const std::vector<std::string>& args);
    void ren(const std::vector<std::string>& args);
    void move(const std::vector<std::string>& args);
    void del(const std::vector<std::string>& args);
    void program(const std::vector<std::string>& words, const std::string& appendTo);

    std::string cwd_;
    std::ostream& diagnostics_;
};

// Turns backslashes into slashes and makes the path absolute.
std::string Interpreter::toPath(std::string text) const
{
    std::replace(text.begin(), text.end(), '\\', '/');
    if (text.empty() || text.front() != '/')
        text = joinPath(cwd_, text);
    return text;
}

// The absolute path of `text`, each existing component spelled as on disk
// (matched without regard to case); components that do not exist are kept.
std::string Interpreter::resolve(const std::string& text) const
{
    const std::string path = toPath(text);
    std::string resolved;
    std::size_t pos = 0;
    while (pos < path.size()) {
        std::size_t slash = path.find('/', pos);
        std::string part = path.substr(pos, slash == std::string::npos ? std::string::npos : slash - pos);
        pos = slash == std::string::npos ? path.size() : slash + 1;
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            resolved = parentFolder(resolved.empty() ? "/" : resolved);
            if (resolved == "/")
                resolved.clear();
            continue;
        }
        std::string folder = resolved.empty() ? "/" : resolved;
        std::string exact = joinPath(folder, part);
        if (!pathExists(exact)) {
            for (const auto& name : entries(folder))
                if (equalsIgnoringCase(name, part)) {
                    exact = joinPath(folder, name);
                    break;
                }
        }
        resolved = exact;
    }
    return resolved.empty() ? "/" : resolved;
}

// The files that `text` names, a wildcard in its last component allowed.
std::vector<std::string> Interpreter::matching(const std::string& text) const
{
    const std::string path = toPath(text);
    const std::string name = path.substr(path.find_last_of('/') + 1);
    if (!hasWildcard(name)) {
        std::string file = resolve(text);
        return isRegularFile(file) ? std::vector<std::string>{file} : std::vector<std::string>{};
    }
    const std::string folder = resolve(parentFolder(path));
    std::vector<std::string> files;
    for (const auto& entry : entries(folder))
        if (wildcardMatch(name.c_str(), entry.c_str()) && isRegularFile(joinPath(folder, entry)))
            files.push_back(joinPath(folder, entry));
    return files;
}

std::string Interpreter::existingFile(const std::string& text) const
{
    auto files = matching(text);
    if (files.empty())
        throw CommandError("The system cannot find the file specified: " + text);
    return files.front();
}

void Interpreter::cd(const std::vector<std::string>& args)
{
    if (args.empty())
        return;
    std::string folder = resolve(args[0]);
    if (!isDirectory(folder))
        throw CommandError("The system cannot find the path specified: " + args[0]);
    cwd_ = folder;
}

void Interpreter::copy(const std::vector<std::string>& args)
{
    if (args.size() < 2)
        throw CommandError("The syntax of the command is incorrect.");
    const std::string target = resolve(args[1]);
    std::vector<std::string> sources = matching(args[0]);
    sources.erase(std::remove(sources.begin(), sources.end(), target), sources.end());
    if (sources.empty())
        throw CommandError("The system cannot find the file specified: " + args[0]);
    if (isDirectory(target)) {
        for (const auto& source : sources)
            writeFileAtomically(joinPath(target, source.substr(source.find_last_of('/') + 1)),
                                readFileBytes(source));
        return;
    }
    std::string joined;
    for (const auto& source : sources)
        joined += readFileBytes(source);
    writeFileAtomically(target, joined);
}

void Interpreter::ren(const std::vector<std::string>& args)
{
    if (args.size() < 2)
        throw CommandError("The syntax of the command is incorrect.");
    const std::string source = existingFile(args[0]);
    const std::string folder = parentFolder(source);
    const std::string target = joinPath(folder, args[1]);
    // Names match without regard to case: "ren a.txt B.TXT" meets b.txt.
    const std::string sourceName = source.substr(source.find_last_of('/') + 1);
    for (const auto& name : entries(folder))
        if (equalsIgnoringCase(name, args[1]) && name != sourceName)
            throw CommandError("A duplicate file name exists, or the file cannot be found: " + args[1]);
    if (::rename(source.c_str(), target.c_str()) != 0)
        throw CommandError("Cannot rename " + args[0] + ": " + std::strerror(errno));
}

void Interpreter::move(const std::vector<std::string>& args)
{
    if (args.size() < 2)
        throw CommandError("The syntax of the command is incorrect.");
    const std::string source = existingFile(args[0]);
    std::string target = resolve(args[1]);
    const char last = args[1].back();
    if (last == '\\' || last == '/' || isDirectory(target))
        target = joinPath(target, source.substr(source.find_last_of('/') + 1));
    if (::rename(source.c_str(), target.c_str()) != 0)
        throw CommandError("Cannot move " + args[0] + ": " + std::strerror(errno));
}

void Interpreter::del(const std::vector<std::string>& args)
{
    if (args.empty())
        throw CommandError("The syntax of the command is incorrect.");
    auto files = matching(args[0]);
    if (files.empty())
        throw CommandError("Could Not Find " + toPath(args[0]));
    for (const auto& file : files)
        if (::unlink(file.c_str()) != 0)
            throw CommandError("Cannot delete " + file + ": " + std::strerror(errno));
}

void Interpreter::program(const std::vector<std::string>& words, const std::string& appendTo)
{
    const std::string executable = resolve(words[0]);
    if (!isRegularFile(executable) || ::access(executable.c_str(), X_OK) != 0)
        throw CommandError("'" + words[0] + "' is not recognized as an internal or external command, "
                           "operable program or batch file.");

    std::vector<std::string> args{executable};
    for (std::size_t i = 1; i < words.size(); ++i) {
        std::string arg = words[i];
        if (arg.find('\\') != std::string::npos)
            std::replace(arg.begin(), arg.end(), '\\', '/');
        args.push_back(std::move(arg));
    }
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    std::string output;
    if (!appendTo.empty()) {
        output = resolve(appendTo);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_APPEND,
                                         0644);
    }
    // The program runs in the batch's current folder.
    posix_spawn_file_actions_addchdir_np(&actions, cwd_.c_str());
    pid_t pid = 0;
    int error = ::posix_spawn(&pid, executable.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        throw CommandError("Cannot run " + words[0] + ": " + std::strerror(error));
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) != 0)
        throw CommandError(words[0] + " ended with status " + std::to_string(WEXITSTATUS(status)));
    if (WIFSIGNALED(status))
        throw CommandError(words[0] + " was ended by signal " + std::to_string(WTERMSIG(status)));
}

bool Interpreter::runLine(const std::string& line)
{
    std::vector<std::string> words;
    std::string appendTo;
    std::size_t pos = 0;
    bool redirect = false;
    while (pos < line.size()) {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
            ++pos;
        if (pos >= line.size())
            break;
        std::size_t end = pos;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t')
            ++end;
        std::string word = line.substr(pos, end - pos);
        pos = end;
        if (word.rfind(">>", 0) == 0) {
            redirect = true;
            word.erase(0, 2);
            if (word.empty())
                continue;
        }
        if (redirect && appendTo.empty())
            appendTo = word;
        else
            words.push_back(std::move(word));
    }
    if (words.empty())
        return true;

    const std::string command = lowerCase(words.front());
    const std::vector<std::string> args(words.begin() + 1, words.end());
    try {
        if (redirect && appendTo.empty())
            throw CommandError("The syntax of the command is incorrect.");
        if (command == "cls")
            return true;
        if (command == "cd")
            cd(args);
        else if (command == "copy")
            copy(args);
        else if (command == "ren")
            ren(args);
        else if (command == "move")
            move(args);
        else if (command == "del")
            del(args);
        else
            program(words, appendTo);
    } catch (const std::exception& e) {
        diagnostics_ << e.what() << '\n';
        return false;
    }
    return true;
}

} // namespace

int runBatchFile(const std::string& batchPath, const std::string& workingDir, std::ostream& diagnostics)
{
    std::vector<std::string> lines;
    try {
        lines = splitLines(readFileBytes(batchPath));
    } catch (const FileError& e) {
        diagnostics << e.what() << '\n';
        return 1;
    }
    Interpreter interpreter(workingDir, diagnostics);
    bool allRan = true;
    for (const auto& line : lines)
        allRan = interpreter.runLine(line) && allRan;
    return allRan ? 0 : 1;
}

} // namespace rota
