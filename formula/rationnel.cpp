#include "formula/rationnel.h"

#include <cmath>

namespace {

// log10 of a positive integer, from its leading bits.
double log10_entier(const mpz_class &n)
{
    long exposant = 0;
    const double mantisse = mpz_get_d_2exp(&exposant, n.get_mpz_t());
    return std::log10(mantisse) + static_cast<double>(exposant) * std::log10(2.0);
}

} // namespace

std::optional<Rationnel> Rationnel::depuis_decimal(std::string_view chiffres)
{
    std::string entier;
    std::size_t decimales = 0;
    bool point = false;
    for (char c : chiffres) {
        if (c == '.') {
            if (point)
                return std::nullopt;
            point = true;
        } else if (c >= '0' && c <= '9') {
            entier += c;
            if (point)
                ++decimales;
        } else {
            return std::nullopt;
        }
    }
    if (entier.empty())
        return std::nullopt;
    mpz_class numerateur(entier, 10);
    mpz_class denominateur;
    mpz_ui_pow_ui(denominateur.get_mpz_t(), 10, decimales);
    return Rationnel(mpq_class(numerateur, denominateur));
}

std::optional<Rationnel> Rationnel::inverse() const
{
    if (est_nul())
        return std::nullopt;
    return Rationnel(mpq_class(1 / valeur_));
}

std::optional<Rationnel> Rationnel::divise(const Rationnel &diviseur) const
{
    if (diviseur.est_nul())
        return std::nullopt;
    return Rationnel(mpq_class(valeur_ / diviseur.valeur_));
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
    const mpz_class &n = exposant.valeur_.get_num();
    if (abs(valeur_) == 1) {
        const bool impair = mpz_odd_p(n.get_mpz_t()) != 0;
        return Rationnel(signe() < 0 && impair ? -1 : 1);
    }
    // Estimate the digits of the result before computing anything.
    const double chiffres_base = std::max(log10_entier(abs(valeur_.get_num())), log10_entier(valeur_.get_den()));
    const double fois = std::fabs(n.get_d());
    if (fois * chiffres_base >= PLAFOND_CHIFFRES)
        return std::nullopt;
    const unsigned long k = mpz_class(abs(n)).get_ui();
    mpz_class haut, bas;
    mpz_pow_ui(haut.get_mpz_t(), valeur_.get_num().get_mpz_t(), k);
    mpz_pow_ui(bas.get_mpz_t(), valeur_.get_den().get_mpz_t(), k);
    if (signe_exposant < 0)
        std::swap(haut, bas);
    return Rationnel(mpq_class(haut, bas));
}

std::optional<Rationnel> Rationnel::racine_carree() const
{
    if (signe() < 0)
        return std::nullopt;
    const mpz_class &haut = valeur_.get_num();
    const mpz_class &bas = valeur_.get_den();
    if (!mpz_perfect_square_p(haut.get_mpz_t()) || !mpz_perfect_square_p(bas.get_mpz_t()))
        return std::nullopt;
    return Rationnel(mpq_class(sqrt(haut), sqrt(bas)));
}

Rationnel Rationnel::moitie_entiere() const
{
    mpz_class moitie;
    mpz_tdiv_q_2exp(moitie.get_mpz_t(), valeur_.get_num().get_mpz_t(), 1);
    return Rationnel(mpq_class(moitie));
}

std::string Rationnel::en_texte() const { return valeur_.get_str(10); }

std::optional<std::string> Rationnel::en_decimal() const
{
    mpz_class bas = valeur_.get_den();
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
    const mpz_class entier = abs(valeur_.get_num()) * (echelle / valeur_.get_den());
    std::string chiffres = entier.get_str(10);
    std::string texte = signe() < 0 ? "-" : "";
    if (decimales == 0)
        return texte + chiffres;
    if (chiffres.size() <= decimales)
        chiffres.insert(0, decimales + 1 - chiffres.size(), '0');
    texte += chiffres.substr(0, chiffres.size() - decimales) + "." + chiffres.substr(chiffres.size() - decimales);
    return texte;
}
