#include "vcl/ObjectText.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "vcl/BinaryObjectReader.h"
#include "vcl/BinaryObjectWriter.h"
#include "vcl/FilerConsts.h"
#include "vcl/SysUtils.h"

namespace vcl {

namespace {

void WriteAll(TStream* Output, const std::string& Text) {
  std::size_t done = 0;
  while (done < Text.size()) {
    const auto chunk = static_cast<Integer>(std::min<std::size_t>(Text.size() - done, 1u << 30));
    Output->WriteBuffer(Text.data() + done, chunk);
    done += static_cast<std::size_t>(chunk);
  }
}

// ---------------------------------------------------------------- binary -> text

// Pascal's Str of an extended value: a sign position, one digit, '.', 20
// digits, 'E', the exponent's sign and four digits.
std::string FormatExtended(long double Value) {
  if (std::isnan(Value)) return "Nan";
  if (std::isinf(Value)) return Value < 0 ? "-Inf" : "+Inf";
  char digits[64];
  std::snprintf(digits, sizeof digits, "%.20Le", std::fabs(Value));
  std::string text(digits);
  const std::size_t e = text.find('e');
  const long exponent = std::strtol(text.c_str() + e + 1, nullptr, 10);
  char tail[32];
  std::snprintf(tail, sizeof tail, "E%c%04ld", exponent < 0 ? '-' : '+', std::labs(exponent));
  return std::string(std::signbit(Value) ? "-" : " ") + text.substr(0, e) + tail;
}

// Decodes one UTF-8 sequence as the reference converter does: by the lead
// byte alone, without validating the continuation bytes.
std::uint32_t NextUtf8(const std::string& S, std::size_t& I) {
  auto at = [&](std::size_t k) -> std::uint32_t {
    return k < S.size() ? static_cast<unsigned char>(S[k]) & 0x3Fu : 0u;
  };
  const std::uint32_t lead = static_cast<unsigned char>(S[I++]);
  if ((lead & 0x80u) == 0) return lead;
  if ((lead & 0xE0u) == 0xC0u) {
    const std::uint32_t r = ((lead & 0x1Fu) << 6) | at(I);
    I += 1;
    return r;
  }
  if ((lead & 0xF0u) == 0xE0u) {
    const std::uint32_t r = ((lead & 0x1Fu) << 12) | (at(I) << 6) | at(I + 1);
    I += 2;
    return r;
  }
  const std::uint32_t r = ((lead & 0x1Fu) << 18) | (at(I) << 12) | (at(I + 1) << 6) | at(I + 2);
  I += 3;
  return r;
}

class TextWriter {
 public:
  TextWriter(TBinaryObjectReader& In, TObjectTextEncoding Encoding) : in_(In), lfm_(Encoding == TObjectTextEncoding::oteLFM) {}

  void Object(const std::string& Indent, int Depth) {
    if (Depth > MaxStreamNesting) throw EReadError(Format(FilerConsts::SNestingTooDeep, MaxStreamNesting));
    const TComponentHeader h = in_.BeginComponent();
    out_ += Indent;
    out_ += (h.Flags & ffInherited) != 0 ? "inherited " : (h.Flags & ffInline) != 0 ? "inline " : "object ";
    if (!h.Name.empty()) out_ += h.Name + ": ";
    out_ += h.ClassName;
    if ((h.Flags & ffChildPos) != 0) out_ += "[" + std::to_string(h.ChildPos) + "]";
    out_ += '\n';
    Properties(Indent + "  ", Depth);
    while (!in_.EndOfList()) Object(Indent + "  ", Depth + 1);
    in_.ReadListEnd();
    out_ += Indent + "end\n";
  }

  std::string& Text() { return out_; }

 private:
  void Properties(const std::string& Indent, int Depth) {
    while (!in_.EndOfList()) {
      out_ += Indent + in_.BeginProperty() + " = ";
      Value(in_.ReadValue(), Indent, Depth);
    }
    in_.ReadListEnd();
  }

