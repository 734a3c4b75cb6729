#include "algebra/fractions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "algebra/algebre.h"
#include "algebra/developpement.h"
#include "algebra/enonces.h"
#include "algebra/polynomes.h"
#include "algebra/racines_carrees.h"
#include "formula/forme_normale.h"
#include "formula/lecteur.h"
#include "formula/valeur.h"
#include "formula/normalise.h"

namespace {

// A term is cut into its numerator and denominator as text, which does not
// read a sign right after "*", "/" or "^" ('x/-2'); the normal form writes
// such a text without it.
std::string lisible(const std::string &texte)
{
    for (std::size_t i = 1; i < texte.size(); ++i)
        if ((texte[i] == '-' || texte[i] == '+') && std::string_view("*/^").find(texte[i - 1]) != std::string_view::npos)
            return normalise(texte);
    return texte;
}

// The terms of a sum.
bool lit_somme(const EnonceLu &somme, Morceaux &termes)
{
    if (const std::string texte = lisible(somme.texte); texte != somme.texte)
        return lit_somme(EnonceLu(texte), termes);
    const Membre &m = somme.membres.front();
    return somme.nature == EXPRESSION && m.termes && lit_morceaux(somme, m, termes);
}


struct Fraction {
    std::string numerateur;
    std::string denominateur;
};

// Numerator and denominator of a term: a single quotient as it is written, a
// product with divisions ('-1/2*x', 'a/b/c') as the product of the factors
// multiplied over the product of the factors divided by; any other term over "1".
Fraction en_fraction(const std::string &terme)
{
    Fraction f{terme, ""};
    separe_fraction(f.numerateur, f.denominateur);
    const EnonceLu lu(terme);
    const Membre &m = lu.membres.front();
    Morceaux facteurs;
    if (m.termes || m.parties.size() < 3 || !lit_morceaux(lu, m, facteurs))
        return f;
    std::string haut = "(" + facteurs.textes[0] + ")", bas = "1";
    for (std::size_t i = 1; i < facteurs.textes.size(); ++i)
        (facteurs.operateurs[i - 1] == "/" ? bas : haut) += "*(" + facteurs.textes[i] + ")";
    if (bas != "1")
        f = {normalise(haut), normalise(bas)};
    return f;
}

// The same, the denominator in canonical order so that equal denominators
// give equal texts.
Fraction separe(const std::string &terme)
{
    Fraction f = en_fraction(terme);
    f.denominateur = ordonne_ou_garde(f.denominateur);
    return f;
}

// A formula that reads, and no relation: what may be divided or multiplied.
bool est_expression(const std::string &texte)
{
    const EnonceLu lu(texte);
    return lu.arbre && lu.nature == EXPRESSION;
}

// Coefficients of a polynomial in x of degree at most 3, by degree; a missing
// power has the coefficient "0".
struct Polynome {
    std::array<std::string, 4> coefficients{"0", "0", "0", "0"};
    std::array<bool, 4> present{};
    int degre = -1;
};

// A coefficient holds only numbers, operations, balanced parentheses and
// roots.
bool est_constant(std::string_view c)
{
    int profondeur = 0;
    for (std::size_t i = 0; i < c.size() && profondeur >= 0; ++i) {
        if (c.substr(i, 4) == "sqrt")
            i += 3;
        else if (std::string_view("0123456789./*^()+-").find(c[i]) == std::string_view::npos)
            return false;
        else if (c[i] == '(' || c[i] == ')')
            profondeur += c[i] == '(' ? 1 : -1;
    }
    return !c.empty() && profondeur == 0;
}

// Reads one signed term, coefficient * x^d or a constant, into the polynomial.
bool lit_terme(std::string terme, bool negatif, Polynome &p)
{
    if (!terme.empty() && terme[0] == '-') {
        negatif = !negatif;
        terme.erase(0, 1);
    }
    const std::size_t x = terme.find('x');
    int d = 0;
    std::string coefficient = terme;
    if (x != std::string::npos) {
        const std::string puissance = terme.substr(x);
        if (puissance == "x")
            d = 1;
        else if (puissance.size() == 3 && puissance[1] == '^' && puissance[2] >= '1' && puissance[2] <= '3')
            d = puissance[2] - '0';
        else
            return false;
        if (x == 0)
            coefficient = "1";
        else if (terme[x - 1] == '*')
            coefficient = terme.substr(0, x - 1);
        else
            return false;
    }
    if (!est_constant(coefficient) || p.present[d])
        return false;
    p.present[d] = true;
    p.coefficients[d] = negatif ? "(-" + coefficient + ")" : coefficient;
    if (d > p.degre)
        p.degre = d;
    return true;
}

// A sum of terms in x of degree at most 3, each power at most once, once
// its like terms are collected. The degree of each term, not its place, tells
// which coefficient it gives.
bool lit_polynome(const std::string &texte, Polynome &p)
{
    Morceaux termes;
    if (!lit_somme(EnonceLu(normalise(texte)), termes))
        return false;
    for (std::size_t i = 0; i < termes.textes.size(); ++i)
        if (!lit_terme(termes.textes[i], i > 0 && termes.operateurs[i - 1] == "-", p))
            return false;
    return true;
}

// The remainder test: exactly "0" for numbers, zero within the rounding of
// its roots otherwise, at two values of x.
bool est_nul(const std::string &difference)
{
    const std::string d = normalise(difference);
    if (d.find_first_not_of("0123456789./-") == std::string::npos)
        return d == "0";
    const std::optional<Arbre> arbre = lis_formule(d);
    return arbre && vaut_zero(valeur_ordinaire(*arbre, 0)) && vaut_zero(valeur_ordinaire(*arbre, 1.07));
}

std::string oppose(const std::string &signe) { return signe == "+" ? "-" : "+"; }

// The opposite of a quotient: its sign turned when it is a single term, the
// whole in parentheses otherwise.
std::string negation(const std::string &q)
{
    if (EnonceLu(q).membres.front().termes)
        return "-(" + q + ")";
    return q.starts_with('-') ? q.substr(1) : "-" + q;
}

// A text that still divides by a letter or a bracket: a division that was
// not exact.
bool divise_par_une_lettre(const std::string &texte)
{
    const std::optional<Arbre> arbre = lis_formule(texte);
    const std::optional<Somme> forme =
        arbre && arbre->racine >= 0 ? forme_algebrique(*arbre, arbre->racine, Reduction::complete) : std::nullopt;
    if (!forme)
        return true;
    for (const Terme &t : forme->termes)
        for (const Facteur &f : t.facteurs)
            if (f.exposant.signe() < 0 && f.base.genre != Base::Genre::nombre &&
                !(f.base.genre == Base::Genre::fonction && f.base.arguments.front().est_nombre()))
                return true;
    return false;
}

// The factor times the quotient as a teacher writes it: a number quotient
// first ('11*(x+1)'), else the factor then the quotient, each in
// parentheses only when it is more than a letter, a power or a bracket.
std::string produit_ecrit(const std::string &facteur, const std::string &quotient)
{
    const auto genre = [](const std::string &t) {
        const std::optional<Arbre> arbre = lis_formule(t);
        return arbre && arbre->racine >= 0 ? (*arbre)[arbre->racine].genre : Genre::nombre;
    };
    const std::string f = normalise(facteur);
    if (valeur_constante(quotient) && !valeur_constante(f))
        return normalise_brut("(" + quotient + ")*(" + f + ")");
    const Genre q = genre(quotient);
    const bool seul = q == Genre::lettre || q == Genre::puissance || q == Genre::groupe || q == Genre::fonction;
    return (genre(f) == Genre::somme ? "(" + f + ")" : f) + "*" + (seul ? quotient : "(" + quotient + ")");
}

// The quotient a/b as the text of a polynomial when both are polynomials in
// x and b divides a exactly.
std::optional<std::string> quotient_polynomial(const std::string &a, const std::string &b)
{
    const std::optional<PolynomeExact> pa = polynome_exact(a), pb = polynome_exact(b);
    const std::optional<PolynomeExact> q = pa && pb ? quotient_exact(*pa, *pb) : std::nullopt;
    if (!q)
        return std::nullopt;
    return ecrit_polynome(*q);
}

// A numerator or a denominator written in a quotient, in parentheses only
// where the reading needs them: a sum or a signed text, and a product below
// the bar.
std::string dans_quotient(const std::string &texte, bool denominateur)
{
    const std::optional<Arbre> arbre = lis_formule(texte);
    if (!arbre || arbre->racine < 0)
        return "(" + texte + ")";
    const Genre g = (*arbre)[arbre->racine].genre;
    const bool seul = g == Genre::nombre || g == Genre::lettre || g == Genre::groupe || g == Genre::fonction ||
                      g == Genre::puissance || (g == Genre::produit && !denominateur);
    return seul ? texte : "(" + texte + ")";
}

std::string quotient_ecrit(const std::string &numerateur, const std::string &denominateur)
{
    return dans_quotient(numerateur, false) + "/" + dans_quotient(denominateur, true);
}

// The least common multiple of the denominators: of the whole numbers when
// all are, of their factors over the rationals when all are polynomials in
// x (each factor at its highest multiplicity, the numbers by their least
// common multiple); none otherwise.
std::optional<std::string> plus_petit_multiple(const std::vector<Fraction> &fractions)
{
    mpz_class nombre = 1;
    std::vector<std::pair<PolynomeExact, int>> facteurs;
    for (const Fraction &f : fractions) {
        const std::optional<PolynomeExact> p = polynome_exact(f.denominateur);
        if (!p || p->empty())
            return std::nullopt;
        const Factorisee d = decompose(*p);
        if (d.nombre.get_den() != 1)
            return std::nullopt;
        nombre = lcm(nombre, d.nombre.get_num());
        for (const auto &[facteur, multiplicite] : d.facteurs) {
            const auto deja = std::find_if(facteurs.begin(), facteurs.end(),
                                           [&](const auto &g) { return g.first == facteur; });
            if (deja == facteurs.end())
                facteurs.push_back({facteur, multiplicite});
            else
                deja->second = std::max(deja->second, multiplicite);
        }
    }
    std::string texte = nombre.get_str();
    for (const auto &[facteur, multiplicite] : facteurs)
        texte += "*(" + ecrit_polynome(facteur) + ")" + (multiplicite > 1 ? "^" + std::to_string(multiplicite) : "");
    return normalise_brut(texte);
}

} // namespace

