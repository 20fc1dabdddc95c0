// The host's exception root and the general exception types. Areas declare
// their own (stream errors in Stream.h, list errors in Strings.h).
#pragma once

#include <exception>

#include "vcl/System.h"

namespace vcl {

class Exception : public std::exception {
 public:
  explicit Exception(AnsiString Msg) : message_(std::move(Msg)) {}
  const AnsiString& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  AnsiString message_;
};

// A conversion or assignment between incompatible values.
class EConvertError : public Exception {
  using Exception::Exception;
};

// An operating-system call failed; the message carries the system's text.
class EOSError : public Exception {
 public:
  EOSError(AnsiString Msg, int ErrorCode) : Exception(std::move(Msg)), code_(ErrorCode) {}
  int ErrorCode() const noexcept { return code_; }

 private:
  int code_;
};

}  // namespace vcl
