// The root a form file is read into when this program has no class of the
// name the file gives its root (a program's own form class, such as TForm1).
//
// It publishes nothing beyond TComponent's own, so it writes back what such
// a file's root held (name, Tag, designer position) and no control
// properties; like a form, it hands out the components it owns when written.
// A file whose root holds other properties or event handlers is refused by
// the reader, as it would be by a program without that form class.
#pragma once

#include "vcl/Component.h"

namespace captioneer {

class TFormRoot : public vcl::TComponent {
 public:
  explicit TFormRoot(vcl::TComponent* AOwner) : vcl::TComponent(AOwner) {}

  // The components owned, except controls shown inside another control
  // (their parent hands them out).
  void GetChildren(const std::function<void(vcl::TComponent*)>& Proc, vcl::TComponent* Root) override;
};

// A new root for a stream whose root class is ClassName, owned by Owner: of
// the registered class of that name when it is a container (a form, a
// panel), or else a TFormRoot registered under that name (once per process:
// a second, different name raises EFilerError). Raises EFilerError for a
// registered class that is no container.
vcl::TComponent* CreateFormRoot(const vcl::AnsiString& ClassName, vcl::TComponent* Owner);

}  // namespace captioneer
