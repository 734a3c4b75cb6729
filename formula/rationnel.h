#pragma once
// Exact rational numbers for the formula language. Small values are kept as
// a reduced fraction of machine integers, larger ones in GMP, so that the
// common case never allocates. Every operation that could fail or grow
// without bound (division by zero, a power whose result would pass the digit
// cap) answers "no value" instead.

#include <gmpxx.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class Rationnel {
public:
    // A power whose result would have more digits than this stays unevaluated.
    static constexpr int PLAFOND_CHIFFRES = 30;

    Rationnel() = default;
    explicit Rationnel(std::int64_t entier) { *this = fraction(entier, 1); }
    explicit Rationnel(const mpq_class &valeur);
    Rationnel(const Rationnel &autre);
    Rationnel(Rationnel &&) noexcept = default;
    Rationnel &operator=(const Rationnel &autre);
    Rationnel &operator=(Rationnel &&) noexcept = default;
    ~Rationnel() = default;

    // Reads digits with at most one "."; no value for anything else.
    static std::optional<Rationnel> depuis_decimal(std::string_view chiffres);

    friend Rationnel operator+(const Rationnel &a, const Rationnel &b);
    friend Rationnel operator-(const Rationnel &a, const Rationnel &b) { return a + (-b); }
    friend Rationnel operator*(const Rationnel &a, const Rationnel &b);
    Rationnel operator-() const;
    Rationnel &operator+=(const Rationnel &b) { return *this = *this + b; }
    Rationnel &operator*=(const Rationnel &b) { return *this = *this * b; }

    friend bool operator==(const Rationnel &a, const Rationnel &b);
    friend bool operator<(const Rationnel &a, const Rationnel &b);

    std::optional<Rationnel> inverse() const;
    std::optional<Rationnel> divise(const Rationnel &diviseur) const;
    // this^exposant for an integer exponent, when the result stays within the cap.
    std::optional<Rationnel> puissance(const Rationnel &exposant) const;
    // The exact square root when this is the square of a rational.
    std::optional<Rationnel> racine_carree() const;
    Rationnel valeur_absolue() const { return signe() < 0 ? -*this : *this; }

    bool est_nul() const { return !grand_ && p_ == 0; }
    bool est_un() const { return !grand_ && p_ == 1 && q_ == 1; }
    bool est_entier() const { return grand_ ? grand_->get_den() == 1 : q_ == 1; }
    int signe() const { return grand_ ? sgn(*grand_) : (p_ > 0) - (p_ < 0); }
    // More digits above or below the bar than the cap allows a power.
    bool depasse_plafond() const;
    // Half of an integer, truncated toward zero.
    Rationnel moitie_entiere() const;
    Rationnel numerateur() const;
    Rationnel denominateur() const;
    double en_double() const;

    // "p" or "p/q", sign in front.
    std::string en_texte() const;
    // The decimal writing when the expansion is finite ("0.75"), else no value.
    std::optional<std::string> en_decimal() const;

private:
    // Reduced, q_ > 0, both within 32 bits, when grand_ is empty.
    std::int64_t p_ = 0;
    std::int64_t q_ = 1;
    std::unique_ptr<mpq_class> grand_;

    // Reduces p/q (q != 0) and keeps it small when it fits.
    static Rationnel fraction(std::int64_t p, std::int64_t q);
    mpq_class en_gmp() const;
};
