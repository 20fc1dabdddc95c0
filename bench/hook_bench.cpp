// Cost of the dialog hook, which runs for every CBT event of the thread.
//
// BM_HookPassOn: one non-activation event (HCBT_SETFOCUS, HCBT_MOVESIZE)
// sent through the thread's hook chain with a component switched on; the
// hook only passes it on. Goal: tens of nanoseconds and no allocation; the
// counter allocs_per_event counts calls of the global operator new (this
// program replaces it) per event.
//
// BM_HostChainPassOn: the same events through a chain holding only a hook
// that passes them on: the host's own dispatch, to subtract from the above.
//
// BM_HookActivation: the activation of the last of 100 forms that the
// application owns, each with three buttons, translated with a dictionary
// of 1,000 entries: the scan of the application's forms plus TranslateForm.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "Tolvane/Tolvane.h"
#include "vcl/Application.h"
#include "vcl/Forms.h"
#include "vcl/HeadlessDesktop.h"
#include "vcl/StdCtrls.h"
#include "win32/Hooks.h"
#include "win32/Thread.h"

namespace {

std::atomic<long long> allocations{0};

}  // namespace

// Every allocation of the program passes here, so that a benchmark can tell
// how many its loop made.
void* operator new(std::size_t Size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(Size == 0 ? 1 : Size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* Pointer) noexcept { std::free(Pointer); }
void operator delete(void* Pointer, std::size_t) noexcept { std::free(Pointer); }

namespace {

// A clean application with one main form holding a component that is
// switched on, so that the package's hook is installed; everything is freed
// with the object.
class HookedApplication {
 public:
  HookedApplication() {
    vcl::ResetApplication();
    win32::ResetHooks();
    vcl::Application->CreateForm(main_);
    captioneer_ = new Tolvane::TCaptioneer(main_);
  }
  ~HookedApplication() {
    vcl::ResetApplication();
    win32::ResetHooks();
  }
  HookedApplication(const HookedApplication&) = delete;
  HookedApplication& operator=(const HookedApplication&) = delete;

  Tolvane::TCaptioneer* Captioneer() const { return captioneer_; }

 private:
  vcl::THeadlessDesktop desktop_;
  vcl::TDesktopScope scope_{desktop_};
  vcl::TForm* main_ = nullptr;
  Tolvane::TCaptioneer* captioneer_ = nullptr;
};

// Sends the CBT event Code to the thread's hooks once per iteration and
// reports the allocations made per event.
void SendEvents(benchmark::State& state, int Code) {
  const long long before = allocations.load();
  for (auto _ : state) benchmark::DoNotOptimize(win32::CallHooks(WH_CBT, Code, 0, 0));
  state.counters["allocs_per_event"] =
      benchmark::Counter(static_cast<double>(allocations.load() - before) / static_cast<double>(state.iterations()));
}

void BM_HookPassOn(benchmark::State& state) {
  HookedApplication app;
  if (Tolvane::CBTHook == nullptr) {
    state.SkipWithError("the hook is not installed");
    return;
  }
  const int code = static_cast<int>(state.range(0));
  SendEvents(state, code);
  state.SetLabel(code == HCBT_SETFOCUS ? "HCBT_SETFOCUS" : "HCBT_MOVESIZE");
}
BENCHMARK(BM_HookPassOn)->Arg(HCBT_SETFOCUS)->Arg(HCBT_MOVESIZE);

LRESULT CALLBACK PassOn(int nCode, WPARAM wParam, LPARAM lParam) { return CallNextHookEx(nullptr, nCode, wParam, lParam); }

void BM_HostChainPassOn(benchmark::State& state) {
  win32::ResetHooks();
  if (SetWindowsHookExA(WH_CBT, PassOn, nullptr, GetCurrentThreadId()) == nullptr) {
    state.SkipWithError("no hook could be installed");
    return;
  }
  const int code = static_cast<int>(state.range(0));
  SendEvents(state, code);
  win32::ResetHooks();
}
BENCHMARK(BM_HostChainPassOn)->Arg(HCBT_SETFOCUS)->Arg(HCBT_MOVESIZE);

void BM_HookActivation(benchmark::State& state) {
  const int forms = static_cast<int>(state.range(0));
  const int entries = static_cast<int>(state.range(1));
  HookedApplication app;
  Tolvane::TCaptioneer* c = app.Captioneer();
  c->Captions()->SetCapacity(entries);
  for (int i = 0; i < entries - 3; ++i) c->Captions()->Add("Caption " + std::to_string(i) + "|Beschriftung " + std::to_string(i));
  c->Captions()->Add("&Yes|&Ja");
  c->Captions()->Add("&No|&Nein");
  c->Captions()->Add("Cancel|Abbrechen");
  vcl::TForm* last = nullptr;
  for (int i = 1; i < forms; ++i) {
    vcl::Application->CreateForm(last);
    for (const char* caption : {"&Yes", "&No", "Cancel"}) {
      auto* button = new vcl::TButton(last);
      button->SetParent(last);
      button->SetCaption(caption);
    }
  }
  const auto handle = reinterpret_cast<WPARAM>(last->Handle());
  const long long before = allocations.load();
  for (auto _ : state) benchmark::DoNotOptimize(win32::CallHooks(WH_CBT, HCBT_ACTIVATE, handle, 0));
  state.counters["allocs_per_activation"] =
      benchmark::Counter(static_cast<double>(allocations.load() - before) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_HookActivation)->Args({100, 1000})->Unit(benchmark::kMicrosecond);

}  // namespace
