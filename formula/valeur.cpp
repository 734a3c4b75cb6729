#include "formula/valeur.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "formula/lecteur.h"
#include "formula/vocabulaire.h"

namespace {

constexpr double EPSILON = std::numeric_limits<double>::epsilon();

Valeur indefinie() { return {Definition::indefinie, 0, std::nullopt, 0}; }
Valeur illisible() { return {}; }

Valeur exacte(Rationnel r)
{
    const double v = r.en_double();
    return {std::isfinite(v) ? Definition::definie : Definition::hors_limites, v, std::move(r), 0};
}

// A double with the error its computation may have added to it.
Valeur approchee(double v, double erreur)
{
    if (!std::isfinite(v) || !std::isfinite(erreur))
        return {Definition::hors_limites, v, std::nullopt, 0};
    return {Definition::definie, v + 0.0, std::nullopt, erreur + std::fabs(v) * EPSILON};
}

// The point where the formula is computed: a double, and in exact mode the
// same point as a rational.
struct Point {
    double x;
    const Rationnel *exact;
    char variable;
};

// The fixed value of a letter that is not the variable: 0.37, 0.98, 1.59...
Valeur valeur_de_lettre(char nom, const Point &p)
{
    if (nom == p.variable)
        return p.exact ? exacte(*p.exact) : approchee(p.x, 0);
    const std::int64_t centiemes = 37 + 61 * (nom - 'a');
    if (p.exact)
        return exacte(*Rationnel(centiemes).divise(Rationnel(100)));
    return {Definition::definie, static_cast<double>(centiemes) / 100, std::nullopt, 0};
}

Valeur valeur_de_nombre(std::string_view chiffres, const Point &p)
{
    if (p.exact) {
        if (std::optional<Rationnel> r = Rationnel::depuis_decimal(chiffres))
            return exacte(std::move(*r));
        return illisible();
    }
    double v = 0;
    if (std::from_chars(chiffres.data(), chiffres.data() + chiffres.size(), v).ec != std::errc())
        return illisible();
    return approchee(v, 0);
}

// An exact value where the function gives one at an exact argument.
std::optional<Rationnel> fonction_exacte(Fonction f, const Rationnel &u)
{
    switch (f) {
    case Fonction::sqrt: return u.racine_carree();
    case Fonction::abs: return u.valeur_absolue();
    case Fonction::ln: return u.est_un() ? std::optional<Rationnel>(Rationnel()) : std::nullopt;
    case Fonction::sin:
    case Fonction::tan: return u.est_nul() ? std::optional<Rationnel>(Rationnel()) : std::nullopt;
    case Fonction::cos:
    case Fonction::exp: return u.est_nul() ? std::optional<Rationnel>(Rationnel(1)) : std::nullopt;
    }
    return std::nullopt;
}

Valeur fonction(Fonction f, const Valeur &a)
{
    const double u = a.nombre, e = a.erreur;
    if ((f == Fonction::sqrt && u < 0) || (f == Fonction::ln && u <= 0))
        return indefinie();
    if (a.exact)
        if (std::optional<Rationnel> r = fonction_exacte(f, *a.exact))
            return exacte(std::move(*r));
    switch (f) {
    case Fonction::sqrt: {
        const double r = std::sqrt(u);
        return approchee(r, r > 0 ? e / (2 * r) : std::sqrt(e));
    }
    case Fonction::ln: return approchee(std::log(u), e / u);
    case Fonction::abs: return approchee(std::fabs(u), e);
    case Fonction::sin: return approchee(std::sin(u), e);
    case Fonction::cos: return approchee(std::cos(u), e);
    case Fonction::tan: {
        const double t = std::tan(u);
        return approchee(t, e * (1 + t * t));
    }
    case Fonction::exp: {
        const double r = std::exp(u);
        return approchee(r, r * e);
    }
    }
    return illisible();
}

Valeur puissance(const Valeur &base, const Valeur &exposant)
{
    const double b = base.nombre, n = exposant.nombre;
    if ((b < 0 && n != std::floor(n)) || (b == 0 && n < 0) || (base.exact && exposant.exact && b < 0 && !exposant.exact->est_entier()))
        return indefinie();
    if (base.exact && exposant.exact && exposant.exact->est_entier())
        if (std::optional<Rationnel> r = base.exact->puissance(*exposant.exact))
            return exacte(std::move(*r));
    const double r = std::pow(b, n);
    // d(b^n) = n b^(n-1) db + b^n ln|b| dn
    const double erreur = b == 0 ? 0 : std::fabs(r) * (std::fabs(n) * base.erreur / std::fabs(b) + std::fabs(std::log(std::fabs(b))) * exposant.erreur);
    return approchee(r, erreur);
}

// A sum or a product, term by term: exact while every term is exact.
class Cumul {
public:
    Cumul(bool produit, bool exact) : produit_(produit), nombre_(produit ? 1 : 0)
    {
        if (exact)
            exact_ = Rationnel(produit ? 1 : 0);
    }

