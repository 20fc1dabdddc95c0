#include <gtest/gtest.h>

#include <optional>

#include "component_fixture.h"
#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"

using namespace Tolvane;
using namespace vcl;

namespace {

struct Bounds {
  Integer left, top, width, height;
  bool operator==(const Bounds&) const = default;
};

Bounds BoundsOf(const TControl& Control) {
  return {Control.Left(), Control.Top(), Control.Width(), Control.Height()};
}

// What the box shows once it is up.
struct BoxView {
  AnsiString caption;
  TFormBorderStyle borderStyle;
  TBorderIcons borderIcons;
  Bounds form;
  Integer clientWidth, clientHeight;
  int controlCount;
  AnsiString labelCaption;
  Bounds label;
  TFontView labelFont;
  AnsiString buttonName, buttonCaption;
  Bounds button;
  TFontView buttonFont;
  bool buttonDefault;
  TModalResult buttonResult;
};

// The scripted user, who also notes what the box showed and what it closed
// with.
class RecordingDesktop : public THeadlessDesktop {
 public:
  void RunModal(TForm* Form) override {
    const TLabel* label = nullptr;
    const TButton* button = nullptr;
    for (int i = 0; i < Form->ControlCount(); ++i) {
      if (auto* l = dynamic_cast<TLabel*>(Form->Controls(i))) label = l;
      if (auto* b = dynamic_cast<TButton*>(Form->Controls(i))) button = b;
    }
    if (label == nullptr || button == nullptr) throw EInvalidOperation("the box lacks its label or its button");
    shown = BoxView{Form->Caption(),      Form->BorderStyle(),    Form->BorderIcons(),     BoundsOf(*Form),
                  Form->ClientWidth(),  Form->ClientHeight(),   Form->ControlCount(),    label->Caption(),
                  BoundsOf(*label),     ViewOf(*label->Font()), button->Name(),          button->Caption(),
                  BoundsOf(*button),    ViewOf(*button->Font()), button->Default(),      button->ModalResult()};
    THeadlessDesktop::RunModal(Form);
    result = Form->ModalResult();
  }

  std::optional<BoxView> shown;
  std::optional<TModalResult> result;
};

class AboutBox : public ComponentFixture {
 protected:
  RecordingDesktop user;
  TDesktopScope userScope{user};
};

constexpr TFontStyles kBold{TFontStyle::fsBold};

}  // namespace

// The label's size is its bold text in Liberation Sans at 13 pixels, worked
// out by hand from the font files (see tests/host/text_metrics_test.cpp).
TEST_F(AboutBox, ShowAboutLaysOutTheBoxAndEnterClosesIt) {
  TCaptioneer c(nullptr);
  user.PressEnter();
  c.ShowAbout();
  ASSERT_TRUE(user.shown);
  const BoxView& s = *user.shown;
  EXPECT_EQ(s.caption, "About ...");
  // 360 x 130 inside a 3-pixel dialog frame and a 19-pixel caption bar,
  // centred on the 1024 x 768 screen.
  EXPECT_EQ(s.form, (Bounds{329, 306, 366, 155}));
  EXPECT_EQ(s.clientWidth, 360);
  EXPECT_EQ(s.clientHeight, 130);
  EXPECT_EQ(s.controlCount, 2);

  EXPECT_EQ(s.labelCaption, "Captioneer 1.0\r\nCopyright (c) 2026 Quendale");
  EXPECT_EQ(s.labelFont.Name, "Ariel");
  EXPECT_EQ(s.labelFont.Size, 10);
  EXPECT_EQ(s.labelFont.Style, kBold);
  // Centred on the outer width: 366 / 2 - 175 / 2.
  EXPECT_EQ(s.label, (Bounds{96, 15, 175, 30}));

  EXPECT_EQ(s.buttonName, "Button");
  EXPECT_EQ(s.buttonCaption, "OK");
  EXPECT_TRUE(s.buttonDefault);
  EXPECT_EQ(s.buttonResult, mrOk);
  EXPECT_EQ(s.buttonFont.Name, "Ariel");
  EXPECT_EQ(s.buttonFont.Size, 10);
  EXPECT_EQ(s.buttonFont.Style, TFontStyles{});
  // 366 / 2 - 75 / 2, and 5 pixels above the client area's bottom.
  EXPECT_EQ(s.button, (Bounds{146, 100, 75, 25}));
  EXPECT_EQ(s.button.top + s.button.height, s.clientHeight - 5);

  EXPECT_EQ(user.result, mrOk);
  ASSERT_EQ(user.Activations().size(), 1u);
  EXPECT_EQ(user.Activations()[0].Caption, "About ...");
  EXPECT_EQ(user.Activations()[0].Labels, std::vector<AnsiString>{"Captioneer 1.0\r\nCopyright (c) 2026 Quendale"});
}

