#pragma once
// A small set of enumeration values, the shape of the framework's flag sets
// (control style, component state, anchors, font style...). Enumerations used
// with it number their values from 0 to 31.

#include <cstdint>
#include <initializer_list>

template <typename E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> items) {
    for (E item : items) FBits |= Bit(item);
  }

  static constexpr TSet FromBits(uint32_t bits) {
    TSet result;
    result.FBits = bits;
    return result;
  }

  constexpr uint32_t Bits() const { return FBits; }
  constexpr bool Contains(E item) const { return (FBits & Bit(item)) != 0; }
  constexpr bool Empty() const { return FBits == 0; }

  constexpr TSet& Include(E item) {
    FBits |= Bit(item);
    return *this;
  }
  constexpr TSet& Exclude(E item) {
    FBits &= ~Bit(item);
    return *this;
  }

  constexpr TSet operator+(TSet other) const { return FromBits(FBits | other.FBits); }
  constexpr TSet operator-(TSet other) const { return FromBits(FBits & ~other.FBits); }
  constexpr TSet operator*(TSet other) const { return FromBits(FBits & other.FBits); }
  constexpr bool operator==(const TSet&) const = default;

 private:
  static constexpr uint32_t Bit(E item) { return uint32_t{1} << static_cast<unsigned>(item); }
  uint32_t FBits = 0;
};