  // Runs of printable characters inside quotes (a quote doubled), every
  // other character as #n outside them.
  template <typename Units>
  void Quoted(const Units& Codes) {
    if (Codes.empty()) {
      out_ += "''";
      return;
    }
    bool inString = false;
    for (std::uint32_t w : Codes) {
      const bool printable = w == '\'' || (w >= 32 && (w < 127 || (lfm_ && byteString_ && w < 256)));
      if (printable != inString) {
        out_ += '\'';
        inString = printable;
      }
      if (w == '\'')
        out_ += "''";
      else if (printable)
        out_ += static_cast<char>(w);
      else
        out_ += "#" + std::to_string(w);
    }
    if (inString) out_ += '\'';
  }

  void Bytes(const std::string& S) {
    std::vector<std::uint32_t> codes(S.begin(), S.end());
    for (auto& c : codes) c &= 0xFFu;
    byteString_ = true;
    Quoted(codes);
    byteString_ = false;
  }

  void Value(TValueType Type, const std::string& Indent, int Depth) {
    switch (Type) {
      case TValueType::vaList: {
        if (Depth > MaxStreamNesting) throw EReadError(Format(FilerConsts::SNestingTooDeep, MaxStreamNesting));
        out_ += '(';
        bool first = true;
        for (TValueType t = in_.ReadValue(); t != TValueType::vaNull; t = in_.ReadValue()) {
          if (first) out_ += '\n';
          first = false;
          out_ += Indent + "  ";
          Value(t, Indent + "  ", Depth + 1);
        }
        out_ += Indent + ")\n";
        return;
      }
      case TValueType::vaInt8:
      case TValueType::vaInt16:
      case TValueType::vaInt32:
      case TValueType::vaInt64:
        out_ += std::to_string(in_.ReadIntegerPayload(Type)) + "\n";
        return;
      case TValueType::vaExtended:
        out_ += FormatExtended(in_.ReadExtendedPayload()) + "\n";
        return;
      case TValueType::vaString:
      case TValueType::vaLString:
        Bytes(in_.ReadStringPayload(Type));
        out_ += '\n';
        return;
      case TValueType::vaUTF8String: {
        const std::string s = in_.ReadStringPayload(Type);
        if (lfm_) {
          Bytes(s);
        } else {
          std::vector<std::uint32_t> codes;
          for (std::size_t i = 0; i < s.size();) codes.push_back(NextUtf8(s, i));
          Quoted(codes);
        }
        out_ += '\n';
        return;
      }
      case TValueType::vaWString:
      case TValueType::vaUString: {
        const std::u16string w = in_.ReadWideStringPayload();
        Quoted(std::vector<std::uint32_t>(w.begin(), w.end()));
        out_ += '\n';
        return;
      }
      case TValueType::vaIdent:
        out_ += in_.ReadShortStr() + "\n";
        return;
      case TValueType::vaFalse:
        out_ += "False\n";
        return;
      case TValueType::vaTrue:
        out_ += "True\n";
        return;
      case TValueType::vaNil:
        out_ += "nil\n";
        return;
      case TValueType::vaSet: {
        out_ += '[';
        bool first = true;
        for (const auto& m : in_.ReadSetPayload()) {
          if (!first) out_ += ", ";
          first = false;
          out_ += m;
        }
        out_ += "]\n";
        return;
      }
      case TValueType::vaBinary: {
        static const char hex[] = "0123456789ABCDEF";
        const std::string data = in_.ReadStringPayload(Type);
        out_ += "{\n";
        for (std::size_t i = 0; i < data.size(); i += 32) {
          out_ += Indent + "  ";
          for (std::size_t k = i; k < std::min(data.size(), i + 32); ++k) {
            const auto b = static_cast<unsigned char>(data[k]);
            out_ += hex[b >> 4];
            out_ += hex[b & 15];
          }
          out_ += '\n';
        }
        out_ += Indent + "}\n";
        return;
      }
      case TValueType::vaCollection: {
        if (Depth > MaxStreamNesting) throw EReadError(Format(FilerConsts::SNestingTooDeep, MaxStreamNesting));
        out_ += '<';
        for (TValueType t = in_.ReadValue(); t != TValueType::vaNull; t = in_.ReadValue()) {
          out_ += Indent + "\n" + Indent + "  item";
          // Deliberate difference: the reference converter forgets the
          // vaList after an item's order value and misreads the item.
          if (t != TValueType::vaList) {
            out_ += "[" + std::to_string(in_.ReadIntegerPayload(t)) + "]";
            if (in_.ReadValue() != TValueType::vaList) throw EReadError(FilerConsts::SListBeginExpected);
          }
          out_ += '\n';
          Properties(Indent + "    ", Depth + 1);
          out_ += Indent + "  end";
        }
        out_ += ">\n";
        return;
      }
      default:
        throw EReadError(Format(FilerConsts::SInvalidPropertyType, static_cast<int>(Type)));
    }
  }

