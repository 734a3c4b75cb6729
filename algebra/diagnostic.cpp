#include "algebra/diagnostic.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "algebra/ecriture_arbre.h"
#include "algebra/mecaniques.h"
#include "formula/lecteur.h"
#include "formula/normalise.h"
#include "formula/reponse.h"

namespace {

bool s_applique(const Mecanique &m, Tache tache, int nature)
{
    const bool regle_de_relation = std::find(m.taches.begin(), m.taches.end(), Tache::resoudre) != m.taches.end();
    if (nature > 0)
        return regle_de_relation || (nature < 6 && m.taches != std::vector<Tache>{Tache::factoriser});
    if (regle_de_relation)
        return false;
    return tache == Tache::aucune || m.taches.empty() ||
           std::find(m.taches.begin(), m.taches.end(), tache) != m.taches.end();
}

// What the statement means, as the answer reader would read its right answer.
std::optional<Sens> sens_juste(const Enonce &e)
{
    if (e.nature == 0)
        return sens_expression(ecrit_lineaire(e.arbre, e.arbre.racine));
    if (e.nature == 6)
        return e.couple ? std::optional<Sens>(sens_de(*e.couple)) : std::nullopt;
    return e.solutions ? std::optional<Sens>(sens_de(*e.solutions, e.nature == 1)) : std::nullopt;
}

// What the pupil who applies the rule there writes.
std::optional<Sens> sens_application(const Enonce &e, const Application &a)
{
    if (a.couple)
        return sens_de(*a.couple);
    if (a.ensemble)
        return sens_de(*a.ensemble, e.nature == 1);
    if (e.nature == 0)
        return sens_expression(a.resultat);
    const std::optional<Arbre> relation = lis_formule(a.resultat);
    const std::optional<Ensemble> f = relation ? ensemble_solutions(*relation, relation->racine) : std::nullopt;
    return f ? std::optional<Sens>(sens_de(*f, e.nature == 1)) : std::nullopt;
}

// The application means what the pupil wrote, and something else than the
// statement.
bool explique(const Enonce &e, const Sens &juste, const Application &a, const Sens &eleve)
{
    const std::optional<Sens> s = sens_application(e, a);
    return s && meme_sens(*s, eleve) && !meme_sens(juste, *s);
}

NatureEnonce nature_reponse(int nature);

// What the pupil's text means: an answer as the reader reads it, or a
// rewritten equation or inequation ("2x = 14"), by its solutions.
std::optional<Sens> sens_eleve(const Enonce &e, const std::string &texte)
{
    std::optional<Sens> s = lis_reponse(texte, nature_reponse(e.nature)).sens;
    if (!s || s->genre != Sens::Genre::autre || e.nature < 1 || e.nature > 5)
        return s;
    const std::optional<Enonce> r = lis_enonce(texte);
    if (!r || r->nature < 1 || r->nature > 5 || !r->solutions)
        return s;
    return sens_de(*r->solutions, e.nature == 1);
}

NatureEnonce nature_reponse(int nature)
{
    return nature == 0 ? NatureEnonce::expression
           : nature == 1 ? NatureEnonce::equation
           : nature == 6 ? NatureEnonce::systeme
                         : NatureEnonce::inequation;
}

// ---------------------------------------------------------------- counter-examples

// The exact value of a linear text without letters, as a pupil reads it.
std::optional<std::string> valeur_lisible(const std::string &lineaire)
{
    const std::string n = normalise(lineaire);
    if (!valeur_en(lineaire, 0))
        return std::nullopt;
    return texte_lisible(n);
}

struct Lu {
    std::optional<Arbre> arbre;
    explicit Lu(const std::string &t) : arbre(lis_formule(t)) {}
    std::string lisible(const Valeurs &v) const { return ecrit_lisible(*arbre, arbre->racine, v); }
    std::string lineaire(const Valeurs &v) const { return ecrit_lineaire(*arbre, arbre->racine, {}, v); }
};

bool a_la_lettre(const Arbre &a, char l)
{
    return std::any_of(a.noeuds.begin(), a.noeuds.end(),
                       [&](const Noeud &n) { return n.genre == Genre::lettre && a.mot(n)[0] == l; });
}

bool a_des_vecteurs(const Arbre &a)
{
    return std::any_of(a.noeuds.begin(), a.noeuds.end(), [](const Noeud &n) { return n.genre == Genre::vecteur; });
}

// "Pour x = 1 : (1 + 3)² = 16, mais 1² + 3² = 10."
std::string contre_exemple_expression(const std::string &avant, const std::string &apres)
{
    const Lu a(avant), b(apres);
    if (!a.arbre || !b.arbre)
        return {};
    if (a_des_vecteurs(*a.arbre))
        return "Ici, " + a.lisible({}) + " n'est pas égal à " + b.lisible({}) + ".";
    std::string lettres;
    for (char l = 'a'; l <= 'z'; ++l)
        if (a_la_lettre(*a.arbre, l) || a_la_lettre(*b.arbre, l))
            lettres += l;
    for (int essai : {1, 2, 3, -1, 4, 5, -2, 10}) {
        Valeurs v;
        std::string pour;
        int k = 0;
        for (char l : lettres) {
            v[l] = std::to_string(essai + k++);
            pour += (pour.empty() ? "" : " et ") + std::string(1, l) + " = " + v[l];
        }
        const std::optional<std::string> va = valeur_lisible(a.lineaire(v)), vb = valeur_lisible(b.lineaire(v));
        const std::optional<double> da = valeur_en(a.lineaire(v), 0), db = valeur_en(b.lineaire(v), 0);
        if (!va || !vb || proches(*da, *db))
            continue;
        return (pour.empty() ? std::string("Ici : ") : "Pour " + pour + " : ") + a.lisible(v) + " = " + *va +
               ", mais " + b.lisible(v) + " = " + *vb + ".";
    }
    return {};
}

// A value where the pupil's set and the solutions differ: one the pupil
// gives first, then a solution left out, then whole numbers and the ends.
std::optional<double> valeur_qui_differe(const Ensemble &eleve, const Ensemble &juste)
{
    std::vector<double> essais;
    for (const Ensemble *e : {&eleve, &juste})
        for (const Morceau &i : e->parties)
            if (i.bas == i.haut)
                essais.push_back(i.bas);
    for (int k = 0; k <= 20; ++k)
        essais.push_back(k % 2 ? -(k + 1) / 2 : k / 2);
    for (const Ensemble *e : {&eleve, &juste})
        for (const Morceau &i : e->parties)
            for (double x : {i.bas, i.haut, i.bas + 0.5, i.haut - 0.5})
                if (std::isfinite(x))
                    essais.push_back(x);
    for (double x : essais)
        if (eleve.contient(x) != juste.contient(x))
            return x;
    return std::nullopt;
}

// One relation of the statement with values given: "3 × 9 = 12 est faux, car
// 3 × 9 = 27." when it does not hold, "(-3)² = 9 est vrai" when it holds.
std::string relation_aux_valeurs(const Arbre &a, int relation, const Valeurs &v)
{
    const Noeud &r = a[relation];
    const int g = a.enfant(r, 0), d = a.enfant(r, 1);
    const std::optional<std::string> vg = valeur_lisible(ecrit_lineaire(a, g, {}, v)),
                                     vd = valeur_lisible(ecrit_lineaire(a, d, {}, v));
    const std::string texte = ecrit_lisible(a, relation, v);
    if (!vg || !vd)
        return texte + " n'a pas de sens : c'est une valeur interdite.";
    const double ecart = *valeur_en(ecrit_lineaire(a, g, {}, v), 0) - *valeur_en(ecrit_lineaire(a, d, {}, v), 0);
    const std::string_view rel = a.mot(r);
    const bool vraie = proches(ecart + 1, 1) ? rel == "=" || rel == "<=" || rel == ">="
                                             : (ecart < 0) == (rel == "<" || rel == "<=") && rel != "=";
    if (vraie)
        return texte + " est vrai";
    std::string car = ", car " + ecrit_lisible(a, g, v) + " = " + *vg;
    if (!sans_lettre(a, d))
        car += " et " + ecrit_lisible(a, d, v) + " = " + *vd;
    return texte + " est faux" + car + ".";
}

// A value written as a whole number or a simple fraction: one that reads
// well in a counter-example, where 1,4142135623730951 would not.
bool s_ecrit_simplement(double v) { return nombre_lisible(v).find_first_of(".e") == std::string::npos; }

std::string contre_exemple_relation(const Enonce &e, const Ensemble &eleve)
{
    const std::optional<double> x = valeur_qui_differe(eleve, *e.solutions);
    if (!x || !s_ecrit_simplement(*x))
        return {};
    const Valeurs v{{'x', nombre_lisible(*x)}};
    const std::string valeur = texte_lisible(v.at('x'));
    const std::string s = "Pour x = " + valeur + " : " + relation_aux_valeurs(e.arbre, e.arbre.racine, v);
    return eleve.contient(*x) || s.back() == '.' ? s : s + ", donc " + valeur + " est aussi solution.";
}

std::string contre_exemple_systeme(const Enonce &e, const Couple &eleve)
{
    if (!eleve.x || !eleve.y)
        return "La solution du système est le couple (" + nombre_lisible(*e.couple->x) + " ; " +
               nombre_lisible(*e.couple->y) + ").";
    if (!s_ecrit_simplement(*eleve.x) || !s_ecrit_simplement(*eleve.y))
        return {};
    const Arbre &a = e.arbre;
    const Valeurs v{{'x', nombre_lisible(*eleve.x)}, {'y', nombre_lisible(*eleve.y)}};
    const Noeud &s = a[a.racine];
    for (int k = 0; k < s.nombre_enfants; ++k) {
        const std::string r = relation_aux_valeurs(a, a.enfant(s, k), v);
        if (r.back() == '.')
            return "Pour x = " + texte_lisible(v.at('x')) + " et y = " + texte_lisible(v.at('y')) + " : " + r;
    }
    return {};
}

std::string contre_exemple(const Enonce &e, const Application &a, const Sens &eleve)
{
    if (!a.avant.empty())
        return contre_exemple_expression(a.avant, a.apres);
    if (e.nature == 6) {
        Couple c;
        if (eleve.genre == Sens::Genre::couple && eleve.valeurs.size() == 2)
            c = {position_reelle(eleve.valeurs[0]), position_reelle(eleve.valeurs[1])};
        return contre_exemple_systeme(e, c);
    }
    const std::optional<Ensemble> s = ensemble_de(eleve);
    return s ? contre_exemple_relation(e, *s) : std::string();
}

Diagnostic nomme(const TexteRegle &t, const std::string &contre_exemple)
{
    return {t.identifiant, contre_exemple.empty() ? t.explication : t.explication + " " + contre_exemple};
}

} // namespace

