// captioneer: the command-line face of the Captioneer component.
#include <csignal>
#include <cstdio>
#include <exception>
#include <string>

#include "Commands.h"
#include "vcl/Exception.h"

namespace {

// A message may quote bytes from a file; it still makes one line.
std::string OneLine(std::string Message) {
  for (char& c : Message)
    if (c == '\n' || c == '\r') c = ' ';
  return Message;
}

}  // namespace

int main(int argc, char** argv) {
  // A file-size limit must surface as a write error, not kill the process.
  std::signal(SIGXFSZ, SIG_IGN);

  CLI::App app("Translate the buttons of dialogs, and work with caption dictionaries.", "captioneer");
  app.set_version_flag("--version", std::string("captioneer ") + CAPTIONEER_VERSION);
  app.require_subcommand(1);
  const captioneer::Command languages = captioneer::AddLanguagesCommand(app);
  const captioneer::Command dictionary = captioneer::AddDictionaryCommand(app);
  const captioneer::Command form = captioneer::AddFormCommand(app);
  const captioneer::Command show = captioneer::AddShowCommand(app);
  const captioneer::Command about = captioneer::AddAboutCommand(app);
  const captioneer::Command design = captioneer::AddDesignCommand(app);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return captioneer::kExitUsage;
  }

  try {
    if (app.got_subcommand("languages")) languages();
    if (app.got_subcommand("dictionary")) dictionary();
    if (app.got_subcommand("form")) form();
    if (app.got_subcommand("show")) show();
    if (app.got_subcommand("about")) about();
    if (app.got_subcommand("design")) design();
  } catch (const captioneer::UsageError& e) {
    std::fprintf(stderr, "captioneer: %s\n", OneLine(e.what()).c_str());
    return captioneer::kExitUsage;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "captioneer: %s\n", OneLine(e.what()).c_str());
    return captioneer::kExitFailure;
  }
  return 0;
}
