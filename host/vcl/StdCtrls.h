// Standard controls: buttons, labels and panels.
#pragma once

#include "vcl/Controls.h"
#include "vcl/ModalResult.h"

namespace vcl {

// A push button, 75 x 25 pixels when created. A button with a modal result
// closes its modal form with that result when pressed; the form's Default
// button answers Enter and its Cancel button Escape.
class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* AOwner);

  // Presses the button: gives the form that shows it the button's modal
  // result.
  void Click();

  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult Value) { modalResult_ = Value; }
  bool Default() const { return default_; }
  void SetDefault(bool Value) { default_ = Value; }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool Value) { cancel_ = Value; }

 private:
  TModalResult modalResult_ = mrNone;
  bool default_ = false;
  bool cancel_ = false;
};

// A text. With AutoSize (the default) its Width and Height follow its
// caption and font (TextMetrics.h): the widest line and the lines' heights.
// An "&" marks the next character as the accelerator and is not drawn
// ("&&" draws one "&"); an empty caption measures as one space. Left and Top
// stay. A label being read from a form file is sized once it is loaded.
class TLabel : public TControl {
 public:
  explicit TLabel(TComponent* AOwner);

  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool Value);

  void Loaded() override;

 protected:
  void TextChanged() override { AdjustBounds(); }
  void FontChanged() override { AdjustBounds(); }

 private:
  void AdjustBounds();

  bool autoSize_ = true;
};

class TPanel : public TWinControl {
 public:
  explicit TPanel(TComponent* AOwner);
};

}  // namespace vcl
