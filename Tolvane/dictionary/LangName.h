// TLangName: the language choices of TCaptioneer, written by identifier
// into form files.
#pragma once

#include <optional>
#include <string_view>

#include "vcl/System.h"

namespace Tolvane {

enum TLangName : vcl::Byte {
  lnUser,
  lnArabic,
  lnCatalan,
  lnChinese,
  lnCzech,
  lnDanish,
  lnDutch,
  lnEnglish,
  lnFinnish,
  lnFrench,
  lnGerman,
  lnGreek,
  lnHebrew,
  lnHungary,
  lnItalian,
  lnJapan,
  lnKorean,
  lnNorway,
  lnPolish,
  lnRussian,
  lnSlovak,
  lnSlovenia,
  lnSpanish,
  lnSwedish,
  lnTaiwanese,
  lnTurkish,
};

inline constexpr int kLangNameCount = 26;

// The identifier of a language ("lnGerman"); nullptr for an ordinal above 25.
const char* LangNameIdentifier(TLangName Language);

// The language with this identifier, spelled exactly; none for any other text.
std::optional<TLangName> LangNameFromIdentifier(std::string_view Identifier);

// The Windows code page of the language's built-in texts; 0 for lnUser and
// ordinals above 25.
int LangCodePage(TLangName Language);

}  // namespace Tolvane
