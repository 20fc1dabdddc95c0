#include "win32/WinExec.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include "stand_in_program.h"
#include "win32/Window.h"

namespace {

TEST(WinExecTest, StartsTheProgramFromThePathWithItsArgumentsAndShowValue) {
  const StandInProgram program("WINHLP32.EXE");
  EXPECT_GT(WinExec("WINHLP32.EXE TOLVANE.HLP", SW_HIDE), 31u);
  const std::vector<int> statuses = win32::WaitForStartedPrograms();
  ASSERT_EQ(statuses.size(), 1u);
  EXPECT_TRUE(WIFEXITED(statuses[0]) && WEXITSTATUS(statuses[0]) == 0);
  EXPECT_EQ(program.Record(), "TOLVANE.HLP\nshow=0\n");
}

TEST(WinExecTest, PassesTheShowValueGiven) {
  const StandInProgram program("viewer");
  ASSERT_GT(WinExec("viewer", SW_SHOWNORMAL), 31u);
  win32::WaitForStartedPrograms();
  EXPECT_EQ(program.Record(), "show=1\n");
}

TEST(WinExecTest, AProgramNotOnThePathGivesFileNotFound) {
  EXPECT_EQ(WinExec("captioneer-no-such-program-here.exe x", SW_HIDE), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(WinExec("", SW_HIDE), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(WinExec("   ", SW_HIDE), ERROR_FILE_NOT_FOUND);
  EXPECT_TRUE(win32::WaitForStartedPrograms().empty());
}

TEST(WinExecTest, SplitsBlanksAndKeepsQuotedWordsTogether) {
  struct Case {
    const char* line;
    std::vector<std::string> words;
  };
  const Case cases[] = {
      {"WINHLP32.EXE TOLVANE.HLP", {"WINHLP32.EXE", "TOLVANE.HLP"}},
      {"  a\t b  ", {"a", "b"}},
      {"viewer \"My Help.hlp\" x", {"viewer", "My Help.hlp", "x"}},
      {"viewer \"\"", {"viewer", ""}},
      {"say \\\"hi\\\"", {"say", "\"hi\""}},
  };
  for (const Case& c : cases) EXPECT_EQ(win32::SplitCommandLine(c.line), c.words) << c.line;
}

TEST(WinExecTest, QuotedArgumentsReachTheProgramWhole) {
  const StandInProgram program("viewer");
  ASSERT_GT(WinExec("viewer \"My Help.hlp\" second", SW_HIDE), 31u);
  win32::WaitForStartedPrograms();
  EXPECT_EQ(program.Record(), "My Help.hlp\nsecond\nshow=0\n");
}

}  // namespace
