// The dialog hook and the locale groups.
//
// One CBT hook per package translates every form that the application owns
// when it is about to be activated, with captioneerInstance. The hook stays
// installed while at least one live component outside the designer is
// switched on. Components whose Locale holds the same non-zero number form a
// group that switches together; switching one on switches the others off.
#include "Tolvane/component/Captioneer.h"
#include "Tolvane/component/LiveComponents.h"
#include "vcl/Application.h"
#include "vcl/Forms.h"
#include "win32/Hooks.h"
#include "win32/Module.h"
#include "win32/Thread.h"

namespace Tolvane {

TCaptioneer* captioneerInstance = nullptr;
HHOOK CBTHook = nullptr;

namespace {

// Runs for every CBT event of the thread that installed it. Only an
// activation does work: the forms that Application owns are asked for their
// window in list order (which creates the windows of those before the match)
// until the one being activated is found.
LRESULT CALLBACK CaptioneerHook(int nCode, WPARAM wParam, LPARAM lParam) {
  if (nCode == HCBT_ACTIVATE && captioneerInstance != nullptr) {
    const HWND activated = reinterpret_cast<HWND>(wParam);
    for (int i = 0; i < vcl::Application->ComponentCount(); ++i) {
      auto* form = dynamic_cast<vcl::TForm*>(vcl::Application->Components(i));
      if (form != nullptr && form->Handle() == activated) {
        captioneerInstance->TranslateForm(form);
        break;
      }
    }
  }
  return CallNextHookEx(CBTHook, nCode, wParam, lParam);
}

bool Designing(const TCaptioneer* Component) {
  return Component->ComponentState().Contains(vcl::csDesigning);
}

// Whether some live component other than Except keeps the hook needed.
bool HookStillNeeded(const TCaptioneer* Except) {
  for (const TCaptioneer* c : LiveComponents::All())
    if (c != Except && c->Translate() && !Designing(c)) return true;
  return false;
}

// Calls Visit for each TCaptioneer owned by a component that Application
// owns, in list order: the components of the application's forms and data
// modules.
template <typename F>
void ForEachInScope(F&& Visit) {
  for (int i = 0; i < vcl::Application->ComponentCount(); ++i) {
    vcl::TComponent* owner = vcl::Application->Components(i);
    for (int j = 0; j < owner->ComponentCount(); ++j)
      if (auto* c = dynamic_cast<TCaptioneer*>(owner->Components(j))) Visit(c);
  }
}

}  // namespace

void TCaptioneer::InternalTranslate(bool Value) {
  if (Value == FTranslate) return;
  FTranslate = Value;
  if (Value) {
    if (Designing(this) || CBTHook != nullptr) return;
    CBTHook = SetWindowsHookExA(WH_CBT, CaptioneerHook, win32::ModuleInstance(reinterpret_cast<const void*>(&CBTHook)),
                                GetCurrentThreadId());
    return;
  }
  if (CBTHook != nullptr && !HookStillNeeded(this)) {
    UnhookWindowsHookEx(CBTHook);
    CBTHook = nullptr;
  }
}

void TCaptioneer::SetTranslate(bool Value) {
  if (Value == FTranslate) return;
  const vcl::Integer locale = FLocale;
  if (Value)
    ForEachInScope([&](TCaptioneer* c) {
      if (c != this && c->FLocale != 0 && c->FLocale != locale) c->InternalTranslate(false);
    });
  InternalTranslate(Value);
  if (locale != 0)
    ForEachInScope([&](TCaptioneer* c) {
      if (c != this && c->FLocale == locale) c->InternalTranslate(Value);
    });
}

}  // namespace Tolvane
