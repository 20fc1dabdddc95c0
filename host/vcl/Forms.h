// Forms and the screen object.
//
// A form's window is created when its Handle is first asked for, and is
// destroyed with the form. Only forms have windows in the host: the
// controls on a form are drawn inside its window. Showing or activating a
// form activates its window, which runs the thread's CBT hooks with
// HCBT_ACTIVATE before the form becomes active. Forms live on the GUI
// thread.
#pragma once

#include <vector>

#include "vcl/Controls.h"
#include "vcl/ModalResult.h"
#include "win32/Types.h"

namespace vcl {

// An operation that the object's state does not allow.
class EInvalidOperation : public Exception {
  using Exception::Exception;
};

enum class TBorderIcon : Byte { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon, 4>;
inline constexpr TBorderIcon biSystemMenu = TBorderIcon::biSystemMenu;
inline constexpr TBorderIcon biMinimize = TBorderIcon::biMinimize;
inline constexpr TBorderIcon biMaximize = TBorderIcon::biMaximize;
inline constexpr TBorderIcon biHelp = TBorderIcon::biHelp;

// The frame around a form's client area, per style (pixels):
//   style           frame each side   caption bar
//   bsNone                0                0
//   bsSingle              3               19
//   bsSizeable            4               19
//   bsDialog              3               19
//   bsToolWindow          3               16
//   bsSizeToolWin         4               16
enum class TFormBorderStyle : Byte { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
inline constexpr TFormBorderStyle bsNone = TFormBorderStyle::bsNone;
inline constexpr TFormBorderStyle bsSingle = TFormBorderStyle::bsSingle;
inline constexpr TFormBorderStyle bsSizeable = TFormBorderStyle::bsSizeable;
inline constexpr TFormBorderStyle bsDialog = TFormBorderStyle::bsDialog;
inline constexpr TFormBorderStyle bsToolWindow = TFormBorderStyle::bsToolWindow;
inline constexpr TFormBorderStyle bsSizeToolWin = TFormBorderStyle::bsSizeToolWin;

// Where a form goes when it is shown. poScreenCenter centres it on the
// screen (TScreen::Width and Height) each time it is shown; the default
// positions are the window system's choice, and the host's keeps the
// designed Left and Top for them.
enum class TPosition : Byte { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter };
inline constexpr TPosition poDesigned = TPosition::poDesigned;
inline constexpr TPosition poDefault = TPosition::poDefault;
inline constexpr TPosition poDefaultPosOnly = TPosition::poDefaultPosOnly;
inline constexpr TPosition poDefaultSizeOnly = TPosition::poDefaultSizeOnly;
inline constexpr TPosition poScreenCenter = TPosition::poScreenCenter;

// Left, Top, Width and Height of a form are those of its window, frame
// included; ClientWidth and ClientHeight are the inside of the frame, and
// setting either side sets the other. A form is created 320 x 240,
// bsSizeable, with a system menu, minimize and maximize buttons, at
// poDesigned.
class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* AOwner);
  ~TForm() override;

  // The form's window, created on demand (its creation runs HCBT_CREATEWND).
  // A form being destroyed gets no new window: nil then. Raises EOSError
  // when a hook refuses the creation.
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

  bool Visible() const { return visible_; }
  // Showing shows and activates the window; hiding hides it.
  void SetVisible(bool Value);
  // Makes the form visible and brings it to the front (activates it).
  void Show();
  void Hide() { SetVisible(false); }
  // Activates the window of a visible form.
  void BringToFront();
  // Whether the form's window is its thread's active window.
  bool Active() const;

  // Shows the form and lets the desktop (Desktop()) work with it until it
  // has a modal result, then hides it, activates the window that was active
  // before, and returns the result. Raises EInvalidOperation for a form
  // that is visible already, and when no desktop is installed.
  TModalResult ShowModal();
  bool Modal() const { return modal_; }
  // A modal form ends with mrCancel; another form is hidden.
  void Close();
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult Value) { modalResult_ = Value; }

  Integer HelpContext() const { return helpContext_; }
  void SetHelpContext(Integer Value) { helpContext_ = Value; }

  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons Value) { borderIcons_ = Value; }
  // Changing the style keeps the outer size; the client area follows.
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle Value) { borderStyle_ = Value; }
  TPosition Position() const { return position_; }
  void SetPosition(TPosition Value) { position_ = Value; }

  Integer ClientWidth() const;
  void SetClientWidth(Integer Value);
  Integer ClientHeight() const;
  void SetClientHeight(Integer Value);

 private:
  struct Frame {
    Integer side;
    Integer captionBar;
  };
  Frame BorderFrame() const;
  void PlaceOnShow();

  HWND handle_ = nullptr;
  bool creatingHandle_ = false;
  bool visible_ = false;
  bool modal_ = false;
  TModalResult modalResult_ = mrNone;
  Integer helpContext_ = 0;
  TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
  TFormBorderStyle borderStyle_ = bsSizeable;
  TPosition position_ = poDesigned;
};

// The form that shows Control: the top of its chain of parents, when that
// is a form; nil otherwise.
TForm* GetParentForm(const TControl* Control);

// The form whose window is Handle; nil when none is.
TForm* FindForm(HWND Handle);

using TCursor = std::int16_t;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crHourGlass = -11;

// The screen: the application-wide mouse cursor and the forms that exist,
// in the order they were created.
class TScreen : public TComponent {
 public:
  TScreen() : TComponent(nullptr) {}
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor Value) { cursor_ = Value; }

  // The host's one screen, in pixels.
  Integer Width() const { return 1024; }
  Integer Height() const { return 768; }

  int FormCount() const { return static_cast<int>(forms_.size()); }
  TForm* Forms(int Index) const;
  // The form whose window is the thread's active window; nil for none.
  TForm* ActiveForm() const;

 private:
  friend class TForm;
  TCursor cursor_ = crDefault;
  std::vector<TForm*> forms_;
};

// The process's one screen object.
extern TScreen* const Screen;

}  // namespace vcl
