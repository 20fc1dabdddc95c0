// Published properties: what a class exposes to the form reader and writer.
//
// A class's table lists its own properties in declaration order (which is
// the write order); TClassInfo puts the ancestors' tables in front. Each
// entry is built with Published<C>, from a getter and a setter that may be
// member functions or data members of C:
//
//   using P = vcl::Published<TMyComponent>;
//   P::StringProp("Title", &TMyComponent::Title, &TMyComponent::SetTitle),
//   P::IntegerProp("Color", &C::Color, &C::SetColor, vcl::ColorIdents()),
//   P::EnumProp("Pitch", &C::Pitch, &C::SetPitch, {"fpDefault", "fpVariable"}).Default(0),
//   P::StringProp("About", &C::FAbout, &C::FAbout).NotStored(),
//   P::ObjectProp("Font", &C::Font),
//   P::EventProp("OnClick", &C::OnClick, &C::SetOnClick),
#pragma once

#include <functional>
#include <optional>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "vcl/IdentMap.h"
#include "vcl/Method.h"
#include "vcl/Object.h"

namespace vcl {

enum class TTypeKind { tkInteger, tkBoolean, tkEnumeration, tkSet, tkString, tkClass, tkMethod };

// The member names of an enumeration or of a set's base type, by ordinal.
using TEnumNames = std::vector<AnsiString>;

struct TPropInfo {
  AnsiString Name;
  TTypeKind Kind = TTypeKind::tkInteger;
  // Not stored: never written (it is still read when a stream holds it).
  bool Stored = true;
  // Ordinal kinds only: the value that is not written. Without one the
  // property is always written.
  std::optional<Int64> DefaultValue;
  TIdentMap IdentMap;         // tkInteger: names written instead of numbers
  TEnumNames Names;           // tkEnumeration, tkSet
  const std::type_info* Signature = nullptr;  // tkMethod, when the event is typed

  // Ordinal kinds (integer, Boolean 0/1, enumeration ordinal, set bits).
  std::function<Int64(const TObject*)> GetOrd;
  std::function<void(TObject*, Int64)> SetOrd;
  std::function<AnsiString(const TObject*)> GetStr;
  std::function<void(TObject*, const AnsiString&)> SetStr;
  std::function<TPersistent*(const TObject*)> GetObject;
  std::function<TMethod(const TObject*)> GetMethod;
  std::function<void(TObject*, const TMethod&)> SetMethod;

  TPropInfo& NotStored() {
    Stored = false;
    return *this;
  }
  TPropInfo& Default(Int64 Value) {
    DefaultValue = Value;
    return *this;
  }
};

namespace detail {

template <typename T>
Int64 ToOrd(const T& Value) {
  if constexpr (std::is_enum_v<T>)
    return static_cast<Int64>(Value);
  else if constexpr (std::is_integral_v<T>)
    return static_cast<Int64>(Value);
  else
    return static_cast<Int64>(Value.ToBits());
}

template <typename T>
T FromOrd(Int64 Value) {
  if constexpr (std::is_same_v<T, bool>)
    return Value != 0;
  else if constexpr (std::is_enum_v<T> || std::is_integral_v<T>)
    return static_cast<T>(Value);
  else
    return T::FromBits(static_cast<typename T::Bits>(Value));
}

template <typename C, typename G>
decltype(auto) Get(const C& Obj, G Getter) {
  return std::invoke(Getter, Obj);
}

template <typename C, typename S, typename V>
void Put(C& Obj, S Setter, V&& Value) {
  if constexpr (std::is_member_object_pointer_v<S>)
    Obj.*Setter = std::forward<V>(Value);
  else
    std::invoke(Setter, Obj, std::forward<V>(Value));
}

}  // namespace detail

// Builds the property entries of class C.
template <typename C>
struct Published {
  template <typename G, typename S>
  static TPropInfo IntegerProp(const AnsiString& Name, G Getter, S Setter, TIdentMap Map = {}) {
    TPropInfo p = Ordinal(Name, TTypeKind::tkInteger, Getter, Setter);
    p.IdentMap = Map;
    return p;
  }
  template <typename G, typename S>
  static TPropInfo BooleanProp(const AnsiString& Name, G Getter, S Setter) {
    return Ordinal(Name, TTypeKind::tkBoolean, Getter, Setter);
  }
  template <typename G, typename S>
  static TPropInfo EnumProp(const AnsiString& Name, G Getter, S Setter, TEnumNames Names) {
    TPropInfo p = Ordinal(Name, TTypeKind::tkEnumeration, Getter, Setter);
    p.Names = std::move(Names);
    return p;
  }
  // A TSet property; Names are the base enumeration's members.
  template <typename G, typename S>
  static TPropInfo SetProp(const AnsiString& Name, G Getter, S Setter, TEnumNames Names) {
    TPropInfo p = Ordinal(Name, TTypeKind::tkSet, Getter, Setter);
    p.Names = std::move(Names);
    return p;
  }
  template <typename G, typename S>
  static TPropInfo StringProp(const AnsiString& Name, G Getter, S Setter) {
    TPropInfo p;
    p.Name = Name;
    p.Kind = TTypeKind::tkString;
    p.GetStr = [Getter](const TObject* O) { return AnsiString(detail::Get(*static_cast<const C*>(O), Getter)); };
    p.SetStr = [Setter](TObject* O, const AnsiString& V) { detail::Put(*static_cast<C*>(O), Setter, V); };
    return p;
  }
  // A sub-object (TFont, TStrings ...) that the class owns: its properties
  // are written with the prefix "Name." and read into the existing object.
  template <typename G>
  static TPropInfo ObjectProp(const AnsiString& Name, G Getter) {
    TPropInfo p;
    p.Name = Name;
    p.Kind = TTypeKind::tkClass;
    p.GetObject = [Getter](const TObject* O) -> TPersistent* { return detail::Get(*static_cast<const C*>(O), Getter); };
    return p;
  }
  // An event, written as the name of the root's published method it points
  // to. A getter returning TEvent<Sig> makes the reader check the method's
  // parameter list.
  template <typename G, typename S>
  static TPropInfo EventProp(const AnsiString& Name, G Getter, S Setter) {
    using Value = std::decay_t<decltype(detail::Get(std::declval<const C&>(), Getter))>;
    TPropInfo p;
    p.Name = Name;
    p.Kind = TTypeKind::tkMethod;
    if constexpr (!std::is_same_v<Value, TMethod>) p.Signature = &Value::Signature();
    p.GetMethod = [Getter](const TObject* O) { return static_cast<TMethod>(detail::Get(*static_cast<const C*>(O), Getter)); };
    p.SetMethod = [Setter](TObject* O, const TMethod& M) { detail::Put(*static_cast<C*>(O), Setter, Value(M)); };
    return p;
  }

 private:
  template <typename G, typename S>
  static TPropInfo Ordinal(const AnsiString& Name, TTypeKind Kind, G Getter, S Setter) {
    using Value = std::decay_t<decltype(detail::Get(std::declval<const C&>(), Getter))>;
    TPropInfo p;
    p.Name = Name;
    p.Kind = Kind;
    p.GetOrd = [Getter](const TObject* O) { return detail::ToOrd(detail::Get(*static_cast<const C*>(O), Getter)); };
    p.SetOrd = [Setter](TObject* O, Int64 V) { detail::Put(*static_cast<C*>(O), Setter, detail::FromOrd<Value>(V)); };
    return p;
  }
};

}  // namespace vcl
