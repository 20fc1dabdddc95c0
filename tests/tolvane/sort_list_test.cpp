#include "Tolvane/dictionary/SortList.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace Tolvane;

namespace {
vcl::TObject* Obj(std::uintptr_t v) { return reinterpret_cast<vcl::TObject*>(v); }

void Fill(TSortList& list, std::initializer_list<const char*> items) {
  for (const char* s : items) list.SortInsert(s, nullptr);
}
}  // namespace

TEST(SortList, EmptyListGivesZeroWhateverIndexHeld) {
  TSortList list;
  for (vcl::Integer start : {-1, 0, 42}) {
    vcl::Integer index = start;
    EXPECT_FALSE(list.SortFind("x", index));
    EXPECT_EQ(index, 0);
  }
}

TEST(SortList, PositionMode) {
  TSortList list;
  Fill(list, {"e", "a", "c"});
  struct Case {
    const char* s;
    bool found;
    int index;
  } cases[] = {{"d", false, 2}, {"f", false, 3}, {"a", true, 0}, {"0", false, 0}, {"c", true, 1}, {"b", false, 1}};
  for (auto& c : cases) {
    vcl::Integer index = -1;
    EXPECT_EQ(list.SortFind(c.s, index), c.found) << c.s;
    EXPECT_EQ(index, c.index) << c.s;
  }
}

TEST(SortList, ObjectMode) {
  TSortList list;
  list.SortInsert("a", Obj(10));
  list.SortInsert("c", Obj(30));
  struct Case {
    const char* s;
    bool found;
    int object;
  } cases[] = {{"c", true, 30}, {"b", false, 30}, {"d", false, 30}, {"0", false, 10}};
  for (auto& c : cases) {
    vcl::Integer index = 0;
    EXPECT_EQ(list.SortFind(c.s, index), c.found) << c.s;
    EXPECT_EQ(index, c.object) << c.s;
  }
}

TEST(SortList, OrderIsByUnsignedByte) {
  TSortList list;
  Fill(list, {"a", "\xE4", "B", "abc", "ab", "\t", "~", "\x80"});
  std::vector<std::string> got;
  for (int i = 0; i < list.Count(); ++i) got.push_back(list.Strings(i));
  EXPECT_EQ(got, (std::vector<std::string>{"\t", "B", "a", "ab", "abc", "~", "\x80", "\xE4"}));
}

TEST(SortList, InsertOfAPresentStringOnlyReplacesItsObject) {
  TSortList list;
  Fill(list, {"a", "b"});
  list.SortInsert("b", Obj(7));
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.GetObject(1), Obj(7));
}
