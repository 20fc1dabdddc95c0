#include "vcl/Controls.h"

#include <algorithm>

#include "vcl/SysUtils.h"

namespace vcl {

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), font_(new TFont) {
  font_->SetOnChange([this] {
    if (!takingParentFont_) parentFont_ = false;
    FontChanged();
  });
}

TControl::~TControl() {
  SetParent(nullptr);
  delete font_;
}

void TControl::SetParent(TWinControl* AParent) {
  if (AParent == parent_) return;
  if (parent_ != nullptr) {
    auto& list = parent_->controls_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }
  parent_ = AParent;
  if (parent_ != nullptr) {
    parent_->controls_.push_back(this);
    TakeParentFont();
  }
}

void TControl::SetCaption(const AnsiString& Value) {
  if (Value == caption_) return;
  caption_ = Value;
  TextChanged();
}

void TControl::SetParentFont(bool Value) {
  parentFont_ = Value;
  TakeParentFont();
}

void TControl::TakeParentFont() {
  if (!parentFont_ || parent_ == nullptr) return;
  struct Taking {
    bool& flag;
    ~Taking() { flag = false; }
  } taking{takingParentFont_};
  takingParentFont_ = true;
  font_->Assign(parent_->Font());
}

void TControl::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  left_ = ALeft;
  top_ = ATop;
  SetWidth(AWidth);
  SetHeight(AHeight);
}

void TControl::SetParentComponent(TComponent* Value) {
  if (auto* parent = dynamic_cast<TWinControl*>(Value)) SetParent(parent);
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {
  for (TControl* c : controls_)
    if (c->Owner() == Root) Proc(c);
  if (Root != this) return;
  for (int i = 0; i < ComponentCount(); ++i)
    if (!Components(i)->HasParent()) Proc(Components(i));
}

void TWinControl::FontChanged() {
  for (TControl* c : controls_) c->TakeParentFont();
}

TWinControl::~TWinControl() {
  while (!controls_.empty()) delete controls_.back();
}

TControl* TWinControl::Controls(int Index) const {
  if (Index < 0 || Index >= ControlCount())
    throw EComponentError(Format("Control index out of bounds (%d)", Index));
  return controls_[static_cast<std::size_t>(Index)];
}

}  // namespace vcl
