#include "vcl/StdCtrls.h"

namespace vcl {

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) { SetBounds(0, 0, 75, 25); }

TLabel::TLabel(TComponent* AOwner) : TControl(AOwner) { SetBounds(0, 0, 65, 17); }

TPanel::TPanel(TComponent* AOwner) : TWinControl(AOwner) { SetBounds(0, 0, 185, 41); }

}  // namespace vcl
