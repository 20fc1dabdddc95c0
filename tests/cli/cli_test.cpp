#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "run_captioneer.h"
#include "test_dir.h"

namespace {

int CountLines(const std::string& s) { return static_cast<int>(std::count(s.begin(), s.end(), '\n')); }

std::string FormPath(const std::string& name) { return std::string(CAPTIONEER_TEST_DATA) + "/forms/" + name; }

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
  const std::string truncated = dir.Write("truncated.bin", TestDir::Read(FormPath("captions.bin")).substr(0, 100));
  const std::string badHeader = dir.Write("bad-header.dfm", "\xFF\x0B\x00TFORM1");
  const std::string badText = dir.Write("bad.txt", "object Form1: TForm1\n  Left = \nend\n");
  const std::string unknownClass = dir.Write("unknown-class.txt", "object Form1: TForm1\n  object X: TNoSuchThing\n  end\nend\n");
  const std::string componentRoot = dir.Write("component-root.txt", "object C: TCaptioneer\nend\n");
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
      {"form", 2, ""},
      {"form text", 2, ""},
      {"form text '" + dir.Path("gone.bin") + "'", 1, "gone.bin"},
      {"form text '" + truncated + "'", 1, "truncated.bin"},
      {"form text '" + FormPath("one_default.txt") + "'", 1, "not a binary form file"},
      {"form text '" + badHeader + "'", 1, "bad-header.dfm: Invalid resource header"},
      {"form binary '" + badText + "'", 1, "bad.txt: "},
      {"form binary --res '' '" + FormPath("one_default.txt") + "'", 2, "--res"},
      {"form binary '" + FormPath("one_default.txt") + "' -o '" + dir.Path("no/dir/out.bin") + "'", 1,
       "no/dir/out.bin"},
      {"form load '" + truncated + "'", 1, "truncated.bin"},
      {"form load '" + FormPath("unknown_property.bin") + "'", 1, "Captioneer1.Bogus"},
      {"form load '" + unknownClass + "'", 1, "TNoSuchThing"},
      {"form load '" + componentRoot + "'", 1, "TCaptioneer"},
      {"show", 2, ""},
      {"show --language lnKlingon x", 2, "lnTurkish"},
      {"show --type odd x", 2, "confirmation"},
      {"show --buttons yes,maybe x", 2, "'maybe'"},
      {"show --buttons '' x", 2, "''"},
      {"show --codepage 99999 x", 2, "99999"},
      {"show --title 'Ж' x", 2, "1252"},
      {"show --load '" + dir.Path("none.txt") + "' x", 1, "none.txt"},
      {"show --answer Maybe x", 1, "'Maybe': the dialog shows no such button; it shows '&Yes', '&No'"},
      {"show --language lnRussian --answer Ja x", 1, "it shows 'Да', 'Нет'"},
      {"show --buttons ok,help --answer Help x", 1, "stays open"},
      {"show --buttons ignore --answer enter x", 1, "no default button"},
      {"show --buttons yes --answer escape x", 1, "no cancel button"},
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

namespace {

std::string FormFixture(const std::string& name) { return TestDir::Read(FormPath(name)); }

// The .dfm layout: FF, 0A 00, the name ended by 00, 30 10, the stream's size.
std::string ResourceHeader(const std::string& name, std::size_t size) {
  std::string header = "\xFF\x0A";
  header += '\0';
  header += name;
  header += '\0';
  header += "\x30\x10";
  for (int i = 0; i < 4; ++i) header += static_cast<char>((size >> (8 * i)) & 0xFF);
  return header;
}

const char* const kFixtures[] = {"captions", "design_info", "one_default", "unknown_property"};

}  // namespace

TEST(CliForm, EachFixtureConvertsBothWaysByteForByte) {
  TestDir dir;
  for (const std::string name : kFixtures) {
    const std::string bin = FormPath(name + ".bin"), txt = FormPath(name + ".txt");
    Outcome text = Captioneer(dir, "form text '" + bin + "'");
    ASSERT_EQ(text.status, 0) << name << "\n" << text.err;
    EXPECT_EQ(text.out, FormFixture(name + ".txt")) << name;

    Outcome binary = Captioneer(dir, "form binary '" + txt + "' -o '" + dir.Path("out.bin") + "'");
    ASSERT_EQ(binary.status, 0) << name << "\n" << binary.err;
    EXPECT_EQ(TestDir::Read(dir.Path("out.bin")), FormFixture(name + ".bin")) << name;

    Outcome res = Captioneer(dir, "form binary --res TFORM1 '" + txt + "' -o '" + dir.Path("out.dfm") + "'");
    ASSERT_EQ(res.status, 0) << name << "\n" << res.err;
    const std::string stream = FormFixture(name + ".bin");
    EXPECT_EQ(TestDir::Read(dir.Path("out.dfm")), ResourceHeader("TFORM1", stream.size()) + stream) << name;
    Outcome back = Captioneer(dir, "form text '" + dir.Path("out.dfm") + "'");
    ASSERT_EQ(back.status, 0) << name << "\n" << back.err;
    EXPECT_EQ(back.out, FormFixture(name + ".txt")) << name;
  }
}

TEST(CliForm, BinaryGoesToAPipeAndTextToAFile) {
  TestDir dir;
  Outcome binary = Captioneer(dir, "form binary '" + FormPath("one_default.txt") + "'");
  ASSERT_EQ(binary.status, 0) << binary.err;
  EXPECT_EQ(binary.out, FormFixture("one_default.bin"));
  Outcome text = Captioneer(dir, "form text '" + FormPath("one_default.bin") + "' -o '" + dir.Path("out.txt") + "'");
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_EQ(text.out, "");
  EXPECT_EQ(TestDir::Read(dir.Path("out.txt")), FormFixture("one_default.txt"));
}

// Binary bytes are not written to a terminal; standard output here is a
// pseudo-terminal that the test holds open.
TEST(CliForm, BinaryIsRefusedOnATerminal) {
  struct Terminal {
    int fd = ::posix_openpt(O_RDWR | O_NOCTTY);
    ~Terminal() {
      if (fd >= 0) ::close(fd);
    }
  } terminal;
  if (terminal.fd < 0 || ::grantpt(terminal.fd) != 0 || ::unlockpt(terminal.fd) != 0)
    GTEST_SKIP() << "no pseudo-terminal available";
  TestDir dir;
  const std::string command = std::string("'") + CAPTIONEER_EXE + "' form binary '" + FormPath("one_default.txt") +
                              "' >'" + ::ptsname(terminal.fd) + "' 2>'" + dir.Path("stderr") + "'";
  const int raw = std::system(command.c_str());
  EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 2);
  EXPECT_NE(TestDir::Read(dir.Path("stderr")).find("-o FILE"), std::string::npos);
}

