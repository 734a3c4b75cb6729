#include "formula/imprimeur.h"

#include <algorithm>

namespace {

bool que_des_chiffres(const std::string &t)
{
    return !t.empty() && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A base or an exponent of a power needs no parentheses when it is a whole
// number or a single letter.
std::string entoure_si_besoin(const std::string &t)
{
    const bool seul = que_des_chiffres(t) || (t.size() == 1 && t[0] >= 'a' && t[0] <= 'z');
    return seul ? t : "(" + t + ")";
}

std::string texte_exposant(const Rationnel &exposant)
{
    const std::string t = exposant.en_texte();
    return exposant.est_entier() && exposant.signe() > 0 ? t : "(" + t + ")";
}

bool entoure_avant_puissance(const Base &base, const std::string &texte)
{
    switch (base.genre) {
    case Base::Genre::nombre:
        return !que_des_chiffres(texte);
    case Base::Genre::lettre:
    case Base::Genre::groupe:
    case Base::Genre::fonction:
        return false;
    case Base::Genre::vecteur:
    case Base::Genre::puissance:
        return true;
    }
    return true;
}

std::string imprime_facteur(const Facteur &facteur, const Rationnel &exposant)
{
    const std::string base = imprime_base(facteur.base);
    if (exposant.est_un())
        return base;
    const std::string b = entoure_avant_puissance(facteur.base, base) ? "(" + base + ")" : base;
    return b + "^" + texte_exposant(exposant);
}

void joint(std::string &texte, const std::string &morceau)
{
    if (morceau.empty())
        return;
    if (!texte.empty())
        texte += '*';
    texte += morceau;
}

} // namespace

namespace {

// A decimal writing longer than this reads worse than the fraction.
constexpr std::size_t DECIMALES_LISIBLES = 20;

std::optional<std::string> decimal_lisible(const Rationnel &valeur)
{
    auto d = valeur.en_decimal();
    if (d && d->size() > DECIMALES_LISIBLES)
        return std::nullopt;
    return d;
}

} // namespace

std::string imprime_nombre(const Rationnel &valeur, bool decimal)
{
    if (decimal && !valeur.est_entier()) {
        if (auto d = decimal_lisible(valeur))
            return *d;
    }
    return valeur.en_texte();
}

std::string imprime_base(const Base &base)
{
    switch (base.genre) {
    case Base::Genre::nombre:
        return imprime_nombre(base.valeur, base.decimal);
    case Base::Genre::lettre:
        return base.nom;
    case Base::Genre::vecteur:
        return base.nom + "..arrow";
    case Base::Genre::fonction:
        return base.nom + "(" + imprime(base.arguments[0]) + ")";
    case Base::Genre::groupe:
        return "(" + imprime(base.arguments[0]) + ")";
    case Base::Genre::puissance:
        return entoure_si_besoin(imprime(base.arguments[0])) + "^" + entoure_si_besoin(imprime(base.arguments[1]));
    }
    return {};
}

std::string imprime_terme(const Terme &terme)
{
    const Rationnel &c = terme.coefficient;
    if (terme.est_nombre())
        return imprime_nombre(c, terme.decimal);

    std::string numerateur, denominateur;
    int facteurs_en_bas = 0;
    bool somme_en_haut = false;
    for (const Facteur &f : terme.facteurs) {
        if (f.exposant.signe() > 0) {
            joint(numerateur, imprime_facteur(f, f.exposant));
            somme_en_haut = somme_en_haut || f.base.genre == Base::Genre::groupe;
        } else {
            joint(denominateur, imprime_facteur(f, -f.exposant));
            ++facteurs_en_bas;
        }
    }

    const Rationnel a = c.valeur_absolue();
    const std::string signe = c.signe() < 0 ? "-" : "";
    std::optional<std::string> decimal;
    if (terme.decimal && !a.est_entier())
        decimal = decimal_lisible(a);
    if (a.est_entier() || decimal) {
        const std::string coefficient = a.est_un() ? "" : (decimal ? *decimal : a.en_texte());
        std::string haut = coefficient;
        joint(haut, numerateur);
        if (numerateur.empty() && coefficient.empty())
            haut = "1";
        if (denominateur.empty())
            return signe + haut;
        return signe + haut + "/" + (facteurs_en_bas > 1 ? "(" + denominateur + ")" : denominateur);
    }

    // A fractional coefficient: in front of a plain product, else split
    // between the numerator and the denominator of the quotient.
    if (denominateur.empty() && !somme_en_haut)
        return signe + a.en_texte() + "*" + numerateur;
    std::string haut = a.numerateur().est_un() ? "" : a.numerateur().en_texte();
    joint(haut, numerateur);
    if (haut.empty())
        haut = "1";
    std::string bas = a.denominateur().en_texte();
    joint(bas, denominateur);
    return signe + haut + "/" + (facteurs_en_bas > 0 ? "(" + bas + ")" : bas);
}

std::string imprime(const Somme &somme)
{
    if (somme.termes.empty())
        return "0";
    std::string texte;
    for (const Terme &t : somme.termes) {
        std::string morceau = imprime_terme(t);
        if (!texte.empty() && morceau[0] != '-')
            texte += '+';
        texte += morceau;
    }
    return texte;
}
