// The value types and filer flags of the binary component stream. Each value
// in a stream starts with one TValueType byte; a component may start with a
// flag byte (0xF0 | flags).
#pragma once

#include "vcl/System.h"

namespace vcl {

enum class TValueType : Byte {
  vaNull,
  vaList,
  vaInt8,
  vaInt16,
  vaInt32,
  vaExtended,
  vaString,
  vaIdent,
  vaFalse,
  vaTrue,
  vaBinary,
  vaSet,
  vaLString,
  vaNil,
  vaCollection,
  vaSingle,
  vaCurrency,
  vaDate,
  vaWString,
  vaInt64,
  vaUTF8String,
  vaUString,
  vaQWord,
};

// The highest type byte a reader accepts.
inline constexpr TValueType vaLastValueType = TValueType::vaQWord;

// Bits of the component prefix byte.
inline constexpr Byte ffInherited = 1;
inline constexpr Byte ffChildPos = 2;
inline constexpr Byte ffInline = 4;

// The four signature bytes that open every binary component stream.
inline constexpr char FilerSignature[4] = {'T', 'P', 'F', '0'};

// Components and lists nest at most this deep in any stream or text we read.
// Real forms stay far below it; the bound keeps hostile input from
// exhausting the call stack.
inline constexpr int MaxStreamNesting = 256;

}  // namespace vcl
