// Files that exist on POSIX systems only: links, modes, pipes and devices.
#include "platform/fileio.h"

#include "tests/support/testsupport.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
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

// Sets the umask for the life of the object.
struct Umask {
    explicit Umask(mode_t mask) : old(::umask(mask)) {}
    ~Umask() { ::umask(old); }
    mode_t old;
};

} // namespace

TEST(WriteFileAtomicallyPosix, LinksAreWrittenThroughAndKept)
{
    const struct {
        const char* name;
        std::function<void(const test::TempDir&)> make; // makes "path"; "real" is where the bytes belong
        const char* real;
        const char* linkTo; // what "path" must still link to, or "" for no link
    } cases[] = {
        {"symbolic link", [](auto& d) { fs::create_symlink("real", d.file("path")); }, "real", "real"},
        {"chain of links across folders",
         [](auto& d) {
             fs::create_directory(d.file("sub"));
             fs::create_symlink("sub/hop", d.file("path"));
             fs::create_symlink(d.file("real"), d.file("sub/hop"));
         },
         "real", "sub/hop"},
        {"relative link in another folder",
         [](auto& d) {
             fs::create_directory(d.file("sub"));
             test::writeFile(d.file("sub/real"), "old");
             fs::create_symlink("sub/link", d.file("path"));
             fs::create_symlink("real", d.file("sub/link"));
         },
         "sub/real", "sub/link"},
        {"dangling link", [](auto& d) { fs::create_symlink("made", d.file("path")); }, "made", "made"},
        {"hard link", [](auto& d) { fs::create_hard_link(d.file("real"), d.file("path")); }, "real", ""},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        test::writeFile(dir.file("real"), "old");
        c.make(dir);
        const std::string real = dir.file(c.real);
        const bool existed = fs::exists(real);
        const ino_t inode = existed ? statOf(real).st_ino : 0;
        writeFileAtomically(dir.file("path"), "new");
        EXPECT_EQ(test::readFile(real), "new") << c.name;
        if (*c.linkTo)
            EXPECT_EQ(fs::read_symlink(dir.file("path")).string(), c.linkTo) << c.name;
        else // both names still name one file
            EXPECT_EQ(statOf(dir.file("path")).st_ino, inode) << c.name;
        EXPECT_EQ(statOf(real).st_nlink, *c.linkTo ? 1u : 2u) << c.name;
    }
}

TEST(WriteFileAtomicallyPosix, NewFilesFollowTheUmaskOldOnesKeepTheirMode)
{
    const struct {
        mode_t umask;
        mode_t existing; // 0: no file yet
        mode_t expected;
    } cases[] = {
        {022, 0, 0644}, {077, 0, 0600}, {002, 0, 0664}, {0, 0, 0666},
        {077, 0640, 0640}, {022, 0604, 0604}, {0, 0600, 0600},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        const std::string path = dir.file("out.sch");
        if (c.existing) {
            test::writeFile(path, "old");
            ::chmod(path.c_str(), c.existing);
        }
        Umask mask(c.umask);
        writeFileAtomically(path, "new");
        EXPECT_EQ(statOf(path).st_mode & 07777, c.expected) << std::oct << c.umask << " " << c.existing;
    }
}

TEST(WriteFileAtomicallyPosix, OnlyRegularFilesAreWritten)
{
    const struct {
        const char* name;
        std::function<void(const test::TempDir&)> make; // makes "path"
    } cases[] = {
        {"pipe", [](auto& d) { ASSERT_EQ(::mkfifo(d.file("path").c_str(), 0644), 0); }},
        {"link to a device", [](auto& d) { fs::create_symlink("/dev/null", d.file("path")); }},
        {"link to a pipe",
         [](auto& d) {
             ASSERT_EQ(::mkfifo(d.file("pipe").c_str(), 0644), 0);
             fs::create_symlink("pipe", d.file("path"));
         }},
        {"loop of links",
         [](auto& d) {
             fs::create_symlink("other", d.file("path"));
             fs::create_symlink("path", d.file("other"));
         }},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        c.make(dir);
        EXPECT_THROW(writeFileAtomically(dir.file("path"), "x"), FileError) << c.name;
        std::error_code ec;
        EXPECT_FALSE(fs::is_regular_file(dir.file("path"), ec)) << c.name;
    }
}

TEST(ReadFileBytesPosix, PipesAreRefusedRatherThanWaitedOn)
{
    test::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0644), 0);
    EXPECT_THROW(readFileBytes(dir.file("pipe")), FileError);
    fs::create_symlink("pipe", dir.file("link"));
    EXPECT_THROW(readFileBytes(dir.file("link")), FileError);
}
