// captioneer design PACKAGE [--verb N] [--edit PROPERTY [--answer FILE|cancel]]
//
// Loads a design-time package as the development environment would and
// prints what it registers. A package can only be loaded into a process of
// its own host version, and this program carries the unit itself (so it
// has a TCaptioneer registered already); so the command reads the host
// version from the package file and hands over to the environment program
// of that version (captioneer-ide30, -ide35 or -ide40, installed beside
// captioneer), which loads the package and prints the session.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Commands.h"
#include "ide/PackageFile.h"

namespace captioneer {

namespace {

struct DesignOptions {
  std::string package;
  int verb = -1;
  std::string edit;
  std::string answer;
};

std::filesystem::path ProgramDirectory() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) throw Failure("cannot find the directory of captioneer: " + error.message());
  return self.parent_path();
}

void RunDesign(const DesignOptions& o) {
  int version = 0;
  try {
    version = ide::TPackageFile(o.package).HostVersion();
  } catch (const ide::EPackageError& e) {
    throw Failure(e.what());
  }
  if (version == 0) throw Failure(o.package + ": the package needs no host library this environment knows");
  const std::string program = (ProgramDirectory() / ("captioneer-ide" + std::to_string(version))).string();
  std::vector<std::string> args{program, o.package};
  if (o.verb >= 0) args.insert(args.end(), {"--verb", std::to_string(o.verb)});
  if (!o.edit.empty()) args.insert(args.end(), {"--edit", o.edit});
  if (!o.answer.empty()) args.insert(args.end(), {"--answer", o.answer});
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::fflush(nullptr);
  ::execv(program.c_str(), argv.data());
  throw Failure(program + ": cannot start the development environment");
}

}  // namespace

Command AddDesignCommand(CLI::App& app) {
  auto options = std::make_shared<DesignOptions>();
  CLI::App* cmd = app.add_subcommand(
      "design",
      "Load a design-time package as the development environment would; print its palette, "
      "property editors and context-menu verbs");
  cmd->add_option("PACKAGE", options->package, "the package library (libCaptioneerD4.so ...)")->required();
  cmd->add_option("--verb", options->verb, "run context-menu verb N of the placed component")
      ->check(CLI::NonNegativeNumber);
  CLI::Option* edit = cmd->add_option("--edit", options->edit, "run the property editor of PROPERTY");
  cmd->add_option("--answer", options->answer, "answer the file dialog with FILE, or cancel it")
      ->needs(edit);
  return [options] { RunDesign(*options); };
}

}  // namespace captioneer
