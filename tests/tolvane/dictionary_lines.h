// Reading and filling a component's dictionary as a list of lines.
#pragma once

#include <string>
#include <vector>

#include "Tolvane/component/Captioneer.h"

using Lines = std::vector<std::string>;

inline Lines Dictionary(const Tolvane::TCaptioneer& c) {
  Lines out;
  for (int i = 0; i < c.Captions()->Count(); ++i) out.push_back(c.Captions()->Strings(i));
  return out;
}

inline void Fill(Tolvane::TCaptioneer& c, const Lines& lines) {
  c.Captions()->Clear();
  for (auto& l : lines) c.Captions()->Add(l);
}
