#include "vcl/ObjectText.h"

#include <gtest/gtest.h>

#include "form_test_classes.h"
#include "vcl/BinaryObjectWriter.h"

namespace {

using namespace formtest;

std::string ToText(const std::string& Binary, TObjectTextEncoding Encoding = TObjectTextEncoding::oteDFM) {
  TMemoryStream in, out;
  Load(in, Binary);
  ObjectBinaryToText(&in, &out, Encoding);
  return Bytes(out);
}

std::string ToBinary(const std::string& Text) {
  TMemoryStream in, out;
  Load(in, Text);
  ObjectTextToBinary(&in, &out);
  return Bytes(out);
}

class ObjectTextFixtureTest : public ::testing::TestWithParam<const char*> {};

// Binary -> text gives the reference text byte for byte, and our text gives
// the original binary back (8-bit strings stay 8-bit).
TEST_P(ObjectTextFixtureTest, MatchesTheReferenceTextAndConvertsBack) {
  const std::string name = GetParam();
  const std::string binary = ReadFile(DataPath(name + ".bin"));
  const std::string text = ReadFile(DataPath(name + ".txt"));
  ASSERT_FALSE(binary.empty());
  EXPECT_EQ(ToText(binary), text);
  EXPECT_EQ(ToBinary(text), binary);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, ObjectTextFixtureTest,
                         ::testing::Values("one_default", "design_info", "captions", "unknown_property"));

template <typename F>
std::string Stream(F&& Properties) {
  TMemoryStream s;
  TBinaryObjectWriter w(&s);
  w.WriteSignature();
  w.BeginComponent(0, 0, "TForm1", "Form1");
  Properties(w);
  w.EndList();
  w.EndList();
  w.Flush();
  return Bytes(s);
}

TEST(ObjectTextTest, WritesEveryNotationOfTheReferenceLayout) {
  const std::string binary = Stream([](TBinaryObjectWriter& w) {
    w.BeginProperty("F");
    w.WriteFloat(2.25L);
    w.BeginProperty("N");
    w.WriteNil();
    w.BeginProperty("S");
    w.WriteSet({"a", "b"});
    w.BeginProperty("B");
    w.WriteBinary(std::string(33, '\xAB'));
    w.BeginProperty("L");
    w.BeginList();
    w.BeginList();
    w.EndList();
    w.WriteWideString(u"W\u00FC\u20AC'");
    w.EndList();
    w.BeginProperty("C");
    w.BeginCollection();
    w.BeginList();
    w.BeginProperty("X");
    w.WriteInteger(1);
    w.EndList();
    w.EndList();
    w.BeginProperty("E");
    w.BeginCollection();
    w.EndList();
  });
  EXPECT_EQ(ToText(binary),
            "object Form1: TForm1\n"
            "  F =  2.25000000000000000000E+0000\n"
            "  N = nil\n"
            "  S = [a, b]\n"
            "  B = {\n"
            "    ABABABABABABABABABABABABABABABABABABABABABABABABABABABABABABABAB\n"
            "    AB\n"
            "  }\n"
            "  L = (\n"
            "    (    )\n"
            "    'W'#252#8364''''\n"
            "  )\n"
            "  C = <  \n"
            "    item\n"
            "      X = 1\n"
            "    end>\n"
            "  E = <>\n"
            "end\n");
}

TEST(ObjectTextTest, LfmKeepsHighBytesInsideTheQuotes) {
  const std::string binary = Stream([](TBinaryObjectWriter& w) {
    w.BeginProperty("T");
    w.WriteString("Gr\xFC\xDF" "e\t");
  });
  EXPECT_NE(ToText(binary).find("T = 'Gr'#252#223'e'#9\n"), std::string::npos);
  EXPECT_NE(ToText(binary, TObjectTextEncoding::oteLFM).find("T = 'Gr\xFC\xDF" "e'#9\n"), std::string::npos);
}

TEST(ObjectTextTest, ReadsTheClassicLayout) {
  const std::string classic =
      "\xEF\xBB\xBFOBJECT Form1: TForm1\r\n"
      "  Title = \r\n"
      "    'Don'#39't save, '#$41'bc' +\r\n"
      "    'Gr\xFC\xDF" "e'\r\n"
      "  Items.Strings = (\r\n"
      "    'OK|Okay')\r\n"
      "  Storage = ()\r\n"
      "  Data = {0001 FF}\r\n"
      "  Flag = true\r\n"
      "  Big = $80000008\r\n"
      "  Neg = -5\r\n"
      "  Ref = Form2.Button1\r\n"
      "  Amount = 1.5c\r\n"
      "  inherited Other: TPanel [2]\r\n"
      "  End\r\n"
      "end\r\n";
  const std::string expected = [] {
    TMemoryStream s;
    TBinaryObjectWriter w(&s);
    w.WriteSignature();
    w.BeginComponent(0, 0, "TForm1", "Form1");
    w.BeginProperty("Title");
    w.WriteString("Don't save, Abc" "Gr\xFC\xDF" "e");
    w.BeginProperty("Items.Strings");
    w.BeginList();
    w.WriteString("OK|Okay");
    w.EndList();
    w.BeginProperty("Storage");
    w.BeginList();
    w.EndList();
    w.BeginProperty("Data");
    w.WriteBinary(std::string("\x00\x01\xFF", 3));
    w.BeginProperty("Flag");
    w.WriteBoolean(true);
    w.BeginProperty("Big");
    w.WriteInteger(0x80000008LL);
    w.BeginProperty("Neg");
    w.WriteInteger(-5);
    w.BeginProperty("Ref");
    w.WriteIdent("Form2.Button1");
    w.BeginProperty("Amount");
    w.WriteFloat(1.5L);
    w.EndList();
    w.BeginComponent(ffInherited | ffChildPos, 2, "TPanel", "Other");
    w.EndList();
    w.EndList();
    w.EndList();
    w.Flush();
    return Bytes(s);
  }();
  EXPECT_EQ(ToBinary(classic), expected);
}

TEST(ObjectTextTest, OnlyCharactersAbove255MakeAWideString) {
  const std::string binary = ToBinary("object A: TA\n  W = 'x'#8364\n  S = #255\nend\n");
  EXPECT_NE(binary.find(std::string("\x01W\x12\x02\x00\x00\x00x\x00\xAC\x20", 11)), std::string::npos);
  EXPECT_NE(binary.find(std::string("\x01S\x06\x01\xFF", 5)), std::string::npos);
}

struct BadTextCase {
  const char* name;
  const char* text;
  const char* message;
};

const BadTextCase kBadTexts[] = {
    {"Empty", "", "'object' expected on line 1"},
    {"NoEnd", "object A: TA\n  X = 1\n", "'end' expected on line 3"},
    {"UnterminatedString", "object A: TA\n  X = 'abc\nend\n", "Unterminated string on line 2"},
    {"MissingEquals", "object A: TA\n  X 1\nend\n", "'=' expected on line 2"},
    {"BadHex", "object A: TA\n  X = {0G}\nend\n", "Invalid binary data on line 2"},
    {"OddHex", "object A: TA\n  X = {012}\nend\n", "Invalid binary data on line 2"},
    {"HugeInteger", "object A: TA\n  X = 99999999999999999999\nend\n", "Integer out of range on line 2"},
    {"CharAbove65535", "object A: TA\n  X = #70000\nend\n", "Character code out of range on line 2"},
    {"UnclosedList", "object A: TA\n  X = (1 2\n", "Value expected on line 3"},
    {"Stray", "object A: TA\n  X = )\nend\n", "Invalid property value ')' on line 2"},
};

class BadTextTest : public ::testing::TestWithParam<BadTextCase> {};

TEST_P(BadTextTest, RaisesEParserErrorNamingTheLine) {
  TMemoryStream in, out;
  Load(in, GetParam().text);
  try {
    ObjectTextToBinary(&in, &out);
    FAIL() << "no error";
  } catch (const EParserError& e) {
    EXPECT_EQ(e.Message(), GetParam().message);
  }
  EXPECT_EQ(out.Bytes().size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Texts, BadTextTest, ::testing::ValuesIn(kBadTexts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ObjectTextTest, DeepNestingIsRefusedBothWays) {
  std::string text = "object A: TA\n  X = ";
  text += std::string(100000, '(') + std::string(100000, ')') + "\nend\n";
  TMemoryStream in, out;
  Load(in, text);
  EXPECT_THROW(ObjectTextToBinary(&in, &out), EParserError);
}

TEST(ObjectTextTest, ValuesWithoutATextNotationAreRefused) {
  const std::string binary = Stream([](TBinaryObjectWriter& w) {
    w.BeginProperty("X");
    w.WriteSingle(1.5f);
  });
  try {
    ToText(binary);
    FAIL() << "no error";
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), "Invalid property type from streamed property: 15");
  }
}

}  // namespace
