// The headless desktop: a scripted user and a record of what was shown.
//
// A test scripts the steps the user takes, in order; a modal loop takes the
// next step until its form has a modal result (a nested modal form takes the
// steps that follow), and raises EInvalidOperation when the script runs out,
// so a test never waits for ever. Each time a form's window becomes active
// the desktop records what the form showed at that moment, after the CBT
// hooks have run: caption, labels, and every button with its caption and
// font.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "vcl/Desktop.h"
#include "vcl/Font.h"

namespace vcl {

class TForm;

struct TFontView {
  AnsiString Name;
  Integer Size;
  Integer Height;
  TFontStyles Style;
  TFontCharset Charset;
  TColor Color;
  bool operator==(const TFontView&) const = default;
};

struct TButtonView {
  AnsiString Name;
  AnsiString Caption;
  TFontView Font;
  bool Default;
  bool Cancel;
};

struct TFormView {
  HWND Handle;
  AnsiString Name;
  AnsiString Caption;
  std::vector<AnsiString> Labels;
  // In the order the form shows them (its controls, depth first).
  std::vector<TButtonView> Buttons;
};

TFontView ViewOf(const TFont& Font);

class THeadlessDesktop : public TDesktop {
 public:
  using TStep = std::function<void(TForm& Modal)>;

  // Presses the button of the modal form whose caption is Caption, exactly
  // as shown (accelerator mark included). A step for a caption that the
  // form does not show raises EInvalidOperation naming those it shows.
  THeadlessDesktop& Press(const AnsiString& Caption);
  // Presses the Default button; nothing happens when there is none.
  THeadlessDesktop& PressEnter();
  // Presses the Cancel button; nothing happens when there is none.
  THeadlessDesktop& PressEscape();
  // The user brings another program to the front: the thread's active
  // window is left.
  THeadlessDesktop& SwitchAway();
  // The user comes back to the window left by SwitchAway, which is
  // activated again (the CBT hooks see a new HCBT_ACTIVATE).
  THeadlessDesktop& SwitchBack();
  // The close box of the modal form.
  THeadlessDesktop& Close();
  // The user drags the modal form's frame to a new size (HCBT_MOVESIZE).
  THeadlessDesktop& Resize(Integer Width, Integer Height);
  // Any other step, given the modal form.
  THeadlessDesktop& Then(TStep Step);

  // File dialogs are answered from their own queue, in order: the next
  // dialog picks Path (as typed: the dialog makes it a full path) ...
  THeadlessDesktop& ChooseFile(const AnsiString& Path);
  // ... or is cancelled. A dialog with no answer left raises
  // EInvalidOperation.
  THeadlessDesktop& CancelFileDialog();
  std::size_t PendingFileAnswers() const { return fileAnswers_.size(); }
  // What each file dialog asked, in order.
  const std::vector<TOpenFileRequest>& FileDialogs() const { return fileDialogs_; }

  std::size_t PendingSteps() const { return steps_.size(); }
  const std::vector<TFormView>& Activations() const { return activations_; }

  void RunModal(TForm* Form) override;
  void Activated(HWND Window) override;
  bool ChooseOpenFile(const TOpenFileRequest& Request, AnsiString& Chosen) override;

 private:
  std::deque<TStep> steps_;
  std::vector<TFormView> activations_;
  HWND leftWindow_ = nullptr;
  // An empty optional cancels.
  std::deque<std::optional<AnsiString>> fileAnswers_;
  std::vector<TOpenFileRequest> fileDialogs_;
};

}  // namespace vcl
