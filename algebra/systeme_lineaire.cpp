#include "algebra/systeme_lineaire.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "formula/lecteur.h"
#include "formula/valeur.h"

namespace {

// An equation as a x + b y + c = 0.
struct Droite {
    double a = 0, b = 0, c = 0;
};

bool nul(double v, double echelle) { return std::fabs(v) <= 1e-9 * std::max(1.0, echelle); }

// The text with each y replaced by a value in brackets (no word of the
// formula language holds a "y").
std::string y_vaut(std::string_view texte, double y)
{
    std::string r;
    for (char c : texte)
        r += c == 'y' ? "(" + std::to_string(y) + ")" : std::string(1, c);
    return r;
}

// The coefficients read from the values of left - right at three points,
// checked at two more: nothing when the equation is not linear.
std::optional<Droite> droite(const Arbre &arbre, const std::string &lu, int relation)
{
    const Noeud &r = arbre[relation];
    if (r.genre != Genre::relation || arbre.mot(r) != "=")
        return std::nullopt;
    const auto texte = [&](int k) {
        const Noeud &m = arbre[arbre.enfant(r, k)];
        return lu.substr(static_cast<std::size_t>(m.debut), static_cast<std::size_t>(m.fin - m.debut));
    };
    const std::string ecart = "(" + texte(0) + ")-(" + texte(1) + ")";
    const auto en = [&](double x, double y) { return valeur(y_vaut(ecart, y), x); };
    const std::optional<double> o = en(0, 0), ux = en(1, 0), uy = en(0, 1);
    if (!o || !ux || !uy)
        return std::nullopt;
    const Droite d{*ux - *o, *uy - *o, *o};
    for (const auto &[x, y] : std::array<std::pair<double, double>, 2>{{{2.29, -1.71}, {-4.63, 3.71}}}) {
        const std::optional<double> v = en(x, y);
        const double attendu = d.a * x + d.b * y + d.c;
        if (!v || !nul(*v - attendu, std::max(std::fabs(*v), std::fabs(attendu))))
            return std::nullopt;
    }
    return d;
}

} // namespace

std::optional<SolutionsSysteme> solutions_du_systeme(std::string_view systeme)
{
    // The lines as the reader takes them, the file's "@" as a line break.
    std::string lu;
    for (char c : systeme)
        lu += c == '@' ? std::string("\r\n") : std::string(1, c);
    const std::optional<Arbre> arbre = lis_formule(lu);
    if (!arbre)
        return std::nullopt;
    const Noeud &s = (*arbre)[arbre->racine];
    if (s.genre != Genre::systeme || s.nombre_enfants != 2)
        return std::nullopt;
    const std::optional<Droite> p = droite(*arbre, lu, arbre->enfant(s, 0)),
                                 q = droite(*arbre, lu, arbre->enfant(s, 1));
    if (!p || !q)
        return std::nullopt;
    const double echelle = std::max({std::fabs(p->a), std::fabs(p->b), std::fabs(p->c), std::fabs(q->a),
                                     std::fabs(q->b), std::fabs(q->c)});
    const auto determinant = [&](double u1, double v1, double u2, double v2) { return u1 * v2 - u2 * v1; };
    if (!nul(determinant(p->a, p->b, q->a, q->b), echelle * echelle))
        return SolutionsSysteme::une;
    // Parallel lines, or an equation without unknown: a line "c = 0" that
    // is false has no point, and two lines meet everywhere when every
    // determinant with the constants vanishes too.
    for (const Droite &d : {*p, *q})
        if (nul(d.a, echelle) && nul(d.b, echelle) && !nul(d.c, echelle))
            return SolutionsSysteme::aucune;
    const bool confondues = nul(determinant(p->a, p->c, q->a, q->c), echelle * echelle) &&
                            nul(determinant(p->b, p->c, q->b, q->c), echelle * echelle);
    return confondues ? SolutionsSysteme::une_infinite : SolutionsSysteme::aucune;
}