// Loading a form its program would read and writing it again gives the
// same file, in the layout it came in.
TEST(CliForm, LoadWritesTheFixturesBackUnchanged) {
  TestDir dir;
  for (const std::string name : {"captions", "design_info", "one_default"}) {
    const std::string stream = FormFixture(name + ".bin");
    const std::string dfm = dir.Write("in.dfm", ResourceHeader("TFORM1", stream.size()) + stream);
    struct Case {
      std::string input, output, expected;
    } cases[] = {
        {FormPath(name + ".bin"), "-", FormFixture(name + ".txt")},
        {FormPath(name + ".bin"), dir.Path("out.bin"), stream},
        {FormPath(name + ".txt"), dir.Path("out.txt"), FormFixture(name + ".txt")},
        {dfm, dir.Path("out.dfm"), TestDir::Read(dfm)},
    };
    for (const Case& c : cases) {
      Outcome r = Captioneer(dir, "form load '" + c.input + "' -o '" + c.output + "'");
      ASSERT_EQ(r.status, 0) << c.input << "\n" << r.err;
      EXPECT_EQ(c.output == "-" ? r.out : TestDir::Read(c.output), c.expected) << c.input << " -> " << c.output;
    }
  }
}

// The component's Storage loads the dictionary file that FileName names
// when the form is read, and saves it (sorted) when the form is written.
TEST(CliForm, LoadReadsAndSavesTheDictionaryFile) {
  TestDir dir;
  const std::string dictionary = dir.Write("dict.txt", "Zebra\tZ\r\n&Yes\tJa\r\n");
  const std::string form = dir.Write("form.txt", "object Form1: TForm1\n"
                                                 "  object Captioneer1: TCaptioneer\n"
                                                 "    Captions.Strings = (\n"
                                                 "      'from|the stream')\n"
                                                 "    FileName = '" + dictionary + "'\n"
                                                 "    Storage = ()\n"
                                                 "  end\n"
                                                 "end\n");
  Outcome r = Captioneer(dir, "form load '" + form + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("    Captions.Strings = (\n      'Zebra|Z'\n      '&Yes|Ja'\n    )\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("from|the stream"), std::string::npos) << r.out;
  EXPECT_EQ(TestDir::Read(dictionary), "&Yes\tJa\r\nZebra\tZ\r\n");
}

// A dictionary that cannot be saved fails the command, and the form's
// output file is not written.
TEST(CliForm, LoadFailsWhenTheDictionaryCannotBeSaved) {
  TestDir dir;
  const std::string form = dir.Write("form.txt", "object Form1: TForm1\n"
                                                 "  object Captioneer1: TCaptioneer\n"
                                                 "    FileName = '" + dir.Path("no/dir/dict.txt") + "'\n"
                                                 "  end\n"
                                                 "end\n");
  Outcome r = Captioneer(dir, "form load '" + form + "' -o '" + dir.Path("out.txt") + "'");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("no/dir/dict.txt"), std::string::npos) << r.err;
  EXPECT_EQ(CountLines(r.err), 1) << r.err;
  EXPECT_FALSE(std::filesystem::exists(dir.Path("out.txt")));
}

namespace {

// Agreement with the reference converter (built once per test process from
// the shared peers/build.sh with Free Pascal); skipped when fpc is missing.
class CliFormPeer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    namespace fs = std::filesystem;
    const char* shared = std::getenv("CAPTIONEER_SHARED");
    const fs::path script = fs::path(shared != nullptr ? shared : CAPTIONEER_TEST_DATA "/../../../shared") /
                            "peers" / "build.sh";
    if (std::system("command -v fpc >/dev/null 2>&1") != 0) {
      skip_ = "fpc (Debian package fpc) is not installed; the reference converter cannot be built";
      return;
    }
    if (!fs::exists(script)) {
      skip_ = "the reference converter's build.sh is not at " + script.string() + " (set CAPTIONEER_SHARED)";
      return;
    }
    dir_ = fs::path(CAPTIONEER_BINARY_DIR) / ("formconv-cli-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    if (std::system(("sh '" + script.string() + "' '" + dir_.string() + "' >/dev/null").c_str()) != 0)
      skip_ = "building the reference converter failed";
  }
  static void TearDownTestSuite() {
    std::error_code ignored;
    if (!dir_.empty()) std::filesystem::remove_all(dir_, ignored);
  }
  void SetUp() override {
    if (!skip_.empty()) GTEST_SKIP() << skip_;
  }
  static int Peer(const std::string& mode, const std::string& in, const std::string& out) {
    return std::system(("'" + (dir_ / "formconv").string() + "' " + mode + " '" + in + "' '" + out + "'").c_str());
  }

  static inline std::string skip_;
  static inline std::filesystem::path dir_;
};

}  // namespace

