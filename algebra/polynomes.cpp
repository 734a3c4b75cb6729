#include "algebra/polynomes.h"

#include <algorithm>

#include "algebra/trinome.h"
#include "formula/forme_normale.h"
#include "formula/lecteur.h"
#include "formula/normalise.h"

namespace {

// Past this degree a text is no pupil's polynomial, and developing it could
// grow without bound.
constexpr std::size_t DEGRE_MAXIMAL = 12;
// Whole numbers whose divisors are tried as rational roots.
const mpz_class PLUS_GRAND_ESSAYE = 1000000;

void elague(PolynomeExact &p)
{
    while (!p.empty() && p.back() == 0)
        p.pop_back();
}

std::optional<PolynomeExact> produit(const PolynomeExact &a, const PolynomeExact &b)
{
    if (a.empty() || b.empty())
        return PolynomeExact{};
    if (a.size() + b.size() - 2 > DEGRE_MAXIMAL)
        return std::nullopt;
    PolynomeExact r(a.size() + b.size() - 1);
    for (std::size_t i = 0; i < a.size(); ++i)
        for (std::size_t j = 0; j < b.size(); ++j)
            r[i + j] += a[i] * b[j];
    elague(r);
    return r;
}

std::optional<PolynomeExact> depuis_somme(const Somme &somme)
{
    PolynomeExact total;
    for (const Terme &terme : somme.termes) {
        std::optional<PolynomeExact> t = PolynomeExact{valeur_exacte(terme.coefficient)};
        for (const Facteur &f : terme.facteurs) {
            if (!f.exposant.est_entier() || f.exposant.signe() <= 0 ||
                f.exposant.en_double() > static_cast<double>(DEGRE_MAXIMAL))
                return std::nullopt;
            std::optional<PolynomeExact> base;
            if (f.base.genre == Base::Genre::lettre && f.base.nom == "x")
                base = PolynomeExact{0, 1};
            else if (f.base.genre == Base::Genre::groupe && f.base.arguments.size() == 1)
                base = depuis_somme(f.base.arguments.front());
            for (int k = static_cast<int>(f.exposant.en_double()); k > 0 && base && t; --k)
                t = produit(*t, *base);
            if (!base || !t)
                return std::nullopt;
        }
        if (t->size() > total.size())
            total.resize(t->size());
        for (std::size_t i = 0; i < t->size(); ++i)
            total[i] += (*t)[i];
    }
    elague(total);
    return total;
}

// The polynomial divided by its content: whole coprime coefficients, the
// leading one positive; the content is returned.
mpq_class rend_primitif(PolynomeExact &p)
{
    mpz_class denominateurs = 1, numerateurs = 0;
    for (const mpq_class &c : p) {
        denominateurs = lcm(denominateurs, c.get_den());
        numerateurs = gcd(numerateurs, c.get_num());
    }
    mpq_class contenu(numerateurs, denominateurs);
    contenu.canonicalize();
    if (p.back() < 0)
        contenu = -contenu;
    for (mpq_class &c : p)
        c /= contenu;
    return contenu;
}

// The positive divisors of a whole number, none when it is too large to try.
std::vector<mpz_class> diviseurs(const mpz_class &n)
{
    std::vector<mpz_class> d;
    const mpz_class a = abs(n);
    if (a > PLUS_GRAND_ESSAYE)
        return d;
    for (mpz_class k = 1; k * k <= a; ++k)
        if (a % k == 0) {
            d.push_back(k);
            if (k * k != a)
                d.push_back(a / k);
        }
    return d;
}

// A factor q x - p of the primitive polynomial, when it has a rational root.
std::optional<PolynomeExact> facteur_lineaire(const PolynomeExact &p)
{
    if (p.front() == 0)
        return PolynomeExact{0, 1};
    for (const mpz_class &q : diviseurs(p.back().get_num()))
        for (const mpz_class &n : diviseurs(p.front().get_num()))
            for (const mpz_class &r : {mpz_class(n), mpz_class(-n)}) {
                const PolynomeExact facteur{mpq_class(-r), mpq_class(q)};
                if (gcd(r, q) == 1 && quotient_exact(p, facteur))
                    return facteur;
            }
    return std::nullopt;
}

} // namespace

std::optional<PolynomeExact> polynome_exact(std::string_view texte)
{
    const std::optional<Arbre> arbre = lis_formule(texte);
    if (!arbre || arbre->racine < 0)
        return std::nullopt;
    const std::optional<Somme> forme = forme_algebrique(*arbre, arbre->racine, Reduction::complete);
    return forme ? depuis_somme(*forme) : std::nullopt;
}

std::optional<PolynomeExact> quotient_exact(const PolynomeExact &a, const PolynomeExact &b)
{
    if (b.empty())
        return std::nullopt;
    if (a.size() < b.size())
        return a.empty() ? std::optional(PolynomeExact{}) : std::nullopt;
    PolynomeExact reste = a, quotient(a.size() - b.size() + 1);
    for (std::size_t k = quotient.size(); k-- > 0;) {
        const mpq_class c = reste[k + b.size() - 1] / b.back();
        quotient[k] = c;
        for (std::size_t j = 0; j < b.size(); ++j)
            reste[k + j] -= c * b[j];
    }
    elague(reste);
    if (!reste.empty())
        return std::nullopt;
    elague(quotient);
    return quotient;
}

std::string ecrit_polynome(const PolynomeExact &p)
{
    std::string texte = "0";
    for (std::size_t k = 0; k < p.size(); ++k)
        if (p[k] != 0)
            texte += "+(" + p[k].get_str() + ")*x^" + std::to_string(k);
    return normalise(texte);
}

Factorisee decompose(PolynomeExact p)
{
    Factorisee f;
    if (p.empty()) {
        f.nombre = 0;
        return f;
    }
    f.nombre = rend_primitif(p);
    while (p.size() > 1) {
        std::optional<PolynomeExact> facteur = facteur_lineaire(p);
        if (!facteur)
            facteur = p;
        p = *quotient_exact(p, *facteur);
        const auto deja = std::find_if(f.facteurs.begin(), f.facteurs.end(),
                                       [&](const auto &g) { return g.first == *facteur; });
        if (deja != f.facteurs.end())
            ++deja->second;
        else
            f.facteurs.push_back({*facteur, 1});
    }
    // What is left is a number: the content of the factors is 1 or -1.
    f.nombre *= p.front();
    return f;
}
