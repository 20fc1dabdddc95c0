// The host's basic types: 8-bit strings, fixed-width integers and the
// TVarRec of open arrays of const.
#pragma once

#include <cstdint>
#include <string>

namespace vcl {

// One character is one byte; nothing converts code pages.
using AnsiString = std::string;

using Byte = std::uint8_t;
using Word = std::uint16_t;
using Integer = std::int32_t;
using Cardinal = std::uint32_t;
using Int64 = std::int64_t;

class TObject;

// Type codes of TVarRec::VType, as the host numbers them.
enum : Byte {
  vtInteger = 0,
  vtBoolean = 1,
  vtChar = 2,
  vtExtended = 3,
  vtString = 4,
  vtPointer = 5,
  vtPChar = 6,
  vtObject = 7,
  vtClass = 8,
  vtWideChar = 9,
  vtPWideChar = 10,
  vtAnsiString = 11,
  vtCurrency = 12,
  vtVariant = 13,
  vtInterface = 14,
  vtWideString = 15,
  vtInt64 = 16,
};

// One element of an open array of const. A vtAnsiString element carries a
// pointer to NUL-terminated characters (nil for the empty string), as the
// host's string references do.
struct TVarRec {
  union {
    Integer VInteger;
    bool VBoolean;
    char VChar;
    const void* VPointer;
    const char* VPChar;
    TObject* VObject;
    const void* VAnsiString;
  };
  Byte VType;

  static TVarRec AnsiStr(const char* text) {
    TVarRec r{};
    r.VAnsiString = text;
    r.VType = vtAnsiString;
    return r;
  }
  static TVarRec Int(Integer value) {
    TVarRec r{};
    r.VInteger = value;
    r.VType = vtInteger;
    return r;
  }
};

// Open arrays travel as a pointer to the first element and the high index
// (count - 1), as the host passes them.

}  // namespace vcl
