#include "algebra/racines_carrees.h"

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
    if (t.size() >= 2 && t.front() == '(' && parenthese_fermante(t, 0) == t.size() - 1)
        return t.substr(1, t.size() - 2);
    return t;
}

// When t is "sqrt(" + a + ")", perhaps inside one pair of parentheses, gives a.
bool argument_racine(std::string_view t, std::string &argument)
{
    t = sans_parentheses_englobantes(t);
    if (!t.starts_with(DEBUT_RACINE) || parenthese_fermante(t, DEBUT_RACINE.size() - 1) != t.size() - 1
        || t.size() == DEBUT_RACINE.size() + 1)
        return false;
    argument = t.substr(DEBUT_RACINE.size(), t.size() - DEBUT_RACINE.size() - 1);
    return true;
}

// When t is a root raised to a whole power from 2 to 1699, gives the root's
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
        || n < 2 || n >= CODE_SIN)
        return false;
    exposant = std::to_string(n);
    return argument_racine(t.substr(0, chapeau), argument);
}

bool parentheses_equilibrees(std::string_view t)
{
    int profondeur = 0;
    for (char c : t) {
        profondeur += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (profondeur < 0)
            return false;
    }
    return profondeur == 0;
}

bool est_somme(const std::string &texte)
{
    return EnonceLu(texte).membres.front().termes;
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
    Morceaux facteurs;
    if (!lit_morceaux(TDalgebre(terme).membre_gauche, facteurs))
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
    const TDmembre membre = TDalgebre(produit).membre_gauche;
    Morceaux facteurs;
    if (membre.nb_additifs > 0 || !lit_morceaux(membre, facteurs)
        || (membre.exposants[1] >= 2 && membre.exposants[1] <= CODE_SIN && est_somme(membre.bases[1])))
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
    if (change)
        produit = joint(facteurs);
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

int signe_connu(std::string_view texte)
{
    const std::optional<Arbre> arbre = lis_formule(texte);
    if (!arbre || arbre->racine < 0)
        return 0;
    return signe_connu(*arbre, arbre->racine);
}

} // namespace

bool met_sous_racine(std::string &texte, bool reduire_racines)
{
    const int signe = signe_connu(texte);
    if (signe == 0)
        return false;
    std::string carre = "((" + texte + ")" + (signe < 0 ? "*(-1)" : "") + ")^2";
    if (reduire_racines)
        carre = fusionne_racines(normalise(simplifie_racines(carre)));
    texte = (signe < 0 ? "-sqrt(" : "sqrt(") + normalise(carre) + ")";
    return true;
}

bool lit_morceaux(const TDmembre &membre, Morceaux &morceaux)
{
    morceaux = {};
    int dernier = 0;
    for (int i = 1; i <= 8; ++i)
        if (!membre.morceaux[i].empty())
            dernier = i;
    if (dernier == 0 || (dernier < 8 && !membre.operateurs_membre[dernier].empty()))
        return false;
    for (int i = 1; i <= dernier; ++i) {
        if (membre.morceaux[i].empty() || (i > 1 && membre.operateurs_membre[i - 1].empty())
            || !parentheses_equilibrees(membre.morceaux[i]))
            return false;
        if (i > 1)
            morceaux.operateurs.push_back(membre.operateurs_membre[i - 1]);
        morceaux.textes.push_back(membre.morceaux[i]);
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
    const TDalgebre algebre(membre);
    Morceaux termes;
    if (algebre.nature != EXPRESSION || !lit_morceaux(algebre.membre_gauche, termes))
        return membre;
    for (std::string &terme : termes.textes)
        terme = simplifie_terme(terme);
    return joint(termes);
}

std::string fusionne_racines(const std::string &membre)
{
    const TDalgebre algebre(membre);
    if (algebre.nature != EXPRESSION)
        return membre;
    if (algebre.membre_gauche.nb_additifs == 0) {
        std::string produit = algebre.texte;
        return fusionne_produit(produit) ? produit : membre;
    }
    Morceaux termes;
    if (!lit_morceaux(algebre.membre_gauche, termes))
        return membre;
    bool change = false;
    for (std::string &terme : termes.textes)
        change = fusionne_produit(terme) || change;
    return change ? joint(termes) : membre;
}

bool decompose_racine(std::string &membre)
{
    const TDalgebre algebre(membre);
    Morceaux facteurs;
    std::string argument;
    if (algebre.nature != EXPRESSION || algebre.membre_gauche.nb_additifs != 0
        || !lit_morceaux(algebre.membre_gauche, facteurs) || !argument_racine(facteurs.textes[0], argument))
        return false;
    const TDalgebre sous_racine(argument);
    Morceaux facteurs_argument;
    if (sous_racine.nature != EXPRESSION || sous_racine.membre_gauche.nb_additifs != 0
        || sous_racine.membre_gauche.nb_multiplicatifs < 1
        || !lit_morceaux(sous_racine.membre_gauche, facteurs_argument))
        return false;
    // sqrt(a*b) is sqrt(a)*sqrt(b) only where both are positive: every factor
    // but one must be known to be, or the roots would lose values that the
    // root of the product has (x < 0 in sqrt(x*x*(x+1))).
    int signes_inconnus = 0;
    for (const std::string &facteur : facteurs_argument.textes)
        signes_inconnus += signe_connu(facteur) != 1;
    if (signes_inconnus > 1)
        return false;
    // The other factors of the member stay as they are.
    facteurs.textes[0] = normalise(joint(facteurs_argument, "sqrt(", ")"));
    membre = facteurs.textes.size() == 1 ? facteurs.textes[0] : normalise(joint(facteurs));
    return true;
}

bool recompose_racine(std::string &membre)
{
    const TDalgebre algebre(membre);
    Morceaux racines;
    if (algebre.nature != EXPRESSION || algebre.membre_gauche.nb_additifs != 0
        || algebre.membre_gauche.nb_multiplicatifs < 1 || !lit_morceaux(algebre.membre_gauche, racines))
        return false;
    for (std::string &racine : racines.textes) {
        std::string argument;
        if (!argument_racine(racine, argument))
            return false;
        racine = std::move(argument);
    }
    bool quotient = false;
    for (const std::string &operateur : racines.operateurs)
        quotient = quotient || operateur == "/";
    const std::string resultat = "sqrt(" + joint(racines) + ")";
    membre = quotient ? resultat : normalise(resultat);
    return true;
}
