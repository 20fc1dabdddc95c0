// Starting a program by command line.
#pragma once

#include <string>
#include <vector>

#include "win32/Types.h"

inline constexpr UINT ERROR_FILE_NOT_FOUND = 2;
inline constexpr UINT ERROR_BAD_FORMAT = 11;

// Splits lpCmdLine into the program and its arguments (blanks separate
// them; double quotes group blanks into one; \" is a literal quote), finds
// the program on the search path (PATH) and starts it without waiting.
// Returns a value above 31 once the program runs; ERROR_FILE_NOT_FOUND (2)
// when no such program is found or the line is empty, ERROR_ACCESS_DENIED
// (5) when it may not be run, ERROR_BAD_FORMAT (11) when it is no program,
// 0 otherwise.
//
// The program receives uCmdShow, the show-window value its first window is
// to take, as the decimal text of the environment variable
// WIN32_SHOW_WINDOW (the host's stand-in for the start-up information a
// Windows program reads it from).
UINT WinExec(LPCSTR lpCmdLine, UINT uCmdShow);

namespace win32 {

// The command line's words, as WinExec splits them.
std::vector<std::string> SplitCommandLine(const char* CommandLine);

// Waits for every program WinExec started from this process that has not
// been waited for, and returns their exit statuses (as waitpid reports
// them) in start order. A host calls it before exiting so that no started
// program is left unreaped; tests call it to see what the program did.
std::vector<int> WaitForStartedPrograms();

}  // namespace win32
