#include "algebra/factorisation.h"

#include <algorithm>
#include <vector>

#include "algebra/developpement.h"
#include "core/algebre.h"
#include "core/decoupe.h"
#include "core/evaluateur.h"
#include "core/partage.h"
#include "formula/normalise.h"

namespace {

const std::string ERREUR = "Erreur";
const std::string FORMULE_CARRES = " (formule a² - b² = (a - b)(a + b))";
constexpr std::size_t NB_COLONNES = 9;
constexpr double PAS_DU_BALAYAGE = 0.25;
constexpr double RETRAIT_BORNE_EXCLUE = 0.27;
constexpr double BORNE_DU_BALAYAGE = 50;
constexpr double NB_PAS_MAX = 4000;

// One row of the common-factor table: the factors of a term, each written
// operator + "(" + factor + ")", so that equal factors give equal strings.
using Ligne = std::vector<std::string>;

// Fills the row of a term; false when the term has more factors than a row holds.
bool remplit_ligne(const std::string &morceau, Ligne &ligne)
{
    const std::string terme = normalise_brut(morceau);
    const TDmembre m = TDalgebre(terme).membre_gauche;
    if (!decoupe_fiable(m))
        return false;
    if (m.nb_additifs > 0) {
        ligne = {"*(" + ordonne_ou_garde(terme) + ")", "*1"};
        return true;
    }
    for (int j = 1; j <= 8 && !m.morceaux[j].empty(); ++j) {
        const std::string operateur = j == 1 ? "*" : m.operateurs_membre[j - 1];
        // A power is read as its base times the lower power, so that the base
        // can be found as a common factor. '-x^2' is -1 times a square.
        std::string base = m.bases[j];
        const bool oppose = !base.empty() && base[0] == '-';
        if (oppose)
            base.erase(0, 1);
        const int n = m.exposants[j];
        if (n >= 2 && n <= 999 && base_entiere(base)) {
            if (oppose)
                ligne.push_back("*(-1)");
            const std::string colonne = operateur + "(" + ordonne_ou_garde(base) + ")";
            ligne.push_back(colonne);
            ligne.push_back(n == 2 ? colonne
                                   : operateur + "(" +
                                         ordonne_ou_garde(normalise("(" + base + ")^" + std::to_string(n - 1))) +
                                         ")");
        } else if (m.nb_multiplicatifs > 0) {
            ligne.push_back(operateur + "(" + ordonne_ou_garde(m.morceaux[j]) + ")");
        } else {
            ligne = {"*(" + ordonne_ou_garde(terme) + ")", "*1"};
        }
    }
    return ligne.size() <= NB_COLONNES;
}

// "1" followed by every entry of the row but the one at position sauf.
std::string cofacteur(const Ligne &ligne, std::size_t sauf)
{
    std::string r = "1";
    for (std::size_t k = 0; k < ligne.size(); ++k)
        if (k != sauf)
            r += ligne[k];
    return r;
}

// Roots of the factors of a term, joined by the term's own operators; a term
// that is a sum has its root taken whole.
std::string racines_des_facteurs(const std::string &terme)
{
    const TDmembre m = TDalgebre(terme).membre_gauche;
    if (m.nb_additifs > 0 || !decoupe_fiable(m))
        return "(" + racine_de(terme) + ")";
    std::string r;
    for (int i = 1; i <= 8 && !m.morceaux[i].empty(); ++i)
        r += "(" + racine_de(m.morceaux[i]) + ")" + m.operateurs_membre[i];
    return r;
}

std::string oppose(const std::string &coefficient)
{
    return !coefficient.empty() && coefficient[0] == '-' ? coefficient.substr(1) : "-" + coefficient;
}

struct Intervalle {
    double debut = 0;
    double fin = 0;
};

// Interval k (1 or 2) of the shared domain; false when the second is absent.
bool intervalle_du_domaine(int k, Intervalle &intervalle)
{
    const Partage &p = partage;
    const std::string &inf = k == 1 ? p.borne_inf_1 : p.borne_inf_2;
    const std::string &sup = k == 1 ? p.borne_sup_1 : p.borne_sup_2;
    if (k == 2 && (inf.empty() || sup.empty()))
        return false;
    intervalle.debut = inf == "-inf" ? -BORNE_DU_BALAYAGE : evalue(inf, 0);
    intervalle.fin = sup == "inf" ? BORNE_DU_BALAYAGE : evalue(sup, 0);
    if (k == 1 ? p.crochet_1a : p.crochet_2a)
        intervalle.debut += RETRAIT_BORNE_EXCLUE;
    if (k == 1 ? p.crochet_1b : p.crochet_2b)
        intervalle.fin -= RETRAIT_BORNE_EXCLUE;
    return true;
}

// Sign of the expression sampled every quarter from the start of the
// interval: 2 positive, 3 negative, 0 when it changes or starts at zero.
// Very long intervals are sampled with a longer step.
int signe_sur_intervalle(const std::string &t, const Intervalle &intervalle)
{
    const double pas = std::max(PAS_DU_BALAYAGE, (intervalle.fin - intervalle.debut) / NB_PAS_MAX);
    double x = intervalle.debut;
    const double premiere = evalue(t, x);
    double valeur = premiere;
    while (intervalle.fin > x && premiere * valeur > 0) {
        x += pas;
        valeur = evalue(t, x);
    }
    if (!(premiere * valeur > 0))
        return 0;
    return valeur >= 0 ? 2 : 3;
}

// True when signe_sur_domaine gives 1 or 3: the expression stays negative
// on an interval of the domain. An expression that starts non-negative on
// every interval cannot, which spares the long scan in most cases.
bool negatif_sur_domaine(const std::string &t)
{
    Intervalle intervalle;
    bool depart_negatif = false;
    for (int k = 1; k <= 2; ++k)
        if (intervalle_du_domaine(k, intervalle) && evalue(t, intervalle.debut) < 0)
            depart_negatif = true;
    if (!depart_negatif)
        return false;
    const int signe = signe_sur_domaine(t);
    return signe == 1 || signe == 3;
}

} // namespace

