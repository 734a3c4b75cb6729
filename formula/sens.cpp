#include "formula/sens.h"

#include <algorithm>
#include <optional>

#include "formula/confronte.h"
#include "formula/lecteur.h"
#include "formula/normalise.h"
#include "formula/sens_formes.h"
#include "formula/valeur.h"

namespace {

// ---------------------------------------------------------------------------
// The values of two texts compared: the same number or function, an
// approximation of it (written with a decimal point), the same values on
// another domain, or other values.

enum class Ecart { egales, approchee, domaine, differentes, sans_valeur };

Ecart ecart(std::string_view attendue, std::string_view reponse)
{
    const std::optional<Arbre> a = lis_formule(attendue), r = lis_formule(reponse);
    if (!a || !r)
        return Ecart::sans_valeur;
    const Confrontation c = confronte(*a, *r);
    if (c.illisible)
        return Ecart::sans_valeur;
    if (c.valeurs_differentes)
        return c.approchee && reponse.find('.') != std::string_view::npos ? Ecart::approchee : Ecart::differentes;
    // An answer defined where the expected one has a forbidden value, or
    // the reverse, is not the same function.
    if (c.domaines_differents || c.valeur_interdite)
        return c.accords > 0 ? Ecart::domaine : Ecart::differentes;
    return Ecart::egales;
}

Comparaison verdict(Verdict v, std::string_view raison) { return {v, std::string(raison)}; }

Comparaison juste() { return verdict(Verdict::juste, RAISON_JUSTE); }

// The worst of two verdicts: fausse over simplifiable over juste.
Comparaison pire(Comparaison a, Comparaison b) { return static_cast<int>(b.verdict) > static_cast<int>(a.verdict) ? b : a; }

Comparaison compare_formes(std::string_view attendue, std::string_view reponse, const std::optional<Somme> &fa,
                           const std::optional<Somme> &fr)
{
    const auto ka = cle_ecrite(attendue), kr = cle_ecrite(reponse);
    if (ka && ka == kr)
        return juste();
    if (!fa || !fr)
        return verdict(Verdict::fausse, "La réponse n'a pas de valeur.");
    const bool finie = kr == cle_ecrite(normalise(reponse));
    if (cle_forme(*fa) == cle_forme(*fr))
        return finie ? juste() : verdict(Verdict::simplifiable, RAISON_SIMPLIFIABLE);
    if (est_factorisee(*fa) && !est_factorisee(*fr))
        return verdict(Verdict::fausse, RAISON_FACTORISEE);
    // Roots simplified further than the expected answer has them are right.
    if (finie && est_factorisee(*fa) == est_factorisee(*fr) && racines_a_simplifier(*fr) < racines_a_simplifier(*fa))
        return juste();
    return verdict(Verdict::simplifiable, RAISON_SIMPLIFIABLE);
}

// ---------------------------------------------------------------------------
// Sets of values and of intervals.

// The values of a list, each once (a double root may be written twice).
std::vector<std::string> uniques(const std::vector<std::string> &valeurs)
{
    std::vector<std::string> r;
    for (const std::string &v : valeurs)
        if (std::none_of(r.begin(), r.end(), [&](const std::string &u) { return ecart(u, v) == Ecart::egales; }))
            r.push_back(v);
    return r;
}

// Each expected value matched by one value of the answer, in any order.
Comparaison compare_valeurs(const std::vector<std::string> &valeurs_attendues, const std::vector<std::string> &valeurs)
{
    const std::vector<std::string> attendues = uniques(valeurs_attendues);
    std::vector<std::string> reponses = uniques(valeurs);
    if (reponses.size() != attendues.size())
        return verdict(Verdict::fausse, "Le nombre de solutions n'est pas le bon.");
    Comparaison total = juste();
    for (const std::string &a : attendues) {
        std::optional<Comparaison> meilleure;
        std::size_t choisie = 0;
        for (std::size_t k = 0; k < reponses.size(); ++k) {
            const Comparaison c = compare_expression_attendue(a, reponses[k]);
            // An approximation tells more than a plain wrong value.
            if (!meilleure || static_cast<int>(c.verdict) < static_cast<int>(meilleure->verdict) ||
                (c.raison == VALEUR_APPROCHEE && meilleure->verdict == Verdict::fausse)) {
                meilleure = c;
                choisie = k;
            }
            if (c.verdict == Verdict::juste)
                break;
        }
        if (!meilleure)
            return verdict(Verdict::fausse, "Le nombre de solutions n'est pas le bon.");
        if (meilleure->verdict == Verdict::fausse && meilleure->raison != VALEUR_APPROCHEE)
            meilleure->raison = "Ce ne sont pas les bonnes solutions.";
        total = pire(total, *meilleure);
        reponses.erase(reponses.begin() + static_cast<std::ptrdiff_t>(choisie));
    }
    return total;
}

// The intervals in increasing order, those that meet or touch joined.
std::vector<Intervalle> en_ordre(std::vector<Intervalle> intervalles)
{
    std::stable_sort(intervalles.begin(), intervalles.end(),
                     [](const Intervalle &a, const Intervalle &b) { return position_reelle(a.bas) < position_reelle(b.bas); });
    std::vector<Intervalle> r;
    for (const Intervalle &i : intervalles) {
        if (!r.empty()) {
            Intervalle &d = r.back();
            const double h = position_reelle(d.haut), b = position_reelle(i.bas);
            if (b < h || (b == h && (!d.haut_ouvert || !i.bas_ouvert))) {
                const double hi = position_reelle(i.haut);
                if (hi > h || (hi == h && !i.haut_ouvert)) {
                    d.haut = i.haut;
                    d.haut_ouvert = i.haut_ouvert;
                }
                continue;
            }
        }
        r.push_back(i);
    }
    return r;
}

Comparaison compare_bornes(const std::string &a, const std::string &r)
{
    if (a == "inf" || a == "-inf" || r == "inf" || r == "-inf")
        return a == r ? juste() : verdict(Verdict::fausse, "");
    return compare_expression_attendue(a, r);
}

Comparaison compare_intervalles(const std::vector<Intervalle> &attendus, const std::vector<Intervalle> &reponses)
{
    const std::vector<Intervalle> a = en_ordre(attendus), r = en_ordre(reponses);
    const Comparaison mauvais = verdict(Verdict::fausse, "Ce n'est pas le bon ensemble de solutions.");
    if (a.size() != r.size())
        return mauvais;
    Comparaison total = juste();
    for (std::size_t k = 0; k < a.size(); ++k) {
        const bool point_a = a[k].bas == a[k].haut, point_r = r[k].bas == r[k].haut;
        if (a[k].bas_ouvert != r[k].bas_ouvert || a[k].haut_ouvert != r[k].haut_ouvert || point_a != point_r)
            return mauvais;
        for (const Comparaison &c : {compare_bornes(a[k].bas, r[k].bas), compare_bornes(a[k].haut, r[k].haut)}) {
            if (c.verdict == Verdict::fausse)
                return c.raison == VALEUR_APPROCHEE ? c : mauvais;
            total = pire(total, c);
        }
    }
    return total;
}

} // namespace

