// A stand-in program for tests of starting programs: a shell script named
// as a command line names it, put in a directory that the test puts in
// front of PATH for its duration. When run it writes, one per line, each
// argument it got and then "show=" and the show-window value it received,
// into the file RecordPath().
#pragma once

#include <stdlib.h>
#include <sys/stat.h>

#include <string>

#include "test_dir.h"

class StandInProgram {
 public:
  explicit StandInProgram(const std::string& Name) : previousPath_(getenv("PATH") ? getenv("PATH") : "") {
    const std::string script = dir_.Write(Name,
                                          "#!/bin/sh\n"
                                          "{ for a in \"$@\"; do printf '%s\\n' \"$a\"; done;"
                                          " printf 'show=%s\\n' \"$WIN32_SHOW_WINDOW\"; } > '" +
                                              RecordPath() + "'\n");
    ::chmod(script.c_str(), 0755);
    ::setenv("PATH", (dir_.path() + ":" + previousPath_).c_str(), 1);
  }
  ~StandInProgram() { ::setenv("PATH", previousPath_.c_str(), 1); }
  StandInProgram(const StandInProgram&) = delete;
  StandInProgram& operator=(const StandInProgram&) = delete;

  std::string RecordPath() const { return dir_.Path("record.txt"); }
  std::string Record() const { return TestDir::Read(RecordPath()); }
  const TestDir& Dir() const { return dir_; }

 private:
  TestDir dir_;
  std::string previousPath_;
};
