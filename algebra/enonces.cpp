#include "algebra/enonces.h"

#include <algorithm>
#include <optional>

#include "algebra/developpement.h"
#include "algebra/equivalence.h"
#include "algebra/signe_constant.h"
#include "algebra/solutions.h"
#include "algebra/algebre.h"
#include "formula/enonce.h"
#include "formula/lecteur.h"
#include "formula/normalise.h"
#include "formula/valeur.h"
#include "formula/vocabulaire.h"

namespace {

bool est_relation(int nature) { return nature >= EQUATION && nature <= SUPERIEUR_OU_EGAL; }

std::string texte_relation(int nature)
{
    switch (nature) {
    case EQUATION: return "=";
    case INFERIEUR: return "<";
    case SUPERIEUR: return ">";
    case INFERIEUR_OU_EGAL: return "<=";
    case SUPERIEUR_OU_EGAL: return ">=";
    default: return "";
    }
}

int relation_inverse(int nature)
{
    switch (nature) {
    case INFERIEUR: return SUPERIEUR;
    case SUPERIEUR: return INFERIEUR;
    case INFERIEUR_OU_EGAL: return SUPERIEUR_OU_EGAL;
    case SUPERIEUR_OU_EGAL: return INFERIEUR_OU_EGAL;
    default: return nature;
    }
}

bool est_minuscule(char c) { return c >= 'a' && c <= 'z'; }

// A replacement may not grow a text beyond this: no formula is that long, and
// a long value put in place of many letters would exhaust memory.
constexpr std::size_t LONGUEUR_REMPLACEMENT_MAX = 1000000;

// Every occurrence of the variable lettre (not a letter of a function name)
// becomes "(" + valeur + ")". One pass over the original text: a value that
// holds the letter itself is not replaced again. False when the result would
// be too long.
bool remplace_lettre(std::string_view texte, char lettre, std::string_view valeur, std::string &r)
{
    r.clear();
    r.reserve(texte.size() + 8);
    for (std::size_t i = 0; i < texte.size();) {
        if (r.size() > LONGUEUR_REMPLACEMENT_MAX)
            return false;
        if (const std::size_t n = mot_en(texte, i)) {
            r.append(texte.substr(i, n));
            i += n;
        } else if (texte[i] == lettre) {
            r += '(';
            r.append(valeur);
            r += ')';
            ++i;
        } else {
            r += texte[i++];
        }
    }
    return r.size() <= LONGUEUR_REMPLACEMENT_MAX;
}

// True when the text holds no variable: only numbers, operators and functions.
bool sans_variable(std::string_view texte)
{
    for (std::size_t i = 0; i < texte.size();) {
        if (const std::size_t n = mot_en(texte, i))
            i += n;
        else if (est_minuscule(texte[i]) || (texte[i] >= 'A' && texte[i] <= 'Z'))
            return false;
        else
            ++i;
    }
    return true;
}

bool est_variable_de_systeme(const std::string &t)
{
    return t == "x" || t == "y" || t == "a" || t == "b";
}

// The equation's variable alone on one side, and its letter.
std::optional<std::pair<char, VariableIsolee>> lettre_isolee(const EnonceLu &e)
{
    if (e.nature != EQUATION)
        return std::nullopt;
    std::string gauche = e.membre(0);
    std::string droite = e.membre(1);
    if (est_variable_de_systeme(droite))
        echange(gauche, droite);
    if (droite.empty() || gauche.size() != 1)
        return std::nullopt;
    const char lettre = gauche[0];
    const int variable = lettre == 'x' || lettre == 'a' ? 1 : lettre == 'y' || lettre == 'b' ? 2 : 0;
    if (variable == 0)
        return std::nullopt;
    return std::pair{lettre, VariableIsolee{variable, std::move(droite)}};
}

// The digits of a decimal text after its leading zeros, without its point,
// and the power of ten of its first digit ('0.0250' gives "250" and -2).
// Written zeros after a point are significant; those that end a whole
// number are not ('32000000' gives "32").
struct Mantisse {
    std::string chiffres;
    int exposant = 0;
};

std::optional<Mantisse> mantisse_de(std::string_view decimal)
{
    const std::size_t point = std::min(decimal.find('.'), decimal.size());
    const std::size_t premier = decimal.find_first_not_of("0.");
    if (premier == std::string_view::npos)
        return std::nullopt;
    Mantisse m;
    m.exposant = static_cast<int>(point) - static_cast<int>(premier) - (premier < point ? 1 : 0);
    for (std::size_t i = premier; i < decimal.size(); ++i)
        if (decimal[i] != '.')
            m.chiffres += decimal[i];
    if (point == decimal.size())
        m.chiffres.erase(std::max<std::size_t>(1, m.chiffres.find_last_not_of('0') + 1));
    return m;
}

// A plain decimal number as written, sign apart: "2.50", "1500".
bool est_nombre_ecrit(std::string_view texte)
{
    return !texte.empty() && texte.find_first_not_of("0123456789.") == std::string_view::npos
           && std::count(texte.begin(), texte.end(), '.') <= 1;
}

std::string somme_aux_membres(const std::string &membre, std::string_view t, bool vecteurs)
{
    std::string r = normalise(membre + "+(" + std::string(t) + ")");
    if (vecteurs && r == "0")
        r = "o..arrow";
    return r;
}

std::string produit_des_membres(const std::string &membre, const std::string &facteur,
                                bool facteur_sans_somme, const OptionsCalcul &options)
{
    std::string r = "(" + membre + ")*(" + facteur + ")";
    if (facteur_sans_somme) {
        if (const Issue developpe_ = developpe(EnonceLu(r), options))
            r = developpe_->texte;
    }
    if (options.reduire)
        r = normalise(r);
    return r;
}

// What the multiplier does to a relation: a constant decides by its own sign,
// a factor in the unknown by the sign it keeps for every x (one that may
// vanish or change sign would change the solutions; an equation may still be
// multiplied by a denominator, which vanishes only where it has no value). A
// factor in the teacher's letters has no known sign: an equation takes it,
// an inequation cannot tell which way its relation would turn.
enum class EffetFacteur { GARDE, INVERSE, REFUSE };

EffetFacteur effet_du_facteur(const std::string &facteur, std::string_view enonce, int nature)
{
    if (sans_variable(facteur)) {
        const Valeur v = valeur_ordinaire(facteur, 0);
        if (v.lecture != Definition::definie || vaut_zero(v))
            return EffetFacteur::REFUSE;   // undefined, or zero: the solutions would change
        return v.nombre < 0 ? EffetFacteur::INVERSE : EffetFacteur::GARDE;
    }
    if (depend_de_l_inconnue(facteur)) {
        switch (signe_constant(facteur)) {
        case SigneConstant::positif: return EffetFacteur::GARDE;
        case SigneConstant::negatif: return EffetFacteur::INVERSE;
        default:
            return nature == EQUATION && nul_seulement_hors_du_domaine(EnonceLu(facteur), EnonceLu(enonce)) ? EffetFacteur::GARDE
                                                                                        : EffetFacteur::REFUSE;
        }
    }
    return nature == EQUATION ? EffetFacteur::GARDE : EffetFacteur::REFUSE;
}

// A relation with its two members, none when the statement is no relation
// or a member is empty.
struct Relation {
    int nature = EQUATION;
    std::string gauche, droite;
};

std::optional<Relation> relation_de(const EnonceLu &e)
{
    Relation r{e.nature, e.membre(0), e.membre(1)};
    if (!est_relation(r.nature) || r.gauche.empty() || r.droite.empty())
        return std::nullopt;
    return r;
}

// The node of a part of the statement's first member, the brackets around
// it taken away; -1 for factors side by side and a first factor with its sign.
int noeud_de_la_partie(const EnonceLu &e, std::size_t k)
{
    int noeud = e.membres[0].parties[k].noeud;
    while (noeud >= 0 && (*e.arbre)[noeud].genre == Genre::groupe)
        noeud = e.arbre->enfant((*e.arbre)[noeud], 0);
    return noeud;
}

bool est_somme_en(const EnonceLu &e, int noeud) { return noeud >= 0 && (*e.arbre)[noeud].genre == Genre::somme; }

// A product with one division only ('a/b', '2x/3').
bool est_quotient_simple(const EnonceLu &e, int noeud)
{
    if (noeud < 0)
        return false;
    const Arbre &arbre = *e.arbre;
    while (arbre[noeud].genre == Genre::signe)
        noeud = arbre.enfant(arbre[noeud], 0);
    const Noeud &n = arbre[noeud];
    if (n.genre != Genre::produit)
        return false;
    int divisions = 0;
    for (int k = 1; k < n.nombre_enfants; ++k)
        divisions += arbre.operateur(n, k) == '/';
    return divisions == 1;
}

} // namespace

