#include "formula/sens.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "formula/calcul.h"
#include "formula/forme_normale.h"
#include "formula/lecteur.h"
#include "formula/normalise.h"
#include "formula/valeur.h"

namespace {

// ---------------------------------------------------------------------------
// The writing key: the tree as written, blind to what does not change a
// writing for a teacher (blanks, implicit products, the order of terms and
// of factors, parentheses, where a sign stands), but nothing computed.

struct Cle {
    bool negatif = false;
    std::string texte;
};

Cle cle_ecriture(const Arbre &arbre, int i);

std::string signee(const Cle &c) { return (c.negatif ? "-" : "") + c.texte; }

std::string joint(std::vector<std::string> morceaux, std::string_view separateur)
{
    std::sort(morceaux.begin(), morceaux.end());
    std::string r;
    for (std::size_t k = 0; k < morceaux.size(); ++k)
        r += (k > 0 ? std::string(separateur) : "") + morceaux[k];
    return r;
}

// A sum as a set of signed terms, and the same negated; a sum standing as a
// factor is written with its sign taken out, in the one way of the two.
Cle somme_en_facteur(std::vector<std::string> termes)
{
    std::vector<std::string> opposes = termes;
    for (std::string &t : opposes)
        t[0] = t[0] == '+' ? '-' : '+';
    const std::string a = "S[" + joint(termes, "") + "]", b = "S[" + joint(opposes, "") + "]";
    return a <= b ? Cle{false, a} : Cle{true, b};
}

std::vector<std::string> termes_ecrits(const Arbre &arbre, const Noeud &n)
{
    std::vector<std::string> termes;
    for (int k = 0; k < n.nombre_enfants; ++k) {
        Cle c = cle_ecriture(arbre, arbre.enfant(n, k));
        if (arbre.operateur(n, k) == '-')
            c.negatif = !c.negatif;
        termes.push_back((c.negatif ? "-" : "+") + c.texte);
    }
    return termes;
}

int sans_groupe(const Arbre &arbre, int i)
{
    while (arbre[i].genre == Genre::groupe)
        i = arbre.enfant(arbre[i], 0);
    return i;
}

// The factors of a product, its inner products and signs opened.
void facteurs_ecrits(const Arbre &arbre, int i, bool inverse, std::vector<std::string> &numerateur,
                     std::vector<std::string> &denominateur, bool &negatif)
{
    i = sans_groupe(arbre, i);
    const Noeud &n = arbre[i];
    if (n.genre == Genre::produit) {
        for (int k = 0; k < n.nombre_enfants; ++k)
            facteurs_ecrits(arbre, arbre.enfant(n, k), inverse != (arbre.operateur(n, k) == '/'), numerateur,
                            denominateur, negatif);
        return;
    }
    if (n.genre == Genre::signe) {
        negatif = negatif != (arbre.mot(n) == "-");
        facteurs_ecrits(arbre, arbre.enfant(n, 0), inverse, numerateur, denominateur, negatif);
        return;
    }
    const Cle c = n.genre == Genre::somme ? somme_en_facteur(termes_ecrits(arbre, n)) : cle_ecriture(arbre, i);
    negatif = negatif != c.negatif;
    if (c.texte == "1")
        return;
    (inverse ? denominateur : numerateur).push_back(c.texte);
}

bool exposant_pair(const Arbre &arbre, int i)
{
    const Noeud &n = arbre[sans_groupe(arbre, i)];
    if (n.genre != Genre::nombre)
        return false;
    const auto v = Rationnel::depuis_decimal(arbre.mot(n));
    return v && v->est_entier() && v->moitie_entiere() + v->moitie_entiere() == *v;
}

Cle cle_ecriture(const Arbre &arbre, int i)
{
    const Noeud &n = arbre[i];
    switch (n.genre) {
    case Genre::nombre: {
        const auto v = Rationnel::depuis_decimal(arbre.mot(n));
        return {false, v ? v->en_texte() : std::string(arbre.mot(n))};
    }
    case Genre::groupe:
        return cle_ecriture(arbre, arbre.enfant(n, 0));
    case Genre::signe: {
        Cle c = cle_ecriture(arbre, arbre.enfant(n, 0));
        c.negatif = c.negatif != (arbre.mot(n) == "-");
        return c;
    }
    case Genre::fonction:
        return {false, std::string(arbre.mot(n)) + "(" + signee(cle_ecriture(arbre, arbre.enfant(n, 0))) + ")"};
    case Genre::somme:
        return {false, "S[" + joint(termes_ecrits(arbre, n), "") + "]"};
    case Genre::puissance: {
        const int b = sans_groupe(arbre, arbre.enfant(n, 0));
        Cle base = arbre[b].genre == Genre::somme ? somme_en_facteur(termes_ecrits(arbre, arbre[b]))
                                                    : cle_ecriture(arbre, b);
        const Cle exposant = cle_ecriture(arbre, arbre.enfant(n, 1));
        const bool pair = exposant_pair(arbre, arbre.enfant(n, 1));
        const bool impair = !pair && arbre[sans_groupe(arbre, arbre.enfant(n, 1))].genre == Genre::nombre;
        const bool sort = base.negatif && (pair || impair);
        return {sort && impair, "W[" + (sort ? base.texte : signee(base)) + "^" + signee(exposant) + "]"};
    }
    case Genre::produit: {
        std::vector<std::string> numerateur, denominateur;
        bool negatif = false;
        facteurs_ecrits(arbre, i, false, numerateur, denominateur, negatif);
        if (denominateur.empty() && numerateur.size() == 1)
            return {negatif, numerateur[0]};
        return {negatif, "P[" + joint(numerateur, "*") + "/" + joint(denominateur, "*") + "]"};
    }
    default: {
        std::string r = std::string(1, static_cast<char>('A' + static_cast<int>(n.genre))) + std::string(arbre.mot(n));
        for (int k = 0; k < n.nombre_enfants; ++k)
            r += "," + signee(cle_ecriture(arbre, arbre.enfant(n, k)));
        return {false, r};
    }
    }
}

std::optional<std::string> cle_ecrite(std::string_view texte)
{
    const std::optional<Arbre> arbre = lis_formule(texte);
    if (!arbre)
        return std::nullopt;
    return signee(cle_ecriture(*arbre, arbre->racine));
}

// ---------------------------------------------------------------------------
// The shape key: the algebraic form (like terms collected, numbers computed,
// equal bases merged, never distributed), with terms and factors sorted and
// each parenthesised sum written with its sign taken out.

// With `sens_unique`, a vector and its opposite reversed are one ("-CA" is "AC").
std::string cle_somme(const Somme &s, bool sens_unique = false);

std::string cle_base(const Base &b, bool &negatif, bool sens_unique)
{
    switch (b.genre) {
    case Base::Genre::nombre:
        return "#" + b.valeur.en_texte();
    case Base::Genre::lettre:
        return "L" + b.nom;
    case Base::Genre::vecteur:
        negatif = sens_unique && b.nom.size() == 2 && b.nom[1] < b.nom[0];
        return "V" + (negatif ? std::string{b.nom[1], b.nom[0]} : b.nom);
    case Base::Genre::fonction:
        return b.nom + "(" + cle_somme(b.arguments[0], sens_unique) + ")";
    case Base::Genre::groupe: {
        const std::string a = cle_somme(b.arguments[0], sens_unique),
                          o = cle_somme(oppose(b.arguments[0]), sens_unique);
        negatif = o < a;
        return negatif ? o : a;
    }
    case Base::Genre::puissance:
        return "W[" + cle_somme(b.arguments[0], sens_unique) + "^" + cle_somme(b.arguments[1], sens_unique) + "]";
    }
    return {};
}

bool entier_impair(const Rationnel &r) { return r.est_entier() && !(r.moitie_entiere() + r.moitie_entiere() == r); }

std::string cle_somme(const Somme &s, bool sens_unique)
{
    std::vector<std::string> termes;
    for (const Terme &t : s.termes) {
        // The zero vector adds nothing.
        if (t.facteurs.size() == 1 && t.facteurs[0].base.genre == Base::Genre::vecteur && t.facteurs[0].base.nom == "o")
            continue;
        Rationnel coefficient = t.coefficient;
        std::vector<std::pair<std::string, Rationnel>> facteurs;
        for (const Facteur &f : t.facteurs) {
            bool negatif = false;
            std::string cle = cle_base(f.base, negatif, sens_unique);
            if (negatif && entier_impair(f.exposant))
                coefficient = -coefficient;
            auto meme = std::find_if(facteurs.begin(), facteurs.end(), [&](const auto &g) { return g.first == cle; });
            if (meme == facteurs.end())
                facteurs.emplace_back(std::move(cle), f.exposant);
            else
                meme->second += f.exposant;
        }
        std::vector<std::string> ecrits;
        for (const auto &[cle, exposant] : facteurs)
            if (!exposant.est_nul())
                ecrits.push_back(cle + "^" + exposant.en_texte());
        termes.push_back((coefficient.signe() < 0 ? "-" : "+") + coefficient.valeur_absolue().en_texte() + "*" +
                         joint(ecrits, "*"));
    }
    return "S[" + joint(termes, "") + "]";
}

std::optional<Somme> forme(std::string_view texte)
{
    const std::optional<Arbre> arbre = lis_formule(texte);
    if (!arbre)
        return std::nullopt;
    return forme_algebrique(*arbre, arbre->racine, Reduction::complete);
}

// A product holding a sum: the factored shape.
bool est_factorisee(const Somme &s)
{
    if (s.termes.size() != 1)
        return false;
    const auto &facteurs = s.termes[0].facteurs;
    return std::any_of(facteurs.begin(), facteurs.end(), [](const Facteur &f) {
        return f.base.genre == Base::Genre::groupe && f.base.arguments[0].termes.size() > 1;
    });
}

// A whole number with a square factor other than 1 (12 = 4·3), for small numbers.
bool a_un_carre(const Rationnel &n)
{
    const double v = n.en_double();
    if (!n.est_entier() || v < 4 || v > 1e9)
        return false;
    const auto entier = static_cast<long long>(v);
    for (long long k = 2; k * k <= entier; ++k)
        if (entier % (k * k) == 0)
            return true;
    return false;
}

// The square roots of numbers from which a square can still be taken out.
int racines_a_simplifier(const Somme &s)
{
    int n = 0;
    for (const Terme &t : s.termes)
        for (const Facteur &f : t.facteurs) {
            const Base &b = f.base;
            if (b.genre == Base::Genre::fonction && b.nom == "sqrt" && b.arguments[0].est_nombre())
                n += a_un_carre(b.arguments[0].nombre()) || !b.arguments[0].nombre().est_entier() ? 1 : 0;
            for (const Somme &a : b.arguments)
                n += racines_a_simplifier(a);
        }
    return n;
}

bool a_un_vecteur(const Somme &s)
{
    return std::any_of(s.termes.begin(), s.termes.end(), [](const Terme &t) {
        return std::any_of(t.facteurs.begin(), t.facteurs.end(),
                           [](const Facteur &f) { return f.base.genre == Base::Genre::vecteur; });
    });
}

// ---------------------------------------------------------------------------
// Values at sample points: letters other than x take fixed values.

constexpr std::array<double, 10> POINTS = {-2.7, -1, -0.4, 0, 0.6, 1, 1.7, 2, 3, 5.3};

enum class Ecart { egales, approchee, domaine, differentes, sans_valeur };

Ecart ecart(std::string_view attendue, std::string_view reponse)
{
    bool egales = true, approchee = true, domaine = true, une_valeur = false;
    for (double x : POINTS) {
        const Valeur a = valeur_ordinaire(attendue, x), r = valeur_ordinaire(reponse, x);
        if (a.lecture == Definition::illisible || r.lecture == Definition::illisible)
            return Ecart::sans_valeur;
        if (a.lecture != r.lecture) {
            domaine = false;
            continue;
        }
        if (a.lecture != Definition::definie)
            continue;
        une_valeur = true;
        const double d = std::fabs(a.nombre - r.nombre), echelle = std::max({1.0, std::fabs(a.nombre), std::fabs(r.nombre)});
        egales = egales && d <= 1e-9 * echelle;
        approchee = approchee && d <= 0.05 * echelle;
    }
    if (!une_valeur && !domaine)
        return Ecart::differentes;
    if (!egales)
        return approchee && reponse.find('.') != std::string_view::npos ? Ecart::approchee : Ecart::differentes;
    return domaine ? Ecart::egales : Ecart::domaine;
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
    if (cle_somme(*fa) == cle_somme(*fr))
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


bool meme_nombre(double a, double b) { return a == b || std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)}); }

