// Standard controls: buttons, labels and panels.
#pragma once

#include "vcl/Controls.h"

namespace vcl {

// A push button, 75 x 25 pixels when created.
class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* AOwner);
};

class TLabel : public TControl {
 public:
  explicit TLabel(TComponent* AOwner);
};

class TPanel : public TWinControl {
 public:
  explicit TPanel(TComponent* AOwner);
};

}  // namespace vcl