std::string factorise(std::string &membre)
{
    if (membre.size() > LONGUEUR_MAX_TRAVAIL)
        return ERREUR;
    ordonne(membre);
    const TDalgebre enonce(membre);
    if (enonce.nature != EXPRESSION || signe_apres_operateur(membre) || !decoupe_fiable(enonce.membre_gauche))
        return ERREUR;
    const TDmembre &m = enonce.membre_gauche;

    std::string texte = membre;
    std::string facteur;
    if (facteur_commun(texte, facteur)) {
        partage.indication_factorisation = " (facteur commun : " + forme_lisible(facteur) + ")";
        return texte;
    }
    const bool deux_termes = !m.morceaux[1].empty() && !m.morceaux[2].empty() && m.morceaux[3].empty();
    if (deux_termes && m.operateurs_membre[1] == "-") {
        partage.indication_factorisation = FORMULE_CARRES;
        return difference_de_carres(m.morceaux[1], m.morceaux[2]);
    }
    if (deux_termes && m.operateurs_membre[1] == "+" && m.morceaux[1][0] == '-') {
        partage.indication_factorisation = FORMULE_CARRES;
        const std::string r = difference_de_carres(m.morceaux[1].substr(1), m.morceaux[2]);
        return r == ERREUR ? r : normalise("-(" + r + ")");
    }
    if (membre.find('(') != std::string::npos)
        return ERREUR;

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
    return nombre == 3 ? carre_parfait(membre, degres[0], degres[1], degres[2]) : ERREUR;
}

bool facteur_commun(std::string &somme, std::string &facteur)
{
    facteur.clear();
    if (somme.size() > LONGUEUR_MAX_TRAVAIL)
        return false;
    const TDalgebre enonce(somme);
    const TDmembre &m = enonce.membre_gauche;
    if (enonce.nature != EXPRESSION || m.nb_additifs == 0 || !decoupe_fiable(m) ||
        signe_apres_operateur(somme))
        return false;

    std::vector<Ligne> lignes;
    std::vector<std::string> operateurs;
    for (int r = 1; r <= 8 && !m.morceaux[r].empty(); ++r) {
        Ligne ligne;
        if (!remplit_ligne(m.morceaux[r], ligne))
            return false;
        lignes.push_back(std::move(ligne));
        operateurs.push_back(r == 1 || m.operateurs_membre[r - 1].empty() ? "+" : m.operateurs_membre[r - 1]);
    }
    // Every term must have its row, or the rewritten sum would lose it.
    if (lignes.size() != static_cast<std::size_t>(m.nb_additifs) + 1)
        return false;

    // A candidate of the first row must stand in every other row; the trivial
    // factor 1 and divisors are never candidates.
    const Ligne &premiere = lignes[0];
    for (std::size_t c = 0; c < premiere.size(); ++c) {
        const std::string &candidat = premiere[c];
        if (candidat.empty() || candidat == "*(1)" || candidat == "*1" || candidat[0] == '/')
            continue;
        std::vector<std::size_t> places{c};
        for (std::size_t r = 1; r < lignes.size(); ++r) {
            const auto trouve = std::find(lignes[r].begin(), lignes[r].end(), candidat);
            if (trouve == lignes[r].end())
                break;
            places.push_back(static_cast<std::size_t>(trouve - lignes[r].begin()));
        }
        if (places.size() != lignes.size())
            continue;

        facteur = candidat.substr(1);
        std::string texte = "(" + facteur + ")*(";
        for (std::size_t r = 0; r < lignes.size(); ++r)
            texte += (r == 0 ? "" : operateurs[r]) + cofacteur(lignes[r], places[r]);
        texte += ")";
        std::string resultat = normalise(texte);
        if (!meme_valeur(somme, resultat)) {
            facteur.clear();
            return false;
        }
        somme = std::move(resultat);
        return true;
    }
    return false;
}

