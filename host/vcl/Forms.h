// Forms and the screen object.
#pragma once

#include "vcl/Controls.h"

namespace vcl {

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* AOwner);
};

using TCursor = std::int16_t;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crHourGlass = -11;

// The screen: the application-wide mouse cursor.
class TScreen : public TComponent {
 public:
  TScreen() : TComponent(nullptr) {}
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor Value) { cursor_ = Value; }

 private:
  TCursor cursor_ = crDefault;
};

// The process's one screen object.
extern TScreen* const Screen;

}  // namespace vcl
