// TControl and TWinControl: captions, fonts and the parent/child relation,
// which is kept apart from ownership.
#pragma once

#include <vector>

#include "vcl/Component.h"
#include "vcl/Font.h"

namespace vcl {

class TWinControl;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  const AnsiString& Caption() const { return caption_; }
  void SetCaption(const AnsiString& Value) { caption_ = Value; }
  TFont* Font() const { return font_; }
  void SetFont(const TFont* Value) { font_->Assign(Value); }

  // The control that shows this one. Independent of Owner: a button owned by
  // a form may sit on a panel.
  TWinControl* Parent() const { return parent_; }
  void SetParent(TWinControl* AParent);

  Integer Left() const { return left_; }
  Integer Top() const { return top_; }
  Integer Width() const { return width_; }
  Integer Height() const { return height_; }
  void SetLeft(Integer Value) { left_ = Value; }
  void SetTop(Integer Value) { top_ = Value; }
  virtual void SetWidth(Integer Value) { width_ = Value; }
  virtual void SetHeight(Integer Value) { height_ = Value; }
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight);

  bool HasParent() const override { return true; }
  // A control read inside a windowed control is shown by it.
  void SetParentComponent(TComponent* Value) override;

 private:
  AnsiString caption_;
  TFont* font_;
  TWinControl* parent_ = nullptr;
  Integer left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

// A control that can parent others. Freeing it frees the controls it
// parents, last to first, as the host does; each leaves its owner's list.
class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner) : TControl(AOwner) {}
  ~TWinControl() override;

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int Index) const;

  // The controls shown here that Root owns; when this control is Root
  // itself (a form being written), then also the components it owns that
  // have no parent control, in ownership order.
  void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;

 private:
  friend class TControl;
  std::vector<TControl*> controls_;
};

}  // namespace vcl