// The values of a list, each once (a double root may be written twice).
std::vector<std::string> uniques(const std::vector<std::string> &valeurs)
{
    std::vector<std::string> r;
    for (const std::string &v : valeurs)
        if (std::none_of(r.begin(), r.end(), [&](const std::string &u) { return meme_nombre(position(u), position(v)); }))
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
            const Comparaison c = compare_expressions(a, reponses[k]);
            if (!meilleure || static_cast<int>(c.verdict) < static_cast<int>(meilleure->verdict) ||
                (c.verdict == Verdict::fausse && c.raison == VALEUR_APPROCHEE)) {
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
                     [](const Intervalle &a, const Intervalle &b) { return position(a.bas) < position(b.bas); });
    std::vector<Intervalle> r;
    for (const Intervalle &i : intervalles) {
        if (!r.empty()) {
            Intervalle &d = r.back();
            const double h = position(d.haut), b = position(i.bas);
            if (b < h || (b == h && (!d.haut_ouvert || !i.bas_ouvert))) {
                const double hi = position(i.haut);
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
    return compare_expressions(a, r);
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

Comparaison compare_expressions(std::string_view attendue, std::string_view reponse)
{
    const std::optional<Somme> fa = forme(attendue), fr = forme(reponse);
    if (fa && fr && (a_un_vecteur(*fa) || a_un_vecteur(*fr))) {
        if (cle_somme(*fa) == cle_somme(*fr))
            return compare_formes(attendue, reponse, fa, fr);
        if (cle_somme(*fa, true) == cle_somme(*fr, true))
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
        if (fa && fr && cle_somme(*fa) == cle_somme(*fr))
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
        if (attendu.valeurs.size() != 2 || reponse.valeurs.size() != 2)
            return verdict(Verdict::fausse, "Un couple (x ; y) est attendu.");
        const Comparaison x = compare_expressions(attendu.valeurs[0], reponse.valeurs[0]);
        const Comparaison y = compare_expressions(attendu.valeurs[1], reponse.valeurs[1]);
        const Comparaison c = pire(x, y);
        if (c.verdict == Verdict::fausse && c.raison != VALEUR_APPROCHEE)
            return verdict(Verdict::fausse, "Ce n'est pas le bon couple.");
        return c;
    }
    case Sens::Genre::intervalles:
        return compare_intervalles(attendu.intervalles, reponse.intervalles);
    case Sens::Genre::expression:
        return compare_expressions(attendu.expression, reponse.expression);
    case Sens::Genre::autre:
        break;
    }
    return verdict(Verdict::fausse, "Ce n'est pas la bonne réponse.");
}

Comparaison compare_reponses(std::string_view attendue, std::string_view reponse, NatureEnonce nature)
{
    const Lecture r = lis_reponse(reponse, nature);
    if (!r.sens)
        return verdict(Verdict::fausse, r.message);
    const Lecture a = lis_reponse(attendue, nature);
    if (!a.sens)
        return verdict(Verdict::fausse, a.message);
    return compare_sens(*a.sens, *r.sens);
}
