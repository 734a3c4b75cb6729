#include "algebra/solutions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "algebra/developpement.h"
#include "algebra/signe_constant.h"
#include "algebra/trinome.h"
#include "algebra/algebre.h"
#include "formula/enonce.h"
#include "formula/lecteur.h"
#include "formula/normalise.h"
#include "formula/valeur.h"
#include "formula/vocabulaire.h"

namespace {

// A linear factor may be wrapped in signs, brackets, abs( or sqrt( a few
// times; deeper nesting is refused rather than followed.
constexpr int PROFONDEUR_MAX = 8;

bool est_chiffre(char c) { return c >= '0' && c <= '9'; }

bool contient(std::string_view texte, char c) { return texte.find(c) != std::string_view::npos; }

// Two values that stand for the same number (roots computed along different roads).
bool meme_valeur(double a, double b) { return std::fabs(a - b) <= 1e-9 * (1.0 + std::fabs(a)); }

// The coefficient c of a term that reads c*x (x once, to the first power, not
// under a bracket nor divided by), as a text; empty when the term is not such.
std::string coefficient_lineaire(std::string_view terme)
{
    if (std::count(terme.begin(), terme.end(), 'x') != 1) return {};
    const std::size_t p = terme.find('x');
    int profondeur = 0;
    for (std::size_t i = 0; i < p; ++i) profondeur += terme[i] == '(' ? 1 : terme[i] == ')' ? -1 : 0;
    const char avant = p > 0 ? terme[p - 1] : '\0';
    const char apres = p + 1 < terme.size() ? terme[p + 1] : '\0';
    if (profondeur != 0 || avant == '/' || avant == '^' || apres == '^' || apres == '.' ||
        est_chiffre(apres))
        return {};
    const bool facteur_explicite = p == 0 || contient("+-*/(", avant);
    std::string coefficient(terme.substr(0, p));
    coefficient += facteur_explicite ? "1" : "*1";
    coefficient += terme.substr(p + 1);

    // Where the coefficient is a number, the term must be that multiple of x.
    if (std::any_of(coefficient.begin(), coefficient.end(), [](char l) { return l >= 'a' && l <= 'z'; }))
        return coefficient;
    const std::optional<double> c = valeur(coefficient, 0);
    if (!c || *c == 0) return {};
    for (double x : {1.5, -2.25}) {
        const std::optional<double> v = valeur(terme, x);
        if (!v || !meme_valeur(*v, *c * x)) return {};
    }
    return coefficient;
}

// The unknown as a letter of its own, not one of a word of the language ("exp").
bool contient_inconnue(std::string_view texte, char inconnue)
{
    for (std::size_t i = 0; i < texte.size();) {
        if (const std::size_t n = mot_en(texte, i))
            i += n;
        else if (texte[i++] == inconnue)
            return true;
    }
    return false;
}

std::optional<std::string> racine_de_facteur(std::string_view facteur, int profondeur);

// Two root texts for the same value: equal texts, or texts whose values agree.
bool meme_racine(const std::string &a, const std::string &b)
{
    if (a == b) return true;
    if (a == "inf" || b == "inf") return false;
    const std::optional<double> va = valeur(a, 0), vb = valeur(b, 0);
    return va && vb && meme_valeur(*va, *vb);
}

// The text of a part, and of a node.
std::string ecrit(const EnonceLu &lu, const Partie &p) { return std::string(lu.ecrit(p.etendue)); }
std::string ecrit(const Arbre &arbre, const Noeud &n)
{
    return arbre.texte.substr(static_cast<std::size_t>(n.debut), static_cast<std::size_t>(n.fin - n.debut));
}

// The text of a part without the brackets written around it.
std::string sans_parentheses(const EnonceLu &lu, const Partie &p)
{
    if (p.noeud < 0) return ecrit(lu, p);
    const Arbre &arbre = *lu.arbre;
    const Noeud &n = arbre[p.noeud];
    return n.genre == Genre::groupe ? ecrit(arbre, arbre[arbre.enfant(n, 0)]) : ecrit(lu, p);
}

// A sum of two to four terms: one term c*x, the others free of x.
std::optional<std::string> racine_d_une_somme(const EnonceLu &lu, const Membre &m)
{
    const std::vector<Partie> &termes = m.parties;
    // Each term with the sign written before it.
    const auto terme = [&](std::size_t k) {
        return (k > 0 ? std::string(1, termes[k - 1].operateur) : std::string()) + ecrit(lu, termes[k]);
    };
    std::optional<std::size_t> lineaire;
    for (std::size_t k = 0; k < termes.size(); ++k) {
        if (!contient_inconnue(lu.ecrit(termes[k].etendue), 'x')) continue;
        if (lineaire) return std::nullopt;
        lineaire = k;
    }
    if (!lineaire) return std::nullopt;
    const std::string coefficient = coefficient_lineaire(terme(*lineaire));
    if (coefficient.empty()) return std::nullopt;
    std::string reste;
    for (std::size_t k = 0; k < termes.size(); ++k)
        if (k != *lineaire) reste += terme(k);
    if (reste.empty()) reste = "0";
    return normalise(sans_blancs("-(" + reste + ")/(" + coefficient + ")"));
}

// One piece with no operator: x, 2x, -(...), (...), abs(...), sqrt(...).
std::optional<std::string> racine_d_un_morceau(const EnonceLu &lu, const Membre &m, int profondeur)
{
    const Arbre &arbre = *lu.arbre;
    const Noeud &n = arbre[m.noeud];
    const auto racine_de = [&](const Noeud &interieur) {
        return racine_de_facteur(ecrit(arbre, interieur), profondeur + 1);
    };
    switch (n.genre) {
    case Genre::fonction:
        if (arbre.mot(n) != "abs" && arbre.mot(n) != "sqrt") return std::nullopt;
        return racine_de(arbre[arbre.enfant(n, 0)]);
    case Genre::signe: case Genre::groupe:
        return racine_de(arbre[arbre.enfant(n, 0)]);
    case Genre::puissance:
        return std::nullopt;
    default:
        if (coefficient_lineaire(ecrit(arbre, n)).empty()) return std::nullopt;
        return "0";
    }
}

// A product whose only factor holding x is multiplied, not divided by.
std::optional<std::string> racine_d_un_produit(const EnonceLu &lu, const Membre &m, int profondeur)
{
    std::optional<std::size_t> facteur_en_x;
    for (std::size_t k = 0; k < m.parties.size(); ++k) {
        if (!contient_inconnue(lu.ecrit(m.parties[k].etendue), 'x')) continue;
        if (facteur_en_x || (k > 0 && m.parties[k - 1].operateur == '/')) return std::nullopt;
        facteur_en_x = k;
    }
    if (!facteur_en_x) return std::nullopt;
    return racine_de_facteur(sans_parentheses(lu, m.parties[*facteur_en_x]), profondeur + 1);
}

std::optional<std::string> racine_du_facteur_lu(const EnonceLu &lu, int profondeur)
{
    const Membre &m = lu.membres.front();
    if (profondeur > PROFONDEUR_MAX || !lu.arbre || lu.nature == SYSTEME || m.noeud < 0 || m.parties.empty())
        return std::nullopt;
    if (m.termes) return m.parties.size() <= 4 ? racine_d_une_somme(lu, m) : std::nullopt;
    if (!contient_inconnue(lu.membre(0), 'x')) return std::nullopt;
    return m.parties.size() == 1 ? racine_d_un_morceau(lu, m, profondeur) : racine_d_un_produit(lu, m, profondeur);
}

std::optional<std::string> racine_de_facteur(std::string_view facteur, int profondeur)
{
    return racine_du_facteur_lu(EnonceLu(facteur), profondeur);
}

// True when the member has no value at the root, which then is no solution
// of an equation: a zero of a divisor, a value outside the domain of a
// square root or a logarithm. A rational root is tried exactly; another
// counts only as a zero of a divisor (no value there, one close by), which
// rounding cannot fake.
bool sans_valeur_a_la_racine(std::string_view membre, std::string_view racine)
{
    const std::optional<Arbre> arbre = lis_formule(membre), lue = lis_formule(racine);
    if (!arbre || !lue) return false;
    if (const Valeur r = valeur_exacte(*lue, Rationnel(0)); r.exact)
        return valeur_exacte(*arbre, *r.exact).lecture == Definition::indefinie;
    const std::optional<double> v = valeur(*lue, 0);
    if (!v || valeur_ordinaire(*arbre, *v).lecture != Definition::indefinie) return false;
    for (double ecart : {0.01, 0.1, 0.37})
        if (valeur(*arbre, *v + ecart) || valeur(*arbre, *v - ecart))
            return true;
    return false;
}

// The whole number a literal writes, saturated at 1000; -1 for any other literal.
int entier_ecrit(std::string_view chiffres)
{
    if (chiffres.empty() || chiffres.find_first_not_of("0123456789") != std::string_view::npos) return -1;
    int v = 0;
    for (char c : chiffres) v = std::min(v * 10 + (c - '0'), 1000);
    return v;
}

// A factor raised to a whole power from 2 on: its base, which has the same
// roots; any other factor without the brackets written around it.
std::string sans_puissance(const EnonceLu &lu, const Partie &p)
{
    if (p.noeud >= 0) {
        const Arbre &arbre = *lu.arbre;
        const Noeud &n = arbre[p.noeud];
        if (n.genre == Genre::puissance) {
            const Noeud &exposant = arbre[arbre.enfant(n, 1)];
            if (exposant.genre == Genre::nombre && entier_ecrit(arbre.mot(exposant)) >= 2)
                return ecrit(arbre, arbre[arbre.enfant(n, 0)]);
        }
    }
    return sans_parentheses(lu, p);
}

// Most roots solving lists.
constexpr std::size_t RACINES_MAX = 4;

// The roots of a product set to zero, each factor solved as a linear equation
// (a sum is one factor); an empty list when no factor has one. Each value is
// listed once, whatever the power of its factor; more values than can be
// held is a failure, never a dropped root. For an equation the values where
// the member has none are left out.
std::optional<Racines> racines_du_produit(const std::string &gauche, int nature)
{
    std::string produit = gauche;
    mise_en_facteurs(produit);
    const EnonceLu lu(produit);
    Racines racines;
    for (const Partie &partie : lu.membres.front().parties) {
        const std::string facteur = sans_puissance(lu, partie);
        const std::optional<std::string> racine = racine_de_facteur(facteur, 0);
        if (!racine) {
            // A factor free of x, or that keeps one sign, has no real root.
            if (contient_inconnue(facteur, 'x') && signe_constant(facteur) == SigneConstant::inconnu)
                return std::nullopt;
            continue;
        }
        if ((nature == EQUATION && sans_valeur_a_la_racine(gauche, *racine)) ||
            std::any_of(racines.begin(), racines.end(), [&](const std::string &r) { return meme_racine(r, *racine); }))
            continue;
        if (racines.size() == RACINES_MAX) return std::nullopt;
        racines.push_back(*racine);
    }
    return racines;
}

// The value of the unknown alone on one side, unless that side still holds
// it; an equation of a system gives the pair, the other value coming from
// the context, and y alone outside a system is not solved.
std::optional<Racines> valeur_de_l_inconnue(char inconnue, const std::string &valeur, int nature,
                                            const ContexteResolution &contexte)
{
    if (contient_inconnue(valeur, inconnue)) return std::nullopt;
    if (nature == EQUATION && contexte.base_systeme) {
        const std::string &autre = inconnue == 'x' ? contexte.expression_y : contexte.expression_x;
        if (autre.empty()) return std::nullopt;
        return inconnue == 'x' ? Racines{valeur, autre} : Racines{autre, valeur};
    }
    if (inconnue != 'x') return std::nullopt;
    return Racines{valeur};
}

std::string domaine(std::string_view bas, std::string_view haut, std::string_view code)
{
    return "domain(x," + std::string(bas) + "," + std::string(haut) + "," + std::string(code) + ")";
}

// The code of an interval whose ends are open when their test text is "inf".
std::string code_intervalle(std::string_view test_bas, std::string_view test_haut)
{
    const bool bas_ouvert = test_bas == "inf", haut_ouvert = test_haut == "inf";
    if (bas_ouvert && haut_ouvert) return "12";
    if (bas_ouvert) return "14";
    if (haut_ouvert) return "15";
    return "13";
}

// One piece of a solution set: the values between two ends, each end open or
// closed; a single value when both ends are the same closed bound.
struct Morceau {
    std::string bas, haut;
    bool bas_ferme = false, haut_ferme = false;
};

// The sign of a member on a stretch between two roots.
enum class Signe { sans_valeur, negatif, nul, positif, indecis };

// The sign of the member between two roots (none for an infinite end), read
// at three points: no value when it has none at any of them, undecided when
// they disagree (a root not found, or a domain that ends inside).
Signe signe_entre(const Arbre &membre, std::optional<double> bas, std::optional<double> haut)
{
    std::array<double, 3> points{0.0, -1.5, 2.5};
    for (std::size_t k = 0; k < points.size(); ++k) {
        static constexpr double ecarts[] = {1.0, 2.5, 10.0};
        if (bas && haut) points[k] = *bas + (*haut - *bas) * static_cast<double>(k + 1) / 4.0;
        else if (bas) points[k] = *bas + ecarts[k];
        else if (haut) points[k] = *haut - ecarts[k];
    }
    std::optional<Signe> signe;
    for (double x : points) {
        const std::optional<double> v = valeur(membre, x);
        const Signe ici = !v ? Signe::sans_valeur : *v < 0 ? Signe::negatif : *v > 0 ? Signe::positif : Signe::nul;
        if (signe && *signe != ici) return Signe::indecis;
        signe = ici;
    }
    return *signe;
}

// The test text of an end: "inf" when the end is open.
std::string test_de(const std::string &borne, bool ferme) { return ferme ? borne : "inf"; }

} // namespace

