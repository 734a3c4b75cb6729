#include "algebra/factorisation.h"

#include <algorithm>
#include <optional>
#include <vector>

#include <gmpxx.h>

#include "algebra/developpement.h"
#include "algebra/trinome.h"
#include "algebra/algebre.h"
#include "algebra/decoupe.h"
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

// An even power 2 to 998 of a base it bears on whole ('(x+1)^2', 'x^4'; not '3*x^2').
bool est_puissance_paire(const std::string &facteur, const Puissance &p)
{
    return p.exposant >= 2 && p.exposant <= 999 && p.exposant % 2 == 0 && base_entiere(p.base) &&
           facteur == p.base + "^" + std::to_string(p.exposant);
}

// The square root of a factor when it is one for every real x: half of an
// even power, or the root of a positive number. The root of 'x' or '2*x'
// would hold only for x >= 0.
std::optional<std::string> racine_partout(const std::string &facteur)
{
    if (est_puissance_paire(facteur, separe_puissance(facteur)) || valeur_constante(facteur).value_or(0) > 0)
        return racine_de(facteur);
    return std::nullopt;
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
    const std::string facteur = sans_blancs(terme.substr(static_cast<std::size_t>(n.debut),
                                                          static_cast<std::size_t>(n.fin - n.debut)));
    return racine_partout(facteur);
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

std::string oppose(const std::string &coefficient)
{
    return !coefficient.empty() && coefficient[0] == '-' ? coefficient.substr(1) : "-" + coefficient;
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
        f.base.arguments.front() = ::oppose(std::move(f.base.arguments.front()));
        f.base.cle = imprime_base(f.base);
        if (f.exposant.moitie_entiere() + f.exposant.moitie_entiere() != f.exposant)
            terme.coefficient = -terme.coefficient;
    }
}

