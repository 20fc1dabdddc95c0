// SysUtils: string helpers and the file-name functions the host offers.
#pragma once

#include <cstdio>

#include "vcl/System.h"

namespace vcl {

inline constexpr char PathDelim = '/';

// printf-style formatting into an AnsiString.
template <typename... Args>
AnsiString Format(const char* Fmt, Args... args) {
  int n = std::snprintf(nullptr, 0, Fmt, args...);
  if (n <= 0) return {};
  AnsiString out(static_cast<std::size_t>(n), '\0');
  std::snprintf(out.data(), out.size() + 1, Fmt, args...);
  return out;
}

// Equal ignoring ASCII case, as the host compares identifiers.
bool SameText(const AnsiString& A, const AnsiString& B);

// True for an existing regular file or a link to one; false for
// directories, other kinds of file and the empty name.
bool FileExists(const AnsiString& FileName);

// Everything up to and including the last path delimiter; empty when the
// name holds none.
AnsiString ExtractFilePath(const AnsiString& FileName);

// The absolute name of FileName against the current directory, without
// resolving links.
AnsiString ExpandFileName(const AnsiString& FileName);

}  // namespace vcl
