// Pascal-style sets over small enumerations, held in as many bytes as the
// host would use (one byte for up to eight members).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace vcl {

template <typename E, int Members>
class TSet {
  static_assert(Members > 0 && Members <= 32);

 public:
  using Bits = std::conditional_t<(Members <= 8), std::uint8_t,
               std::conditional_t<(Members <= 16), std::uint16_t, std::uint32_t>>;

  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> members) {
    for (E m : members) bits_ |= bit(m);
  }
  static constexpr TSet FromBits(Bits bits) {
    TSet s;
    s.bits_ = bits;
    return s;
  }

  constexpr bool Contains(E m) const { return (bits_ & bit(m)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr Bits ToBits() const { return bits_; }

  constexpr TSet& operator+=(E m) { bits_ |= bit(m); return *this; }
  constexpr TSet& operator-=(E m) { bits_ &= static_cast<Bits>(~bit(m)); return *this; }
  constexpr TSet operator+(TSet o) const { return FromBits(bits_ | o.bits_); }
  constexpr bool operator==(const TSet&) const = default;

 private:
  static constexpr Bits bit(E m) { return static_cast<Bits>(Bits{1} << static_cast<int>(m)); }
  Bits bits_ = 0;
};

}  // namespace vcl
