// The text form of a component stream, both ways.
//
// ObjectBinaryToText writes the layout of the reference converter byte for
// byte (LF line ends, two spaces per level, quoted runs of bytes 32..126
// with other bytes as #n). ObjectTextToBinary reads that layout and also
// the classic one (#39 for quotes, raw bytes 128..255 inside quotes, strings
// cut into pieces joined by '+', ')' after the last item, '()', '{0001}',
// ' [n]' with a space).
//
// Deliberate difference from the reference: text -> binary keeps 8-bit
// strings 8-bit (vaString/vaLString, #n up to 255 being that byte), because
// this host's strings are bytes; only a #n above 255 makes the value a
// vaWString.
#pragma once

#include "vcl/Stream.h"

namespace vcl {

// A text form that cannot be parsed. It is a kind of EReadError, so a caller
// that reads forms catches one type for binary and text faults alike.
class EParserError : public EReadError {
  using EReadError::EReadError;
};

// oteLFM keeps bytes 128..255 of 8-bit strings inside the quotes.
enum class TObjectTextEncoding { oteDFM, oteLFM };

// Converts one component stream ("TPF0" ...) at Input's position into text.
// Raises EReadError for a malformed stream and for values the text form has
// no notation for (vaSingle, vaCurrency, vaDate, vaQWord).
void ObjectBinaryToText(TStream* Input, TStream* Output,
                        TObjectTextEncoding Encoding = TObjectTextEncoding::oteDFM);

// Converts one component in text form into a binary stream. Raises
// EParserError naming the line of the fault.
void ObjectTextToBinary(TStream* Input, TStream* Output);

}  // namespace vcl
