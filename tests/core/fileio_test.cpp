#include "platform/fileio.h"

#include "tests/support/testsupport.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

using namespace rota;

namespace {

// A write that fails with "no space" once `limit` bytes have gone through,
// `failures` times (then it writes again), or every time when `failures` is 0.
WriteFunction failingAfter(std::size_t limit, int failures = 0)
{
    auto written = std::make_shared<std::size_t>(0);
    auto failed = std::make_shared<int>(0);
    return [=](int fd, const void* data, std::size_t size) -> ssize_t {
        const bool failing = failures == 0 || *failed < failures;
        if (failing && *written >= limit) {
            ++*failed;
            errno = ENOSPC;
            return -1;
        }
        const std::size_t n = failing ? std::min(size, limit - *written) : size;
        const ssize_t done = test::writeDescriptor(fd, data, n);
        if (done > 0)
            *written += static_cast<std::size_t>(done);
        return done;
    };
}

std::vector<std::string> names(const std::string& folder)
{
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        found.push_back(entry.path().filename().string());
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace

TEST(WriteFileAtomically, ReplacesNewAndOldFilesAlike)
{
    // An ordinary folder takes a temporary file and a rename; a read-only one
    // only lets the existing file be written in place.
    for (const bool readOnlyFolder : {false, true}) {
        if (readOnlyFolder && !test::foldersCanBeReadOnly())
            continue;
        test::TempDir dir;
        const std::string path = dir.file("out.sch");
        if (!readOnlyFolder)
            writeFileAtomically(path, "first");
        else
            test::writeFile(path, "first, longer than what follows");
        test::setReadOnly(dir.path(), readOnlyFolder);
        writeFileAtomically(path, "second");
        EXPECT_EQ(test::readFile(path), "second") << readOnlyFolder;
        writeFileAtomically(path, "");
        EXPECT_EQ(test::readFile(path), "") << readOnlyFolder;
        EXPECT_EQ(names(dir.path()), std::vector<std::string>{"out.sch"}) << readOnlyFolder;
    }
}

TEST(WriteFileAtomically, RefusalsChangeNothing)
{
    const struct {
        const char* name;
        std::string target;       // under the folder
        bool fileReadOnly, folderReadOnly;
        const char* says;
    } cases[] = {
        {"read-only file", "keep.sch", true, false, "read-only"},
        {"read-only file in a read-only folder", "keep.sch", true, true, "read-only"},
        {"new file in a read-only folder", "new.sch", false, true, "read-only"},
        {"a folder", "sub", false, false, "folder"},
        {"a missing folder", "no/such.sch", false, false, "no/such.sch"},
    };
    for (const auto& c : cases) {
        if (c.folderReadOnly && !test::foldersCanBeReadOnly())
            continue;
        test::TempDir dir;
        test::writeFile(dir.file("keep.sch"), "keep");
        std::filesystem::create_directory(dir.file("sub"));
        test::setReadOnly(dir.file("keep.sch"), c.fileReadOnly);
        test::setReadOnly(dir.path(), c.folderReadOnly);
        try {
            writeFileAtomically(dir.file(c.target), "x");
            ADD_FAILURE() << c.name << ": no error";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << c.name << ": " << e.what();
        }
        EXPECT_EQ(test::readFile(dir.file("keep.sch")), "keep") << c.name;
        EXPECT_EQ(names(dir.path()), (std::vector<std::string>{"keep.sch", "sub"})) << c.name;
    }
}

TEST(WriteFileAtomically, WriteFailingPartWayLeavesTheOldBytes)
{
    const std::string old = "precious\r\n" + std::string(5000, 'p');
    const std::string replacement(100000, 'x');
    enum Route { Rename, HardLink, ReadOnlyFolder }; // the last two write in place
    const struct {
        const char* name;
        Route route;
        int failures; // 0: the write never works again
        const char* says;
        bool oldKept;
    } cases[] = {
        {"temporary file, no space", Rename, 0, "No space", true},
        {"temporary file, one failure", Rename, 1, "No space", true},
        {"hard link, old bytes written back", HardLink, 1, "old content was written back", true},
        {"hard link, writing back fails too", HardLink, 0, "failed too", false},
        {"read-only folder, old bytes written back", ReadOnlyFolder, 1, "old content was written back", true},
        {"read-only folder, writing back fails too", ReadOnlyFolder, 0, "failed too", false},
    };
    for (const auto& c : cases) {
        if (c.route == ReadOnlyFolder && !test::foldersCanBeReadOnly())
            continue;
        test::TempDir dir;
        const std::string path = dir.file("out.sch");
        test::writeFile(path, old);
        std::vector<std::string> expected{"out.sch"};
        if (c.route == HardLink) {
            std::filesystem::create_hard_link(path, dir.file("link.sch"));
            expected.insert(expected.begin(), "link.sch");
        }
        test::setReadOnly(dir.path(), c.route == ReadOnlyFolder);
        try {
            writeFileAtomically(path, replacement, failingAfter(4096, c.failures));
            ADD_FAILURE() << c.name << ": no error";
        } catch (const FileError& e) {
            const std::string said = e.what();
            EXPECT_NE(said.find("out.sch"), std::string::npos) << c.name << ": " << said;
            EXPECT_NE(said.find(c.says), std::string::npos) << c.name << ": " << said;
        }
        if (c.oldKept) {
            EXPECT_EQ(test::readFile(path), old) << c.name;
            if (c.route == HardLink) {
                EXPECT_EQ(test::readFile(dir.file("link.sch")), old) << c.name;
            }
        }
        EXPECT_EQ(names(dir.path()), expected) << c.name;
    }
}