std::optional<Diagnostic> diagnostique(EnonceLu enonce, const std::string &reponse, Tache tache,
                                       const BibliothequeRegles &bibliotheque)
{
    const std::optional<Enonce> e = lis_enonce(std::move(enonce));
    const std::optional<Sens> juste = e ? sens_juste(*e) : std::nullopt;
    if (!juste)
        return std::nullopt;
    const std::optional<Sens> s = sens_eleve(*e, reponse);
    if (!s || meme_sens(*juste, *s))
        return std::nullopt;
    // For a relation, the rules of solving come before those of its members.
    std::vector<const Mecanique *> ordre;
    for (const Mecanique &m : mecaniques())
        if (s_applique(m, tache, e->nature))
            ordre.push_back(&m);
    std::stable_partition(ordre.begin(), ordre.end(), [](const Mecanique *m) {
        return std::find(m->taches.begin(), m->taches.end(), Tache::resoudre) != m->taches.end();
    });
    std::vector<Application> applications;
    for (const Mecanique *m : ordre) {
        const TexteRegle *texte = bibliotheque.trouve(m->identifiant);
        if (!texte)
            continue;
        applications.clear();
        m->applique(*e, applications);
        for (const Application &a : applications)
            if (explique(*e, *juste, a, *s))
                return nomme(*texte, contre_exemple(*e, a, *s));
    }
    // Two rules that go together, one place each: the second applied to
    // what the first gives.
    if (e->nature != 0)
        return std::nullopt;
    for (const TexteRegle &t : bibliotheque.regles) {
        const Mecanique *premiere = mecanique(t.identifiant);
        if (!premiere || t.avec.empty() || !s_applique(*premiere, tache, 0))
            continue;
        applications.clear();
        premiere->applique(*e, applications);
        for (const Application &a : applications) {
            const std::optional<Enonce> suite = lis_enonce(a.resultat);
            for (const std::string &autre : t.avec) {
                const Mecanique *seconde = mecanique(autre);
                if (!suite || !seconde)
                    continue;
                std::vector<Application> secondes;
                seconde->applique(*suite, secondes);
                for (const Application &b : secondes)
                    if (explique(*e, *juste, b, *s))
                        return nomme(t, contre_exemple(*e, a, *s));
            }
        }
    }
    return std::nullopt;
}

std::optional<Diagnostic> diagnostique(const std::string &enonce, const std::string &reponse, Tache tache,
                                       const BibliothequeRegles &bibliotheque)
{
    return diagnostique(EnonceLu(enonce), reponse, tache, bibliotheque);
}