void mise_en_facteurs(std::string &membre)
{
    const EnonceLu lu(membre);
    const Membre &m = lu.membres.front();
    bool somme = m.termes;
    if (!m.termes && !m.parties.empty()) {
        std::string produit;
        for (const Partie &p : m.parties)
            produit += (produit.empty() ? "(" : "*(") + sans_parentheses(lu, p) + ")";
        membre = normalise(produit);
        somme = EnonceLu(membre).membres.front().termes;
    }
    if (somme) membre = "1*(" + membre + ")";
    else if (membre.starts_with("-(")) membre.insert(1, "1*");
}

std::optional<std::string> racine_lineaire(const EnonceLu &facteur) { return racine_du_facteur_lu(facteur, 0); }

std::optional<Racines> resout(const EnonceLu &enonce, const ContexteResolution &contexte)
{
    const int nature = enonce.nature;
    if (nature < EQUATION || nature > SUPERIEUR_OU_EGAL) return std::nullopt;
    std::string gauche = enonce.membre(0);
    std::string droite = enonce.membre(1);
    if (nature == EQUATION && (droite == "x" || droite == "y")) echange(gauche, droite);

    std::optional<Racines> racines;
    if ((gauche == "x" || gauche == "y") && !droite.empty())
        racines = valeur_de_l_inconnue(gauche[0], droite, nature, contexte);
    else if (droite == "0")
        racines = racines_du_produit(gauche, nature);
    const bool inequation = nature != EQUATION;
    if (racines && (racines->empty() || (inequation && racines->size() == RACINES_MAX))) return std::nullopt;
    return racines;
}

