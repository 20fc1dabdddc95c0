// Conversion between a Windows code page (the host's 8-bit texts) and UTF-8
// (the terminal), through glibc's iconv.
#pragma once

#include <iconv.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace captioneer {

class CodePage {
 public:
  // The converter for code page Number (1252, 1251, 932, ...); none when
  // iconv knows no "CP<Number>".
  static std::optional<CodePage> Open(int Number);

  int Number() const { return number_; }

  // Bytes of this code page as UTF-8. A byte (or byte sequence) that the
  // code page does not define becomes U+FFFD, so display never fails.
  std::string ToUtf8(std::string_view Bytes) const;
  // UTF-8 text as bytes of this code page; none when the text is not UTF-8
  // or holds a character the code page cannot write.
  std::optional<std::string> FromUtf8(std::string_view Text) const;

 private:
  struct Close {
    void operator()(void* Descriptor) const;
  };
  using Descriptor = std::unique_ptr<void, Close>;

  CodePage(int Number, Descriptor ToUtf8, Descriptor FromUtf8)
      : number_(Number), toUtf8_(std::move(ToUtf8)), fromUtf8_(std::move(FromUtf8)) {}

  int number_;
  Descriptor toUtf8_;
  Descriptor fromUtf8_;
};

}  // namespace captioneer
