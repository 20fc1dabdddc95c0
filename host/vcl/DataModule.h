// A data module: a container for non-visual components, owned like a form
// but without a window.
#pragma once

#include "vcl/Component.h"

namespace vcl {

class TDataModule : public TComponent {
 public:
  explicit TDataModule(TComponent* AOwner) : TComponent(AOwner) {}
};

}  // namespace vcl