void coefficient_de_tete(std::string &terme)
{
    const std::size_t etoile = terme.rfind('*');
    terme = etoile == std::string::npos || etoile == 0 ? "1" : terme.substr(0, etoile);
}

Issue forme_canonique(const EnonceLu &enonce)
{
    std::optional<std::string> resultat = forme_canonique_trinome(enonce.saisi);
    if (!resultat)
        return refuse();
    return transforme(std::move(*resultat));
}

void arrondit_nombre(std::string &texte)
{
    std::size_t i = 0;
    const bool negatif = !texte.empty() && texte[0] == '-';
    if (!texte.empty() && (texte[0] == '-' || texte[0] == '+')) i = 1;
    const std::size_t debut_entier = i;
    while (i < texte.size() && est_chiffre(texte[i])) ++i;
    std::string chiffres = texte.substr(debut_entier, i - debut_entier);
    std::string decimales;
    if (i < texte.size() && texte[i] == '.') {
        const std::size_t debut = ++i;
        while (i < texte.size() && est_chiffre(texte[i])) ++i;
        decimales = texte.substr(debut, i - debut);
    }
    if (i != texte.size() || (chiffres.empty() && decimales.empty())) return;
    if (chiffres.empty()) chiffres = "0";

    // Rounded to six decimals, half away from zero, on the digits themselves.
    const bool arrondi_haut = decimales.size() > 6 && decimales[6] >= '5';
    decimales.resize(6, '0');
    std::string nombre = chiffres + decimales;
    if (arrondi_haut) {
        std::size_t k = nombre.size();
        while (k > 0 && nombre[k - 1] == '9') nombre[--k] = '0';
        if (k == 0) nombre.insert(0, "1");
        else ++nombre[k - 1];
    }
    const bool nul = nombre.find_first_not_of('0') == std::string::npos;
    texte = (negatif && !nul ? "-" : "") + nombre.substr(0, nombre.size() - 6) + "." +
            nombre.substr(nombre.size() - 6);
}

