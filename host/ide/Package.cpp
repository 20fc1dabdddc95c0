#include "ide/Package.h"

#include <dlfcn.h>

#include "ide/PackageFile.h"
#include "vcl/DsgnIntf.h"
#include "win32/Module.h"
#include "win32/Resources.h"

namespace ide {

TPackage::TPackage(const std::string& Path) : path_(Path) {
  const TPackageFile file(Path);
  if (file.HostVersion() != CAPTIONEER_VCL_VERSION)
    throw EPackageError(Path + ": the package is built for vcl" + std::to_string(file.HostVersion()) +
                        ", this environment is vcl" + std::to_string(CAPTIONEER_VCL_VERSION));
  if (file.Units().empty()) throw EPackageError(Path + ": the package exports no Register");
  // Never unmapped: the class registry keeps the package's classes.
  library_ = ::dlopen(Path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  if (library_ == nullptr) throw EPackageError(::dlerror());
  group_ = vcl::NewEditorGroup();
  try {
    for (const std::string& unit : file.Units()) {
      void* symbol = ::dlsym(library_, UnitProcedureSymbol(unit, "Register").c_str());
      if (symbol == nullptr) throw EPackageError(Path + ": the package does not export " + unit + ".Register");
      if (module_ == nullptr) module_ = win32::ModuleInstance(symbol);
      reinterpret_cast<void (*)()>(symbol)();
      units_.push_back(unit);
    }
  } catch (...) {
    vcl::FreeEditorGroup(group_);
    ::dlclose(library_);
    throw;
  }
}

TPackage::~TPackage() {
  vcl::FreeEditorGroup(group_);
  ::dlclose(library_);
}

std::string TPackage::Description() const {
  HRSRC info = FindResourceA(module_, "DESCRIPTION", RT_RCDATA);
  if (info == nullptr) return {};
  const auto* text = static_cast<const unsigned char*>(LockResource(LoadResource(module_, info)));
  const DWORD size = SizeofResource(module_, info);
  std::string description;
  for (DWORD i = 0; i + 1 < size; i += 2) {
    const unsigned code = text[i] | text[i + 1] << 8;
    if (code == 0) break;
    description += code < 0x100 ? static_cast<char>(code) : '?';
  }
  return description;
}

}  // namespace ide
