#include "algebra/developpement.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <utility>
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

// The text a node was read from.
std::string_view ecrit(const EnonceLu &enonce, int noeud)
{
    const Noeud &n = (*enonce.arbre)[noeud];
    return enonce.ecrit({static_cast<std::size_t>(n.debut), static_cast<std::size_t>(n.fin)});
}

// The node inside the brackets written around it.
int sans_groupe(const Arbre &arbre, int noeud)
{
    while (arbre[noeud].genre == Genre::groupe)
        noeud = arbre.enfant(arbre[noeud], 0);
    return noeud;
}

// The node under the signs written in front of it; oppose tells whether
// they make its opposite.
int sans_signe(const Arbre &arbre, int noeud, bool &oppose)
{
    oppose = false;
    while (arbre[noeud].genre == Genre::signe) {
        oppose = oppose != (arbre.mot(arbre[noeud]) == "-");
        noeud = arbre.enfant(arbre[noeud], 0);
    }
    return noeud;
}

bool contient_la_lettre(const Arbre &arbre, int noeud, char lettre)
{
    const Noeud &n = arbre[noeud];
    if (n.genre == Genre::lettre && arbre.mot(n) == std::string_view(&lettre, 1))
        return true;
    for (int k = 0; k < n.nombre_enfants; ++k)
        if (contient_la_lettre(arbre, arbre.enfant(n, k), lettre))
            return true;
    return false;
}

// The letter x stands under the node outside any sum: a factor of it.
bool x_en_facteur(const Arbre &arbre, int noeud)
{
    const Noeud &n = arbre[noeud];
    if (n.genre == Genre::lettre)
        return arbre.mot(n) == "x";
    if (n.genre == Genre::somme)
        return false;
    for (int k = 0; k < n.nombre_enfants; ++k)
        if (x_en_facteur(arbre, arbre.enfant(n, k)))
            return true;
    return false;
}

} // namespace

bool simplifie_x(const Arbre &arbre, int noeud)
{
    const Noeud &n = arbre[noeud];
    if (n.genre == Genre::produit) {
        bool divise = false, multiplie = false;
        for (int k = 0; k < n.nombre_enfants; ++k) {
            const bool x = x_en_facteur(arbre, arbre.enfant(n, k));
            (arbre.operateur(n, k) == '/' ? divise : multiplie) |= x;
        }
        if (divise && multiplie)
            return true;
    }
    for (int k = 0; k < n.nombre_enfants; ++k)
        if (simplifie_x(arbre, arbre.enfant(n, k)))
            return true;
    return false;
}