void formate_solutions(std::string &liste, int separateur)
{
    const std::string marque = separateur == 0 ? "=" : "*et*";
    if (liste.find(marque) == std::string::npos) return;
    std::string resultat;
    std::size_t debut = 0;
    for (bool premier = true;; premier = false) {
        const std::size_t fin = liste.find(marque, debut);
        std::string valeur = liste.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut);
        arrondit_nombre(valeur);
        if (!premier) resultat += "*et*";
        resultat += normalise(valeur);
        if (fin == std::string::npos) break;
        debut = fin + marque.size();
    }
    liste = resultat;
}

namespace {

std::string ecrit_intervalle(std::string_view l1, std::string_view u1, std::string_view l2_, int nature,
                             std::string_view test_u2, std::string_view test_l2, std::string_view test_u1,
                             std::string_view test_l1, std::string_view u2_)
{
    std::string bas1(l1), haut1(u1), bas2(l2_), haut2(bas2.empty() ? std::string() : std::string(u2_));
    std::string t_bas1(test_l1), t_haut1(test_u1), t_bas2(test_l2), t_haut2(test_u2);

    if (nature == INFERIEUR || nature == SUPERIEUR) {
        const std::string code = "12";
        if (bas1 != haut1 || bas2 != haut2) {
            if (bas2 == haut2) return domaine(bas1, haut1, code);
            if (bas1 == haut1) return domaine(bas2, haut2, code);
            return "(" + domaine(bas1, "(" + haut1 + ")", code) + ")or(" + domaine(bas2, haut2, code) + ")";
        }
        if (nature == INFERIEUR) return "([])";
        return "(" + domaine("-inf", "(" + haut1 + ")", code) + ")or(" + domaine(haut1, "inf", code) + ")";
    }
    if (nature != INFERIEUR_OU_EGAL && nature != SUPERIEUR_OU_EGAL) return {};

    const auto vide_second = [&] { bas2.clear(); haut2.clear(); t_bas2.clear(); t_haut2.clear(); };
    if (bas1 == haut1 && (t_bas1 == "inf" || t_haut1 == "inf")) {
        bas1 = bas2; haut1 = haut2; t_bas1 = t_bas2; t_haut1 = t_haut2;
        vide_second();
    }
    if (bas2 == haut2 && (t_bas2 == "inf" || t_haut2 == "inf")) vide_second();
    if (haut1 == bas2 && t_haut1 != "inf" && t_bas2 != "inf") {
        haut1 = haut2;
        t_haut1 = t_haut2;
        vide_second();
    }

    const std::string code1 = code_intervalle(t_bas1, t_haut1);
    const std::string code2 = code_intervalle(t_bas2, t_haut2);
    if (bas1 == haut1 && bas2 == haut2)
        return nature == INFERIEUR_OU_EGAL ? "([" + bas1 + "])" : "(" + domaine("-inf", "inf", "12") + ")";
    if (bas2 != haut2) {
        if (bas1 != haut1) return "(" + domaine(bas1, haut1, code1) + ")or(" + domaine(bas2, haut2, code2) + ")";
        if (bas2 == haut1 || code1 != "13") return "(" + domaine(bas2, haut2, code2) + ")";
        return "([" + bas1 + "])or(" + domaine(bas2, haut2, code2) + ")";
    }
    if (bas2.empty() || bas2 == haut1) return "(" + domaine(bas1, haut1, code1) + ")";
    return "(" + domaine(bas1, haut1, code1) + ")or([" + bas2 + "])";
}

} // namespace

