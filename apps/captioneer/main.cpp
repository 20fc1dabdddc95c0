// captioneer: the command-line face of the Captioneer component.
#include <csignal>
#include <cstdio>
#include <exception>
#include <string>

#include "Commands.h"
#include "vcl/Exception.h"

int main(int argc, char** argv) {
  // A file-size limit must surface as a write error, not kill the process.
  std::signal(SIGXFSZ, SIG_IGN);

  CLI::App app("Translate the buttons of dialogs, and work with caption dictionaries.", "captioneer");
  app.set_version_flag("--version", std::string("captioneer ") + CAPTIONEER_VERSION);
  app.require_subcommand(1);
  const captioneer::Command languages = captioneer::AddLanguagesCommand(app);
  const captioneer::Command dictionary = captioneer::AddDictionaryCommand(app);

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
  } catch (const captioneer::UsageError& e) {
    std::fprintf(stderr, "captioneer: %s\n", e.what());
    return captioneer::kExitUsage;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "captioneer: %s\n", e.what());
    return captioneer::kExitFailure;
  }
  return 0;
}
