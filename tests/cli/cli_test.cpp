#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "test_dir.h"

namespace {

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

// Runs captioneer with the given arguments (already quoted for the shell).
Outcome Captioneer(const TestDir& dir, const std::string& args) {
  const std::string command = std::string("'") + CAPTIONEER_EXE + "' " + args + " >'" + dir.Path("stdout") +
                              "' 2>'" + dir.Path("stderr") + "' </dev/null";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, TestDir::Read(dir.Path("stdout")), TestDir::Read(dir.Path("stderr"))};
}

int CountLines(const std::string& s) { return static_cast<int>(std::count(s.begin(), s.end(), '\n')); }

}  // namespace

TEST(Cli, Languages) {
  TestDir dir;
  Outcome r = Captioneer(dir, "languages");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(CountLines(r.out), 26);
  EXPECT_EQ(r.out.rfind("0\tlnUser\t-\n1\tlnArabic\t1256\n", 0), 0u);
  EXPECT_NE(r.out.find("\n15\tlnJapan\t932\n"), std::string::npos);
  EXPECT_NE(r.out.find("\n25\tlnTurkish\t1254\n"), std::string::npos);
}

TEST(Cli, DictionaryRunsItsStepsInOrder) {
  TestDir dir;
  dir.Write("host.txt", "SMsgDlgYes\t&Ja\r\n");
  dir.Write("load.txt", "&Ja\tfrom load\r\nExtra\tkept\r\n");
  dir.Write("t1.txt", "Extra\tfirst\r\n");
  dir.Write("t2.txt", "Extra\tsecond\r\nUnknown\tignored\r\n");
  Outcome r = Captioneer(dir, "dictionary --host-strings '" + dir.Path("host.txt") + "' --load '" + dir.Path("load.txt") +
                              "' --language lnGerman --translate-from '" + dir.Path("t1.txt") +
                              "' --translate-from '" + dir.Path("t2.txt") + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("&Ja\tJa\r\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Extra\tsecond\r\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("&Yes"), std::string::npos);
  EXPECT_EQ(r.out.find("Unknown"), std::string::npos);
}

TEST(Cli, DictionaryToAFileAndByOrdinal) {
  TestDir dir;
  Outcome r = Captioneer(dir, "dictionary --language 10 -o '" + dir.Path("de.txt") + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  Outcome named = Captioneer(dir, "dictionary --language lnGerman");
  EXPECT_EQ(TestDir::Read(dir.Path("de.txt")), named.out);
  EXPECT_EQ(CountLines(named.out), 9);
}

TEST(Cli, ExitStatuses) {
  TestDir dir;
  dir.Write("bad-host.txt", "SMsgDlgNope\tx\r\n");
  struct Case {
    std::string args;
    int status;
    std::string errPart;
  } cases[] = {
      {"--version", 0, ""},
      {"--help", 0, ""},
      {"", 2, ""},
      {"frobnicate", 2, ""},
      {"dictionary --language lnKlingon", 2, "lnTurkish"},
      {"dictionary --language 26", 2, "lnUser"},
      {"dictionary --load '" + dir.Path("missing.txt") + "'", 1, "missing.txt"},
      {"dictionary --translate-from '" + dir.Path("gone.txt") + "'", 1, "gone.txt"},
      {"dictionary --host-strings '" + dir.Path("bad-host.txt") + "'", 1, "SMsgDlgNope"},
      {"dictionary -o '" + dir.Path("no/dir/out.txt") + "'", 1, "no/dir/out.txt"},
  };
  for (auto& c : cases) {
    Outcome r = Captioneer(dir, c.args);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
    EXPECT_NE(r.err.find(c.errPart), std::string::npos) << c.args << "\n" << r.err;
    if (c.status == 1) {
      EXPECT_EQ(CountLines(r.err), 1) << r.err;
    }
  }
}