// The terms of the top sum as they are written, each one term: a bracket
// alone ('+(x+3)') stays one factor instead of opening into the sum.
std::optional<std::vector<Terme>> termes_ecrits(const Arbre &arbre)
{
    const Noeud &racine = arbre[arbre.racine];
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
std::optional<std::vector<Terme>> termes_reduits(const Arbre &arbre)
{
    std::optional<Somme> forme = forme_algebrique(arbre, arbre.racine, Reduction::complete);
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

struct CarreParfait {
    std::optional<std::string> resultat;
    std::string interieur;   // "+" or "-": the sign inside the square
};

// carre_parfait, with the inner sign that names the identity used.
CarreParfait carre_parfait_signe(const std::string &trinome, int d1, int d2, int d3)
{
    CarreParfait carre;
    if (trinome.size() > LONGUEUR_MAX_TRAVAIL || signe_apres_operateur(trinome))
        return carre;
    const int h1 = d1 / 2;
    const int h3 = d3 / 2;
    std::string reste = trinome;
    std::string signes[3];
    std::string coefficients[3];
    for (int k = 0; k < 3; ++k)
        extrait_coefficient(reste, signes[k], coefficients[k]);
    // A fourth term would be left out of the square.
    if (!reste.empty())
        return carre;

    const std::string motif = signes[0] + signes[1] + signes[2];
    std::string exterieur;
    if (motif == "+++")
        carre.interieur = "+", exterieur = "+";
    else if (motif == "+-+")
        carre.interieur = "-", exterieur = "+";
    else if (motif == "---")
        carre.interieur = "+", exterieur = "-";
    else if (motif == "-+-")
        carre.interieur = "-", exterieur = "-";
    else
        return carre;
    // The opposite of a square: the roots are those of the opposite trinomial.
    if (exterieur == "-")
        for (std::string &c : coefficients)
            c = oppose(c);

    const std::string r1 = racine_de(coefficients[0]);
    const std::string r3 = racine_de(coefficients[2]);
    const std::string verification =
        normalise(r1 + "*" + r3 + (carre.interieur == "+" ? "-" : "+") + "1/2*(" + coefficients[1] + ")");
    if (verification != "0" || d1 != 2 * h1 || d3 != 2 * h3 || h1 + h3 != d2)
        return carre;
    const std::string dedans =
        normalise(r1 + "*x^" + std::to_string(h1) + carre.interieur + r3 + "*x^" + std::to_string(h3));
    // No leading "+": the factored step must still split into one term.
    std::string resultat = (exterieur == "-" ? "-(" : "(") + dedans + ")^2";
    if (meme_valeur(trinome, resultat))
        carre.resultat = std::move(resultat);
    return carre;
}

// The perfect square test on a member without parentheses: exactly three
// terms, with their degrees.
CarreParfait carre_parfait_du_membre(const std::string &membre)
{
    std::string reste = membre;
    int degres[3] = {};
    int nombre = 0;
    while (nombre < 5) {
        const std::string terme = extrait_terme(reste);
        if (terme == "0")
            break;
        if (nombre < 3)
            degres[nombre] = degre(terme);
        ++nombre;
    }
    if (nombre != 3)
        return {};
    return carre_parfait_signe(membre, degres[0], degres[1], degres[2]);
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
    if (lu.nature != EXPRESSION || lu.texte.size() > LONGUEUR_MAX_TRAVAIL)
        return refuse();
    const std::string membre = ordonne_ou_garde(lu.texte);
    const EnonceLu enonce(membre);
    const Membre &m = enonce.membres[0];
    if (enonce.nature != EXPRESSION || signe_apres_operateur(membre) || !decoupe_fiable(enonce, m))
        return refuse();
    // A calculation on numbers is computed, not factored: '7-2' is no
    // difference of the squares of sqrt(7) and sqrt(2).
    if (valeur_constante(membre))
        return refuse();

    std::string texte = membre;
    std::string facteur;
    // The factor as a teacher names it: '3', '4·x', '(x+1)'.
    if (facteur_commun(texte, facteur))
        return transforme(std::move(texte),
                          " (facteur commun : " + forme_lisible(facteur.substr(1, facteur.size() - 2)) + ")");
    // A difference of two terms, or the sum of two terms the first of which is
    // negative: a - b or -a + b.
    const bool deux_termes = m.termes && m.parties.size() == 2;
    const char operateur = deux_termes ? m.parties[0].operateur : '\0';
    const std::string premier = deux_termes ? std::string(enonce.ecrit(m.parties[0].etendue)) : "";
    const std::string second = deux_termes ? std::string(enonce.ecrit(m.parties[1].etendue)) : "";
    std::optional<std::string> resultat;
    if (operateur == '-') {
        resultat = difference_de_carres(premier, second);
    } else if (operateur == '+' && premier[0] == '-') {
        resultat = difference_de_carres(premier.substr(1), second);
        if (resultat)
            resultat = normalise("-(" + *resultat + ")");
    }
    if (resultat)
        return transforme(std::move(*resultat), FORMULE_CARRES);
    // A square written with roots the trinomial does not hold is left to the
    // discriminant, which keeps rational numbers rational.
    if (membre.find('(') == std::string::npos) {
        const CarreParfait carre = carre_parfait_du_membre(membre);
        const bool racines_ajoutees = carre.resultat && contient(*carre.resultat, "sqrt(") && !contient(membre, "sqrt(");
        if (carre.resultat && !(racines_ajoutees && options.trinomes))
            return transforme(std::move(*carre.resultat),
                              carre.interieur == "+" ? IDENTITE_SOMME : IDENTITE_DIFFERENCE);
    }
    if (options.trinomes) {
        std::string discriminant;
        resultat = factorise_trinome(membre, discriminant);
        if (resultat)
            return transforme(std::move(*resultat), " (trinôme : Δ = " + discriminant + ")");
    }
    return refuse();
}

bool facteur_commun(std::string &somme, std::string &facteur)
{
    facteur.clear();
    if (somme.size() > LONGUEUR_MAX_TRAVAIL || signe_apres_operateur(somme))
        return false;
    const std::optional<Arbre> arbre = lis_formule(somme);
    if (!arbre || arbre->racine < 0)
        return false;
    // The terms as written first, so that a bracket shared by the terms is
    // seen; then the reduced sum, where a number or a letter may be shared.
    for (auto termes : {termes_ecrits(*arbre), termes_reduits(*arbre)}) {
        if (!termes || termes->size() < 2)
            continue;
        const Terme commun = partie_commune(*termes);
        // 1 and -1 are no factors worth taking out.
        if (commun.coefficient.valeur_absolue().est_un() && commun.facteurs.empty())
            continue;
        Somme cofacteur;
        for (Terme &t : *termes) {
            divise_par(t, commun);
            cofacteur.termes.push_back(std::move(t));
        }
        const std::string texte_commun = imprime_terme(commun);
        std::string resultat = normalise("(" + texte_commun + ")*(" + reduit(imprime(cofacteur)) + ")");
        if (!meme_valeur(somme, resultat))
            continue;
        facteur = "(" + normalise(texte_commun) + ")";
        somme = std::move(resultat);
        return true;
    }
    return false;
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
    if (!meme_valeur("(" + a + ")-(" + b + ")", resultat))
        return std::nullopt;
    return resultat;
}

std::optional<std::string> carre_parfait(const std::string &trinome, int d1, int d2, int d3)
{
    return carre_parfait_signe(trinome, d1, d2, d3).resultat;
}

std::string racine_de(const std::string &facteur)
{
    if (facteur.size() > LONGUEUR_MAX_TRAVAIL)
        return "sqrt(" + facteur + ")";
    // An even power of a whole base: half the power. A power that bears on
    // part of the text only ('3*x^2') is no square of its base.
    const Puissance p = separe_puissance(facteur);
    if (est_puissance_paire(facteur, p))
        return normalise("(" + p.base + ")^" + std::to_string(p.exposant / 2));
    // A single quotient without parentheses: the root of each side.
    if (facteur.find('(') == std::string::npos) {
        const EnonceLu quotient(facteur);
        const Membre &m = quotient.membres[0];
        if (!m.termes && m.parties.size() == 2 && m.parties[0].operateur == '/')
            return normalise(normalise("sqrt(" + std::string(quotient.ecrit(m.parties[0].etendue)) + ")") + "/" +
                             normalise("sqrt(" + std::string(quotient.ecrit(m.parties[1].etendue)) + ")"));
    }
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
