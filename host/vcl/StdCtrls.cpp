#include "vcl/StdCtrls.h"

#include "vcl/Forms.h"

namespace vcl {

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) { SetBounds(0, 0, 75, 25); }

void TButton::Click() {
  if (TForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
}

TLabel::TLabel(TComponent* AOwner) : TControl(AOwner) { SetBounds(0, 0, 65, 17); }

TPanel::TPanel(TComponent* AOwner) : TWinControl(AOwner) { SetBounds(0, 0, 185, 41); }

}  // namespace vcl
