#include "vcl/StdCtrls.h"

#include "vcl/Forms.h"
#include "vcl/TextMetrics.h"

namespace vcl {

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) { SetBounds(0, 0, 75, 25); }

void TButton::Click() {
  if (TForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
}

TLabel::TLabel(TComponent* AOwner) : TControl(AOwner) { SetBounds(0, 0, 65, 17); }

void TLabel::SetAutoSize(bool Value) {
  if (Value == autoSize_) return;
  autoSize_ = Value;
  AdjustBounds();
}

void TLabel::Loaded() {
  TControl::Loaded();
  AdjustBounds();
}

void TLabel::AdjustBounds() {
  if (!autoSize_ || ComponentState().Contains(csLoading)) return;
  AnsiString shown;
  const AnsiString& text = Caption();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&') ++i;
    if (i < text.size()) shown += text[i];
  }
  if (shown.empty()) shown = " ";
  const TSize extent = HostTextMetrics().TextExtent(*Font(), shown);
  SetBounds(Left(), Top(), extent.cx, extent.cy);
}

TPanel::TPanel(TComponent* AOwner) : TWinControl(AOwner) { SetBounds(0, 0, 185, 41); }

}  // namespace vcl
