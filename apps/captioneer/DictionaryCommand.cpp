// captioneer dictionary: builds one component's dictionary from host
// strings, a dictionary file, a built-in language and translation files,
// and writes it as a dictionary file.
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "Commands.h"
#include "LanguageOption.h"
#include "Output.h"
#include "Tolvane/Tolvane.h"
#include "vcl/Consts.h"
#include "vcl/FileSystem.h"
#include "vcl/StringList.h"
#include "vcl/SysUtils.h"

namespace captioneer {

namespace {

struct Options {
  std::string hostStrings;
  std::string load;
  std::string language;
  std::vector<std::string> translateFrom;
  std::string output = "-";
};

// Lines IDENTIFIER<TAB>TEXT replace host resource strings.
void ApplyHostStrings(const std::string& fileName) {
  if (!vcl::FileExists(fileName)) throw Failure(fileName + ": no such file");
  vcl::TStringList lines;
  lines.LoadFromFile(fileName);
  for (int i = 0; i < lines.Count(); ++i) {
    const std::string& line = lines.Strings(i);
    if (line.empty()) continue;
    const auto tab = line.find('\t');
    const std::string identifier = line.substr(0, tab);
    const vcl::TResStringRec* rec = vcl::FindResString(identifier);
    const std::string where = fileName + ":" + std::to_string(i + 1) + ": ";
    if (tab == std::string::npos) throw Failure(where + "expected IDENTIFIER<TAB>TEXT");
    if (rec == nullptr) throw Failure(where + "unknown host string '" + identifier + "'");
    vcl::SetResString(rec, line.substr(tab + 1));
  }
}

// Standard output is no file that can be replaced, so the dictionary goes
// to a private temporary directory first and is copied from there.
void SaveToStandardOutput(Tolvane::TCaptioneer& captioneer) {
  std::string dir = (std::filesystem::temp_directory_path() / "captioneer-XXXXXX").string();
  if (::mkdtemp(dir.data()) == nullptr) throw Failure("cannot create a temporary directory");
  struct Cleanup {
    std::string dir;
    ~Cleanup() {
      std::error_code ignored;
      std::filesystem::remove_all(dir, ignored);
    }
  } cleanup{dir};
  const std::string file = dir + "/dictionary.txt";
  captioneer.SaveTo(file);
  WriteToStandardOutput(vcl::FileSystem::ReadWholeFile(file));
}

}  // namespace

Command AddDictionaryCommand(CLI::App& app) {
  auto options = std::make_shared<Options>();
  CLI::App* sub = app.add_subcommand(
      "dictionary",
      "Build a dictionary in this order: host strings, --load, --language, each --translate-from; "
      "then write it as a dictionary file");
  sub->add_option("--host-strings", options->hostStrings,
                  "Replace host resource strings from FILE (lines IDENTIFIER<TAB>TEXT)");
  sub->add_option("--load", options->load, "Load the dictionary from FILE");
  sub->add_option("--language", options->language, "Apply a built-in language: identifier (lnGerman) or ordinal");
  sub->add_option("--translate-from", options->translateFrom, "Take translations from FILE (repeatable)");
  sub->add_option("-o,--output", options->output, "Write the dictionary to FILE, '-' for standard output")
      ->capture_default_str();
  return [options] {
    std::optional<Tolvane::TLangName> language;
    if (!options->language.empty()) language = ParseLanguage(options->language);
    if (!options->hostStrings.empty()) ApplyHostStrings(options->hostStrings);
    Tolvane::TCaptioneer captioneer(nullptr);
    if (!options->load.empty() && !captioneer.LoadFrom(options->load))
      throw Failure(options->load + ": no such file");
    if (language) captioneer.SetLanguage(*language);
    for (const std::string& file : options->translateFrom)
      if (!captioneer.TranslateFrom(file)) throw Failure(file + ": no such file");
    if (options->output == "-")
      SaveToStandardOutput(captioneer);
    else
      captioneer.SaveTo(options->output);
  };
}

}  // namespace captioneer
