#include "vcl/Forms.h"

#include <algorithm>

#include "vcl/Desktop.h"
#include "vcl/SysUtils.h"
#include "win32/LastError.h"
#include "win32/Window.h"

namespace vcl {

namespace {

// Never destroyed: forms that Application still owns at exit are freed by
// static destructors, in an order across files that nobody fixes, and each
// leaves the screen's list.
TScreen& TheScreen() {
  static auto* screen = new TScreen;
  return *screen;
}

}  // namespace

TScreen* const Screen = &TheScreen();

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner) {
  SetBounds(0, 0, 320, 240);
  TheScreen().forms_.push_back(this);
}

TForm::~TForm() {
  SetState(csDestroying, true);
  if (handle_ != nullptr) {
    // The hooks run while the handle still names the form.
    DestroyWindow(handle_);
    handle_ = nullptr;
  }
  auto& forms = TheScreen().forms_;
  forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
}

HWND TForm::Handle() {
  if (handle_ != nullptr || creatingHandle_ || ComponentState().Contains(csDestroying))
    return handle_;
  creatingHandle_ = true;
  HWND created = CreateWindowExA(0, "TForm", Caption().c_str(), 0, Left(), Top(), Width(), Height(),
                                 nullptr, nullptr, nullptr, nullptr);
  creatingHandle_ = false;
  if (created == nullptr)
    throw EOSError(Format("Error creating window for form '%s'", Name().c_str()),
                   static_cast<int>(GetLastError()));
  handle_ = created;
  return handle_;
}

void TForm::SetVisible(bool Value) {
  if (Value == visible_) return;
  if (Value) {
    PlaceOnShow();
    HWND h = Handle();
    visible_ = true;
    ShowWindow(h, SW_SHOWNORMAL);
  } else {
    visible_ = false;
    if (handle_ != nullptr) ShowWindow(handle_, SW_HIDE);
  }
}

void TForm::Show() {
  SetVisible(true);
  BringToFront();
}

void TForm::BringToFront() {
  if (visible_ && handle_ != nullptr && !Active()) SetActiveWindow(handle_);
}

bool TForm::Active() const { return handle_ != nullptr && GetActiveWindow() == handle_; }

TModalResult TForm::ShowModal() {
  if (visible_ || modal_) throw EInvalidOperation("Cannot make a visible window modal");
  TDesktop* desktop = Desktop();
  if (desktop == nullptr)
    throw EInvalidOperation(Format("Cannot show form '%s' modally: no desktop is installed to answer it",
                                   Caption().c_str()));
  // Ends the modal state also when the loop raises.
  struct EndModal {
    TForm& form;
    HWND previous;
    ~EndModal() {
      form.modal_ = false;
      form.Hide();
      if (previous != nullptr && IsWindow(previous)) SetActiveWindow(previous);
    }
  } end{*this, GetActiveWindow()};
  modal_ = true;
  modalResult_ = mrNone;
  Show();
  desktop->RunModal(this);
  return modalResult_;
}

void TForm::Close() {
  if (modal_)
    modalResult_ = mrCancel;
  else
    Hide();
}

TForm::Frame TForm::BorderFrame() const {
  switch (borderStyle_) {
    case bsNone: return {0, 0};
    case bsSingle: return {3, 19};
    case bsSizeable: return {4, 19};
    case bsDialog: return {3, 19};
    case bsToolWindow: return {3, 16};
    case bsSizeToolWin: return {4, 16};
  }
  return {0, 0};
}

Integer TForm::ClientWidth() const { return Width() - 2 * BorderFrame().side; }

void TForm::SetClientWidth(Integer Value) { SetWidth(Value + 2 * BorderFrame().side); }

Integer TForm::ClientHeight() const {
  const Frame frame = BorderFrame();
  return Height() - 2 * frame.side - frame.captionBar;
}

void TForm::SetClientHeight(Integer Value) {
  const Frame frame = BorderFrame();
  SetHeight(Value + 2 * frame.side + frame.captionBar);
}

// Before the window is created or shown, so that it appears in place.
void TForm::PlaceOnShow() {
  if (position_ != poScreenCenter) return;
  SetLeft((TheScreen().Width() - Width()) / 2);
  SetTop((TheScreen().Height() - Height()) / 2);
  if (handle_ != nullptr) MoveWindow(handle_, Left(), Top(), Width(), Height(), FALSE);
}

TForm* GetParentForm(const TControl* Control) {
  while (Control->Parent() != nullptr) Control = Control->Parent();
  return dynamic_cast<TForm*>(const_cast<TControl*>(Control));
}

TForm* FindForm(HWND Handle) {
  if (Handle == nullptr) return nullptr;
  for (int i = 0; i < TheScreen().FormCount(); ++i) {
    TForm* form = TheScreen().Forms(i);
    if (form->HandleAllocated() && form->Handle() == Handle) return form;
  }
  return nullptr;
}

TForm* TScreen::Forms(int Index) const {
  if (Index < 0 || Index >= FormCount())
    throw EComponentError(Format("List index out of bounds (%d)", Index));
  return forms_[static_cast<std::size_t>(Index)];
}

TForm* TScreen::ActiveForm() const { return FindForm(GetActiveWindow()); }

}  // namespace vcl