    // False when the term is a divisor that is zero.
    bool ajoute(char operateur, const Valeur &v)
    {
        if (operateur == '/' && v.nombre == 0)
            return false;
        if (exact_ && v.exact) {
            switch (operateur) {
            case '/': exact_ = exact_->divise(*v.exact); break;
            case '-': *exact_ += -*v.exact; break;
            default: produit_ ? *exact_ *= *v.exact : *exact_ += *v.exact;
            }
            // A running sum or product past the digit cap goes on in
            // doubles, so that a long product never grows without bound.
            if (!exact_)
                return false;
            if (exact_->depasse_plafond()) {
                nombre_ = exact_->en_double();
                erreur_ = std::fabs(nombre_) * EPSILON;
                exact_.reset();
            }
            return true;
        }
        if (exact_) {
            nombre_ = exact_->en_double();
            exact_.reset();
        }
        const double a = nombre_, b = v.nombre;
        switch (operateur) {
        case '/':
            nombre_ = a / b;
            erreur_ = (erreur_ + std::fabs(nombre_) * v.erreur) / std::fabs(b);
            break;
        case '-':
            nombre_ = a - b;
            erreur_ += v.erreur;
            break;
        default:
            nombre_ = produit_ ? a * b : a + b;
            erreur_ = produit_ ? std::fabs(a) * v.erreur + std::fabs(b) * erreur_ : erreur_ + v.erreur;
        }
        erreur_ += std::fabs(nombre_) * EPSILON;
        return true;
    }

