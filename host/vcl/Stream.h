// Streams: the abstract TStream, file streams over a handle and memory
// streams, with the host's stream exception types.
#pragma once

#include <vector>

#include "vcl/Exception.h"
#include "vcl/Object.h"

namespace vcl {

class EStreamError : public Exception {
  using Exception::Exception;
};
class EFCreateError : public EStreamError {
  using EStreamError::EStreamError;
};
class EFOpenError : public EStreamError {
  using EStreamError::EStreamError;
};
// Filer errors: a stream that cannot be read or written as expected.
class EFilerError : public EStreamError {
  using EStreamError::EStreamError;
};
class EReadError : public EFilerError {
  using EFilerError::EFilerError;
};
class EWriteError : public EFilerError {
  using EFilerError::EFilerError;
};

// Open modes of TFileStream, as the host numbers them.
inline constexpr Word fmOpenRead = 0x0000;
inline constexpr Word fmOpenWrite = 0x0001;
inline constexpr Word fmOpenReadWrite = 0x0002;
inline constexpr Word fmCreate = 0xFFFF;

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
 public:
  // Read and Write transfer up to Count bytes and return how many they did.
  virtual Integer Read(void* Buffer, Integer Count) = 0;
  virtual Integer Write(const void* Buffer, Integer Count) = 0;
  virtual Int64 Seek(Int64 Offset, TSeekOrigin Origin) = 0;

  Int64 Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(Int64 Pos) { Seek(Pos, TSeekOrigin::soBeginning); }
  Int64 Size();

  // Transfer exactly Count bytes or raise EReadError / EWriteError.
  void ReadBuffer(void* Buffer, Integer Count);
  void WriteBuffer(const void* Buffer, Integer Count);
};

// A stream over an open file descriptor, which it closes when freed.
class THandleStream : public TStream {
 public:
  explicit THandleStream(int Handle) : handle_(Handle) {}
  ~THandleStream() override;

  // A failing system call raises EReadError / EWriteError naming its cause.
  Integer Read(void* Buffer, Integer Count) override;
  Integer Write(const void* Buffer, Integer Count) override;
  Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;
  int Handle() const { return handle_; }

 private:
  int handle_;
};

// Opens FileName with one of the fm* modes; fmCreate creates or empties it.
// Raises EFOpenError or EFCreateError naming the file and the reason.
class TFileStream : public THandleStream {
 public:
  TFileStream(const AnsiString& FileName, Word Mode);
  const AnsiString& FileName() const { return fileName_; }

 private:
  AnsiString fileName_;
};

class TMemoryStream : public TStream {
 public:
  Integer Read(void* Buffer, Integer Count) override;
  Integer Write(const void* Buffer, Integer Count) override;
  Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;

  const char* Memory() const { return data_.data(); }
  const std::vector<char>& Bytes() const { return data_; }
  void Clear();
  void LoadFromFile(const AnsiString& FileName);
  // Replaces the file safely (FileSystem::WriteFileAtomically).
  void SaveToFile(const AnsiString& FileName) const;

 private:
  std::vector<char> data_;
  std::size_t position_ = 0;
};

}  // namespace vcl
