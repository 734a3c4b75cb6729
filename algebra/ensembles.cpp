#include "algebra/ensembles.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "algebra/ecriture_arbre.h"
#include "formula/lecteur.h"
#include "formula/sens.h"
#include "formula/valeur.h"

namespace {

constexpr double INFINI = std::numeric_limits<double>::infinity();
std::string nombre_texte(double v)
{
    char tampon[40];
    std::snprintf(tampon, sizeof tampon, "%.17g", v);
    return tampon;
}

std::optional<double> valeur_texte(const std::string &lineaire, double x)
{
    const Valeur v = valeur_ordinaire(lineaire, x);
    if (v.lecture != Definition::definie || !std::isfinite(v.nombre))
        return std::nullopt;
    return v.nombre;
}

void facteurs(const Arbre &a, int n, bool au_denominateur, std::vector<int> &num, std::vector<int> &den)
{
    n = sans_groupe(a, n);
    const Noeud &nd = a[n];
    if (nd.genre == Genre::signe) {
        facteurs(a, a.enfant(nd, 0), au_denominateur, num, den);
        return;
    }
    if (nd.genre == Genre::puissance && a[a.enfant(nd, 1)].genre == Genre::nombre) {
        facteurs(a, a.enfant(nd, 0), au_denominateur, num, den);
        return;
    }
    if (nd.genre != Genre::produit) {
        (au_denominateur ? den : num).push_back(n);
        return;
    }
    for (int k = 0; k < nd.nombre_enfants; ++k)
        facteurs(a, a.enfant(nd, k), au_denominateur != (a.operateur(nd, k) == '/'), num, den);
}

bool racines(const std::string &lineaire, std::vector<double> &r)
{
    const std::optional<Polynome> p = polynome(lineaire);
    if (!p || (p->degre() == 0 && p->c == 0))
        return false;
    for (double x : p->racines())
        r.push_back(x);
    return true;
}

bool est_zero(const Arbre &a, int n)
{
    n = sans_groupe(a, n);
    return a[n].genre == Genre::nombre && valeur_texte(std::string(a.mot(a[n])), 0) == 0.0;
}

} // namespace

bool proches(double a, double b)
{
    if (std::isinf(a) || std::isinf(b))
        return a == b;
    return std::fabs(a - b) <= 1e-7 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

bool Ensemble::contient(double x) const
{
    return std::any_of(parties.begin(), parties.end(), [x](const Morceau &i) {
        return (x > i.bas || (i.bas_inclus && x == i.bas)) && (x < i.haut || (i.haut_inclus && x == i.haut));
    });
}

Ensemble ensemble_par_morceaux(std::vector<double> points, const std::function<bool(double)> &dedans)
{
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end(), proches), points.end());
    Ensemble r;
    // The pieces in order: before the first point, the point, between it and
    // the next, and so on; consecutive pieces inside are one interval.
    auto ajoute = [&r](double bas, double haut, bool bas_inclus, bool haut_inclus) {
        if (!r.parties.empty()) {
            Morceau &dernier = r.parties.back();
            if (dernier.haut == bas && (dernier.haut_inclus || bas_inclus)) {
                dernier.haut = haut;
                dernier.haut_inclus = haut_inclus;
                return;
            }
        }
        r.parties.push_back({bas, haut, bas_inclus, haut_inclus});
    };
    double avant = -INFINI;
    for (std::size_t i = 0; i <= points.size(); ++i) {
        const double apres = i < points.size() ? points[i] : INFINI;
        const double milieu = std::isinf(avant) ? (std::isinf(apres) ? 0 : apres - 1)
                              : std::isinf(apres) ? avant + 1
                                                  : (avant + apres) / 2;
        if (dedans(milieu))
            ajoute(avant, apres, false, false);
        if (i < points.size() && dedans(apres))
            ajoute(apres, apres, true, true);
        avant = apres;
    }
    return r;
}

// The finite ends of two sets: where their union or intersection may change.
std::vector<double> bornes(const Ensemble &a, const Ensemble &b)
{
    std::vector<double> points;
    for (const Ensemble *e : {&a, &b})
        for (const Morceau &i : e->parties)
            for (double x : {i.bas, i.haut})
                if (!std::isinf(x))
                    points.push_back(x);
    return points;
}

