#include "vcl/Font.h"

#include <gtest/gtest.h>

#include "vcl/StringList.h"

using namespace vcl;

TEST(Font, StartsAsTheHostDefault) {
  TFont font;
  EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
  EXPECT_EQ(font.Color(), clWindowText);
  EXPECT_EQ(font.Height(), -11);
  EXPECT_EQ(font.Size(), 8);
  EXPECT_EQ(font.Name(), "MS Sans Serif");
  EXPECT_EQ(font.Pitch(), TFontPitch::fpDefault);
  EXPECT_TRUE(font.Style().Empty());
}

TEST(Font, AssignCopiesEveryAttribute) {
  TFont source;
  source.SetCharset(238);
  source.SetColor(clRed);
  source.SetName("Arial");
  source.SetSize(12);
  source.SetPitch(TFontPitch::fpFixed);
  source.SetStyle({TFontStyle::fsBold, TFontStyle::fsItalic});
  TFont copy;
  copy.Assign(&source);
  EXPECT_TRUE(copy == source);
  EXPECT_EQ(copy.Height(), -16);
  EXPECT_EQ(copy.Style().ToBits(), 3);
}

TEST(Font, AssignFromAnotherKindRaises) {
  TFont font;
  TStringList list;
  EXPECT_THROW(font.Assign(&list), EConvertError);
}

TEST(Font, MulDivRoundsHalfAwayFromZero) {
  EXPECT_EQ(MulDiv(-11, 72, 96), -8);
  EXPECT_EQ(MulDiv(5, 1, 2), 3);
  EXPECT_EQ(MulDiv(-5, 1, 2), -3);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
}
