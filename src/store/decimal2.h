#pragma once

#include <QMetaType>
#include <QString>
#include <QStringView>
#include <QVariant>

#include <compare>
#include <cstdint>
#include <optional>

// Money, quantities, discount factors and points: a whole number of hundredths.
// Sums of many lines stay exact, which floating point does not guarantee.
class Decimal2 {
public:
    constexpr Decimal2() = default;

    static constexpr Decimal2 fromCents(std::int64_t cents) {
        Decimal2 d;
        d.cents_ = cents;
        return d;
    }
    static constexpr Decimal2 fromUnits(std::int64_t units) { return fromCents(units * 100); }

    // Decimal text ("12.5", "-0.345", "1e3"); more than two places round half away from zero.
    static std::optional<Decimal2> parse(QStringView text);
    // Rounded to cents as the decimal the value was meant to be (2.345 gives 2.35).
    static Decimal2 fromDouble(double value);
    // What a query returns: text, a number or null (null reads as zero).
    static Decimal2 fromVariant(const QVariant& value);

    constexpr std::int64_t cents() const { return cents_; }
    double toDouble() const { return static_cast<double>(cents_) / 100.0; }
    QString toString() const;
    constexpr bool isZero() const { return cents_ == 0; }

    constexpr Decimal2 operator-() const { return fromCents(-cents_); }
    constexpr Decimal2 operator+(Decimal2 o) const { return fromCents(cents_ + o.cents_); }
    constexpr Decimal2 operator-(Decimal2 o) const { return fromCents(cents_ - o.cents_); }
    constexpr Decimal2& operator+=(Decimal2 o) {
        cents_ += o.cents_;
        return *this;
    }
    constexpr Decimal2& operator-=(Decimal2 o) {
        cents_ -= o.cents_;
        return *this;
    }
    constexpr auto operator<=>(const Decimal2&) const = default;

private:
    std::int64_t cents_ = 0;
};

Q_DECLARE_METATYPE(Decimal2)