// Written in the normal form, as the answer check reads a pupil's answer: a
// bound is never left in brackets, '(-3)' is '-3'.
std::string texte_intervalle(std::string_view l1, std::string_view u1, std::string_view l2, int nature,
                             std::string_view test_u2, std::string_view test_l2, std::string_view test_u1,
                             std::string_view test_l1, std::string_view u2)
{
    const std::string texte = ecrit_intervalle(l1, u1, l2, nature, test_u2, test_l2, test_u1, test_l1, u2);
    return texte.empty() ? texte : normalise(texte);
}

namespace {

// The solution set of an inequation from the roots resout finds in it.
std::optional<std::string> ensemble_des_racines(const EnonceLu &lu, const std::optional<Racines> &racines)
{
    const int nature = lu.nature;
    if (nature < INFERIEUR || nature > SUPERIEUR_OU_EGAL) return std::nullopt;

    // A member free of x keeps one value: the set is everything or nothing.
    const std::string membre = "(" + lu.membre(0) + ")-(" + lu.membre(1) + ")";
    const bool constant = !racines && !contient_inconnue(membre, 'x');
    const std::optional<Arbre> arbre = lis_formule(membre);
    if ((!racines && !constant) || !arbre) return std::nullopt;

    // The distinct roots in increasing order of value.
    struct Borne {
        std::string texte;
        double valeur;
    };
    std::vector<Borne> bornes;
    for (const std::string &racine : racines.value_or(Racines{})) {
        const std::optional<double> v = valeur(racine, 0);
        if (!v) return std::nullopt;
        if (std::none_of(bornes.begin(), bornes.end(), [&](const Borne &b) { return meme_valeur(b.valeur, *v); }))
            bornes.push_back({racine, *v});
    }
    std::sort(bornes.begin(), bornes.end(), [](const Borne &a, const Borne &b) { return a.valeur < b.valeur; });

    // The sign of the member is sampled inside each stretch between two roots;
    // a root belongs to the set of a wide inequation when the member is defined there.
    const bool cherche_negatif = nature == INFERIEUR || nature == INFERIEUR_OU_EGAL;
    const bool large = nature == INFERIEUR_OU_EGAL || nature == SUPERIEUR_OU_EGAL;
    const std::size_t n = bornes.size();
    std::vector<Morceau> morceaux;
    std::optional<Morceau> courant;
    const auto ferme_courant = [&] {
        if (courant) morceaux.push_back(*courant);
        courant.reset();
    };
    for (std::size_t i = 0; i <= n; ++i) {
        const Signe signe = signe_entre(*arbre, i == 0 ? std::nullopt : std::optional(bornes[i - 1].valeur),
                                        i == n ? std::nullopt : std::optional(bornes[i].valeur));
        if (signe == Signe::indecis || (signe == Signe::nul && !constant)) return std::nullopt;
        const std::string bas = i == 0 ? "-inf" : bornes[i - 1].texte;
        const std::string haut = i == n ? "inf" : bornes[i].texte;
        // Where the member has no value there is no solution.
        if (signe == Signe::nul ? large : signe != Signe::sans_valeur && (signe == Signe::negatif) == cherche_negatif) {
            if (!courant) courant = Morceau{bas, haut, false, false};
            courant->haut = haut;
            courant->haut_ferme = false;
        } else {
            ferme_courant();
        }
        if (i == n) break;
        if (large && valeur(*arbre, bornes[i].valeur)) {
            if (!courant) courant = Morceau{bornes[i].texte, bornes[i].texte, true, true};
            courant->haut = bornes[i].texte;
            courant->haut_ferme = true;
        } else {
            ferme_courant();
        }
    }
    ferme_courant();

    // Written with the interval builder; a lone value or the empty set through
    // the "<=" form, which writes them as sets of values.
    const auto est_valeur = [](const Morceau &m) { return m.bas == m.haut; };
    if (morceaux.empty()) return texte_intervalle("", "", "", INFERIEUR, "", "", "", "", "");
    // More pieces than the builder takes (or two lone values): each piece in
    // its brackets, joined by "or".
    if (morceaux.size() > 2 || (morceaux.size() == 2 && est_valeur(morceaux[0]) && est_valeur(morceaux[1]))) {
        std::string texte;
        for (const Morceau &m : morceaux)
            texte += (texte.empty() ? "(" : "or(") +
                     (est_valeur(m) ? "[" + m.bas + "]"
                                    : domaine(m.bas, m.haut,
                                              code_intervalle(test_de(m.bas, m.bas_ferme), test_de(m.haut, m.haut_ferme)))) +
                     ")";
        return normalise(texte);
    }
    const Morceau &m1 = morceaux[0];
    const Morceau m2 = morceaux.size() == 2 ? morceaux[1] : Morceau{};
    const int forme = est_valeur(m1) && morceaux.size() == 1 ? INFERIEUR_OU_EGAL : nature;
    return texte_intervalle(m1.bas, m1.haut, m2.bas, forme, test_de(m2.haut, m2.haut_ferme),
                            test_de(m2.bas, m2.bas_ferme), test_de(m1.haut, m1.haut_ferme),
                            test_de(m1.bas, m1.bas_ferme), m2.haut);
}

} // namespace