// The exact quotient of a polynomial of degree degre_minimum to 3 by a linear
// binomial; empty when there is none.
std::string quotient_par_binome(const std::string &polynome, const std::string &facteur, int degre_minimum);

namespace {

// f times the exact quotient of a polynomial of degree 2 or 3 by the linear
// binomial f; empty when there is none.
std::string par_binome(const std::string &polynome, const std::string &facteur)
{
    const std::string quotient = quotient_par_binome(polynome, facteur, 2);
    return quotient.empty() ? "" : normalise("(" + facteur + ")*(" + quotient + ")");
}

} // namespace

namespace {

// A quotient that still divides by a text holding x.
bool divise_par_x(const std::string &quotient)
{
    if (EnonceLu(quotient).membres.front().termes)
        return quotient.find('/') != std::string::npos;
    return en_fraction(quotient).denominateur.find('x') != std::string::npos;
}

// a divided by b when the quotient is a polynomial (developed when b is a
// number, by the exact division of polynomials, or by a linear binomial with
// roots in its coefficients); false when the division is not exact.
bool divise_exactement(const std::string &a, const std::string &b, std::string &quotient)
{
    if (const auto q = quotient_polynomial(a, b)) {
        quotient = *q;
        return true;
    }
    quotient = normalise("(" + a + ")/(" + b + ")");
    if (b.find('x') == std::string::npos) {
        if (const Issue developpee = developpe(EnonceLu(quotient), OptionsCalcul{}))
            quotient = normalise(developpee->texte);
        return true;
    }
    if (polynome_exact(a) && polynome_exact(b))
        return false;
    if (!divise_par_x(quotient))
        return true;
    quotient = quotient_par_binome(a, b, 1);
    return !quotient.empty();
}

// What the common denominator is a denominator times; none when the
// denominator does not go into it exactly, or a number not a whole number
// of times. The common denominator is read as a polynomial once for all
// the terms.
std::optional<std::string> multiplicateur(const std::string &commun, const std::optional<PolynomeExact> &commun_exact,
                                          const std::string &denominateur)
{
    std::string m;
    std::optional<PolynomeExact> pm;
    if (const std::optional<PolynomeExact> d = commun_exact ? polynome_exact(denominateur) : std::nullopt) {
        pm = quotient_exact(*commun_exact, *d);
        if (!pm)
            return std::nullopt;
        m = ecrit_polynome(*pm);
    } else {
        if (!divise_exactement(commun, denominateur, m))
            return std::nullopt;
        pm = polynome_exact(m);
    }
    if (divise_par_x(m) || (pm && pm->size() == 1 && pm->front().get_den() != 1))
        return std::nullopt;
    return m;
}

} // namespace

