#include "algebra/developpement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "algebra/algebre.h"
#include "formula/enonce.h"
#include "formula/lecteur.h"
#include "formula/normalise.h"
#include "formula/valeur.h"
#include "formula/vocabulaire.h"

namespace {

constexpr std::size_t LONGUEUR_DEVELOPPEE_MAX = 200;
constexpr std::size_t NON_TROUVE = std::string::npos;

// True when a power's base is a sum, its sign aside: the base of '-(x-3)^2'
// is read with the sign, which is not part of what is squared.
bool base_est_une_somme(std::string_view base)
{
    if (!base.empty() && (base[0] == '-' || base[0] == '+'))
        base.remove_prefix(1);
    return est_somme(base);
}

// Position just after the ")" that closes the "(" at position ouverture;
// NON_TROUVE when there is no "(" there or it is never closed.
std::size_t fin_du_groupe(std::string_view t, std::size_t ouverture)
{
    const std::size_t fermeture = parenthese_fermante(t, ouverture);
    return fermeture == NON_TROUVE ? NON_TROUVE : fermeture + 1;
}

// Position of the "(" that the ")" at position fermeture closes, or NON_TROUVE.
std::size_t debut_du_groupe(std::string_view t, std::size_t fermeture)
{
    int profondeur = 0;
    for (std::size_t i = fermeture + 1; i-- > 0;) {
        if (t[i] == ')')
            ++profondeur;
        else if (t[i] == '(' && --profondeur == 0)
            return i;
    }
    return NON_TROUVE;
}

// A "+" or "-" at position i is an operator between terms, not the sign of
// a factor: it stands after the first character, outside any parentheses
// (checked by the caller), and not right after another operator.
bool separe_deux_termes(std::string_view t, std::size_t i)
{
    return i > 0 && std::strchr("*/^(+-", t[i - 1]) == nullptr;
}

// Removes the first signed term of a sum and returns it. Unlike a plain cut
// at every sign, signs inside parentheses or after an operator stay in the term.
std::string coupe_terme(std::string &s)
{
    std::size_t i = !s.empty() && (s[0] == '-' || s[0] == '+') ? 1 : 0;
    int profondeur = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '(')
            ++profondeur;
        else if (c == ')')
            --profondeur;
        else if ((c == '+' || c == '-') && profondeur == 0 && separe_deux_termes(s, i))
            break;
    }
    std::string terme = s.substr(0, i);
    s.erase(0, i);
    if (!terme.empty() && terme[0] == '+')
        terme.erase(0, 1);
    if (!s.empty() && s[0] == '+')
        s.erase(0, 1);
    return terme;
}

// Swaps the operators between the terms of a text ("+" and "-" at the top
// level); signs inside groups and signs of factors are left alone.
void inverse_operateurs_termes(std::string &t)
{
    int profondeur = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        char &c = t[i];
        if (c == '(')
            ++profondeur;
        else if (c == ')')
            --profondeur;
        else if ((c == '+' || c == '-') && profondeur == 0 && separe_deux_termes(t, i))
            c = c == '+' ? '-' : '+';
    }
}

// The terms of one side of a distribution, each with the sign before it.
struct Termes {
    std::array<std::string, 8> morceaux;
    std::array<std::string, 8> signes;
    int nombre = 0;
};

// A clean sum gives its terms; anything else (a single term, a sum whose
// split cannot be trusted or left a piece empty, a relation, or the whole
// text when entier is set) counts as one term with the sign ".".
Termes termes_a_distribuer(const std::string &t, bool entier)
{
    Termes r;
    const EnonceLu enonce(t);
    const Membre &m = enonce.membres[0];
    if (entier || enonce.nature != EXPRESSION || !m.termes || !decoupe_fiable(enonce, m) ||
        signe_apres_operateur(t)) {
        r.morceaux[0] = t;
        r.signes[0] = ".";
        r.nombre = 1;
        return r;
    }
    std::vector<std::string> pieces = morceaux_du_membre(enonce, m);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        r.morceaux[i] = std::move(pieces[i]);
        if (i > 0)
            r.signes[i].assign(1, m.parties[i - 1].operateur);
    }
    r.nombre = static_cast<int>(pieces.size());
    return r;
}

