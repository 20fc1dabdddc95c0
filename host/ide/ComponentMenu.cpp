#include "ide/ComponentMenu.h"

namespace ide {

std::vector<std::string> Verbs(vcl::TComponent* Component, vcl::TDesigner& Designer) {
  const vcl::TComponentEditorPtr editor = vcl::GetComponentEditor(Component, &Designer);
  std::vector<std::string> verbs;
  for (int i = 0; i < editor->GetVerbCount(); ++i) verbs.push_back(editor->GetVerb(i));
  return verbs;
}

void ExecuteVerb(vcl::TComponent* Component, vcl::TDesigner& Designer, int Index) {
  vcl::GetComponentEditor(Component, &Designer)->ExecuteVerb(Index);
}

}  // namespace ide
