#pragma once

#include <cstdint>

#include "store/decimal2.h"

// A product of two Decimal2 values, kept exactly in ten-thousandths until the
// rule that needs it rounds it back to cents.
struct Decimal4 {
    std::int64_t tenThousandths = 0;

    static constexpr Decimal4 product(Decimal2 a, Decimal2 b) { return {a.cents() * b.cents()}; }
    static constexpr Decimal4 from(Decimal2 a) { return {a.cents() * 100}; }
    constexpr Decimal4 operator-(Decimal4 o) const { return {tenThousandths - o.tenThousandths}; }
};

// Rounds to cents, halves away from zero: 2.345 gives 2.35, -1.234 gives -1.23.
// Adding half a cent and truncating would move every negative value up by a
// cent (-60.00 would become -59.99), so negatives round on their magnitude.
constexpr Decimal2 ToCents(Decimal4 x) {
    const std::int64_t magnitude = x.tenThousandths < 0 ? -x.tenThousandths : x.tenThousandths;
    const std::int64_t cents = (magnitude + 50) / 100;
    return Decimal2::fromCents(x.tenThousandths < 0 ? -cents : cents);
}

// A quotient rounded to cents, halves away from zero (points per money, an
// average cost). The divisor must not be zero.
constexpr Decimal2 DivideToCents(Decimal2 amount, Decimal2 divisor) {
    const std::int64_t numerator = amount.cents() * 100;
    std::int64_t quotient = numerator / divisor.cents();
    const std::int64_t remainder = numerator % divisor.cents();
    if (2 * (remainder < 0 ? -remainder : remainder) >=
        (divisor.cents() < 0 ? -divisor.cents() : divisor.cents())) {
        quotient += (numerator < 0) != (divisor.cents() < 0) ? -1 : 1;
    }
    return Decimal2::fromCents(quotient);
}
