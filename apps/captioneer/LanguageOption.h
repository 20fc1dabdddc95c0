// The --language option shared by the commands: an identifier such as
// lnGerman, or an ordinal 0-25.
#pragma once

#include <string>

#include "Tolvane/dictionary/LangName.h"

namespace captioneer {

// Raises UsageError listing the valid choices for any other text.
Tolvane::TLangName ParseLanguage(const std::string& Text);

}  // namespace captioneer
