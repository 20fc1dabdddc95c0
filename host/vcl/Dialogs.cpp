#include "vcl/Dialogs.h"

#include <algorithm>
#include <memory>

#include "vcl/Application.h"
#include "vcl/Consts.h"
#include "vcl/StdCtrls.h"

namespace vcl {

namespace {

struct ButtonKind {
  TMsgDlgBtn kind;
  const char* name;
  const TResStringRec* caption;
  TModalResult result;
};

// In the order the buttons appear.
const ButtonKind kButtons[] = {
    {mbYes, "Yes", &SMsgDlgYes, mrYes},
    {mbNo, "No", &SMsgDlgNo, mrNo},
    {mbOK, "OK", &SMsgDlgOK, mrOk},
    {mbCancel, "Cancel", &SMsgDlgCancel, mrCancel},
    {mbAbort, "Abort", &SMsgDlgAbort, mrAbort},
    {mbRetry, "Retry", &SMsgDlgRetry, mrRetry},
    {mbIgnore, "Ignore", &SMsgDlgIgnore, mrIgnore},
    {mbAll, "All", &SMsgDlgAll, mrAll},
    {mbHelp, "Help", &SMsgDlgHelp, mrNone},
};

AnsiString TitleOf(TMsgDlgType DlgType) {
  switch (DlgType) {
    case mtWarning: return LoadResString(&SMsgDlgWarning);
    case mtError: return LoadResString(&SMsgDlgError);
    case mtInformation: return LoadResString(&SMsgDlgInformation);
    case mtConfirmation: return LoadResString(&SMsgDlgConfirm);
    case mtCustom: break;
  }
  return Application->Title();
}

// Geometry of the client area: an 8-pixel margin, 8 pixels between buttons.
// The form has a dialog frame around it.
constexpr Integer kMargin = 8;
constexpr Integer kSpacing = 8;

}  // namespace

TForm* CreateMessageDialog(const AnsiString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons) {
  TMsgDlgBtn defaultKind = Buttons.Contains(mbOK) ? mbOK : Buttons.Contains(mbYes) ? mbYes : mbRetry;
  TMsgDlgBtn cancelKind = Buttons.Contains(mbCancel) ? mbCancel : Buttons.Contains(mbNo) ? mbNo : mbOK;

  auto form = std::make_unique<TForm>(Application);
  form->SetCaption(TitleOf(DlgType));

  auto* text = new TLabel(form.get());
  text->SetName("Message");
  text->SetCaption(Msg);
  text->SetParent(form.get());
  text->SetLeft(kMargin);
  text->SetTop(kMargin);

  Integer x = kMargin;
  Integer y = text->Top() + text->Height() + 2 * kMargin;
  Integer rowHeight = 0;
  for (const ButtonKind& k : kButtons) {
    if (!Buttons.Contains(k.kind)) continue;
    auto* b = new TButton(form.get());
    b->SetName(k.name);
    b->SetCaption(LoadResString(k.caption));
    b->SetModalResult(k.result);
    b->SetDefault(k.kind == defaultKind);
    b->SetCancel(k.kind == cancelKind);
    b->SetParent(form.get());
    b->SetLeft(x);
    b->SetTop(y);
    x += b->Width() + kSpacing;
    rowHeight = b->Height();
  }
  Integer clientWidth = std::max(x - kSpacing, text->Left() + text->Width()) + kMargin;
  Integer clientHeight = y + rowHeight + kMargin;
  form->SetBorderStyle(bsDialog);
  form->SetClientWidth(clientWidth);
  form->SetClientHeight(clientHeight);
  return form.release();
}

Integer MessageDlg(const AnsiString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                   Integer HelpCtx) {
  std::unique_ptr<TForm> dialog(CreateMessageDialog(Msg, DlgType, Buttons));
  dialog->SetHelpContext(HelpCtx);
  return dialog->ShowModal();
}

}  // namespace vcl