Ensemble reunion(const Ensemble &a, const Ensemble &b)
{
    return ensemble_par_morceaux(bornes(a, b), [&](double x) { return a.contient(x) || b.contient(x); });
}

Ensemble intersection(const Ensemble &a, const Ensemble &b)
{
    return ensemble_par_morceaux(bornes(a, b), [&](double x) { return a.contient(x) && b.contient(x); });
}

Ensemble valeurs(std::vector<double> v)
{
    const std::vector<double> points = v;
    return ensemble_par_morceaux(points, [&v](double x) {
        return std::any_of(v.begin(), v.end(), [x](double y) { return proches(x, y); });
    });
}

int Polynome::degre() const { return a != 0 ? 2 : b != 0 ? 1 : 0; }

std::vector<double> Polynome::racines() const
{
    if (a == 0)
        return b == 0 ? std::vector<double>{} : std::vector<double>{-c / b};
    const double delta = b * b - 4 * a * c;
    if (delta < -1e-12 * std::max(1.0, b * b))
        return {};
    if (std::fabs(delta) <= 1e-12 * std::max(1.0, b * b))
        return {-b / (2 * a)};
    const double r = std::sqrt(delta);
    std::vector<double> x{(-b - r) / (2 * a), (-b + r) / (2 * a)};
    std::sort(x.begin(), x.end());
    return x;
}

std::optional<double> valeur_en(const std::string &lineaire, double x) { return valeur_texte(lineaire, x); }

std::optional<Polynome> polynome(const std::string &lineaire)
{
    const std::optional<double> f0 = valeur_texte(lineaire, 0), f1 = valeur_texte(lineaire, 1),
                                fm = valeur_texte(lineaire, -1);
    if (!f0 || !f1 || !fm)
        return std::nullopt;
    Polynome p;
    p.c = *f0;
    p.a = (*f1 + *fm) / 2 - *f0;
    p.b = (*f1 - *fm) / 2;
    for (double x : {2.5, -3.25, 0.375}) {
        const std::optional<double> f = valeur_texte(lineaire, x);
        if (!f || !proches(*f, p.a * x * x + p.b * x + p.c))
            return std::nullopt;
    }
    // Rounding of the evaluator: coefficients that are zero but for it.
    const double echelle = std::max({1.0, std::fabs(p.a), std::fabs(p.b), std::fabs(p.c)}) * 1e-12;
    for (double *k : {&p.a, &p.b, &p.c})
        if (std::fabs(*k) < echelle)
            *k = 0;
    return p;
}

std::optional<Lineaire2> lineaire_xy(const std::string &lineaire)
{
    const std::optional<Arbre> arbre = lis_formule(lineaire);
    if (!arbre)
        return std::nullopt;
    auto f = [&arbre](double x, double y) {
        return valeur_texte(ecrit_lineaire(*arbre, arbre->racine, {}, {{'x', nombre_texte(x)}, {'y', nombre_texte(y)}}), 0);
    };
    const std::optional<double> f00 = f(0, 0), f10 = f(1, 0), f01 = f(0, 1), f2 = f(2.5, -1.75);
    if (!f00 || !f10 || !f01 || !f2)
        return std::nullopt;
    Lineaire2 l{*f10 - *f00, *f01 - *f00, *f00};
    if (!proches(*f2, l.a * 2.5 - l.b * 1.75 + l.c))
        return std::nullopt;
    return l;
}

std::optional<Couple> resout_systeme(const Lineaire2 &l1, const Lineaire2 &l2)
{
    const double det = l1.a * l2.b - l2.a * l1.b;
    if (std::fabs(det) < 1e-12)
        return std::nullopt;
    return Couple{(-l1.c * l2.b + l2.c * l1.b) / det, (-l1.a * l2.c + l2.a * l1.c) / det};
}

bool racines_facteurs(const Arbre &arbre, int membre, std::vector<double> &zeros, std::vector<double> &interdites)
{
    std::vector<int> num, den;
    facteurs(arbre, membre, false, num, den);
    for (int n : num)
        if (!racines(ecrit_lineaire(arbre, n), zeros))
            return false;
    for (int n : den)
        if (!racines(ecrit_lineaire(arbre, n), interdites))
            return false;
    return true;
}

