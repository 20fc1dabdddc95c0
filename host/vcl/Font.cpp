#include "vcl/Font.h"

#include <cstdlib>

namespace vcl {

namespace {

constexpr TColor SystemColor(int Index) { return static_cast<TColor>(0x80000000u | static_cast<unsigned>(Index)); }

constexpr TIdentMapEntry Colors[] = {
    {clBlack, "clBlack"},
    {0x000080, "clMaroon"},
    {0x008000, "clGreen"},
    {0x008080, "clOlive"},
    {0x800000, "clNavy"},
    {0x800080, "clPurple"},
    {0x808000, "clTeal"},
    {0x808080, "clGray"},
    {0xC0C0C0, "clSilver"},
    {clRed, "clRed"},
    {0x00FF00, "clLime"},
    {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},
    {0xFF00FF, "clFuchsia"},
    {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},
    {SystemColor(0), "clScrollBar"},
    {SystemColor(1), "clBackground"},
    {SystemColor(2), "clActiveCaption"},
    {SystemColor(3), "clInactiveCaption"},
    {SystemColor(4), "clMenu"},
    {SystemColor(5), "clWindow"},
    {SystemColor(6), "clWindowFrame"},
    {SystemColor(7), "clMenuText"},
    {clWindowText, "clWindowText"},
    {SystemColor(9), "clCaptionText"},
    {SystemColor(10), "clActiveBorder"},
    {SystemColor(11), "clInactiveBorder"},
    {SystemColor(12), "clAppWorkSpace"},
    {SystemColor(13), "clHighlight"},
    {SystemColor(14), "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {SystemColor(16), "clBtnShadow"},
    {SystemColor(17), "clGrayText"},
    {SystemColor(18), "clBtnText"},
    {SystemColor(19), "clInactiveCaptionText"},
    {SystemColor(20), "clBtnHighlight"},
    {SystemColor(21), "cl3DDkShadow"},
    {SystemColor(22), "cl3DLight"},
    {SystemColor(23), "clInfoText"},
    {SystemColor(24), "clInfoBk"},
    {0x1FFFFFFF, "clNone"},
    {0x20000000, "clDefault"},
};

constexpr TIdentMapEntry Charsets[] = {
    {ANSI_CHARSET, "ANSI_CHARSET"},
    {DEFAULT_CHARSET, "DEFAULT_CHARSET"},
    {SYMBOL_CHARSET, "SYMBOL_CHARSET"},
    {77, "MAC_CHARSET"},
    {128, "SHIFTJIS_CHARSET"},
    {129, "HANGEUL_CHARSET"},
    {130, "JOHAB_CHARSET"},
    {134, "GB2312_CHARSET"},
    {136, "CHINESEBIG5_CHARSET"},
    {161, "GREEK_CHARSET"},
    {162, "TURKISH_CHARSET"},
    {163, "VIETNAMESE_CHARSET"},
    {177, "HEBREW_CHARSET"},
    {178, "ARABIC_CHARSET"},
    {186, "BALTIC_CHARSET"},
    {204, "RUSSIAN_CHARSET"},
    {222, "THAI_CHARSET"},
    {EASTEUROPE_CHARSET, "EASTEUROPE_CHARSET"},
    {255, "OEM_CHARSET"},
};

}  // namespace

TIdentMap ColorIdents() { return Colors; }

TIdentMap CharsetIdents() { return Charsets; }

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
  if (*this == *font) return;
  charset_ = font->charset_;
  color_ = font->color_;
  height_ = font->height_;
  name_ = font->name_;
  pitch_ = font->pitch_;
  style_ = font->style_;
  if (onChange_) onChange_();
}

bool TFont::operator==(const TFont& Other) const {
  return charset_ == Other.charset_ && color_ == Other.color_ && height_ == Other.height_ &&
         name_ == Other.name_ && pitch_ == Other.pitch_ && style_ == Other.style_;
}

Integer TFont::Size() const { return -MulDiv(height_, 72, PixelsPerInch); }

void TFont::SetSize(Integer Value) { SetHeight(-MulDiv(Value, PixelsPerInch, 72)); }

}  // namespace vcl
