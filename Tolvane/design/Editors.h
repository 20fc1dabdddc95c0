// The unit's design-time editors. Private to the unit: only Register
// (Register.cpp) names them; the development environment creates them
// through the classes Register gives it.
#pragma once

#include "vcl/DsgnIntf.h"

namespace Tolvane {

// The About row of the object inspector: a fixed text whose dialog button
// opens the About box.
class TCaptioneerAboutProperty : public vcl::TPropertyEditor {
 public:
  using vcl::TPropertyEditor::TPropertyEditor;
  void Edit() override;
  vcl::TPropertyAttributes GetAttributes() override;
  vcl::AnsiString GetValue() override;
};

// The FileName row: shown and typed as a string; its dialog button picks
// the dictionary file.
class TCaptioneerFileNameProperty : public vcl::TStringProperty {
 public:
  using vcl::TStringProperty::TStringProperty;
  void Edit() override;
  vcl::TPropertyAttributes GetAttributes() override;
};

// Two commands on the component's context menu: the About box and the
// help file.
class TCaptioneerEditor : public vcl::TComponentEditor {
 public:
  using vcl::TComponentEditor::TComponentEditor;
  void ExecuteVerb(vcl::Integer Index) override;
  vcl::AnsiString GetVerb(vcl::Integer Index) override;
  vcl::Integer GetVerbCount() override;
};

}  // namespace Tolvane