std::optional<std::string> intervalle_solutions(const EnonceLu &inequation)
{
    return ensemble_des_racines(inequation, resout(inequation, {}));
}

namespace {

double valeur_pour_ordonner(const std::string &texte)
{
    return valeur(texte, 0).value_or(std::numeric_limits<double>::infinity());
}

void echange_distincts(std::string &a, std::string &b)
{
    if (&a != &b)
        a.swap(b);
}

} // namespace

void ordonne_deux(std::string &a, std::string &b)
{
    if (valeur_pour_ordonner(b) < valeur_pour_ordonner(a))
        echange_distincts(a, b);
}

void ordonne_trois(std::string &a, std::string &b, std::string &c,
                   std::string &compagnon_a, std::string &compagnon_b, std::string &compagnon_c)
{
    std::string *textes[] = {&a, &b, &c};
    std::string *compagnons[] = {&compagnon_a, &compagnon_b, &compagnon_c};
    double valeurs[] = {valeur_pour_ordonner(a), valeur_pour_ordonner(b), valeur_pour_ordonner(c)};
    for (int i : {0, 1, 0, 1}) {
        if (valeurs[i + 1] < valeurs[i]) {
            std::swap(valeurs[i], valeurs[i + 1]);
            echange_distincts(*textes[i], *textes[i + 1]);
            echange_distincts(*compagnons[i], *compagnons[i + 1]);
        }
    }
}

