#include "Tolvane/component/Captioneer.h"

#include <gtest/gtest.h>

#include "vcl/Forms.h"

using namespace Tolvane;

TEST(Captioneer, NewComponentOnAForm) {
  vcl::TForm form(nullptr);
  form.Font()->SetName("Tahoma");
  form.Font()->SetSize(10);
  auto* c = new TCaptioneer(&form);
  EXPECT_EQ(c->Owner(), &form);
  EXPECT_TRUE(c->Translate());
  EXPECT_EQ(c->Captions()->Count(), 0);
  EXPECT_EQ(c->Title(), "");
  EXPECT_EQ(c->Language(), lnUser);
  EXPECT_EQ(c->Locale(), 0);
  EXPECT_EQ(c->About(), "");
  EXPECT_EQ(c->FileName(), "");
  EXPECT_TRUE(*c->Font() == *form.Font());
  EXPECT_NE(c->Font(), form.Font());
}

TEST(Captioneer, OwnerThatIsNoControlLeavesTheDefaultFont) {
  vcl::TComponent module(nullptr);
  auto* c = new TCaptioneer(&module);
  EXPECT_TRUE(*c->Font() == vcl::TFont());
}

TEST(Captioneer, AssigningCaptionsAndFontCopies) {
  TCaptioneer c(nullptr);
  vcl::TStringList* own = c.Captions();
  vcl::TStringList lines;
  lines.Add("OK|Tamam");
  c.SetCaptions(&lines);
  lines.Clear();
  EXPECT_EQ(c.Captions(), own);
  ASSERT_EQ(c.Captions()->Count(), 1);
  EXPECT_EQ(c.Captions()->Strings(0), "OK|Tamam");

  vcl::TFont* ownFont = c.Font();
  vcl::TFont font;
  font.SetName("Arial");
  c.SetFont(&font);
  font.SetName("Courier");
  EXPECT_EQ(c.Font(), ownFont);
  EXPECT_EQ(c.Font()->Name(), "Arial");
}
