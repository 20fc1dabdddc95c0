#include "vcl/Font.h"

#include <cstdlib>

namespace vcl {

Integer MulDiv(Integer a, Integer b, Integer c) {
  if (c == 0) return -1;
  Int64 num = static_cast<Int64>(a) * b;
  Int64 den = c;
  bool negative = (num < 0) != (den < 0);
  Int64 q = (std::llabs(num) * 2 + std::llabs(den)) / (std::llabs(den) * 2);
  return static_cast<Integer>(negative ? -q : q);
}

void TFont::Assign(const TPersistent* Source) {
  const auto* font = dynamic_cast<const TFont*>(Source);
  if (font == nullptr) AssignError(Source);
  charset_ = font->charset_;
  color_ = font->color_;
  height_ = font->height_;
  name_ = font->name_;
  pitch_ = font->pitch_;
  style_ = font->style_;
}

bool TFont::operator==(const TFont& Other) const {
  return charset_ == Other.charset_ && color_ == Other.color_ && height_ == Other.height_ &&
         name_ == Other.name_ && pitch_ == Other.pitch_ && style_ == Other.style_;
}

Integer TFont::Size() const { return -MulDiv(height_, 72, PixelsPerInch); }

void TFont::SetSize(Integer Value) { height_ = -MulDiv(Value, PixelsPerInch, 72); }

}  // namespace vcl