std::optional<Ensemble> ensemble_solutions(const Arbre &arbre, int relation)
{
    const Noeud &r = arbre[relation];
    if (r.genre != Genre::relation)
        return std::nullopt;
    const int g = arbre.enfant(r, 0), d = arbre.enfant(r, 1);
    const std::string f = ecrit_lineaire(arbre, g) + "-(" + ecrit_lineaire(arbre, d) + ")";
    std::vector<double> zeros, interdites;
    const bool en_facteurs = est_zero(arbre, d)   ? racines_facteurs(arbre, g, zeros, interdites)
                             : est_zero(arbre, g) ? racines_facteurs(arbre, d, zeros, interdites)
                                                  : racines(f, zeros);
    if (!en_facteurs)
        return std::nullopt;
    const std::string_view rel = arbre.mot(r);
    auto dedans = [&](double x) {
        for (double i : interdites)
            if (proches(x, i))
                return false;
        const std::optional<double> v = valeur_texte(f, x);
        if (!v)
            return false;
        const double e = std::fabs(*v) < 1e-9 ? 0 : *v;
        return rel == "=" ? e == 0 : rel == "<" ? e < 0 : rel == ">" ? e > 0 : rel == "<=" ? e <= 0 : e >= 0;
    };
    if (rel == "=" && zeros.empty() && !interdites.empty())
        return Ensemble{};
    std::vector<double> points = zeros;
    points.insert(points.end(), interdites.begin(), interdites.end());
    Ensemble e = ensemble_par_morceaux(points, dedans);
    // Every x solving an equation: no set of values to compare.
    if (rel == "=" && !e.parties.empty() && e.parties.front().bas != e.parties.front().haut)
        return std::nullopt;
    return e;
}

Sens sens_de(const Ensemble &e, bool equation)
{
    Sens s;
    s.genre = equation ? Sens::Genre::valeurs : Sens::Genre::intervalles;
    auto borne = [](double x) { return std::isinf(x) ? std::string(x < 0 ? "-inf" : "inf") : nombre_lisible(x); };
    for (const Morceau &m : e.parties) {
        if (equation)
            s.valeurs.push_back(borne(m.bas));
        else
            s.intervalles.push_back({borne(m.bas), borne(m.haut), !m.bas_inclus, !m.haut_inclus});
    }
    return s;
}

Sens sens_de(const Couple &c)
{
    Sens s;
    if (c.x && c.y) {
        s.genre = Sens::Genre::couple;
        s.valeurs = {nombre_lisible(*c.x), nombre_lisible(*c.y)};
    } else {
        s.genre = Sens::Genre::autre;
        s.expression = c.x ? "x=" + nombre_lisible(*c.x) : "y=" + nombre_lisible(c.y.value_or(0));
    }
    return s;
}

std::optional<Ensemble> ensemble_de(const Sens &s)
{
    std::vector<double> points;
    if (s.genre == Sens::Genre::valeurs && !s.tous_les_reels) {
        for (const std::string &v : s.valeurs)
            points.push_back(position_reelle(v));
        return valeurs(points);
    }
    if (s.genre != Sens::Genre::intervalles)
        return std::nullopt;
    Ensemble e;
    for (const Intervalle &i : s.intervalles)
        e = reunion(e, Ensemble{{{position_reelle(i.bas), position_reelle(i.haut), !i.bas_ouvert, !i.haut_ouvert}}});
    return e;
}

std::string nombre_lisible(double v)
{
    for (int q = 1; q <= 12; ++q) {
        const double p = std::round(v * q);
        if (std::fabs(p - v * q) < 1e-9 * std::max(1.0, std::fabs(v * q)))
            return q == 1 ? std::to_string(static_cast<long>(p))
                          : std::to_string(static_cast<long>(p)) + "/" + std::to_string(q);
    }
    char t[40];
    std::snprintf(t, sizeof t, "%.17g", v);
    return t;
}

Sens sens_expression(std::string texte)
{
    Sens s;
    s.expression = std::move(texte);
    return s;
}

bool meme_sens(const Sens &a, const Sens &b)
{
    const Comparaison c = compare_sens(a, b);
    return c.verdict != Verdict::fausse || c.raison == RAISON_FACTORISEE;
}