  TBinaryObjectReader& in_;
  bool lfm_;
  bool byteString_ = false;
  std::string out_;
};

// ---------------------------------------------------------------- text -> binary

enum class Tok { End, Symbol, Integer, Float, String, Char };

class Parser {
 public:
  explicit Parser(std::string Text) : s_(std::move(Text)) {
    if (s_.compare(0, 3, "\xEF\xBB\xBF") == 0) pos_ = 3;
    Next();
  }

  [[noreturn]] void Error(const std::string& What) const {
    throw EParserError(Format(FilerConsts::SParseError, What.c_str(), line_));
  }

  Tok Token() const { return tok_; }
  bool IsChar(char C) const { return tok_ == Tok::Char && text_[0] == C; }
  bool IsSymbol(const char* Name) const { return tok_ == Tok::Symbol && SameText(text_, Name); }
  const std::string& Text() const { return text_; }
  Int64 Int() const { return int_; }
  long double Float() const { return float_; }
  bool Wide() const { return wide_; }
  const std::u16string& WideText() const { return wideText_; }

  void Expect(char C) {
    if (!IsChar(C)) Error(std::string("'") + C + "' expected");
    Next();
  }
  std::string ExpectSymbol() {
    if (tok_ != Tok::Symbol) Error("Identifier expected");
    std::string name = text_;
    Next();
    return name;
  }
  // Identifiers joined by dots, as property names and references are.
  std::string ExpectDottedSymbol() {
    std::string name = ExpectSymbol();
    while (IsChar('.')) {
      Next();
      name += '.' + ExpectSymbol();
    }
    return name;
  }

  // The bytes of a {hex} block; the current token is the '{'.
  std::string HexBlock() {
    std::string bytes;
    int half = -1;
    for (;; ++pos_) {
      if (pos_ >= s_.size()) Error("'}' expected");
      const char c = s_[pos_];
      if (c == '}') break;
      if (c == '\n') ++line_;
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
      if (!std::isxdigit(static_cast<unsigned char>(c))) Error("Invalid binary data");
      const int v = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : (std::toupper(c) - 'A' + 10);
      if (half < 0) {
        half = v;
      } else {
        bytes += static_cast<char>(half * 16 + v);
        half = -1;
      }
    }
    if (half >= 0) Error("Invalid binary data");
    ++pos_;
    Next();
    return bytes;
  }

