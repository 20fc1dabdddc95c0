// A design-time package loaded into the development environment: the
// library is loaded, the Register procedure of each of its units is called
// (PackageFile.h gives the naming), and what they register belongs to the
// package's editor group until the package is unloaded.
#pragma once

#include <string>
#include <vector>

#include "win32/Types.h"

namespace ide {

class TPackage {
 public:
  // Loads Path and registers its units. Raises EPackageError when the file
  // is no package of this host or exports no Register; an exception from a
  // Register passes on after the package's registrations are dropped.
  explicit TPackage(const std::string& Path);
  // Drops the package's registrations. The library stays mapped (classes
  // it registered stay in the class registry, which keeps their code), as
  // the host's class registry cannot forget a class.
  ~TPackage();
  TPackage(const TPackage&) = delete;
  TPackage& operator=(const TPackage&) = delete;

  const std::string& Path() const { return path_; }
  HMODULE Module() const { return module_; }
  const std::vector<std::string>& Units() const { return units_; }
  // The RCDATA "DESCRIPTION" (UTF-16, to its terminating zero) as 8-bit
  // text; empty when the package has none.
  std::string Description() const;

 private:
  std::string path_;
  std::vector<std::string> units_;
  void* library_ = nullptr;
  HMODULE module_ = nullptr;
  int group_ = 0;
};

}  // namespace ide
