#include "vcl/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "vcl/Memory.h"
#include "vcl/Stream.h"
#include "vcl/SysUtils.h"

namespace vcl::FileSystem {

namespace {

int SysOpen(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }

Calls& Table() {
  static Calls calls = SystemCalls();
  return calls;
}

AnsiString Reason(int err) { return std::strerror(err); }

// Follows a chain of symbolic links to the name of the file they lead to,
// which may not exist yet. Gives up after 40 links, as the kernel does.
AnsiString ResolveLinks(AnsiString name) {
  for (int depth = 0; depth < 40; ++depth) {
    struct stat st {};
    if (::lstat(name.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return name;
    AnsiString target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
    ssize_t n = ::readlink(name.c_str(), target.data(), target.size());
    if (n < 0) return name;
    target.resize(static_cast<std::size_t>(n));
    name = (!target.empty() && target[0] == PathDelim) ? target : ExtractFilePath(name) + target;
  }
  return name;
}

mode_t NewFileMode() {
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// A temporary file beside the target, removed again unless Commit succeeds.
class TemporaryFile {
 public:
  explicit TemporaryFile(const AnsiString& target) {
    AnsiString dir = ExtractFilePath(target);
    AnsiString base = target.substr(dir.size());
    std::random_device seed;
    std::mt19937 gen(seed());
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
      name_ = dir + "." + base + "." + std::to_string(gen() % 1000000000u) + ".tmp";
      fd_ = Current().open(name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
      if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) {
      int err = errno;
      name_.clear();
      throw EFCreateError(Format("Cannot create file \"%s\". %s", target.c_str(), Reason(err).c_str()));
    }
  }
  ~TemporaryFile() {
    if (fd_ >= 0) Current().close(fd_);
    if (!name_.empty()) ::unlink(name_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  int fd() const { return fd_; }

  // Closes the file and renames it over target; returns 0 or an errno value.
  int Commit(const AnsiString& target) {
    int fd = fd_;
    fd_ = -1;
    if (Current().close(fd) != 0) return errno;
    if (Current().rename(name_.c_str(), target.c_str()) != 0) return errno;
    name_.clear();
    return 0;
  }

 private:
  AnsiString name_;
  int fd_ = -1;
};

}  // namespace

const Calls& SystemCalls() {
  static const Calls calls{SysOpen, ::read, ::write, ::fsync, ::close, ::rename};
  return calls;
}

const Calls& Current() { return Table(); }

ScopedCalls::ScopedCalls(const Calls& replacement) : saved_(Table()) { Table() = replacement; }
ScopedCalls::~ScopedCalls() { Table() = saved_; }

ssize_t ReadFully(int fd, void* buf, size_t count) {
  size_t done = 0;
  while (done < count) {
    ssize_t n = Current().read(fd, static_cast<char*>(buf) + done, count - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return static_cast<ssize_t>(done);
}

ssize_t WriteFully(int fd, const void* buf, size_t count) {
  size_t done = 0;
  while (done < count) {
    ssize_t n = Current().write(fd, static_cast<const char*>(buf) + done, count - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (n == 0) {
      errno = ENOSPC;
      return -1;
    }
    done += static_cast<size_t>(n);
  }
  return static_cast<ssize_t>(done);
}

FileWriter::FileWriter(int fd, const AnsiString& name) : fd_(fd), name_(name) { buffer_.reserve(kBufferSize); }

void FileWriter::Append(std::string_view bytes) {
  if (buffer_.size() + bytes.size() > kBufferSize) Flush();
  if (bytes.size() >= kBufferSize)
    WriteOut(bytes);
  else
    buffer_.append(bytes);
}

void FileWriter::Flush() {
  WriteOut(buffer_);
  buffer_.clear();
}

void FileWriter::WriteOut(std::string_view bytes) {
  if (WriteFully(fd_, bytes.data(), bytes.size()) < 0)
    throw EWriteError(Format("Cannot write file \"%s\". %s", name_.c_str(), Reason(errno).c_str()));
}

void WriteFileAtomically(const AnsiString& FileName, const std::function<void(FileWriter&)>& Produce) {
  const AnsiString target = ResolveLinks(FileName);
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (exists && S_ISDIR(st.st_mode))
    throw EFCreateError(Format("Cannot create file \"%s\". %s", FileName.c_str(), Reason(EISDIR).c_str()));
  const mode_t mode = exists ? (st.st_mode & 07777) : NewFileMode();

  TemporaryFile temp(target);
  auto fail = [&](int err) {
    throw EWriteError(Format("Cannot write file \"%s\". %s", FileName.c_str(), Reason(err).c_str()));
  };
  if (::fchmod(temp.fd(), mode) != 0) fail(errno);
  FileWriter writer(temp.fd(), FileName);
  Produce(writer);
  writer.Flush();
  if (Current().fsync(temp.fd()) != 0) fail(errno);
  if (int err = temp.Commit(target); err != 0) fail(err);
}

void WriteFileAtomically(const AnsiString& FileName, std::string_view Bytes) {
  WriteFileAtomically(FileName, [Bytes](FileWriter& writer) { writer.Append(Bytes); });
}

// Reads in 64 KiB pieces straight into the result, sized from the file's
// length up front so that a large file is neither copied nor grown twice.
AnsiString ReadWholeFile(const AnsiString& FileName) {
  TFileStream stream(FileName, fmOpenRead);
  struct stat st {};
  AnsiString bytes;
  if (::fstat(stream.Handle(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
    bytes.reserve(static_cast<std::size_t>(st.st_size) + 65536);
    AdviseLargeBuffer(bytes.data(), bytes.capacity());
  }
  constexpr std::size_t kPiece = 65536;
  for (;;) {
    const std::size_t used = bytes.size();
    bytes.resize(used + kPiece);
    const Integer n = stream.Read(bytes.data() + used, static_cast<Integer>(kPiece));
    bytes.resize(used + static_cast<std::size_t>(n > 0 ? n : 0));
    if (n <= 0) break;
  }
  return bytes;
}

}  // namespace vcl::FileSystem
