#include "vcl/BinaryObjectReader.h"

#include <gtest/gtest.h>

#include "form_test_classes.h"
#include "vcl/ObjectText.h"

namespace {

using namespace formtest;

const char* const kFixtureFiles[] = {"one_default.bin", "design_info.bin", "captions.bin", "unknown_property.bin"};

// Every cut of every fixture fails cleanly, through the component reader
// (with unknown properties let pass) and through the text converter alike.
TEST(BinaryObjectReaderTest, EveryTruncationOfEveryFixtureRaisesEReadError) {
  RegisterTestClasses();
  for (const char* file : kFixtureFiles) {
    const std::string whole = ReadFile(DataPath(file));
    ASSERT_FALSE(whole.empty()) << file;
    for (std::size_t n = 0; n < whole.size(); ++n) {
      TMemoryStream in;
      Load(in, whole.substr(0, n));
      TForm1 root(nullptr);
      TReader reader(&in);
      reader.OnError = [](TReader*, const AnsiString&, bool& Handled) { Handled = true; };
      EXPECT_THROW(reader.ReadRootComponent(&root), EReadError) << file << " cut at " << n;
      TMemoryStream again, text;
      Load(again, whole.substr(0, n));
      EXPECT_THROW(ObjectBinaryToText(&again, &text), EReadError) << file << " cut at " << n;
      EXPECT_EQ(text.Bytes().size(), 0u);
    }
  }
}

std::string Header() { return std::string("TPF0\x06TForm1\x05" "Form1", 17); }

struct BadStreamCase {
  const char* name;
  std::string bytes;
};

// Streams whose lengths lie or whose bytes make no sense.
const BadStreamCase kBadStreams[] = {
    {"NoSignature", std::string("TPF1\x06TForm1\x05" "Form1\x00\x00", 19)},
    {"Empty", ""},
    {"ShortStrLongerThanTheRest", Header() + std::string("\x05Title\x06\xFF" "abc", 11)},
    {"LongStrLongerThanTheRest", Header() + std::string("\x05Title\x0C\x00\x10\x00\x00" "abc", 14)},
    {"LongStrOf2GB", Header() + std::string("\x05Title\x0C\xFF\xFF\xFF\x7F" "abc", 14)},
    {"LongStrOf4GB", Header() + std::string("\x05Title\x0C\xFF\xFF\xFF\xFF", 11)},
    {"WideStringOf2GUnits", Header() + std::string("\x05Title\x12\xFF\xFF\xFF\x7F" "ab", 13)},
    {"BinaryOf2GB", Header() + std::string("\x05Title\x0A\x00\x00\x00\x80", 11)},
    {"UnknownValueType", Header() + std::string("\x05Title\x17\x00\x00", 9)},
    {"ValueTypeFF", Header() + std::string("\x05Title\xFF\x00\x00", 9)},
    {"SetWithoutEnd", Header() + std::string("\x05Title\x0B\x06" "fsBold", 14)},
    {"ListWithoutEnd", Header() + std::string("\x05Title\x01\x02\x01\x02\x02", 11)},
    {"ChildPosOfAString", std::string("TPF0\xF2\x06\x01x\x06TForm1\x05" "Form1\x00\x00", 23)},
    {"ComponentWithoutEnd", Header() + std::string("\x00", 1)},
};

class BadStreamTest : public ::testing::TestWithParam<BadStreamCase> {};

TEST_P(BadStreamTest, RaisesEReadErrorWithoutAllocatingOrCrashing) {
  RegisterTestClasses();
  {
    TMemoryStream in;
    Load(in, GetParam().bytes);
    TForm1 root(nullptr);
    TReader reader(&in);
    reader.OnError = [](TReader*, const AnsiString&, bool& Handled) { Handled = true; };
    EXPECT_THROW(reader.ReadRootComponent(&root), EReadError);
  }
  {
    TMemoryStream in, text;
    Load(in, GetParam().bytes);
    EXPECT_THROW(ObjectBinaryToText(&in, &text), EReadError);
  }
}

INSTANTIATE_TEST_SUITE_P(Streams, BadStreamTest, ::testing::ValuesIn(kBadStreams),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BinaryObjectReaderTest, SkipsDeeplyNestedValuesWithoutRecursion) {
  std::string nested(200000, '\x01');
  nested += std::string(200000, '\x00');
  TMemoryStream in;
  Load(in, nested + "\x02\x07");
  TBinaryObjectReader reader(&in);
  reader.SkipValue();
  EXPECT_EQ(reader.ReadValue(), TValueType::vaInt8);
}

TEST(BinaryObjectReaderTest, DeeplyNestedComponentsAreRefused) {
  RegisterTestClasses();
  std::string s = "TPF0";
  for (int i = 0; i < 5000; ++i) s += std::string("\x06TPanel\x00\x00", 9);
  s += std::string(5000, '\x00');
  TMemoryStream in, text;
  Load(in, s);
  EXPECT_THROW(ObjectBinaryToText(&in, &text), EReadError);
  in.SetPosition(0);
  TForm root(nullptr);
  EXPECT_THROW(ReadComponent(&in, &root), EReadError);
}

TEST(BinaryObjectReaderTest, LeavesTheStreamJustBehindWhatItConsumed) {
  TMemoryStream in;
  Load(in, std::string("\x02\x05\x06\x02hiTAIL", 10));
  {
    TBinaryObjectReader reader(&in);
    EXPECT_EQ(reader.ReadIntegerPayload(reader.ReadValue()), 5);
    EXPECT_EQ(reader.ReadStringPayload(reader.ReadValue()), "hi");
  }
  EXPECT_EQ(in.Position(), 6);
}

TEST(BinaryObjectReaderTest, SkipsEveryValueType) {
  // One value of each type, then a marker byte that must come next.
  const std::string values[] = {
      std::string("\x05" "0123456789", 11),  std::string("\x0F" "0123", 5),
      std::string("\x10" "01234567", 9),     std::string("\x11" "01234567", 9),
      std::string("\x13" "01234567", 9),     std::string("\x16" "01234567", 9),
      std::string("\x14\x02\x00\x00\x00" "ab", 7), std::string("\x15\x01\x00\x00\x00" "ab", 7),
      std::string("\x0E\x01\x04Name\x02\x01\x00\x02\x03\x01\x00\x00", 15),
      std::string("\x0D", 1),
  };
  for (const auto& v : values) {
    TMemoryStream in;
    Load(in, v + "\x09");
    TBinaryObjectReader reader(&in);
    reader.SkipValue();
    EXPECT_EQ(reader.ReadValue(), TValueType::vaTrue) << static_cast<int>(v[0]);
  }
}

}  // namespace
