#include "platform/fileio.h"

#include "tests/support/testsupport.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace rota;

namespace {

// A write that fails with "no space" once `limit` bytes have gone through.
WriteFunction failingAfter(std::size_t limit)
{
    auto written = std::make_shared<std::size_t>(0);
    return [=](int fd, const void* data, std::size_t size) -> ssize_t {
        if (*written >= limit) {
            errno = ENOSPC;
            return -1;
        }
        std::size_t n = std::min(size, limit - *written);
        ssize_t done = ::write(fd, data, n);
        if (done > 0)
            *written += static_cast<std::size_t>(done);
        return done;
    };
}

} // namespace

TEST(WriteFileAtomically, ReplacesContentAndKeepsPermissions)
{
    test::TempDir dir;
    const std::string path = dir.file("out.sch");
    test::writeFile(path, "old");
    ::chmod(path.c_str(), 0640);
    writeFileAtomically(path, "new content");
    EXPECT_EQ(test::readFile(path), "new content");
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(WriteFileAtomically, FullDiskLeavesTheOldFileAndNoTemporary)
{
    test::TempDir dir;
    const std::string path = dir.file("out.sch");
    test::writeFile(path, "precious");
    try {
        writeFileAtomically(path, std::string(100000, 'x'), failingAfter(4096));
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("out.sch"), std::string::npos);
    }
    EXPECT_EQ(test::readFile(path), "precious");
    int files = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST(WriteFileAtomically, RefusesReadOnlyFilesFoldersAndMissingFolders)
{
    test::TempDir dir;
    const std::string file = dir.file("rota.ini");
    test::writeFile(file, "keep");
    test::setReadOnly(file, true);
    EXPECT_THROW(writeFileAtomically(file, "x"), FileError);
    EXPECT_EQ(test::readFile(file), "keep");

    EXPECT_THROW(writeFileAtomically(dir.path(), "x"), FileError);
    EXPECT_THROW(writeFileAtomically(dir.file("no/such/folder.sch"), "x"), FileError);

    const std::string locked = dir.file("locked");
    ::mkdir(locked.c_str(), 0755);
    test::setReadOnly(locked, true);
    EXPECT_THROW(writeFileAtomically(locked + "/new.sch", "x"), FileError);
    EXPECT_FALSE(pathExists(locked + "/new.sch"));
}
