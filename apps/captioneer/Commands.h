// The subcommands of captioneer. Each registers its options on the parent
// app and returns the function that runs it once the command line parsed.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>

#include <CLI/CLI.hpp>

namespace captioneer {

// Exit statuses: 0 success, 1 an operation failed, 2 a usage error.
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// An operation that failed; its message is the one line printed on stderr.
class Failure : public std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A usage error found after parsing (an unknown language, say).
class UsageError : public std::runtime_error {
  using std::runtime_error::runtime_error;
};

using Command = std::function<void()>;

Command AddLanguagesCommand(CLI::App& app);
Command AddDictionaryCommand(CLI::App& app);
Command AddFormCommand(CLI::App& app);
Command AddShowCommand(CLI::App& app);
Command AddAboutCommand(CLI::App& app);
Command AddDesignCommand(CLI::App& app);

}  // namespace captioneer