bool depend_de_l_inconnue(std::string_view texte)
{
    for (std::size_t i = 0; i < texte.size();) {
        if (const std::size_t n = mot_en(texte, i))
            i += n;
        else if (texte[i] == 'x' || texte[i] == 'y')
            return true;
        else
            ++i;
    }
    return false;
}

bool est_zero(const std::string &texte)
{
    return normalise(texte) == "0" || compare_expressions(texte, "0") == EQUIVALENTES;
}

Issue ajoute_aux_membres(const EnonceLu &enonce, const std::string &t, const OptionsCalcul &options)
{
    if (sans_blancs(t).empty())
        return refuse();
    if (est_zero(t))
        return refuse("Ajouter ou soustraire 0 ne change rien.");
    const std::optional<Relation> e = relation_de(enonce);
    if (!e)
        return refuse();
    const std::string gauche = somme_aux_membres(e->gauche, t, options.vecteurs);
    const std::string droite = somme_aux_membres(e->droite, t, options.vecteurs);
    return transforme(gauche + texte_relation(e->nature) + droite);
}

Issue multiplie_membres(const EnonceLu &enonce, const std::string &facteur, const OptionsCalcul &options)
{
    const std::string k = normalise(facteur);
    if (k.empty())
        return refuse();
    if (est_zero(facteur))
        return refuse("Multiplier par 0 n'est pas permis : tout deviendrait nul.");
    const std::optional<Relation> e = relation_de(enonce);
    if (!e)
        return refuse();
    const EffetFacteur effet = effet_du_facteur(k, enonce.saisi, e->nature);
    if (effet == EffetFacteur::REFUSE)
        return refuse(sans_variable(k) ? ""
                                       : "On ne multiplie les deux membres que par un nombre non nul, ou par une "
                                         "expression qui garde son signe sans jamais s'annuler (ou, dans une "
                                         "équation, par un dénominateur).");
    const bool sans_somme = !est_somme(k);
    const int nature = effet == EffetFacteur::INVERSE ? relation_inverse(e->nature) : e->nature;
    const std::string gauche = produit_des_membres(e->gauche, k, sans_somme, options);
    const std::string droite = produit_des_membres(e->droite, k, sans_somme, options);
    return transforme(gauche + texte_relation(nature) + droite);
}

