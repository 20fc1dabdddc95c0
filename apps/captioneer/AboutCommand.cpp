// captioneer about: the component's About box on the headless desktop. The
// user answers with Enter; the command prints what the box showed, one
// "KEY<TAB>VALUES" line each, then the result the box closed with.
//
// Bounds are "LEFT TOP WIDTH HEIGHT" in pixels: the form's are its window's
// on the 1024 x 768 screen, frame included; the controls' are inside its
// client area.
#include <optional>
#include <string>

#include "Commands.h"
#include "Output.h"
#include "Tolvane/Tolvane.h"
#include "vcl/Application.h"
#include "vcl/HeadlessDesktop.h"
#include "vcl/StdCtrls.h"

namespace captioneer {

namespace {

std::string BoundsOf(const vcl::TControl& Control) {
  return std::to_string(Control.Left()) + " " + std::to_string(Control.Top()) + " " +
         std::to_string(Control.Width()) + " " + std::to_string(Control.Height());
}

std::string FontOf(const vcl::TFont& Font) {
  std::string out = Font.Name() + "\t" + std::to_string(Font.Size());
  if (Font.Style().Contains(vcl::TFontStyle::fsBold)) out += "\tfsBold";
  return out;
}

std::string BorderStyleName(vcl::TFormBorderStyle Style) {
  static const char* const names[] = {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"};
  return names[static_cast<int>(Style)];
}

std::string BorderIconNames(vcl::TBorderIcons Icons) {
  static const char* const names[] = {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};
  std::string out;
  for (int i = 0; i < 4; ++i)
    if (Icons.Contains(static_cast<vcl::TBorderIcon>(i))) out += (out.empty() ? "" : ",") + std::string(names[i]);
  return "[" + out + "]";
}

std::string PositionName(vcl::TPosition Position) {
  static const char* const names[] = {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                                      "poScreenCenter"};
  return names[static_cast<int>(Position)];
}

// The box as it stands once shown; the lines of the label's caption each
// get a line of their own.
std::string Describe(vcl::TForm& Box) {
  std::string out = "form.caption\t" + Box.Caption() + "\n";
  out += "form.borderStyle\t" + BorderStyleName(Box.BorderStyle()) + "\n";
  out += "form.borderIcons\t" + BorderIconNames(Box.BorderIcons()) + "\n";
  out += "form.position\t" + PositionName(Box.Position()) + "\n";
  out += "form.bounds\t" + BoundsOf(Box) + "\n";
  out += "form.client\t" + std::to_string(Box.ClientWidth()) + " " + std::to_string(Box.ClientHeight()) + "\n";
  for (int i = 0; i < Box.ControlCount(); ++i) {
    vcl::TControl* c = Box.Controls(i);
    if (dynamic_cast<vcl::TLabel*>(c) != nullptr) {
      std::string text = c->Caption();
      for (std::size_t end; (end = text.find("\r\n")) != std::string::npos; text.erase(0, end + 2))
        out += "label.line\t" + text.substr(0, end) + "\n";
      out += "label.line\t" + text + "\n";
      out += "label.bounds\t" + BoundsOf(*c) + "\n";
      out += "label.font\t" + FontOf(*c->Font()) + "\n";
    } else if (dynamic_cast<vcl::TButton*>(c) != nullptr) {
      out += "button.caption\t" + c->Caption() + "\n";
      out += "button.bounds\t" + BoundsOf(*c) + "\n";
    }
  }
  return out;
}

// The headless user, who notes the box before answering and the result it
// closed with.
class WatchingDesktop : public vcl::THeadlessDesktop {
 public:
  void RunModal(vcl::TForm* Form) override {
    shown = Describe(*Form);
    THeadlessDesktop::RunModal(Form);
    result = Form->ModalResult();
  }

  std::string shown;
  std::optional<vcl::TModalResult> result;
};

void Run() {
  WatchingDesktop desktop;
  const vcl::TDesktopScope desktopScope(desktop);
  desktop.PressEnter();
  Tolvane::TCaptioneer captioneer(nullptr);
  captioneer.ShowAbout();
  if (!desktop.result) throw Failure("the About box was never shown modally");
  WriteToStandardOutput(desktop.shown + "result\t" +
                        (*desktop.result == vcl::mrOk ? "mrOk" : std::to_string(*desktop.result)) + "\n");
}

}  // namespace

Command AddAboutCommand(CLI::App& app) {
  app.add_subcommand("about", "Show the About box (answered with Enter) and print its geometry and texts");
  return [] { Run(); };
}

}  // namespace captioneer
