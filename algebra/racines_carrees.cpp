#include "algebra/racines_carrees.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>

#include <gmpxx.h>

#include "algebra/algebre.h"
#include "formula/valeur.h"
#include "formula/lecteur.h"
#include "formula/normalise.h"

namespace {

constexpr std::string_view DEBUT_RACINE = "sqrt(";
// Powers of roots are put under the root up to this exponent.
constexpr int PLUS_GRAND_EXPOSANT = 999;
// Square factors are searched up to the square of this number: far past any
// pupil's root, and the search stays quick on a root of many digits.
constexpr unsigned long PLUS_GRAND_FACTEUR_CHERCHE = 1000;

bool que_des_chiffres(std::string_view t)
{
    if (t.empty())
        return false;
    for (char c : t)
        if (c < '0' || c > '9')
            return false;
    return true;
}

std::string_view sans_parentheses_englobantes(std::string_view t)
{
    while (t.size() >= 2 && t.front() == '(' && parenthese_fermante(t, 0) == t.size() - 1)
        t = t.substr(1, t.size() - 2);
    return t;
}

// When t is "sqrt(" + a + ")", perhaps inside parentheses, gives a.
bool argument_racine(std::string_view t, std::string &argument)
{
    t = sans_parentheses_englobantes(t);
    if (!t.starts_with(DEBUT_RACINE) || parenthese_fermante(t, DEBUT_RACINE.size() - 1) != t.size() - 1
        || t.size() == DEBUT_RACINE.size() + 1)
        return false;
    argument = t.substr(DEBUT_RACINE.size(), t.size() - DEBUT_RACINE.size() - 1);
    return true;
}

// When t is a root raised to a whole power from 2 to 999, gives the root's
// argument and the exponent.
bool puissance_de_racine(std::string_view t, std::string &argument, std::string &exposant)
{
    const std::size_t chapeau = t.rfind('^');
    if (chapeau == std::string_view::npos)
        return false;
    const std::string_view chiffres = t.substr(chapeau + 1);
    int n = 0;
    if (!que_des_chiffres(chiffres) || chiffres.size() > 4
        || std::from_chars(chiffres.data(), chiffres.data() + chiffres.size(), n).ec != std::errc()
        || n < 2 || n > PLUS_GRAND_EXPOSANT)
        return false;
    exposant = std::to_string(n);
    return argument_racine(t.substr(0, chapeau), argument);
}

// The parts of an expression's only member; false for a relation, a
// system or a text that does not read.
bool lit_expression(const EnonceLu &enonce, Morceaux &morceaux)
{
    return enonce.nature == EXPRESSION && lit_morceaux(enonce, enonce.membres.front(), morceaux);
}

// The node under the brackets written around it.
int sans_groupe(const Arbre &arbre, int noeud)
{
    while (arbre[noeud].genre == Genre::groupe)
        noeud = arbre.enfant(arbre[noeud], 0);
    return noeud;
}

// A part that is a whole power of a sum in brackets ('(x+1)^2').
bool puissance_d_une_somme(const EnonceLu &enonce, const Partie &partie)
{
    if (partie.noeud < 0)
        return false;
    const Arbre &arbre = *enonce.arbre;
    const Noeud &n = arbre[sans_groupe(arbre, partie.noeud)];
    if (n.genre != Genre::puissance)
        return false;
    const Noeud &exposant = arbre[arbre.enfant(n, 1)];
    return exposant.genre == Genre::nombre && arbre.mot(exposant).find('.') == std::string_view::npos &&
           arbre[arbre.enfant(n, 0)].genre == Genre::groupe &&
           arbre[sans_groupe(arbre, arbre.enfant(n, 0))].genre == Genre::somme;
}

// The first root of a whole number in a factor, whatever signs or brackets
// stand around it, is written with one square factor taken out. The term that
// receives the factor is normalised as a whole.
void simplifie_facteur(std::string &facteur)
{
    for (std::size_t debut = facteur.find(DEBUT_RACINE); debut != std::string::npos;
         debut = facteur.find(DEBUT_RACINE, debut + 1)) {
        const std::size_t fin = facteur.find(')', debut);
        if (fin == std::string::npos)
            return;
        const std::size_t chiffres = debut + DEBUT_RACINE.size();
        if (!que_des_chiffres(std::string_view(facteur).substr(chiffres, fin - chiffres)))
            continue;
        std::string racine = facteur.substr(debut, fin + 1 - debut);
        simplifie_entier(racine);
        if (racine != "fin")
            facteur.replace(debut, fin + 1 - debut, "(" + racine + ")");
        return;
    }
}

std::string simplifie_terme(const std::string &terme)
{
    const EnonceLu lu(terme);
    Morceaux facteurs;
    if (!lit_morceaux(lu, lu.membres.front(), facteurs))
        return terme;
    for (std::size_t i = 0; i < facteurs.textes.size(); ++i) {
        std::string &facteur = facteurs.textes[i];
        if (i == 0)
            facteur = "(" + facteur + ")";
        simplifie_facteur(facteur);
    }
    return normalise(joint(facteurs));
}

// Within one product: every power of a root goes under the root, and the
// roots are merged into the first of them. A root met after a "/" goes into
// the denominator of the merged argument unless the first root was itself
// met after a "/".
bool fusionne_produit(std::string &produit)
{
    const EnonceLu lu(produit);
    const Membre &membre = lu.membres.front();
    Morceaux facteurs;
    if (membre.termes || !lit_morceaux(lu, membre, facteurs) || puissance_d_une_somme(lu, membre.parties.front()))
        return false;
    auto au_denominateur = [&facteurs](std::size_t k) { return k > 0 && facteurs.operateurs[k - 1] == "/"; };
    bool change = false;
    std::size_t premiere = std::string::npos;
    std::string cumul;
    for (std::size_t k = 0; k < facteurs.textes.size();) {
        std::string argument, exposant;
        if (puissance_de_racine(facteurs.textes[k], argument, exposant)) {
            facteurs.textes[k] = "sqrt((" + normalise(argument) + ")^" + exposant + ")";
            change = true;
        } else if (argument_racine(facteurs.textes[k], argument)) {
            if (premiere == std::string::npos) {
                premiere = k;
                cumul = argument;
            } else {
                const char *lien = au_denominateur(k) == au_denominateur(premiere) ? ")*(" : ")/(";
                cumul = normalise("(" + cumul + lien + argument + ")");
                facteurs.textes[premiere] = "sqrt(" + cumul + ")";
                facteurs.textes.erase(facteurs.textes.begin() + static_cast<long>(k));
                facteurs.operateurs.erase(facteurs.operateurs.begin() + static_cast<long>(k) - 1);
                change = true;
                continue;
            }
        }
        ++k;
    }
    // A single root left needs no brackets.
    if (change)
        produit = facteurs.textes.size() == 1 ? facteurs.textes.front() : joint(facteurs);
    return change;
}

// +1 when the formula is known to be positive or zero wherever it is defined,
// -1 when known to be negative or zero, 0 when its sign is not known: a
// number, a root or absolute value, an even power, and products and sums of
// such. Read on the formula's tree, so implicit products and nested brackets
// count as the pupil wrote them.
int signe_connu(const Arbre &arbre, int indice)
{
    const Noeud &n = arbre[indice];
    if (sans_lettre(arbre, indice)) {
        const Valeur v = valeur_du_noeud(arbre, indice, 0);
        return v.lecture != Definition::definie ? 0 : v.nombre < 0 ? -1 : 1;
    }
    const auto enfant = [&](int k) { return signe_connu(arbre, arbre.enfant(n, k)); };
    switch (n.genre) {
    case Genre::groupe:
        return enfant(0);
    case Genre::signe:
        return arbre.mot(n) == "-" ? -enfant(0) : enfant(0);
    case Genre::fonction:
        return arbre.mot(n) == "sqrt" || arbre.mot(n) == "abs" || arbre.mot(n) == "exp" ? 1 : 0;
    case Genre::puissance: {
        const Noeud &exposant = arbre[arbre.enfant(n, 1)];
        if (exposant.genre != Genre::nombre)
            return 0;
        const std::string_view e = arbre.mot(exposant);
        if (e.find('.') != std::string_view::npos)
            return 0;
        return (e.back() - '0') % 2 == 0 ? 1 : enfant(0);
    }
    case Genre::produit: {
        int signe = 1;
        for (int k = 0; k < n.nombre_enfants && signe != 0; ++k)
            signe *= enfant(k);
        return signe;
    }
    case Genre::somme: {
        int signe = 0;
        for (int k = 0; k < n.nombre_enfants; ++k) {
            const int s = arbre.operateur(n, k) == '-' ? -enfant(k) : enfant(k);
            if (s == 0 || (k > 0 && s != signe))
                return 0;
            signe = s;
        }
        return signe;
    }
    default:
        return 0;
    }
}

// True when the formula is known to be strictly positive wherever it is
// defined: a positive number, an exponential, and products, quotients and
// even powers of such, and sums of positive terms one of which is strictly
// positive ('x^2+1').
bool strictement_positif(const Arbre &arbre, int indice)
{
    const Noeud &n = arbre[indice];
    if (sans_lettre(arbre, indice)) {
        const Valeur v = valeur_du_noeud(arbre, indice, 0);
        return v.lecture == Definition::definie && v.nombre > 0;
    }
    const auto enfant = [&](int k) { return arbre.enfant(n, k); };
    switch (n.genre) {
    case Genre::groupe:
        return strictement_positif(arbre, enfant(0));
    case Genre::fonction:
        return arbre.mot(n) == "exp";
    case Genre::puissance:
        return strictement_positif(arbre, enfant(0));
    case Genre::produit:
        for (int k = 0; k < n.nombre_enfants; ++k)
            if (!strictement_positif(arbre, enfant(k)))
                return false;
        return true;
    case Genre::somme: {
        bool strict = false;
        for (int k = 0; k < n.nombre_enfants; ++k) {
            const bool moins = arbre.operateur(n, k) == '-';
            if (signe_connu(arbre, enfant(k)) != (moins ? -1 : 1))
                return false;
            strict = strict || (!moins && strictement_positif(arbre, enfant(k)));
        }
        return strict;
    }
    default:
        return false;
    }
}

// The text of a node of an expression's tree.
std::string ecrit(const EnonceLu &enonce, int noeud)
{
    const Noeud &n = (*enonce.arbre)[noeud];
    return std::string(enonce.ecrit({static_cast<std::size_t>(n.debut), static_cast<std::size_t>(n.fin)}));
}

// The factors of a node of an expression's tree, read through its brackets:
// the children of a product with the operator before each ('*' where they
// are written side by side, as in '6x'), or the node alone.
struct Facteurs {
    Morceaux morceaux;
    std::vector<int> noeuds;
};

Facteurs facteurs_du_noeud(const EnonceLu &enonce, int noeud)
{
    const Arbre &arbre = *enonce.arbre;
    const int haut = sans_groupe(arbre, noeud);
    const Noeud &n = arbre[haut];
    Facteurs f;
    if (n.genre != Genre::produit) {
        f.noeuds.push_back(noeud);
        f.morceaux.textes.push_back(ecrit(enonce, noeud));
        return f;
    }
    for (int k = 0; k < n.nombre_enfants; ++k) {
        if (k > 0)
            f.morceaux.operateurs.emplace_back(1, arbre.operateur(n, k) == '/' ? '/' : '*');
        f.noeuds.push_back(arbre.enfant(n, k));
        f.morceaux.textes.push_back(ecrit(enonce, f.noeuds.back()));
    }
    return f;
}

// The argument of a root, the node perhaps in brackets; -1 for any other node.
int argument_de_racine(const Arbre &arbre, int noeud)
{
    const Noeud &n = arbre[sans_groupe(arbre, noeud)];
    return n.genre == Genre::fonction && arbre.mot(n) == "sqrt" ? sans_groupe(arbre, arbre.enfant(n, 0)) : -1;
}

} // namespace

