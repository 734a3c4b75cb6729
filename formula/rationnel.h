#pragma once
// Exact rational numbers for the formula language, over GMP. Every operation
// that could fail or grow without bound (division by zero, a power whose
// result would pass the digit cap) answers "no value" instead.

#include <gmpxx.h>

#include <optional>
#include <string>
#include <string_view>

class Rationnel {
public:
    // A power whose result would have more digits than this stays unevaluated.
    static constexpr int PLAFOND_CHIFFRES = 30;

    Rationnel() = default;
    explicit Rationnel(long entier) : valeur_(entier) {}
    explicit Rationnel(mpq_class valeur) : valeur_(std::move(valeur)) { valeur_.canonicalize(); }

    // Reads digits with at most one "."; no value for anything else.
    static std::optional<Rationnel> depuis_decimal(std::string_view chiffres);

    friend Rationnel operator+(const Rationnel &a, const Rationnel &b) { return Rationnel(mpq_class(a.valeur_ + b.valeur_)); }
    friend Rationnel operator-(const Rationnel &a, const Rationnel &b) { return Rationnel(mpq_class(a.valeur_ - b.valeur_)); }
    friend Rationnel operator*(const Rationnel &a, const Rationnel &b) { return Rationnel(mpq_class(a.valeur_ * b.valeur_)); }
    Rationnel operator-() const { return Rationnel(mpq_class(-valeur_)); }
    Rationnel &operator+=(const Rationnel &b) { valeur_ += b.valeur_; return *this; }
    Rationnel &operator*=(const Rationnel &b) { valeur_ *= b.valeur_; return *this; }

    friend bool operator==(const Rationnel &a, const Rationnel &b) { return a.valeur_ == b.valeur_; }
    friend bool operator<(const Rationnel &a, const Rationnel &b) { return a.valeur_ < b.valeur_; }

    std::optional<Rationnel> inverse() const;
    std::optional<Rationnel> divise(const Rationnel &diviseur) const;
    // this^exposant for an integer exponent, when the result stays within the cap.
    std::optional<Rationnel> puissance(const Rationnel &exposant) const;
    // The exact square root when this is the square of a rational.
    std::optional<Rationnel> racine_carree() const;
    Rationnel valeur_absolue() const { return Rationnel(mpq_class(abs(valeur_))); }

    bool est_nul() const { return sgn(valeur_) == 0; }
    bool est_un() const { return valeur_ == 1; }
    bool est_entier() const { return valeur_.get_den() == 1; }
    int signe() const { return sgn(valeur_); }
    // Half of an integer, truncated toward zero.
    Rationnel moitie_entiere() const;
    Rationnel numerateur() const { return Rationnel(mpq_class(valeur_.get_num())); }
    Rationnel denominateur() const { return Rationnel(mpq_class(valeur_.get_den())); }
    double en_double() const { return valeur_.get_d(); }

    // "p" or "p/q", sign in front.
    std::string en_texte() const;
    // The decimal writing when the expansion is finite ("0.75"), else no value.
    std::optional<std::string> en_decimal() const;

private:
    mpq_class valeur_;
};