namespace {

// The values where a divisor in x vanishes, in increasing order; nothing
// when one of them cannot be found.
std::optional<std::vector<std::string>> valeurs_interdites(const std::string &membre)
{
    const std::optional<Arbre> arbre = lis_formule(membre);
    if (!arbre) return std::nullopt;
    std::vector<std::string> valeurs;
    for (const Noeud &n : arbre->noeuds) {
        if (n.genre != Genre::produit) continue;
        for (int k = 1; k < n.nombre_enfants; ++k) {
            const Noeud &d = (*arbre)[arbre->enfant(n, k)];
            const std::string diviseur = arbre->texte.substr(static_cast<std::size_t>(d.debut),
                                                             static_cast<std::size_t>(d.fin - d.debut));
            if (arbre->operateur(n, k) != '/' || !contient_inconnue(diviseur, 'x')) continue;
            const std::optional<Racines> racines = racines_du_produit(diviseur, EQUATION);
            if (!racines) return std::nullopt;
            for (const std::string &r : *racines)
                if (std::none_of(valeurs.begin(), valeurs.end(), [&](const std::string &v) { return meme_racine(v, r); }))
                    valeurs.push_back(r);
        }
    }
    if (valeurs.size() > 1) std::sort(valeurs.begin(), valeurs.end(), [](const std::string &u, const std::string &v) {
        return valeur(u, 0).value_or(0) < valeur(v, 0).value_or(0);
    });
    return valeurs;
}

// Every real but the forbidden values, as an interval text ("R" for an
// equation true everywhere).
std::string tous_les_reels_sauf(const std::vector<std::string> &interdites, int nature)
{
    if (interdites.empty()) return nature == EQUATION ? "R" : "(" + domaine("-inf", "inf", "12") + ")";
    std::string texte, bas = "-inf";
    for (const std::string &v : interdites) {
        texte += "(" + domaine(bas, "(" + v + ")", "12") + ")or";
        bas = v;
    }
    return normalise(texte + "(" + domaine(bas, "inf", "12") + ")");
}

bool relation_vraie(int nature, int signe)
{
    switch (nature) {
    case EQUATION: return signe == 0;
    case INFERIEUR: return signe < 0;
    case SUPERIEUR: return signe > 0;
    case INFERIEUR_OU_EGAL: return signe <= 0;
    case SUPERIEUR_OU_EGAL: return signe >= 0;
    default: return false;
    }
}

} // namespace

std::optional<Conclusion> conclusion_sans_racine(const EnonceLu &lu)
{
    const int nature = lu.nature;
    if (nature < EQUATION || nature > SUPERIEUR_OU_EGAL) return std::nullopt;
    const std::string gauche = lu.membre(0), droite = lu.membre(1);
    if (gauche.empty() || droite.empty()) return std::nullopt;
    const std::string ecart = "(" + gauche + ")-(" + droite + ")";
    std::string membre = droite == "0" ? gauche : normalise(ecart);
    // A member whose terms in x cancel once developed ('2(x+1)-2x-2') is constant.
    if (const Issue developpe_ = developpe(EnonceLu(membre), OptionsCalcul{});
        developpe_ && !contient_inconnue(normalise(developpe_->texte), 'x'))
        membre = normalise(developpe_->texte);
    const std::optional<std::vector<std::string>> interdites = valeurs_interdites(ecart);
    if (!interdites) return std::nullopt;

    const auto ensemble = [&](bool vraie) {
        if (!vraie) return Conclusion{"([])", "Pas de solution"};
        return Conclusion{tous_les_reels_sauf(*interdites, nature),
                          interdites->empty() ? "Tout réel est solution"
                                              : "Tout réel est solution, sauf les valeurs interdites"};
    };
    if (!contient_inconnue(membre, 'x')) {
        const std::optional<double> v = valeur(membre, 0);
        if (!v) return std::nullopt;
        return ensemble(relation_vraie(nature, (*v > 0) - (*v < 0)));
    }
    const SigneConstant signe = signe_constant(membre);
    if (signe != SigneConstant::inconnu) {
        if (nature == EQUATION) return ensemble(false);
        const bool positif = signe == SigneConstant::positif;
        Conclusion c = ensemble(relation_vraie(nature, positif ? 1 : -1));
        c.annonce[0] = c.annonce[0] == 'P' ? 'p' : 't';
        c.annonce = "L'expression " + forme_lisible(membre) + " est toujours strictement " +
                    (positif ? "positive : " : "négative : ") + c.annonce + ".";
        return c;
    }
    if (const std::optional<Racines> racines = racines_du_produit(membre, EQUATION);
        nature == EQUATION && racines && racines->empty())
        return ensemble(false);
    return std::nullopt;
}

bool nul_seulement_hors_du_domaine(const EnonceLu &facteur, const EnonceLu &enonce)
{
    const std::string f = normalise(facteur.saisi);
    const std::optional<std::vector<std::string>> interdites =
        valeurs_interdites("(" + enonce.membre(0) + ")-(" + enonce.membre(1) + ")");
    const std::optional<std::vector<std::string>> poles = valeurs_interdites(f);
    if (!interdites || !poles || !poles->empty()) return false;
    const std::optional<Racines> racines = racines_du_produit(f, EQUATION);
    return racines && std::all_of(racines->begin(), racines->end(), [&](const std::string &r) {
        return std::any_of(interdites->begin(), interdites->end(), [&](const std::string &v) { return meme_racine(v, r); });
    });
}

