#include "vcl/Writer.h"

#include <gtest/gtest.h>

#include "form_test_classes.h"
#include "vcl/StdCtrls.h"

namespace {

using namespace formtest;

struct FixtureCase {
  const char* file;
  void (*setup)(TTestCaptioneer*);
};

const FixtureCase kFixtures[] = {
    {"one_default.bin", [](TTestCaptioneer*) {}},
    {"design_info.bin", [](TTestCaptioneer* c) { c->SetDesignInfo(24 | (300 << 16)); }},
    {"captions.bin",
     [](TTestCaptioneer* c) {
       for (const auto& s : FixtureCaptions()) c->FCaptions->Add(s);
     }},
};

class WriterFixtureTest : public ::testing::TestWithParam<FixtureCase> {};

// Our writer gives the reference writer's bytes for the same values; the
// bytes read back and written again are the same once more.
TEST_P(WriterFixtureTest, WritesTheReferenceBytesAndSurvivesARoundTrip) {
  FixtureForm f;
  GetParam().setup(f.captioneer);
  const std::string expected = ReadFile(DataPath(GetParam().file));
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(f.Write(), expected);

  FixtureForm again;
  delete again.captioneer;
  TMemoryStream in;
  Load(in, expected);
  ReadComponent(&in, &again.form);
  EXPECT_EQ(again.Write(), expected);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, WriterFixtureTest, ::testing::ValuesIn(kFixtures),
                         [](const auto& info) { return std::string(info.param.file).substr(0, std::string(info.param.file).find('.')); });

TEST(WriterTest, SkipsDefaultsEmptyStringsAndNotStoredButWritesNonDefaults) {
  FixtureForm f;
  f.captioneer->FAbout = "never stored";
  f.captioneer->FFont->SetPitch(TFontPitch::fpFixed);
  f.captioneer->FFont->SetStyle({TFontStyle::fsBold, TFontStyle::fsUnderline});
  f.captioneer->FFont->SetColor(clRed);
  f.captioneer->FFont->SetCharset(EASTEUROPE_CHARSET);
  f.captioneer->FFont->SetHeight(-300);
  f.captioneer->FTitle = "T";
  f.captioneer->FLanguage = TTestLang::lnGerman;
  f.captioneer->FOnTranslate = MakeMethod<&TForm1::Captioneer1Translate>(&f.form);
  f.captioneer->SetTag(5);
  const std::string bytes = f.Write();
  EXPECT_EQ(bytes.find("About"), std::string::npos);
  EXPECT_EQ(bytes.find("FileName"), std::string::npos);
  EXPECT_EQ(bytes.find("OnTranslated"), std::string::npos);
  EXPECT_NE(bytes.find(std::string("\x03Tag\x02\x05", 6)), std::string::npos);
  EXPECT_NE(bytes.find(std::string("\x0A" "Font.Pitch\x07\x07" "fpFixed")), std::string::npos);
  EXPECT_NE(bytes.find(std::string("\x0A" "Font.Style\x0B\x06" "fsBold\x0B" "fsUnderline\x00", 32)),
            std::string::npos);
  EXPECT_NE(bytes.find("\x07\x05" "clRed"), std::string::npos);
  EXPECT_NE(bytes.find("\x07\x12" "EASTEUROPE_CHARSET"), std::string::npos);
  EXPECT_NE(bytes.find(std::string("Font.Height\x03\xD4\xFE", 14)), std::string::npos);
  EXPECT_NE(bytes.find("\x08" "Language\x07\x08" "lnGerman"), std::string::npos);
  EXPECT_NE(bytes.find("\x0B" "OnTranslate\x07\x14" "Captioneer1Translate"), std::string::npos);
}

TEST(WriterTest, NumbersWithoutANameAndForeignEventsAreHandledAsTheHostDoes) {
  FixtureForm f;
  f.captioneer->FFont->SetColor(0x123456);
  TForm1 other(nullptr);
  f.captioneer->FOnTranslated = MakeMethod<&TForm1::Captioneer1Translated>(&other);
  const std::string bytes = f.Write();
  EXPECT_NE(bytes.find(std::string("Font.Color\x04\x56\x34\x12\x00", 15)), std::string::npos);
  EXPECT_EQ(bytes.find("OnTranslated"), std::string::npos);
}

TEST(WriterTest, WritesControlsInsideTheirParentsAndNonVisualComponentsAfter) {
  RegisterTestClasses();
  TForm form(nullptr);
  form.SetName("Dialog");
  auto* panel = new TPanel(&form);
  panel->SetName("Panel1");
  panel->SetParent(&form);
  auto* button = new TButton(&form);
  button->SetName("OK");
  button->SetCaption("OK");
  button->SetParent(panel);
  auto* loose = new TTestCaptioneer(&form);
  loose->SetName("C1");
  TMemoryStream out;
  WriteComponent(&out, &form);
  const std::string bytes = Bytes(out);
  const auto panelAt = bytes.find("\x06TPanel\x06Panel1");
  const auto buttonAt = bytes.find("\x07TButton\x02OK");
  const auto looseAt = bytes.find("\x0BTCaptioneer\x02" "C1");
  ASSERT_NE(panelAt, std::string::npos);
  ASSERT_NE(buttonAt, std::string::npos);
  ASSERT_NE(looseAt, std::string::npos);
  EXPECT_LT(panelAt, buttonAt);
  EXPECT_LT(buttonAt, looseAt);

  TForm copy(nullptr);
  out.SetPosition(0);
  ReadComponent(&out, &copy);
  auto* readButton = dynamic_cast<TButton*>(copy.FindComponent("OK"));
  ASSERT_NE(readButton, nullptr);
  EXPECT_EQ(readButton->Caption(), "OK");
  EXPECT_EQ(readButton->Parent(), copy.FindComponent("Panel1"));
  EXPECT_EQ(readButton->Width(), 75);
}

}  // namespace
