#include "ide/Palette.h"

#include <cstring>

#include "win32/Module.h"
#include "win32/Resources.h"

namespace ide {

namespace {

std::int32_t Le32(const unsigned char* P) {
  return static_cast<std::int32_t>(P[0] | P[1] << 8 | P[2] << 16 | static_cast<unsigned>(P[3]) << 24);
}

std::string Capitals(std::string S) {
  for (char& c : S)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return S;
}

}  // namespace

TPaletteBitmap PaletteBitmap(vcl::TComponentClass Class) {
  TPaletteBitmap bitmap;
  if (Class == nullptr || Class->Create == nullptr) return bitmap;
  // The class's virtual constructor is code of the module that registered
  // the class.
  const HMODULE module = win32::ModuleInstance(reinterpret_cast<const void*>(Class->Create));
  const std::string name = Capitals(Class->Name);
  HRSRC info = FindResourceA(module, name.c_str(), RT_BITMAP);
  if (info == nullptr) return bitmap;
  const auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(module, info)));
  bitmap.Size = SizeofResource(module, info);
  // A device-independent bitmap starts with its 40-byte header.
  if (bitmap.Size < 40 || Le32(data) != 40) return bitmap;
  bitmap.Found = true;
  bitmap.Width = Le32(data + 4);
  bitmap.Height = Le32(data + 8);
  bitmap.BitCount = data[14] | data[15] << 8;
  return bitmap;
}

std::vector<TPalettePage> Palette() {
  std::vector<TPalettePage> pages;
  for (const vcl::TPaletteEntry& entry : vcl::PalettePages()) {
    TPalettePage page{entry.Page, {}};
    for (vcl::TComponentClass cls : entry.Classes) page.Components.push_back({cls, PaletteBitmap(cls)});
    pages.push_back(std::move(page));
  }
  return pages;
}

}  // namespace ide
