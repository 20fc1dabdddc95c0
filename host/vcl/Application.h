// The application object: owner of the program's forms and data modules.
#pragma once

#include <type_traits>

#include "vcl/Component.h"
#include "vcl/Forms.h"

namespace vcl {

class TApplication : public TComponent {
 public:
  explicit TApplication(TComponent* AOwner) : TComponent(AOwner) {}

  // Creates a T owned by the application into Reference. The first form
  // created so becomes the main form.
  template <class T>
  void CreateForm(T*& Reference) {
    static_assert(std::is_base_of_v<TComponent, T>);
    Reference = new T(this);
    if constexpr (std::is_base_of_v<TForm, T>) {
      if (MainForm() == nullptr) mainForm_ = Reference;
    }
  }
  // The main form while the application still owns it; nil otherwise.
  TForm* MainForm() const;

  // The running program's absolute file name (links resolved). Raises
  // EOSError when the system cannot tell it.
  AnsiString ExeName() const;
  // The title set, or else the program's file name without its extension.
  AnsiString Title() const;
  void SetTitle(const AnsiString& Value) { title_ = Value; }

 private:
  TForm* mainForm_ = nullptr;
  AnsiString title_;
};

// The process's application object. Code reads it afresh each time:
// ResetApplication replaces it.
extern TApplication* Application;

// Frees Application, and with it every form and data module it owns, and
// puts a fresh one in its place: a clean start for a test.
void ResetApplication();

}  // namespace vcl
