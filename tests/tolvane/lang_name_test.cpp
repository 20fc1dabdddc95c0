#include "Tolvane/dictionary/LangName.h"

#include <gtest/gtest.h>

using namespace Tolvane;

TEST(LangName, IdentifiersRoundTripInOrdinalOrder) {
  EXPECT_EQ(sizeof(TLangName), 1u);
  const char* some[][2] = {{"0", "lnUser"}, {"10", "lnGerman"}, {"13", "lnHungary"}, {"15", "lnJapan"},
                           {"21", "lnSlovenia"}, {"25", "lnTurkish"}};
  for (auto& c : some) EXPECT_STREQ(LangNameIdentifier(static_cast<TLangName>(std::stoi(c[0]))), c[1]);
  for (int i = 0; i < kLangNameCount; ++i) {
    const auto language = static_cast<TLangName>(i);
    EXPECT_EQ(LangNameFromIdentifier(LangNameIdentifier(language)), language);
  }
  EXPECT_EQ(LangNameIdentifier(static_cast<TLangName>(26)), nullptr);
  EXPECT_FALSE(LangNameFromIdentifier("lngerman").has_value());
  EXPECT_EQ(LangCodePage(lnUser), 0);
  EXPECT_EQ(LangCodePage(lnJapan), 932);
}