namespace {

// The roots found, each once, as the step lists them; a system's are the pair (x ; y).
Issue liste_des_racines(const Racines &racines, bool systeme)
{
    static constexpr const char *annonces[] = {
        "Pas de solution", "La solution est : ", "Les deux solutions sont : ",
        "Les trois solutions sont : ", "Les quatre solutions sont : "};
    std::string texte;
    for (const std::string &r : racines) texte += (texte.empty() ? "" : "*et*") + r;
    if (systeme)
        return transforme(texte, "La solution du système est le couple (" + forme_lisible(racines[0]) + " ; " +
                                     forme_lisible(racines[1]) + ").");
    return transforme(texte, annonces[racines.size()]);
}

// The solution set of an inequation from its roots (one to three), where the
// sign of the member sampled between them cannot be read otherwise (a root
// without a value, as a teacher's letter): one sample decides each stretch.
std::string intervalle_par_les_racines(const EnonceLu &enonce, Racines r)
{
    // A root or a member without a value counts as 0.
    const auto racine = [](const std::string &t) { return valeur(t, 0).value_or(0); };
    const std::string gauche = enonce.membre(0);
    const auto membre = [&](double x) { return valeur(gauche, x).value_or(0); };
    std::stable_sort(r.begin(), r.end(), [&](const std::string &a, const std::string &b) {
        return valeur_pour_ordonner(a) < valeur_pour_ordonner(b);
    });
    double w = r.size() == 1 ? (enonce.membre(1) == "0" ? membre(racine(r[0]) + 1) : 1)
                             : membre((racine(r[0]) + racine(r[1])) * 0.5);
    if (r.size() == 3 && w == 0) w = membre(racine(r[2]) + 10);
    const int nature = enonce.nature;
    if (nature == SUPERIEUR || nature == SUPERIEUR_OU_EGAL) w = -w;
    // Each root is the test text of its own end: closed where the inequation is wide.
    if (r.size() == 1)
        return w > 0 ? texte_intervalle("-inf", r[0], "", nature, "", "", r[0], "inf", "")
                     : texte_intervalle(r[0], "inf", "", nature, "", "", "inf", r[0], "");
    if (r.size() == 2)
        return w > 0 ? texte_intervalle("-inf", r[0], r[1], nature, "inf", r[1], r[0], "inf", "inf")
                     : texte_intervalle(r[0], r[1], "", nature, "", "", r[1], r[0], "");
    return w > 0 ? texte_intervalle("-inf", r[0], r[1], nature, r[2], r[1], r[0], "inf", r[2])
                 : texte_intervalle(r[0], r[1], r[2], nature, "inf", r[2], r[1], r[0], "inf");
}

} // namespace

Resolution resolution(const EnonceLu &enonce, const ContexteResolution &contexte)
{
    const std::optional<Racines> telles_quelles = resout(enonce, contexte);
    const std::optional<Conclusion> conclusion = telles_quelles ? std::nullopt : conclusion_sans_racine(enonce);
    Resolution r;
    r.conclut = telles_quelles || conclusion;
    if (!r.conclut) return r;
    // No root to find in the statement as written: no solution, or every
    // real (the normal form may have lost a denominator's zero). A
    // combination of a system true for every x leaves the pairs of a line,
    // not every real.
    if (conclusion) {
        const bool une_infinite = conclusion->texte == "R" && contexte.base_systeme;
        r.etape = transforme(conclusion->texte,
                             une_infinite ? "Le système a une infinité de solutions." : conclusion->annonce);
        return r;
    }
    // The roots of the normal form, else those of the statement as written
    // (found, since solving concludes); roots found only in part are never recorded.
    const Racines racines = resout(EnonceLu(normalise(enonce.saisi)), contexte).value_or(*telles_quelles);
    if (enonce.nature == EQUATION) {
        r.etape = liste_des_racines(racines, contexte.base_systeme);
        return r;
    }
    // The roots as written bound the set: the normal form may have lost a denominator's zero.
    const std::optional<std::string> texte = ensemble_des_racines(enonce, telles_quelles);
    // Sampling between roots that all have a value decides the set, or nothing can.
    if (!texte && std::all_of(racines.begin(), racines.end(), [](const std::string &t) { return valeur(t, 0).has_value(); }))
        return Resolution{};
    r.etape = transforme(texte ? *texte : intervalle_par_les_racines(enonce, racines),
                         "Il faut demander l'intervalle des solutions.");
    return r;
}