Issue met_sous_racine(const EnonceLu &enonce, const OptionsCalcul &options)
{
    if (enonce.nature != EXPRESSION || !enonce.arbre)
        return refuse();
    const int signe = signe_connu(*enonce.arbre, enonce.arbre->racine);
    if (signe == 0)
        return refuse("Le signe de cette expression n'est pas connu : elle ne peut pas être mise sous une racine.");
    std::string carre = "((" + enonce.texte + ")" + (signe < 0 ? "*(-1)" : "") + ")^2";
    if (options.racines)
        carre = fusionne_racines(normalise(simplifie_racines(carre)));
    return transforme((signe < 0 ? "-sqrt(" : "sqrt(") + normalise(carre) + ")");
}

bool lit_morceaux(const EnonceLu &enonce, const Membre &membre, Morceaux &morceaux)
{
    morceaux = {};
    if (!enonce.arbre || membre.noeud < 0 || membre.parties.empty())
        return false;
    for (const Partie &partie : membre.parties) {
        morceaux.textes.emplace_back(enonce.ecrit(partie.etendue));
        if (partie.operateur != '\0')
            morceaux.operateurs.emplace_back(1, partie.operateur);
    }
    return true;
}

std::string joint(const Morceaux &morceaux, std::string_view avant, std::string_view apres)
{
    std::string r;
    for (std::size_t i = 0; i < morceaux.textes.size(); ++i) {
        if (i > 0)
            r += morceaux.operateurs[i - 1];
        r.append(avant).append(morceaux.textes[i]).append(apres);
    }
    return r;
}

