#include "vcl/Stream.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "vcl/FileSystem.h"
#include "vcl/SysUtils.h"

namespace vcl {

Int64 TStream::Size() {
  Int64 pos = Seek(0, TSeekOrigin::soCurrent);
  Int64 end = Seek(0, TSeekOrigin::soEnd);
  Seek(pos, TSeekOrigin::soBeginning);
  return end;
}

void TStream::ReadBuffer(void* Buffer, Integer Count) {
  if (Count != 0 && Read(Buffer, Count) != Count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, Integer Count) {
  if (Count != 0 && Write(Buffer, Count) != Count) throw EWriteError("Stream write error");
}

THandleStream::~THandleStream() {
  if (handle_ >= 0) FileSystem::Current().close(handle_);
}

Integer THandleStream::Read(void* Buffer, Integer Count) {
  if (Count <= 0) return 0;
  ssize_t n = FileSystem::ReadFully(handle_, Buffer, static_cast<size_t>(Count));
  if (n < 0) throw EReadError(Format("Stream read error. %s", std::strerror(errno)));
  return static_cast<Integer>(n);
}

Integer THandleStream::Write(const void* Buffer, Integer Count) {
  if (Count <= 0) return 0;
  ssize_t n = FileSystem::WriteFully(handle_, Buffer, static_cast<size_t>(Count));
  if (n < 0) throw EWriteError(Format("Stream write error. %s", std::strerror(errno)));
  return static_cast<Integer>(n);
}

Int64 THandleStream::Seek(Int64 Offset, TSeekOrigin Origin) {
  int whence = Origin == TSeekOrigin::soBeginning ? SEEK_SET
               : Origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                  : SEEK_END;
  off_t r = ::lseek(handle_, static_cast<off_t>(Offset), whence);
  if (r < 0) throw EStreamError(Format("Stream seek error. %s", std::strerror(errno)));
  return r;
}

namespace {
int OpenFile(const AnsiString& FileName, Word Mode) {
  if (Mode == fmCreate) {
    int fd = FileSystem::Current().open(FileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
      throw EFCreateError(Format("Cannot create file \"%s\". %s", FileName.c_str(), std::strerror(errno)));
    return fd;
  }
  int access = (Mode & 3) == fmOpenWrite ? O_WRONLY : (Mode & 3) == fmOpenReadWrite ? O_RDWR : O_RDONLY;
  int fd = FileSystem::Current().open(FileName.c_str(), access | O_CLOEXEC, 0);
  if (fd < 0) throw EFOpenError(Format("Cannot open file \"%s\". %s", FileName.c_str(), std::strerror(errno)));
  return fd;
}
}  // namespace

TFileStream::TFileStream(const AnsiString& FileName, Word Mode)
    : THandleStream(OpenFile(FileName, Mode)), fileName_(FileName) {}

Integer TMemoryStream::Read(void* Buffer, Integer Count) {
  if (Count <= 0 || position_ >= data_.size()) return 0;
  std::size_t n = std::min(static_cast<std::size_t>(Count), data_.size() - position_);
  std::memcpy(Buffer, data_.data() + position_, n);
  position_ += n;
  return static_cast<Integer>(n);
}

Integer TMemoryStream::Write(const void* Buffer, Integer Count) {
  if (Count <= 0) return 0;
  std::size_t n = static_cast<std::size_t>(Count);
  if (position_ + n > data_.size()) data_.resize(position_ + n);
  std::memcpy(data_.data() + position_, Buffer, n);
  position_ += n;
  return Count;
}

Int64 TMemoryStream::Seek(Int64 Offset, TSeekOrigin Origin) {
  Int64 base = Origin == TSeekOrigin::soBeginning ? 0
               : Origin == TSeekOrigin::soCurrent ? static_cast<Int64>(position_)
                                                  : static_cast<Int64>(data_.size());
  Int64 target = base + Offset;
  if (target < 0) throw EStreamError("Stream seek error");
  position_ = static_cast<std::size_t>(target);
  return target;
}

void TMemoryStream::Clear() {
  data_.clear();
  position_ = 0;
}

void TMemoryStream::LoadFromFile(const AnsiString& FileName) {
  AnsiString bytes = FileSystem::ReadWholeFile(FileName);
  data_.assign(bytes.begin(), bytes.end());
  position_ = 0;
}

void TMemoryStream::SaveToFile(const AnsiString& FileName) const {
  FileSystem::WriteFileAtomically(FileName, std::string_view(data_.data(), data_.size()));
}

}  // namespace vcl
