// Build-time tool: compiles the package's resource script into a Windows
// resource file (.res, the 32-bit format) and into a C++ source that embeds
// that file and registers it for the module it is linked into.
//
//   resource_compiler SCRIPT OUT.res OUT.cpp
//
// Bitmaps are drawn as text grids (one hexadecimal digit per pixel, the
// standard 16-colour palette) and stored as 4-bit device-independent
// bitmaps: a 40-byte header, a 64-byte colour table and the rows bottom-up,
// each padded to four bytes.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint16_t kBitmapType = 2;
constexpr std::uint16_t kRcDataType = 10;

// The standard 16-colour palette as RGB.
constexpr std::uint32_t kPalette[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                        0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                        0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

void Put16(Bytes& Out, std::uint32_t V) {
  Out.push_back(static_cast<std::uint8_t>(V));
  Out.push_back(static_cast<std::uint8_t>(V >> 8));
}

void Put32(Bytes& Out, std::uint32_t V) {
  Put16(Out, V & 0xFFFF);
  Put16(Out, V >> 16);
}

std::string ReadFile(const std::filesystem::path& Path) {
  std::ifstream in(Path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + Path.string());
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The pixel rows of a grid file, top row first; '#' starts a comment line.
std::vector<std::string> ReadGrid(const std::filesystem::path& Path) {
  std::istringstream in(ReadFile(Path));
  std::vector<std::string> rows;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    if (!rows.empty() && line.size() != rows.front().size())
      throw std::runtime_error(Path.string() + ": rows differ in width");
    for (char c : line)
      if (!std::isxdigit(static_cast<unsigned char>(c)))
        throw std::runtime_error(Path.string() + ": '" + c + "' is no colour digit");
    rows.push_back(line);
  }
  if (rows.empty()) throw std::runtime_error(Path.string() + ": no pixel rows");
  return rows;
}

Bytes Bitmap(const std::vector<std::string>& Rows) {
  const auto width = static_cast<std::uint32_t>(Rows.front().size());
  const auto height = static_cast<std::uint32_t>(Rows.size());
  const std::uint32_t stride = (width * 4 + 31) / 32 * 4;
  Bytes out;
  Put32(out, 40);
  Put32(out, width);
  Put32(out, height);  // positive: bottom-up rows
  Put16(out, 1);       // planes
  Put16(out, 4);       // bits per pixel
  Put32(out, 0);       // BI_RGB
  Put32(out, stride * height);
  Put32(out, 0);  // pixels per metre, not given
  Put32(out, 0);
  Put32(out, 16);  // colours used
  Put32(out, 0);   // colours important: all
  for (std::uint32_t rgb : kPalette) {
    out.push_back(static_cast<std::uint8_t>(rgb));
    out.push_back(static_cast<std::uint8_t>(rgb >> 8));
    out.push_back(static_cast<std::uint8_t>(rgb >> 16));
    out.push_back(0);
  }
  for (auto row = Rows.rbegin(); row != Rows.rend(); ++row) {
    Bytes line(stride, 0);
    for (std::uint32_t x = 0; x < width; ++x) {
      const auto colour = static_cast<std::uint8_t>(std::stoi(std::string(1, (*row)[x]), nullptr, 16));
      line[x / 2] |= x % 2 == 0 ? static_cast<std::uint8_t>(colour << 4) : colour;
    }
    out.insert(out.end(), line.begin(), line.end());
  }
  return out;
}

Bytes Utf16z(const std::string& Text) {
  Bytes out;
  for (unsigned char c : Text) {
    if (c >= 0x80) throw std::runtime_error("RCDATA texts are ASCII: " + Text);
    Put16(out, c);
  }
  Put16(out, 0);
  return out;
}

// One entry of the .res file: header (sizes, type id, name, flags), data,
// padding to four bytes.
void Entry(Bytes& Res, std::uint16_t Type, const std::string& Name, const Bytes& Data) {
  Bytes header;
  Put16(header, 0xFFFF);
  Put16(header, Type);
  for (unsigned char c : Name) Put16(header, c);
  Put16(header, 0);
  while (header.size() % 4 != 0) header.push_back(0);
  Put32(header, 0);       // data version
  Put16(header, 0x1030);  // memory flags: movable, pure, discardable
  Put16(header, 0x0409);  // language: English (United States)
  Put32(header, 0);       // version
  Put32(header, 0);       // characteristics
  Put32(Res, static_cast<std::uint32_t>(Data.size()));
  Put32(Res, static_cast<std::uint32_t>(header.size() + 8));
  Res.insert(Res.end(), header.begin(), header.end());
  Res.insert(Res.end(), Data.begin(), Data.end());
  while (Res.size() % 4 != 0) Res.push_back(0);
}

Bytes Compile(const std::filesystem::path& Script) {
  Bytes res;
  // Every .res file opens with an empty entry of type 0 and name 0.
  Put32(res, 0);
  Put32(res, 32);
  Put16(res, 0xFFFF);
  Put16(res, 0);
  Put16(res, 0xFFFF);
  Put16(res, 0);
  for (int i = 0; i < 4; ++i) Put32(res, 0);
  std::istringstream in(ReadFile(Script));
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string name;
    std::string type;
    fields >> name >> type >> std::ws;
    std::string source;
    std::getline(fields, source);
    if (type == "BITMAP") {
      Entry(res, kBitmapType, name, Bitmap(ReadGrid(Script.parent_path() / source)));
    } else if (type == "RCDATA" && source.size() >= 2 && source.front() == '"' && source.back() == '"') {
      Entry(res, kRcDataType, name, Utf16z(source.substr(1, source.size() - 2)));
    } else {
      throw std::runtime_error(Script.string() + ": cannot read the line \"" + line + "\"");
    }
  }
  return res;
}

void WriteSource(const std::filesystem::path& Path, const Bytes& Res) {
  std::ofstream out(Path);
  out << "// Generated by resource_compiler from the package's resource script.\n"
         "#include \"win32/Resources.h\"\n\nnamespace {\n\nconst unsigned char kResources[] = {";
  for (std::size_t i = 0; i < Res.size(); ++i) out << (i % 16 == 0 ? "\n   " : "") << ' ' << int(Res[i]) << ',';
  out << "\n};\n\nconst win32::TModuleResources kRegistration(kResources, sizeof kResources);\n\n}  // namespace\n";
  if (!out) throw std::runtime_error("cannot write " + Path.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: resource_compiler SCRIPT OUT.res OUT.cpp\n");
    return 2;
  }
  try {
    const Bytes res = Compile(argv[1]);
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<const char*>(res.data()), static_cast<std::streamsize>(res.size()));
    if (!out) throw std::runtime_error(std::string("cannot write ") + argv[2]);
    WriteSource(argv[3], res);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "resource_compiler: %s\n", e.what());
    return 1;
  }
  return 0;
}
