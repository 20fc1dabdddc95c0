#include "Output.h"

#include <cstdio>

#include "Commands.h"
#include "vcl/FileSystem.h"

namespace captioneer {

void WriteToStandardOutput(std::string_view Bytes) {
  if (std::fwrite(Bytes.data(), 1, Bytes.size(), stdout) != Bytes.size() || std::fflush(stdout) != 0)
    throw Failure("standard output: write failed");
}

void WriteOutput(const std::string& Target, std::string_view Bytes) {
  if (Target == "-")
    WriteToStandardOutput(Bytes);
  else
    vcl::FileSystem::WriteFileAtomically(Target, Bytes);
}

}  // namespace captioneer
