// TCaptioneer: the component that translates the buttons of the
// application's forms from its caption dictionary.
//
// The class is implemented by facet: the caption dictionary and form
// translation (dictionary/CaptionDictionary.cpp), the built-in language
// tables (dictionary/LanguageTable.cpp), the dictionary text file
// (dictionary/DictionaryFile.cpp), the component's life cycle and published
// properties (component/Captioneer.cpp), the dialog hook and the locale
// groups (component/DialogHook.cpp), the storage of the dictionary file
// along with the form (component/FormStorage.cpp) and the About box
// (design/AboutBox.cpp).
#pragma once

#include <memory>

#include "Tolvane/dictionary/LangName.h"
#include "vcl/Component.h"
#include "vcl/Font.h"
#include "vcl/Method.h"
#include "vcl/StringList.h"
#include "win32/Types.h"

namespace vcl {
class TFiler;
class TForm;
class TReader;
class TWriter;
struct TVarRec;
}  // namespace vcl

namespace Tolvane {

// Handlers assigned in the form designer and kept in the form file; the
// component never calls them.
using TTranslateEvent = vcl::TEvent<void(vcl::TObject* Sender, bool& Skip)>;
using TTranslatedEvent = vcl::TEvent<void(vcl::TObject* Sender)>;

class TCaptioneer : public vcl::TComponent {
 public:
  // Creates an empty dictionary and a copy of the owner's font (when the
  // owner is a control), switches this component on, acting on no other,
  // and makes it captioneerInstance.
  explicit TCaptioneer(vcl::TComponent* AOwner);
  // Switches this component off, acting on no other; captioneerInstance
  // moves to the most recently constructed component still alive.
  ~TCaptioneer() override;

  // Once the form is read, a component of a locale group takes the state of
  // the first other member of its group.
  void Loaded() override;

  // --- Dialog hook and locale groups -------------------------------------
  // Switches this component and its locale group; switching on switches the
  // other groups off first.
  void SetTranslate(bool Value);
  // Switches this component alone, installing or removing the hook.
  void InternalTranslate(bool Value);

  // --- Form-file storage ----------------------------------------------------
  // Declares "Storage", through which the dictionary file is saved and
  // loaded whenever the form is written or read.
  void DefineProperties(vcl::TFiler* Filer) override;
  void WriteCaptions(vcl::TWriter* Writer);
  void ReadCaptions(vcl::TReader* Reader);
  // The directory a FileName without a path delimiter is resolved against:
  // the open project's while designing, the program's otherwise.
  vcl::AnsiString GetAppDir() const;

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

  // --- About box (design/AboutBox.cpp) ----------------------------------------
  // Shows the product's name, version and copyright in a modal box captioned
  // "About ...".
  void ShowAbout();
  // Shows AText in bold, centred, above an OK button, in a modal box
  // captioned ACaption owned by Application; returns once the box is closed
  // and freed. Exceptions from the host pass on after the box is freed.
  void ShowTimedMessage(const vcl::AnsiString& ACaption, const vcl::AnsiString& AText);

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
  TTranslateEvent OnTranslate() const { return FOnTranslate; }
  void SetOnTranslate(TTranslateEvent Value) { FOnTranslate = Value; }
  TTranslatedEvent OnTranslated() const { return FOnTranslated; }
  void SetOnTranslated(TTranslatedEvent Value) { FOnTranslated = Value; }

 private:
  bool FTranslate = false;
  vcl::AnsiString FTitle;
  std::unique_ptr<vcl::TStringList> FCaptions;
  TLangName FLanguage = lnUser;
  std::unique_ptr<vcl::TFont> FFont;
  vcl::AnsiString FAbout;
  vcl::Integer FLocale = 0;
  vcl::AnsiString FFileName;
  TTranslateEvent FOnTranslate;
  TTranslatedEvent FOnTranslated;
};

// The most recently constructed component still alive; the hook translates
// with it. nil when there is none.
extern TCaptioneer* captioneerInstance;
// The package's one CBT hook; 0 when none is installed.
extern HHOOK CBTHook;

}  // namespace Tolvane
