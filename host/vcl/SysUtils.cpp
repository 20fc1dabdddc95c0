#include "vcl/SysUtils.h"

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace vcl {

namespace {
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool SameText(const AnsiString& A, const AnsiString& B) {
  if (A.size() != B.size()) return false;
  for (std::size_t i = 0; i < A.size(); ++i)
    if (AsciiLower(A[i]) != AsciiLower(B[i])) return false;
  return true;
}

bool FileExists(const AnsiString& FileName) {
  if (FileName.empty()) return false;
  struct stat st {};
  return ::stat(FileName.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

AnsiString ExtractFilePath(const AnsiString& FileName) {
  auto pos = FileName.rfind(PathDelim);
  return pos == AnsiString::npos ? AnsiString() : FileName.substr(0, pos + 1);
}

AnsiString ExpandFileName(const AnsiString& FileName) {
  if (!FileName.empty() && FileName[0] == PathDelim) return FileName;
  std::vector<char> buf(4096);
  while (::getcwd(buf.data(), buf.size()) == nullptr) {
    if (buf.size() > (1u << 20)) return FileName;
    buf.resize(buf.size() * 2);
  }
  AnsiString dir(buf.data());
  if (dir.empty() || dir.back() != PathDelim) dir += PathDelim;
  return dir + FileName;
}

}  // namespace vcl