void simplifie_entier(std::string &racine)
{
    const std::string_view t = racine;
    const std::string_view nombre =
        t.starts_with(DEBUT_RACINE) && t.ends_with(')')
            ? t.substr(DEBUT_RACINE.size(), t.size() - DEBUT_RACINE.size() - 1)
            : std::string_view{};
    if (que_des_chiffres(nombre)) {
        const mpz_class n{std::string(nombre)};
        for (unsigned long k = 2; k <= PLUS_GRAND_FACTEUR_CHERCHE && mpz_cmp_ui(n.get_mpz_t(), k * k) >= 0; ++k)
            if (mpz_divisible_ui_p(n.get_mpz_t(), k * k)) {
                const mpz_class quotient = n / (k * k);
                racine = std::to_string(k) + "*sqrt(" + quotient.get_str() + ")";
                return;
            }
    }
    racine = "fin";
}

std::string simplifie_racines(const std::string &membre)
{
    Morceaux termes;
    if (!lit_expression(EnonceLu(membre), termes))
        return membre;
    for (std::string &terme : termes.textes)
        terme = simplifie_terme(terme);
    return joint(termes);
}

std::string fusionne_racines(const std::string &membre)
{
    const EnonceLu lu(membre);
    if (lu.nature != EXPRESSION)
        return membre;
    if (!lu.membres.front().termes) {
        std::string produit = lu.texte;
        return fusionne_produit(produit) ? produit : membre;
    }
    Morceaux termes;
    if (!lit_morceaux(lu, lu.membres.front(), termes))
        return membre;
    bool change = false;
    for (std::string &terme : termes.textes)
        change = fusionne_produit(terme) || change;
    return change ? joint(termes) : membre;
}