// A whole number from 1 to 15 that the text stands for, or 0. A text
// holding x is never taken for one, even when its two values happen to agree.
int entier_constant(const std::string &t)
{
    if (t.find('x') != NON_TROUVE)
        return 0;
    const std::optional<double> a = valeur_constante(t);
    if (!a || !(*a > 0) || *a >= 16 || *a != std::floor(*a))
        return 0;
    return static_cast<int>(*a);
}

} // namespace

bool est_somme(std::string_view texte) { return EnonceLu(texte).membres[0].termes; }

bool meme_valeur(std::string_view a, std::string_view b)
{
    static constexpr double POINTS[] = {-2.37, -0.83, 0.41, 1.69, 3.075, -7.13, 11.29};
    const std::optional<Arbre> arbre_a = lis_formule(a);
    if (!arbre_a)
        return false;
    const std::optional<Arbre> arbre_b = lis_formule(b);
    int comparees = 0;
    for (double x : POINTS) {
        const Valeur va = valeur_ordinaire(*arbre_a, x);
        if (va.lecture == Definition::illisible)   // vectors, relations: no value to check
            return true;
        if (va.lecture != Definition::definie)
            continue;
        const Valeur vb = arbre_b ? valeur_ordinaire(*arbre_b, x) : Valeur{};
        if (vb.lecture != Definition::definie)
            return false;
        if (std::abs(va.nombre) > 1e12 || std::abs(vb.nombre) > 1e12)
            continue;
        if (std::abs(va.nombre - vb.nombre) > 1e-7 * std::max({1.0, std::abs(va.nombre), std::abs(vb.nombre)}))
            return false;
        ++comparees;
    }
    return comparees > 0;
}

bool base_entiere(std::string_view base)
{
    if (base.empty())
        return false;
    if (base.size() == 1 && base[0] >= 'a' && base[0] <= 'z')
        return true;
    if (std::all_of(base.begin(), base.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; }))
        return true;
    const std::size_t ouverture = base.find('(');
    return ouverture != NON_TROUVE && (ouverture == 0 || fonction_nommee(base.substr(0, ouverture))) &&
           fin_du_groupe(base, ouverture) == base.size();
}

namespace {

// Every ")" closes a "(" written before it, and every "(" is closed.
bool parentheses_equilibrees(std::string_view t)
{
    int profondeur = 0;
    for (char c : t) {
        if (c == '(')
            ++profondeur;
        else if (c == ')' && --profondeur < 0)
            return false;
    }
    return profondeur == 0;
}

} // namespace

bool decoupe_fiable(const EnonceLu &enonce, const Membre &membre)
{
    return membre.parties.size() <= PIECES_COMPTEES &&
           std::all_of(membre.parties.begin(), membre.parties.end(),
                       [&](const Partie &p) { return parentheses_equilibrees(enonce.ecrit(p.etendue)); });
}

bool signe_apres_operateur(std::string_view texte)
{
    for (std::size_t i = 1; i < texte.size(); ++i)
        if ((texte[i] == '+' || texte[i] == '-') && std::strchr("*/^+-", texte[i - 1]) != nullptr)
            return true;
    return false;
}

std::string ordonne_ou_garde(std::string texte)
{
    ordonne(texte);
    return texte;
}

bool ordonne(std::string &membre)
{
    // Without a "+" or "-" after its first character a text is no sum, and
    // its normal form cannot make one: spare the normalisation.
    if (membre.size() > LONGUEUR_MAX_TRAVAIL || membre.find_first_of("+-", 1) == NON_TROUVE)
        return false;
    const std::string t = normalise_brut(membre);
    const EnonceLu enonce(t);
    const Membre &m = enonce.membres[0];
    if (enonce.nature != EXPRESSION || !m.termes || !decoupe_fiable(enonce, m))
        return false;
    // Only a sum of monomials: no term is a sum, no factor is a power of a sum.
    for (const std::string &piece : morceaux_du_membre(enonce, m)) {
        const TDmembre terme = TDalgebre(piece).membre_gauche;
        if (terme.nb_additifs > 0)
            return false;
        for (int j = 1; j <= 8 && !terme.morceaux[j].empty(); ++j)
            if (base_est_une_somme(terme.bases[j]))
                return false;
    }

    std::vector<TDpoly> termes;
    for (std::string reste = t; !reste.empty();)
        termes.emplace_back(coupe_terme(reste));
    std::stable_sort(termes.begin(), termes.end(),
                     [](const TDpoly &a, const TDpoly &b) { return a.degre_terme > b.degre_terme; });
    std::string somme;
    for (const TDpoly &terme : termes)
        somme += "+(" + terme.texte + ")";
    std::string resultat = normalise(somme);
    if (!meme_valeur(membre, resultat))
        return false;
    membre = std::move(resultat);
    return true;
}

