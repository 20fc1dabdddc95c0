// The caption dictionary: writing the caption slots and translating a
// form's buttons. Every lookup scans from the first string and takes the
// first that fits, so order alone decides between entries of one key.
#include <algorithm>
#include <array>
#include <string_view>

#include "Tolvane/component/Captioneer.h"
#include "vcl/Consts.h"
#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"

namespace Tolvane {

namespace {

// The host resource string whose current text is each slot's key.
const std::array<const vcl::TResStringRec*, 11> kSlotKeys = {
    &vcl::SMsgDlgYes,   &vcl::SMsgDlgNo,    &vcl::SMsgDlgOK,     &vcl::SMsgDlgCancel,
    &vcl::SMsgDlgHelp,  &vcl::SMsgDlgAbort, &vcl::SMsgDlgRetry,  &vcl::SMsgDlgIgnore,
    &vcl::SMsgDlgAll,   &vcl::SOKButton,    &vcl::SCancelButton,
};

// Longest translation a button takes from an entry.
constexpr std::size_t kMaxCaption = 255;

// A value read as text. The component's own caller passes vtAnsiString
// values only; a character gives itself, and any value of another kind gives
// the empty text rather than a number read as an address.
vcl::AnsiString TextOf(const vcl::TVarRec& Value) {
  switch (Value.VType) {
    case vcl::vtAnsiString:
      return Value.VAnsiString != nullptr ? static_cast<const char*>(Value.VAnsiString) : "";
    case vcl::vtPChar:
      return Value.VPChar != nullptr ? Value.VPChar : "";
    case vcl::vtChar:
      return vcl::AnsiString(1, Value.VChar);
    default:
      return "";
  }
}

bool StartsWith(const vcl::AnsiString& s, std::string_view prefix) {
  return s.size() >= prefix.size() && std::string_view(s).substr(0, prefix.size()) == prefix;
}

// Finds the first string that begins with Prefix; -1 when none does.
int FindFirst(const vcl::TStrings& list, std::string_view prefix) {
  for (int i = 0, n = list.Count(); i < n; ++i)
    if (StartsWith(list.Strings(i), prefix)) return i;
  return -1;
}

}  // namespace

void TCaptioneer::ReplaceCaptions(const vcl::TVarRec* Args, int Args_High) {
  // Callers pass at least eleven text values; fewer are read as far as they go.
  const int slots = std::min<int>(static_cast<int>(kSlotKeys.size()), Args_High + 1);
  for (int slot = 0; slot < slots; ++slot) {
    const vcl::AnsiString entry =
        vcl::LoadResString(kSlotKeys[static_cast<std::size_t>(slot)]) + "|" + TextOf(Args[slot]);
    // The prefix runs to the entry's first bar, which may lie inside the key.
    const std::string_view prefix = std::string_view(entry).substr(0, entry.find('|') + 1);
    const int index = FindFirst(*FCaptions, prefix);
    if (index >= 0)
      FCaptions->Put(index, entry);
    else
      FCaptions->Add(entry);
  }
}

void TCaptioneer::TranslateForm(vcl::TForm* AForm) {
  for (int i = 0; i < AForm->ComponentCount(); ++i) {
    auto* button = dynamic_cast<vcl::TButton*>(AForm->Components(i));
    if (button == nullptr) continue;
    const vcl::AnsiString prefix = button->Caption() + "|";
    const int index = FindFirst(*FCaptions, prefix);
    if (index < 0) continue;
    // The translation follows the entry's first bar, which lies inside the
    // caption when the caption itself holds a bar.
    const vcl::AnsiString& entry = FCaptions->Strings(index);
    button->SetCaption(entry.substr(entry.find('|') + 1, kMaxCaption));
    if (!FTitle.empty()) AForm->SetCaption(FTitle);
    button->Font()->Assign(FFont.get());
  }
}

}  // namespace Tolvane