Issue decompose_racine(const EnonceLu &enonce)
{
    if (enonce.nature != EXPRESSION || !enonce.arbre)
        return refuse();
    const Arbre &arbre = *enonce.arbre;
    Facteurs membre = facteurs_du_noeud(enonce, arbre.racine);
    const int argument = argument_de_racine(arbre, membre.noeuds.front());
    const Facteurs sous_racine = argument < 0 ? Facteurs{} : facteurs_du_noeud(enonce, argument);
    if (sous_racine.noeuds.size() < 2)
        return refuse();
    // sqrt(a*b) is sqrt(a)*sqrt(b) only where both are positive: every factor
    // but one must be known to be, or the roots would lose values that the
    // root of the product has (x < 0 in sqrt(x*x*(x+1))). Beside a factor of
    // unknown sign the others must never be zero: sqrt(x^2*(x-1)) has a value
    // at 0, sqrt(x^2)*sqrt(x-1) has none.
    std::vector<int> inconnus;
    for (int facteur : sous_racine.noeuds)
        if (signe_connu(arbre, facteur) != 1)
            inconnus.push_back(facteur);
    const auto jamais_nul = [&](int facteur) {
        return facteur == inconnus.front() || strictement_positif(arbre, facteur);
    };
    if (inconnus.size() > 1 ||
        (inconnus.size() == 1 && !std::all_of(sous_racine.noeuds.begin(), sous_racine.noeuds.end(), jamais_nul)))
        return refuse();
    // The other factors of the member stay as they are.
    Morceaux &facteurs = membre.morceaux;
    facteurs.textes[0] = normalise(joint(sous_racine.morceaux, "sqrt(", ")"));
    return transforme(facteurs.textes.size() == 1 ? facteurs.textes[0] : normalise(joint(facteurs)));
}

Issue recompose_racine(const EnonceLu &enonce)
{
    if (enonce.nature != EXPRESSION || !enonce.arbre)
        return refuse();
    const Arbre &arbre = *enonce.arbre;
    Facteurs racines = facteurs_du_noeud(enonce, arbre.racine);
    if (racines.noeuds.size() < 2)
        return refuse();
    for (std::size_t k = 0; k < racines.noeuds.size(); ++k) {
        const int argument = argument_de_racine(arbre, racines.noeuds[k]);
        if (argument < 0)
            return refuse();
        racines.morceaux.textes[k] = ecrit(enonce, argument);
    }
    const std::vector<std::string> &operateurs = racines.morceaux.operateurs;
    const bool quotient = std::find(operateurs.begin(), operateurs.end(), "/") != operateurs.end();
    const std::string resultat = "sqrt(" + joint(racines.morceaux) + ")";
    return transforme(quotient ? resultat : normalise(resultat));
}
