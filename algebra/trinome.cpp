#include "algebra/trinome.h"

#include <array>
#include <optional>

#include <gmpxx.h>

#include "formula/forme_normale.h"
#include "formula/lecteur.h"
#include "formula/normalise.h"

namespace {


// Square factors searched up to this prime: a pupil's discriminant is far
// smaller, and a larger one keeps its factor under the root, still exact.
constexpr unsigned long PLUS_GRAND_FACTEUR_CHERCHE = 1000;

// a, b, c of a x^2 + b x + c.
using Coefficients = std::array<mpq_class, 3>;

// The coefficients when the text reduces to a sum of at least two terms in
// x^2, x and numbers, with a x^2 term.
std::optional<Coefficients> coefficients(std::string_view texte)
{
    const std::optional<Arbre> arbre = lis_formule(texte);
    if (!arbre || arbre->racine < 0)
        return std::nullopt;
    const std::optional<Somme> somme = forme_algebrique(*arbre, arbre->racine, Reduction::complete);
    if (!somme || somme->termes.size() < 2)
        return std::nullopt;
    Coefficients c;
    for (const Terme &terme : somme->termes) {
        int degre = 0;
        if (!terme.est_nombre()) {
            const Facteur &f = terme.facteurs.front();
            if (terme.facteurs.size() != 1 || f.base.genre != Base::Genre::lettre || f.base.nom != "x")
                return std::nullopt;
            if (f.exposant == Rationnel(1))
                degre = 1;
            else if (f.exposant == Rationnel(2))
                degre = 2;
            else
                return std::nullopt;
        }
        c[static_cast<std::size_t>(2 - degre)] += valeur_exacte(terme.coefficient);
    }
    if (c[0] == 0)
        return std::nullopt;
    return c;
}

std::string entre_parentheses(const mpq_class &q)
{
    return "(" + q.get_str() + ")";
}

// n = m^2 * s with s free of the squares of small primes.
void extrait_carres(mpz_class &n, mpz_class &m)
{
    m = 1;
    for (unsigned long p = 2; p <= PLUS_GRAND_FACTEUR_CHERCHE && p * p <= n; ++p)
        while (mpz_divisible_ui_p(n.get_mpz_t(), p * p)) {
            n /= p * p;
            m *= p;
        }
}

// The exact square root of a non-negative rational, when it has one.
std::optional<mpq_class> racine_rationnelle(const mpq_class &q)
{
    if (!mpz_perfect_square_p(q.get_num_mpz_t()) || !mpz_perfect_square_p(q.get_den_mpz_t()))
        return std::nullopt;
    mpq_class r(sqrt(q.get_num()), sqrt(q.get_den()));
    r.canonicalize();
    return r;
}

// a (q1 x - p1)(q2 x - p2) with each root p/q in lowest terms, the number in
// front divided by q1 q2 so that the factors keep whole coefficients.
std::string produit_rationnel(const mpq_class &a, const mpq_class &r1, const mpq_class &r2)
{
    const auto facteur = [](const mpq_class &r) {
        return "(" + r.get_den().get_str() + "*x-(" + r.get_num().get_str() + "))";
    };
    const mpq_class devant = a / (r1.get_den() * r2.get_den());
    return entre_parentheses(devant) + "*" + facteur(r1) + "*" + facteur(r2);
}

} // namespace

mpq_class valeur_exacte(const Rationnel &r)
{
    return mpq_class(r.en_texte());
}

std::optional<std::string> factorise_trinome(std::string_view trinome, std::string &discriminant)
{
    discriminant.clear();
    const std::optional<Coefficients> c = coefficients(trinome);
    if (!c)
        return std::nullopt;
    const auto &[a, b, k] = *c;
    const mpq_class delta = b * b - 4 * a * k;
    discriminant = delta.get_str();
    if (delta < 0)
        return std::nullopt;
    const mpq_class milieu = -b / (2 * a);

    std::string texte;
    if (delta == 0) {
        texte = entre_parentheses(a) + "*(x-" + entre_parentheses(milieu) + ")^2";
    } else if (const std::optional<mpq_class> r = racine_rationnelle(delta)) {
        const mpq_class ecart = *r / (2 * a);
        texte = produit_rationnel(a, milieu - ecart, milieu + ecart);
    } else {
        // sqrt(p/q) = sqrt(p q) / q, and p q = m^2 s.
        mpz_class s = delta.get_num() * delta.get_den();
        mpz_class m;
        extrait_carres(s, m);
        mpq_class ecart = mpq_class(m, delta.get_den()) / (2 * abs(a));
        ecart.canonicalize();
        const std::string racine = entre_parentheses(ecart) + "*sqrt(" + s.get_str() + ")";
        const std::string x_moins_milieu = "x-" + entre_parentheses(milieu);
        texte = entre_parentheses(a) + "*(" + x_moins_milieu + "-" + racine + ")*(" + x_moins_milieu + "+" +
                racine + ")";
    }
    return normalise(texte);
}

std::optional<std::string> forme_canonique_trinome(std::string_view trinome)
{
    const std::optional<Coefficients> c = coefficients(trinome);
    if (!c || (*c)[1] == 0)
        return std::nullopt;
    const auto &[a, b, k] = *c;
    const mpq_class alpha = -b / (2 * a);
    const mpq_class beta = k - b * b / (4 * a);
    return normalise(entre_parentheses(a) + "*(x-" + entre_parentheses(alpha) + ")^2+" + entre_parentheses(beta));
}
