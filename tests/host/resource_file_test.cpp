#include "vcl/ResourceFile.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "form_test_classes.h"

namespace {

using namespace formtest;

const std::string kHeader = std::string("\xFF\x0A\x00TFORM1\x00\x30\x10\xC7\x00\x00\x00", 16);

TEST(ResourceFileTest, WritesTheHeaderNamedAfterTheRootAndReadsItBack) {
  FixtureForm f;
  TMemoryStream res;
  WriteComponentRes(&res, "TFORM1", &f.form);
  const std::string fixture = ReadFile(DataPath("one_default.bin"));
  EXPECT_EQ(Bytes(res), kHeader + fixture);

  TMemoryStream text;
  res.SetPosition(0);
  ObjectResourceToText(&res, &text);
  EXPECT_EQ(Bytes(text), ReadFile(DataPath("one_default.txt")));

  TMemoryStream back;
  text.SetPosition(0);
  ObjectTextToResource(&text, &back);
  EXPECT_EQ(Bytes(back), Bytes(res));

  TForm root(nullptr);
  res.SetPosition(0);
  ReadComponentRes(&res, &root);
  EXPECT_NE(dynamic_cast<TTestCaptioneer*>(root.FindComponent("Captioneer1")), nullptr);
}

TEST(ResourceFileTest, FilesRoundTripAndAFailedSaveKeepsTheOldFile) {
  FixtureForm f;
  const std::string path = std::string(CAPTIONEER_BINARY_DIR) + "/resource_file_test.dfm";
  WriteComponentResFile(path, &f.form);
  EXPECT_EQ(ReadFile(path), kHeader + ReadFile(DataPath("one_default.bin")));
  TForm root(nullptr);
  ReadComponentResFile(path, &root);
  EXPECT_EQ(root.ComponentCount(), 1);
  EXPECT_THROW(WriteComponentResFile(std::string(CAPTIONEER_BINARY_DIR) + "/no/such/dir/x.dfm", &f.form),
               EStreamError);
  std::remove(path.c_str());
}

TEST(ResourceFileTest, RejectsWhatIsNotAnRcDataHeader) {
  const std::string bad[] = {
      "",
      std::string("\xFE\x0A\x00X\x00\x30\x10\x00\x00\x00\x00", 11),
      std::string("\xFF\x0B\x00X\x00\x30\x10\x00\x00\x00\x00", 11),
      std::string("\xFF\x0A\x00X\x00\x31\x10\x00\x00\x00\x00", 11),
      std::string("\xFF\x0A\x00XXXXXXXX", 11),
      std::string("\xFF\x0A\x00X\x00\x30\x10\x00", 8),
  };
  for (const auto& b : bad) {
    TMemoryStream s;
    Load(s, b);
    EXPECT_THROW(ReadResourceHeader(&s), EReadError) << b.size();
  }
}

}  // namespace
