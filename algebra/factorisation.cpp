#include "algebra/factorisation.h"

#include <algorithm>
#include <optional>
#include <vector>

#include <gmpxx.h>

#include "algebra/developpement.h"
#include "algebra/trinome.h"
#include "algebra/algebre.h"
#include "formula/calcul.h"
#include "formula/forme_normale.h"
#include "formula/imprimeur.h"
#include "formula/lecteur.h"
#include "formula/normalise.h"
#include "formula/valeur.h"

namespace {

const std::string FORMULE_CARRES = " (formule a² - b² = (a - b)(a + b))";
const std::string IDENTITE_SOMME = " (identité remarquable (a + b)²)";
const std::string IDENTITE_DIFFERENCE = " (identité remarquable (a - b)²)";
constexpr double PAS_DU_BALAYAGE = 0.25;
constexpr double RETRAIT_BORNE_EXCLUE = 0.27;
constexpr double BORNE_DU_BALAYAGE = 50;
constexpr double NB_PAS_MAX = 4000;

// The text a node of the tree was read from.
std::string ecrit(const Arbre &arbre, int noeud, std::string_view texte)
{
    const Noeud &n = arbre[noeud];
    return sans_blancs(texte.substr(static_cast<std::size_t>(n.debut), static_cast<std::size_t>(n.fin - n.debut)));
}

// Half of an even power 2 to 998 of a base it bears on whole ('(x+1)^2',
// 'x^4', 'sqrt(3)^2'; not '3*x^2'): the node's square root for every real x.
std::optional<std::string> demi_puissance(const Arbre &arbre, int noeud, std::string_view texte)
{
    const Noeud &n = arbre[noeud];
    if (n.genre != Genre::puissance)
        return std::nullopt;
    const Genre base = arbre[arbre.enfant(n, 0)].genre;
    const Noeud &exposant = arbre[arbre.enfant(n, 1)];
    const std::string_view e = arbre.mot(exposant);
    if (exposant.genre != Genre::nombre || e.empty() || e.size() > 3 ||
        !std::all_of(e.begin(), e.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
        (base != Genre::nombre && base != Genre::lettre && base != Genre::groupe && base != Genre::fonction))
        return std::nullopt;
    const int puissance = std::stoi(std::string(e));
    if (puissance < 2 || puissance % 2 != 0)
        return std::nullopt;
    return normalise("(" + ecrit(arbre, arbre.enfant(n, 0), texte) + ")^" + std::to_string(puissance / 2));
}

// The square root of a node of the term's tree when the node is a square for
// every real x: a product or quotient of such, in brackets or not ('(4)*(x^2)',
// '4x^2'), an even power, a positive number.
std::optional<std::string> racine_du_noeud(const Arbre &arbre, int noeud, std::string_view terme)
{
    const Noeud &n = arbre[noeud];
    if (n.genre == Genre::groupe)
        return racine_du_noeud(arbre, arbre.enfant(n, 0), terme);
    if (n.genre == Genre::produit) {
        std::string resultat;
        for (int k = 0; k < n.nombre_enfants; ++k) {
            const auto r = racine_du_noeud(arbre, arbre.enfant(n, k), terme);
            if (!r)
                return std::nullopt;
            resultat += (k == 0 ? "(" : arbre.operateur(n, k) == '/' ? "/(" : "*(") + *r + ")";
        }
        return resultat;
    }
    // Half of an even power, or the root of a positive number. The root of
    // 'x' or '2*x' would hold only for x >= 0.
    if (std::optional<std::string> moitie = demi_puissance(arbre, noeud, terme))
        return moitie;
    const std::string facteur = ecrit(arbre, noeud, terme);
    if (valeur_constante(facteur).value_or(0) > 0)
        return racine_de(facteur);
    return std::nullopt;
}

// Root of a term that is a square for every real x, written so that the
// squares of the difference can be developed; none otherwise.
std::optional<std::string> racines_des_facteurs(const std::string &terme)
{
    const std::optional<Arbre> arbre = lis_formule(terme);
    if (!arbre || arbre->racine < 0)
        return std::nullopt;
    const auto r = racine_du_noeud(*arbre, arbre->racine, terme);
    return r ? std::optional("(" + *r + ")") : std::nullopt;
}

// The greatest common divisor of the whole-number coefficients (1 when one
// is not whole), negative when every term is, times every base found in all
// terms at its lowest positive power: what a teacher takes out of the sum.
Terme partie_commune(const std::vector<Terme> &termes)
{
    Terme commun;
    mpz_class pgcd = 0;
    for (const Terme &t : termes) {
        const mpq_class c = valeur_exacte(t.coefficient);
        if (c.get_den() != 1) {
            pgcd = 1;
            break;
        }
        pgcd = gcd(pgcd, c.get_num());
    }
    if (std::all_of(termes.begin(), termes.end(), [](const Terme &t) { return t.coefficient.signe() < 0; }))
        pgcd = -pgcd;
    commun.coefficient = Rationnel(mpq_class(pgcd));
    for (const Facteur &f : termes.front().facteurs) {
        Rationnel plus_bas = f.exposant;
        const bool partout = f.exposant.signe() > 0 && std::all_of(termes.begin() + 1, termes.end(), [&](const Terme &t) {
            const auto g = std::find_if(t.facteurs.begin(), t.facteurs.end(),
                                        [&](const Facteur &h) { return h.base.cle == f.base.cle; });
            if (g == t.facteurs.end() || g->exposant.signe() <= 0)
                return false;
            if (g->exposant < plus_bas)
                plus_bas = g->exposant;
            return true;
        });
        if (partout)
            commun.facteurs.push_back({f.base, plus_bas});
    }
    return commun;
}

// The term divided by a part common to all terms.
void divise_par(Terme &terme, const Terme &commun)
{
    terme.coefficient = *terme.coefficient.divise(commun.coefficient);
    for (const Facteur &f : commun.facteurs) {
        const auto g = std::find_if(terme.facteurs.begin(), terme.facteurs.end(),
                                    [&](const Facteur &h) { return h.base.cle == f.base.cle; });
        g->exposant = g->exposant - f.exposant;
        if (g->exposant.est_nul())
            terme.facteurs.erase(g);
    }
}

// The term multiplied by another.
void multiplie_par(Terme &terme, const Terme &autre)
{
    terme.coefficient *= autre.coefficient;
    for (const Facteur &f : autre.facteurs) {
        const auto g = std::find_if(terme.facteurs.begin(), terme.facteurs.end(),
                                    [&](const Facteur &h) { return h.base.cle == f.base.cle; });
        if (g == terme.facteurs.end())
            terme.facteurs.push_back(f);
        else
            g->exposant = g->exposant + f.exposant;
    }
}

// 1 and -1 are no factors worth taking out.
bool sans_facteur(const Terme &commun)
{
    return commun.coefficient.valeur_absolue().est_un() && commun.facteurs.empty();
}

// A bracket written with a negative leading coefficient, as (2-x), turned
// into its opposite (x-2), the sign going to the coefficient: opposite
// brackets are then one shared factor.
void redresse_groupes(Terme &terme)
{
    for (Facteur &f : terme.facteurs) {
        if (f.base.genre != Base::Genre::groupe || f.base.arguments.size() != 1 ||
            f.base.arguments.front().est_nulle() || f.base.arguments.front().termes.front().coefficient.signe() > 0 ||
            !f.exposant.est_entier())
            continue;
        f.base.arguments.front() = oppose(std::move(f.base.arguments.front()));
        f.base.cle = imprime_base(f.base);
        if (f.exposant.moitie_entiere() + f.exposant.moitie_entiere() != f.exposant)
            terme.coefficient = -terme.coefficient;
    }
}

// The terms of the top sum as they are written, each one term: a bracket
// alone ('+(x+3)') stays one factor instead of opening into the sum.
std::optional<std::vector<Terme>> termes_ecrits(const Arbre &arbre, int noeud)
{
    const Noeud &racine = arbre[noeud];
    if (racine.genre != Genre::somme)
        return std::nullopt;
    std::vector<Terme> termes;
    for (int k = 0; k < racine.nombre_enfants; ++k) {
        std::optional<Somme> forme = forme_algebrique(arbre, arbre.enfant(racine, k), Reduction::complete);
        if (!forme || forme->est_nulle())
            return std::nullopt;
        Terme terme;
        if (forme->termes.size() == 1) {
            terme = std::move(forme->termes.front());
        } else {
            Base groupe;
            groupe.genre = Base::Genre::groupe;
            groupe.arguments = {std::move(*forme)};
            groupe.cle = imprime_base(groupe);
            terme.facteurs.push_back({std::move(groupe), Rationnel(1)});
        }
        if (arbre.operateur(racine, k) == '-')
            terme.coefficient = -terme.coefficient;
        redresse_groupes(terme);
        termes.push_back(std::move(terme));
    }
    return termes;
}

// The terms of the whole sum reduced.
std::optional<std::vector<Terme>> termes_reduits(const Arbre &arbre, int noeud)
{
    std::optional<Somme> forme = forme_algebrique(arbre, noeud, Reduction::complete);
    if (!forme)
        return std::nullopt;
    return std::move(forme->termes);
}

// A cofactor developed and reduced ('x+1-2*(x-2)' gives '-x+5').
std::string reduit(std::string cofacteur)
{
    const Issue developpe_ = developpe(EnonceLu(cofacteur), OptionsCalcul{});
    return developpe_ ? developpe_->texte : normalise(cofacteur);
}

bool contient_x(const Somme &somme);

bool contient_x(const Base &base)
{
    if (base.genre == Base::Genre::lettre)
        return base.nom == "x";
    return std::any_of(base.arguments.begin(), base.arguments.end(), [](const Somme &a) { return contient_x(a); });
}

bool contient_x(const Somme &somme)
{
    for (const Terme &t : somme.termes)
        for (const Facteur &f : t.facteurs)
            if (contient_x(f.base))
                return true;
    return false;
}

// A term as a whole power of x times a coefficient that holds no x.
struct MonomeEnX {
    int degre = 0;
    Terme coefficient;
};

std::optional<MonomeEnX> monome_en_x(Terme terme)
{
    MonomeEnX m;
    const auto x = std::find_if(terme.facteurs.begin(), terme.facteurs.end(), [](const Facteur &f) {
        return f.base.genre == Base::Genre::lettre && f.base.nom == "x";
    });
    if (x != terme.facteurs.end()) {
        if (!x->exposant.est_entier() || x->exposant.signe() < 0 || Rationnel(1000) < x->exposant)
            return std::nullopt;
        m.degre = static_cast<int>(x->exposant.en_double());
        terme.facteurs.erase(x);
    }
    if (std::any_of(terme.facteurs.begin(), terme.facteurs.end(), [](const Facteur &f) { return contient_x(f.base); }))
        return std::nullopt;
    m.coefficient = std::move(terme);
    return m;
}

// The difference of the two parts, a - b or -a + b, written as a product
// by the difference of their squares.
std::optional<std::string> difference_des_parties(const EnonceLu &enonce, const Membre &m)
{
    const Arbre &arbre = *enonce.arbre;
    const std::string second(enonce.ecrit(m.parties[1].etendue));
    if (m.parties[0].operateur == '-')
        return difference_de_carres(std::string(enonce.ecrit(m.parties[0].etendue)), second);
    const int premier = m.parties[0].noeud;
    if (premier < 0 || arbre[premier].genre != Genre::signe || arbre.mot(arbre[premier]) != "-")
        return std::nullopt;
    const std::optional<std::string> r = difference_de_carres(ecrit(arbre, arbre.enfant(arbre[premier], 0), enonce.texte), second);
    return r ? std::optional(normalise("-(" + *r + ")")) : std::nullopt;
}

// An interval of the domain as the stretch of doubles sampled, its open ends
// pulled in a little.
struct Plage {
    double debut = 0;
    double fin = 0;
};

std::optional<Plage> plage(const std::string &inf, const std::string &sup, bool ouvert_bas, bool ouvert_haut)
{
    const std::optional<double> debut = inf == "-inf" ? -BORNE_DU_BALAYAGE : valeur(inf, 0);
    const std::optional<double> fin = sup == "inf" ? BORNE_DU_BALAYAGE : valeur(sup, 0);
    if (!debut || !fin)
        return std::nullopt;
    return Plage{*debut + (ouvert_bas ? RETRAIT_BORNE_EXCLUE : 0), *fin - (ouvert_haut ? RETRAIT_BORNE_EXCLUE : 0)};
}

// Every interval of the domain; none when a bound has no value.
std::vector<Plage> plages_du_domaine(const BornesIntervalles &d)
{
    std::vector<std::optional<Plage>> lues = {plage(d.borne_inf_1, d.borne_sup_1, d.crochet_1a, d.crochet_1b)};
    if (!d.borne_inf_2.empty() && !d.borne_sup_2.empty())
        lues.push_back(plage(d.borne_inf_2, d.borne_sup_2, d.crochet_2a, d.crochet_2b));
    for (const Intervalle &i : d.suivants)
        lues.push_back(plage(i.bas, i.haut, i.bas_ouvert, i.haut_ouvert));
    std::vector<Plage> r;
    for (const std::optional<Plage> &l : lues) {
        if (!l)
            return {};
        r.push_back(*l);
    }
    return r;
}

// Sign of the expression sampled every quarter from the start of the
// interval: 2 positive, 3 negative, 0 when it changes, starts at zero or has
// no value somewhere. Very long intervals are sampled with a longer step.
int signe_sur_intervalle(const std::string &t, const Plage &intervalle)
{
    const std::optional<Arbre> arbre = lis_formule(t);
    if (!arbre)
        return 0;
    const double pas = std::max(PAS_DU_BALAYAGE, (intervalle.fin - intervalle.debut) / NB_PAS_MAX);
    double x = intervalle.debut;
    const double premiere = valeur(*arbre, x).value_or(0);
    double v = premiere;
    while (intervalle.fin > x && premiere * v > 0) {
        x += pas;
        v = valeur(*arbre, x).value_or(0);
    }
    if (!(premiere * v > 0))
        return 0;
    return v >= 0 ? 2 : 3;
}

} // namespace

Issue factorise(const EnonceLu &lu, const OptionsCalcul &options)
{
    // A quotient that would cancel x would lose where its divisor is zero.
    if (lu.nature != EXPRESSION || !lu.arbre || lu.texte.size() > LONGUEUR_MAX_TRAVAIL ||
        simplifie_x(*lu.arbre, lu.membres[0].noeud))
        return refuse();
    // A sum of monomials is factored from its ordered writing.
    const Issue ordonnee = ordonne(lu);
    const std::optional<EnonceLu> relu = ordonnee ? std::optional<EnonceLu>(std::in_place, ordonnee->texte) : std::nullopt;
    const EnonceLu &enonce = relu ? *relu : lu;
    // A calculation on numbers is computed, not factored: '7-2' is no
    // difference of the squares of sqrt(7) and sqrt(2).
    if (!enonce.arbre || enonce.nature != EXPRESSION || valeur_constante(enonce.texte))
        return refuse();

    // The factor as a teacher names it: '3', '4·x', '(x+1)'.
    if (std::optional<FacteurCommun> commun = facteur_commun(enonce))
        return transforme(std::move(commun->texte), " (facteur commun : " + forme_lisible(commun->facteur) + ")");
    const Membre &m = enonce.membres[0];
    if (m.termes && m.parties.size() == 2)
        if (std::optional<std::string> produit = difference_des_parties(enonce, m))
            return transforme(std::move(*produit), FORMULE_CARRES);
    // A square written with roots the trinomial does not hold is left to the
    // discriminant, which keeps rational numbers rational.
    if (Issue carre = carre_parfait(enonce, !options.trinomes))
        return carre;
    if (options.trinomes) {
        std::string discriminant;
        if (std::optional<std::string> resultat = factorise_trinome(enonce.texte, discriminant))
            return transforme(std::move(*resultat), " (trinôme : Δ = " + discriminant + ")");
    }
    return refuse();
}

std::optional<FacteurCommun> facteur_commun(const EnonceLu &somme)
{
    if (somme.nature != EXPRESSION || !somme.arbre || somme.texte.size() > LONGUEUR_MAX_TRAVAIL ||
        simplifie_x(*somme.arbre, somme.membres[0].noeud))
        return std::nullopt;
    const Arbre &arbre = *somme.arbre;
    const int noeud = somme.membres[0].noeud;
    // The terms as written first, so that a bracket shared by the terms is
    // seen; then the reduced sum, where a number or a letter may be shared.
    for (auto termes : {termes_ecrits(arbre, noeud), termes_reduits(arbre, noeud)}) {
        if (!termes || termes->size() < 2)
            continue;
        Terme commun = partie_commune(*termes);
        if (sans_facteur(commun))
            continue;
        Somme cofacteur;
        for (Terme &t : *termes) {
            divise_par(t, commun);
            cofacteur.termes.push_back(std::move(t));
        }
        // The cofactor reduced; a factor its terms still share comes out too
        // ('x(x-1)-x+x^3' gives x·x·(x-1)).
        const std::optional<Arbre> reduit_ = lis_formule(reduit(imprime(cofacteur)));
        std::optional<std::vector<Terme>> restes = reduit_ ? termes_reduits(*reduit_, reduit_->racine) : std::nullopt;
        // A cofactor of one term without a bracket left to share: the sum was
        // to be reduced, not factored ('(2-x)-(x-2)+2(x+1)' is 6).
        const bool groupe = std::any_of(commun.facteurs.begin(), commun.facteurs.end(),
                                        [](const Facteur &f) { return f.base.genre == Base::Genre::groupe; });
        if (!restes || restes->empty() || (restes->size() < 2 && !groupe))
            continue;
        const Terme encore = restes->size() > 1 ? partie_commune(*restes) : Terme{};
        if (!sans_facteur(encore)) {
            for (Terme &t : *restes)
                divise_par(t, encore);
            multiplie_par(commun, encore);
        }
        cofacteur.termes = std::move(*restes);
        const std::string texte_commun = imprime_terme(commun);
        std::string resultat = normalise("(" + texte_commun + ")*(" + imprime(cofacteur) + ")");
        if (meme_valeur(somme.texte, resultat))
            return FacteurCommun{std::move(resultat), normalise(texte_commun)};
    }
    return std::nullopt;
}

std::optional<std::string> difference_de_carres(const std::string &a, const std::string &b)
{
    // A term written with a leading "-" is no square.
    if (a.empty() || b.empty() || a[0] == '-' || b[0] == '-' ||
        a.size() + b.size() > LONGUEUR_MAX_TRAVAIL)
        return std::nullopt;
    const std::optional<std::string> ra = racines_des_facteurs(a);
    const std::optional<std::string> rb = ra ? racines_des_facteurs(b) : std::nullopt;
    if (!rb)
        return std::nullopt;
    std::string resultat = normalise("(" + *ra + "+" + *rb + ")*(" + *ra + "-" + *rb + ")");
    // A square less itself is zero, no product.
    if (resultat == "0" || !meme_valeur("(" + a + ")-(" + b + ")", resultat))
        return std::nullopt;
    return resultat;
}

Issue carre_parfait(const EnonceLu &enonce, bool racines_ajoutees)
{
    if (enonce.nature != EXPRESSION || !enonce.arbre || enonce.texte.size() > LONGUEUR_MAX_TRAVAIL)
        return refuse();
    std::optional<Somme> forme = forme_algebrique(*enonce.arbre, enonce.membres[0].noeud, Reduction::complete);
    if (!forme || forme->termes.size() != 3)
        return refuse();
    std::vector<MonomeEnX> monomes;
    for (Terme &t : forme->termes) {
        std::optional<MonomeEnX> m = monome_en_x(std::move(t));
        if (!m)
            return refuse();
        monomes.push_back(std::move(*m));
    }
    std::sort(monomes.begin(), monomes.end(), [](const MonomeEnX &a, const MonomeEnX &b) { return a.degre > b.degre; });
    const int d1 = monomes[0].degre, d2 = monomes[1].degre, d3 = monomes[2].degre;
    if (d1 % 2 != 0 || d3 % 2 != 0 || d1 + d3 != 2 * d2 || d1 == d2)
        return refuse();
    // The opposite of a square: the roots are those of the opposite trinomial.
    const bool oppose_ = monomes[0].coefficient.coefficient.signe() < 0;
    if (oppose_)
        for (MonomeEnX &m : monomes)
            m.coefficient.coefficient = -m.coefficient.coefficient;
    if (monomes[2].coefficient.coefficient.signe() < 0)
        return refuse();
    const bool somme = monomes[1].coefficient.coefficient.signe() > 0;
    // Numbers a, b, c: a square when b² = 4ac, told at once in exact numbers.
    const Rationnel &a = monomes[0].coefficient.coefficient, &b = monomes[1].coefficient.coefficient,
                    &c = monomes[2].coefficient.coefficient;
    const bool nombres = std::all_of(monomes.begin(), monomes.end(), [](const MonomeEnX &m) { return m.coefficient.est_nombre(); });
    if (nombres && !(b * b == Rationnel(4) * a * c))
        return refuse();
    const std::optional<Rationnel> ra = nombres ? a.racine_carree() : std::nullopt;
    const std::optional<Rationnel> rc = nombres ? c.racine_carree() : std::nullopt;
    if (nombres && !racines_ajoutees && (!ra || !rc))
        return refuse();
    const std::string r1 = ra ? ra->en_texte() : racine_de(imprime_terme(monomes[0].coefficient));
    const std::string r3 = rc ? rc->en_texte() : racine_de(imprime_terme(monomes[2].coefficient));
    const std::string milieu = imprime_terme(monomes[1].coefficient);
    if (!nombres && normalise(r1 + "*" + r3 + (somme ? "-" : "+") + "1/2*(" + milieu + ")") != "0")
        return refuse();
    const std::string dedans =
        normalise(r1 + "*x^" + std::to_string(d1 / 2) + (somme ? "+" : "-") + r3 + "*x^" + std::to_string(d3 / 2));
    // No leading "+": the factored step must still split into one term.
    std::string resultat = (oppose_ ? "-(" : "(") + dedans + ")^2";
    if ((!racines_ajoutees && contient(resultat, "sqrt(") && !contient(enonce.texte, "sqrt(")) ||
        !meme_valeur(enonce.texte, resultat))
        return refuse();
    return transforme(std::move(resultat), somme ? IDENTITE_SOMME : IDENTITE_DIFFERENCE);
}

std::string racine_de(const std::string &facteur)
{
    if (facteur.size() > LONGUEUR_MAX_TRAVAIL)
        return "sqrt(" + facteur + ")";
    const std::optional<Arbre> arbre = lis_formule(facteur);
    if (!arbre || arbre->racine < 0)
        return normalise("sqrt(" + facteur + ")");
    if (std::optional<std::string> moitie = demi_puissance(*arbre, arbre->racine, facteur))
        return *moitie;
    // A single quotient without parentheses: the root of each side.
    const Noeud &n = (*arbre)[arbre->racine];
    if (n.genre == Genre::produit && n.nombre_enfants == 2 && arbre->operateur(n, 1) == '/' &&
        facteur.find('(') == std::string::npos)
        return normalise(normalise("sqrt(" + ecrit(*arbre, arbre->enfant(n, 0), facteur) + ")") + "/" +
                         normalise("sqrt(" + ecrit(*arbre, arbre->enfant(n, 1), facteur) + ")"));
    return normalise("sqrt(" + facteur + ")");
}

int signe_sur_domaine(const std::string &expression, const BornesIntervalles &domaine)
{
    const std::vector<Plage> plages = plages_du_domaine(domaine);
    int signe = 0;
    for (const Plage &p : plages) {
        const int ici = signe_sur_intervalle(expression, p);
        if (ici == 0)
            return 0;
        signe = signe == 0 || signe == ici ? ici : 1;
    }
    return signe;
}
