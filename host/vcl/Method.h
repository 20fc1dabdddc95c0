// TMethod: a method of an object, as events hold it (code and instance), and
// TEvent, a typed event that calls one.
//
// The code of a method is the address of a small function that calls the
// member function on the instance; MethodCode<&TForm1::Button1Click>() gives
// the same address every time, so a form's published-method table can map
// it back to the method's name when a form is written.
#pragma once

#include <typeinfo>
#include <utility>

#include "vcl/Object.h"

namespace vcl {

// An opaque code address; cast back to its real type only by TEvent.
using TMethodCode = void (*)();

struct TMethod {
  TMethodCode Code = nullptr;
  TObject* Data = nullptr;

  explicit operator bool() const { return Code != nullptr; }
  bool operator==(const TMethod&) const = default;
};

namespace detail {
template <typename F>
struct MemberFunction;
template <typename C, typename... Args>
struct MemberFunction<void (C::*)(Args...)> {
  using Class = C;
  using Signature = void(Args...);
  template <void (C::*M)(Args...)>
  static void Call(TObject* Self, Args... A) {
    (static_cast<C*>(Self)->*M)(std::forward<Args>(A)...);
  }
};
}  // namespace detail

// The code address of the member function M (a void member function of a
// TObject descendant).
template <auto M>
TMethodCode MethodCode() {
  using Traits = detail::MemberFunction<decltype(M)>;
  return reinterpret_cast<TMethodCode>(&Traits::template Call<M>);
}

// The method M of Instance.
template <auto M>
TMethod MakeMethod(typename detail::MemberFunction<decltype(M)>::Class* Instance) {
  return TMethod{MethodCode<M>(), Instance};
}

// The parameter list of methods made by MakeMethod<M>, for checking that a
// method fits an event when a form is read.
template <auto M>
const std::type_info& MethodSignature() {
  return typeid(typename detail::MemberFunction<decltype(M)>::Signature);
}

template <typename Signature>
class TEvent;

// An event whose handlers take Args. Calling an unassigned event does nothing.
template <typename... Args>
class TEvent<void(Args...)> {
 public:
  TEvent() = default;
  TEvent(const TMethod& Method) : method_(Method) {}  // NOLINT: events convert like the host's method pointers
  operator TMethod() const { return method_; }        // NOLINT
  explicit operator bool() const { return static_cast<bool>(method_); }
  bool operator==(const TEvent&) const = default;

  void operator()(Args... A) const {
    if (method_.Code != nullptr)
      reinterpret_cast<void (*)(TObject*, Args...)>(method_.Code)(method_.Data, std::forward<Args>(A)...);
  }

  static const std::type_info& Signature() { return typeid(void(Args...)); }

 private:
  TMethod method_;
};

}  // namespace vcl

namespace vcl {

// One entry of a class's published-method table: the methods a form offers
// to its components' events by name.
struct TMethodInfo {
  AnsiString Name;
  TMethodCode Code;
  const std::type_info* Signature;
};

// PublishedMethod<&TForm1::Captioneer1Translate>("Captioneer1Translate")
template <auto M>
TMethodInfo PublishedMethod(const AnsiString& Name) {
  return TMethodInfo{Name, MethodCode<M>(), &MethodSignature<M>()};
}

}  // namespace vcl
