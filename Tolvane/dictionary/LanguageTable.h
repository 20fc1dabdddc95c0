// The built-in caption texts: one row of eleven texts, in caption-slot
// order, for each language but lnUser.
#pragma once

#include "Tolvane/dictionary/LangName.h"

namespace Tolvane {

inline constexpr int kCaptionSlots = 11;

// The row of a language: eleven NUL-terminated byte strings in the
// language's code page, exactly as the component puts them on buttons.
// nullptr for lnUser and for ordinals above 25.
const char* const* LanguageRow(TLangName Language);

}  // namespace Tolvane
