// The component palette: the pages the loaded packages registered, each
// with its components and their pictures.
#pragma once

#include <string>
#include <vector>

#include "vcl/DsgnIntf.h"

namespace ide {

// A palette picture: the BITMAP resource named after the component class
// in capitals, in the module that holds the class's code.
struct TPaletteBitmap {
  bool Found = false;
  unsigned long Size = 0;  // bytes of the resource
  int Width = 0;
  int Height = 0;
  int BitCount = 0;
};

struct TPaletteComponent {
  vcl::TComponentClass Class;
  TPaletteBitmap Bitmap;
};

struct TPalettePage {
  std::string Name;
  std::vector<TPaletteComponent> Components;
};

// The pages in registration order.
std::vector<TPalettePage> Palette();

// The picture of Class, read from its module's resources.
TPaletteBitmap PaletteBitmap(vcl::TComponentClass Class);

}  // namespace ide
