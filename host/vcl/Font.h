// TFont and the graphics constants it is written with.
#pragma once

#include <functional>

#include "vcl/IdentMap.h"
#include "vcl/Object.h"
#include "vcl/Set.h"

namespace vcl {

using TColor = Integer;
using TFontCharset = Byte;

// System colours carry the high bit and the system colour index.
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clWindowText = static_cast<TColor>(0x80000008u);
inline constexpr TColor clBtnFace = static_cast<TColor>(0x8000000Fu);

inline constexpr TFontCharset ANSI_CHARSET = 0;
inline constexpr TFontCharset DEFAULT_CHARSET = 1;
inline constexpr TFontCharset SYMBOL_CHARSET = 2;
inline constexpr TFontCharset EASTEUROPE_CHARSET = 238;

// The names under which colours and charsets are written to form files.
TIdentMap ColorIdents();
TIdentMap CharsetIdents();

enum class TFontPitch : Byte { fpDefault, fpVariable, fpFixed };
enum class TFontStyle : Byte { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle, 4>;

// Pixels per logical inch of the host's screen.
inline constexpr int PixelsPerInch = 96;

class TFont : public TPersistent {
 public:
  TFont() = default;

  // Copies every attribute of another TFont.
  void Assign(const TPersistent* Source) override;
  bool operator==(const TFont& Other) const;

  TFontCharset Charset() const { return charset_; }
  void SetCharset(TFontCharset Value) { Change(charset_, Value); }
  TColor Color() const { return color_; }
  void SetColor(TColor Value) { Change(color_, Value); }
  Integer Height() const { return height_; }
  void SetHeight(Integer Value) { Change(height_, Value); }
  const AnsiString& Name() const { return name_; }
  void SetName(const AnsiString& Value) { Change(name_, Value); }
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch Value) { Change(pitch_, Value); }
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles Value) { Change(style_, Value); }

  // Called after an attribute has changed (a setter or Assign that leaves
  // every attribute as it was calls nothing). A control that shows the font
  // listens here; Assign does not copy the handler.
  void SetOnChange(std::function<void()> Value) { onChange_ = std::move(Value); }

  // Points, derived from Height at PixelsPerInch, rounded as MulDiv rounds.
  Integer Size() const;
  void SetSize(Integer Value);

 private:
  TFontCharset charset_ = DEFAULT_CHARSET;
  TColor color_ = clWindowText;
  Integer height_ = -11;
  AnsiString name_ = "MS Sans Serif";
  TFontPitch pitch_ = TFontPitch::fpDefault;
  TFontStyles style_;
  std::function<void()> onChange_;

  template <typename T>
  void Change(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    if (onChange_) onChange_();
  }
};

// a * b / c rounded half away from zero, as the Windows MulDiv.
Integer MulDiv(Integer a, Integer b, Integer c);

}  // namespace vcl