    Valeur resultat() const { return exact_ ? exacte(*exact_) : approchee(nombre_, erreur_); }

private:
    bool produit_;
    std::optional<Rationnel> exact_;
    double nombre_;
    double erreur_ = 0;
};

// The reading of a node from those of its children: no number wins, then no
// value, then a value too large.
Definition pire(Definition a, Definition b)
{
    const auto rang = [](Definition d) {
        switch (d) {
        case Definition::definie: return 0;
        case Definition::hors_limites: return 1;
        case Definition::indefinie: return 2;
        case Definition::illisible: return 3;
        }
        return 3;
    };
    return rang(a) >= rang(b) ? a : b;
}

Valeur sans_valeur(Definition d)
{
    Valeur v;
    v.lecture = d;
    if (d == Definition::hors_limites)
        v.nombre = std::numeric_limits<double>::infinity();
    return v;
}

Valeur calcule(const Arbre &arbre, int indice, const Point &p)
{
    const Noeud &n = arbre[indice];
    switch (n.genre) {
    case Genre::nombre:
        return valeur_de_nombre(arbre.mot(n), p);
    case Genre::lettre:
        return valeur_de_lettre(arbre.mot(n)[0], p);
    case Genre::groupe:
        return calcule(arbre, arbre.enfant(n, 0), p);
    case Genre::signe: {
        Valeur v = calcule(arbre, arbre.enfant(n, 0), p);
        if (arbre.mot(n) == "-" && v.lecture == Definition::definie) {
            v.nombre = -v.nombre + 0.0;
            if (v.exact)
                v.exact = -*v.exact;
        }
        return v;
    }
    case Genre::fonction: {
        const Valeur a = calcule(arbre, arbre.enfant(n, 0), p);
        const std::optional<Fonction> f = fonction_nommee(arbre.mot(n));
        if (!f)
            return illisible();
        return a.lecture == Definition::definie ? fonction(*f, a) : a;
    }
    case Genre::puissance: {
        const Valeur b = calcule(arbre, arbre.enfant(n, 0), p);
        const Valeur e = calcule(arbre, arbre.enfant(n, 1), p);
        const Definition d = pire(b.lecture, e.lecture);
        return d == Definition::definie ? puissance(b, e) : sans_valeur(d);
    }
    case Genre::produit:
    case Genre::somme: {
        Cumul cumul(n.genre == Genre::produit, p.exact != nullptr);
        Definition d = Definition::definie;
        for (int k = 0; k < n.nombre_enfants; ++k) {
            const Valeur v = calcule(arbre, arbre.enfant(n, k), p);
            if (v.lecture == Definition::illisible)
                return v;
            d = pire(d, v.lecture);
            if (d == Definition::definie && !cumul.ajoute(arbre.operateur(n, k), v))
                d = Definition::indefinie;
        }
        return d == Definition::definie ? cumul.resultat() : sans_valeur(d);
    }
    default:
        return illisible();
    }
}

Valeur calcule_arbre(const Arbre &arbre, const Point &p)
{
    return arbre.racine < 0 ? illisible() : calcule(arbre, arbre.racine, p);
}

} // namespace

Valeur valeur_ordinaire(const Arbre &arbre, double x, char variable)
{
    return calcule_arbre(arbre, {x, nullptr, variable});
}

Valeur valeur_du_noeud(const Arbre &arbre, int noeud, double x) { return calcule(arbre, noeud, {x, nullptr, 'x'}); }

Valeur valeur_exacte(const Arbre &arbre, const Rationnel &x, char variable)
{
    return calcule_arbre(arbre, {x.en_double(), &x, variable});
}

Valeur valeur_ordinaire(std::string_view texte, double x)
{
    const std::optional<Arbre> arbre = lis_formule(texte);
    return arbre ? valeur_ordinaire(*arbre, x) : illisible();
}

std::optional<double> valeur(const Arbre &arbre, double x)
{
    const Valeur v = valeur_ordinaire(arbre, x);
    return v.lecture == Definition::definie ? std::optional<double>(v.nombre) : std::nullopt;
}

std::optional<double> valeur(std::string_view texte, double x)
{
    const std::optional<Arbre> arbre = lis_formule(texte);
    return arbre ? valeur(*arbre, x) : std::nullopt;
}

std::optional<double> valeur_constante(std::string_view texte)
{
    const std::optional<Arbre> arbre = lis_formule(texte);
    if (!arbre || std::any_of(arbre->noeuds.begin(), arbre->noeuds.end(), [](const Noeud &n) { return n.genre == Genre::lettre; }))
        return std::nullopt;
    const Valeur v = valeur_ordinaire(*arbre, 0);
    return v.lecture == Definition::definie ? std::optional<double>(v.nombre) : std::nullopt;
}

bool meme_nombre(const Valeur &a, const Valeur &b)
{
    if (a.exact && b.exact)
        return *a.exact == *b.exact;
    // The rounding error is estimated, not bounded: a margin on top of it.
    constexpr double MARGE = 64;
    const double ecart = std::fabs(a.nombre - b.nombre);
    return ecart <= MARGE * (a.erreur + b.erreur) + 1e-14 * std::max(std::fabs(a.nombre), std::fabs(b.nombre));
}

bool vaut_zero(const Valeur &v) { return v.lecture == Definition::definie && meme_nombre(v, exacte(Rationnel())); }