Issue additionne_numerateurs(const EnonceLu &somme)
{
    Morceaux termes;
    if (!lit_somme(somme, termes))
        return refuse();
    Morceaux numerateurs = termes;
    std::string denominateur;
    for (std::size_t i = 0; i < termes.textes.size(); ++i) {
        const Fraction f = separe(termes.textes[i]);
        if (i > 0 && f.denominateur != denominateur)
            return refuse();
        denominateur = f.denominateur;
        numerateurs.textes[i] = f.numerateur;
    }
    return transforme(quotient_ecrit(normalise(joint(numerateurs)), denominateur));
}

Issue reduit_au_denominateur(const EnonceLu &somme, const std::string &commun)
{
    Morceaux termes;
    if (!lit_somme(somme, termes))
        return refuse();
    std::vector<Fraction> fractions;
    std::string produit = "1";
    for (const std::string &terme : termes.textes) {
        fractions.push_back(separe(terme));
        produit += "*(" + fractions.back().denominateur + ")";
    }
    const std::optional<std::string> multiple = commun.empty() ? plus_petit_multiple(fractions) : std::nullopt;
    const std::string denominateur = multiple ? *multiple : normalise(commun.empty() ? produit : commun);
    if (denominateur == "0" || (!commun.empty() && est_zero(commun)))
        return refuse(commun.empty() ? "" : "Un dénominateur ne peut pas être nul.");
    // Every term is written over the common denominator itself, so that the
    // terms end with the very same denominator text and their numerators can
    // be added next; a denominator that does not divide it refuses.
    const std::optional<PolynomeExact> exact = polynome_exact(denominateur);
    for (std::size_t i = 0; i < fractions.size(); ++i) {
        const Fraction &f = fractions[i];
        const std::optional<std::string> m = multiplicateur(denominateur, exact, f.denominateur);
        if (!m)
            return refuse(commun.empty() ? "" : "Chaque dénominateur doit diviser " + forme_lisible(commun) + ".");
        termes.textes[i] = quotient_ecrit(normalise_brut("(" + f.numerateur + ")*(" + *m + ")"), denominateur);
    }
    return transforme(joint(termes, "", ""));
}

