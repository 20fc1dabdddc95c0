#include "ide/PackageFile.h"

#include <elf.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace ide {

namespace {

std::vector<char> ReadAll(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  if (!in) throw EPackageError(Path + ": cannot open the package");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A bounds-checked view of the file.
class Image {
 public:
  Image(const std::string& Path, std::vector<char> Bytes) : path_(Path), bytes_(std::move(Bytes)) {}

  template <typename T>
  T At(std::uint64_t Offset) const {
    if (Offset > bytes_.size() || bytes_.size() - Offset < sizeof(T)) Fail("is truncated");
    T value;
    std::memcpy(&value, bytes_.data() + Offset, sizeof(T));
    return value;
  }
  // The zero-terminated string at Offset within the table at Table of Size bytes.
  std::string String(std::uint64_t Table, std::uint64_t Size, std::uint64_t Offset) const {
    if (Table > bytes_.size() || Size > bytes_.size() - Table || Offset >= Size) Fail("has a bad string table");
    const char* begin = bytes_.data() + Table + Offset;
    const void* end = std::memchr(begin, '\0', Size - Offset);
    if (end == nullptr) Fail("has a bad string table");
    return std::string(begin, static_cast<const char*>(end));
  }
  [[noreturn]] void Fail(const std::string& What) const { throw EPackageError(path_ + ": the package " + What); }

 private:
  std::string path_;
  std::vector<char> bytes_;
};

// The unit whose Register the mangled name Symbol is, or empty.
std::string UnitOfRegister(const std::string& Symbol) {
  static const std::string kSuffix = "8RegisterEv";
  if (Symbol.rfind("_ZN", 0) != 0 || Symbol.size() <= 3 + kSuffix.size() ||
      Symbol.compare(Symbol.size() - kSuffix.size(), kSuffix.size(), kSuffix) != 0)
    return {};
  const std::string middle = Symbol.substr(3, Symbol.size() - 3 - kSuffix.size());
  std::size_t digits = 0;
  while (digits < middle.size() && middle[digits] >= '0' && middle[digits] <= '9') ++digits;
  if (digits == 0 || digits > 4) return {};
  const std::string unit = middle.substr(digits);
  return std::stoul(middle.substr(0, digits)) == unit.size() ? unit : std::string();
}

}  // namespace

TPackageFile::TPackageFile(const std::string& Path) {
  const Image image(Path, ReadAll(Path));
  const auto header = image.At<Elf64_Ehdr>(0);
  if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64 ||
      header.e_type != ET_DYN)
    image.Fail("is no 64-bit shared library");
  for (unsigned i = 0; i < header.e_shnum; ++i) {
    const auto section = image.At<Elf64_Shdr>(header.e_shoff + std::uint64_t{i} * sizeof(Elf64_Shdr));
    if (section.sh_type != SHT_DYNAMIC && section.sh_type != SHT_DYNSYM) continue;
    if (section.sh_link >= header.e_shnum) image.Fail("has a bad section link");
    const auto strings = image.At<Elf64_Shdr>(header.e_shoff + std::uint64_t{section.sh_link} * sizeof(Elf64_Shdr));
    if (section.sh_type == SHT_DYNAMIC) {
      for (std::uint64_t at = 0; at + sizeof(Elf64_Dyn) <= section.sh_size; at += sizeof(Elf64_Dyn)) {
        const auto entry = image.At<Elf64_Dyn>(section.sh_offset + at);
        if (entry.d_tag == DT_NULL) break;
        if (entry.d_tag == DT_NEEDED)
          needed_.push_back(image.String(strings.sh_offset, strings.sh_size, entry.d_un.d_val));
      }
    } else {
      for (std::uint64_t at = 0; at + sizeof(Elf64_Sym) <= section.sh_size; at += sizeof(Elf64_Sym)) {
        const auto symbol = image.At<Elf64_Sym>(section.sh_offset + at);
        if (symbol.st_shndx == SHN_UNDEF || ELF64_ST_TYPE(symbol.st_info) != STT_FUNC || symbol.st_name == 0)
          continue;
        const std::string unit = UnitOfRegister(image.String(strings.sh_offset, strings.sh_size, symbol.st_name));
        if (!unit.empty()) units_.push_back(unit);
      }
    }
  }
}

int TPackageFile::HostVersion() const {
  for (const std::string& library : needed_)
    for (int version : {30, 35, 40})
      if (library == "libvcl" + std::to_string(version) + ".so") return version;
  return 0;
}

std::string UnitProcedureSymbol(const std::string& Unit, const std::string& Procedure) {
  return "_ZN" + std::to_string(Unit.size()) + Unit + std::to_string(Procedure.size()) + Procedure + "Ev";
}

}  // namespace ide
