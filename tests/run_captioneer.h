// Runs the captioneer program built with the tests (CAPTIONEER_EXE) in a
// test's directory and collects its exit status and what it printed.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "test_dir.h"

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

// Args are already quoted for the shell. Standard input is empty; the
// program's working directory is Dir.
inline Outcome Captioneer(const TestDir& Dir, const std::string& Args) {
  const std::string command = "cd '" + Dir.path() + "' && '" + std::string(CAPTIONEER_EXE) + "' " + Args +
                              " >stdout 2>stderr </dev/null";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, TestDir::Read(Dir.Path("stdout")),
          TestDir::Read(Dir.Path("stderr"))};
}