namespace {

// The fraction with top and bottom multiplied by k; empty when a division
// is not exact or nothing would change.
std::string produit_haut_et_bas(const EnonceLu &fraction, const std::string &k)
{
    if (!fraction.arbre || fraction.nature != EXPRESSION || !est_expression(k))
        return "";
    // Top and bottom are multiplied by the numerator of k, then divided by its
    // denominator, which must divide both exactly. The result is one fraction.
    const Fraction f = en_fraction(lisible(fraction.saisi)), m = en_fraction(lisible(k));
    // A factor of zero, or one divided by zero, has no meaning here.
    if (normalise(m.numerateur) == "0" || normalise(m.denominateur) == "0")
        return "";
    std::string numerateur = normalise("(" + f.numerateur + ")*(" + m.numerateur + ")");
    std::string denominateur = normalise("(" + f.denominateur + ")*(" + m.numerateur + ")");
    std::string n, d;
    if (!divise_exactement(numerateur, m.denominateur, n) || !divise_exactement(denominateur, m.denominateur, d))
        return "";
    if (d == "0")
        return "";
    const std::string resultat = d == "1" ? n : quotient_ecrit(n, d);
    // A step that writes the same fraction again is no step.
    return resultat == sans_blancs(fraction.saisi) ? "" : resultat;
}

Issue issue_ou_refus(std::string texte, const std::string &refus)
{
    return texte.empty() ? refuse(refus) : transforme(std::move(texte));
}

// f times the quotient of the expression by f; empty when f does not divide it.
std::string produit_par(const std::string &expression, const std::string &facteur)
{
    if (!est_expression(expression) || !est_expression(facteur))
        return "";
    if (const auto p = polynome_exact(expression), f = polynome_exact(facteur); p && f) {
        const std::optional<PolynomeExact> q = quotient_exact(*p, *f);
        return q ? produit_ecrit(facteur, ecrit_polynome(*q)) : "";
    }
    std::string quotient = par_binome(expression, facteur);
    if (!quotient.empty())
        return quotient;
    // A single-term factor is taken without its sign, the signs of the
    // quotient being turned instead.
    std::string diviseur = sans_blancs(facteur);
    std::string texte = expression;
    bool negatif = false;
    if (!EnonceLu(diviseur).membres.front().termes) {
        texte = normalise(texte);
        negatif = diviseur[0] == '-';
        if (negatif)
            diviseur.erase(0, 1);
    }
    const EnonceLu lu(texte);
    Morceaux termes;
    if (!lit_morceaux(lu, lu.membres.front(), termes))
        return "";
    if (lu.membres.front().termes) {
        for (std::size_t i = 0; i < termes.textes.size(); ++i) {
            const std::string q = normalise(termes.textes[i] + "/(" + diviseur + ")");
            std::string signe = i == 0 ? "+" : termes.operateurs[i - 1];
            if (negatif)
                signe = oppose(signe);
            if (i > 0)
                quotient += signe + "(" + q + ")";
            else
                quotient = signe == "+" ? q : negation(q);
        }
    } else {
        quotient = normalise("(" + (negatif ? negation(texte) : texte) + ")/(" + diviseur + ")");
    }
    if (divise_par_une_lettre(quotient))
        return "";
    return produit_ecrit(facteur, normalise_brut(quotient));
}

} // namespace