std::string signe_produit(const std::string &a, const std::string &b)
{
    if (a == "." && b == ".")
        return "";
    return (a == "-") != (b == "-") ? "-" : "+";
}

std::string distribue(const std::string &a, const std::string &b, const std::string &operateur, bool reduire)
{
    // Texts too long to work on are only joined.
    if (a.size() + b.size() > LONGUEUR_MAX_TRAVAIL)
        return "(" + a + ")" + operateur + "(" + b + ")";
    // Dividing by a sum does not distribute: the divisor stays whole.
    const Termes ta = termes_a_distribuer(a, false);
    const Termes tb = termes_a_distribuer(b, operateur == "/");
    // When the whole result is reduced, the products are left to that one
    // reduction, which gives the same text as reducing each of them first.
    std::string resultat;
    for (int i = 0; i < ta.nombre; ++i) {
        for (int j = 0; j < tb.nombre; ++j) {
            std::string signe = signe_produit(ta.signes[i], tb.signes[j]);
            if (i == 0 && j == 0 && signe == "+")
                signe.clear();
            const std::string produit = "(" + ta.morceaux[i] + ")" + operateur + "(" + tb.morceaux[j] + ")";
            resultat += signe + "(" + (reduire ? produit : normalise(produit)) + ")";
        }
    }
    return reduire ? normalise(resultat) : resultat;
}

namespace {

// '-x^2' is the opposite of a square: the sign stays out of the product.
std::string base_sans_signe(const std::string &base) { return base.starts_with("-") ? base.substr(1) : base; }

// Piece i is a power 2 to 5 of a whole base, which developing writes out.
bool puissance_a_ecrire(const TDmembre &m, int i)
{
    return m.exposants[i] >= 2 && m.exposants[i] <= 5 && base_entiere(base_sans_signe(m.bases[i]));
}

} // namespace

std::string puissance_developpee(int i, const TDalgebre &enonce, bool reduire)
{
    if (i < 1 || i > 8)
        return "";
    const TDmembre &m = enonce.membre_gauche;
    const int n = m.exposants[i];
    if (!puissance_a_ecrire(m, i))
        return normalise_brut(m.morceaux[i]);
    const bool oppose = m.bases[i].starts_with("-");
    const std::string base = normalise_brut(base_sans_signe(m.bases[i]));
    std::string resultat = base;
    for (int k = 1; k < n; ++k)
        resultat = distribue(resultat, base, "*", reduire);
    if (oppose)
        resultat = "-(" + resultat + ")";
    return normalise_brut(resultat);
}

void masque_racines(std::string &texte, std::string racines[3])
{
    static constexpr char LETTRES[3] = {'e', 'f', 'g'};
    for (int k = 0; k < 3; ++k) {
        racines[k].clear();
        const std::size_t p = texte.find("sqrt");
        if (p == NON_TROUVE || texte.find(LETTRES[k]) != NON_TROUVE)
            continue;
        const std::size_t fin = fin_du_groupe(texte, p + 4);
        if (fin == NON_TROUVE)
            return;
        racines[k] = texte.substr(p, fin - p);
        remplace_chaque(texte, racines[k], std::string(1, LETTRES[k]));
    }
}

void demasque_racines(std::string &texte, const std::string racines[3])
{
    static constexpr char LETTRES[3] = {'e', 'f', 'g'};
    // Last hidden first: its root may hold an earlier letter.
    for (int k = 2; k >= 0; --k)
        if (!racines[k].empty())
            remplace_chaque(texte, std::string(1, LETTRES[k]), racines[k]);
}

