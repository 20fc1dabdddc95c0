// Where a command's result goes: a file, replaced only once complete, or
// standard output.
#pragma once

#include <string>
#include <string_view>

namespace captioneer {

// Writes Bytes to standard output; raises Failure when they cannot be.
void WriteToStandardOutput(std::string_view Bytes);

// Writes Bytes to the file Target (vcl::FileSystem::WriteFileAtomically),
// or to standard output when Target is "-".
void WriteOutput(const std::string& Target, std::string_view Bytes);

}  // namespace captioneer
