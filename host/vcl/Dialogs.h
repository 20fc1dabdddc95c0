// Standard message dialogs.
//
// A message dialog is a form owned by Application with a label named
// "Message" holding the text and one button per requested kind, named
// after it ("Yes", "No", "OK", "Cancel", "Abort", "Retry", "Ignore", "All",
// "Help"), in that order, left to right. Each button is owned by the form,
// shown on it, and captioned from the resource string of its kind as the
// resource table reads when the dialog is built. The title comes from the
// dialog type's resource string; mtCustom takes Application's title.
//
// Default button (Enter): OK if requested, else Yes, else Retry.
// Cancel button (Escape): Cancel if requested, else No, else OK.
// Help has no modal result: pressing it leaves the dialog open.
#pragma once

#include "vcl/Forms.h"
#include "vcl/Set.h"

namespace vcl {

enum class TMsgDlgType : Byte { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
inline constexpr TMsgDlgType mtWarning = TMsgDlgType::mtWarning;
inline constexpr TMsgDlgType mtError = TMsgDlgType::mtError;
inline constexpr TMsgDlgType mtInformation = TMsgDlgType::mtInformation;
inline constexpr TMsgDlgType mtConfirmation = TMsgDlgType::mtConfirmation;
inline constexpr TMsgDlgType mtCustom = TMsgDlgType::mtCustom;

enum class TMsgDlgBtn : Byte { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbHelp };
inline constexpr TMsgDlgBtn mbYes = TMsgDlgBtn::mbYes;
inline constexpr TMsgDlgBtn mbNo = TMsgDlgBtn::mbNo;
inline constexpr TMsgDlgBtn mbOK = TMsgDlgBtn::mbOK;
inline constexpr TMsgDlgBtn mbCancel = TMsgDlgBtn::mbCancel;
inline constexpr TMsgDlgBtn mbAbort = TMsgDlgBtn::mbAbort;
inline constexpr TMsgDlgBtn mbRetry = TMsgDlgBtn::mbRetry;
inline constexpr TMsgDlgBtn mbIgnore = TMsgDlgBtn::mbIgnore;
inline constexpr TMsgDlgBtn mbAll = TMsgDlgBtn::mbAll;
inline constexpr TMsgDlgBtn mbHelp = TMsgDlgBtn::mbHelp;

using TMsgDlgButtons = TSet<TMsgDlgBtn, 9>;
inline constexpr TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline constexpr TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline constexpr TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// Builds the dialog, not shown. The caller frees it (or Application does,
// when it is freed itself).
TForm* CreateMessageDialog(const AnsiString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons);

// Builds the dialog, shows it modally, frees it and returns its modal
// result. HelpCtx becomes the dialog's HelpContext.
Integer MessageDlg(const AnsiString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                   Integer HelpCtx);

}  // namespace vcl
