// captioneer dictionary: builds one component's dictionary from host
// strings, a dictionary file, a built-in language and translation files,
// and writes it as a dictionary file.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "Commands.h"
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

Tolvane::TLangName ParseLanguage(const std::string& text) {
  if (auto byName = Tolvane::LangNameFromIdentifier(text)) return *byName;
  if (!text.empty() && text.find_first_not_of("0123456789") == std::string::npos && text.size() <= 2) {
    const int ordinal = std::stoi(text);
    if (ordinal < Tolvane::kLangNameCount) return static_cast<Tolvane::TLangName>(ordinal);
  }
  std::string valid;
  for (int i = 0; i < Tolvane::kLangNameCount; ++i) {
    valid += i == 0 ? "" : ", ";
    valid += Tolvane::LangNameIdentifier(static_cast<Tolvane::TLangName>(i));
  }
  throw UsageError("--language: unknown language '" + text + "'; valid: " + valid + " or their ordinals 0-25");
}

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
  const std::string bytes = vcl::FileSystem::ReadWholeFile(file);
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0)
    throw Failure("standard output: write failed");
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
