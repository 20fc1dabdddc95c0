// The development-environment stand-in: it names the open project to the
// packages (tool services), loads design-time packages, and offers what a
// person uses: the palette, a form designer with the object inspector and
// the components' context menus.
//
// One environment per process at a time: it installs the process's tool
// services for its lifetime.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ide/ComponentMenu.h"
#include "ide/FormDesigner.h"
#include "ide/ObjectInspector.h"
#include "ide/Package.h"
#include "ide/Palette.h"
#include "vcl/ToolServices.h"

namespace ide {

class TDevelopmentEnvironment {
 public:
  // ProjectName: the open project's file name, as tool services report it.
  explicit TDevelopmentEnvironment(const std::string& ProjectName);
  ~TDevelopmentEnvironment();
  TDevelopmentEnvironment(const TDevelopmentEnvironment&) = delete;
  TDevelopmentEnvironment& operator=(const TDevelopmentEnvironment&) = delete;

  // Loads a package for design (TPackage) and keeps it until the
  // environment ends.
  TPackage& LoadPackage(const std::string& Path);
  const std::vector<std::unique_ptr<TPackage>>& Packages() const { return packages_; }

  TFormDesigner& Designer() { return *designer_; }
  TObjectInspector Inspector() { return TObjectInspector(*designer_); }

 private:
  vcl::TProjectToolServices services_;
  vcl::TToolServicesScope servicesScope_;
  std::vector<std::unique_ptr<TPackage>> packages_;
  // Freed before the packages' registrations are dropped.
  std::unique_ptr<TFormDesigner> designer_;
};

}  // namespace ide
