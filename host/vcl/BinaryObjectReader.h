// TBinaryObjectReader: the byte layer under TReader and the text converter.
// It knows the layout of a binary component stream and nothing about
// components: it hands out headers, property names and typed values.
//
// Every length read from the stream is checked against the bytes that are
// left before anything is allocated, so a lying length raises EReadError
// instead of allocating. The reader buffers ahead; when it is destroyed the
// stream is put back just after the last byte consumed.
#pragma once

#include <string>
#include <vector>

#include "vcl/Stream.h"
#include "vcl/ValueType.h"

namespace vcl {

// The header of one component in a stream.
struct TComponentHeader {
  Byte Flags = 0;  // ffInherited | ffChildPos | ffInline
  Int64 ChildPos = 0;
  AnsiString ClassName;
  AnsiString Name;
};

class TBinaryObjectReader {
 public:
  // Reads from Stream's current position to its end.
  explicit TBinaryObjectReader(TStream* Stream);
  ~TBinaryObjectReader();
  TBinaryObjectReader(const TBinaryObjectReader&) = delete;
  TBinaryObjectReader& operator=(const TBinaryObjectReader&) = delete;

  // Consumes "TPF0"; raises EReadError for anything else.
  void ReadSignature();

  // The type of the next value without consuming it, and consuming it.
  // Both raise EReadError at the end of the data or for an unknown type.
  TValueType NextValue();
  TValueType ReadValue();
  // True when the next byte is 0 (the end of a list), which it leaves.
  // Only the byte is looked at: a child component may start with a prefix
  // byte that is no value type.
  bool EndOfList() { return PeekByte() == 0; }
  // Consumes the vaNull that ends a list; raises EReadError for any other.
  void ReadListEnd();

  TComponentHeader BeginComponent();
  // The name of the next property (a ShortStr).
  AnsiString BeginProperty() { return ReadShortStr(); }

  // Payloads, read after their type byte.
  Int64 ReadIntegerPayload(TValueType Type);  // vaInt8/16/32/64
  long double ReadExtendedPayload();
  float ReadSinglePayload();
  Int64 ReadCurrencyPayload();  // the value x 10000
  double ReadDatePayload();
  std::uint64_t ReadQWordPayload();
  // vaString, vaLString, vaUTF8String (raw UTF-8 bytes) and vaBinary.
  AnsiString ReadStringPayload(TValueType Type);
  // vaWString and vaUString: the UTF-16 code units.
  std::u16string ReadWideStringPayload();
  // The member names of a vaSet, up to the empty name that ends it.
  std::vector<AnsiString> ReadSetPayload();

  AnsiString ReadShortStr();

  // Skips one whole value, type byte included, however deeply it nests.
  void SkipValue();
  // Skips the properties up to and including their terminating vaNull.
  void SkipProperties();
  // Skips a component: header (when SkipHeader), properties and children.
  void SkipComponent(bool SkipHeader);

  // Bytes not yet consumed.
  Int64 Remaining() const { return left_; }

 private:
  void Read(void* Buffer, std::size_t Count);
  Byte ReadByte();
  Byte PeekByte();
  void Need(Int64 Count) const;
  void SkipBytes(Int64 Count);
  void SkipPayload(TValueType Type);
  void Fill();

  TStream* stream_;
  std::vector<char> buffer_;
  std::size_t bufPos_ = 0;
  std::size_t bufEnd_ = 0;
  Int64 left_;
};

}  // namespace vcl
