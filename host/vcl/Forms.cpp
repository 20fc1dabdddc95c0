#include "vcl/Forms.h"

namespace vcl {

TForm::TForm(TComponent* AOwner) : TWinControl(AOwner) { SetBounds(0, 0, 320, 240); }

namespace {
TScreen theScreen;
}  // namespace

TScreen* const Screen = &theScreen;

}  // namespace vcl
