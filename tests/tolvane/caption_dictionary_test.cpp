#include <gtest/gtest.h>

#include <array>

#include "Tolvane/Tolvane.h"
#include "dictionary_lines.h"
#include "vcl/Consts.h"
#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"

using namespace Tolvane;
using vcl::TVarRec;

namespace {

// Puts the host's English resource strings back after each test.
class CaptionDictionary : public testing::Test {
 protected:
  void TearDown() override { vcl::ResetResStrings(); }

  void Replace(TCaptioneer& c, const std::array<const char*, 11>& texts) {
    std::array<TVarRec, 11> args{};
    for (int i = 0; i < 11; ++i) args[i] = TVarRec::AnsiStr(texts[i]);
    c.ReplaceCaptions(args.data(), 10);
  }
  static constexpr std::array<const char*, 11> kGerman = {
      "Ja", "Nein", "OK", "Abbrechen", "Hilfe", "Abbruch", "Wiederholen", "Ignorieren", "Alles", "OK2", "Abbrechen2"};

  // Eleven different host texts, one per slot.
  void DistinctHostTexts() {
    const vcl::TResStringRec* slots[] = {&vcl::SMsgDlgYes,   &vcl::SMsgDlgNo,    &vcl::SMsgDlgOK,
                                         &vcl::SMsgDlgCancel, &vcl::SMsgDlgHelp, &vcl::SMsgDlgAbort,
                                         &vcl::SMsgDlgRetry, &vcl::SMsgDlgIgnore, &vcl::SMsgDlgAll,
                                         &vcl::SOKButton,    &vcl::SCancelButton};
    for (int i = 0; i < 11; ++i) vcl::SetResString(slots[i], "K" + std::to_string(i + 1));
  }
};

}  // namespace

TEST_F(CaptionDictionary, ElevenDistinctHostTextsGiveElevenEntriesInSlotOrder) {
  DistinctHostTexts();
  TCaptioneer c(nullptr);
  Replace(c, kGerman);
  Lines expected;
  for (int i = 0; i < 11; ++i) expected.push_back("K" + std::to_string(i + 1) + "|" + kGerman[i]);
  EXPECT_EQ(Dictionary(c), expected);
}

TEST_F(CaptionDictionary, SlotsSharingAHostTextLeaveOneEntryWithTheLaterTranslation) {
  TCaptioneer c(nullptr);  // English host: slots 3 and 10 are "OK", 4 and 11 "Cancel"
  Replace(c, kGerman);
  const Lines d = Dictionary(c);
  EXPECT_EQ(d.size(), 9u);
  EXPECT_EQ(std::count(d.begin(), d.end(), "OK|OK2"), 1);
  EXPECT_EQ(std::count(d.begin(), d.end(), "Cancel|Abbrechen2"), 1);
  EXPECT_EQ(d[2], "OK|OK2");
}

TEST_F(CaptionDictionary, ReplacesOnlyTheFirstEntryOfAKeyAndNeverABarlessString) {
  TCaptioneer c(nullptr);
  Fill(c, {"a|1", "b|2", "&Yes", "c|3", "d|4", "&Yes|first", "e|5", "f|6", "&Yes|second", "&Yess|x"});
  Replace(c, kGerman);
  const Lines d = Dictionary(c);
  EXPECT_EQ(d[2], "&Yes");
  EXPECT_EQ(d[5], "&Yes|Ja");
  EXPECT_EQ(d[8], "&Yes|second");
  EXPECT_EQ(d[9], "&Yess|x");
  EXPECT_EQ(d.size(), 10u + 8u);  // the eight other keys are appended
}

TEST_F(CaptionDictionary, HostTextWithABarMatchesUpToItsFirstBar) {
  vcl::SetResString(&vcl::SMsgDlgYes, "Y|es");
  TCaptioneer c(nullptr);
  Fill(c, {"Y|old translation"});
  Replace(c, kGerman);
  EXPECT_EQ(Dictionary(c)[0], "Y|es|Ja");
}

