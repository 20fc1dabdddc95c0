#include "CodePage.h"

#include <cerrno>

namespace captioneer {

namespace {

iconv_t AsIconv(void* Descriptor) { return static_cast<iconv_t>(Descriptor); }

void* OpenIconv(const std::string& To, const std::string& From) {
  iconv_t cd = ::iconv_open(To.c_str(), From.c_str());
  return cd == reinterpret_cast<iconv_t>(-1) ? nullptr : cd;
}

// Converts In whole. OnInvalid is called at an input sequence the
// conversion cannot take, with the output so far; it returns false to give
// up, or true after appending a replacement to skip one input byte.
template <typename F>
bool Convert(void* Descriptor, std::string_view In, std::string& Out, F&& OnInvalid) {
  iconv_t cd = AsIconv(Descriptor);
  ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* in = const_cast<char*>(In.data());
  std::size_t inLeft = In.size();
  char buffer[1024];
  while (inLeft > 0) {
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t done = ::iconv(cd, &in, &inLeft, &out, &outLeft);
    Out.append(buffer, static_cast<std::size_t>(out - buffer));
    if (done != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    if (!OnInvalid(Out)) return false;
    ++in;
    --inLeft;
  }
  // Flushes any shift state the conversion still holds.
  char* out = buffer;
  std::size_t outLeft = sizeof buffer;
  ::iconv(cd, nullptr, nullptr, &out, &outLeft);
  Out.append(buffer, static_cast<std::size_t>(out - buffer));
  return true;
}

}  // namespace

void CodePage::Close::operator()(void* Descriptor) const { ::iconv_close(AsIconv(Descriptor)); }

std::optional<CodePage> CodePage::Open(int Number) {
  const std::string name = "CP" + std::to_string(Number);
  Descriptor toUtf8(OpenIconv("UTF-8", name));
  Descriptor fromUtf8(OpenIconv(name, "UTF-8"));
  if (Number <= 0 || toUtf8 == nullptr || fromUtf8 == nullptr) return std::nullopt;
  return CodePage(Number, std::move(toUtf8), std::move(fromUtf8));
}

std::string CodePage::ToUtf8(std::string_view Bytes) const {
  std::string out;
  Convert(toUtf8_.get(), Bytes, out, [](std::string& Out) {
    Out += "\xEF\xBF\xBD";
    return true;
  });
  return out;
}

std::optional<std::string> CodePage::FromUtf8(std::string_view Text) const {
  std::string out;
  if (!Convert(fromUtf8_.get(), Text, out, [](std::string&) { return false; })) return std::nullopt;
  return out;
}

}  // namespace captioneer
