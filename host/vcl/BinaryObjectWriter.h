// TBinaryObjectWriter: the byte layer under TWriter and the text converter.
// It writes the layout of a binary component stream and knows nothing about
// components. Bytes are collected and go to the stream on Flush (and when
// the buffer fills); a writer abandoned by an exception writes no more.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "vcl/Stream.h"
#include "vcl/ValueType.h"

namespace vcl {

class TBinaryObjectWriter {
 public:
  explicit TBinaryObjectWriter(TStream* Stream) : stream_(Stream) {}
  TBinaryObjectWriter(const TBinaryObjectWriter&) = delete;
  TBinaryObjectWriter& operator=(const TBinaryObjectWriter&) = delete;

  void WriteSignature();
  // The prefix byte only when Flags is not 0, the child position only with
  // ffChildPos; then class name and name.
  void BeginComponent(Byte Flags, Int64 ChildPos, std::string_view ClassName, std::string_view Name);
  // The vaNull that ends a property list, a child list or a list value.
  void EndList() { WriteByte(0); }
  void BeginList() { WriteValue(TValueType::vaList); }
  void BeginCollection() { WriteValue(TValueType::vaCollection); }
  void BeginProperty(std::string_view Name) { WriteShortStr(Name); }

  // The narrowest of vaInt8, vaInt16, vaInt32 and vaInt64 that holds Value.
  void WriteInteger(Int64 Value);
  void WriteBoolean(bool Value) { WriteValue(Value ? TValueType::vaTrue : TValueType::vaFalse); }
  // 8-bit text: vaString up to 255 bytes, vaLString beyond.
  void WriteString(std::string_view Value);
  void WriteUTF8String(std::string_view Value);
  void WriteWideString(std::u16string_view Value);
  void WriteIdent(std::string_view Ident);
  void WriteSet(const std::vector<AnsiString>& Members);
  void WriteBinary(std::string_view Bytes);
  void WriteFloat(long double Value);  // vaExtended
  void WriteSingle(float Value);
  void WriteCurrency(Int64 Value);  // the value x 10000
  void WriteDate(double Value);
  void WriteQWord(std::uint64_t Value);
  void WriteNil() { WriteValue(TValueType::vaNil); }

  void WriteValue(TValueType Type) { WriteByte(static_cast<Byte>(Type)); }
  // A ShortStr; a longer name is cut to 255 bytes, as the host's writer does.
  void WriteShortStr(std::string_view S);

  // Hands every collected byte to the stream.
  void Flush();

 private:
  void WriteByte(Byte B);
  void WriteBytes(std::string_view Bytes);
  void WriteLE(std::uint64_t Value, int Size);

  TStream* stream_;
  std::string buffer_;
};

}  // namespace vcl
