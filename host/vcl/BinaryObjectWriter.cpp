#include "vcl/BinaryObjectWriter.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace vcl {

namespace {
constexpr std::size_t FlushThreshold = 4096;
}  // namespace

void TBinaryObjectWriter::WriteByte(Byte B) {
  buffer_.push_back(static_cast<char>(B));
  if (buffer_.size() >= FlushThreshold) Flush();
}

void TBinaryObjectWriter::WriteBytes(std::string_view Bytes) {
  buffer_.append(Bytes);
  if (buffer_.size() >= FlushThreshold) Flush();
}

void TBinaryObjectWriter::WriteLE(std::uint64_t Value, int Size) {
  char b[8];
  for (int i = 0; i < Size; ++i) b[i] = static_cast<char>((Value >> (8 * i)) & 0xFF);
  WriteBytes(std::string_view(b, static_cast<std::size_t>(Size)));
}

void TBinaryObjectWriter::Flush() {
  std::size_t done = 0;
  while (done < buffer_.size()) {
    const auto chunk = static_cast<Integer>(std::min<std::size_t>(buffer_.size() - done, 1u << 30));
    stream_->WriteBuffer(buffer_.data() + done, chunk);
    done += static_cast<std::size_t>(chunk);
  }
  buffer_.clear();
}

void TBinaryObjectWriter::WriteSignature() { WriteBytes(std::string_view(FilerSignature, 4)); }

void TBinaryObjectWriter::BeginComponent(Byte Flags, Int64 ChildPos, std::string_view ClassName,
                                         std::string_view Name) {
  if (Flags != 0) {
    WriteByte(static_cast<Byte>(0xF0 | Flags));
    if ((Flags & ffChildPos) != 0) WriteInteger(ChildPos);
  }
  WriteShortStr(ClassName);
  WriteShortStr(Name);
}

void TBinaryObjectWriter::WriteShortStr(std::string_view S) {
  const std::size_t len = std::min<std::size_t>(S.size(), 255);
  WriteByte(static_cast<Byte>(len));
  WriteBytes(S.substr(0, len));
}

void TBinaryObjectWriter::WriteInteger(Int64 Value) {
  if (Value >= -128 && Value <= 127) {
    WriteValue(TValueType::vaInt8);
    WriteLE(static_cast<std::uint64_t>(Value), 1);
  } else if (Value >= -32768 && Value <= 32767) {
    WriteValue(TValueType::vaInt16);
    WriteLE(static_cast<std::uint64_t>(Value), 2);
  } else if (Value >= std::numeric_limits<std::int32_t>::min() && Value <= std::numeric_limits<std::int32_t>::max()) {
    WriteValue(TValueType::vaInt32);
    WriteLE(static_cast<std::uint64_t>(Value), 4);
  } else {
    WriteValue(TValueType::vaInt64);
    WriteLE(static_cast<std::uint64_t>(Value), 8);
  }
}

void TBinaryObjectWriter::WriteString(std::string_view Value) {
  if (Value.size() <= 255) {
    WriteValue(TValueType::vaString);
    WriteShortStr(Value);
  } else {
    WriteValue(TValueType::vaLString);
    WriteLE(Value.size(), 4);
    WriteBytes(Value);
  }
}

void TBinaryObjectWriter::WriteUTF8String(std::string_view Value) {
  WriteValue(TValueType::vaUTF8String);
  WriteLE(Value.size(), 4);
  WriteBytes(Value);
}

void TBinaryObjectWriter::WriteWideString(std::u16string_view Value) {
  WriteValue(TValueType::vaWString);
  WriteLE(Value.size(), 4);
  for (char16_t unit : Value) WriteLE(unit, 2);
}

void TBinaryObjectWriter::WriteIdent(std::string_view Ident) {
  WriteValue(TValueType::vaIdent);
  WriteShortStr(Ident);
}

void TBinaryObjectWriter::WriteSet(const std::vector<AnsiString>& Members) {
  WriteValue(TValueType::vaSet);
  for (const auto& m : Members) WriteShortStr(m);
  WriteByte(0);
}

void TBinaryObjectWriter::WriteBinary(std::string_view Bytes) {
  WriteValue(TValueType::vaBinary);
  WriteLE(Bytes.size(), 4);
  WriteBytes(Bytes);
}

// The x87 80-bit layout: a 64-bit significand with an explicit integer bit,
// then 15 bits of exponent (bias 16383) and the sign.
void TBinaryObjectWriter::WriteFloat(long double Value) {
  WriteValue(TValueType::vaExtended);
  std::uint64_t mantissa = 0;
  unsigned exponent = 0;
  const bool negative = std::signbit(Value);
  const long double magnitude = std::fabs(Value);
  if (std::isnan(Value)) {
    exponent = 0x7FFF;
    mantissa = 0xC000000000000000ull;
  } else if (std::isinf(Value)) {
    exponent = 0x7FFF;
    mantissa = 0x8000000000000000ull;
  } else if (magnitude != 0) {
    int e = 0;
    const long double fraction = std::frexp(magnitude, &e);  // [0.5, 1)
    int biased = e - 1 + 16383;
    int shift = 64;
    if (biased <= 0) {  // a denormal keeps exponent 0 and a shifted significand
      shift += biased - 1;
      biased = 0;
    }
    mantissa = shift > 0 ? static_cast<std::uint64_t>(std::ldexp(fraction, shift)) : 0;
    exponent = static_cast<unsigned>(biased);
  }
  WriteLE(mantissa, 8);
  WriteLE(exponent | (negative ? 0x8000u : 0u), 2);
}

void TBinaryObjectWriter::WriteSingle(float Value) {
  WriteValue(TValueType::vaSingle);
  std::uint32_t bits;
  std::memcpy(&bits, &Value, 4);
  WriteLE(bits, 4);
}

void TBinaryObjectWriter::WriteCurrency(Int64 Value) {
  WriteValue(TValueType::vaCurrency);
  WriteLE(static_cast<std::uint64_t>(Value), 8);
}

void TBinaryObjectWriter::WriteDate(double Value) {
  WriteValue(TValueType::vaDate);
  std::uint64_t bits;
  std::memcpy(&bits, &Value, 8);
  WriteLE(bits, 8);
}

void TBinaryObjectWriter::WriteQWord(std::uint64_t Value) {
  WriteValue(TValueType::vaQWord);
  WriteLE(Value, 8);
}

}  // namespace vcl
