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
  void SetCaption(const AnsiString& Value);
  TFont* Font() const { return font_; }
  void SetFont(const TFont* Value) { font_->Assign(Value); }
  // Whether the control shows its parent's font: it takes the font when it
  // gets a parent and whenever the parent's font changes. True when
  // created; changing the control's own font makes it False.
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool Value);

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

 protected:
  // After the caption changed.
  virtual void TextChanged() {}
  // After the font changed, whether by the control's own code or taken
  // from the parent.
  virtual void FontChanged() {}

 private:
  friend class TWinControl;
  void TakeParentFont();

  AnsiString caption_;
  TFont* font_;
  bool parentFont_ = true;
  bool takingParentFont_ = false;
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

 protected:
  // Hands the font on to the controls shown here that show their parent's.
  void FontChanged() override;

 private:
  friend class TControl;
  std::vector<TControl*> controls_;
};

}  // namespace vcl
