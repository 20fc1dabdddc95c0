#include "vcl/BinaryObjectReader.h"

#include <cmath>
#include <cstring>

#include "vcl/FilerConsts.h"
#include "vcl/SysUtils.h"

namespace vcl {

namespace {
constexpr std::size_t BufferSize = 4096;

bool IsIntegerType(TValueType T) {
  return T == TValueType::vaInt8 || T == TValueType::vaInt16 || T == TValueType::vaInt32 ||
         T == TValueType::vaInt64;
}
}  // namespace

TBinaryObjectReader::TBinaryObjectReader(TStream* Stream)
    : stream_(Stream), buffer_(BufferSize), left_(Stream->Size() - Stream->Position()) {
  if (left_ < 0) left_ = 0;
}

// Puts the stream back after the last byte handed out, so that a caller can
// go on reading behind the component.
TBinaryObjectReader::~TBinaryObjectReader() {
  const std::size_t unread = bufEnd_ - bufPos_;
  if (unread == 0) return;
  try {
    stream_->Seek(-static_cast<Int64>(unread), TSeekOrigin::soCurrent);
  } catch (...) {
    // A destructor reports nothing; the stream is simply left where it is.
  }
}

void TBinaryObjectReader::Need(Int64 Count) const {
  if (Count < 0 || Count > left_) throw EReadError(FilerConsts::SReadError);
}

void TBinaryObjectReader::Fill() {
  const Int64 inStream = left_ - static_cast<Int64>(bufEnd_ - bufPos_);
  const auto want = static_cast<Integer>(std::min<Int64>(inStream, BufferSize));
  if (want <= 0) throw EReadError(FilerConsts::SReadError);
  const Integer got = stream_->Read(buffer_.data(), want);
  if (got <= 0) throw EReadError(FilerConsts::SReadError);
  bufPos_ = 0;
  bufEnd_ = static_cast<std::size_t>(got);
}

void TBinaryObjectReader::Read(void* Buffer, std::size_t Count) {
  Need(static_cast<Int64>(Count));
  auto* out = static_cast<char*>(Buffer);
  while (Count > 0) {
    if (bufPos_ == bufEnd_) Fill();
    const std::size_t n = std::min(Count, bufEnd_ - bufPos_);
    std::memcpy(out, buffer_.data() + bufPos_, n);
    bufPos_ += n;
    out += n;
    Count -= n;
    left_ -= static_cast<Int64>(n);
  }
}

void TBinaryObjectReader::SkipBytes(Int64 Count) {
  Need(Count);
  while (Count > 0) {
    if (bufPos_ == bufEnd_) Fill();
    const auto n = static_cast<std::size_t>(std::min<Int64>(Count, static_cast<Int64>(bufEnd_ - bufPos_)));
    bufPos_ += n;
    Count -= static_cast<Int64>(n);
    left_ -= static_cast<Int64>(n);
  }
}

Byte TBinaryObjectReader::ReadByte() {
  Byte b;
  Read(&b, 1);
  return b;
}

Byte TBinaryObjectReader::PeekByte() {
  Need(1);
  if (bufPos_ == bufEnd_) Fill();
  return static_cast<Byte>(buffer_[bufPos_]);
}

void TBinaryObjectReader::ReadSignature() {
  char sig[4];
  if (left_ < 4) throw EReadError(FilerConsts::SInvalidImage);
  Read(sig, 4);
  if (std::memcmp(sig, FilerSignature, 4) != 0) throw EReadError(FilerConsts::SInvalidImage);
}

TValueType TBinaryObjectReader::NextValue() {
  const Byte b = PeekByte();
  if (b > static_cast<Byte>(vaLastValueType)) throw EReadError(Format(FilerConsts::SInvalidPropertyType, b));
  return static_cast<TValueType>(b);
}

TValueType TBinaryObjectReader::ReadValue() {
  const TValueType t = NextValue();
  ReadByte();
  return t;
}

void TBinaryObjectReader::ReadListEnd() {
  if (ReadByte() != 0) throw EReadError(FilerConsts::SListEndExpected);
}

TComponentHeader TBinaryObjectReader::BeginComponent() {
  TComponentHeader header;
  const Byte first = PeekByte();
  if ((first & 0xF0) == 0xF0) {
    ReadByte();
    header.Flags = first & 0x0F;
    if ((header.Flags & ffChildPos) != 0) {
      const TValueType t = ReadValue();
      if (!IsIntegerType(t)) throw EReadError(Format(FilerConsts::SInvalidPropertyType, static_cast<int>(t)));
      header.ChildPos = ReadIntegerPayload(t);
    }
  }
  header.ClassName = ReadShortStr();
  header.Name = ReadShortStr();
  return header;
}

Int64 TBinaryObjectReader::ReadIntegerPayload(TValueType Type) {
  unsigned char b[8];
  switch (Type) {
    case TValueType::vaInt8:
      return static_cast<std::int8_t>(ReadByte());
    case TValueType::vaInt16:
      Read(b, 2);
      return static_cast<std::int16_t>(static_cast<std::uint16_t>(b[0] | (b[1] << 8)));
    case TValueType::vaInt32:
      Read(b, 4);
      return static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
                                       (static_cast<std::uint32_t>(b[2]) << 16) |
                                       (static_cast<std::uint32_t>(b[3]) << 24));
    case TValueType::vaInt64:
      return static_cast<Int64>(ReadQWordPayload());
    default:
      throw EReadError(Format(FilerConsts::SInvalidPropertyType, static_cast<int>(Type)));
  }
}