// The reference reads our .dfm files back to the fixture's text, we read
// its .dfm files to the same text, and where its text reader keeps strings
// 8-bit (no byte above 127) its .dfm equals ours byte for byte.
TEST_F(CliFormPeer, ResourceFilesAgreeWithTheReference) {
  TestDir dir;
  for (const std::string name : kFixtures) {
    const std::string txt = FormPath(name + ".txt");
    const std::string ours = dir.Path("ours.dfm"), theirs = dir.Path("theirs.dfm"), text = dir.Path("peer.txt");
    ASSERT_EQ(Captioneer(dir, "form binary --res TFORM1 '" + txt + "' -o '" + ours + "'").status, 0) << name;
    ASSERT_EQ(Peer("tores", txt, theirs), 0) << name;
    ASSERT_EQ(Peer("restotext", ours, text), 0) << name;
    EXPECT_EQ(TestDir::Read(text), FormFixture(name + ".txt")) << name;
    EXPECT_EQ(Captioneer(dir, "form text '" + theirs + "'").out, FormFixture(name + ".txt")) << name;
    // "captions" holds bytes above 127, which the reference's text reader
    // widens to wide strings.
    if (name != "captions") {
      EXPECT_EQ(TestDir::Read(ours), TestDir::Read(theirs)) << name;
    }
  }
}