namespace {

// A sum stands at the node or under it; with exposants false, a sum in an
// exponent does not count. A term where one counts is no monomial
// ('2*(x+1)', 'sin(x-1)', '(x+1)^2'; not 'x^(1/2)').
bool somme_sous(const Arbre &arbre, int noeud, bool exposants)
{
    const Noeud &n = arbre[noeud];
    if (n.genre == Genre::somme)
        return true;
    const int enfants = n.genre == Genre::puissance && !exposants ? 1 : n.nombre_enfants;
    for (int k = 0; k < enfants; ++k)
        if (somme_sous(arbre, arbre.enfant(n, k), exposants))
            return true;
    return false;
}

// Position just after the ")" that closes the "(" at position ouverture;
// NON_TROUVE when there is no "(" there or it is never closed.
std::size_t fin_du_groupe(std::string_view t, std::size_t ouverture)
{
    const std::size_t fermeture = parenthese_fermante(t, ouverture);
    return fermeture == NON_TROUVE ? NON_TROUVE : fermeture + 1;
}

// A term of one side of a distribution, with the sign written before it.
struct TermeSigne {
    std::string texte;
    std::string signe;
};

// A sum gives its terms; anything else (a single term, a relation, a text
// that does not read, or the whole text when entier is set) counts as one
// term with the sign ".".
std::vector<TermeSigne> termes_a_distribuer(const std::string &t, bool entier)
{
    const EnonceLu enonce(t);
    const Membre &m = enonce.membres[0];
    if (entier || enonce.nature != EXPRESSION || !m.termes)
        return {{t, "."}};
    std::vector<TermeSigne> r;
    r.reserve(m.parties.size());
    char avant = '\0';
    for (const Partie &p : m.parties) {
        r.push_back({std::string(enonce.ecrit(p.etendue)), avant ? std::string(1, avant) : std::string()});
        avant = p.operateur;
    }
    return r;
}

// A whole number from 1 to 15 that the node stands for, or 0. A node
// holding a letter is never taken for one, even when its values happen to
// agree.
int petit_entier(const Arbre &arbre, int noeud)
{
    if (noeud < 0 || !sans_lettre(arbre, noeud))
        return 0;
    const Valeur v = valeur_du_noeud(arbre, noeud, 0);
    if (v.lecture != Definition::definie || !(v.nombre > 0) || v.nombre >= 16 || v.nombre != std::floor(v.nombre))
        return 0;
    return static_cast<int>(v.nombre);
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

std::string ordonne_ou_garde(std::string texte)
{
    const Issue issue = ordonne(EnonceLu(texte));
    return issue ? issue->texte : texte;
}

Issue ordonne(const EnonceLu &enonce)
{
    // Without a sum anywhere a text is no sum, and its normal form cannot
    // make one: spare the normalisation.
    if (enonce.nature != EXPRESSION || !enonce.arbre || enonce.texte.size() > LONGUEUR_MAX_TRAVAIL ||
        !somme_sous(*enonce.arbre, enonce.arbre->racine, true) || simplifie_x(*enonce.arbre, enonce.arbre->racine))
        return refuse();
    const std::string t = normalise_brut(enonce.texte);
    const EnonceLu lu(t);
    if (lu.nature != EXPRESSION || !lu.arbre || !lu.membres[0].termes)
        return refuse();
    // Only a sum of monomials: no term holds a sum, but in an exponent.
    const Arbre &arbre = *lu.arbre;
    const Noeud &somme = arbre[lu.membres[0].noeud];
    for (int k = 0; k < somme.nombre_enfants; ++k)
        if (somme_sous(arbre, arbre.enfant(somme, k), false))
            return refuse();
    // The normal form collects like terms and writes them by decreasing degree.
    std::string resultat = normalise(t);
    if (!meme_valeur(enonce.texte, resultat))
        return refuse();
    return transforme(std::move(resultat));
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
    const std::vector<TermeSigne> ta = termes_a_distribuer(a, false);
    const std::vector<TermeSigne> tb = termes_a_distribuer(b, operateur == "/");
    // When the whole result is reduced, the products are left to that one
    // reduction, which gives the same text as reducing each of them first.
    std::string resultat;
    for (std::size_t i = 0; i < ta.size(); ++i) {
        for (std::size_t j = 0; j < tb.size(); ++j) {
            std::string signe = signe_produit(ta[i].signe, tb[j].signe);
            if (i == 0 && j == 0 && signe == "+")
                signe.clear();
            const std::string produit = "(" + ta[i].texte + ")" + operateur + "(" + tb[j].texte + ")";
            resultat += signe + "(" + (reduire ? produit : normalise(produit)) + ")";
        }
    }
    return reduire ? normalise(resultat) : resultat;
}

namespace {

// The factors of a product, each with the operator written before it ('*',
// '/', ' ' side by side; ' ' for the first), and whether the signs in front
// of the product make its opposite. Any other node is one factor.
struct Facteur {
    int noeud;
    char operateur;
};

struct Produit {
    bool oppose = false;
    std::vector<Facteur> facteurs;
};

Produit facteurs_du_produit(const Arbre &arbre, int noeud)
{
    Produit p;
    const int n = sans_signe(arbre, noeud, p.oppose);
    if (arbre[n].genre != Genre::produit) {
        p.facteurs.push_back({n, ' '});
        return p;
    }
    for (int k = 0; k < arbre[n].nombre_enfants; ++k)
        p.facteurs.push_back({arbre.enfant(arbre[n], k), arbre.operateur(arbre[n], k)});
    return p;
}

// The node is a power 2 to 5 of a whole base (a number, a letter, a group, a
// function), which developing writes out; its sign aside ('-x^2').
bool puissance_a_ecrire(const Arbre &arbre, int noeud)
{
    bool oppose;
    const Noeud &n = arbre[sans_signe(arbre, noeud, oppose)];
    if (n.genre != Genre::puissance)
        return false;
    const Noeud &base = arbre[arbre.enfant(n, 0)];
    const Noeud &exposant = arbre[arbre.enfant(n, 1)];
    const std::string_view e = arbre.mot(exposant);
    return exposant.genre == Genre::nombre && e.size() == 1 && e[0] >= '2' && e[0] <= '5' &&
           (base.genre == Genre::nombre || base.genre == Genre::lettre || base.genre == Genre::groupe ||
            base.genre == Genre::fonction);
}

// A factor as developing uses it: a power 2 to 5 of a whole base written out
// by repeated distribution, anything else as it is written.
std::string facteur_developpe(const EnonceLu &enonce, int noeud, bool reduire)
{
    if (!puissance_a_ecrire(*enonce.arbre, noeud))
        return normalise_brut(ecrit(enonce, noeud));
    bool oppose;
    const Arbre &arbre = *enonce.arbre;
    const Noeud &puissance = arbre[sans_signe(arbre, noeud, oppose)];
    const std::string base = normalise_brut(ecrit(enonce, arbre.enfant(puissance, 0)));
    std::string resultat = base;
    for (int k = arbre.mot(arbre[arbre.enfant(puissance, 1)])[0] - '0'; k > 1; --k)
        resultat = distribue(resultat, base, "*", reduire);
    if (oppose)
        resultat = "-(" + resultat + ")";
    return normalise_brut(resultat);
}

// Factor k of the product, with the product's sign when it is the first one.
std::string facteur_signe(const EnonceLu &enonce, const Produit &p, std::size_t k, bool reduire)
{
    std::string f = facteur_developpe(enonce, p.facteurs[k].noeud, reduire);
    return k == 0 && p.oppose ? normalise_brut("-(" + f + ")") : f;
}

} // namespace

std::string puissance_developpee(const EnonceLu &enonce, int i, bool reduire)
{
    if (!enonce.arbre || enonce.nature == SYSTEME || i < 1)
        return "";
    const Produit p = facteurs_du_produit(*enonce.arbre, enonce.membres[0].noeud);
    if (static_cast<std::size_t>(i) > p.facteurs.size())
        return "";
    return facteur_signe(enonce, p, static_cast<std::size_t>(i) - 1, reduire);
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

// A product with one quotient by a factor D that holds x ('A*B/D', 'A/D*B')
// develops its numerator only: cutting it into a sum of fractions is not what
// developing asks. None when the product is no such quotient; else the
// result, empty when the numerator does not develop.
std::optional<std::string> developpe_quotient(const EnonceLu &enonce, const Produit &p, const OptionsCalcul &options)
{
    const auto barre = [](const Facteur &f) { return f.operateur == '/'; };
    const auto d = std::find_if(p.facteurs.begin(), p.facteurs.end(), barre);
    if (d == p.facteurs.end() || std::find_if(d + 1, p.facteurs.end(), barre) != p.facteurs.end() ||
        !contient_la_lettre(*enonce.arbre, d->noeud, 'x'))
        return std::nullopt;
    std::string numerateur = p.oppose ? "-" : "";
    for (auto f = p.facteurs.begin(); f != p.facteurs.end(); ++f)
        if (f != d)
            numerateur += (f == p.facteurs.begin() ? "" : "*") + std::string(ecrit(enonce, f->noeud));
    const Issue developpe_ = developpe(EnonceLu(numerateur), options);
    if (!developpe_)
        return "";
    const std::string &haut = developpe_->texte;
    return (est_somme(haut) ? "(" + haut + ")" : haut) + "/" + std::string(ecrit(enonce, d->noeud));
}

// The factors of the product at the node (powers 2 to 5 written out)
// distributed one after the other; empty when there are more than six
// factors, or nothing was distributed, or the distribution only gave the
// text back ('x^2').
std::string produit_developpe(const EnonceLu &enonce, int noeud, const OptionsCalcul &options)
{
    const Arbre &arbre = *enonce.arbre;
    const Produit p = facteurs_du_produit(arbre, noeud);
    // Factors written side by side ('2x') count as one, as a pupil reads them.
    const auto ecrits = std::count_if(p.facteurs.begin() + 1, p.facteurs.end(),
                                      [](const Facteur &f) { return f.operateur != ' '; });
    // Without a sum in a factor there is nothing to distribute over: reduced,
    // the product would only be written as it is ('2x^3'). Not reduced, its
    // numbers are still multiplied ('(3)*(3)' gives '(9)').
    const auto somme = [&](const Facteur &f) { return somme_sous(arbre, f.noeud, false); };
    if (ecrits >= 6 || (options.reduire && std::none_of(p.facteurs.begin(), p.facteurs.end(), somme)))
        return "";
    if (std::optional<std::string> quotient = developpe_quotient(enonce, p, options))
        return *quotient;
    std::string resultat = facteur_signe(enonce, p, 0, options.reduire);
    for (std::size_t k = 1; k < p.facteurs.size(); ++k)
        resultat = distribue(resultat, facteur_signe(enonce, p, k, options.reduire),
                             p.facteurs[k].operateur == '/' ? "/" : "*", options.reduire);
    const bool distribue_une_fois = p.facteurs.size() > 1 || puissance_a_ecrire(arbre, p.facteurs[0].noeud);
    if (resultat == "0" || !distribue_une_fois || resultat == normalise_brut(ecrit(enonce, noeud)))
        return "";
    return resultat;
}

// Each term of a sum developed where it is a product or a power that can be
// ('2*(x+1)-3*(x-1)'), the other terms kept; empty when no term was
// developed.
std::string somme_developpee(const EnonceLu &enonce, int noeud, const OptionsCalcul &options)
{
    const Arbre &arbre = *enonce.arbre;
    const Noeud &somme = arbre[noeud];
    std::string resultat;
    bool developpee = false;
    for (int k = 0; k < somme.nombre_enfants; ++k) {
        const int terme = arbre.enfant(somme, k);
        const int interieur = sans_groupe(arbre, terme);
        const std::string developpe_ =
            arbre[interieur].genre == Genre::somme ? "" : produit_developpe(enonce, interieur, options);
        developpee = developpee || !developpe_.empty();
        if (k > 0)
            resultat += arbre.operateur(somme, k);
        resultat += "(" + (developpe_.empty() ? std::string(ecrit(enonce, terme)) : developpe_) + ")";
    }
    if (!developpee)
        return "";
    return options.reduire ? normalise(resultat) : normalise_brut(resultat);
}

} // namespace

Issue developpe(const EnonceLu &enonce, const OptionsCalcul &options)
{
    if (!options.developpe || enonce.nature != EXPRESSION || !enonce.arbre ||
        enonce.texte.size() > LONGUEUR_MAX_TRAVAIL)
        return refuse();
    // Square roots are worked on as letters, read again from the text that
    // hides them.
    std::string masque = enonce.texte;
    std::string racines[3];
    masque_racines(masque, racines);
    const bool masquees = !racines[0].empty() || !racines[1].empty() || !racines[2].empty();
    const std::optional<EnonceLu> relu = masquees ? std::optional<EnonceLu>(std::in_place, masque) : std::nullopt;
    const EnonceLu &lu = masquees ? *relu : enonce;
    if (!lu.arbre || lu.nature != EXPRESSION)
        return refuse();
    const int noeud = lu.membres[0].noeud;
    std::string resultat = (*lu.arbre)[noeud].genre == Genre::somme ? somme_developpee(lu, noeud, options)
                                                                    : produit_developpe(lu, noeud, options);
    if (resultat.empty())
        return refuse();

    demasque_racines(resultat, racines);
    // A root squared can only be reduced once it is back.
    if (options.reduire && masquees)
        resultat = normalise(resultat);
    if (resultat.size() > LONGUEUR_DEVELOPPEE_MAX || !meme_valeur(enonce.texte, resultat))
        return refuse();
    return transforme(std::move(resultat));
}

namespace {

// A term of a sum with the sign it stands with.
struct TermeOuvert {
    bool moins;
    std::string texte;
};

std::string sans_parentheses_de_termes(const Arbre &arbre, int noeud, bool &ouvert);

// The terms that the term at the node gives once its brackets are opened,
// with its sign (moins) carried to each of them: a group's content, a sum's
// terms, the operand of a sign, recursively; any other term as it is, its
// own groups opened.
void termes_ouverts(const Arbre &arbre, int noeud, bool moins, std::vector<TermeOuvert> &termes, bool &ouvert)
{
    const Noeud &n = arbre[noeud];
    if (n.genre == Genre::groupe) {
        ouvert = true;
        termes_ouverts(arbre, arbre.enfant(n, 0), moins, termes, ouvert);
    } else if (n.genre == Genre::signe) {
        termes_ouverts(arbre, arbre.enfant(n, 0), moins != (arbre.mot(n) == "-"), termes, ouvert);
    } else if (n.genre == Genre::somme) {
        for (int k = 0; k < n.nombre_enfants; ++k)
            termes_ouverts(arbre, arbre.enfant(n, k), moins != (arbre.operateur(n, k) == '-'), termes, ouvert);
    } else {
        termes.push_back({moins, sans_parentheses_de_termes(arbre, noeud, ouvert)});
    }
}

// The node, which stands as a whole term, written as the sum of its opened terms.
std::string somme_ouverte(const Arbre &arbre, int noeud, bool &ouvert)
{
    std::vector<TermeOuvert> termes;
    termes_ouverts(arbre, noeud, false, termes, ouvert);
    std::string r;
    for (const TermeOuvert &t : termes)
        r += (t.moins ? "-" : r.empty() ? "" : "+") + t.texte;
    return r;
}

// The text of the node with every group that is a whole term opened: a term
// of a sum, a member of a relation; elsewhere the text as written.
std::string sans_parentheses_de_termes(const Arbre &arbre, int noeud, bool &ouvert)
{
    const Noeud &n = arbre[noeud];
    if (n.genre == Genre::somme)
        return somme_ouverte(arbre, noeud, ouvert);
    std::string r;
    int debut = n.debut;
    for (int k = 0; k < n.nombre_enfants; ++k) {
        const int enfant = arbre.enfant(n, k);
        r.append(arbre.texte, static_cast<std::size_t>(debut), static_cast<std::size_t>(arbre[enfant].debut - debut));
        r += n.genre == Genre::relation ? somme_ouverte(arbre, enfant, ouvert)
                                        : sans_parentheses_de_termes(arbre, enfant, ouvert);
        debut = arbre[enfant].fin;
    }
    r.append(arbre.texte, static_cast<std::size_t>(debut), static_cast<std::size_t>(n.fin - debut));
    return r;
}

// A square root, or a power of a group: the brackets are not taken away there.
bool racine_ou_puissance_de_groupe(const Arbre &arbre, int noeud)
{
    const Noeud &n = arbre[noeud];
    if ((n.genre == Genre::fonction && arbre.mot(n) == "sqrt") ||
        (n.genre == Genre::puissance && arbre[arbre.enfant(n, 0)].genre == Genre::groupe))
        return true;
    for (int k = 0; k < n.nombre_enfants; ++k)
        if (racine_ou_puissance_de_groupe(arbre, arbre.enfant(n, k)))
            return true;
    return false;
}

} // namespace

Issue enleve_parentheses(const EnonceLu &enonce)
{
    if (!enonce.arbre || enonce.texte.size() > LONGUEUR_MAX_TRAVAIL ||
        racine_ou_puissance_de_groupe(*enonce.arbre, enonce.arbre->racine))
        return refuse();
    const Arbre &arbre = *enonce.arbre;
    // The brackets around the whole statement, which its reading took away,
    // are opened too.
    bool ouvert = enonce.nature != SYSTEME && sans_blancs(enonce.saisi) != enonce.texte;
    const bool relation = arbre[arbre.racine].genre == Genre::relation || arbre[arbre.racine].genre == Genre::systeme;
    std::string resultat = relation ? sans_parentheses_de_termes(arbre, arbre.racine, ouvert)
                                    : somme_ouverte(arbre, arbre.racine, ouvert);
    if (!ouvert || !meme_valeur(arbre.texte, resultat))
        return refuse();
    return transforme(std::move(resultat));
}

Issue en_somme(const EnonceLu &enonce)
{
    const Membre &m = enonce.membres[0];
    if (enonce.nature != EXPRESSION || !enonce.arbre || enonce.texte.size() > LONGUEUR_MAX_TRAVAIL || m.termes ||
        m.parties.size() != 2 || m.parties[0].operateur != '*')
        return refuse();
    const Arbre &arbre = *enonce.arbre;
    int n = petit_entier(arbre, m.parties[0].noeud);
    const Partie *repetee = &m.parties[1];
    if (n == 0) {
        n = petit_entier(arbre, m.parties[1].noeud);
        repetee = &m.parties[0];
    }
    if (n == 0)
        return refuse();
    // The repeated factor without its brackets, given back where the sum
    // needs them: around a sum or a signed factor.
    std::string_view facteur = enonce.ecrit(repetee->etendue);
    bool somme = false;
    if (repetee->noeud >= 0) {
        const int interieur = sans_groupe(arbre, repetee->noeud);
        facteur = ecrit(enonce, interieur);
        somme = arbre[interieur].genre == Genre::somme;
    }
    const std::string terme = somme || facteur[0] == '-' || facteur[0] == '+' ? "(" + std::string(facteur) + ")"
                                                                              : std::string(facteur);
    std::string resultat = terme;
    for (int k = 2; k <= n; ++k)
        resultat += "+" + terme;
    return transforme(std::move(resultat), "[" + enonce.saisi + "]");
}
