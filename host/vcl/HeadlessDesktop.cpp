#include "vcl/HeadlessDesktop.h"

#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"
#include "vcl/SysUtils.h"
#include "win32/Window.h"

namespace vcl {

namespace {

// Visits the controls a form shows, depth first in control order.
void ForEachControl(const TWinControl& Parent, const std::function<void(TControl&)>& Visit) {
  for (int i = 0; i < Parent.ControlCount(); ++i) {
    TControl* c = Parent.Controls(i);
    Visit(*c);
    if (auto* w = dynamic_cast<TWinControl*>(c)) ForEachControl(*w, Visit);
  }
}

TButton* FindButton(const TForm& Form, const std::function<bool(const TButton&)>& Fits) {
  TButton* found = nullptr;
  ForEachControl(Form, [&](TControl& c) {
    auto* b = dynamic_cast<TButton*>(&c);
    if (found == nullptr && b != nullptr && Fits(*b)) found = b;
  });
  return found;
}

AnsiString ShownCaptions(const TForm& Form) {
  AnsiString list;
  ForEachControl(Form, [&](TControl& c) {
    if (dynamic_cast<TButton*>(&c) == nullptr) return;
    list += (list.empty() ? "\"" : ", \"") + c.Caption() + "\"";
  });
  return list.empty() ? AnsiString("none") : list;
}

}  // namespace

TFontView ViewOf(const TFont& Font) {
  return TFontView{Font.Name(), Font.Size(), Font.Height(), Font.Style(), Font.Charset(), Font.Color()};
}

THeadlessDesktop& THeadlessDesktop::Press(const AnsiString& Caption) {
  return Then([Caption](TForm& Modal) {
    TButton* b = FindButton(Modal, [&](const TButton& x) { return x.Caption() == Caption; });
    if (b == nullptr)
      throw EInvalidOperation(Format("Form '%s' shows no button captioned \"%s\"; it shows %s",
                                     Modal.Caption().c_str(), Caption.c_str(),
                                     ShownCaptions(Modal).c_str()));
    b->Click();
  });
}

THeadlessDesktop& THeadlessDesktop::PressEnter() {
  return Then([](TForm& Modal) {
    if (TButton* b = FindButton(Modal, [](const TButton& x) { return x.Default(); })) b->Click();
  });
}

THeadlessDesktop& THeadlessDesktop::PressEscape() {
  return Then([](TForm& Modal) {
    if (TButton* b = FindButton(Modal, [](const TButton& x) { return x.Cancel(); })) b->Click();
  });
}

THeadlessDesktop& THeadlessDesktop::SwitchAway() {
  return Then([this](TForm&) {
    leftWindow_ = GetActiveWindow();
    win32::ActivateOtherApplication();
  });
}

THeadlessDesktop& THeadlessDesktop::SwitchBack() {
  return Then([this](TForm&) {
    if (leftWindow_ == nullptr || !IsWindow(leftWindow_))
      throw EInvalidOperation("The desktop cannot switch back: no window was left by switching away");
    HWND back = leftWindow_;
    leftWindow_ = nullptr;
    SetActiveWindow(back);
  });
}

THeadlessDesktop& THeadlessDesktop::Close() {
  return Then([](TForm& Modal) { Modal.Close(); });
}

THeadlessDesktop& THeadlessDesktop::Resize(Integer Width, Integer Height) {
  return Then([Width, Height](TForm& Modal) {
    if (MoveWindow(Modal.Handle(), Modal.Left(), Modal.Top(), Width, Height, TRUE))
      Modal.SetBounds(Modal.Left(), Modal.Top(), Width, Height);
  });
}

THeadlessDesktop& THeadlessDesktop::Then(TStep Step) {
  steps_.push_back(std::move(Step));
  return *this;
}

THeadlessDesktop& THeadlessDesktop::ChooseFile(const AnsiString& Path) {
  fileAnswers_.emplace_back(Path);
  return *this;
}

THeadlessDesktop& THeadlessDesktop::CancelFileDialog() {
  fileAnswers_.emplace_back(std::nullopt);
  return *this;
}

bool THeadlessDesktop::ChooseOpenFile(const TOpenFileRequest& Request, AnsiString& Chosen) {
  fileDialogs_.push_back(Request);
  if (fileAnswers_.empty())
    throw EInvalidOperation("The desktop's script has no answer left for the file dialog '" + Request.Title + "'");
  std::optional<AnsiString> answer = std::move(fileAnswers_.front());
  fileAnswers_.pop_front();
  if (!answer) return false;
  Chosen = *answer;
  return true;
}

void THeadlessDesktop::RunModal(TForm* Form) {
  while (Form->ModalResult() == mrNone) {
    if (steps_.empty())
      throw EInvalidOperation(
          Format("The desktop's script has no step left to answer the modal form '%s'",
                 Form->Caption().c_str()));
    TStep step = std::move(steps_.front());
    steps_.pop_front();
    step(*Form);
  }
}

void THeadlessDesktop::Activated(HWND Window) {
  TForm* form = FindForm(Window);
  if (form == nullptr) return;
  TFormView view{Window, form->Name(), form->Caption(), {}, {}};
  ForEachControl(*form, [&](TControl& c) {
    if (auto* b = dynamic_cast<TButton*>(&c))
      view.Buttons.push_back({b->Name(), b->Caption(), ViewOf(*b->Font()), b->Default(), b->Cancel()});
    else if (dynamic_cast<TLabel*>(&c) != nullptr)
      view.Labels.push_back(c.Caption());
  });
  activations_.push_back(std::move(view));
}

}  // namespace vcl
