#include "win32/WinExec.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <mutex>
#include <string>

#include "win32/LastError.h"

extern char** environ;

namespace {

// The programs started and not yet waited for, from any thread.
std::mutex startedLock;
std::vector<pid_t> started;

// The environment of this process, with WIN32_SHOW_WINDOW set to Show.
std::vector<std::string> ChildEnvironment(UINT Show) {
  static constexpr std::string_view kName = "WIN32_SHOW_WINDOW=";
  std::vector<std::string> env;
  for (char** e = environ; e != nullptr && *e != nullptr; ++e)
    if (std::string_view(*e).substr(0, kName.size()) != kName) env.emplace_back(*e);
  env.push_back(std::string(kName) + std::to_string(Show));
  return env;
}

UINT ErrorOf(int SpawnError) {
  switch (SpawnError) {
    case ENOENT:
    case ENOTDIR:
      return ERROR_FILE_NOT_FOUND;
    case EACCES:
    case EPERM:
      return ERROR_ACCESS_DENIED;
    case ENOEXEC:
      return ERROR_BAD_FORMAT;
    default:
      return 0;
  }
}

}  // namespace

UINT WinExec(LPCSTR lpCmdLine, UINT uCmdShow) {
  const std::vector<std::string> words = win32::SplitCommandLine(lpCmdLine);
  if (words.empty()) return ERROR_FILE_NOT_FOUND;
  std::vector<char*> argv;
  for (const std::string& w : words) argv.push_back(const_cast<char*>(w.c_str()));
  argv.push_back(nullptr);
  const std::vector<std::string> env = ChildEnvironment(uCmdShow);
  std::vector<char*> envp;
  for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);

  pid_t child = 0;
  const int error = ::posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), envp.data());
  if (error != 0) return ErrorOf(error);
  std::lock_guard lock(startedLock);
  started.push_back(child);
  // Windows returns a value above 31 for success; 33 is what it gives.
  return 33;
}

namespace win32 {

std::vector<std::string> SplitCommandLine(const char* CommandLine) {
  std::vector<std::string> words;
  if (CommandLine == nullptr) return words;
  std::string word;
  bool inWord = false;
  bool quoted = false;
  for (const char* p = CommandLine; *p != '\0'; ++p) {
    const char c = *p;
    if (c == '\\' && p[1] == '"') {
      word += '"';
      inWord = true;
      ++p;
    } else if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

std::vector<int> WaitForStartedPrograms() {
  std::vector<pid_t> children;
  {
    std::lock_guard lock(startedLock);
    children.swap(started);
  }
  std::vector<int> statuses;
  for (pid_t child : children) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    statuses.push_back(status);
  }
  return statuses;
}

}  // namespace win32