Issue multiplie_haut_et_bas(const EnonceLu &fraction, const std::string &k)
{
    if (est_zero(k))
        return refuse("Multiplier par 0 n'est pas permis : tout deviendrait nul.");
    return issue_ou_refus(produit_haut_et_bas(fraction, k),
                          "Multiplier haut et bas par " + forme_lisible(k) + " ne donne pas une autre fraction.");
}

Issue divise_haut_et_bas(const EnonceLu &fraction, const std::string &d)
{
    if (est_zero(d))
        return refuse("On ne peut pas diviser par 0.");
    return issue_ou_refus(produit_haut_et_bas(fraction, "1/(" + d + ")"),
                          forme_lisible(d) + " ne divise pas exactement le numérateur et le dénominateur.");
}

Issue factorise_par(const EnonceLu &expression, const std::string &facteur)
{
    if (est_zero(facteur))
        return refuse("On ne peut pas factoriser par 0.");
    const std::string f = forme_lisible(facteur);
    return issue_ou_refus(produit_par(expression.saisi, facteur),
                          f + " ne divise pas l'expression : on ne peut pas factoriser par " + f + ".");
}

bool simplifie_quotient(std::string &texte)
{
    const Fraction f = en_fraction(lisible(texte));
    const std::optional<PolynomeExact> n = polynome_exact(f.numerateur), d = polynome_exact(f.denominateur);
    if (f.denominateur.empty() || !n || !d || d->empty() || (d->size() == 1 && d->front() == 1))
        return false;
    // Divided by a number, a quotient is simpler only with whole coefficients:
    // '(3x+6)/3' is 'x+2', 'x/3' stays.
    const std::optional<PolynomeExact> q = quotient_exact(*n, *d);
    if (q && (d->size() > 1 || std::all_of(q->begin(), q->end(), [](const mpq_class &c) { return c.get_den() == 1; }))) {
        texte = ecrit_polynome(*q);
        return true;
    }
    // The whole numbers that divide every coefficient above and below.
    mpz_class commun = 0;
    for (const PolynomeExact *p : {&*n, &*d})
        for (const mpq_class &c : *p) {
            if (c.get_den() != 1)
                return false;
            commun = gcd(commun, c.get_num());
        }
    if (commun <= 1)
        return false;
    const auto divise = [&](PolynomeExact p) {
        for (mpq_class &c : p)
            c /= commun;
        return ecrit_polynome(p);
    };
    texte = quotient_ecrit(divise(*n), divise(*d));
    return true;
}

