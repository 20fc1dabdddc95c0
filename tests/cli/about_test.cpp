#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct Outcome {
  int status;
  std::string out;
};

Outcome Captioneer(const std::string& Args) {
  const std::string command = std::string("'") + CAPTIONEER_EXE + "' " + Args + " </dev/null 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {-1, ""};
  std::string out;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int raw = pclose(pipe);
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out};
}

}  // namespace

// The label's bounds come from the bold Liberation Sans at 13 pixels, worked
// out by hand from the font files (tests/host/text_metrics_test.cpp).
TEST(CliAbout, PrintsTheBoxAndItsResult) {
  const Outcome r = Captioneer("about");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out,
            "form.caption\tAbout ...\n"
            "form.borderStyle\tbsDialog\n"
            "form.borderIcons\t[]\n"
            "form.position\tpoScreenCenter\n"
            "form.bounds\t329 306 366 155\n"
            "form.client\t360 130\n"
            "button.caption\tOK\n"
            "button.bounds\t146 100 75 25\n"
            "label.line\tCaptioneer 1.0\n"
            "label.line\tCopyright (c) 2026 Quendale\n"
            "label.bounds\t96 15 175 30\n"
            "label.font\tAriel\t10\tfsBold\n"
            "result\tmrOk\n");
}

TEST(CliAbout, TakesNoArguments) {
  const Outcome r = Captioneer("about extra");
  EXPECT_EQ(r.status, 2) << r.out;
}