Comparaison compare_expression_attendue(std::string_view attendue, std::string_view reponse)
{
    const std::optional<Somme> fa = forme_complete(attendue), fr = forme_complete(reponse);
    if (fa && fr && (a_un_vecteur(*fa) || a_un_vecteur(*fr))) {
        if (cle_forme(*fa) == cle_forme(*fr))
            return compare_formes(attendue, reponse, fa, fr);
        if (cle_forme(*fa, true) == cle_forme(*fr, true))
            return verdict(Verdict::simplifiable, RAISON_SIMPLIFIABLE);
        return verdict(Verdict::fausse, "Ce n'est pas le bon vecteur.");
    }
    switch (ecart(attendue, reponse)) {
    case Ecart::egales:
        return compare_formes(attendue, reponse, fa, fr);
    case Ecart::approchee:
        return verdict(Verdict::fausse, VALEUR_APPROCHEE);
    case Ecart::domaine:
        return verdict(Verdict::fausse, "Le domaine de définition n'est pas le même.");
    case Ecart::sans_valeur:
        if (fa && fr && cle_forme(*fa) == cle_forme(*fr))
            return compare_formes(attendue, reponse, fa, fr);
        break;
    case Ecart::differentes:
        break;
    }
    return verdict(Verdict::fausse, "Ce n'est pas la bonne valeur.");
}

Comparaison compare_sens(const Sens &attendu, const Sens &reponse)
{
    if (reponse.genre == Sens::Genre::autre && attendu.genre == Sens::Genre::autre)
        return normalise(attendu.expression) == normalise(reponse.expression)
                   ? juste()
                   : verdict(Verdict::fausse, "Ce n'est pas la bonne réponse.");
    if (reponse.genre == Sens::Genre::autre)
        return verdict(Verdict::fausse, attendu.genre == Sens::Genre::expression ? "Ce n'est pas une expression."
                                                                                 : "L'inconnue n'est pas isolée.");
    if (attendu.genre != reponse.genre)
        return verdict(Verdict::fausse, "La réponse n'est pas de la forme attendue.");
    switch (attendu.genre) {
    case Sens::Genre::valeurs:
        if (attendu.tous_les_reels || reponse.tous_les_reels)
            return attendu.tous_les_reels == reponse.tous_les_reels
                       ? juste()
                       : verdict(Verdict::fausse, "Ce ne sont pas les bonnes solutions.");
        return compare_valeurs(attendu.valeurs, reponse.valeurs);
    case Sens::Genre::couple: {
        // No solution (no pair) or infinitely many, against each other or a pair.
        if (attendu.valeurs.empty() || reponse.valeurs.empty())
            return attendu.valeurs.empty() && reponse.valeurs.empty() &&
                           attendu.tous_les_reels == reponse.tous_les_reels
                       ? juste()
                       : verdict(Verdict::fausse, "Le nombre de solutions n'est pas le bon.");
        if (attendu.valeurs.size() != 2 || reponse.valeurs.size() != 2)
            return verdict(Verdict::fausse, "Un couple (x ; y) est attendu.");
        const Comparaison x = compare_expression_attendue(attendu.valeurs[0], reponse.valeurs[0]);
        const Comparaison y = compare_expression_attendue(attendu.valeurs[1], reponse.valeurs[1]);
        const Comparaison c = pire(x, y);
        if (c.verdict == Verdict::fausse && c.raison != VALEUR_APPROCHEE)
            return verdict(Verdict::fausse, "Ce n'est pas le bon couple.");
        return c;
    }
    case Sens::Genre::intervalles:
        return compare_intervalles(attendu.intervalles, reponse.intervalles);
    case Sens::Genre::expression:
        return compare_expression_attendue(attendu.expression, reponse.expression);
    case Sens::Genre::autre:
        break;
    }
    return verdict(Verdict::fausse, "Ce n'est pas la bonne réponse.");
}

Comparaison compare_reponses(std::string_view attendue, std::string_view reponse, NatureEnonce nature)
{
    const LectureReponse r = lis_reponse(reponse, nature);
    if (!r.sens)
        return verdict(Verdict::fausse, r.message);
    const LectureReponse a = lis_reponse(attendue, nature);
    if (!a.sens)
        return verdict(Verdict::fausse, a.message);
    return compare_sens(*a.sens, *r.sens);
}