TEST_F(AboutBox, PressingOkOrEnterClosesWithOk) {
  TCaptioneer c(nullptr);
  for (bool enter : {true, false}) {
    user.result.reset();
    if (enter)
      user.PressEnter();
    else
      user.Press("OK");
    c.ShowTimedMessage("Note", "Hello");
    EXPECT_EQ(user.result, mrOk) << enter;
    EXPECT_EQ(user.PendingSteps(), 0u);
  }
}

TEST_F(AboutBox, TitleBarShowsTheCaptionAndNothingElse) {
  TCaptioneer c(nullptr);
  user.PressEnter();
  c.ShowTimedMessage("Any caption", "Text");
  ASSERT_TRUE(user.shown);
  EXPECT_EQ(user.shown->caption, "Any caption");
  EXPECT_EQ(user.shown->borderStyle, bsDialog);
  EXPECT_TRUE(user.shown->borderIcons.Empty());
}

TEST_F(AboutBox, LabelWiderThanTheFormGetsANegativeLeft) {
  TCaptioneer c(nullptr);
  struct Case {
    AnsiString text;
    Integer width;
    Integer left;
  } cases[] = {
      // 40 bold W of 12 pixels each.
      {AnsiString(40, 'W'), 480, 183 - 240},
      {"short\r\n" + AnsiString(41, 'W'), 492, 183 - 246},
      // An odd width halves toward zero: 183 - 77 / 2.
      {AnsiString("Hello, World"), 77, 183 - 38},
  };
  for (const Case& k : cases) {
    user.shown.reset();
    user.PressEnter();
    c.ShowTimedMessage("Wide", k.text);
    ASSERT_TRUE(user.shown);
    EXPECT_EQ(user.shown->label.width, k.width) << k.text;
    EXPECT_EQ(user.shown->label.left, k.left) << k.text;
    EXPECT_EQ(user.shown->label.top, 15);
  }
}

TEST_F(AboutBox, FreesTheBoxAlsoWhenAnExceptionPasses) {
  TCaptioneer c(nullptr);
  const int forms = Screen->FormCount();
  user.PressEnter();
  c.ShowAbout();
  EXPECT_EQ(Application->ComponentCount(), 0);
  EXPECT_EQ(Screen->FormCount(), forms);

  user.Then([](TForm&) { throw EInvalidOperation("the user's step failed"); });
  try {
    c.ShowAbout();
    FAIL() << "no exception";
  } catch (const EInvalidOperation& e) {
    EXPECT_EQ(e.Message(), "the user's step failed");
  }
  EXPECT_EQ(Application->ComponentCount(), 0);
  EXPECT_EQ(Screen->FormCount(), forms);

  // No step left: the desktop raises, and the box is freed too.
  EXPECT_THROW(c.ShowTimedMessage("Caption", "Text"), EInvalidOperation);
  EXPECT_EQ(Application->ComponentCount(), 0);
  EXPECT_EQ(Screen->FormCount(), forms);
}
