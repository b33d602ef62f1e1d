// Files that exist on POSIX systems only: links, modes, pipes and devices.
#include "platform/fileio.h"

#include "tests/support/testsupport.h"

#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace rota;
namespace fs = std::filesystem;

namespace {

struct stat statOf(const std::string& path)
{
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st;
}

// The names in `folder`.
std::set<std::string> namesIn(const std::string& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// A child process that runs `work` and then waits to be killed; returns
// once `work` has said so through the pipe it is given.
pid_t childStoppedIn(const std::function<void(int ready)>& work)
{
    int pipe[2];
    EXPECT_EQ(::pipe(pipe), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        work(pipe[1]);
        for (;;)
            ::pause();
    }
    ::close(pipe[1]);
    char byte = 0;
    EXPECT_EQ(::read(pipe[0], &byte, 1), 1);
    ::close(pipe[0]);
    return child;
}

void kill(pid_t child)
{
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

} // namespace

// A run killed while writing leaves no file behind, or one that the next
// write into the folder removes; a live writer's file is never removed.
TEST(FileIoPosix, AKilledWriteLeavesNothingThatALaterWriteKeeps)
{
    test::TempDir dir;
    test::writeFile(dir.file("GL1915.sch"), "old");
    // Killed half-way through its bytes: the write goes to a file with no
    // name (or one that the next write removes).
    const pid_t writer = childStoppedIn([&](int ready) {
        writeFileAtomically(dir.file("GL1915.sch"), std::string(1 << 20, 'x'),
                            [ready](int fd, const void* data, std::size_t size) -> ssize_t {
                                const ssize_t n = ::write(fd, data, std::min<std::size_t>(size, 4096));
                                (void)!::write(ready, "!", 1);
                                return n;
                            });
    });
    kill(writer);
    // What killed runs leave between a file's naming and its rename, or where
    // files cannot be made without a name; and files that are not ours.
    const std::set<std::string> others = {"notes.tmp",  "GL1915.sch.tmp", "a.1-2.tmpx", "b.-1.tmp", "c.12-.tmp",
                                          "d.x1-2.tmp", "e.1-2x.tmp",     "f.1-2",      "1-2.tmp"};
    for (const std::string& name : others)
        test::writeFile(dir.file(name), "");
    for (const char* left : {"GL1915.sch.25943-43.tmp", "1915SKED.sch.4-0.tmp", "rota.ini.1-0.tmp", ".1-2.tmp"})
        test::writeFile(dir.file(left), "left");
    // A live writer's, locked: kept until its writer is gone.
    const std::string live = dir.file("GL1916.sch.25944-0.tmp");
    const pid_t liveWriter = childStoppedIn([&](int ready) {
        const int fd = ::open(live.c_str(), O_WRONLY | O_CREAT, 0666);
        ::flock(fd, LOCK_EX);
        (void)!::write(ready, "!", 1);
    });
    writeFileAtomically(dir.file("GL1917.sch"), "new");
    std::set<std::string> expected = others;
    expected.insert({"GL1915.sch", "GL1916.sch.25944-0.tmp", "GL1917.sch"});
    EXPECT_EQ(namesIn(dir.path()), expected);
    EXPECT_EQ(test::readFile(dir.file("GL1915.sch")), "old");
    kill(liveWriter);
    writeFileAtomically(dir.file("GL1917.sch"), "newer");
    expected.erase("GL1916.sch.25944-0.tmp");
    EXPECT_EQ(namesIn(dir.path()), expected);
}

// Links are written through and kept; pipes, devices and link loops are
// neither read nor written (a pipe is not waited on).
TEST(FileIoPosix, LinksAreWrittenThroughAndKeptOtherFilesRefused)
{
    // make: makes "path" beside "real"; real: where the bytes belong, null when
    // refused; linkTo: what "path" must still link to. (Hard links: fileio_test.)
    const struct {
        std::function<void(const test::TempDir&)> make;
        const char *real = nullptr, *linkTo = nullptr;
    } cases[] = {
        {[](auto& d) { fs::create_symlink("made", d.file("path")); }, "made", "made"}, // dangling
        {[](auto& d) { // a chain of links, relative ones through another folder, then an absolute one
             fs::create_directory(d.file("sub"));
             test::writeFile(d.file("sub/real"), "old");
             fs::create_symlink("sub/link", d.file("path"));
             fs::create_symlink("hop", d.file("sub/link"));
             fs::create_symlink(d.file("sub/real"), d.file("sub/hop"));
         },
         "sub/real", "sub/link"},
        {[](auto& d) { ASSERT_EQ(::mkfifo(d.file("path").c_str(), 0644), 0); }},
        {[](auto& d) { fs::create_symlink("/dev/null", d.file("path")); }},
        {[](auto& d) {
            ASSERT_EQ(::mkfifo(d.file("pipe").c_str(), 0644), 0);
            fs::create_symlink("pipe", d.file("path"));
        }},
        {[](auto& d) {
            fs::create_symlink("other", d.file("path"));
            fs::create_symlink("path", d.file("other"));
        }},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        test::TempDir dir;
        test::writeFile(dir.file("real"), "old");
        c.make(dir);
        if (!c.real) {
            EXPECT_THROW(writeFileAtomically(dir.file("path"), "x"), FileError) << i;
            EXPECT_THROW(readFileBytes(dir.file("path")), FileError) << i;
            std::error_code ec;
            EXPECT_FALSE(fs::is_regular_file(dir.file("path"), ec)) << i;
            continue;
        }
        writeFileAtomically(dir.file("path"), "new");
        EXPECT_EQ(test::readFile(dir.file(c.real)), "new") << i;
        EXPECT_EQ(fs::read_symlink(dir.file("path")).string(), c.linkTo) << i;
        EXPECT_EQ(statOf(dir.file(c.real)).st_nlink, 1u) << i;
    }
}

TEST(FileIoPosix, NewFilesFollowTheUmaskOldOnesKeepTheirMode)
{
    // existing: the mode of the file already there, 0 for none.
    const struct {
        mode_t umask, existing, expected;
    } cases[] = {{022, 0, 0644}, {077, 0, 0600}, {002, 0, 0664}, {0, 0, 0666}, {077, 0640, 0640}, {0, 0600, 0600}};
    for (const auto& c : cases) {
        test::TempDir dir;
        const std::string path = dir.file("out.sch");
        if (c.existing) {
            test::writeFile(path, "old");
            ::chmod(path.c_str(), c.existing);
        }
        const mode_t old = ::umask(c.umask);
        writeFileAtomically(path, "new");
        ::umask(old);
        EXPECT_EQ(statOf(path).st_mode & 07777, c.expected) << std::oct << c.umask << " " << c.existing;
    }
}
