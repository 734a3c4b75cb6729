#include "algebra/equivalence.h"

#include <cmath>
#include <string_view>

#include "core/algebre.h"
#include "core/evaluateur.h"

namespace {

constexpr double TOLERANCE = 0.000001;
constexpr double POINT_PRINCIPAL = 1.07;
// Further values of the variable, so that two different expressions are not
// taken for equivalent because they happen to meet at 1.07. Negative values
// tell 'abs(x)' from 'x'; none of them is a simple fraction.
constexpr double AUTRES_POINTS[] = {-0.73, 2.31, 0.37, -1.49};

struct Masque {
    std::string_view nom;
    std::string_view marque;
};
constexpr Masque MASQUES[] = {
    {"sin", "&1"}, {"cos", "&2"}, {"tan", "&3"}, {"abs", "&4"}, {"ln", "&5"}, {"sqrt", "&6"},
};

// The letters of a text, with function names masked.
struct Lettres {
    bool majuscule = false;
    int nb_minuscules = 0;
    char minuscule = '\0';   // the last in alphabetical order
};

Lettres lettres(const std::string &texte)
{
    bool vue[26] = {};
    Lettres l;
    for (char c : texte) {
        if (c >= 'A' && c <= 'Z')
            l.majuscule = true;
        if (c >= 'a' && c <= 'z' && !vue[c - 'a']) {
            vue[c - 'a'] = true;
            ++l.nb_minuscules;
            if (c > l.minuscule)
                l.minuscule = c;
        }
    }
    return l;
}

// At an extra point, a side that cannot be evaluated proves nothing (the
// other side may simply be defined on more values); only two defined values
// that differ tell the texts apart.
bool egaux_aux_autres_points(const std::string &a, const std::string &b)
{
    for (double x : AUTRES_POINTS) {
        const double va = evalue(a, x), vb = evalue(b, x);
        if (va != ERREUR_EVALUATION && vb != ERREUR_EVALUATION && std::fabs(va - vb) >= TOLERANCE)
            return false;
    }
    return true;
}

} // namespace

int compare_expressions(std::string a, std::string b)
{
    if (a.empty())
        return -1;
    masque_fonctions(a);
    masque_fonctions(b);
    const Lettres la = lettres(a), lb = lettres(b);
    if (la.majuscule || lb.majuscule || la.nb_minuscules > 1 || lb.nb_minuscules > 1)
        return -1;
    if (la.minuscule != '\0' && lb.minuscule != '\0' && la.minuscule != lb.minuscule)
        return -1;
    if (la.minuscule != '\0')
        remplace_tout(a, std::string(1, la.minuscule), "x");
    if (lb.minuscule != '\0')
        remplace_tout(b, std::string(1, lb.minuscule), "x");
    demasque_fonctions(a);
    demasque_fonctions(b);
    return egal_en_un_point(a, b) && egaux_aux_autres_points(a, b) ? 1 : 0;
}

bool egal_en_un_point(const std::string &a, const std::string &b)
{
    return std::fabs(evalue(a, POINT_PRINCIPAL) - evalue(b, POINT_PRINCIPAL)) < TOLERANCE;
}

void masque_fonctions(std::string &texte)
{
    for (const Masque &m : MASQUES)
        remplace_tout(texte, std::string(m.nom), std::string(m.marque));
}

void demasque_fonctions(std::string &texte)
{
    for (const Masque &m : MASQUES)
        remplace_tout(texte, std::string(m.marque), std::string(m.nom));
}

void remplace_tout(std::string &texte, const std::string &ancien, const std::string &nouveau)
{
    if (ancien.empty() || texte.find(ancien) == std::string::npos)
        return;
    if (nouveau.size() >= ancien.size()) {
        // One pass from left to right: repeating could go on for ever when
        // the replacement brings old back.
        remplace_chaque(texte, ancien, nouveau);
        return;
    }
    // A shorter replacement can bring old back around it, and that one is
    // replaced too, as if the first occurrence were replaced again and again.
    // Characters still to read are kept reversed, so that the replacement
    // goes back in front of them to be read again.
    std::string resultat;
    resultat.reserve(texte.size());
    std::string a_lire(texte.rbegin(), texte.rend());
    while (!a_lire.empty()) {
        resultat += a_lire.back();
        a_lire.pop_back();
        if (resultat.ends_with(ancien)) {
            resultat.resize(resultat.size() - ancien.size());
            a_lire.append(nouveau.rbegin(), nouveau.rend());
        }
    }
    texte = std::move(resultat);
}
