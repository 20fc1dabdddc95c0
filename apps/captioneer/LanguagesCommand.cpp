// captioneer languages: the 26 language choices with their code pages.
#include <cstdio>

#include "Commands.h"
#include "Tolvane/Tolvane.h"

namespace captioneer {

Command AddLanguagesCommand(CLI::App& app) {
  app.add_subcommand("languages", "List the language choices: ordinal, identifier, code page");
  return [] {
    for (int i = 0; i < Tolvane::kLangNameCount; ++i) {
      const auto language = static_cast<Tolvane::TLangName>(i);
      const int codePage = Tolvane::LangCodePage(language);
      std::printf("%d\t%s\t%s\n", i, Tolvane::LangNameIdentifier(language),
                  codePage == 0 ? "-" : std::to_string(codePage).c_str());
    }
  };
}

}  // namespace captioneer
