// The mathematics of the exercise checker: every expected answer is computed
// back against its statement with the numeric evaluator, at sample points.

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "algebra/solutions.h"
#include "algebra/systeme_lineaire.h"
#include "app/travail/contexte.h"
#include "cli/operations_verifie.h"
#include "cli/registre.h"
#include "algebra/algebre.h"
#include "formula/valeur.h"

namespace cli {

namespace {

// Points where expressions are compared; none is a small whole number or a
// simple fraction, so that the drawn statements stay defined there.
constexpr double POINTS[] = {-7.31, -4.63, -2.87, -1.71, -0.59, 0.37, 1.43, 2.29, 3.71, 5.17, 8.93};

bool proche(double a, double b)
{
    if (!std::isfinite(a) || !std::isfinite(b))
        return a == b;
    return std::abs(a - b) <= 1e-7 * std::max({1.0, std::abs(a), std::abs(b)});
}

std::string sans_blancs(std::string texte)
{
    texte.erase(std::remove_if(texte.begin(), texte.end(), [](unsigned char c) { return std::isspace(c); }),
                texte.end());
    return texte;
}

std::string remplace_lettre(const std::string &texte, char lettre, double valeur)
{
    std::string r;
    for (char c : texte)
        r += c == lettre ? "(" + nombre(valeur) + ")" : std::string(1, c);
    return r;
}

// The value at x (and y in a system), nothing where it is undefined.
std::optional<double> valeur(const std::string &texte, double x, std::optional<double> y = std::nullopt)
{
    return ::valeur(y ? remplace_lettre(texte, 'y', *y) : texte, x);
}

std::vector<std::string> coupe(const std::string &texte, const std::string &separateur)
{
    std::vector<std::string> morceaux;
    std::size_t debut = 0;
    for (std::size_t p = texte.find(separateur); p != std::string::npos; p = texte.find(separateur, debut)) {
        morceaux.push_back(texte.substr(debut, p - debut));
        debut = p + separateur.size();
    }
    morceaux.push_back(texte.substr(debut));
    return morceaux;
}

// A relation: its two members, which hold at a point (with some tolerance
// on equality, so that a root computed in floating point counts).
struct Relation {
    int nature = EQUATION;
    std::string gauche, droite;

    std::optional<bool> vraie(double x, std::optional<double> y = std::nullopt) const
    {
        const std::optional<double> g = valeur(gauche, x, y), d = valeur(droite, x, y);
        if (!g || !d)
            return std::nullopt;
        const double ecart = *g - *d;
        const bool egal = proche(*g, *d);
        switch (nature) {
        case EQUATION: return egal;
        case INFERIEUR: return ecart < 0 && !egal;
        case SUPERIEUR: return ecart > 0 && !egal;
        case INFERIEUR_OU_EGAL: return ecart < 0 || egal;
        default: return ecart > 0 || egal;
        }
    }
};

Relation relation(const std::string &texte)
{
    const EnonceLu lu(texte);
    return {lu.nature, lu.membre(0), lu.membre(1)};
}

// A solution set written with "domain(x,lower,upper,code)", "([values])" and "or".
class Ensemble {
public:
    explicit Ensemble(const std::string &texte) { lisible_ = lit(sans_blancs(texte)); }
    bool lisible() const { return lisible_; }
    bool contient(double x) const
    {
        for (const Intervalle &i : intervalles_) {
            const bool apres_bas = i.bas_inclus ? x >= i.bas || proche(x, i.bas) : x > i.bas && !proche(x, i.bas);
            const bool avant_haut =
                i.haut_inclus ? x <= i.haut || proche(x, i.haut) : x < i.haut && !proche(x, i.haut);
            if (apres_bas && avant_haut)
                return true;
        }
        return false;
    }
    // Bounds and isolated values: the points where a mistake hides.
    std::vector<double> bornes() const
    {
        std::vector<double> r;
        for (const Intervalle &i : intervalles_)
            for (double b : {i.bas, i.haut})
                if (std::isfinite(b))
                    r.push_back(b);
        return r;
    }

private:
    struct Intervalle {
        double bas, haut;
        bool bas_inclus, haut_inclus;
    };
    std::vector<Intervalle> intervalles_;
    bool lisible_ = false;

