#include "win32/Hooks.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "win32/LastError.h"
#include "win32/Thread.h"
#include "win32/ThreadExit.h"

namespace {

struct Hook {
  HHOOK handle;
  HOOKPROC proc;
  DWORD thread;
  // Set by UnhookWindowsHookEx, possibly from another thread, while a chain
  // that holds this hook may be running.
  std::atomic<bool> removed{false};
};
using HookRef = std::shared_ptr<Hook>;
// A chain is never changed in place: installing or removing a hook puts a
// new chain in its place. Sending an event then only shares the chain in
// force, so the hooks' fast path allocates nothing.
using Chain = std::shared_ptr<const std::vector<HookRef>>;

struct Registry {
  std::mutex mutex;
  // Each chain holds its most recent hook first.
  std::unordered_map<DWORD, Chain> chains;
  std::uintptr_t nextHandle = 0x100;
  int pendingFailures = 0;
};

// Never destroyed: windows are still destroyed, and hooks called, while
// static objects of other files are destroyed at exit.
Registry& Hooks() {
  static auto* registry = new Registry;
  return *registry;
}

// One running chain: the chain in force when the event was sent (so hooks
// installed meanwhile wait for the next event) and the position of the hook
// that runs now. Chains nest when a hook causes another event.
struct RunningChain {
  Chain hooks;
  std::size_t current = 0;
};
thread_local std::vector<RunningChain*> runningChains;

// Calls the first hook at or after From that is still installed.
LRESULT CallFrom(RunningChain& Chain, std::size_t From, int nCode, WPARAM wParam, LPARAM lParam) {
  const std::vector<HookRef>& hooks = *Chain.hooks;
  for (std::size_t i = From; i < hooks.size(); ++i) {
    if (hooks[i]->removed) continue;
    std::size_t saved = Chain.current;
    Chain.current = i;
    struct Restore {
      RunningChain& chain;
      std::size_t saved;
      ~Restore() { chain.current = saved; }
    } restore{Chain, saved};
    return hooks[i]->proc(nCode, wParam, lParam);
  }
  return 0;
}

}  // namespace

HHOOK SetWindowsHookExA(int idHook, HOOKPROC lpfn, HINSTANCE, DWORD dwThreadId) {
  if (idHook != WH_CBT) {
    SetLastError(ERROR_INVALID_HOOK_FILTER);
    return nullptr;
  }
  if (lpfn == nullptr) {
    SetLastError(ERROR_INVALID_FILTER_PROC);
    return nullptr;
  }
  if (!win32::IsThreadOfProcess(dwThreadId)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  Registry& r = Hooks();
  std::lock_guard lock(r.mutex);
  if (r.pendingFailures > 0) {
    --r.pendingFailures;
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  auto hook = std::make_shared<Hook>();
  hook->handle = reinterpret_cast<HHOOK>(r.nextHandle++);
  hook->proc = lpfn;
  hook->thread = dwThreadId;
  Chain& chain = r.chains[dwThreadId];
  auto next = std::make_shared<std::vector<HookRef>>();
  next->push_back(hook);
  if (chain) next->insert(next->end(), chain->begin(), chain->end());
  chain = std::move(next);
  return hook->handle;
}

LRESULT CallNextHookEx(HHOOK, int nCode, WPARAM wParam, LPARAM lParam) {
  if (runningChains.empty()) return 0;
  RunningChain& chain = *runningChains.back();
  return CallFrom(chain, chain.current + 1, nCode, wParam, lParam);
}

BOOL UnhookWindowsHookEx(HHOOK hhk) {
  Registry& r = Hooks();
  std::lock_guard lock(r.mutex);
  for (auto& [thread, chain] : r.chains) {
    auto it = std::find_if(chain->begin(), chain->end(), [hhk](const HookRef& h) { return h->handle == hhk; });
    if (it == chain->end()) continue;
    (*it)->removed = true;
    auto next = std::make_shared<std::vector<HookRef>>(*chain);
    next->erase(next->begin() + (it - chain->begin()));
    chain = std::move(next);
    return TRUE;
  }
  SetLastError(ERROR_INVALID_HOOK_HANDLE);
  return FALSE;
}

namespace win32 {

LRESULT CallHooks(int idHook, int nCode, WPARAM wParam, LPARAM lParam) {
  if (idHook != WH_CBT) return 0;
  RunningChain chain;
  {
    Registry& r = Hooks();
    std::lock_guard lock(r.mutex);
    auto it = r.chains.find(GetCurrentThreadId());
    if (it == r.chains.end() || it->second->empty()) return 0;
    chain.hooks = it->second;
  }
  runningChains.push_back(&chain);
  struct Pop {
    ~Pop() { runningChains.pop_back(); }
  } pop;
  return CallFrom(chain, 0, nCode, wParam, lParam);
}

int HookCount(DWORD ThreadId) {
  Registry& r = Hooks();
  std::lock_guard lock(r.mutex);
  auto it = r.chains.find(ThreadId);
  return it == r.chains.end() ? 0 : static_cast<int>(it->second->size());
}

void FailNextHookInstallations(int Count) {
  Registry& r = Hooks();
  std::lock_guard lock(r.mutex);
  r.pendingFailures = Count;
}

void ResetHooks() {
  Registry& r = Hooks();
  std::lock_guard lock(r.mutex);
  for (auto& [thread, chain] : r.chains)
    for (auto& hook : *chain) hook->removed = true;
  r.chains.clear();
  r.pendingFailures = 0;
}

namespace detail {

void ReleaseThreadHooks(DWORD ThreadId) {
  Registry& r = Hooks();
  std::lock_guard lock(r.mutex);
  auto it = r.chains.find(ThreadId);
  if (it == r.chains.end()) return;
  for (auto& hook : *it->second) hook->removed = true;
  r.chains.erase(it);
}

}  // namespace detail

}  // namespace win32