std::uint64_t TBinaryObjectReader::ReadQWordPayload() {
  unsigned char b[8];
  Read(b, 8);
  std::uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = (v << 8) | b[i];
  return v;
}

// The x87 80-bit layout: a 64-bit significand with an explicit integer bit,
// then 15 bits of exponent (bias 16383) and the sign.
long double TBinaryObjectReader::ReadExtendedPayload() {
  unsigned char b[10];
  Read(b, 10);
  std::uint64_t mantissa = 0;
  for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | b[i];
  const unsigned se = static_cast<unsigned>(b[8]) | (static_cast<unsigned>(b[9]) << 8);
  const bool negative = (se & 0x8000u) != 0;
  const int exponent = static_cast<int>(se & 0x7FFFu);
  long double value;
  if (exponent == 0x7FFF)
    value = (mantissa << 1) == 0 ? HUGE_VALL : std::nanl("");
  else
    value = std::ldexp(static_cast<long double>(mantissa), (exponent == 0 ? 1 : exponent) - 16383 - 63);
  return negative ? -value : value;
}

float TBinaryObjectReader::ReadSinglePayload() {
  unsigned char b[4];
  Read(b, 4);
  std::uint32_t bits = static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
                       (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
  float f;
  std::memcpy(&f, &bits, 4);
  return f;
}

Int64 TBinaryObjectReader::ReadCurrencyPayload() { return static_cast<Int64>(ReadQWordPayload()); }

double TBinaryObjectReader::ReadDatePayload() {
  const std::uint64_t bits = ReadQWordPayload();
  double d;
  std::memcpy(&d, &bits, 8);
  return d;
}

AnsiString TBinaryObjectReader::ReadShortStr() {
  const Byte len = ReadByte();
  AnsiString s;
  Need(len);
  s.resize(len);
  Read(s.data(), len);
  return s;
}

AnsiString TBinaryObjectReader::ReadStringPayload(TValueType Type) {
  if (Type == TValueType::vaString) return ReadShortStr();
  if (Type != TValueType::vaLString && Type != TValueType::vaUTF8String && Type != TValueType::vaBinary)
    throw EReadError(Format(FilerConsts::SInvalidPropertyType, static_cast<int>(Type)));
  const auto len = static_cast<Int64>(static_cast<std::uint32_t>(ReadIntegerPayload(TValueType::vaInt32)));
  Need(len);
  AnsiString s(static_cast<std::size_t>(len), '\0');
  Read(s.data(), s.size());
  return s;
}

std::u16string TBinaryObjectReader::ReadWideStringPayload() {
  const auto count = static_cast<Int64>(static_cast<std::uint32_t>(ReadIntegerPayload(TValueType::vaInt32)));
  Need(count * 2);
  std::u16string s(static_cast<std::size_t>(count), u'\0');
  for (auto& unit : s) {
    unsigned char b[2];
    Read(b, 2);
    unit = static_cast<char16_t>(b[0] | (b[1] << 8));
  }
  return s;
}

std::vector<AnsiString> TBinaryObjectReader::ReadSetPayload() {
  std::vector<AnsiString> members;
  for (AnsiString name = ReadShortStr(); !name.empty(); name = ReadShortStr()) members.push_back(std::move(name));
  return members;
}

void TBinaryObjectReader::SkipPayload(TValueType Type) {
  switch (Type) {
    case TValueType::vaNull:
    case TValueType::vaFalse:
    case TValueType::vaTrue:
    case TValueType::vaNil:
      return;
    case TValueType::vaInt8:
      return SkipBytes(1);
    case TValueType::vaInt16:
      return SkipBytes(2);
    case TValueType::vaInt32:
    case TValueType::vaSingle:
      return SkipBytes(4);
    case TValueType::vaInt64:
    case TValueType::vaCurrency:
    case TValueType::vaDate:
    case TValueType::vaQWord:
      return SkipBytes(8);
    case TValueType::vaExtended:
      return SkipBytes(10);
    case TValueType::vaString:
    case TValueType::vaIdent:
      return SkipBytes(ReadByte());
    case TValueType::vaBinary:
    case TValueType::vaLString:
    case TValueType::vaUTF8String:
      return SkipBytes(static_cast<std::uint32_t>(ReadIntegerPayload(TValueType::vaInt32)));
    case TValueType::vaWString:
    case TValueType::vaUString:
      return SkipBytes(2 * static_cast<Int64>(static_cast<std::uint32_t>(ReadIntegerPayload(TValueType::vaInt32))));
    case TValueType::vaSet:
      for (Byte len = ReadByte(); len != 0; len = ReadByte()) SkipBytes(len);
      return;
    case TValueType::vaList:
    case TValueType::vaCollection:
      break;
  }
  throw EReadError(Format(FilerConsts::SInvalidPropertyType, static_cast<int>(Type)));
}

// Iterative so that a stream of nested lists, however deep, cannot exhaust
// the call stack: each open list, collection or collection item is a frame.
void TBinaryObjectReader::SkipValue() {
  enum class Frame { List, Collection, Item };
  std::vector<Frame> frames;
  auto open = [&](TValueType t) {
    if (t == TValueType::vaList)
      frames.push_back(Frame::List);
    else if (t == TValueType::vaCollection)
      frames.push_back(Frame::Collection);
    else
      SkipPayload(t);
  };
  open(ReadValue());
  while (!frames.empty()) {
    switch (frames.back()) {
      case Frame::List: {
        const TValueType t = ReadValue();
        if (t == TValueType::vaNull)
          frames.pop_back();
        else
          open(t);
        break;
      }
      case Frame::Collection: {
        TValueType t = ReadValue();
        if (t == TValueType::vaNull) {
          frames.pop_back();
          break;
        }
        if (IsIntegerType(t)) {
          SkipPayload(t);
          t = ReadValue();
        }
        if (t != TValueType::vaList) throw EReadError(FilerConsts::SListBeginExpected);
        frames.push_back(Frame::Item);
        break;
      }
      case Frame::Item:
        if (PeekByte() == 0) {
          ReadByte();
          frames.pop_back();
        } else {
          SkipBytes(ReadByte());
          open(ReadValue());
        }
        break;
    }
  }
}

void TBinaryObjectReader::SkipProperties() {
  while (PeekByte() != 0) {
    SkipBytes(ReadByte());
    SkipValue();
  }
  ReadByte();
}

void TBinaryObjectReader::SkipComponent(bool SkipHeader) {
  // Frames count the open child lists; a component's header and properties
  // are consumed as soon as it is met.
  Int64 open = 0;
  if (SkipHeader) BeginComponent();
  SkipProperties();
  ++open;
  while (open > 0) {
    if (PeekByte() == 0) {
      ReadByte();
      --open;
    } else {
      BeginComponent();
      SkipProperties();
      ++open;
    }
  }
}

}  // namespace vcl