    static std::string sans_parentheses_autour(std::string t)
    {
        while (t.size() >= 2 && t.front() == '(' && parenthese_fermante(t, 0) == t.size() - 1)
            t = t.substr(1, t.size() - 2);
        return t;
    }
    // Cuts at each separator that stands outside any bracket.
    static std::vector<std::string> coupe_hors_parentheses(const std::string &t, const std::string &separateur)
    {
        std::vector<std::string> r;
        int profondeur = 0;
        std::size_t debut = 0;
        for (std::size_t i = 0; i < t.size(); ++i) {
            if (t[i] == '(' || t[i] == '[')
                ++profondeur;
            else if (t[i] == ')' || t[i] == ']')
                --profondeur;
            else if (profondeur == 0 && t.compare(i, separateur.size(), separateur) == 0) {
                r.push_back(t.substr(debut, i - debut));
                debut = i + separateur.size();
                i = debut - 1;
            }
        }
        r.push_back(t.substr(debut));
        return r;
    }
    static std::optional<double> borne(const std::string &t)
    {
        if (t == "-inf")
            return -std::numeric_limits<double>::infinity();
        if (t == "inf")
            return std::numeric_limits<double>::infinity();
        return valeur(t, 0);
    }
    bool lit(const std::string &texte)
    {
        for (const std::string &brut : coupe_hors_parentheses(texte, "or")) {
            const std::string morceau = sans_parentheses_autour(brut);
            if (morceau.size() >= 2 && morceau.front() == '[' && morceau.back() == ']') {
                const std::string valeurs = morceau.substr(1, morceau.size() - 2);
                if (valeurs.empty())
                    continue;
                for (const std::string &v : coupe(valeurs, "*et*")) {
                    const std::optional<double> b = borne(v);
                    if (!b)
                        return false;
                    intervalles_.push_back({*b, *b, true, true});
                }
                continue;
            }
            const std::string tete = "domain(x,";
            if (morceau.rfind(tete, 0) != 0 || morceau.back() != ')')
                return false;
            const std::vector<std::string> champs =
                coupe_hors_parentheses(morceau.substr(tete.size(), morceau.size() - tete.size() - 1), ",");
            if (champs.size() != 3)
                return false;
            const std::optional<double> bas = borne(sans_parentheses_autour(champs[0]));
            const std::optional<double> haut = borne(sans_parentheses_autour(champs[1]));
            const std::string &code = champs[2];
            if (!bas || !haut || (code != "12" && code != "13" && code != "14" && code != "15"))
                return false;
            intervalles_.push_back({*bas, *haut, code == "13" || code == "15", code == "13" || code == "14"});
        }
        return true;
    }
};

// An answer "no solution" or "every real": the equation is checked on a grid,
// where it must never hold (nor change sign between two close points where
// its members go on without a jump), or always hold where it is defined.
std::string defaut_sans_valeur(const Relation &r, bool tous_les_reels)
{
    const auto ecart = [&](double x) -> std::optional<double> {
        const std::optional<double> g = valeur(r.gauche, x), d = valeur(r.droite, x);
        return g && d ? std::optional<double>(*g - *d) : std::nullopt;
    };
    constexpr double PAS = 0.0917;
    for (double x = -30.013; x < 30; x += PAS) {
        const std::optional<bool> juste = r.vraie(x);
        if (juste && *juste != tous_les_reels)
            return "x = " + nombre(x) + (tous_les_reels ? " ne vérifie pas l'équation." : " vérifie l'équation.");
        const std::optional<double> a = ecart(x), m = ecart(x + PAS / 2), b = ecart(x + PAS);
        const bool sans_saut = a && m && b && std::min(*a, *b) <= *m && *m <= std::max(*a, *b);
        if (!tous_les_reels && sans_saut && (*a < 0) != (*b < 0))
            return "l'équation a une solution entre " + nombre(x) + " et " + nombre(x + PAS) + ".";
    }
    return {};
}

std::string defaut_equation(const std::string &enonce, const std::string &reponse)
{
    const Relation r = relation(enonce);
    if (const LectureReponse lue = lis_reponse(reponse, NatureEnonce::equation);
        lue.sens && lue.sens->genre == Sens::Genre::valeurs && lue.sens->valeurs.empty())
        return defaut_sans_valeur(r, lue.sens->tous_les_reels);
    for (const std::string &texte : coupe(reponse, "*et*")) {
        const std::optional<double> v = valeur(texte, 0);
        if (!v)
            return "la valeur « " + texte + " » ne se calcule pas.";
        const std::optional<bool> juste = r.vraie(*v);
        if (!juste)
            return "l'équation n'est pas définie pour x = " + texte + ".";
        if (!*juste)
            return "x = " + texte + " ne vérifie pas l'équation.";
    }
    return {};
}

// The grid on which a solution set is compared with the truth of the
// inequation, with the points that the set itself names.
std::vector<double> points_d_inequation(const Ensemble &ensemble)
{
    std::vector<double> points;
    for (double x = -30.013; x < 30; x += 0.0917)
        points.push_back(x);
    for (double b : ensemble.bornes())
        for (double d : {0.0, -1e-3, 1e-3})
            points.push_back(b + d);
    return points;
}

std::string defaut_inequation(const std::string &enonce, const std::string &reponse)
{
    const Ensemble ensemble(reponse);
    if (!ensemble.lisible())
        return "l'ensemble « " + reponse + " » ne se lit pas.";
    const Relation r = relation(enonce);
    for (double x : points_d_inequation(ensemble)) {
        const bool vraie = r.vraie(x).value_or(false);
        if (vraie != ensemble.contient(x))
            return "pour x = " + nombre(x) + ", l'inéquation est " + (vraie ? "vraie" : "fausse") +
                   " mais l'ensemble « " + reponse + " » " + (vraie ? "ne le contient pas." : "le contient.");
    }
    const std::string calcule = intervalle_solutions(EnonceLu(enonce)).value_or("");
    const Ensemble moteur(calcule);
    for (double x : points_d_inequation(ensemble))
        if (moteur.lisible() && moteur.contient(x) != ensemble.contient(x))
            return "l'ensemble calculé par le programme, « " + calcule + " », diffère de « " + reponse +
                   " » en x = " + nombre(x) + ".";
    return {};
}

std::string defaut_systeme(const std::string &enonce, const std::string &reponse)
{
    if (const LectureReponse lue = lis_reponse(reponse, NatureEnonce::systeme);
        lue.sens && lue.sens->genre == Sens::Genre::couple && lue.sens->valeurs.empty()) {
        const SolutionsSysteme annoncees =
            lue.sens->tous_les_reels ? SolutionsSysteme::une_infinite : SolutionsSysteme::aucune;
        const std::optional<SolutionsSysteme> vraies = solutions_du_systeme(enonce);
        if (!vraies)
            return "le système n'est pas linéaire : « " + reponse + " » ne se vérifie pas.";
        if (*vraies != annoncees)
            return std::string("le système a ") +
                   (*vraies == SolutionsSysteme::une      ? "un seul couple solution"
                    : *vraies == SolutionsSysteme::aucune ? "aucune solution"
                                                          : "une infinité de solutions") +
                   ", pas « " + reponse + " ».";
        return {};
    }
    const std::vector<std::string> couple = coupe(reponse, "*et*");
    if (couple.size() != 2)
        return "la réponse « " + reponse + " » n'est pas un couple x*et*y.";
    const std::optional<double> x = valeur(couple[0], 0), y = valeur(couple[1], 0);
    if (!x || !y)
        return "le couple « " + reponse + " » ne se calcule pas.";
    std::vector<std::string> equations;
    std::string ligne;
    for (char c : enonce) {
        if (c == '\r' || c == '\n' || c == '{' || c == '}') {
            if (!sans_blancs(ligne).empty())
                equations.push_back(sans_blancs(ligne));
            ligne.clear();
        } else {
            ligne += c;
        }
    }
    if (!sans_blancs(ligne).empty())
        equations.push_back(sans_blancs(ligne));
    if (equations.size() != 2)
        return "le système n'a pas deux équations.";
    for (const std::string &equation : equations) {
        const std::vector<std::string> membres = coupe(equation, "=");
        if (membres.size() != 2)
            return "« " + equation + " » n'est pas une équation.";
        const Relation r{EQUATION, membres[0], membres[1]};
        if (!r.vraie(*x, *y).value_or(false))
            return "le couple (" + couple[0] + " ; " + couple[1] + ") ne vérifie pas « " + equation + " ».";
    }
    return {};
}

// A sum of vectors as the combination of its points (AB is B - A); nothing
// when a term is not "k*AB..arrow", "AB..arrow" or "o..arrow".
std::optional<std::map<char, double>> points_du_vecteur(const std::string &texte)
{
    std::map<char, double> points;
    const std::string t = sans_blancs(texte);
    const std::string fleche = "..arrow";
    std::size_t i = 0;
    while (i < t.size()) {
        double signe = 1;
        while (i < t.size() && (t[i] == '+' || t[i] == '-'))
            signe = t[i++] == '-' ? -signe : signe;
        std::size_t fin = i;
        while (fin < t.size() && (std::isdigit(static_cast<unsigned char>(t[fin])) || t[fin] == '.'))
            ++fin;
        double coefficient = 1;
        if (fin > i) {
            coefficient = std::stod(t.substr(i, fin - i));
            i = fin;
            if (i < t.size() && t[i] == '*')
                ++i;
        }
        if (t.compare(i, 1 + fleche.size(), "o" + fleche) == 0) {
            i += 1 + fleche.size();
            continue;
        }
        if (i + 2 + fleche.size() > t.size() || !std::isupper(static_cast<unsigned char>(t[i])) ||
            !std::isupper(static_cast<unsigned char>(t[i + 1])) || t.compare(i + 2, fleche.size(), fleche) != 0)
            return std::nullopt;
        points[t[i + 1]] += signe * coefficient;
        points[t[i]] -= signe * coefficient;
        i += 2 + fleche.size();
    }
    std::erase_if(points, [](const auto &p) { return proche(p.second + 1, 1); });
    return points;
}

std::string defaut_vecteurs(const std::string &enonce, const std::string &reponse)
{
    const auto avant = points_du_vecteur(enonce), apres = points_du_vecteur(reponse);
    if (!avant || !apres)
        return "la somme de vecteurs « " + (avant ? reponse : enonce) + " » ne se lit pas.";
    if (*avant != *apres)
        return "« " + reponse + " » n'est pas égal à la somme de l'énoncé.";
    return {};
}

std::string defaut_expression(const std::string &enonce, const std::string &reponse)
{
    for (double x : POINTS) {
        const std::optional<double> attendu = valeur(enonce, x);
        if (!attendu)
            continue;
        const std::optional<double> obtenu = valeur(reponse, x);
        if (!obtenu)
            return "« " + reponse + " » n'est pas défini en x = " + nombre(x) + " où l'énoncé l'est.";
        if (!proche(*attendu, *obtenu))
            return "« " + reponse + " » vaut " + nombre(*obtenu) + " en x = " + nombre(x) + " au lieu de " +
                   nombre(*attendu) + ".";
    }
    return {};
}

} // namespace

std::string defaut_mathematique(const std::string &enonce, const std::string &reponse)
{
    if (contient(enonce, "..arrow"))
        return defaut_vecteurs(enonce, reponse);
    switch (EnonceLu(enonce).nature) {
    case EXPRESSION: return defaut_expression(enonce, reponse);
    case EQUATION: return defaut_equation(enonce, reponse);
    case SYSTEME: return defaut_systeme(enonce, reponse);
    default: return defaut_inequation(enonce, reponse);
    }
}

std::string defaut_enonce(const std::string &enonce)
{
    const int nature = EnonceLu(enonce).nature;
    if (contient(enonce, "..arrow") || nature == SYSTEME)
        return {};
    const bool defini = std::any_of(std::begin(POINTS), std::end(POINTS), [&](double x) {
        if (nature == EXPRESSION)
            return valeur(enonce, x).has_value();
        return relation(enonce).vraie(x).has_value();
    });
    return defini ? std::string() : "l'énoncé tiré « " + enonce + " » n'est défini en aucun point d'essai.";
}

} // namespace cli
