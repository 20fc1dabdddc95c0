#include "LanguageOption.h"

#include "Commands.h"

namespace captioneer {

Tolvane::TLangName ParseLanguage(const std::string& Text) {
  if (auto byName = Tolvane::LangNameFromIdentifier(Text)) return *byName;
  if (!Text.empty() && Text.find_first_not_of("0123456789") == std::string::npos && Text.size() <= 2) {
    const int ordinal = std::stoi(Text);
    if (ordinal < Tolvane::kLangNameCount) return static_cast<Tolvane::TLangName>(ordinal);
  }
  std::string valid;
  for (int i = 0; i < Tolvane::kLangNameCount; ++i) {
    valid += i == 0 ? "" : ", ";
    valid += Tolvane::LangNameIdentifier(static_cast<Tolvane::TLangName>(i));
  }
  throw UsageError("--language: unknown language '" + Text + "'; valid: " + valid + " or their ordinals 0-25");
}

}  // namespace captioneer
