// captioneer-ide30, captioneer-ide35, captioneer-ide40: one development
// environment session per run, driven from the command line (captioneer
// design starts the one matching the package's host version).
//
//   captioneer-ideNN PACKAGE [--verb N] [--edit PROPERTY] [--answer FILE|cancel]
//
// Loads PACKAGE, prints the palette and places one of each palette
// component on a new form, prints each one's object-inspector rows and
// context-menu verbs, then runs the verb or property editor asked for. The
// user's side is scripted: a modal form is answered with Enter, a file
// dialog with --answer (cancelled when it is missing). The lines are TAB
// separated, one fact each. Programs a verb starts are waited for before
// the session ends. Exit status 0, 1 on failure (one line on stderr), 2 on
// a usage error.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <stdexcept>
#include <string>

#include "ide/DevelopmentEnvironment.h"
#include "vcl/HeadlessDesktop.h"
#include "win32/WinExec.h"

namespace {

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Options {
  std::string package;
  int verb = -1;
  std::string edit;
  std::string answer;
};

Options Parse(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) throw UsageError(arg + " needs a value");
      return argv[++i];
    };
    if (arg == "--verb") {
      const std::string v = value();
      if (v.empty() || v.find_first_not_of("0123456789") != std::string::npos || v.size() > 6)
        throw UsageError("--verb takes a verb number, not " + v);
      o.verb = std::stoi(v);
    } else if (arg == "--edit") {
      o.edit = value();
    } else if (arg == "--answer") {
      o.answer = value();
    } else if (o.package.empty() && !arg.empty() && arg[0] != '-') {
      o.package = arg;
    } else {
      throw UsageError("unexpected argument " + arg);
    }
  }
  if (o.package.empty()) throw UsageError("a package library is required");
  return o;
}

std::string Line(std::string Text) {
  for (char& c : Text)
    if (c == '\r') c = ' ';
  std::string out;
  for (char c : Text) out += c == '\n' ? std::string(" / ") : std::string(1, c);
  return out;
}

void PrintShown(const vcl::THeadlessDesktop& Desktop, std::size_t From) {
  const auto& shown = Desktop.Activations();
  for (std::size_t i = From; i < shown.size(); ++i) {
    std::printf("shown\t%s", Line(shown[i].Caption).c_str());
    for (const auto& label : shown[i].Labels) std::printf("\t%s", Line(label).c_str());
    for (const auto& button : shown[i].Buttons) std::printf("\t[%s]", Line(button.Caption).c_str());
    std::printf("\n");
  }
}

void PrintRows(ide::TDevelopmentEnvironment& Env, vcl::TComponent* Component) {
  for (const ide::TInspectorRow& row : Env.Inspector().Rows(Component))
    std::printf("property\t%s\t%u\t%s\n", row.Name.c_str(), unsigned(row.Attributes.ToBits()), Line(row.Value).c_str());
}

int Run(const Options& O) {
  const std::string project = (std::filesystem::current_path() / "Project1.dpr").string();
  ide::TDevelopmentEnvironment env(project);
  vcl::THeadlessDesktop desktop;
  const vcl::TDesktopScope desktopScope(desktop);
  desktop.PressEnter();
  if (O.answer == "cancel")
    desktop.CancelFileDialog();
  else if (!O.answer.empty())
    desktop.ChooseFile(O.answer);
  else
    desktop.CancelFileDialog();

  const ide::TPackage& package = env.LoadPackage(O.package);
  std::printf("package\t%s\n", package.Path().c_str());
  std::printf("host\tvcl%d\n", CAPTIONEER_VCL_VERSION);
  std::printf("description\t%s\n", package.Description().c_str());
  std::printf("project\t%s\n", project.c_str());
  std::vector<vcl::TComponent*> placed;
  for (const ide::TPalettePage& page : ide::Palette()) {
    std::printf("page\t%s\n", page.Name.c_str());
    for (const ide::TPaletteComponent& c : page.Components) {
      std::printf("component\t%s\t", c.Class->Name.c_str());
      if (c.Bitmap.Found)
        std::printf("bitmap %lu bytes %dx%d %dbpp\n", c.Bitmap.Size, c.Bitmap.Width, c.Bitmap.Height,
                    c.Bitmap.BitCount);
      else
        std::printf("no bitmap\n");
      placed.push_back(env.Designer().AddComponent(c.Class));
    }
  }
  for (vcl::TComponent* component : placed) {
    std::printf("placed\t%s\t%s\n", component->Name().c_str(), component->ClassName().c_str());
    PrintRows(env, component);
    const std::vector<std::string> verbs = ide::Verbs(component, env.Designer());
    for (std::size_t i = 0; i < verbs.size(); ++i) std::printf("verb\t%zu\t%s\n", i, verbs[i].c_str());
  }
  if (O.verb < 0 && O.edit.empty()) return 0;
  if (placed.empty()) throw UsageError("the package puts no component on the palette");
  // The verb or editor acts on the first component placed.
  vcl::TComponent* target = placed.front();
  const std::size_t shownBefore = desktop.Activations().size();
  if (O.verb >= 0) {
    const std::vector<std::string> verbs = ide::Verbs(target, env.Designer());
    if (static_cast<std::size_t>(O.verb) >= verbs.size())
      throw UsageError("no verb " + std::to_string(O.verb) + "; " + target->Name() + " has " +
                       std::to_string(verbs.size()));
    std::printf("run verb\t%d\t%s\n", O.verb, verbs[static_cast<std::size_t>(O.verb)].c_str());
    ide::ExecuteVerb(target, env.Designer(), O.verb);
  }
  if (!O.edit.empty()) {
    const int modifiedBefore = env.Designer().ModifiedCount();
    std::printf("edit\t%s\n", O.edit.c_str());
    try {
      env.Inspector().Edit(target, O.edit);
    } catch (const ide::EPropertyError& e) {
      throw UsageError(e.what());
    }
    for (const vcl::TOpenFileRequest& r : desktop.FileDialogs())
      std::printf("file dialog\t%s\t%s\t%s\t%s\n", r.Title.c_str(), r.Filter.c_str(), r.DefaultExt.c_str(),
                  r.FileName.c_str());
    std::printf("modified\t%s\n", env.Designer().ModifiedCount() > modifiedBefore ? "yes" : "no");
  }
  PrintShown(desktop, shownBefore);
  if (!O.edit.empty()) PrintRows(env, target);
  for (int status : win32::WaitForStartedPrograms()) std::printf("program ended\t%d\n", WEXITSTATUS(status));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(Parse(argc, argv));
  } catch (const UsageError& e) {
    std::fprintf(stderr, "captioneer: %s\n", e.what());
    return 2;
  } catch (const std::exception& e) {
    std::fflush(stdout);
    std::fprintf(stderr, "captioneer: %s\n", e.what());
    return 1;
  }
}