  void Next() {
    SkipBlanks();
    text_.clear();
    if (pos_ >= s_.size()) {
      tok_ = Tok::End;
      return;
    }
    const char c = s_[pos_];
    const auto uc = static_cast<unsigned char>(c);
    if (std::isalpha(uc) || c == '_') {
      while (pos_ < s_.size() && (std::isalnum(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '_'))
        text_ += s_[pos_++];
      tok_ = Tok::Symbol;
    } else if (std::isdigit(uc) || c == '$' || (c == '-' && pos_ + 1 < s_.size() &&
                                                 (std::isdigit(static_cast<unsigned char>(s_[pos_ + 1])) ||
                                                  s_[pos_ + 1] == '$'))) {
      Number();
    } else if (c == '\'' || c == '#') {
      String();
    } else {
      text_ = c;
      ++pos_;
      tok_ = Tok::Char;
    }
  }

 private:
  void SkipBlanks() {
    while (pos_ < s_.size()) {
      const char c = s_[pos_];
      if (c == '\n')
        ++line_;
      else if (c != ' ' && c != '\t' && c != '\r')
        break;
      ++pos_;
    }
  }

  void Number() {
    bool negative = false;
    if (s_[pos_] == '-') {
      negative = true;
      ++pos_;
    }
    std::uint64_t magnitude = 0;
    auto accumulate = [&](unsigned base, unsigned digit) {
      if (magnitude > (std::numeric_limits<std::uint64_t>::max() - digit) / base) Error("Integer out of range");
      magnitude = magnitude * base + digit;
    };
    if (s_[pos_] == '$') {
      ++pos_;
      const std::size_t start = pos_;
      while (pos_ < s_.size() && std::isxdigit(static_cast<unsigned char>(s_[pos_]))) {
        const char d = s_[pos_++];
        accumulate(16, static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(d)) ? d - '0' : std::toupper(d) - 'A' + 10));
      }
      if (pos_ == start) Error("Invalid number");
      SetInteger(negative, magnitude);
      return;
    }
    const std::size_t start = pos_;
    while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
    bool isFloat = false;
    if (pos_ + 1 < s_.size() && s_[pos_] == '.' && std::isdigit(static_cast<unsigned char>(s_[pos_ + 1]))) {
      isFloat = true;
      for (++pos_; pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]));) ++pos_;
    }
    if (pos_ < s_.size() && (s_[pos_] == 'e' || s_[pos_] == 'E')) {
      std::size_t p = pos_ + 1;
      if (p < s_.size() && (s_[p] == '+' || s_[p] == '-')) ++p;
      if (p < s_.size() && std::isdigit(static_cast<unsigned char>(s_[p]))) {
        isFloat = true;
        for (pos_ = p; pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]));) ++pos_;
      }
    }
    if (isFloat) {
      const std::string literal = s_.substr(start, pos_ - start);
      float_ = std::strtold(literal.c_str(), nullptr);
      if (negative) float_ = -float_;
      // The classic writer marks single, currency and date values with a
      // suffix; the value itself is read as an extended, as the reference does.
      if (pos_ < s_.size() && std::string_view("sScCdD").find(s_[pos_]) != std::string_view::npos) ++pos_;
      tok_ = Tok::Float;
      return;
    }
    for (std::size_t i = start; i < pos_; ++i) accumulate(10, static_cast<unsigned>(s_[i] - '0'));
    SetInteger(negative, magnitude);
  }

  void SetInteger(bool Negative, std::uint64_t Magnitude) {
    constexpr std::uint64_t limit = static_cast<std::uint64_t>(std::numeric_limits<Int64>::max());
    if (Magnitude > limit + (Negative ? 1 : 0)) Error("Integer out of range");
    int_ = Negative ? static_cast<Int64>(0 - Magnitude) : static_cast<Int64>(Magnitude);
    tok_ = Tok::Integer;
  }

  // Quoted pieces and #n pieces written next to each other.
  void String() {
    std::u16string units;
    wide_ = false;
    while (pos_ < s_.size() && (s_[pos_] == '\'' || s_[pos_] == '#')) {
      if (s_[pos_] == '\'') {
        for (++pos_;; ++pos_) {
          if (pos_ >= s_.size() || s_[pos_] == '\n' || s_[pos_] == '\r') Error("Unterminated string");
          if (s_[pos_] == '\'') {
            if (pos_ + 1 < s_.size() && s_[pos_ + 1] == '\'') {
              ++pos_;
            } else {
              ++pos_;
              break;
            }
          }
          units += static_cast<char16_t>(static_cast<unsigned char>(s_[pos_]));
        }
      } else {
        ++pos_;
        std::uint32_t code = 0;
        const bool hex = pos_ < s_.size() && s_[pos_] == '$';
        if (hex) ++pos_;
        const std::size_t start = pos_;
        while (pos_ < s_.size() && (hex ? std::isxdigit(static_cast<unsigned char>(s_[pos_]))
                                        : std::isdigit(static_cast<unsigned char>(s_[pos_])))) {
          const char d = s_[pos_++];
          code = code * (hex ? 16 : 10) +
                 static_cast<std::uint32_t>(std::isdigit(static_cast<unsigned char>(d)) ? d - '0' : std::toupper(d) - 'A' + 10);
          if (code > 0xFFFF) Error("Character code out of range");
        }
        if (pos_ == start) Error("Invalid character code");
        if (code > 255) wide_ = true;
        units += static_cast<char16_t>(code);
      }
    }
    wideText_ = units;
    text_.clear();
    if (!wide_)
      for (char16_t u : units) text_ += static_cast<char>(u);
    tok_ = Tok::String;
  }

  std::string s_;
  std::size_t pos_ = 0;
  int line_ = 1;
  Tok tok_ = Tok::End;
  std::string text_;
  std::u16string wideText_;
  bool wide_ = false;
  Int64 int_ = 0;
  long double float_ = 0;
};

