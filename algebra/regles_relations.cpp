// The wrong rules of solving equations, inequations and systems: each gives
// the set (or the pair) that a pupil who follows it finds.

#include <cmath>
#include <optional>

#include "algebra/ecriture_arbre.h"
#include "algebra/mecaniques.h"
#include "formula/lecteur.h"

namespace {

using Resultats = std::vector<Application>;

std::string texte(const Arbre &a, int n) { return ecrit_lineaire(a, n); }

struct Relation {
    int gauche, droite;
    std::string rel;
};
std::optional<Relation> relation(const Enonce &e, int nature_min, int nature_max)
{
    if (e.nature < nature_min || e.nature > nature_max || !e.solutions)
        return std::nullopt;
    return Relation{e.membres[0], e.membres[1], std::string(e.arbre.mot(e.arbre[e.arbre.racine]))};
}

std::string ecart(const Enonce &e, const Relation &r)
{
    return texte(e.arbre, r.gauche) + "-(" + texte(e.arbre, r.droite) + ")";
}

std::optional<Ensemble> ensemble_texte(const std::string &relation)
{
    const std::optional<Arbre> a = lis_formule(relation);
    return a ? ensemble_solutions(*a, a->racine) : std::nullopt;
}

void propose(const std::optional<Ensemble> &ensemble, Resultats &r)
{
    if (ensemble)
        r.push_back({{}, {}, {}, ensemble, {}});
}

bool compare(double v, const std::string &rel)
{
    const double e = std::fabs(v) < 1e-9 ? 0 : v;
    return rel == "=" ? e == 0 : rel == "<" ? e < 0 : rel == ">" ? e > 0 : rel == "<=" ? e <= 0 : e >= 0;
}

std::string inverse(const std::string &rel)
{
    return rel == "<" ? ">" : rel == ">" ? "<" : rel == "<=" ? ">=" : rel == ">=" ? "<=" : rel;
}

bool est_zero(const Arbre &a, int n) { return sans_lettre(a, n) && valeur_en(texte(a, n), 0) == 0.0; }

// The member that is not zero, when the other one is.
std::optional<int> membre_face_a_zero(const Enonce &e, const Relation &r)
{
    if (est_zero(e.arbre, r.droite))
        return r.gauche;
    if (est_zero(e.arbre, r.gauche))
        return r.droite;
    return std::nullopt;
}

// The roots of each factor of a product, when it has two factors at least.
std::optional<std::vector<std::vector<double>>> racines_par_facteur(const Enonce &e, int membre)
{
    const std::vector<int> f = facteurs_produit(e.arbre, membre);
    std::vector<std::vector<double>> r;
    for (int n : f) {
        if (sans_lettre(e.arbre, n))
            continue;
        const std::optional<Polynome> p = polynome(texte(e.arbre, n));
        if (!p)
            return std::nullopt;
        r.push_back(p->racines());
    }
    if (r.size() < 2)
        return std::nullopt;
    return r;
}

void transposition_sans_changement_signe(const Enonce &e, Resultats &r)
{
    const std::optional<Relation> rel = relation(e, 1, 5);
    if (!rel)
        return;
    for (auto [depart, arrivee] : {std::pair{rel->gauche, rel->droite}, std::pair{rel->droite, rel->gauche}}) {
        // A member moved whole onto a zero is the relation read backwards.
        const std::vector<TermeSigne> t = termes(e.arbre, depart);
        if (est_zero(e.arbre, arrivee))
            continue;
        for (const TermeSigne &deplace : t) {
            std::string reste;
            for (const TermeSigne &u : t)
                if (u.noeud != deplace.noeud)
                    reste += "+" + signe(texte(e.arbre, u.noeud), u.moins);
            const std::string arrive = "(" + texte(e.arbre, arrivee) + ")+" + signe(texte(e.arbre, deplace.noeud), deplace.moins);
            propose(ensemble_texte(depart == rel->gauche ? "0" + reste + rel->rel + arrive
                                                         : arrive + rel->rel + "0" + reste),
                    r);
        }
    }
}

// ax = b, the equation in the form a pupil reaches: a and b.
std::optional<std::pair<double, double>> coefficients(const Enonce &e)
{
    const std::optional<Relation> rel = relation(e, 1, 1);
    if (!rel)
        return std::nullopt;
    const std::optional<Polynome> p = polynome(ecart(e, *rel));
    if (!p || p->degre() != 1)
        return std::nullopt;
    return std::pair{p->b, -p->c};
}

void coefficient_soustrait(const Enonce &e, Resultats &r)
{
    if (const auto ab = coefficients(e); ab && ab->first != 1)
        propose(valeurs({ab->second - ab->first}), r);
}

void signe_coefficient_oublie(const Enonce &e, Resultats &r)
{
    if (const auto ab = coefficients(e); ab && ab->first < 0)
        propose(valeurs({-ab->second / ab->first}), r);
}

void division_inversee(const Enonce &e, Resultats &r)
{
    if (const auto ab = coefficients(e); ab && ab->second != 0)
        propose(valeurs({ab->first / ab->second}), r);
}

void produit_nul(const Enonce &e, Resultats &r, bool oublie)
{
    const std::optional<Relation> rel = relation(e, 1, 1);
    const std::optional<int> membre = rel ? membre_face_a_zero(e, *rel) : std::nullopt;
    const auto racines = membre ? racines_par_facteur(e, *membre) : std::nullopt;
    if (!racines)
        return;
    // Every factor's root with the wrong sign, or one factor's only.
    if (!oublie) {
        for (std::size_t inverse = 0; inverse <= racines->size(); ++inverse) {
            std::vector<double> x;
            for (std::size_t j = 0; j < racines->size(); ++j)
                for (double v : (*racines)[j])
                    x.push_back(inverse == racines->size() || inverse == j ? -v : v);
            propose(valeurs(x), r);
        }
        return;
    }
    for (std::size_t i = 0; i < racines->size(); ++i) {
        std::vector<double> autres;
        for (std::size_t j = 0; j < racines->size(); ++j)
            if (j != i)
                autres.insert(autres.end(), (*racines)[j].begin(), (*racines)[j].end());
        propose(valeurs(autres), r);
    }
}
void produit_nul_signes_inverses(const Enonce &e, Resultats &r) { produit_nul(e, r, false); }
void produit_nul_facteur_oublie(const Enonce &e, Resultats &r) { produit_nul(e, r, true); }

void produit_egal_constante(const Enonce &e, Resultats &r)
{
    const std::optional<Relation> rel = relation(e, 1, 1);
    if (!rel || !sans_lettre(e.arbre, rel->droite) || est_zero(e.arbre, rel->droite))
        return;
    std::vector<double> x;
    int facteurs = 0;
    for (int f : facteurs_produit(e.arbre, rel->gauche)) {
        if (sans_lettre(e.arbre, f))
            continue;
        const std::optional<Polynome> p = polynome(texte(e.arbre, f) + "-(" + texte(e.arbre, rel->droite) + ")");
        if (!p)
            return;
        ++facteurs;
        for (double v : p->racines())
            x.push_back(v);
    }
    if (facteurs >= 2)
        propose(valeurs(x), r);
}

void carre_racine_positive_seule(const Enonce &e, Resultats &r)
{
    const std::optional<Relation> rel = relation(e, 1, 1);
    if (!rel)
        return;
    for (auto [carre, k] : {std::pair{rel->gauche, rel->droite}, std::pair{rel->droite, rel->gauche}}) {
        const int c = sans_groupe(e.arbre, carre);
        const std::optional<double> vk = sans_lettre(e.arbre, k) ? valeur_en(texte(e.arbre, k), 0) : std::nullopt;
        if (e.arbre[c].genre != Genre::puissance || !vk || *vk <= 0 || texte(e.arbre, e.arbre.enfant(e.arbre[c], 1)) != "2")
            continue;
        const std::optional<Polynome> u =
            polynome(texte(e.arbre, e.arbre.enfant(e.arbre[c], 0)) + "-" + std::to_string(std::sqrt(*vk)));
        if (u && u->degre() == 1) {
            propose(valeurs(u->racines()), r);
            return;
        }
    }
    const std::optional<Polynome> p = polynome(ecart(e, *rel));
    if (p && p->degre() == 2 && p->b == 0 && p->c * p->a < 0)
        propose(valeurs({std::sqrt(-p->c / p->a)}), r);
}

// x² = a with a < 0 solved as if a were positive: the roots of -a.
void carre_negatif_resolu(const Enonce &e, Resultats &r)
{
    const std::optional<Relation> rel = relation(e, 1, 1);
    const std::optional<Polynome> p = rel ? polynome(ecart(e, *rel)) : std::nullopt;
    if (p && p->degre() == 2 && p->b == 0 && p->c * p->a > 0) {
        const double racine = std::sqrt(p->c / p->a);
        propose(valeurs({racine, -racine}), r);
    }
}

void division_par_x(const Enonce &e, Resultats &r)
{
    const std::optional<Relation> rel = relation(e, 1, 1);
    const std::optional<Polynome> p = rel ? polynome(ecart(e, *rel)) : std::nullopt;
    if (p && p->degre() == 2 && p->c == 0 && p->b != 0)
        propose(valeurs({-p->b / p->a}), r);
}

void valeur_interdite_conservee(const Enonce &e, Resultats &r)
{
    const std::optional<Relation> rel = relation(e, 1, 5);
    const std::optional<int> membre = rel ? membre_face_a_zero(e, *rel) : std::nullopt;
    std::vector<double> zeros, interdites;
    if (!membre || !racines_facteurs(e.arbre, *membre, zeros, interdites) || interdites.empty())
        return;
    if (e.nature != 1) {
        propose(reunion(*e.solutions, valeurs(interdites)), r);
        return;
    }
    propose(valeurs(zeros), r);
    zeros.insert(zeros.end(), interdites.begin(), interdites.end());
    propose(valeurs(zeros), r);
}

// A linear inequation ax + c rel 0: the set x rel -c/a, or its reverse.
void sens(const Enonce &e, Resultats &r, bool a_negatif)
{
    const std::optional<Relation> rel = relation(e, 2, 5);
    const std::optional<Polynome> p = rel ? polynome(ecart(e, *rel)) : std::nullopt;
    if (!p || p->degre() != 1 || (p->b < 0) != a_negatif)
        return;
    const double racine = -p->c / p->b;
    const std::string faux = a_negatif ? rel->rel : inverse(rel->rel);
    propose(ensemble_par_morceaux({racine}, [&](double x) { return compare(x - racine, faux); }), r);
}
void sens_non_change(const Enonce &e, Resultats &r) { sens(e, r, true); }
void sens_change(const Enonce &e, Resultats &r) { sens(e, r, false); }

void inequation_produit_facteur_par_facteur(const Enonce &e, Resultats &r)
{
    const std::optional<Relation> rel = relation(e, 2, 5);
    const std::optional<int> membre = rel ? membre_face_a_zero(e, *rel) : std::nullopt;
    if (!membre)
        return;
    const std::string sens_facteur = *membre == rel->gauche ? rel->rel : inverse(rel->rel);
    std::optional<Ensemble> s;
    int facteurs = 0;
    for (int f : facteurs_produit(e.arbre, *membre)) {
        if (sans_lettre(e.arbre, f))
            continue;
        const std::optional<Ensemble> ef = ensemble_texte(texte(e.arbre, f) + sens_facteur + "0");
        if (!ef)
            return;
        ++facteurs;
        s = s ? intersection(*s, *ef) : *ef;
    }
    if (facteurs >= 2)
        propose(s, r);
}

// The sign table read the wrong way: where the product or quotient has the
// other sign, its zeros kept as the relation says.
void tableau_signes_lu_a_l_envers(const Enonce &e, Resultats &r)
{
    const std::optional<Relation> rel = relation(e, 2, 5);
    const std::optional<int> membre = rel ? membre_face_a_zero(e, *rel) : std::nullopt;
    std::vector<double> zeros, interdites;
    if (!membre || !racines_facteurs(e.arbre, *membre, zeros, interdites) || zeros.size() + interdites.size() < 2)
        return;
    propose(ensemble_texte(texte(e.arbre, *membre) + (*membre == rel->gauche ? inverse(rel->rel) : rel->rel) + "0"), r);
}

// One bracket turned the wrong way, or every bracket at a finite end.
void borne_mal_fermee(const Enonce &e, Resultats &r)
{
    if (!relation(e, 2, 5))
        return;
    Ensemble toutes = *e.solutions;
    for (std::size_t i = 0; i < e.solutions->parties.size(); ++i) {
        const Morceau &p = e.solutions->parties[i];
        if (p.bas == p.haut)
            continue;
        for (bool bas : {true, false}) {
            if (std::isinf(bas ? p.bas : p.haut))
                continue;
            Ensemble f = *e.solutions;
            for (Ensemble *g : {&f, &toutes}) {
                bool &inclus = bas ? g->parties[i].bas_inclus : g->parties[i].haut_inclus;
                inclus = !inclus;
            }
            propose(f, r);
        }
    }
    propose(toutes, r);
}

// ---------------------------------------------------------------- systems

struct Systeme {
    int lignes[2];
    std::optional<Lineaire2> gauche[2], droite[2];
};
std::optional<Systeme> systeme(const Enonce &e)
{
    if (e.nature != 6 || !e.couple)
        return std::nullopt;
    Systeme s;
    for (int k = 0; k < 2; ++k) {
        s.lignes[k] = e.lignes[k];
        const Noeud &l = e.arbre[s.lignes[k]];
        s.gauche[k] = lineaire_xy(texte(e.arbre, e.arbre.enfant(l, 0)));
        s.droite[k] = lineaire_xy(texte(e.arbre, e.arbre.enfant(l, 1)));
        if (!s.gauche[k] || !s.droite[k])
            return std::nullopt;
    }
    return s;
}

Lineaire2 moins(const Lineaire2 &p, const Lineaire2 &q, double k = 1)
{
    return {k * p.a - q.a, k * p.b - q.b, k * p.c - q.c};
}

void propose_couple(const std::optional<Couple> &c, Resultats &r)
{
    if (c)
        r.push_back({{}, {}, {}, {}, c});
}

void couple_solution_inverse(const Enonce &e, Resultats &r)
{
    if (e.nature == 6 && e.couple)
        propose_couple(Couple{e.couple->y, e.couple->x}, r);
}

void systeme_une_seule_inconnue(const Enonce &e, Resultats &r)
{
    if (e.nature != 6 || !e.couple)
        return;
    propose_couple(Couple{e.couple->x, std::nullopt}, r);
    propose_couple(Couple{std::nullopt, e.couple->y}, r);
}

void combinaison_second_membre_oublie(const Enonce &e, Resultats &r)
{
    const std::optional<Systeme> s = systeme(e);
    if (!s)
        return;
    for (int i = 0; i < 2; ++i) {
        const Lineaire2 fi = moins(*s->gauche[i], *s->droite[i]), fj = moins(*s->gauche[1 - i], *s->droite[1 - i]);
        for (double k : {fj.a / fi.a, -fj.a / fi.a, fj.b / fi.b, -fj.b / fi.b}) {
            if (!std::isfinite(k) || k == 0 || k == 1)
                continue;
            propose_couple(resout_systeme(moins(*s->gauche[i], *s->droite[i], k), fj), r);
        }
    }
}

void substitution_sans_parentheses(const Enonce &e, Resultats &r)
{
    if (e.nature != 6 || !e.couple)
        return;
    const Arbre &a = e.arbre;
    const Noeud &racine = a[a.racine];
    for (int i = 0; i < 2; ++i) {
        const Noeud &ligne = a[a.enfant(racine, i)];
        if (ligne.genre != Genre::relation)
            return;
        for (int cote = 0; cote < 2; ++cote) {
            const int lettre = sans_groupe(a, a.enfant(ligne, cote)), expression = a.enfant(ligne, 1 - cote);
            if (a[lettre].genre != Genre::lettre || !est_somme(a, expression))
                continue;
            const char l = a.mot(a[lettre])[0];
            const int autre = a.enfant(racine, 1 - i);
            std::vector<Retouche> retouches;
            for (int n = 0; n < static_cast<int>(a.noeuds.size()); ++n)
                if (a[n].genre == Genre::lettre && a.mot(a[n])[0] == l &&
                    a[n].debut >= a[autre].debut && a[n].fin <= a[autre].fin)
                    retouches.push_back({n, texte(a, expression), Retouche::Genre::brut});
            const Noeud &na = a[autre];
            const std::optional<Lineaire2> faux = lineaire_xy(ecrit_lineaire(a, a.enfant(na, 0), retouches) + "-(" +
                                                              ecrit_lineaire(a, a.enfant(na, 1), retouches) + ")");
            const std::optional<Lineaire2> juste = lineaire_xy(texte(a, a.enfant(ligne, 0)) + "-(" + texte(a, a.enfant(ligne, 1)) + ")");
            if (faux && juste)
                propose_couple(resout_systeme(*juste, *faux), r);
        }
    }
}

} // namespace

