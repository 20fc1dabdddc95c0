// What a package library file says about itself, read without loading it:
// the libraries it needs (among them its host library, libvcl30.so,
// libvcl35.so or libvcl40.so) and the units whose Register it exports.
//
// The host's naming of unit procedures: procedure P of unit U is the C++
// function U::P() taking no arguments, exported under its mangled name, so
// Register of unit Tolvane is the symbol _ZN7Tolvane8RegisterEv.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace ide {

// A file that is no readable 64-bit ELF shared library.
class EPackageError : public std::runtime_error {
  using std::runtime_error::runtime_error;
};

class TPackageFile {
 public:
  // Reads Path's dynamic section and dynamic symbols; raises EPackageError.
  explicit TPackageFile(const std::string& Path);

  const std::vector<std::string>& RequiredLibraries() const { return needed_; }
  // The units with an exported Register, in symbol-table order.
  const std::vector<std::string>& Units() const { return units_; }
  // The host version the package was built against (30, 35 or 40), from
  // the host library it needs; 0 when it needs none.
  int HostVersion() const;

 private:
  std::vector<std::string> needed_;
  std::vector<std::string> units_;
};

// The exported symbol of procedure Procedure of unit Unit.
std::string UnitProcedureSymbol(const std::string& Unit, const std::string& Procedure);

}  // namespace ide