class TextReader {
 public:
  TextReader(Parser& P, TBinaryObjectWriter& Out) : p_(P), out_(Out) {}

  bool AtHeader() const { return p_.IsSymbol("object") || p_.IsSymbol("inherited") || p_.IsSymbol("inline"); }

  void Object(int Depth) {
    if (Depth > MaxStreamNesting) p_.Error(Format(FilerConsts::SNestingTooDeep, MaxStreamNesting));
    Byte flags = 0;
    if (p_.IsSymbol("inherited"))
      flags = ffInherited;
    else if (p_.IsSymbol("inline"))
      flags = ffInline;
    else if (!p_.IsSymbol("object"))
      p_.Error("'object' expected");
    p_.Next();
    std::string name;
    std::string className = p_.ExpectSymbol();
    if (p_.IsChar(':')) {
      p_.Next();
      name = className;
      className = p_.ExpectSymbol();
    }
    Int64 childPos = 0;
    if (p_.IsChar('[')) {
      p_.Next();
      if (p_.Token() != Tok::Integer) p_.Error("Integer expected");
      childPos = p_.Int();
      p_.Next();
      p_.Expect(']');
      flags |= ffChildPos;
    }
    out_.BeginComponent(flags, childPos, className, name);
    while (!p_.IsSymbol("end") && !AtHeader()) Property(Depth);
    out_.EndList();
    while (!p_.IsSymbol("end")) {
      if (!AtHeader()) p_.Error("'end' expected");
      Object(Depth + 1);
    }
    p_.Next();
    out_.EndList();
  }

 private:
  void Property(int Depth) {
    if (p_.Token() == Tok::End) p_.Error("'end' expected");
    out_.BeginProperty(p_.ExpectDottedSymbol());
    p_.Expect('=');
    Value(Depth);
  }

  void StringValue() {
    std::string bytes;
    std::u16string units;
    bool wide = false;
    for (;;) {
      if (p_.Wide() && !wide) {
        wide = true;
        units.assign(bytes.begin(), bytes.end());
        for (auto& u : units) u = static_cast<char16_t>(u & 0xFF);
      }
      if (wide)
        units += p_.WideText();
      else
        bytes += p_.Text();
      p_.Next();
      if (!p_.IsChar('+')) break;
      p_.Next();
      if (p_.Token() != Tok::String) p_.Error("String expected");
    }
    if (wide)
      out_.WriteWideString(units);
    else
      out_.WriteString(bytes);
  }

