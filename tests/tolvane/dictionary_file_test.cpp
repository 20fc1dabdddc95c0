#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "Tolvane/Tolvane.h"
#include "dictionary_lines.h"
#include "file_size_limit.h"
#include "test_dir.h"
#include "vcl/FileSystem.h"
#include "vcl/Forms.h"
#include "vcl/Stream.h"

using namespace Tolvane;

namespace {

std::string Saved(TCaptioneer& c, const TestDir& dir) {
  c.SaveTo(dir.Path("out.txt"));
  return TestDir::Read(dir.Path("out.txt"));
}

// The file as inserting every entry's line into a TSortList gives it,
// line by line, with the earlier line of the same key dropped first.
std::string SortListReference(TCaptioneer& c) {
  TSortList list;
  for (int i = 0; i < c.Captions()->Count(); ++i) {
    const std::string& entry = c.Captions()->Strings(i);
    const auto bar = entry.find('|');
    const std::string key = bar == std::string::npos ? "" : entry.substr(0, bar);
    const std::string translation = bar == std::string::npos ? entry : entry.substr(bar + 1);
    std::string line = c.WriteString(key) + "\t";
    vcl::Integer index = -1;
    list.SortFind(line, index);
    if (index >= 0 && index < list.Count() && list.Strings(index).compare(0, line.size(), line) == 0)
      list.Delete(index);
    line += c.WriteString(translation);
    list.SortInsert(line, nullptr);
  }
  return list.Text();
}

}  // namespace

TEST(DictionaryFile, EscapesRoundTrip) {
  TCaptioneer c(nullptr);
  struct Case {
    std::string plain, escaped;
  } cases[] = {
      {"", ""},
      {"\\n", "\\\\n"},
      {"a\tb\rc\nd\\", "a\\tb\\rc\\nd\\\\"},
      {"|bar|", "|bar|"},
      {"\xFF\x01", "\xFF\x01"},
  };
  for (auto& k : cases) {
    EXPECT_EQ(c.WriteString(k.plain), k.escaped);
    EXPECT_EQ(c.ReadString(k.escaped), k.plain);
  }
  // Backslashes that start no pair are copied as they stand.
  EXPECT_EQ(c.ReadString("\\x\\"), "\\x\\");
  EXPECT_EQ(c.ReadString("\\\\\\n"), "\\\n");
}

TEST(DictionaryFile, SaveToCases) {
  TestDir dir;
  struct Case {
    const char* what;
    Lines dictionary;
    std::string file;
  } cases[] = {
      {"two entries, sorted", {"Yes|Ja", "No|Nein"}, "No\tNein\r\nYes\tJa\r\n"},
      {"later entry of a key wins", {"OK|A", "Cancel|C", "OK|B"}, "Cancel\tC\r\nOK\tB\r\n"},
      {"empty dictionary", {}, ""},
      {"escaped key", {"\\n|x"}, "\\\\n\tx\r\n"},
      {"bar-less string has an empty key", {"plain"}, "\tplain\r\n"},
      {"sorted by whole line bytes", {"b|1", "B|2", "a\x01|3", "a|4"}, "B\t2\r\na\x01\t3\r\na\t4\r\nb\t1\r\n"},
  };
  for (auto& k : cases) {
    TCaptioneer c(nullptr);
    Fill(c, k.dictionary);
    EXPECT_EQ(Saved(c, dir), k.file) << k.what;
  }
}

TEST(DictionaryFile, SaveToMatchesSortedInsertionOnRandomDictionaries) {
  TestDir dir;
  std::mt19937 gen(12345);
  const char alphabet[] = {'a', 'b', '|', '\t', '\\', '\n', '\r', 'n', '\x01', '\xE4'};
  for (int round = 0; round < 200; ++round) {
    TCaptioneer c(nullptr);
    const int count = static_cast<int>(gen() % 30);
    for (int i = 0; i < count; ++i) {
      std::string s;
      for (int len = static_cast<int>(gen() % 6); len > 0; --len) s += alphabet[gen() % sizeof alphabet];
      c.Captions()->Add(s);
    }
    ASSERT_EQ(Saved(c, dir), SortListReference(c)) << "round " << round;
  }
}

TEST(DictionaryFile, SaveThenLoadGivesEveryEntryBack) {
  TestDir dir;
  TCaptioneer c(nullptr);
  Fill(c, {"Tab\there|a\tb", "CR\r|LF\n", "back\\slash|\\n", "|empty key", "&Yes|", "\xE4\xF6|\x80\xFF"});
  c.SaveTo(dir.Path("d.txt"));
  TCaptioneer back(nullptr);
  ASSERT_TRUE(back.LoadFrom(dir.Path("d.txt")));
  Lines expected = Dictionary(c);
  std::sort(expected.begin(), expected.end());
  Lines got = Dictionary(back);
  std::sort(got.begin(), got.end());
  EXPECT_EQ(got, expected);
}

