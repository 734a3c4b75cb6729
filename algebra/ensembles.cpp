#include "algebra/ensembles.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "algebra/ecriture_arbre.h"
#include "formula/lecteur.h"
#include "formula/valeur.h"

namespace {

constexpr double INFINI = std::numeric_limits<double>::infinity();

// The comparison points: values of x, of y, and a shift for the other
// letters and for the points of vectors. None is a simple fraction.
constexpr double POINTS_X[] = {1.37, -0.61, 2.83, -2.29, 0.53, 3.71};
constexpr double POINTS_Y[] = {0.77, 1.91, -1.43, 2.39, -0.37, 1.13};

std::string nombre_texte(double v)
{
    char tampon[40];
    std::snprintf(tampon, sizeof tampon, "%.17g", v);
    return tampon;
}

Valeurs valeurs_du_point(int k, bool points_et_lettres)
{
    Valeurs v{{'x', nombre_texte(POINTS_X[k])}, {'y', nombre_texte(POINTS_Y[k])}};
    if (!points_et_lettres)
        return v;
    for (char c = 'a'; c <= 'z'; ++c)
        if (c != 'x' && c != 'y')
            v[c] = nombre_texte(0.31 * (c - 'a' + 2) + 0.17 * k * k - 0.9 * k + 0.05);
    for (char c = 'A'; c <= 'Z'; ++c)
        v[c] = nombre_texte(std::fmod(1.618 * (c - 'A' + 1) * (k + 3) + 0.731 * k, 9.7) - 4.1);
    return v;
}

// A tree with no letter other than x and no vector is evaluated as it is.
bool seulement_x(const Arbre &a)
{
    return std::none_of(a.noeuds.begin(), a.noeuds.end(), [&a](const Noeud &n) {
        return n.genre == Genre::vecteur || (n.genre == Genre::lettre && a.mot(n) != "x");
    });
}

std::optional<double> valeur_texte(const std::string &lineaire, double x)
{
    const Valeur v = valeur_ordinaire(lineaire, x);
    if (v.lecture != Definition::definie || !std::isfinite(v.nombre))
        return std::nullopt;
    return v.nombre;
}

std::optional<double> borne(const Arbre &a, int n)
{
    n = sans_groupe(a, n);
    if (a[n].genre == Genre::infini)
        return INFINI;
    if (a[n].genre == Genre::signe && a[sans_groupe(a, a.enfant(a[n], 0))].genre == Genre::infini)
        return a.mot(a[n]) == "-" ? -INFINI : INFINI;
    return valeur_texte(ecrit_lineaire(a, n), 0);
}

bool est_lettre(const Arbre &a, int n, char c)
{
    n = sans_groupe(a, n);
    return a[n].genre == Genre::lettre && a.mot(a[n])[0] == c;
}

std::optional<Ensemble> ensemble_de(const Arbre &a, int n);

std::optional<Ensemble> ensemble_liste(const Arbre &a, const Noeud &n)
{
    std::optional<Ensemble> r;
    bool que_des_inegalites = true;
    for (int k = 0; k < n.nombre_enfants; ++k) {
        const Noeud &e = a[a.enfant(n, k)];
        que_des_inegalites &= e.genre == Genre::relation && a.mot(e) != "=";
    }
    for (int k = 0; k < n.nombre_enfants; ++k) {
        const std::optional<Ensemble> e = ensemble_de(a, a.enfant(n, k));
        if (!e)
            return std::nullopt;
        r = !r ? *e : que_des_inegalites ? intersection(*r, *e) : reunion(*r, *e);
    }
    return r;
}

std::optional<Ensemble> ensemble_de(const Arbre &a, int n)
{
    n = sans_groupe(a, n);
    const Noeud &nd = a[n];
    switch (nd.genre) {
    case Genre::liste: return ensemble_liste(a, nd);
    case Genre::relation: return ensemble_solutions(a, n);
    case Genre::reunion: {
        Ensemble r;
        for (int k = 0; k < nd.nombre_enfants; ++k) {
            const std::optional<Ensemble> e = ensemble_de(a, a.enfant(nd, k));
            if (!e)
                return std::nullopt;
            r = reunion(r, *e);
        }
        return r;
    }
    case Genre::ensemble: {
        std::vector<double> v;
        for (int k = 0; k < nd.nombre_enfants; ++k) {
            const std::optional<double> x = valeur_texte(ecrit_lineaire(a, a.enfant(nd, k)), 0);
            if (!x)
                return std::nullopt;
            v.push_back(*x);
        }
        return valeurs(v);
    }
    case Genre::domaine: {
        const std::optional<double> bas = borne(a, a.enfant(nd, 1)), haut = borne(a, a.enfant(nd, 2));
        const std::string_view code = a.mot(nd);
        if (!bas || !haut)
            return std::nullopt;
        return Ensemble{{{*bas, *haut, code == "13" || code == "15", code == "13" || code == "14"}}};
    }
    default: {
        const std::string t = ecrit_lineaire(a, n);
        if (t.find('x') != std::string::npos)
            return std::nullopt;
        const std::optional<double> x = valeur_texte(t, 0);
        if (!x)
            return std::nullopt;
        return valeurs({*x});
    }
    }
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
    return std::any_of(parties.begin(), parties.end(), [x](const Intervalle &i) {
        return (x > i.bas || (i.bas_inclus && x == i.bas)) && (x < i.haut || (i.haut_inclus && x == i.haut));
    });
}

bool operator==(const Ensemble &a, const Ensemble &b)
{
    if (a.parties.size() != b.parties.size())
        return false;
    for (std::size_t i = 0; i < a.parties.size(); ++i) {
        const Intervalle &p = a.parties[i], &q = b.parties[i];
        if (!proches(p.bas, q.bas) || !proches(p.haut, q.haut))
            return false;
        if ((!std::isinf(p.bas) && p.bas_inclus != q.bas_inclus) || (!std::isinf(p.haut) && p.haut_inclus != q.haut_inclus))
            return false;
    }
    return true;
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
            Intervalle &dernier = r.parties.back();
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
        for (const Intervalle &i : e->parties)
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

bool operator==(const Couple &a, const Couple &b)
{
    auto egal = [](const std::optional<double> &p, const std::optional<double> &q) {
        return p.has_value() == q.has_value() && (!p || proches(*p, *q));
    };
    return egal(a.x, b.x) && egal(a.y, b.y);
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

std::vector<std::optional<double>> valeurs_aux_points(const Arbre &arbre, int noeud)
{
    std::vector<std::optional<double>> v;
    const bool simple = seulement_x(arbre);
    const std::string texte = simple ? ecrit_lineaire(arbre, noeud) : std::string();
    for (int k = 0; k < static_cast<int>(std::size(POINTS_X)); ++k)
        v.push_back(simple ? valeur_texte(texte, POINTS_X[k])
                           : valeur_texte(ecrit_lineaire(arbre, noeud, {}, valeurs_du_point(k, true)), 0));
    return v;
}

std::vector<std::optional<double>> valeurs_aux_points(const std::string &lineaire)
{
    const std::optional<Arbre> a = lis_formule(sans_blancs(lineaire));
    if (!a)
        return std::vector<std::optional<double>>(std::size(POINTS_X));
    return valeurs_aux_points(*a, a->racine);
}

bool memes_valeurs(const std::vector<std::optional<double>> &a, const std::vector<std::optional<double>> &b)
{
    int accords = 0;
    for (std::size_t k = 0; k < a.size() && k < b.size(); ++k) {
        if (!a[k] || !b[k])
            continue;
        if (!proches(*a[k], *b[k]))
            return false;
        ++accords;
    }
    return accords >= 3;
}

std::string reponse_lisible_par_le_lecteur(const std::string &reponse)
{
    std::string r;
    const bool intervalle = reponse.find("domain") != std::string::npos;
    for (std::size_t i = 0; i < reponse.size(); ++i) {
        const char c = reponse[i];
        auto lettre = [&reponse](std::size_t j) {
            return j < reponse.size() && reponse[j] >= 'a' && reponse[j] <= 'z';
        };
        const bool mot = (reponse.compare(i, 2, "et") == 0 || reponse.compare(i, 2, "ou") == 0) &&
                         !(i > 0 && lettre(i - 1)) && !lettre(i + 2);
        if (mot) {
            while (!r.empty() && (r.back() == ' ' || r.back() == '*'))
                r.pop_back();
            r += "*et*";
            ++i;
            while (i + 1 < reponse.size() && (reponse[i + 1] == ' ' || reponse[i + 1] == '*'))
                ++i;
        } else if (c == ',' && !intervalle) {
            r += '.';
        } else if (c != ' ') {
            r += c;
        }
    }
    return r;
}

std::optional<Ensemble> ensemble_reponse(const std::string &reponse)
{
    const std::optional<Arbre> a = lis_formule(reponse_lisible_par_le_lecteur(reponse));
    if (!a)
        return std::nullopt;
    return ensemble_de(*a, a->racine);
}

std::optional<Couple> couple_reponse(const std::string &reponse)
{
    const std::optional<Arbre> a = lis_formule(reponse_lisible_par_le_lecteur(reponse));
    if (!a)
        return std::nullopt;
    const int racine = sans_groupe(*a, a->racine);
    std::vector<int> items;
    if ((*a)[racine].genre == Genre::liste)
        for (int k = 0; k < (*a)[racine].nombre_enfants; ++k)
            items.push_back(a->enfant((*a)[racine], k));
    else
        items.push_back(racine);
    if (items.size() > 2)
        return std::nullopt;
    Couple c;
    for (std::size_t k = 0; k < items.size(); ++k) {
        const Noeud &n = (*a)[items[k]];
        std::optional<double> *cible = k == 0 ? &c.x : &c.y;
        int valeur = items[k];
        if (n.genre == Genre::relation) {
            if (a->mot(n) != "=")
                return std::nullopt;
            const bool gauche_lettre = est_lettre(*a, a->enfant(n, 0), 'x') || est_lettre(*a, a->enfant(n, 0), 'y');
            const int lettre = a->enfant(n, gauche_lettre ? 0 : 1);
            valeur = a->enfant(n, gauche_lettre ? 1 : 0);
            if (est_lettre(*a, lettre, 'x'))
                cible = &c.x;
            else if (est_lettre(*a, lettre, 'y'))
                cible = &c.y;
            else
                return std::nullopt;
        }
        const std::string t = ecrit_lineaire(*a, valeur);
        if (t.find('x') != std::string::npos || t.find('y') != std::string::npos)
            return std::nullopt;
        *cible = valeur_texte(t, 0);
        if (!*cible)
            return std::nullopt;
    }
    return c;
}