  void Value(int Depth) {
    if (Depth > MaxStreamNesting) p_.Error(Format(FilerConsts::SNestingTooDeep, MaxStreamNesting));
    switch (p_.Token()) {
      case Tok::Integer:
        out_.WriteInteger(p_.Int());
        p_.Next();
        return;
      case Tok::Float:
        out_.WriteFloat(p_.Float());
        p_.Next();
        return;
      case Tok::String:
        StringValue();
        return;
      case Tok::Symbol:
        if (p_.IsSymbol("True")) {
          out_.WriteBoolean(true);
          p_.Next();
        } else if (p_.IsSymbol("False")) {
          out_.WriteBoolean(false);
          p_.Next();
        } else if (p_.IsSymbol("nil")) {
          out_.WriteNil();
          p_.Next();
        } else {
          out_.WriteIdent(p_.ExpectDottedSymbol());
        }
        return;
      case Tok::Char:
        break;
      case Tok::End:
        p_.Error("Value expected");
    }
    if (p_.IsChar('[')) {
      p_.Next();
      std::vector<AnsiString> members;
      if (!p_.IsChar(']')) {
        members.push_back(p_.ExpectSymbol());
        while (p_.IsChar(',')) {
          p_.Next();
          members.push_back(p_.ExpectSymbol());
        }
      }
      p_.Expect(']');
      out_.WriteSet(members);
    } else if (p_.IsChar('(')) {
      p_.Next();
      out_.BeginList();
      while (!p_.IsChar(')')) Value(Depth + 1);
      p_.Next();
      out_.EndList();
    } else if (p_.IsChar('<')) {
      p_.Next();
      out_.BeginCollection();
      while (!p_.IsChar('>')) {
        if (!p_.IsSymbol("item")) p_.Error("'item' expected");
        p_.Next();
        if (p_.IsChar('[')) {
          p_.Next();
          if (p_.Token() != Tok::Integer) p_.Error("Integer expected");
          out_.WriteInteger(p_.Int());
          p_.Next();
          p_.Expect(']');
        }
        out_.BeginList();
        while (!p_.IsSymbol("end")) Property(Depth + 1);
        p_.Next();
        out_.EndList();
      }
      p_.Next();
      out_.EndList();
    } else if (p_.IsChar('{')) {
      out_.WriteBinary(p_.HexBlock());
    } else {
      p_.Error("Invalid property value '" + p_.Text() + "'");
    }
  }

  Parser& p_;
  TBinaryObjectWriter& out_;
};

std::string ReadRest(TStream* Input) {
  const Int64 left = Input->Size() - Input->Position();
  std::string text;
  if (left <= 0) return text;
  text.resize(static_cast<std::size_t>(left));
  std::size_t done = 0;
  while (done < text.size()) {
    const auto chunk = static_cast<Integer>(std::min<std::size_t>(text.size() - done, 1u << 30));
    const Integer got = Input->Read(text.data() + done, chunk);
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  text.resize(done);
  return text;
}

}  // namespace

void ObjectBinaryToText(TStream* Input, TStream* Output, TObjectTextEncoding Encoding) {
  TBinaryObjectReader in(Input);
  in.ReadSignature();
  TextWriter writer(in, Encoding);
  writer.Object("", 0);
  WriteAll(Output, writer.Text());
}

void ObjectTextToBinary(TStream* Input, TStream* Output) {
  Parser parser(ReadRest(Input));
  // The whole binary is collected first so that a parse error leaves the
  // output stream untouched.
  TMemoryStream collected;
  {
    TBinaryObjectWriter out(&collected);
    out.WriteSignature();
    TextReader reader(parser, out);
    reader.Object(0);
    out.Flush();
  }
  Output->WriteBuffer(collected.Memory(), static_cast<Integer>(collected.Bytes().size()));
}

}  // namespace vcl
