#include "formula/rationnel.h"

#include <cmath>
#include <limits>
#include <numeric>

namespace {

constexpr std::int64_t PETIT = std::numeric_limits<std::int32_t>::max();

bool petit(std::int64_t v) { return v >= -PETIT && v <= PETIT; }

// log10 of a positive integer, from its leading bits.
double log10_entier(const mpz_class &n)
{
    long exposant = 0;
    const double mantisse = mpz_get_d_2exp(&exposant, n.get_mpz_t());
    return std::log10(mantisse) + static_cast<double>(exposant) * std::log10(2.0);
}

} // namespace

Rationnel::Rationnel(const mpq_class &valeur)
{
    mpq_class v(valeur);
    v.canonicalize();
    if (v.get_num().fits_sint_p() && v.get_den().fits_sint_p()) {
        p_ = v.get_num().get_si();
        q_ = v.get_den().get_si();
    } else {
        grand_ = std::make_unique<mpq_class>(std::move(v));
    }
}

Rationnel::Rationnel(const Rationnel &autre)
    : p_(autre.p_), q_(autre.q_), grand_(autre.grand_ ? std::make_unique<mpq_class>(*autre.grand_) : nullptr)
{
}

Rationnel &Rationnel::operator=(const Rationnel &autre)
{
    if (this != &autre) {
        p_ = autre.p_;
        q_ = autre.q_;
        grand_ = autre.grand_ ? std::make_unique<mpq_class>(*autre.grand_) : nullptr;
    }
    return *this;
}

Rationnel Rationnel::fraction(std::int64_t p, std::int64_t q)
{
    if (q < 0) {
        p = -p;
        q = -q;
    }
    const std::int64_t d = q == 1 ? 1 : std::gcd(p, q);
    if (d > 1) {
        p /= d;
        q /= d;
    }
    if (petit(p) && petit(q)) {
        Rationnel r;
        r.p_ = p;
        r.q_ = q;
        return r;
    }
    return Rationnel(mpq_class(mpz_class(static_cast<long>(p)), mpz_class(static_cast<long>(q))));
}

mpq_class Rationnel::en_gmp() const
{
    if (grand_)
        return *grand_;
    return mpq_class(mpz_class(static_cast<long>(p_)), mpz_class(static_cast<long>(q_)));
}

// Both parts within 32 bits: every product below fits in 64 bits.
Rationnel operator+(const Rationnel &a, const Rationnel &b)
{
    if (!a.grand_ && !b.grand_)
        return Rationnel::fraction(a.p_ * b.q_ + b.p_ * a.q_, a.q_ * b.q_);
    return Rationnel(mpq_class(a.en_gmp() + b.en_gmp()));
}

Rationnel operator*(const Rationnel &a, const Rationnel &b)
{
    if (!a.grand_ && !b.grand_)
        return Rationnel::fraction(a.p_ * b.p_, a.q_ * b.q_);
    return Rationnel(mpq_class(a.en_gmp() * b.en_gmp()));
}

Rationnel Rationnel::operator-() const
{
    if (!grand_)
        return fraction(-p_, q_);
    return Rationnel(mpq_class(-*grand_));
}

bool operator==(const Rationnel &a, const Rationnel &b)
{
    if (!a.grand_ && !b.grand_)
        return a.p_ == b.p_ && a.q_ == b.q_;
    return a.en_gmp() == b.en_gmp();
}

bool operator<(const Rationnel &a, const Rationnel &b)
{
    if (!a.grand_ && !b.grand_)
        return a.p_ * b.q_ < b.p_ * a.q_;
    return a.en_gmp() < b.en_gmp();
}

std::optional<Rationnel> Rationnel::depuis_decimal(std::string_view chiffres)
{
    std::string entier;
    std::int64_t petit_entier = 0;
    std::int64_t puissance_de_dix = 1;
    std::size_t decimales = 0;
    bool point = false;
    for (char c : chiffres) {
        if (c == '.') {
            if (point)
                return std::nullopt;
            point = true;
        } else if (c >= '0' && c <= '9') {
            entier += c;
            if (entier.size() <= 9)
                petit_entier = petit_entier * 10 + (c - '0');
            if (point && ++decimales <= 9)
                puissance_de_dix *= 10;
        } else {
            return std::nullopt;
        }
    }
    if (entier.empty())
        return std::nullopt;
    if (entier.size() <= 9)
        return fraction(petit_entier, puissance_de_dix);
    mpz_class numerateur(entier, 10);
    mpz_class denominateur;
    mpz_ui_pow_ui(denominateur.get_mpz_t(), 10, decimales);
    return Rationnel(mpq_class(numerateur, denominateur));
}

std::optional<Rationnel> Rationnel::inverse() const
{
    if (est_nul())
        return std::nullopt;
    if (!grand_)
        return fraction(q_, p_);
    return Rationnel(mpq_class(1 / *grand_));
}

std::optional<Rationnel> Rationnel::divise(const Rationnel &diviseur) const
{
    auto inverse_diviseur = diviseur.inverse();
    if (!inverse_diviseur)
        return std::nullopt;
    return *this * *inverse_diviseur;
}