TEST(DictionaryFile, SaveToRestoresTheCursor) {
  TestDir dir;
  TCaptioneer c(nullptr);
  vcl::Screen->SetCursor(-2);
  c.SaveTo(dir.Path("ok.txt"));
  EXPECT_EQ(vcl::Screen->Cursor(), -2);
  EXPECT_THROW(c.SaveTo(dir.Path("no/such/dir.txt")), vcl::EFCreateError);
  EXPECT_EQ(vcl::Screen->Cursor(), -2);
  vcl::Screen->SetCursor(vcl::crDefault);
}

namespace {
vcl::TCursor cursorDuringWrite = 0;
ssize_t SpyWrite(int fd, const void* buf, size_t n) {
  cursorDuringWrite = vcl::Screen->Cursor();
  return vcl::FileSystem::SystemCalls().write(fd, buf, n);
}
}  // namespace

TEST(DictionaryFile, SaveToShowsTheHourGlassWhileWriting) {
  TestDir dir;
  TCaptioneer c(nullptr);
  Fill(c, {"a|b"});
  vcl::FileSystem::Calls calls = vcl::FileSystem::SystemCalls();
  calls.write = SpyWrite;
  vcl::FileSystem::ScopedCalls inject(calls);
  c.SaveTo(dir.Path("d.txt"));
  EXPECT_EQ(cursorDuringWrite, vcl::crHourGlass);
}

