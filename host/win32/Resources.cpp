#include "win32/Resources.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <variant>
#include <vector>

#include "win32/LastError.h"
#include "win32/Module.h"

namespace {

// A type or a name: an integer id, or a string kept in upper case.
using ResourceId = std::variant<WORD, std::string>;

struct Resource {
  ResourceId Type;
  ResourceId Name;
  const unsigned char* Data;
  DWORD Size;
};

std::string Upper(std::string S) {
  for (char& c : S)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return S;
}

ResourceId IdOf(LPCSTR Name) {
  if (IS_INTRESOURCE(Name)) return static_cast<WORD>(reinterpret_cast<UINT_PTR>(Name));
  return Upper(Name);
}

// Reads the little-endian .res layout with bounds checks throughout.
class ResReader {
 public:
  ResReader(const unsigned char* Data, std::size_t Size) : data_(Data), size_(Size) {}

  bool AtEnd() const { return pos_ >= size_; }
  std::size_t Pos() const { return pos_; }
  bool Seek(std::size_t Pos) {
    if (Pos > size_) return false;
    pos_ = Pos;
    return true;
  }
  bool Dword(DWORD& Value) {
    if (size_ - pos_ < 4) return false;
    Value = static_cast<DWORD>(data_[pos_] | data_[pos_ + 1] << 8 | data_[pos_ + 2] << 16 |
                               static_cast<DWORD>(data_[pos_ + 3]) << 24);
    pos_ += 4;
    return true;
  }
  bool Word(WORD& Value) {
    if (size_ - pos_ < 2) return false;
    Value = static_cast<WORD>(data_[pos_] | data_[pos_ + 1] << 8);
    pos_ += 2;
    return true;
  }
  // An id: 0xFFFF and a number, or a zero-terminated UTF-16 string (names
  // are ASCII; other characters become '?').
  bool Id(ResourceId& Value) {
    WORD first = 0;
    if (!Word(first)) return false;
    if (first == 0xFFFF) {
      WORD number = 0;
      if (!Word(number)) return false;
      Value = number;
      return true;
    }
    std::string text;
    for (WORD c = first; c != 0;) {
      text += c < 0x80 ? static_cast<char>(c) : '?';
      if (!Word(c)) return false;
    }
    Value = Upper(std::move(text));
    return true;
  }

 private:
  const unsigned char* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

std::vector<Resource> Parse(const unsigned char* Data, std::size_t Size) {
  std::vector<Resource> resources;
  ResReader r(Data, Size);
  while (!r.AtEnd()) {
    const std::size_t start = r.Pos();
    DWORD dataSize = 0;
    DWORD headerSize = 0;
    Resource res{WORD{0}, WORD{0}, nullptr, 0};
    if (!r.Dword(dataSize) || !r.Dword(headerSize) || headerSize < 32 || !r.Id(res.Type) || !r.Id(res.Name))
      break;
    const std::size_t dataStart = start + headerSize;
    if (dataStart < start || dataStart > Size || Size - dataStart < dataSize) break;
    // The empty entry that opens every .res file is no resource.
    if (!(dataSize == 0 && res.Type == ResourceId(WORD{0}))) {
      res.Data = Data + dataStart;
      res.Size = dataSize;
      resources.push_back(std::move(res));
    }
    if (!r.Seek((dataStart + dataSize + 3) & ~std::size_t{3}) && !r.Seek(Size)) break;
  }
  return resources;
}

struct Registration {
  const win32::TModuleResources* Owner;
  HMODULE Module;
  std::vector<Resource> Resources;
};

// The latest registration for a module is the one searched.
struct Registry {
  std::mutex lock;
  std::vector<Registration> registrations;
};

Registry& Modules() {
  static Registry registry;
  return registry;
}

const Resource* Find(HMODULE Module, const ResourceId& Type, const ResourceId& Name, DWORD& Error) {
  Registry& reg = Modules();
  std::lock_guard guard(reg.lock);
  auto module = std::find_if(reg.registrations.rbegin(), reg.registrations.rend(),
                             [&](const Registration& r) { return r.Module == Module; });
  if (module == reg.registrations.rend()) {
    Error = ERROR_RESOURCE_DATA_NOT_FOUND;
    return nullptr;
  }
  Error = ERROR_RESOURCE_TYPE_NOT_FOUND;
  for (const Resource& res : module->Resources) {
    if (res.Type != Type) continue;
    Error = ERROR_RESOURCE_NAME_NOT_FOUND;
    if (res.Name == Name) return &res;
  }
  return nullptr;
}

}  // namespace

HRSRC FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) {
  if (lpName == nullptr || lpType == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  DWORD error = 0;
  const Resource* res = Find(hModule, IdOf(lpType), IdOf(lpName), error);
  if (res == nullptr) SetLastError(error);
  // A resource's entry lives as long as its module is registered.
  return reinterpret_cast<HRSRC>(const_cast<Resource*>(res));
}

HGLOBAL LoadResource(HMODULE, HRSRC hResInfo) {
  if (hResInfo == nullptr) return nullptr;
  return const_cast<unsigned char*>(reinterpret_cast<const Resource*>(hResInfo)->Data);
}

LPVOID LockResource(HGLOBAL hResData) { return hResData; }

DWORD SizeofResource(HMODULE, HRSRC hResInfo) {
  if (hResInfo == nullptr) return 0;
  return reinterpret_cast<const Resource*>(hResInfo)->Size;
}

namespace win32 {

TModuleResources::TModuleResources(const unsigned char* Data, std::size_t Size) : module_(ModuleInstance(Data)) {
  Registry& reg = Modules();
  std::lock_guard guard(reg.lock);
  reg.registrations.push_back({this, module_, Parse(Data, Size)});
}

TModuleResources::~TModuleResources() {
  Registry& reg = Modules();
  std::lock_guard guard(reg.lock);
  std::erase_if(reg.registrations, [this](const Registration& r) { return r.Owner == this; });
}

}  // namespace win32