Issue divise_membres(const EnonceLu &enonce, const std::string &diviseur, const OptionsCalcul &options)
{
    // A divisor in the unknown may vanish or change sign: solutions would
    // be lost, added or reversed; so would one in letters of unknown sign
    // in an inequation.
    const std::string seulement_un_nombre = "On ne divise les deux membres que par un nombre non nul.";
    if (depend_de_l_inconnue(diviseur))
        return refuse(seulement_un_nombre);
    if (est_zero(diviseur))
        return refuse("On ne peut pas diviser par 0.");
    const Issue produit = multiplie_membres(enonce, "1/(" + diviseur + ")", options);
    return produit || produit.refus().empty() ? produit : refuse(seulement_un_nombre);
}

Issue combine_systeme(const EnonceLu &systeme, char operateur)
{
    if ((operateur != '+' && operateur != '-') || systeme.nature != SYSTEME || !systeme.arbre ||
        systeme.equations.size() != 2)
        return refuse();
    const Arbre &arbre = *systeme.arbre;
    const Noeud &premiere = arbre[systeme.equations[0]];
    const Noeud &seconde = arbre[systeme.equations[1]];
    // Only two equations give an equation; inequations cannot be combined so.
    const auto equation = [&](const Noeud &ligne) {
        return ligne.genre == Genre::relation && arbre.mot(ligne) == "=";
    };
    if (!equation(premiere) || !equation(seconde))
        return refuse();
    const auto membre = [&](const Noeud &ligne, int k) {
        const Noeud &n = arbre[arbre.enfant(ligne, k)];
        return "(" + arbre.texte.substr(static_cast<std::size_t>(n.debut), static_cast<std::size_t>(n.fin - n.debut)) +
               ")";
    };
    const auto combine = [&](int k) { return normalise(membre(premiere, k) + operateur + membre(seconde, k)); };
    return transforme(combine(0) + "=" + combine(1));
}

