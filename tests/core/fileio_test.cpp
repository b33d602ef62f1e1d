#include "platform/fileio.h"

#include "tests/support/testsupport.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

using namespace rota;

namespace {

// A write that fails (writing nothing, then with "no space") once `limit` bytes have gone through,
// `failures` times (then it writes again), every time when `failures` is 0,
// never when it is -1.
WriteFunction failingAfter(std::size_t limit, int failures)
{
    auto written = std::make_shared<std::size_t>(0);
    auto failed = std::make_shared<int>(0);
    return [=](int fd, const void* data, std::size_t size) -> ssize_t {
        const bool failing = failures == 0 || *failed < failures;
        if (failing && *written >= limit)
            return (*failed)++ ? (errno = ENOSPC, -1) : 0; // first no byte, then an error
        const ssize_t done = test::writeDescriptor(fd, data, failing ? std::min(size, limit - *written) : size);
        *written += static_cast<std::size_t>(std::max<ssize_t>(done, 0));
        return done;
    };
}

// The folder's entries: no temporary file may be left behind.
long entries(const test::TempDir& dir)
{
    return std::distance(std::filesystem::directory_iterator(dir.path()), {});
}

} // namespace

TEST(WriteFileAtomically, RefusalsChangeNothing)
{
    // target: under the folder.
    const struct {
        std::string target;
        bool fileReadOnly, folderReadOnly;
        const char* says;
    } cases[] = {
        {"keep.sch", true, false, "read-only"},
        {"keep.sch", true, true, "read-only"},
        {"new.sch", false, true, "read-only"},
        {"sub", false, false, "folder"},
        {"no/such.sch", false, false, "no/such.sch"},
        {"keep.sch/x.sch", false, false, "keep.sch/x.sch"},
#ifndef _WIN32 // names too long for the file system, the second only with the temporary file's ending
        {std::string(300, 'n'), false, false, "too long"},
        {std::string(250, 'n'), false, false, "too long"},
#endif
    };
    for (const auto& c : cases) {
        if (c.folderReadOnly && !test::kFoldersCanBeReadOnly)
            continue;
        SCOPED_TRACE(c.target + (c.folderReadOnly ? " in a read-only folder" : ""));
        test::TempDir dir;
        test::writeFile(dir.file("keep.sch"), "keep");
        std::filesystem::create_directory(dir.file("sub"));
        test::setReadOnly(dir.file("keep.sch"), c.fileReadOnly);
        test::setReadOnly(dir.path(), c.folderReadOnly);
        const std::string said = test::thrown<FileError>([&] { writeFileAtomically(dir.file(c.target), "x"); });
        EXPECT_NE(said.find(c.says), std::string::npos) << said;
        EXPECT_EQ(test::readFile(dir.file("keep.sch")), "keep");
        EXPECT_EQ(entries(dir), 2);
    }
}

// An ordinary file is replaced by a temporary file and a rename; one with
// other names (a hard link), or in a folder that takes no new file, is
// written in place. A write that fails part-way leaves the old bytes.
TEST(WriteFileAtomically, ReplacesTheFileOrLeavesTheOldBytes)
{
    const std::string old = "precious\r\n" + std::string(5000, 'p'), replacement(100000, 'x');
    enum Route { Rename, HardLink, ReadOnlyFolder };
    // failures: -1: none; 0: the write never works again.
    const struct {
        Route route;
        int failures;
        const char* says = nullptr;
    } cases[] = {
        {Rename, -1},
        {Rename, 0, "No space"},
        {Rename, 1, "No space"},
        {HardLink, -1},
        {HardLink, 1, "old content was written back"},
        {HardLink, 0, "failed too"},
        {ReadOnlyFolder, -1},
        {ReadOnlyFolder, 1, "old content was written back"},
        {ReadOnlyFolder, 0, "failed too"},
    };
    for (const auto& c : cases) {
        if (c.route == ReadOnlyFolder && !test::kFoldersCanBeReadOnly)
            continue;
        SCOPED_TRACE(std::to_string(c.route) + " " + std::to_string(c.failures));
        test::TempDir dir;
        const std::string path = dir.file("out.sch");
        test::writeFile(path, old);
        if (c.route == HardLink)
            std::filesystem::create_hard_link(path, dir.file("link.sch"));
        test::setReadOnly(dir.path(), c.route == ReadOnlyFolder);
        const std::string said = test::thrown<FileError>(
            [&] { writeFileAtomically(path, c.says ? replacement : "new", failingAfter(4096, c.failures)); });
        EXPECT_NE(said.find(c.says ? "out.sch" : ""), std::string::npos) << said;
        EXPECT_NE(said.find(c.says ? c.says : ""), std::string::npos) << said;
        EXPECT_EQ(said.empty(), !c.says);
        EXPECT_TRUE(test::readFile(path) == (c.says ? old : "new") || (c.route != Rename && c.failures == 0));
        // Both names still name one file.
        EXPECT_TRUE(c.route != HardLink || test::readFile(dir.file("link.sch")) == test::readFile(path));
        EXPECT_EQ(entries(dir), c.route == HardLink ? 2 : 1);
    }
}