std::string difference_de_carres(const std::string &a, const std::string &b)
{
    // A term written with a leading "-" is no square.
    if (a.empty() || b.empty() || a[0] == '-' || b[0] == '-' ||
        a.size() + b.size() > LONGUEUR_MAX_TRAVAIL)
        return ERREUR;
    if (negatif_sur_domaine(a) || negatif_sur_domaine(b))
        return ERREUR;
    const std::string ra = racines_des_facteurs(a);
    const std::string rb = racines_des_facteurs(b);
    std::string resultat = normalise("(" + ra + "+" + rb + ")*(" + ra + "-" + rb + ")");
    if (!meme_valeur("(" + a + ")-(" + b + ")", resultat))
        return ERREUR;
    return resultat;
}

std::string carre_parfait(const std::string &trinome, int d1, int d2, int d3)
{
    if (trinome.size() > LONGUEUR_MAX_TRAVAIL || signe_apres_operateur(trinome))
        return ERREUR;
    const int h1 = d1 / 2;
    const int h3 = d3 / 2;
    std::string reste = trinome;
    std::string signes[3];
    std::string coefficients[3];
    for (int k = 0; k < 3; ++k)
        extrait_coefficient(reste, signes[k], coefficients[k]);
    // A fourth term would be left out of the square.
    if (!reste.empty())
        return ERREUR;

    const std::string motif = signes[0] + signes[1] + signes[2];
    std::string interieur;
    std::string exterieur;
    if (motif == "+++")
        interieur = "+", exterieur = "+";
    else if (motif == "+-+")
        interieur = "-", exterieur = "+";
    else if (motif == "---")
        interieur = "+", exterieur = "-";
    else if (motif == "-+-")
        interieur = "-", exterieur = "-";
    else
        return ERREUR;
    // The opposite of a square: the roots are those of the opposite trinomial.
    if (exterieur == "-")
        for (std::string &c : coefficients)
            c = oppose(c);

    const std::string r1 = racine_de(coefficients[0]);
    const std::string r3 = racine_de(coefficients[2]);
    const std::string verification =
        normalise(r1 + "*" + r3 + (interieur == "+" ? "-" : "+") + "1/2*(" + coefficients[1] + ")");
    if (verification != "0" || d1 != 2 * h1 || d3 != 2 * h3 || h1 + h3 != d2)
        return ERREUR;
    const std::string dedans =
        normalise(r1 + "*x^" + std::to_string(h1) + interieur + r3 + "*x^" + std::to_string(h3));
    // No leading "+": the factored step must still split into one term.
    std::string resultat = (exterieur == "-" ? "-(" : "(") + dedans + ")^2";
    if (!meme_valeur(trinome, resultat))
        return ERREUR;
    return resultat;
}

std::string racine_de(const std::string &facteur)
{
    if (facteur.size() > LONGUEUR_MAX_TRAVAIL)
        return "sqrt(" + facteur + ")";
    // An even power of a whole base: half the power. A power that bears on
    // part of the text only ('3*x^2') is no square of its base.
    const Puissance p = separe_puissance(facteur);
    if (p.exposant >= 2 && p.exposant <= 999 && p.exposant % 2 == 0 && base_entiere(p.base) &&
        facteur == p.base + "^" + std::to_string(p.exposant))
        return normalise("(" + p.base + ")^" + std::to_string(p.exposant / 2));
    // A single quotient without parentheses: the root of each side.
    if (facteur.find('(') == std::string::npos) {
        const TDmembre m = TDalgebre(facteur).membre_gauche;
        if (m.nb_multiplicatifs == 1 && m.operateurs_membre[1] == "/")
            return normalise(normalise("sqrt(" + m.morceaux[1] + ")") + "/" +
                             normalise("sqrt(" + m.morceaux[2] + ")"));
    }
    return normalise("sqrt(" + facteur + ")");
}

int signe_sur_domaine(const std::string &expression)
{
    Intervalle intervalle;
    intervalle_du_domaine(1, intervalle);
    const int premier = signe_sur_intervalle(expression, intervalle);
    int second = premier;
    if (premier != 0 && intervalle_du_domaine(2, intervalle))
        second = signe_sur_intervalle(expression, intervalle);
    if (premier == 0 || second == 0)
        return 0;
    if (premier == second)
        return premier;
    return 1;
}
