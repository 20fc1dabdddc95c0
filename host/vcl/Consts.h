// The host's resource strings. Code names a string by its record and reads
// its current text with LoadResString; the whole table can be replaced at
// run time, as a localized resource module would replace it.
#pragma once

#include <vector>

#include "vcl/System.h"

namespace vcl {

struct TResStringRec {
  const char* Identifier;
  int Index;
};

extern const TResStringRec SMsgDlgWarning;
extern const TResStringRec SMsgDlgError;
extern const TResStringRec SMsgDlgInformation;
extern const TResStringRec SMsgDlgConfirm;
extern const TResStringRec SMsgDlgYes;
extern const TResStringRec SMsgDlgNo;
extern const TResStringRec SMsgDlgOK;
extern const TResStringRec SMsgDlgCancel;
extern const TResStringRec SMsgDlgHelp;
extern const TResStringRec SMsgDlgAbort;
extern const TResStringRec SMsgDlgRetry;
extern const TResStringRec SMsgDlgIgnore;
extern const TResStringRec SMsgDlgAll;
extern const TResStringRec SOKButton;
extern const TResStringRec SCancelButton;

// The current text of a resource string.
AnsiString LoadResString(const TResStringRec* ResString);

// Replaces one string's text until ResetResStrings.
void SetResString(const TResStringRec* ResString, const AnsiString& Text);
// Puts the English table back.
void ResetResStrings();

// Every resource string, in table order, and lookup by identifier (exact
// spelling); nullptr when there is none.
const std::vector<const TResStringRec*>& ResStrings();
const TResStringRec* FindResString(const AnsiString& Identifier);

}  // namespace vcl
