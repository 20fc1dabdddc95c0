#include "vcl/TextMetrics.h"

#include <gtest/gtest.h>

#include "test_dir.h"

using namespace vcl;

namespace {

struct MakeFont : TFont {
  MakeFont(const AnsiString& Name, Integer Height, TFontStyles Style = {}) {
    SetName(Name);
    SetHeight(Height);
    SetStyle(Style);
  }
};

constexpr TFontStyles kBold{TFontStyle::fsBold};

}  // namespace

// Expected sizes were worked out by hand from the fonts' own tables (head,
// hhea, cmap, hmtx) of fonts-liberation2 2.1.5, Debian 12: each glyph's
// advance width * em / 2048 rounded, summed; a line is ceil(ascender * em /
// 2048) + ceil(-descender * em / 2048) high (Sans 1854/-434, Serif
// 1825/-443, Mono 1705/-615).
TEST(TextMetrics, MeasuresKnownStrings) {
  struct Case {
    const char* font;
    Integer height;
    TFontStyles style;
    const char* text;
    TSize extent;
  } cases[] = {
      {"MS Sans Serif", -11, {}, "OK", {16, 13}},
      {"Tahoma", -11, {}, "The quick brown fox", {99, 13}},
      {"Arial", -13, {}, "Captioneer 1.0", {84, 15}},
      {"Ariel", -13, kBold, "Captioneer 1.0", {89, 15}},
      {"Ariel", -13, kBold, "Copyright (c) 2026 Quendale", {175, 15}},
      {"Ariel", -13, kBold, "Captioneer 1.0\r\nCopyright (c) 2026 Quendale", {175, 30}},
      {"Times New Roman", -16, {}, "Hello, World", {83, 19}},
      {"Courier New", -13, {}, "Hello, World", {96, 15}},
      // Code page 1252: 0x80 is the euro sign, 0xE9 e acute, 0x93/0x94 quotes.
      {"Arial", -13, {}, "\x80", {7, 15}},
      {"Arial", -13, {}, "Caf\xE9 \x93ok\x94", {53, 15}},
      // Lines end at CR LF, CR or LF alike.
      {"Arial", -13, {}, "A\r\nBB\r\nC", {18, 45}},
      {"Arial", -13, {}, "A\rBB\nC", {18, 45}},
      {"Arial", -13, {}, "", {0, 15}},
      // A positive height is the cell: 15 * 2048 / 2288 gives a 13-pixel em.
      {"Arial", 15, {}, "Captioneer 1.0", {84, 15}},
      // Any other name is drawn by Liberation Sans; names ignore case.
      {"Wingdings", -13, {}, "Captioneer 1.0", {84, 15}},
      {"arial", -13, {}, "Captioneer 1.0", {84, 15}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(HostTextMetrics().TextExtent(MakeFont(c.font, c.height, c.style), c.text), c.extent)
        << c.font << " " << c.height << " \"" << c.text << "\"";
}

TEST(TextMetrics, BoldIsWiderThanRegular) {
  for (const char* text : {"Captioneer", "Copyright (c) 2026 Quendale", "Cancel"}) {
    const TSize regular = HostTextMetrics().TextExtent(MakeFont("Arial", -13), text);
    const TSize bold = HostTextMetrics().TextExtent(MakeFont("Arial", -13, kBold), text);
    EXPECT_GT(bold.cx, regular.cx) << text;
    EXPECT_EQ(bold.cy, regular.cy) << text;
  }
}

TEST(TextMetrics, SubstitutesFontFiles) {
  TTextMetrics metrics("/fonts");
  struct Case {
    const char* name;
    TFontStyles style;
    const char* file;
  } cases[] = {
      {"Arial", {}, "/fonts/LiberationSans-Regular.ttf"},
      {"Ariel", kBold, "/fonts/LiberationSans-Bold.ttf"},
      {"MS Sans Serif", {TFontStyle::fsItalic}, "/fonts/LiberationSans-Italic.ttf"},
      {"Tahoma", {TFontStyle::fsBold, TFontStyle::fsItalic}, "/fonts/LiberationSans-BoldItalic.ttf"},
      {"Times New Roman", {}, "/fonts/LiberationSerif-Regular.ttf"},
      {"Courier New", kBold, "/fonts/LiberationMono-Bold.ttf"},
      {"Symbol", {TFontStyle::fsUnderline}, "/fonts/LiberationSans-Regular.ttf"},
  };
  for (const Case& c : cases) EXPECT_EQ(metrics.FontFile(MakeFont(c.name, -13, c.style)), c.file) << c.name;
}

TEST(TextMetrics, MissingOrBadFontFileIsAClearError) {
  TestDir dir;
  dir.Write("LiberationSans-Bold.ttf", "not a font");
  TTextMetrics metrics(dir.path());
  try {
    metrics.TextExtent(MakeFont("Arial", -13), "OK");
    FAIL() << "no error";
  } catch (const EFontError& e) {
    EXPECT_EQ(e.Message(), "Font file '" + dir.Path("LiberationSans-Regular.ttf") +
                               "' is missing (Debian package fonts-liberation2)");
  }
  try {
    metrics.TextExtent(MakeFont("Arial", -13, kBold), "OK");
    FAIL() << "no error";
  } catch (const EFontError& e) {
    EXPECT_EQ(e.Message().rfind("Font file '" + dir.Path("LiberationSans-Bold.ttf") + "' cannot be read", 0), 0u)
        << e.Message();
  }
}
