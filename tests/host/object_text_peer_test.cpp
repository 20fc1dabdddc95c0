// Compares our conversions with the reference converter's (built from Free
// Pascal by the shared peers/build.sh). Skipped when fpc is not installed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "form_test_classes.h"
#include "vcl/BinaryObjectWriter.h"
#include "vcl/ObjectText.h"
#include "vcl/ResourceFile.h"

namespace {

using namespace formtest;
namespace fs = std::filesystem;

fs::path SharedDir() {
  if (const char* env = std::getenv("CAPTIONEER_SHARED")) return env;
  return fs::path(CAPTIONEER_TEST_DATA) / ".." / ".." / ".." / "shared";
}

class PeerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (std::system("command -v fpc >/dev/null 2>&1") != 0) {
      skip_ = "fpc (Debian package fpc) is not installed; the reference converter cannot be built";
      return;
    }
    const fs::path script = SharedDir() / "peers" / "build.sh";
    if (!fs::exists(script)) {
      skip_ = "the reference converter's build.sh is not at " + script.string() + " (set CAPTIONEER_SHARED)";
      return;
    }
    // CTest runs each test in a process of its own, possibly side by side:
    // each process builds and runs the converter in its own folder.
    dir_ = fs::path(CAPTIONEER_BINARY_DIR) / ("formconv-peer-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    const std::string command = "sh '" + script.string() + "' '" + dir_.string() + "' >/dev/null";
    if (std::system(command.c_str()) != 0) skip_ = "building the reference converter failed";
  }

  static void TearDownTestSuite() {
    std::error_code ignored;
    if (!dir_.empty()) fs::remove_all(dir_, ignored);
  }

  void SetUp() override {
    if (!skip_.empty()) GTEST_SKIP() << skip_;
  }

  // Runs the converter on Input; returns its output file's bytes.
  static std::string Peer(const std::string& Mode, const std::string& Input) {
    const fs::path in = dir_ / "in.dat", out = dir_ / "out.dat";
    std::ofstream(in, std::ios::binary) << Input;
    fs::remove(out);
    const std::string command =
        "'" + (dir_ / "formconv").string() + "' " + Mode + " '" + in.string() + "' '" + out.string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return ReadFile(out.string());
  }

  static std::string ToText(const std::string& Binary) {
    TMemoryStream in, out;
    Load(in, Binary);
    ObjectBinaryToText(&in, &out);
    return Bytes(out);
  }
  static std::string ToBinary(const std::string& Text) {
    TMemoryStream in, out;
    Load(in, Text);
    ObjectTextToBinary(&in, &out);
    return Bytes(out);
  }

  static inline std::string skip_;
  static inline fs::path dir_;
};

template <typename F>
std::string Stream(F&& Body) {
  TMemoryStream s;
  TBinaryObjectWriter w(&s);
  w.WriteSignature();
  Body(w);
  w.Flush();
  return Bytes(s);
}

