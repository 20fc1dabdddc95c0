#include "vcl/Consts.h"

#include <array>

namespace vcl {

namespace {

constexpr std::array<const char*, 15> kEnglish = {
    "Warning", "Error", "Information", "Confirm", "&Yes", "&No",   "OK",     "Cancel",
    "&Help",   "&Abort", "&Retry",     "&Ignore", "&All", "OK",    "Cancel",
};

std::array<AnsiString, kEnglish.size()>& Table() {
  static std::array<AnsiString, kEnglish.size()> table = [] {
    std::array<AnsiString, kEnglish.size()> t;
    for (std::size_t i = 0; i < t.size(); ++i) t[i] = kEnglish[i];
    return t;
  }();
  return table;
}

}  // namespace

const TResStringRec SMsgDlgWarning{"SMsgDlgWarning", 0};
const TResStringRec SMsgDlgError{"SMsgDlgError", 1};
const TResStringRec SMsgDlgInformation{"SMsgDlgInformation", 2};
const TResStringRec SMsgDlgConfirm{"SMsgDlgConfirm", 3};
const TResStringRec SMsgDlgYes{"SMsgDlgYes", 4};
const TResStringRec SMsgDlgNo{"SMsgDlgNo", 5};
const TResStringRec SMsgDlgOK{"SMsgDlgOK", 6};
const TResStringRec SMsgDlgCancel{"SMsgDlgCancel", 7};
const TResStringRec SMsgDlgHelp{"SMsgDlgHelp", 8};
const TResStringRec SMsgDlgAbort{"SMsgDlgAbort", 9};
const TResStringRec SMsgDlgRetry{"SMsgDlgRetry", 10};
const TResStringRec SMsgDlgIgnore{"SMsgDlgIgnore", 11};
const TResStringRec SMsgDlgAll{"SMsgDlgAll", 12};
const TResStringRec SOKButton{"SOKButton", 13};
const TResStringRec SCancelButton{"SCancelButton", 14};

AnsiString LoadResString(const TResStringRec* ResString) {
  return Table().at(static_cast<std::size_t>(ResString->Index));
}

void SetResString(const TResStringRec* ResString, const AnsiString& Text) {
  Table().at(static_cast<std::size_t>(ResString->Index)) = Text;
}

void ResetResStrings() {
  for (std::size_t i = 0; i < kEnglish.size(); ++i) Table()[i] = kEnglish[i];
}

const std::vector<const TResStringRec*>& ResStrings() {
  static const std::vector<const TResStringRec*> all = {
      &SMsgDlgWarning, &SMsgDlgError, &SMsgDlgInformation, &SMsgDlgConfirm, &SMsgDlgYes,
      &SMsgDlgNo,      &SMsgDlgOK,    &SMsgDlgCancel,      &SMsgDlgHelp,    &SMsgDlgAbort,
      &SMsgDlgRetry,   &SMsgDlgIgnore, &SMsgDlgAll,        &SOKButton,      &SCancelButton,
  };
  return all;
}

const TResStringRec* FindResString(const AnsiString& Identifier) {
  for (const TResStringRec* r : ResStrings())
    if (Identifier == r->Identifier) return r;
  return nullptr;
}

}  // namespace vcl
