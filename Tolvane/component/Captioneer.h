// TCaptioneer: the component that translates the buttons of the
// application's forms from its caption dictionary.
//
// The class is implemented by facet: the caption dictionary and form
// translation (dictionary/CaptionDictionary.cpp), the built-in language
// tables (dictionary/LanguageTable.cpp), the dictionary text file
// (dictionary/DictionaryFile.cpp) and the component's life cycle
// (component/Captioneer.cpp).
#pragma once

#include <memory>

#include "Tolvane/dictionary/LangName.h"
#include "vcl/Component.h"
#include "vcl/Font.h"
#include "vcl/StringList.h"

namespace vcl {
class TForm;
struct TVarRec;
}  // namespace vcl

namespace Tolvane {

class TCaptioneer : public vcl::TComponent {
 public:
  // Creates an empty dictionary and a copy of the owner's font (when the
  // owner is a control), and switches the component on.
  explicit TCaptioneer(vcl::TComponent* AOwner);
  ~TCaptioneer() override;

  // --- Caption dictionary and form translation --------------------------
  // Writes one entry per caption slot: the value at Args[k-1] is the
  // translation of slot k, read as NUL-terminated text (nil is empty).
  // Reads exactly the first eleven values; Args_High is the high index.
  void ReplaceCaptions(const vcl::TVarRec* Args, int Args_High);
  // Puts the dictionary's translation on every button that AForm owns.
  void TranslateForm(vcl::TForm* AForm);
  // Stores Value and, for a built-in language, writes its row over the
  // dictionary through ReplaceCaptions.
  void SetLanguage(TLangName Value);

  // --- Dictionary text file ----------------------------------------------
  // Escape and unescape one field: backslash, LF, CR and TAB.
  vcl::AnsiString WriteString(const vcl::AnsiString& S) const;
  vcl::AnsiString ReadString(const vcl::AnsiString& S) const;
  // Writes the dictionary, one sorted line per key, the later entry of a
  // key winning. Host file errors pass to the caller; the previous file is
  // then intact.
  void SaveTo(const vcl::AnsiString& AFileName);
  // Replaces the dictionary by the file's entries; False when no such file
  // exists. The file is read whole before the dictionary changes.
  bool LoadFrom(const vcl::AnsiString& AFileName);
  // Takes new translations from the file for keys the dictionary holds;
  // False when no such file exists.
  bool TranslateFrom(const vcl::AnsiString& AFileName);

  // --- Properties ------------------------------------------------------------
  const vcl::AnsiString& About() const { return FAbout; }
  void SetAbout(const vcl::AnsiString& Value) { FAbout = Value; }
  vcl::TStringList* Captions() const { return FCaptions.get(); }
  void SetCaptions(const vcl::TStrings* Value);
  const vcl::AnsiString& FileName() const { return FFileName; }
  void SetFileName(const vcl::AnsiString& Value) { FFileName = Value; }
  vcl::Integer Locale() const { return FLocale; }
  void SetLocale(vcl::Integer Value) { FLocale = Value; }
  const vcl::AnsiString& Title() const { return FTitle; }
  void SetTitle(const vcl::AnsiString& Value);
  bool Translate() const { return FTranslate; }
  vcl::TFont* Font() const { return FFont.get(); }
  void SetFont(const vcl::TFont* Value);
  TLangName Language() const { return FLanguage; }

 private:
  bool FTranslate = false;
  vcl::AnsiString FTitle;
  std::unique_ptr<vcl::TStringList> FCaptions;
  TLangName FLanguage = lnUser;
  std::unique_ptr<vcl::TFont> FFont;
  vcl::AnsiString FAbout;
  vcl::Integer FLocale = 0;
  vcl::AnsiString FFileName;
};

}  // namespace Tolvane
