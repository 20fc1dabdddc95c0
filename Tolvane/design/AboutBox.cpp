// The About box: a form, an OK button and a bold label, put together in code
// and freed before the call returns.
#include <memory>

#include "Tolvane/component/Captioneer.h"
#include "vcl/Application.h"
#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"

namespace Tolvane {

using namespace vcl;

namespace {

constexpr const char* kProductLine = "Captioneer 1.0";
constexpr const char* kCopyrightLine = "Copyright (c) 2026 Quendale";

}  // namespace

void TCaptioneer::ShowAbout() {
  ShowTimedMessage("About ...", AnsiString(kProductLine) + "\r\n" + kCopyrightLine);
}

void TCaptioneer::ShowTimedMessage(const AnsiString& ACaption, const AnsiString& AText) {
  // Declared form, button, label: each is freed on its own, label first and
  // form last, also when an exception passes.
  std::unique_ptr<TForm> form = std::make_unique<TForm>(Application);
  form->SetBorderIcons({});
  form->SetBorderStyle(bsDialog);
  form->SetCaption(ACaption);
  form->SetClientHeight(130);
  form->SetClientWidth(360);
  form->SetPosition(poScreenCenter);
  form->Font()->SetName("Ariel");
  form->Font()->SetSize(10);

  std::unique_ptr<TButton> button = std::make_unique<TButton>(form.get());
  button->SetName("Button");
  button->SetParent(form.get());
  button->SetCaption("OK");
  button->SetDefault(true);
  button->SetModalResult(mrOk);
  // Centred on the form's outer width, frame included.
  button->SetLeft(form->Width() / 2 - button->Width() / 2);
  button->SetTop(form->ClientHeight() - (button->Height() + 5));

  std::unique_ptr<TLabel> label = std::make_unique<TLabel>(form.get());
  label->SetParent(form.get());
  label->SetCaption(AText);
  label->Font()->SetStyle({TFontStyle::fsBold});
  // Only now is the label sized to its bold text.
  label->SetLeft(label->Parent()->Width() / 2 - label->Width() / 2);
  label->SetTop(15);

  form->ShowModal();
}

}  // namespace Tolvane
