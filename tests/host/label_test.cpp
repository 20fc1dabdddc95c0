#include <gtest/gtest.h>

#include "vcl/Forms.h"
#include "vcl/StdCtrls.h"
#include "vcl/TextMetrics.h"

using namespace vcl;

namespace {

constexpr TFontStyles kBold{TFontStyle::fsBold};

// A form whose font is Arial 10 (a 13-pixel em), as dialogs set it.
struct ArialForm {
  ArialForm() {
    form.Font()->SetName("Arial");
    form.Font()->SetSize(10);
  }
  TForm form{nullptr};
};

}  // namespace

// Sizes as in text_metrics_test.cpp, worked out from the font files.
TEST(Label, SizesItselfToCaptionAndFont) {
  ArialForm f;
  auto* label = new TLabel(&f.form);
  EXPECT_TRUE(label->AutoSize());
  label->SetBounds(7, 8, 65, 17);
  label->SetParent(&f.form);
  label->SetCaption("Captioneer 1.0");
  EXPECT_EQ(label->Width(), 84);
  EXPECT_EQ(label->Height(), 15);
  label->Font()->SetStyle(kBold);
  EXPECT_EQ(label->Width(), 89);
  label->SetCaption("Captioneer 1.0\r\nCopyright (c) 2026 Quendale");
  EXPECT_EQ(label->Width(), 175);
  EXPECT_EQ(label->Height(), 30);
  EXPECT_EQ(label->Left(), 7);
  EXPECT_EQ(label->Top(), 8);
}

TEST(Label, AcceleratorMarksAreNotMeasured) {
  ArialForm f;
  auto* label = new TLabel(&f.form);
  label->SetParent(&f.form);
  label->Font()->SetStyle(kBold);
  struct Case {
    const char* caption;
    const char* shown;
  } cases[] = {{"Save && Exit", "Save & Exit"}, {"&Save", "Save"}, {"", " "}, {"&", " "}};
  for (const Case& c : cases) {
    label->SetCaption(c.caption);
    EXPECT_EQ(label->Width(), HostTextMetrics().TextExtent(*label->Font(), c.shown).cx) << c.caption;
  }
  label->SetCaption("Save && Exit");
  EXPECT_EQ(label->Width(), 71);
}

TEST(Label, WithoutAutoSizeKeepsItsBounds) {
  ArialForm f;
  auto* label = new TLabel(&f.form);
  label->SetAutoSize(false);
  label->SetParent(&f.form);
  label->SetCaption("Captioneer 1.0");
  EXPECT_EQ(label->Width(), 65);
  EXPECT_EQ(label->Height(), 17);
  label->SetAutoSize(true);
  EXPECT_EQ(label->Width(), 84);
}

TEST(Label, TakesItsParentsFontUntilItsOwnChanges) {
  ArialForm f;
  auto* label = new TLabel(&f.form);
  label->SetCaption("Captioneer 1.0");
  EXPECT_EQ(label->Font()->Name(), "MS Sans Serif");
  label->SetParent(&f.form);
  EXPECT_TRUE(*label->Font() == *f.form.Font());
  EXPECT_EQ(label->Width(), 84);

  f.form.Font()->SetSize(8);
  EXPECT_EQ(label->Font()->Size(), 8);
  EXPECT_TRUE(label->ParentFont());

  label->Font()->SetStyle(kBold);
  EXPECT_FALSE(label->ParentFont());
  f.form.Font()->SetName("Courier New");
  EXPECT_EQ(label->Font()->Name(), "Arial");

  label->SetParentFont(true);
  EXPECT_TRUE(*label->Font() == *f.form.Font());
}

TEST(Label, ButtonsOnAPanelTakeTheFontThroughIt) {
  ArialForm f;
  auto* panel = new TPanel(&f.form);
  panel->SetParent(&f.form);
  auto* button = new TButton(&f.form);
  button->SetParent(panel);
  EXPECT_EQ(button->Font()->Name(), "Arial");
  f.form.Font()->SetName("Tahoma");
  EXPECT_EQ(button->Font()->Name(), "Tahoma");
  EXPECT_EQ(button->Width(), 75);
  EXPECT_EQ(button->Height(), 25);
}
