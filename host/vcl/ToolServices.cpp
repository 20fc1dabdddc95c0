#include "vcl/ToolServices.h"

namespace vcl {

TIToolServices* ToolServices = nullptr;

}  // namespace vcl