std::string quotient_par_binome(const std::string &polynome, const std::string &facteur, int degre_minimum)
{
    Polynome p, f;
    if (!lit_polynome(facteur, f) || f.degre != 1 || !f.present[0] || !lit_polynome(polynome, p) ||
        p.degre < degre_minimum)
        return "";
    if (p.degre == 1) {
        const std::string &a = p.coefficients[1], &b = p.coefficients[0];
        const std::string &alpha = f.coefficients[1], &beta = f.coefficients[0];
        return est_nul("(" + a + ")*(" + beta + ")-(" + b + ")*(" + alpha + ")") ? normalise("(" + a + ")/(" + alpha + ")")
                                                                             : "";
    }
    // A quadratic is divided as the cubic x times itself.
    const auto &c = p.coefficients;
    const std::array<std::string, 4> a =
        p.degre == 3 ? c : std::array<std::string, 4>{"0", c[0], c[1], c[2]};
    const std::string &alpha = f.coefficients[1];
    const std::string &beta = f.coefficients[0];
    const std::string q2 = "(" + a[3] + ")/(" + alpha + ")";
    const std::string q1 =
        "((" + a[2] + ")/(" + alpha + ")-((" + beta + ")*(" + a[3] + "))/((" + alpha + ")^2))";
    const std::string r1 = "(" + a[0] + ")/(" + beta + ")";
    const std::string r2 =
        "((" + a[1] + ")/(" + beta + ")-((" + alpha + ")*(" + a[0] + "))/((" + beta + ")^2))";
    if (!est_nul("(" + q1 + ")-(" + r2 + ")"))
        return "";
    std::string quotient = p.degre == 3 ? q2 + "*x^2+" + q1 + "*x+" + r1 : q2 + "*x+" + q1;
    quotient = normalise(quotient);
    if (quotient.find("sqrt") != std::string::npos)
        quotient = normalise(fusionne_racines(normalise(simplifie_racines(quotient))));
    return quotient;
}

Issue divise_par_binome(const EnonceLu &polynome, const std::string &facteur)
{
    return issue_ou_refus(par_binome(polynome.saisi, facteur), "");
}
