#include "vcl/SysUtils.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "test_dir.h"

using namespace vcl;

TEST(SysUtils, ExtractFilePathKeepsTheLastDelimiter) {
  EXPECT_EQ(ExtractFilePath("/usr/bin/captioneer"), "/usr/bin/");
  EXPECT_EQ(ExtractFilePath("dict.txt"), "");
  EXPECT_EQ(ExtractFilePath("sub/dict.txt"), "sub/");
  EXPECT_EQ(ExtractFilePath("/"), "/");
}

TEST(SysUtils, FileExistsOnlyForRegularFiles) {
  TestDir dir;
  const std::string file = dir.Write("a.txt", "x");
  std::filesystem::create_symlink(file, dir.Path("link"));
  std::filesystem::create_symlink(dir.Path("missing"), dir.Path("dangling"));
  EXPECT_TRUE(FileExists(file));
  EXPECT_TRUE(FileExists(dir.Path("link")));
  EXPECT_FALSE(FileExists(dir.Path("dangling")));
  EXPECT_FALSE(FileExists(dir.path()));
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(FileExists(dir.Path("none")));
}

TEST(SysUtils, SameTextIgnoresAsciiCaseOnly) {
  EXPECT_TRUE(SameText("Font.Name", "font.NAME"));
  EXPECT_FALSE(SameText("\xC4", "\xE4"));
  EXPECT_FALSE(SameText("ab", "abc"));
}
