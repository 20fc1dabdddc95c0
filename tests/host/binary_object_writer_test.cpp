#include "vcl/BinaryObjectWriter.h"

#include <gtest/gtest.h>

#include "form_test_classes.h"

namespace {

using formtest::Bytes;
using vcl::TBinaryObjectWriter;
using vcl::TMemoryStream;

template <typename F>
std::string Written(F&& Write) {
  TMemoryStream s;
  TBinaryObjectWriter w(&s);
  Write(w);
  w.Flush();
  return Bytes(s);
}

struct IntegerCase {
  vcl::Int64 value;
  std::string bytes;
};

TEST(BinaryObjectWriterTest, IntegersTakeTheNarrowestTypeAtEachBoundary) {
  const IntegerCase cases[] = {
      {-128, std::string("\x02\x80", 2)},
      {127, std::string("\x02\x7F", 2)},
      {-129, std::string("\x03\x7F\xFF", 3)},
      {128, std::string("\x03\x80\x00", 3)},
      {-32768, std::string("\x03\x00\x80", 3)},
      {32767, std::string("\x03\xFF\x7F", 3)},
      {-32769, std::string("\x04\xFF\x7F\xFF\xFF", 5)},
      {32768, std::string("\x04\x00\x80\x00\x00", 5)},
      {-2147483648LL, std::string("\x04\x00\x00\x00\x80", 5)},
      {2147483647LL, std::string("\x04\xFF\xFF\xFF\x7F", 5)},
      {2147483648LL, std::string("\x13\x00\x00\x00\x80\x00\x00\x00\x00", 9)},
      {-2147483649LL, std::string("\x13\xFF\xFF\xFF\x7F\xFF\xFF\xFF\xFF", 9)},
  };
  for (const auto& c : cases) EXPECT_EQ(Written([&](auto& w) { w.WriteInteger(c.value); }), c.bytes) << c.value;
}

TEST(BinaryObjectWriterTest, StringsUpTo255BytesAreShortLongerOnesLong) {
  EXPECT_EQ(Written([](auto& w) { w.WriteString(""); }), std::string("\x06\x00", 2));
  EXPECT_EQ(Written([](auto& w) { w.WriteString(std::string(255, 'a')); }), "\x06\xFF" + std::string(255, 'a'));
  EXPECT_EQ(Written([](auto& w) { w.WriteString(std::string(256, 'a')); }),
            std::string("\x0C\x00\x01\x00\x00", 5) + std::string(256, 'a'));
}

TEST(BinaryObjectWriterTest, FloatsAreX87Extended) {
  EXPECT_EQ(Written([](auto& w) { w.WriteFloat(1.5L); }), std::string("\x05\x00\x00\x00\x00\x00\x00\x00\xC0\xFF\x3F", 11));
  EXPECT_EQ(Written([](auto& w) { w.WriteFloat(-2.25L); }), std::string("\x05\x00\x00\x00\x00\x00\x00\x00\x90\x00\xC0", 11));
  EXPECT_EQ(Written([](auto& w) { w.WriteFloat(0.0L); }), std::string("\x05\0\0\0\0\0\0\0\0\0\0", 11));
}

TEST(BinaryObjectWriterTest, HeaderPrefixOnlyWithFlags) {
  EXPECT_EQ(Written([](auto& w) { w.BeginComponent(0, 0, "TA", "B"); }), "\x02TA\x01" "B");
  EXPECT_EQ(Written([](auto& w) { w.BeginComponent(vcl::ffInherited | vcl::ffChildPos, 0, "TA", ""); }),
            std::string("\xF3\x02\x00\x02TA\x00", 7));
}

}  // namespace