namespace {

// Piece i of a member written as a factor: its power, or its base (in
// brackets when it needs them).
std::string facteur_ecrit(const TDmembre &m, int i) { return m.exposants[i] > 1 ? m.morceaux[i] : m.bases[i]; }

// A product with one quotient by a factor D that holds x ('A*B/D', 'A/D*B')
// develops its numerator only: cutting it into a sum of fractions is not what
// developing asks. True when the member is such a quotient, with the result,
// empty when the numerator does not develop.
bool developpe_quotient(const TDmembre &m, std::string &resultat, const OptionsCalcul &options)
{
    int dernier = 1;
    while (dernier < 8 && !m.morceaux[dernier + 1].empty())
        ++dernier;
    const auto operateurs = m.operateurs_membre.begin();
    const auto barre = std::find(operateurs + 1, operateurs + dernier, "/");
    const int d = static_cast<int>(barre - operateurs) + 1;
    if (d > dernier || std::find(barre + 1, operateurs + dernier, "/") != operateurs + dernier ||
        m.morceaux[d].find('x') == NON_TROUVE)
        return false;
    std::string numerateur;
    for (int i = 1; i <= dernier; ++i)
        if (i != d)
            numerateur += (numerateur.empty() ? "" : "*") + facteur_ecrit(m, i);
    if (dernier == 2 && m.exposants[1] < 2)
        numerateur = m.morceaux[1];
    resultat.clear();
    if (developpe(numerateur, options))
        resultat = (est_somme(numerateur) ? "(" + numerateur + ")" : numerateur) + "/" + facteur_ecrit(m, d);
    return true;
}

// The member's factors (powers 2 to 5 written out) distributed one after the
// other; empty when there are more than six factors, or nothing was
// distributed, or the distribution only gave the text back ('x^2').
std::string produit_developpe(const TDalgebre &enonce, const OptionsCalcul &options)
{
    const TDmembre &m = enonce.membre_gauche;
    // A seventh factor would be lost: such a product is not developed.
    if (!m.morceaux[7].empty())
        return "";
    std::string resultat;
    if (developpe_quotient(m, resultat, options))
        return resultat;
    bool distribue_une_fois = puissance_a_ecrire(m, 1);
    resultat = puissance_developpee(1, enonce, options.reduire);
    for (int i = 2; i <= 6; ++i) {
        const std::string facteur = puissance_developpee(i, enonce, options.reduire);
        if (facteur.empty())
            break;
        resultat = distribue(resultat, facteur, m.operateurs_membre[i - 1], options.reduire);
        distribue_une_fois = true;
    }
    if (resultat == "0" || !distribue_une_fois || resultat == normalise_brut(enonce.texte))
        return "";
    return resultat;
}

// Each term of a sum developed where it is a product or a power that can be
// ('2*(x+1)-3*(x-1)'), the other terms kept; empty when no term was
// developed or a term would be lost.
std::string somme_developpee(const EnonceLu &enonce, const Membre &m, const OptionsCalcul &options)
{
    const std::vector<std::string> termes = morceaux_du_membre(enonce, m);
    std::string somme;
    bool developpee = false;
    for (std::size_t i = 0; i < termes.size(); ++i) {
        const std::string &terme = termes[i];
        const EnonceLu lu(terme);
        const bool produit =
            lu.nature == EXPRESSION && !lu.membres[0].termes && decoupe_fiable(lu, lu.membres[0]);
        const std::string developpe = produit ? produit_developpe(TDalgebre(lu), options) : "";
        developpee = developpee || !developpe.empty();
        somme += (i > 0 ? operateur_apres(m, i - 1) : "") + "(" + (developpe.empty() ? terme : developpe) + ")";
    }
    if (!developpee)
        return "";
    return options.reduire ? normalise(somme) : normalise_brut(somme);
}

} // namespace

