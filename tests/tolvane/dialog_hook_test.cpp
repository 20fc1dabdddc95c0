#include <gtest/gtest.h>

#include <thread>

#include "component_fixture.h"
#include "vcl/Dialogs.h"
#include "vcl/Forms.h"
#include "vcl/ModalResult.h"
#include "vcl/StdCtrls.h"
#include "win32/Thread.h"
#include "win32/Window.h"

using namespace Tolvane;
using namespace vcl;

namespace {

class DialogHook : public ComponentFixture {
 protected:
  // The main form of an application, holding one component set to German
  // with a title and a font.
  TCaptioneer* GermanApplication() {
    TForm* main = nullptr;
    Application->CreateForm(main);
    auto* c = new TCaptioneer(main);
    c->SetLanguage(lnGerman);
    c->SetTitle("Frage");
    c->Font()->SetName("Arial");
    c->Font()->SetSize(10);
    c->Font()->SetStyle({TFontStyle::fsBold});
    return c;
  }
  std::vector<std::string> Captions(const TFormView& view) {
    std::vector<std::string> out;
    for (auto& b : view.Buttons) out.push_back(b.Caption);
    return out;
  }
};

}  // namespace

TEST_F(DialogHook, MessageDialogsAreTranslatedAtActivation) {
  TCaptioneer* c = GermanApplication();
  struct Case {
    TMsgDlgButtons buttons;
    std::vector<std::string> shown;
    std::string press;
    Integer result;
  } cases[] = {
      {mbYesNoCancel, {"Ja", "Nein", "Abbrechen"}, "Nein", mrNo},
      {mbOKCancel, {"OK", "Abbrechen"}, "OK", mrOk},
      {mbAbortRetryIgnore, {"Abbruch", "Wiederholen", "Ignorieren"}, "Ignorieren", mrIgnore},
      {TMsgDlgButtons{mbYes, mbAll, mbHelp}, {"Ja", "Alles", "Hilfe"}, "Alles", mrAll},
  };
  for (auto& k : cases) {
    const std::size_t before = desktop.Activations().size();
    desktop.Press(k.press);
    EXPECT_EQ(MessageDlg("Save?", TMsgDlgType::mtConfirmation, k.buttons, 0), k.result);
    ASSERT_GT(desktop.Activations().size(), before);
    const TFormView& seen = desktop.Activations()[before];
    EXPECT_EQ(seen.Caption, "Frage");
    EXPECT_EQ(Captions(seen), k.shown);
    for (auto& b : seen.Buttons) EXPECT_EQ(b.Font, ViewOf(*c->Font())) << b.Caption;
  }
}

TEST_F(DialogHook, EnterAndEscapeAnswerTheTranslatedDialog) {
  GermanApplication();
  desktop.PressEnter();
  EXPECT_EQ(MessageDlg("x", TMsgDlgType::mtWarning, mbOKCancel, 0), mrOk);
  desktop.PressEscape();
  EXPECT_EQ(MessageDlg("x", TMsgDlgType::mtWarning, mbOKCancel, 0), mrCancel);
}

TEST_F(DialogHook, ActivatedAgainAfterSwitchingAwayIsTranslatedAgain) {
  TCaptioneer* c = GermanApplication();
  c->Captions()->Add("Ja|Jawohl");  // the translated caption is itself a key
  desktop.SwitchAway().SwitchBack().Press("Jawohl");
  EXPECT_EQ(MessageDlg("x", TMsgDlgType::mtConfirmation, TMsgDlgButtons{mbYes, mbNo}, 0), mrYes);
  const auto& seen = desktop.Activations();
  ASSERT_GE(seen.size(), 2u);
  EXPECT_EQ(Captions(seen[0]), (std::vector<std::string>{"Ja", "Nein"}));
  EXPECT_EQ(Captions(seen[1]), (std::vector<std::string>{"Jawohl", "Nein"}));
}

TEST_F(DialogHook, EveryApplicationFormIsTranslatedButNotOthers) {
  TCaptioneer* c = GermanApplication();
  TForm* second = nullptr;
  Application->CreateForm(second);
  auto* button = new TButton(second);
  button->SetCaption("&Yes");
  button->SetParent(second);
  second->Show();
  EXPECT_EQ(button->Caption(), "Ja");
  EXPECT_EQ(second->Caption(), "Frage");

  TForm orphan(nullptr);  // owned by nobody: never found by the hook
  auto* other = new TButton(&orphan);
  other->SetCaption("&Yes");
  other->SetParent(&orphan);
  orphan.Show();
  EXPECT_EQ(other->Caption(), "&Yes");
  (void)c;
}

