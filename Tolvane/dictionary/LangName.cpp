#include "Tolvane/dictionary/LangName.h"

#include <array>

namespace Tolvane {

namespace {

struct LangInfo {
  const char* identifier;
  int codePage;
};

constexpr std::array<LangInfo, kLangNameCount> kLanguages = {{
    {"lnUser", 0},        {"lnArabic", 1256},  {"lnCatalan", 1252},  {"lnChinese", 936},
    {"lnCzech", 1250},    {"lnDanish", 1252},  {"lnDutch", 1252},    {"lnEnglish", 1252},
    {"lnFinnish", 1252},  {"lnFrench", 1252},  {"lnGerman", 1252},   {"lnGreek", 1253},
    {"lnHebrew", 1255},   {"lnHungary", 1250}, {"lnItalian", 1252},  {"lnJapan", 932},
    {"lnKorean", 949},    {"lnNorway", 1252},  {"lnPolish", 1250},   {"lnRussian", 1251},
    {"lnSlovak", 1250},   {"lnSlovenia", 1250}, {"lnSpanish", 1252}, {"lnSwedish", 1252},
    {"lnTaiwanese", 950}, {"lnTurkish", 1254},
}};

}  // namespace

const char* LangNameIdentifier(TLangName Language) {
  return Language < kLangNameCount ? kLanguages[Language].identifier : nullptr;
}

std::optional<TLangName> LangNameFromIdentifier(std::string_view Identifier) {
  for (int i = 0; i < kLangNameCount; ++i)
    if (Identifier == kLanguages[static_cast<std::size_t>(i)].identifier) return static_cast<TLangName>(i);
  return std::nullopt;
}

int LangCodePage(TLangName Language) { return Language < kLangNameCount ? kLanguages[Language].codePage : 0; }

}  // namespace Tolvane
