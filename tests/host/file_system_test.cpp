#include "vcl/FileSystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "file_size_limit.h"
#include "test_dir.h"
#include "vcl/Stream.h"

using namespace vcl;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> Entries(const std::string& dir) {
  std::vector<std::string> names;
  for (auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Fails the given call with the given errno once armed.
int failErrno = 0;
ssize_t FailingWrite(int, const void*, size_t) {
  errno = failErrno;
  return -1;
}
ssize_t ShortWrite(int fd, const void* buf, size_t count) {
  return FileSystem::SystemCalls().write(fd, buf, count > 3 ? 3 : count);
}
ssize_t InterruptedWrite(int fd, const void* buf, size_t count) {
  static bool interrupt = true;
  interrupt = !interrupt;
  if (interrupt) {
    errno = EINTR;
    return -1;
  }
  return FileSystem::SystemCalls().write(fd, buf, count);
}
int FailingFsync(int) {
  errno = EIO;
  return -1;
}
int FailingRename(const char*, const char*) {
  errno = EXDEV;
  return -1;
}

}  // namespace

TEST(FileSystem, WritesANewFileWithTheUmaskMode) {
  TestDir dir;
  const mode_t old = ::umask(022);
  FileSystem::WriteFileAtomically(dir.Path("new.txt"), "abc");
  ::umask(old);
  EXPECT_EQ(TestDir::Read(dir.Path("new.txt")), "abc");
  EXPECT_EQ(fs::status(dir.Path("new.txt")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(Entries(dir.path()), (std::vector<std::string>{"new.txt"}));
}

TEST(FileSystem, KeepsPermissionsAndWritesThroughALink) {
  TestDir dir;
  const std::string target = dir.Write("target.txt", "old");
  ::chmod(target.c_str(), 0640);
  fs::create_symlink("target.txt", dir.Path("link.txt"));
  FileSystem::WriteFileAtomically(dir.Path("link.txt"), "new");
  EXPECT_TRUE(fs::is_symlink(dir.Path("link.txt")));
  EXPECT_EQ(TestDir::Read(target), "new");
  struct stat st {};
  ::stat(target.c_str(), &st);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(FileSystem, FailedWritesLeaveThePreviousFileAndNoTemporary) {
  struct Case {
    const char* what;
    FileSystem::Calls calls;
  };
  FileSystem::Calls base = FileSystem::SystemCalls();
  FileSystem::Calls noSpace = base, noSync = base, noRename = base;
  noSpace.write = FailingWrite;
  noSync.fsync = FailingFsync;
  noRename.rename = FailingRename;
  failErrno = ENOSPC;
  for (const Case& c : {Case{"write", noSpace}, Case{"fsync", noSync}, Case{"rename", noRename}}) {
    TestDir dir;
    const std::string name = dir.Write("dict.txt", "previous");
    {
      FileSystem::ScopedCalls inject(c.calls);
      EXPECT_THROW(FileSystem::WriteFileAtomically(name, "replacement"), EWriteError) << c.what;
    }
    EXPECT_EQ(TestDir::Read(name), "previous") << c.what;
    EXPECT_EQ(Entries(dir.path()), (std::vector<std::string>{"dict.txt"})) << c.what;
  }
}

TEST(FileSystem, ShortAndInterruptedWritesAreCompleted) {
  TestDir dir;
  FileSystem::Calls calls = FileSystem::SystemCalls();
  for (auto write : {ShortWrite, InterruptedWrite}) {
    calls.write = write;
    FileSystem::ScopedCalls inject(calls);
    FileSystem::WriteFileAtomically(dir.Path("f.txt"), "0123456789");
    EXPECT_EQ(TestDir::Read(dir.Path("f.txt")), "0123456789");
  }
}

TEST(FileSystem, FileSizeLimitGivesAWriteErrorAndKeepsTheFile) {
  TestDir dir;
  const std::string name = dir.Write("dict.txt", "previous");
  {
    FileSizeLimit limit(4);
    EXPECT_THROW(FileSystem::WriteFileAtomically(name, std::string(100, 'x')), EWriteError);
  }
  EXPECT_EQ(TestDir::Read(name), "previous");
  EXPECT_EQ(Entries(dir.path()), (std::vector<std::string>{"dict.txt"}));
}

TEST(FileSystem, UnwritableDirectoryOrDirectoryNameRaisesCreateError) {
  TestDir dir;
  EXPECT_THROW(FileSystem::WriteFileAtomically(dir.path(), "x"), EFCreateError);
  EXPECT_THROW(FileSystem::WriteFileAtomically(dir.Path("none/f.txt"), "x"), EFCreateError);
  if (::geteuid() != 0) {
    fs::create_directory(dir.Path("ro"));
    fs::permissions(dir.Path("ro"), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(FileSystem::WriteFileAtomically(dir.Path("ro/f.txt"), "x"), EFCreateError);
  }
}
