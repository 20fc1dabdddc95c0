#include "vcl/StringList.h"

#include <gtest/gtest.h>

#include "test_dir.h"
#include "vcl/Stream.h"

using namespace vcl;

namespace {
std::vector<std::string> Lines(const TStrings& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list.Strings(i));
  return out;
}
using V = std::vector<std::string>;
}  // namespace

TEST(StringList, EditsInPlaceAndKeepsObjects) {
  TStringList list;
  TObject marker;
  list.Add("b");
  list.Insert(0, "a");
  list.InsertObject(2, "c", &marker);
  list.Put(2, "C");
  EXPECT_EQ(Lines(list), (V{"a", "b", "C"}));
  EXPECT_EQ(list.GetObject(2), &marker);
  list.PutObject(0, &marker);
  list.Delete(1);
  EXPECT_EQ(Lines(list), (V{"a", "C"}));
  EXPECT_EQ(list.GetObject(0), &marker);
  EXPECT_EQ(list.IndexOf("C"), 1);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, BadIndexRaisesTheListError) {
  TStringList list;
  list.Add("x");
  struct Case {
    const char* what;
    std::function<void()> call;
  } cases[] = {
      {"Strings(1)", [&] { list.Strings(1); }},    {"Strings(-1)", [&] { list.Strings(-1); }},
      {"Put(1)", [&] { list.Put(1, "y"); }},       {"GetObject(2)", [&] { list.GetObject(2); }},
      {"PutObject(-1)", [&] { list.PutObject(-1, nullptr); }},
      {"Insert(2)", [&] { list.Insert(2, "y"); }}, {"Delete(1)", [&] { list.Delete(1); }},
  };
  for (auto& c : cases) {
    try {
      c.call();
      ADD_FAILURE() << c.what << " did not raise";
    } catch (const EStringListError& e) {
      EXPECT_NE(std::string(e.Message()).find("List index out of bounds"), std::string::npos) << c.what;
    }
  }
  EXPECT_EQ(Lines(list), (V{"x"}));
}

TEST(StringList, AssignCopiesStringsAndObjects) {
  TStringList source, target;
  TObject marker;
  source.AddObject("one", &marker);
  source.Add("two");
  target.Add("old");
  target.Assign(&source);
  source.Clear();
  EXPECT_EQ(Lines(target), (V{"one", "two"}));
  EXPECT_EQ(target.GetObject(0), &marker);
  target.Assign(&target);
  EXPECT_EQ(target.Count(), 2);
}

TEST(StringList, SetTextAcceptsEveryLineEnd) {
  struct Case {
    std::string bytes;
    V lines;
  } cases[] = {
      {"", {}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\nb", {"a", "b"}},
      {"\r\r\r", {"", "", ""}},
      {"a\n\r\nb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {std::string("x\0y", 3), {std::string("x\0y", 3)}},
  };
  for (auto& c : cases) {
    TStringList list;
    list.SetText(c.bytes);
    EXPECT_EQ(Lines(list), c.lines) << testing::PrintToString(c.bytes);
  }
}

TEST(StringList, SaveToFileEndsEveryLineWithCrLf) {
  TestDir dir;
  TStringList list;
  list.SaveToFile(dir.Path("empty.txt"));
  EXPECT_EQ(TestDir::Read(dir.Path("empty.txt")), "");
  list.Add("a");
  list.Add("");
  list.Add("b\xFF");
  list.SaveToFile(dir.Path("three.txt"));
  EXPECT_EQ(TestDir::Read(dir.Path("three.txt")), "a\r\n\r\nb\xFF\r\n");
  TStringList back;
  back.LoadFromFile(dir.Path("three.txt"));
  EXPECT_EQ(Lines(back), Lines(list));
}

TEST(StringList, LoadFromFileFailureLeavesTheListAlone) {
  TestDir dir;
  TStringList list;
  list.Add("kept");
  EXPECT_THROW(list.LoadFromFile(dir.Path("missing.txt")), EFOpenError);
  EXPECT_THROW(list.LoadFromFile(dir.path()), EReadError);
  EXPECT_EQ(Lines(list), (V{"kept"}));
}
