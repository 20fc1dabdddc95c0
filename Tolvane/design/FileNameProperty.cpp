#include <memory>

#include "Tolvane/component/Captioneer.h"
#include "Tolvane/design/Editors.h"
#include "vcl/OpenDialog.h"

namespace Tolvane {

void TCaptioneerFileNameProperty::Edit() {
  // Freed on every path, also when the host raises while it is open.
  const auto dialog = std::make_unique<vcl::TOpenDialog>(nullptr);
  dialog->SetFilter("Dictionary (*.txt)|*.txt");
  dialog->SetTitle("Select a dictionary file");
  dialog->SetDefaultExt("txt");
  dialog->SetFileName(static_cast<TCaptioneer*>(GetComponent(0))->FileName());
  if (!dialog->Execute()) return;
  // Fetched again: only the first selected component takes the file.
  static_cast<TCaptioneer*>(GetComponent(0))->SetFileName(dialog->FileName());
  Modified();
}

vcl::TPropertyAttributes TCaptioneerFileNameProperty::GetAttributes() { return {vcl::paDialog}; }

}  // namespace Tolvane