// Integers at each size boundary, sets, idents, Booleans, nil, floats,
// lists, a collection, binary data (the Left/Top words of a design
// position), and children with every prefix.
std::string AsciiStream() {
  return Stream([](TBinaryObjectWriter& w) {
    w.BeginComponent(ffInherited, 0, "TForm1", "Form1");
    const Int64 ints[] = {0, -1, 127, 128, -128, -129, 32767, 32768, -32768, -32769,
                          2147483647LL, 2147483648LL, -2147483648LL, -2147483649LL, INT64_MAX, INT64_MIN};
    int i = 0;
    for (Int64 v : ints) {
      w.BeginProperty("I" + std::to_string(i++));
      w.WriteInteger(v);
    }
    w.BeginProperty("Font.Style");
    w.WriteSet({"fsBold", "fsUnderline"});
    w.BeginProperty("Empty");
    w.WriteSet({});
    w.BeginProperty("Language");
    w.WriteIdent("lnGerman");
    w.BeginProperty("Yes");
    w.WriteBoolean(true);
    w.BeginProperty("No");
    w.WriteBoolean(false);
    w.BeginProperty("Nothing");
    w.WriteNil();
    w.BeginProperty("Float");
    w.WriteFloat(2.25L);
    w.BeginProperty("Negative");
    w.WriteFloat(-1.5e10L);
    w.BeginProperty("Quote");
    w.WriteString("Don't 'quote' \t me");
    w.BeginProperty("Long");
    w.WriteString(std::string(300, 'z'));
    w.BeginProperty("Nested");
    w.BeginList();
    w.WriteInteger(1);
    w.BeginList();
    w.WriteString("in");
    w.BeginList();
    w.EndList();
    w.EndList();
    w.EndList();
    w.BeginProperty("Items");
    w.BeginCollection();
    w.BeginList();
    w.BeginProperty("Caption");
    w.WriteString("first");
    w.EndList();
    w.BeginList();
    w.EndList();
    w.EndList();
    w.BeginProperty("DesignInfo");
    w.WriteBinary(std::string("\x18\x00\x2C\x01", 4) + std::string(40, '\x7F'));
    w.EndList();
    w.BeginComponent(ffInherited | ffChildPos, 0, "TButton", "Button1");
    w.EndList();
    w.EndList();
    w.BeginComponent(ffChildPos, 2, "TLabel", "Label1");
    w.EndList();
    w.EndList();
    w.BeginComponent(ffInline, 0, "TFrame1", "Frame1");
    w.EndList();
    w.EndList();
    w.EndList();
  });
}

// 8-bit and wide strings with every byte and some characters above 255.
std::string HighBytesStream() {
  return Stream([](TBinaryObjectWriter& w) {
    w.BeginComponent(0, 0, "TForm1", "Form1");
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    w.BeginProperty("All");
    w.WriteString(all);
    w.BeginProperty("High");
    w.WriteString(all.substr(128));
    w.BeginProperty("Wide");
    w.WriteWideString(u"Gr\u00FC\u00DFe \u20AC \u4E2D 'x'");
    w.BeginProperty("Utf8");
    w.WriteUTF8String("Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC");
    w.EndList();
    w.EndList();
  });
}

TEST_F(PeerTest, BinaryToTextMatchesByteForByte) {
  for (const std::string& binary : {AsciiStream(), HighBytesStream()}) EXPECT_EQ(ToText(binary), Peer("totext", binary));
  for (const char* name : {"one_default", "design_info", "captions", "unknown_property"}) {
    const std::string binary = ReadFile(DataPath(std::string(name) + ".bin"));
    EXPECT_EQ(ToText(binary), Peer("totext", binary)) << name;
  }
}

TEST_F(PeerTest, TextToBinaryMatchesWhereNoStringIsWidened) {
  const std::string text = ToText(AsciiStream());
  EXPECT_EQ(ToBinary(text), Peer("tobinary", text));
  EXPECT_EQ(ToBinary(text), AsciiStream());
}

// The reference widens 8-bit strings holding #128..#255; we keep the
// original bytes, and both read back to the same text.
TEST_F(PeerTest, HighBytesStayEightBitWhereTheReferenceWidens) {
  const std::string original = HighBytesStream();
  const std::string text = ToText(original);
  const std::string ours = ToBinary(text);
  const std::string theirs = Peer("tobinary", text);
  EXPECT_NE(ours, theirs);
  EXPECT_EQ(ToText(theirs), text);
  const std::string captions = ReadFile(DataPath("captions.bin"));
  EXPECT_EQ(ToBinary(ToText(captions)), captions);
}

TEST_F(PeerTest, ResourceFilesMatchByteForByte) {
  const std::string text = ReadFile(DataPath("design_info.txt"));
  TMemoryStream in, res;
  Load(in, text);
  ObjectTextToResource(&in, &res);
  EXPECT_EQ(Bytes(res), Peer("tores", text));
  EXPECT_EQ(Peer("restotext", Bytes(res)), text);
}

}  // namespace
