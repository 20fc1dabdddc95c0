// captioneer show: the component at work. An application whose main form
// owns a TCaptioneer set up from the options shows a message dialog on the
// headless desktop; the command prints what the user saw when the dialog
// was activated, then the dialog's modal result.
//
// The host's texts are bytes of one code page; the terminal's are UTF-8.
// Texts from the command line are converted into that code page before the
// host sees them, and everything shown is converted back for printing.
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "CodePage.h"
#include "Commands.h"
#include "LanguageOption.h"
#include "Output.h"
#include "Tolvane/Tolvane.h"
#include "vcl/Application.h"
#include "vcl/Dialogs.h"
#include "vcl/HeadlessDesktop.h"
#include "vcl/ModalResult.h"
#include "vcl/StdCtrls.h"

namespace captioneer {

namespace {

// Used when neither --codepage nor a language with a table of its own
// names one: the host's ANSI code page.
constexpr int kDefaultCodePage = 1252;

struct Options {
  std::string language;
  std::string load;
  std::optional<std::string> title;
  std::optional<std::string> fontName;
  std::optional<int> fontSize;
  std::string type = "confirmation";
  std::string buttons = "yes,no";
  std::string answer = "enter";
  std::optional<int> codePage;
  std::string message;
};

const std::pair<const char*, vcl::TMsgDlgType> kTypes[] = {
    {"warning", vcl::mtWarning},           {"error", vcl::mtError},   {"information", vcl::mtInformation},
    {"confirmation", vcl::mtConfirmation}, {"custom", vcl::mtCustom},
};

const std::pair<const char*, vcl::TMsgDlgBtn> kButtons[] = {
    {"yes", vcl::mbYes},     {"no", vcl::mbNo},       {"ok", vcl::mbOK},         {"cancel", vcl::mbCancel},
    {"help", vcl::mbHelp},   {"abort", vcl::mbAbort}, {"retry", vcl::mbRetry}, {"ignore", vcl::mbIgnore},
    {"all", vcl::mbAll},
};

const char* const kModalResults[] = {"mrNone",   "mrOk", "mrCancel", "mrAbort", "mrRetry",
                                     "mrIgnore", "mrYes", "mrNo",    "mrAll"};

template <typename T, std::size_t N>
std::string Names(const std::pair<const char*, T> (&Table)[N]) {
  std::string names;
  for (const auto& [name, value] : Table) names += (names.empty() ? "" : ", ") + std::string(name);
  return names;
}

vcl::TMsgDlgType ParseType(const std::string& Text) {
  for (const auto& [name, type] : kTypes)
    if (Text == name) return type;
  throw UsageError("--type: unknown type '" + Text + "'; valid: " + Names(kTypes));
}

vcl::TMsgDlgButtons ParseButtons(const std::string& Text) {
  vcl::TMsgDlgButtons buttons;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = Text.find(',', start);
    const std::string item = Text.substr(start, comma - start);
    bool known = false;
    for (const auto& [name, button] : kButtons)
      if (item == name) {
        buttons += button;
        known = true;
      }
    if (!known) throw UsageError("--buttons: unknown button '" + item + "'; valid: " + Names(kButtons));
    if (comma == std::string::npos) return buttons;
    start = comma + 1;
  }
}

CodePage OpenCodePage(const Options& O, std::optional<Tolvane::TLangName> Language) {
  if (O.codePage) {
    if (auto page = CodePage::Open(*O.codePage)) return std::move(*page);
    throw UsageError("--codepage: iconv knows no code page CP" + std::to_string(*O.codePage));
  }
  const int number = Language && Tolvane::LangCodePage(*Language) != 0 ? Tolvane::LangCodePage(*Language)
                                                                         : kDefaultCodePage;
  if (auto page = CodePage::Open(number)) return std::move(*page);
  throw Failure("iconv cannot convert from code page CP" + std::to_string(number));
}

// Text from the command line (UTF-8) as bytes of the code page.
std::string HostText(const CodePage& Page, const std::string& What, const std::string& Text) {
  if (auto bytes = Page.FromUtf8(Text)) return *bytes;
  throw UsageError(What + ": '" + Text + "' cannot be written in code page " + std::to_string(Page.Number()));
}

// One field of a printed line: backslash, TAB, CR and LF written as in a
// dictionary file, so that every line keeps its fields.
std::string Field(const CodePage& Page, const std::string& Bytes) {
  std::string out;
  for (char c : Page.ToUtf8(Bytes)) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default: out += c;
    }
  }
  return out;
}