bool developpe(std::string &membre, const OptionsCalcul &options)
{
    if (!options.developpe || membre.size() > LONGUEUR_MAX_TRAVAIL)
        return false;
    std::string t = membre;
    std::string racines[3];
    masque_racines(t, racines);

    const EnonceLu enonce(t);
    const Membre &m = enonce.membres[0];
    if (enonce.nature != EXPRESSION || !decoupe_fiable(enonce, m))
        return false;
    std::string resultat =
        m.termes ? somme_developpee(enonce, m, options) : produit_developpe(TDalgebre(enonce), options);
    if (resultat.empty())
        return false;

    demasque_racines(resultat, racines);
    // A root squared can only be reduced once it is back.
    const bool masquees = !racines[0].empty() || !racines[1].empty() || !racines[2].empty();
    if (options.reduire && masquees)
        resultat = normalise(resultat);
    if (resultat.size() > LONGUEUR_DEVELOPPEE_MAX || !meme_valeur(membre, resultat))
        return false;
    membre = std::move(resultat);
    return true;
}

bool enleve_parentheses(std::string &membre)
{
    if (membre.size() > LONGUEUR_MAX_TRAVAIL)
        return false;
    std::string t = membre;
    if (!t.empty() && t[0] == '(')
        t.insert(0, "+");
    if (t.find("sqrt") != NON_TROUVE || t.find(")^") != NON_TROUVE)
        return false;

    bool ouvert = false;
    for (std::size_t i = t.find(')'); i != NON_TROUVE; i = t.find(')', i)) {
        const std::size_t ouverture = debut_du_groupe(t, i);
        // Only a group that is a whole term, signed by a "+" or "-" between terms.
        const bool terme_entier =
            ouverture != NON_TROUVE && ouverture >= 1 && (t[ouverture - 1] == '+' || t[ouverture - 1] == '-') &&
            (ouverture < 2 || std::strchr("*/^+-", t[ouverture - 2]) == nullptr) &&
            (i + 1 == t.size() || std::strchr("+-)=<>\r\n}", t[i + 1]) != nullptr);
        std::string contenu = terme_entier ? t.substr(ouverture + 1, i - ouverture - 1) : "";
        if (!contenu.empty() && contenu[0] == '+')
            contenu.erase(0, 1);
        if (contenu.find_first_not_of(" \t") == NON_TROUVE) {
            ++i;
            continue;
        }
        std::string remplacement;
        if (t[ouverture - 1] == '+') {
            remplacement = contenu[0] == '-' ? contenu : "+" + contenu;
        } else {
            std::string signe = "-";
            if (contenu[0] == '-') {
                contenu.erase(0, 1);
                signe = "+";
            }
            inverse_operateurs_termes(contenu);
            remplacement = signe + contenu;
        }
        t.replace(ouverture - 1, i - ouverture + 2, remplacement);
        i = ouverture - 1 + remplacement.size();
        ouvert = true;
    }
    if (!t.empty() && t[0] == '+')
        t.erase(0, 1);
    if (!ouvert || !meme_valeur(membre, t))
        return false;
    membre = std::move(t);
    return true;
}

bool en_somme(std::string &membre)
{
    if (membre.size() > LONGUEUR_MAX_TRAVAIL)
        return false;
    const EnonceLu enonce(membre);
    const Membre &m = enonce.membres[0];
    if (enonce.nature != EXPRESSION || m.termes || m.parties.size() != 2 || m.parties[0].operateur != '*')
        return false;
    const std::string facteurs[2] = {std::string(facteur_sans_parentheses(enonce.ecrit(m.parties[0].etendue))),
                                     std::string(facteur_sans_parentheses(enonce.ecrit(m.parties[1].etendue)))};
    std::string repete;
    int n = entier_constant(facteurs[0]);
    if (n > 0) {
        repete = facteurs[1];
    } else {
        n = entier_constant(facteurs[1]);
        if (n == 0)
            return false;
        repete = facteurs[0];
    }
    // A sum or a signed factor keeps its parentheses in the repeated sum.
    if (repete[0] == '-' || est_somme(repete))
        repete = "(" + repete + ")";
    std::string somme = repete;
    for (int k = 2; k <= n; ++k)
        somme += "+" + repete;
    membre = std::move(somme);
    return true;
}
