#include "vcl/TextMetrics.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include <iconv.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>

#include "vcl/SysUtils.h"

namespace vcl {

namespace {

struct Substitution {
  const char* name;
  const char* family;
};

constexpr Substitution kSubstitutions[] = {
    {"Arial", "LiberationSans"},           {"Ariel", "LiberationSans"},
    {"MS Sans Serif", "LiberationSans"},   {"Tahoma", "LiberationSans"},
    {"Liberation Sans", "LiberationSans"}, {"Times New Roman", "LiberationSerif"},
    {"Liberation Serif", "LiberationSerif"}, {"Courier New", "LiberationMono"},
    {"Liberation Mono", "LiberationMono"},
};

constexpr Integer kDefaultEmPixels = 11;

bool SameFontName(const AnsiString& A, const char* B) {
  const AnsiString b(B);
  return std::equal(A.begin(), A.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

// The Unicode character of each byte of code page 1252; 0 (no glyph) where
// the code page defines none.
std::array<FT_ULong, 256> AnsiCharacters() {
  iconv_t cd = iconv_open("UTF-32LE", "CP1252");
  if (cd == reinterpret_cast<iconv_t>(-1))
    throw EFontError("The system cannot convert code page 1252 (iconv has no CP1252)");
  std::array<FT_ULong, 256> table{};
  for (int b = 1; b < 256; ++b) {
    char in = static_cast<char>(b);
    unsigned char out[4] = {};
    char* inPtr = &in;
    char* outPtr = reinterpret_cast<char*>(out);
    std::size_t inLeft = 1, outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) && outLeft == 0)
      table[static_cast<std::size_t>(b)] = out[0] | (out[1] << 8) | (out[2] << 16) | (static_cast<FT_ULong>(out[3]) << 24);
  }
  iconv_close(cd);
  return table;
}

// Scaled to Pixels per em from font units, rounded half up; UpEm > 0.
Integer Scale(Int64 Units, Integer Pixels, Integer UpEm, bool RoundUp) {
  Int64 num = Units * Pixels;
  return static_cast<Integer>(RoundUp ? (num + UpEm - 1) / UpEm : (2 * num + UpEm) / (2 * UpEm));
}

}  // namespace

// The FreeType library and the faces opened so far, by file name.
struct TTextMetrics::Faces {
  FT_Library library = nullptr;
  std::map<AnsiString, FT_Face> byFile;
  std::array<FT_ULong, 256> characters = AnsiCharacters();

  Faces() {
    if (FT_Init_FreeType(&library) != 0) throw EFontError("FreeType could not be initialised");
  }
  ~Faces() {
    for (auto& [file, face] : byFile) FT_Done_Face(face);
    FT_Done_FreeType(library);
  }
  Faces(const Faces&) = delete;
  Faces& operator=(const Faces&) = delete;

  FT_Face Open(const AnsiString& File) {
    if (auto it = byFile.find(File); it != byFile.end()) return it->second;
    if (!FileExists(File))
      throw EFontError(Format("Font file '%s' is missing (Debian package fonts-liberation2)", File.c_str()));
    FT_Face face = nullptr;
    if (FT_Error e = FT_New_Face(library, File.c_str(), 0, &face); e != 0)
      throw EFontError(Format("Font file '%s' cannot be read (FreeType error %d)", File.c_str(), e));
    if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) {
      FT_Done_Face(face);
      throw EFontError(Format("Font file '%s' holds no scalable face", File.c_str()));
    }
    byFile.emplace(File, face);
    return face;
  }
};

TTextMetrics::TTextMetrics(AnsiString FontDirectory)
    : directory_(std::move(FontDirectory)), faces_(std::make_unique<Faces>()) {}

TTextMetrics::~TTextMetrics() = default;

AnsiString TTextMetrics::FontFile(const TFont& Font) const {
  const char* family = "LiberationSans";
  for (const Substitution& s : kSubstitutions)
    if (SameFontName(Font.Name(), s.name)) family = s.family;
  const bool bold = Font.Style().Contains(TFontStyle::fsBold);
  const bool italic = Font.Style().Contains(TFontStyle::fsItalic);
  const char* face = bold ? (italic ? "BoldItalic" : "Bold") : (italic ? "Italic" : "Regular");
  return directory_ + PathDelim + family + "-" + face + ".ttf";
}

TSize TTextMetrics::TextExtent(const TFont& Font, const AnsiString& Text) {
  FT_Face face = faces_->Open(FontFile(Font));
  const Integer upEm = face->units_per_EM;
  const Int64 cellUnits = static_cast<Int64>(face->ascender) - face->descender;
  Integer em = kDefaultEmPixels;
  if (Font.Height() < 0)
    em = -Font.Height();
  else if (Font.Height() > 0 && cellUnits > 0)
    em = Scale(Font.Height(), upEm, static_cast<Integer>(cellUnits), false);
  const Integer lineHeight = Scale(face->ascender, em, upEm, true) + Scale(-face->descender, em, upEm, true);

  TSize extent;
  Integer lineWidth = 0;
  auto endLine = [&] {
    extent.cx = std::max(extent.cx, lineWidth);
    extent.cy += lineHeight;
    lineWidth = 0;
  };
  for (std::size_t i = 0; i < Text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(Text[i]);
    if (byte == '\r' || byte == '\n') {
      if (byte == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
      endLine();
      continue;
    }
    FT_Fixed units = 0;
    const FT_UInt glyph = FT_Get_Char_Index(face, faces_->characters[byte]);
    if (FT_Get_Advance(face, glyph, FT_LOAD_NO_SCALE, &units) != 0)
      throw EFontError(Format("Font file '%s' has no advance width for glyph %u", FontFile(Font).c_str(), glyph));
    lineWidth += Scale(units, em, upEm, false);
  }
  endLine();
  return extent;
}

TTextMetrics& HostTextMetrics() {
  static TTextMetrics metrics;
  return metrics;
}

}  // namespace vcl