std::optional<VariableIsolee> variable_isolee(const EnonceLu &equation)
{
    std::optional<std::pair<char, VariableIsolee>> isolee = lettre_isolee(equation);
    if (!isolee)
        return std::nullopt;
    return std::move(isolee->second);
}

std::optional<Substitution> substitue(const EnonceLu &equation, int etape, int cible, const EnonceLu &base)
{
    if (etape < 2 || base.nature != SYSTEME || (cible != 1 && cible != 2))
        return std::nullopt;
    std::optional<std::pair<char, VariableIsolee>> isolee = lettre_isolee(equation);
    if (!isolee)
        return std::nullopt;
    const auto &[lettre, variable] = *isolee;
    std::string premiere = base.membre(0);
    std::string seconde = base.membre(1);
    std::string &ligne = cible == 1 ? premiere : seconde;
    if (!remplace_lettre(std::string(ligne), lettre, variable.valeur, ligne))
        return std::nullopt;
    return Substitution{std::move(isolee->second), "{" + normalise(premiere) + "\r\n" + normalise(seconde) + "}"};
}

Issue remplace_x(const EnonceLu &enonce, const std::string &valeur)
{
    const std::string &texte = enonce.saisi;
    std::string remplace = texte;
    if (!texte.empty() && !valeur.empty() && !remplace_lettre(texte, 'x', valeur, remplace))
        remplace.clear();
    const std::string montree = forme_lisible(valeur);
    if (remplace.empty() || !::valeur(remplace, 0))
        return refuse("L'expression est non définie pour x = " + montree);
    return transforme(normalise(remplace), montree);
}

Issue ecriture_scientifique(const EnonceLu &enonce)
{
    if (enonce.saisi.empty() || contient_i(enonce.saisi) != 0)
        return refuse();
    const std::string texte = normalise(enonce.saisi);
    if (!valeur_constante(texte))
        return refuse();
    // Only an exact value with a finite decimal writing: an approximation
    // written after "=" would be a false equality.
    const std::optional<Arbre> arbre = lis_formule(texte);
    if (!arbre)
        return refuse();
    const Valeur v = valeur_exacte(*arbre, Rationnel(0));
    if (!v.exact || v.exact->est_nul())
        return refuse();
    const std::string_view sans_signe = std::string_view(texte).substr(texte.starts_with('-') ? 1 : 0);
    const std::optional<std::string> decimal = v.exact->valeur_absolue().en_decimal();
    if (!decimal)
        return refuse();
    const std::optional<Mantisse> m = mantisse_de(est_nombre_ecrit(sans_signe) ? sans_signe : *decimal);
    if (!m || m->exposant == 0)
        return refuse();
    std::string ecrit = v.exact->signe() < 0 ? "-" : "";
    ecrit += m->chiffres.substr(0, 1);
    if (m->chiffres.size() > 1)
        ecrit += "." + m->chiffres.substr(1);
    return transforme(ecrit + "*10^(" + std::to_string(m->exposant) + ")");
}

int contient_i(std::string_view texte)
{
    int position = 0;   // position in the text with every "sin" taken out
    for (std::size_t i = 0; i < texte.size();) {
        if (texte.substr(i, 3) == "sin") {
            i += 3;
            continue;
        }
        ++position;
        if (texte[i] == 'i')
            return position;
        ++i;
    }
    return 0;
}

bool est_calculable(const EnonceLu &e)
{
    if (e.texte.find_first_of("xy") != std::string::npos)
        return false;
    if (e.nature != EXPRESSION || e.membres[0].parties.size() != 2)
        return false;
    return !est_somme_en(e, noeud_de_la_partie(e, 0)) && !est_somme_en(e, noeud_de_la_partie(e, 1));
}

bool est_produit_de_fractions(const EnonceLu &e)
{
    const Membre &m = e.membres[0];
    if (m.termes || m.parties.size() != 2 || m.parties[0].operateur != '*')
        return false;
    const int premier = noeud_de_la_partie(e, 0);
    const int second = noeud_de_la_partie(e, 1);
    return (est_quotient_simple(e, premier) && !est_somme_en(e, second)) ||
           (est_quotient_simple(e, second) && !est_somme_en(e, premier));
}
