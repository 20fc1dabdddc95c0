// captioneer design: the package loaded by the environment program of its
// host version, and the verbs and editors run from the command line.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "run_captioneer.h"
#include "test_dir.h"
#include "win32/stand_in_program.h"

namespace {

bool Has(const std::string& Out, const std::string& Line) { return Out.find(Line + "\n") != std::string::npos; }

TEST(DesignCommand, EachPackagePrintsItsPaletteEditorsAndVerbs) {
  const TestDir dir;
  const std::pair<const char*, const char*> packages[] = {
      {CAPTIONEER_PACKAGE_D4, "vcl40"}, {CAPTIONEER_PACKAGE_D3, "vcl30"}, {CAPTIONEER_PACKAGE_C3, "vcl35"}};
  for (auto [package, host] : packages) {
    const Outcome r = Captioneer(dir, std::string("design '") + package + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    for (const std::string& line : {std::string("host\t") + host, std::string("description\tQuendale Captioneer"),
                                   std::string("page\tQuendale"),
                                   std::string("component\tTCaptioneer\tbitmap 392 bytes 24x24 4bpp"),
                                   std::string("placed\tCaptioneer1\tTCaptioneer"),
                                   std::string("property\tName\t136\tCaptioneer1"),
                                   std::string("property\tTag\t136\t0"),
                                   std::string("property\tAbout\t68\t(About...)"),
                                   std::string("property\tCaptions\t74\t(TStringList)"),
                                   std::string("property\tFileName\t4\t"), std::string("property\tLocale\t136\t0"),
                                   std::string("property\tTitle\t136\t"),
                                   std::string("property\tTranslate\t169\tTrue"),
                                   std::string("property\tFont\t74\t(TFont)"),
                                   std::string("property\tLanguage\t169\tlnUser"),
                                   std::string("property\tOnTranslate\t169\t"),
                                   std::string("property\tOnTranslated\t169\t"),
                                   std::string("verb\t0\tAbout Captioneer"),
                                   std::string("verb\t1\tHelp Contents")})
      EXPECT_TRUE(Has(r.out, line)) << package << ": no line " << line << " in\n" << r.out;
    EXPECT_EQ(r.out.find("verb\t2"), std::string::npos);
    EXPECT_EQ(r.out.find("(unknown)"), std::string::npos) << r.out;
  }
}

TEST(DesignCommand, TheHelpVerbStartsTheViewerWithTheHelpFile) {
  const StandInProgram viewer("WINHLP32.EXE");
  const Outcome r = Captioneer(viewer.Dir(), std::string("design '") + CAPTIONEER_PACKAGE_D4 + "' --verb 1");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "run verb\t1\tHelp Contents"));
  EXPECT_TRUE(Has(r.out, "program ended\t0"));
  EXPECT_EQ(viewer.Record(), "TOLVANE.HLP\nshow=0\n");
}

TEST(DesignCommand, TheAboutVerbShowsTheAboutBoxAnsweredWithEnter) {
  const TestDir dir;
  const Outcome r = Captioneer(dir, std::string("design '") + CAPTIONEER_PACKAGE_D4 + "' --verb 0");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "run verb\t0\tAbout Captioneer"));
  EXPECT_NE(r.out.find("shown\tAbout ...\t"), std::string::npos) << r.out;
}

TEST(DesignCommand, TheFileNameEditorTakesTheAnswerOrTheCancel) {
  const TestDir dir;
  const std::string chosen = dir.Write("german.txt", "");
  Outcome r = Captioneer(dir, std::string("design '") + CAPTIONEER_PACKAGE_D4 + "' --edit FileName --answer '" +
                                  chosen + "'");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "file dialog\tSelect a dictionary file\tDictionary (*.txt)|*.txt\ttxt\t"));
  EXPECT_TRUE(Has(r.out, "modified\tyes"));
  EXPECT_TRUE(Has(r.out, "property\tFileName\t4\t" + chosen));

  r = Captioneer(dir, std::string("design '") + CAPTIONEER_PACKAGE_D4 + "' --edit FileName --answer cancel");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "modified\tno"));
  EXPECT_NE(r.out.rfind("property\tFileName\t4\t\n"), std::string::npos);
}

TEST(DesignCommand, ErrorsAndUsage) {
  const TestDir dir;
  struct Case {
    std::string args;
    int status;
  };
  const std::string d4 = std::string("'") + CAPTIONEER_PACKAGE_D4 + "'";
  const Case cases[] = {
      {"design " + dir.Path("missing.so"), 1},
      {"design " + dir.Write("text.so", "not a library"), 1},
      {"design " + d4 + " --verb 2", 2},
      {"design " + d4 + " --edit NoSuchProperty", 2},
      {"design " + d4 + " --answer x.txt", 2},
      {"design", 2},
  };
  for (const Case& c : cases) {
    const Outcome r = Captioneer(dir, c.args);
    EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.out << r.err;
    if (c.status == 1) {
      EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
  }
}

}  // namespace