TEST_F(DialogHook, OtherCodesOnlyPassTheCallOn) {
  TCaptioneer* c = GermanApplication();
  TForm* form = Application->MainForm();
  auto* button = new TButton(form);
  button->SetCaption("&Yes");
  button->SetParent(form);
  for (int code : {HCBT_MOVESIZE, HCBT_CREATEWND, HCBT_DESTROYWND, HCBT_SETFOCUS, -1})
    win32::CallHooks(WH_CBT, code, reinterpret_cast<WPARAM>(form->Handle()), 0);
  EXPECT_EQ(button->Caption(), "&Yes");
  win32::CallHooks(WH_CBT, HCBT_ACTIVATE, reinterpret_cast<WPARAM>(form->Handle()), 0);
  EXPECT_EQ(button->Caption(), "Ja");
  (void)c;
}

namespace {
std::vector<std::string>* order = nullptr;
HHOOK testHook = nullptr;
LRESULT CALLBACK SecondHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    auto* form = FindForm(reinterpret_cast<HWND>(wParam));
    order->push_back(form != nullptr && form->ComponentCount() > 0
                         ? dynamic_cast<TButton*>(form->Components(form->ComponentCount() - 1))->Caption()
                         : "?");
  }
  return CallNextHookEx(testHook, code, wParam, lParam);
}
}  // namespace

TEST_F(DialogHook, ChainOrderWithASecondHook) {
  std::vector<std::string> seen;
  order = &seen;
  // Installed before the component's hook: runs after it, sees the translation.
  testHook = SetWindowsHookExA(WH_CBT, SecondHook, nullptr, GetCurrentThreadId());
  GermanApplication();
  desktop.Press("Nein");
  MessageDlg("x", TMsgDlgType::mtConfirmation, TMsgDlgButtons{mbYes, mbNo}, 0);
  UnhookWindowsHookEx(testHook);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen[0], "Nein");

  // Installed after it: runs first, sees the host's caption.
  seen.clear();
  testHook = SetWindowsHookExA(WH_CBT, SecondHook, nullptr, GetCurrentThreadId());
  desktop.Press("Nein");
  MessageDlg("x", TMsgDlgType::mtConfirmation, TMsgDlgButtons{mbYes, mbNo}, 0);
  UnhookWindowsHookEx(testHook);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen[0], "&No");
}

TEST_F(DialogHook, HookOnAnotherThreadSeesOnlyThatThreadsWindows) {
  GermanApplication();
  const HHOOK mine = CBTHook;
  // A form of this thread activated while a component on another thread
  // switched on has its own hook there.
  std::thread other([] {
    TCaptioneer c(nullptr);
    EXPECT_EQ(win32::HookCount(GetCurrentThreadId()), 0);  // the package hook stays this thread's
  });
  other.join();
  EXPECT_EQ(CBTHook, mine);
  TForm* form = Application->MainForm();
  auto* button = new TButton(form);
  button->SetCaption("&No");
  button->SetParent(form);
  form->Show();
  EXPECT_EQ(button->Caption(), "Nein");
}

TEST_F(DialogHook, DesigningSwitchesOnWithoutAHook) {
  TForm* form = nullptr;
  Application->CreateForm(form);
  form->SetDesigning(true);
  auto* c = new TCaptioneer(form);
  EXPECT_TRUE(c->Translate());
  EXPECT_EQ(CBTHook, nullptr);
  c->SetTranslate(false);
  c->SetTranslate(true);
  EXPECT_EQ(CBTHook, nullptr);
}

TEST_F(DialogHook, FailedInstallationIsRetriedAtTheNextSwitchOn) {
  win32::FailNextHookInstallations(1);
  TForm* form = nullptr;
  Application->CreateForm(form);
  auto* c = new TCaptioneer(form);
  EXPECT_TRUE(c->Translate());
  EXPECT_EQ(CBTHook, nullptr);
  c->SetTranslate(false);
  c->SetTranslate(true);
  EXPECT_NE(CBTHook, nullptr);
}

TEST_F(DialogHook, HookStaysWhileAnyComponentIsOn) {
  TForm* form = nullptr;
  Application->CreateForm(form);
  auto* a = new TCaptioneer(form);
  auto* b = new TCaptioneer(form);
  EXPECT_EQ(win32::HookCount(GetCurrentThreadId()), 1);
  a->SetTranslate(false);
  EXPECT_NE(CBTHook, nullptr);
  delete b;
  EXPECT_EQ(CBTHook, nullptr);
  a->SetTranslate(true);
  EXPECT_NE(CBTHook, nullptr);
}

