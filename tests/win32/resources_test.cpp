#include "win32/Resources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "win32/LastError.h"
#include "win32/Module.h"

namespace {

void Put16(std::vector<unsigned char>& Out, unsigned V) {
  Out.push_back(static_cast<unsigned char>(V));
  Out.push_back(static_cast<unsigned char>(V >> 8));
}
void Put32(std::vector<unsigned char>& Out, unsigned V) {
  Put16(Out, V & 0xFFFF);
  Put16(Out, V >> 16);
}

// One .res entry with a numeric type, a string name and Data.
void Entry(std::vector<unsigned char>& Res, unsigned Type, const std::string& Name, const std::string& Data) {
  std::vector<unsigned char> header;
  Put16(header, 0xFFFF);
  Put16(header, Type);
  for (char c : Name) Put16(header, static_cast<unsigned char>(c));
  Put16(header, 0);
  while (header.size() % 4 != 0) header.push_back(0);
  for (int i = 0; i < 4; ++i) Put32(header, 0);
  Put32(Res, static_cast<unsigned>(Data.size()));
  Put32(Res, static_cast<unsigned>(header.size() + 8));
  Res.insert(Res.end(), header.begin(), header.end());
  Res.insert(Res.end(), Data.begin(), Data.end());
  while (Res.size() % 4 != 0) Res.push_back(0);
}

std::vector<unsigned char> ResFile() {
  std::vector<unsigned char> res;
  Entry(res, 0, "", "");
  Entry(res, 2, "PICTURE", "bitmap bytes");
  Entry(res, 10, "DESCRIPTION", "odd");
  return res;
}

// This program's resource file: a module-level constant, as a package has.
const std::vector<unsigned char> kFile = ResFile();
unsigned char kBytes[256];
const win32::TModuleResources kProgramResources = [] {
  std::memcpy(kBytes, kFile.data(), kFile.size());
  return win32::TModuleResources(kBytes, kFile.size());
}();

HMODULE Program() { return win32::ModuleInstance(kBytes); }

std::string Read(HRSRC Info) {
  const auto* data = static_cast<const char*>(LockResource(LoadResource(Program(), Info)));
  return std::string(data, SizeofResource(Program(), Info));
}

TEST(ResourcesTest, FindsByTypeAndNameIgnoringCase) {
  HRSRC picture = FindResourceA(Program(), "picture", RT_BITMAP);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(Read(picture), "bitmap bytes");
  HRSRC description = FindResourceA(Program(), "DESCRIPTION", RT_RCDATA);
  ASSERT_NE(description, nullptr);
  EXPECT_EQ(Read(description), "odd");
}

TEST(ResourcesTest, MissingResourcesSayWhatIsMissing) {
  struct Case {
    HMODULE module;
    LPCSTR name;
    LPCSTR type;
    DWORD error;
  };
  int otherModule = 0;
  const Case cases[] = {
      {Program(), "PICTURE", RT_RCDATA, ERROR_RESOURCE_NAME_NOT_FOUND},
      {Program(), "NONE", RT_BITMAP, ERROR_RESOURCE_NAME_NOT_FOUND},
      {Program(), "PICTURE", MAKEINTRESOURCEA(3), ERROR_RESOURCE_TYPE_NOT_FOUND},
      {reinterpret_cast<HMODULE>(&otherModule), "PICTURE", RT_BITMAP, ERROR_RESOURCE_DATA_NOT_FOUND},
  };
  for (const Case& c : cases) {
    SetLastError(0);
    EXPECT_EQ(FindResourceA(c.module, c.name, c.type), nullptr);
    EXPECT_EQ(GetLastError(), c.error);
  }
}

TEST(ResourcesTest, AMalformedFileKeepsTheEntriesBeforeTheBadOne) {
  // The last entry's data is cut short.
  const std::vector<unsigned char> res = ResFile();
  const std::vector<unsigned char> truncated(res.begin(), res.end() - 2);
  static unsigned char bytes[256];
  std::memcpy(bytes, truncated.data(), truncated.size());
  const win32::TModuleResources scoped(bytes, truncated.size());
  // bytes lies in this program: its registration hides the first for the scope.
  EXPECT_NE(FindResourceA(Program(), "PICTURE", RT_BITMAP), nullptr);
  EXPECT_EQ(FindResourceA(Program(), "DESCRIPTION", RT_RCDATA), nullptr);
}

TEST(ResourcesTest, TheHiddenRegistrationReturnsWhenTheLaterOneEnds) {
  { const win32::TModuleResources scoped(kBytes, 0); }
  EXPECT_NE(FindResourceA(Program(), "DESCRIPTION", RT_RCDATA), nullptr);
}

}  // namespace