std::vector<Mecanique> mecaniques_relations()
{
    using enum Tache;
    return {
        {"valeur_interdite_conservee", {resoudre}, valeur_interdite_conservee},
        {"produit_nul_signes_inverses", {resoudre}, produit_nul_signes_inverses},
        {"produit_nul_facteur_oublie", {resoudre}, produit_nul_facteur_oublie},
        {"produit_egal_constante_facteur_par_facteur", {resoudre}, produit_egal_constante},
        {"carre_racine_positive_seule", {resoudre}, carre_racine_positive_seule},
        {"carre_negatif_resolu", {resoudre}, carre_negatif_resolu},
        {"division_par_x_solution_perdue", {resoudre}, division_par_x},
        {"inequation_produit_facteur_par_facteur", {resoudre}, inequation_produit_facteur_par_facteur},
        {"sens_non_change_facteur_negatif", {resoudre}, sens_non_change},
        {"sens_change_facteur_positif", {resoudre}, sens_change},
        {"signe_coefficient_oublie", {resoudre}, signe_coefficient_oublie},
        {"transposition_sans_changement_signe", {resoudre}, transposition_sans_changement_signe},
        {"coefficient_soustrait", {resoudre}, coefficient_soustrait},
        {"division_inversee", {resoudre}, division_inversee},
        {"tableau_signes_lu_a_l_envers", {resoudre}, tableau_signes_lu_a_l_envers},
        {"borne_mal_fermee", {resoudre}, borne_mal_fermee},
        {"couple_solution_inverse", {resoudre}, couple_solution_inverse},
        {"systeme_une_seule_inconnue", {resoudre}, systeme_une_seule_inconnue},
        {"substitution_sans_parentheses", {resoudre}, substitution_sans_parentheses},
        {"combinaison_second_membre_oublie", {resoudre}, combinaison_second_membre_oublie},
    };
}