TEST(DictionaryFile, FailedSaveLeavesThePreviousFile) {
  TestDir dir;
  const std::string name = dir.Write("d.txt", "Yes\tJa\r\n");
  TCaptioneer c(nullptr);
  Fill(c, Lines(1000, "key|translation that does not fit"));
  {
    FileSizeLimit limit(16);
    EXPECT_THROW(c.SaveTo(name), vcl::EWriteError);
  }
  EXPECT_EQ(TestDir::Read(name), "Yes\tJa\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(DictionaryFile, LoadFromCases) {
  TestDir dir;
  struct Case {
    const char* what;
    std::string file;
    Lines dictionary;
  } cases[] = {
      {"empty file", "", {}},
      {"line without TAB is skipped", "no tab here\r\nYes\tJa\r\n", {"Yes|Ja"}},
      {"leading TAB gives an empty key", "\tx\r\n", {"|x"}},
      {"second TAB stays in the translation", "a\tb\tc\r\n", {"a|b\tc"}},
      {"duplicate keys all kept in file order", "k\t1\nk\t2\n", {"k|1", "k|2"}},
      {"LF and CR line ends, no final end", "a\t1\rb\t2\nc\t3", {"a|1", "b|2", "c|3"}},
      {"only CRs", "\r\r\r\r", {}},
      {"NUL bytes", std::string("a\0b\tc\0", 6), {std::string("a\0b|c\0", 6)}},
      {"bytes 128 to 255", "\x80\xFF\t\xE4\r\n", {"\x80\xFF|\xE4"}},
      {"escapes undone", "a\\tb\t\\\\n\r\n", {"a\tb|\\n"}},
  };
  for (auto& k : cases) {
    TCaptioneer c(nullptr);
    Fill(c, {"old|entry"});
    ASSERT_TRUE(c.LoadFrom(dir.Write("d.txt", k.file))) << k.what;
    EXPECT_EQ(Dictionary(c), k.dictionary) << k.what;
  }
}

TEST(DictionaryFile, LoadFromAHugeLine) {
  TestDir dir;
  const std::string translation(10 * 1024 * 1024, 'x');
  TCaptioneer c(nullptr);
  ASSERT_TRUE(c.LoadFrom(dir.Write("big.txt", "k\t" + translation)));
  ASSERT_EQ(c.Captions()->Count(), 1);
  EXPECT_EQ(c.Captions()->Strings(0).size(), translation.size() + 2);
}

TEST(DictionaryFile, MissingNamesLeaveTheDictionary) {
  TestDir dir;
  for (const std::string& name : {dir.Path("missing.txt"), dir.path(), std::string()}) {
    TCaptioneer c(nullptr);
    Fill(c, {"kept|1"});
    EXPECT_FALSE(c.LoadFrom(name)) << name;
    EXPECT_FALSE(c.TranslateFrom(name)) << name;
    EXPECT_EQ(Dictionary(c), (Lines{"kept|1"}));
  }
}

namespace {
int FailingOpen(const char*, int, mode_t) {
  errno = EACCES;
  return -1;
}
// Lets this many bytes through, then fails every read.
std::size_t bytesBeforeFailure = 0;
ssize_t FailingRead(int fd, void* buf, size_t n) {
  if (bytesBeforeFailure == 0) {
    errno = EIO;
    return -1;
  }
  const ssize_t got = vcl::FileSystem::SystemCalls().read(fd, buf, std::min(n, bytesBeforeFailure));
  if (got > 0) bytesBeforeFailure -= static_cast<std::size_t>(got);
  return got;
}
}  // namespace

TEST(DictionaryFile, UnreadableFileRaisesAndKeepsTheDictionary) {
  TestDir dir;
  const std::string name = dir.Write("d.txt", "a\tb\r\n");
  vcl::FileSystem::Calls calls = vcl::FileSystem::SystemCalls();
  calls.open = FailingOpen;
  vcl::FileSystem::ScopedCalls inject(calls);
  TCaptioneer c(nullptr);
  Fill(c, {"kept|1"});
  EXPECT_THROW(c.LoadFrom(name), vcl::EFOpenError);
  EXPECT_THROW(c.TranslateFrom(name), vcl::EFOpenError);
  EXPECT_EQ(Dictionary(c), (Lines{"kept|1"}));
}

TEST(DictionaryFile, ReadErrorKeepsWhatLoadFromHadAndWhatTranslateFromDid) {
  TestDir dir;
  // "a" lies in the first 64 KiB, "c" beyond them, where reading fails.
  const std::string name = dir.Write("d.txt", "a\tA\r\n" + std::string(70000, '\n') + "c\tC\r\n");
  vcl::FileSystem::Calls calls = vcl::FileSystem::SystemCalls();
  calls.read = FailingRead;
  vcl::FileSystem::ScopedCalls inject(calls);
  TCaptioneer c(nullptr);
  Fill(c, {"a|1", "b|2", "c|3"});
  bytesBeforeFailure = 65536;
  EXPECT_THROW(c.LoadFrom(name), vcl::EReadError);
  EXPECT_EQ(Dictionary(c), (Lines{"a|1", "b|2", "c|3"}));
  bytesBeforeFailure = 65536;
  EXPECT_THROW(c.TranslateFrom(name), vcl::EReadError);
  EXPECT_EQ(Dictionary(c), (Lines{"b|2", "c|3", "a|A"}));
}

TEST(DictionaryFile, TranslateFromCases) {
  TestDir dir;
  struct Case {
    const char* what;
    Lines dictionary;
    std::string file;
    Lines result;
  } cases[] = {
      {"unknown key adds nothing", {"a|1"}, "z\tZ\r\n", {"a|1"}},
      {"first of two entries is replaced and moves to the end",
       {"k|1", "x|2", "k|3"}, "k\tnew\r\n", {"x|2", "k|3", "k|new"}},
      {"CR LF", {"a|1", "b|2"}, "a\tA\r\nb\tB\r\n", {"a|A", "b|B"}},
      {"LF", {"a|1", "b|2"}, "a\tA\nb\tB\n", {"a|A", "b|B"}},
      {"no final line end", {"a|1", "b|2"}, "a\tA\nb\tB", {"a|A", "b|B"}},
      {"CR alone", {"a|1"}, "a\tA\r", {"a|A"}},
      {"line without TAB", {"a|1"}, "a A\r\n", {"a|1"}},
      {"bar-less string is never matched", {"a", "a|1"}, "a\tA\n", {"a", "a|A"}},
      {"second TAB goes into the translation", {"a|1"}, "a\tb\tc\n", {"a|b\tc"}},
      {"escaped key", {"t\tx|1"}, "t\\tx\tT\n", {"t\tx|T"}},
      {"same key twice in the file", {"a|1", "b|2"}, "a\tA\na\tAA\n", {"b|2", "a|AA"}},
      {"key holding a bar matches by prefix", {"a|b|c", "a|x"}, "a|b\tnew\n", {"a|x", "a|b|new"}},
      {"empty key matches entries starting with a bar", {"x|1", "|e"}, "\tE\n", {"x|1", "|E"}},
  };
  for (auto& k : cases) {
    TCaptioneer c(nullptr);
    Fill(c, k.dictionary);
    ASSERT_TRUE(c.TranslateFrom(dir.Write("t.txt", k.file))) << k.what;
    EXPECT_EQ(Dictionary(c), k.result) << k.what;
  }
}

TEST(DictionaryFile, TranslateFromAgreesWithALinearScanOnRandomInput) {
  TestDir dir;
  std::mt19937 gen(99);
  const char* keys[] = {"a", "b", "a|b", "", "c"};
  for (int round = 0; round < 200; ++round) {
    Lines dictionary;
    for (int i = static_cast<int>(gen() % 12); i > 0; --i)
      dictionary.push_back(std::string(keys[gen() % 5]) + (gen() % 4 ? "|" : "") + std::to_string(gen() % 3));
    std::string file;
    Lines expected = dictionary;
    for (int i = static_cast<int>(gen() % 8); i > 0; --i) {
      const std::string key = keys[gen() % 5];
      const std::string translation = "T" + std::to_string(i);
      file += key + "\t" + translation + "\n";
      const std::string prefix = key + "|";
      for (std::size_t j = 0; j < expected.size(); ++j)
        if (expected[j].compare(0, prefix.size(), prefix) == 0) {
          expected.erase(expected.begin() + static_cast<long>(j));
          expected.push_back(key + "|" + translation);
          break;
        }
    }
    TCaptioneer c(nullptr);
    Fill(c, dictionary);
    ASSERT_TRUE(c.TranslateFrom(dir.Write("t.txt", file)));
    ASSERT_EQ(Dictionary(c), expected) << "round " << round;
  }
}
