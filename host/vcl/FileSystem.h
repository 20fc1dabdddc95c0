// The one place where the host's file layer calls the operating system.
// Every call goes through the table below so that tests can make any of them
// fail (a full disk, a short write, an interrupted call) without touching
// the real file system's limits.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string_view>

#include "vcl/System.h"

namespace vcl::FileSystem {

struct Calls {
  int (*open)(const char* path, int flags, mode_t mode);
  ssize_t (*read)(int fd, void* buf, size_t count);
  ssize_t (*write)(int fd, const void* buf, size_t count);
  int (*fsync)(int fd);
  int (*close)(int fd);
  int (*rename)(const char* from, const char* to);
};

// The calls in force; the defaults are the system's own.
const Calls& Current();

// Replaces the calls for the life of the object and puts back the previous
// ones afterwards. For tests.
class ScopedCalls {
 public:
  explicit ScopedCalls(const Calls& replacement);
  ~ScopedCalls();
  ScopedCalls(const ScopedCalls&) = delete;
  ScopedCalls& operator=(const ScopedCalls&) = delete;

 private:
  Calls saved_;
};

const Calls& SystemCalls();

// Reads and writes the whole of count bytes, retrying interrupted and short
// transfers. Return the bytes transferred, or -1 with errno set.
ssize_t ReadFully(int fd, void* buf, size_t count);
ssize_t WriteFully(int fd, const void* buf, size_t count);

// Writes Bytes as the new content of FileName so that a reader sees either
// the old file or the complete new one: the bytes go to a temporary file in
// the target's directory, which replaces the target only once everything is
// written and flushed. A link is written through to the file it names; an
// existing file keeps its permission bits, a new one gets 0666 less the
// umask. On failure the previous file is intact, the temporary file is gone,
// and EFCreateError (the file cannot be made) or EWriteError (the bytes
// cannot be stored) names the file and the system's reason.
void WriteFileAtomically(const AnsiString& FileName, std::string_view Bytes);

// Takes the bytes of a file being written piece by piece, gathering small
// pieces into one write. Raises EWriteError when the bytes cannot be stored.
class FileWriter {
 public:
  FileWriter(int fd, const AnsiString& name);
  void Append(std::string_view bytes);
  void Flush();

 private:
  static constexpr std::size_t kBufferSize = 1 << 16;
  void WriteOut(std::string_view bytes);
  int fd_;
  AnsiString name_;
  AnsiString buffer_;
};

// As above, with the content produced by Produce into the writer, so that a
// large file need not be assembled in memory first.
void WriteFileAtomically(const AnsiString& FileName, const std::function<void(FileWriter&)>& Produce);

// Reads a whole file. Raises EFOpenError when it cannot be opened and
// EReadError when reading fails.
AnsiString ReadWholeFile(const AnsiString& FileName);

}  // namespace vcl::FileSystem