TEST_F(CaptionDictionary, NilFewerAndNonTextValues) {
  TCaptioneer c(nullptr);
  TVarRec character{};
  character.VType = vcl::vtChar;
  character.VChar = 'J';
  std::array<TVarRec, 4> args{TVarRec::AnsiStr(nullptr), TVarRec::AnsiStr("Nein"), TVarRec::Int(12345), character};
  c.ReplaceCaptions(args.data(), 3);
  EXPECT_EQ(Dictionary(c), (Lines{"&Yes|", "&No|Nein", "OK|", "Cancel|J"}));
}

namespace {

struct Dialog {
  vcl::TForm form{nullptr};
  vcl::TButton* Add(const std::string& caption, vcl::TWinControl* parent = nullptr) {
    auto* b = new vcl::TButton(&form);
    b->SetCaption(caption);
    b->SetParent(parent != nullptr ? parent : &form);
    return b;
  }
};

}  // namespace

TEST_F(CaptionDictionary, TranslateFormCases) {
  const std::string long300(300, 'x');
  struct Case {
    const char* what;
    Lines dictionary;
    std::string caption;
    std::string expected;
  } cases[] = {
      {"exact key", {"&Yes|&Ja"}, "&Yes", "&Ja"},
      {"first of two entries wins", {"&Yes|one", "&Yes|two"}, "&Yes", "one"},
      {"letter case differs", {"&yes|x"}, "&Yes", "&Yes"},
      {"accelerator missing", {"&Yes|x"}, "Yes", "Yes"},
      {"key merely begins with the caption", {"&Yess|x"}, "&Yes", "&Yes"},
      {"translation starting with a bar", {"Help|| Hilfe"}, "Help", "| Hilfe"},
      {"empty translation", {"OK|"}, "OK", ""},
      {"empty caption takes an empty key", {"x", "|empty"}, "", "empty"},
      {"bar-less string equal to caption", {"OK"}, "OK", "OK"},
      {"caption holding a bar", {"a|b|c"}, "a|b", "b|c"},
      {"300-byte translation is cut to 255", {"L|" + long300}, "L", std::string(255, 'x')},
  };
  for (auto& c : cases) {
    TCaptioneer captioneer(nullptr);
    Fill(captioneer, c.dictionary);
    Dialog dialog;
    auto* button = dialog.Add(c.caption);
    captioneer.TranslateForm(&dialog.form);
    EXPECT_EQ(button->Caption(), c.expected) << c.what;
    EXPECT_EQ(Dictionary(captioneer), c.dictionary) << c.what;
  }
}

TEST_F(CaptionDictionary, TitleAndFontGoOnlyWithAMatch) {
  TCaptioneer c(nullptr);
  Fill(c, {"OK|Tamam"});
  c.Font()->SetName("Arial");
  c.Font()->SetSize(14);
  Dialog dialog;
  dialog.form.SetCaption("Confirm");
  auto* ok = dialog.Add("OK");
  auto* other = dialog.Add("Other");
  c.TranslateForm(&dialog.form);
  EXPECT_EQ(dialog.form.Caption(), "Confirm");  // empty Title leaves the caption
  EXPECT_TRUE(*ok->Font() == *c.Font());
  EXPECT_EQ(other->Font()->Name(), "MS Sans Serif");

  c.SetTitle("Onay");
  Dialog unmatched;
  unmatched.form.SetCaption("Confirm");
  unmatched.Add("Nothing");
  c.TranslateForm(&unmatched.form);
  EXPECT_EQ(unmatched.form.Caption(), "Confirm");

  Dialog matched;
  matched.Add("OK");
  c.TranslateForm(&matched.form);
  EXPECT_EQ(matched.form.Caption(), "Onay");
}

TEST_F(CaptionDictionary, VisitsButtonsTheFormOwnsWhereverTheySit) {
  TCaptioneer c(nullptr);
  Fill(c, {"OK|Tamam"});
  Dialog dialog;
  auto* panel = new vcl::TPanel(&dialog.form);
  panel->SetParent(&dialog.form);
  auto* onPanel = dialog.Add("OK", panel);
  // Sits on the form but belongs to the panel: not visited.
  auto* ownedByPanel = new vcl::TButton(panel);
  ownedByPanel->SetCaption("OK");
  ownedByPanel->SetParent(&dialog.form);
  auto* label = new vcl::TLabel(&dialog.form);
  label->SetCaption("OK");
  c.TranslateForm(&dialog.form);
  EXPECT_EQ(onPanel->Caption(), "Tamam");
  EXPECT_EQ(ownedByPanel->Caption(), "OK");
  EXPECT_EQ(label->Caption(), "OK");
}