TEST_F(DialogHook, InstanceMovesToTheNewestLiveComponent) {
  TForm* form = nullptr;
  Application->CreateForm(form);
  auto* a = new TCaptioneer(form);
  auto* b = new TCaptioneer(form);
  auto* c = new TCaptioneer(form);
  EXPECT_EQ(captioneerInstance, c);
  delete b;
  EXPECT_EQ(captioneerInstance, c);
  delete c;
  EXPECT_EQ(captioneerInstance, a);
  a->SetTranslate(false);
  TCaptioneer other(nullptr);  // keeps the hook installed ...
  delete a;
  EXPECT_EQ(captioneerInstance, &other);
}

TEST_F(DialogHook, ActivationAfterTheLastComponentIsGoneTouchesNothing) {
  TForm* form = nullptr;
  Application->CreateForm(form);
  auto* c = new TCaptioneer(form);
  c->SetLanguage(lnGerman);
  auto* button = new TButton(form);
  button->SetCaption("&Yes");
  button->SetParent(form);
  // The last component's destructor removes the hook and leaves no
  // instance behind; a later activation reaches nothing of it (the
  // sanitizer build would report a use after free).
  delete c;
  EXPECT_EQ(CBTHook, nullptr);
  EXPECT_EQ(captioneerInstance, nullptr);
  form->Show();
  EXPECT_EQ(button->Caption(), "&Yes");
}

TEST_F(DialogHook, ConstructionAndDestructionActOnNoOtherComponent) {
  TForm* form = nullptr;
  Application->CreateForm(form);
  auto* grouped = new TCaptioneer(form);
  grouped->SetLocale(2);
  grouped->SetTranslate(false);
  grouped->SetTranslate(true);
  auto* plain = new TCaptioneer(form);  // Locale 0: would switch group 2 off
  EXPECT_TRUE(grouped->Translate());
  delete plain;
  EXPECT_TRUE(grouped->Translate());
}

// --- Locale groups ---------------------------------------------------------

namespace {

struct Group {
  std::vector<TCaptioneer*> c;
  // Components on two forms with the given locales, all on.
  explicit Group(std::initializer_list<int> locales) {
    TForm* a = nullptr;
    TForm* b = nullptr;
    Application->CreateForm(a);
    Application->CreateForm(b);
    int i = 0;
    for (int locale : locales) {
      auto* x = new TCaptioneer(i++ % 2 ? b : a);
      x->SetLocale(locale);
      c.push_back(x);
    }
  }
  std::string States() const {
    std::string s;
    for (auto* x : c) s += x->Translate() ? '1' : '0';
    return s;
  }
  void Set(const std::string& states) {
    for (std::size_t i = 0; i < c.size(); ++i) c[i]->InternalTranslate(states[i] == '1');
  }
};

}  // namespace

TEST_F(DialogHook, LocaleGroupRules) {
  // Locales: 0, 1, 1, 2, 2, 0
  struct Case {
    const char* what;
    std::string before;
    int index;
    bool value;
    std::string after;
  } cases[] = {
      {"on with Locale 0 switches off every grouped component", "000000", 0, true, "100000"},
      {"on with Locale 0 leaves Locale 0 alone", "011111", 0, true, "100001"},
      {"on in group 1 switches group 1 on, group 2 off", "000110", 1, true, "011000"},
      {"off in group 1 switches group 1 off only", "111111", 2, false, "100111"},
      {"off with Locale 0 touches nobody", "111111", 5, false, "111110"},
      {"assigning the current value does nothing", "011110", 1, true, "011110"},
      {"assigning the current off value does nothing", "101110", 1, false, "101110"},
  };
  for (auto& k : cases) {
    Group g{0, 1, 1, 2, 2, 0};
    g.Set(k.before);
    g.c[static_cast<std::size_t>(k.index)]->SetTranslate(k.value);
    EXPECT_EQ(g.States(), k.after) << k.what;
    EXPECT_EQ(CBTHook != nullptr, k.after.find('1') != std::string::npos) << k.what;
    ResetApplication();
  }
}

TEST_F(DialogHook, ComponentsOwnedByApplicationOrDeeperAreOutsideTheScope) {
  TForm* form = nullptr;
  Application->CreateForm(form);
  auto* direct = new TCaptioneer(Application);
  direct->SetLocale(1);
  auto* panel = new TPanel(form);
  auto* deep = new TCaptioneer(panel);
  deep->SetLocale(1);
  auto* member = new TCaptioneer(form);
  member->SetLocale(2);
  auto* c = new TCaptioneer(form);
  c->SetTranslate(false);
  c->SetTranslate(true);
  EXPECT_TRUE(direct->Translate());
  EXPECT_TRUE(deep->Translate());
  EXPECT_FALSE(member->Translate());
}
