#pragma once

#include <cstdint>
#include <initializer_list>

// A small set of enumeration values, one bit each (the enumerations here have few members).
template <typename E> class TSet
{
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> items)
    {
        for (E e : items)
            m_bits |= bit(e);
    }
    constexpr bool contains(E e) const { return (m_bits & bit(e)) != 0; }
    constexpr TSet& operator<<(E e)
    {
        m_bits |= bit(e);
        return *this;
    }
    constexpr TSet& remove(E e)
    {
        m_bits &= ~bit(e);
        return *this;
    }
    constexpr bool empty() const { return m_bits == 0; }
    constexpr std::uint32_t bits() const { return m_bits; }
    friend constexpr bool operator==(TSet a, TSet b) { return a.m_bits == b.m_bits; }
    friend constexpr TSet operator|(TSet a, TSet b)
    {
        TSet r;
        r.m_bits = a.m_bits | b.m_bits;
        return r;
    }

private:
    static constexpr std::uint32_t bit(E e) { return std::uint32_t(1) << static_cast<int>(e); }
    std::uint32_t m_bits = 0;
};