std::string StyleNames(vcl::TFontStyles Style) {
  static const char* const names[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
  std::string out;
  for (int i = 0; i < 4; ++i)
    if (Style.Contains(static_cast<vcl::TFontStyle>(i))) out += (out.empty() ? "" : ",") + std::string(names[i]);
  return "[" + out + "]";
}

std::string ModalResultName(vcl::TModalResult Result) {
  if (Result >= 0 && Result < static_cast<vcl::TModalResult>(std::size(kModalResults))) return kModalResults[Result];
  return std::to_string(Result);
}

// The caption without its accelerator marks ("&Yes" -> "Yes", "&&" -> "&").
std::string WithoutAccelerators(const std::string& Caption) {
  std::string out;
  for (std::size_t i = 0; i < Caption.size(); ++i) {
    if (Caption[i] == '&' && i + 1 < Caption.size()) ++i;
    out += Caption[i];
  }
  return out;
}

// The buttons a form shows, in the order it shows them.
std::vector<vcl::TButton*> ShownButtons(vcl::TWinControl& Parent) {
  std::vector<vcl::TButton*> found;
  for (int i = 0; i < Parent.ControlCount(); ++i) {
    if (auto* b = dynamic_cast<vcl::TButton*>(Parent.Controls(i))) found.push_back(b);
    if (auto* w = dynamic_cast<vcl::TWinControl*>(Parent.Controls(i))) {
      std::vector<vcl::TButton*> inner = ShownButtons(*w);
      found.insert(found.end(), inner.begin(), inner.end());
    }
  }
  return found;
}

// The user presses the button captioned Caption as shown, or as shown
// without its accelerator mark; a caption the dialog does not show fails.
vcl::THeadlessDesktop::TStep PressCaption(const CodePage& Page, std::string Caption) {
  return [&Page, Caption](vcl::TForm& Modal) {
    const std::vector<vcl::TButton*> buttons = ShownButtons(Modal);
    for (vcl::TButton* b : buttons)
      if (b->Caption() == Caption) return b->Click();
    for (vcl::TButton* b : buttons)
      if (WithoutAccelerators(b->Caption()) == Caption) return b->Click();
    std::string shown;
    for (vcl::TButton* b : buttons) shown += (shown.empty() ? "'" : ", '") + Field(Page, b->Caption()) + "'";
    throw Failure("--answer '" + Field(Page, Caption) + "': the dialog shows no such button; it shows " +
                  (shown.empty() ? "none" : shown));
  };
}

void Print(const CodePage& Page, const vcl::TFormView& Seen, vcl::TModalResult Result) {
  std::string out = "title\t" + Field(Page, Seen.Caption) + "\n";
  for (const auto& label : Seen.Labels) out += "message\t" + Field(Page, label) + "\n";
  for (const auto& b : Seen.Buttons)
    out += "button\t" + Field(Page, b.Caption) + "\t" + Field(Page, b.Font.Name) + "\t" +
           std::to_string(b.Font.Size) + "\t" + StyleNames(b.Font.Style) + "\n";
  out += "result\t" + ModalResultName(Result) + "\n";
  WriteToStandardOutput(out);
}

void Run(const Options& O) {
  std::optional<Tolvane::TLangName> language;
  if (!O.language.empty()) language = ParseLanguage(O.language);
  const vcl::TMsgDlgType type = ParseType(O.type);
  const vcl::TMsgDlgButtons buttons = ParseButtons(O.buttons);
  const CodePage page = OpenCodePage(O, language);
  const std::string message = HostText(page, "MESSAGE", O.message);
  const std::optional<std::string> title =
      O.title ? std::optional(HostText(page, "--title", *O.title)) : std::nullopt;
  const std::optional<std::string> fontName =
      O.fontName ? std::optional(HostText(page, "--font-name", *O.fontName)) : std::nullopt;

  vcl::THeadlessDesktop desktop;
  const vcl::TDesktopScope desktopScope(desktop);
  if (O.answer == "enter")
    desktop.PressEnter();
  else if (O.answer == "escape")
    desktop.PressEscape();
  else
    desktop.Then(PressCaption(page, HostText(page, "--answer", O.answer)));

  vcl::TForm* mainForm = nullptr;
  vcl::Application->CreateForm(mainForm);
  const std::unique_ptr<vcl::TForm> ownMainForm(mainForm);
  auto* captioneer = new Tolvane::TCaptioneer(mainForm);
  if (!O.load.empty() && !captioneer->LoadFrom(O.load)) throw Failure(O.load + ": no such file");
  if (language) captioneer->SetLanguage(*language);
  if (title) captioneer->SetTitle(*title);
  if (fontName) captioneer->Font()->SetName(*fontName);
  if (O.fontSize) captioneer->Font()->SetSize(*O.fontSize);

  const std::size_t before = desktop.Activations().size();
  vcl::TModalResult result;
  try {
    result = vcl::MessageDlg(message, type, buttons, 0);
  } catch (const vcl::EInvalidOperation&) {
    // The script's one step was taken and the dialog is still open.
    throw Failure("--answer '" + O.answer + "': the dialog stays open after it (" +
                  (O.answer == "enter"    ? std::string("it has no default button")
                   : O.answer == "escape" ? std::string("it has no cancel button")
                                          : std::string("that button closes nothing")) +
                  ")");
  }
  if (desktop.Activations().size() == before) throw Failure("the dialog was never activated");
  Print(page, desktop.Activations()[before], result);
}

}  // namespace

Command AddShowCommand(CLI::App& app) {
  auto options = std::make_shared<Options>();
  CLI::App* sub = app.add_subcommand(
      "show", "Show a message dialog in an application with a TCaptioneer and print what the user saw");
  sub->add_option("--language", options->language, "Apply a built-in language: identifier (lnGerman) or ordinal");
  sub->add_option("--load", options->load, "Load the dictionary from FILE (before --language)");
  sub->add_option("--title", options->title, "The component's Title for translated dialogs");
  sub->add_option("--font-name", options->fontName, "The buttons' font name");
  sub->add_option("--font-size", options->fontSize, "The buttons' font size in points")
      ->check(CLI::Range(1, 32767));
  sub->add_option("--type", options->type, "warning, error, information, confirmation or custom")
      ->capture_default_str();
  sub->add_option("--buttons", options->buttons, "Comma-separated: " + Names(kButtons))->capture_default_str();
  sub->add_option("--answer", options->answer, "A button's caption as shown, enter or escape")
      ->capture_default_str();
  sub->add_option("--codepage", options->codePage,
                  "The code page of the host's texts (default: the language's, else 1252)");
  sub->add_option("MESSAGE", options->message, "The dialog's message")->required();
  return [options] { Run(*options); };
}

}  // namespace captioneer