namespace {

std::string Button(const std::string& caption, const std::string& font = "MS Sans Serif\t8\t[]") {
  return "button\t" + caption + "\t" + font + "\n";
}

}  // namespace

// The component translates the dialog as it is activated; the captions are
// bytes of the language's code page (or --codepage) and print as UTF-8.
TEST(CliShow, PrintsWhatTheUserSawInUtf8) {
  TestDir dir;
  const std::string cp1251 = dir.Write("ru.txt", "&Yes\t\xC4\xE0\r\n");
  struct Case {
    std::string args, out;
  } cases[] = {
      {"--language lnGerman --buttons yes,no 'Sichern?'",
       "title\tConfirm\nmessage\tSichern?\n" + Button("Ja") + Button("Nein") + "result\tmrYes\n"},
      {"--language lnRussian --answer escape x",
       "title\tConfirm\nmessage\tx\n" + Button("Да") + Button("Нет") + "result\tmrNo\n"},
      {"--language lnGerman --title 'Größe' --font-name Arial --font-size 12 --type warning "
       "--buttons ok,help 'Zu groß'",
       "title\tGröße\nmessage\tZu groß\n" + Button("OK", "Arial\t12\t[]") + Button("Hilfe", "Arial\t12\t[]") +
           "result\tmrOk\n"},
      {"--type information --buttons ok x", "title\tInformation\nmessage\tx\n" + Button("OK") + "result\tmrOk\n"},
      {"--load '" + cp1251 + "' --codepage 1251 x",
       "title\tConfirm\nmessage\tx\n" + Button("Да") + Button("&No") + "result\tmrYes\n"},
      {"--load '" + cp1251 + "' x", "title\tConfirm\nmessage\tx\n" + Button("Äà") + Button("&No") + "result\tmrYes\n"},
      {"--title 'a\tb' --language lnGerman x",
       "title\ta\\tb\nmessage\tx\n" + Button("Ja") + Button("Nein") + "result\tmrYes\n"},
  };
  for (const Case& c : cases) {
    Outcome r = Captioneer(dir, "show " + c.args);
    ASSERT_EQ(r.status, 0) << c.args << "\n" << r.err;
    EXPECT_EQ(r.out, c.out) << c.args;
  }
}

TEST(CliShow, AnswersByCaptionEnterOrEscape) {
  TestDir dir;
  struct Case {
    std::string args, result;
  } cases[] = {
      {"--language lnGerman --answer Nein", "mrNo"},
      {"--language lnGerman --answer 'Ja'", "mrYes"},
      {"--answer '&No'", "mrNo"},
      {"--answer No", "mrNo"},
      {"--buttons yes,no,cancel --answer escape", "mrCancel"},
      {"--buttons abort,retry,ignore --answer enter", "mrRetry"},
      {"--buttons abort,retry,ignore --answer Ignore", "mrIgnore"},
      {"--buttons yes,all --answer All", "mrAll"},
      {"--buttons ok,cancel", "mrOk"},
  };
  for (const Case& c : cases) {
    Outcome r = Captioneer(dir, "show " + c.args + " x");
    ASSERT_EQ(r.status, 0) << c.args << "\n" << r.err;
    EXPECT_NE(r.out.find("\nresult\t" + c.result + "\n"), std::string::npos) << c.args << "\n" << r.out;
  }
}
