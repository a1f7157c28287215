#pragma once

#include <cstdint>
#include <initializer_list>

// A set of the values of an unscoped enumeration whose values are 0 … 63, stored as bits the
// way the template format stores sets (bit n for the value n).
template <typename E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> values)
    {
        for (E v : values)
            FBits |= bit(v);
    }
    static constexpr TSet fromBits(uint64_t bits)
    {
        TSet s;
        s.FBits = bits;
        return s;
    }

    constexpr bool contains(E v) const { return (FBits & bit(v)) != 0; }
    constexpr bool isEmpty() const { return FBits == 0; }
    constexpr uint64_t bits() const { return FBits; }

    constexpr TSet& include(E v)
    {
        FBits |= bit(v);
        return *this;
    }
    constexpr TSet& exclude(E v)
    {
        FBits &= ~bit(v);
        return *this;
    }
    constexpr TSet operator+(TSet other) const { return fromBits(FBits | other.FBits); }
    constexpr TSet operator-(TSet other) const { return fromBits(FBits & ~other.FBits); }
    constexpr TSet operator*(TSet other) const { return fromBits(FBits & other.FBits); }
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr uint64_t bit(E v) { return uint64_t{1} << static_cast<unsigned>(v); }
    uint64_t FBits = 0;
};