std::optional<Rationnel> Rationnel::puissance(const Rationnel &exposant) const
{
    if (!exposant.est_entier())
        return std::nullopt;
    const int signe_exposant = exposant.signe();
    if (est_nul())
        return signe_exposant > 0 ? std::optional<Rationnel>(Rationnel()) : std::nullopt;
    if (signe_exposant == 0)
        return Rationnel(1);
    if (!grand_ && !exposant.grand_ && exposant.p_ <= 30 && exposant.p_ >= -30) {
        // Small values: multiply while the result stays small.
        Rationnel r(1);
        for (std::int64_t k = 0; k < std::abs(exposant.p_) && !r.grand_; ++k)
            r = r * *this;
        if (!r.grand_)
            return signe_exposant > 0 ? std::optional<Rationnel>(r) : r.inverse();
    }
    const mpq_class valeur = en_gmp();
    const mpz_class n = exposant.en_gmp().get_num();
    if (abs(valeur) == 1) {
        const bool impair = mpz_odd_p(n.get_mpz_t()) != 0;
        return Rationnel(signe() < 0 && impair ? -1 : 1);
    }
    // Estimate the digits of the result before computing anything.
    const double chiffres_base = std::max(log10_entier(abs(valeur.get_num())), log10_entier(valeur.get_den()));
    if (std::fabs(n.get_d()) * chiffres_base >= PLAFOND_CHIFFRES)
        return std::nullopt;
    const unsigned long k = mpz_class(abs(n)).get_ui();
    mpz_class haut, bas;
    mpz_pow_ui(haut.get_mpz_t(), valeur.get_num().get_mpz_t(), k);
    mpz_pow_ui(bas.get_mpz_t(), valeur.get_den().get_mpz_t(), k);
    if (signe_exposant < 0)
        std::swap(haut, bas);
    return Rationnel(mpq_class(haut, bas));
}

bool Rationnel::depasse_plafond() const
{
    return grand_ && std::max(log10_entier(abs(grand_->get_num())), log10_entier(grand_->get_den())) >= PLAFOND_CHIFFRES;
}

std::optional<Rationnel> Rationnel::racine_carree() const
{
    if (signe() < 0)
        return std::nullopt;
    const mpq_class valeur = en_gmp();
    const mpz_class &haut = valeur.get_num();
    const mpz_class &bas = valeur.get_den();
    if (!mpz_perfect_square_p(haut.get_mpz_t()) || !mpz_perfect_square_p(bas.get_mpz_t()))
        return std::nullopt;
    return Rationnel(mpq_class(sqrt(haut), sqrt(bas)));
}

Rationnel Rationnel::moitie_entiere() const
{
    if (!grand_)
        return fraction(p_ / q_ / 2, 1);
    mpz_class moitie;
    mpz_tdiv_q_2exp(moitie.get_mpz_t(), grand_->get_num().get_mpz_t(), 1);
    return Rationnel(mpq_class(moitie));
}

Rationnel Rationnel::numerateur() const
{
    return grand_ ? Rationnel(mpq_class(grand_->get_num())) : fraction(p_, 1);
}

Rationnel Rationnel::denominateur() const
{
    return grand_ ? Rationnel(mpq_class(grand_->get_den())) : fraction(q_, 1);
}

double Rationnel::en_double() const
{
    return grand_ ? grand_->get_d() : static_cast<double>(p_) / static_cast<double>(q_);
}

std::string Rationnel::en_texte() const
{
    if (grand_)
        return grand_->get_str(10);
    return q_ == 1 ? std::to_string(p_) : std::to_string(p_) + "/" + std::to_string(q_);
}

std::optional<std::string> Rationnel::en_decimal() const
{
    const mpq_class valeur = en_gmp();
    mpz_class bas = valeur.get_den();
    const unsigned long deux = mpz_scan1(bas.get_mpz_t(), 0);
    mpz_tdiv_q_2exp(bas.get_mpz_t(), bas.get_mpz_t(), deux);
    unsigned long cinq = 0;
    while (mpz_divisible_ui_p(bas.get_mpz_t(), 5)) {
        mpz_divexact_ui(bas.get_mpz_t(), bas.get_mpz_t(), 5);
        ++cinq;
    }
    if (bas != 1)
        return std::nullopt;
    const unsigned long decimales = std::max(deux, cinq);
    mpz_class echelle;
    mpz_ui_pow_ui(echelle.get_mpz_t(), 10, decimales);
    const mpz_class entier = abs(valeur.get_num()) * (echelle / valeur.get_den());
    std::string chiffres = entier.get_str(10);
    std::string texte = signe() < 0 ? "-" : "";
    if (decimales == 0)
        return texte + chiffres;
    if (chiffres.size() <= decimales)
        chiffres.insert(0, decimales + 1 - chiffres.size(), '0');
    texte += chiffres.substr(0, chiffres.size() - decimales) + "." + chiffres.substr(chiffres.size() - decimales);
    return texte;
}
