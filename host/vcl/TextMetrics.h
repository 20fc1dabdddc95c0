// Text metrics: how many pixels a text takes in a font.
//
// The host draws with FreeType over the Liberation fonts, which have the
// metrics of the Windows core fonts. A font name is substituted as a font
// mapper would: "Arial", "Ariel" (a common misspelling that Windows maps to
// Arial), "MS Sans Serif" and "Tahoma" give Liberation Sans, "Times New
// Roman" Liberation Serif, "Courier New" Liberation Mono, the Liberation
// names themselves, and any other name Liberation Sans. fsBold and fsItalic
// pick the bold and italic faces.
//
// Sizes follow the host's fonts at PixelsPerInch: a negative Height is the
// em size in pixels, a positive one the cell height (ascent plus descent),
// and 0 the host's default em size of 11 pixels. A glyph advances by its
// advance width in font units scaled to the em size and rounded to whole
// pixels; there is no kerning, as the host's DrawText does not kern. A line
// is as high as the face's ascender and descender, each scaled and rounded
// up. Text bytes are characters of the host's ANSI code page, 1252.
#pragma once

#include <memory>

#include "vcl/Exception.h"
#include "vcl/Font.h"

namespace vcl {

// A font file that cannot be found or read.
class EFontError : public Exception {
  using Exception::Exception;
};

struct TSize {
  Integer cx = 0;
  Integer cy = 0;
  bool operator==(const TSize&) const = default;
};

class TTextMetrics {
 public:
  // Where Debian's fonts-liberation2 puts the font files.
  static constexpr const char* DefaultFontDirectory = "/usr/share/fonts/truetype/liberation2";

  explicit TTextMetrics(AnsiString FontDirectory = DefaultFontDirectory);
  ~TTextMetrics();
  TTextMetrics(const TTextMetrics&) = delete;
  TTextMetrics& operator=(const TTextMetrics&) = delete;

  // The width of the widest line and the sum of the lines' heights. Lines
  // end at CR LF, CR or LF; the empty text is one empty line. Raises
  // EFontError naming the file when the font's file is missing or
  // unreadable.
  TSize TextExtent(const TFont& Font, const AnsiString& Text);

  // The file that draws Font, after substitution.
  AnsiString FontFile(const TFont& Font) const;

 private:
  struct Faces;
  AnsiString directory_;
  std::unique_ptr<Faces> faces_;
};

// The metrics that the host's controls size themselves with, over
// DefaultFontDirectory. Used on the GUI thread only.
TTextMetrics& HostTextMetrics();

}  // namespace vcl