TEST_F(CaptionDictionary, TranslatedCaptionThatIsAKeyIsTranslatedAgainNextTime) {
  TCaptioneer c(nullptr);
  Fill(c, {"A|B", "B|C"});
  Dialog dialog;
  auto* b = dialog.Add("A");
  c.TranslateForm(&dialog.form);
  EXPECT_EQ(b->Caption(), "B");
  c.TranslateForm(&dialog.form);
  EXPECT_EQ(b->Caption(), "C");
}

// --- Built-in languages -------------------------------------------------

TEST_F(CaptionDictionary, SetLanguageCases) {
  {
    TCaptioneer c(nullptr);
    c.SetLanguage(lnUser);
    EXPECT_TRUE(Dictionary(c).empty());
    Fill(c, {"x|y", "plain"});
    c.SetLanguage(lnUser);
    EXPECT_EQ(Dictionary(c), (Lines{"x|y", "plain"}));
  }
  {
    TCaptioneer c(nullptr);
    c.SetLanguage(lnGerman);
    const Lines german = Dictionary(c);
    c.SetLanguage(lnUser);
    EXPECT_EQ(Dictionary(c), german);
    EXPECT_EQ(c.Language(), lnUser);
    c.SetLanguage(lnFrench);
    EXPECT_EQ(Dictionary(c).size(), german.size());
    EXPECT_EQ(Dictionary(c)[0], "&Yes|Oui");
  }
  {
    TCaptioneer c(nullptr);
    c.SetLanguage(lnSpanish);
    c.Captions()->Put(0, "&Yes|Vale");
    c.SetLanguage(lnSpanish);
    EXPECT_EQ(c.Captions()->Strings(0), "&Yes|S\xED");
  }
  {
    TCaptioneer chinese(nullptr), english(nullptr);
    chinese.SetLanguage(lnChinese);
    english.SetLanguage(lnEnglish);
    EXPECT_EQ(Dictionary(chinese), Dictionary(english));
  }
  {
    TCaptioneer c(nullptr);
    Fill(c, {"kept|1"});
    c.SetLanguage(static_cast<TLangName>(40));
    EXPECT_EQ(c.Language(), 40);
    EXPECT_EQ(Dictionary(c), (Lines{"kept|1"}));
  }
}

TEST_F(CaptionDictionary, LanguagesOnButtons) {
  struct Case {
    TLangName language;
    const char* caption;
    std::string shows;
  } cases[] = {
      {lnJapan, "&Help", "| \xCD\xD9\xCC\xDF"},
      {lnItalian, "&Help", "? "},
      {lnRussian, "OK", "\xCE\xCA"},
      {lnJapan, "&No", "\xA2 "},
  };
  for (auto& c : cases) {
    TCaptioneer captioneer(nullptr);
    captioneer.SetLanguage(c.language);
    Dialog dialog;
    auto* b = dialog.Add(c.caption);
    captioneer.TranslateForm(&dialog.form);
    EXPECT_EQ(b->Caption(), c.shows) << LangNameIdentifier(c.language);
  }
  TCaptioneer japan(nullptr);
  japan.SetLanguage(lnJapan);
  EXPECT_EQ(japan.Captions()->Strings(4), "&Help|| \xCD\xD9\xCC\xDF");
}

TEST_F(CaptionDictionary, LaterSlotOverwritesTheEntryOfAnEarlierSlotWithTheSameKey) {
  vcl::SetResString(&vcl::SOKButton, "&Yes");  // slot 10 now shares slot 1's key
  TCaptioneer c(nullptr);
  c.SetLanguage(lnGerman);
  EXPECT_EQ(c.Captions()->Strings(0), "&Yes|OK");
}
