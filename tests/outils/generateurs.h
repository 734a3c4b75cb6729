#pragma once

// Statements written as pupils write them, drawn from a seed so that a run
// can be repeated: implicit products ('3(x-2)', '(x+1)(x-3)'), negated
// factors ('-(x-1)'), repeated roots ('(x-1)^2'), small decimals ('0.5x'),
// teacher letters, fractions, square roots, equations, inequations, systems
// and sums of vectors. Each generator gives the text and, where it is known,
// the set of its real roots.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace outils {

struct Texte {
    std::string texte;
    // The real roots of the member (or of the statement's left member minus
    // its right one), each once, in increasing order; meaningful only when
    // racines_connues.
    std::vector<double> racines;
    bool racines_connues = false;
};

// A number as a pupil writes it: no trailing zeros, no exponent.
inline std::string ecrit_nombre(double v)
{
    char tampon[40];
    std::snprintf(tampon, sizeof tampon, "%.6f", v);
    std::string t = tampon;
    while (t.back() == '0')
        t.pop_back();
    if (t.back() == '.')
        t.pop_back();
    return t == "-0" ? "0" : t;
}

class Generateurs {
public:
    explicit Generateurs(unsigned graine) : hasard_(graine) {}

    int entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(hasard_); }
    bool pile(int pour_cent) { return entre(1, 100) <= pour_cent; }
    template <class T> const T &parmi(const std::vector<T> &choix)
    {
        return choix[static_cast<std::size_t>(entre(0, static_cast<int>(choix.size()) - 1))];
    }

    // A reduced polynomial of degree 1 to 3 in any order of its terms, with
    // small decimals now and then: '3x^2-5x+2', '0.5x+1.25', '4-x^2'.
    Texte polynome()
    {
        const int degre = entre(1, 3);
        std::vector<std::string> termes;
        for (int d = degre; d >= 0; --d) {
            const double c = d == degre ? coefficient_non_nul() : (pile(25) ? 0 : coefficient());
            if (c != 0)
                termes.push_back(monome(c, d));
        }
        if (pile(30))
            std::shuffle(termes.begin(), termes.end(), hasard_);
        return {joint_termes(termes), {}, false};
    }

    // A product a pupil factors or develops: a numeric or letter factor in
    // front, negated factors, repeated factors, implicit products or "*".
    Texte produit()
    {
        std::vector<double> racines;
        std::string t = prefixe(racines);
        const int n = t.empty() || t == "-" ? entre(1, 3) : entre(1, 2);
        const bool etoile = pile(25);
        for (int k = 0; k < n; ++k) {
            if (etoile && !(k == 0 && (t.empty() || t == "-")))
                t += "*";
            t += "(" + facteur_lineaire(racines) + ")";
            if (pile(20))
                t += "^" + std::to_string(entre(2, 3));
        }
        return {t, trie(racines), true};
    }

    // An expression to develop or to order, as a sum of products:
    // '2(x+1)-3(x-2)', '(x+1)^2-4', 'x(x-3)+2x'.
    Texte somme_de_produits()
    {
        std::string t = produit().texte;
        const int n = entre(0, 2);
        for (int k = 0; k < n; ++k) {
            const std::string suite = pile(50) ? produit().texte : polynome().texte;
            t += (suite[0] == '-' ? "" : pile(50) ? "+" : "-") + suite;
        }
        return {t, {}, false};
    }

    // Expressions to factor: a common factor with numbers ('6x+12',
    // '4x^2+12x'), a difference of squares, a perfect square, a shared
    // bracket ('(x+1)(x-2)+3(x+1)'), a first-degree binomial.
    Texte a_factoriser()
    {
        const int a = entre(1, 5), b = entre(1, 9), k = entre(2, 6);
        switch (entre(0, 5)) {
        case 0:
            return {monome(k * a, entre(1, 2)) + signe_devant(ecrit_nombre(k * b * (pile(50) ? 1 : -1))), {}, false};
        case 1:
            return {monome(a * a, 2) + "-" + ecrit_nombre(b * b), {}, false};
        case 2:
            return {monome(a * a, 2) + (pile(50) ? "+" : "-") + monome(2 * a * b, 1) + "+" + ecrit_nombre(b * b),
                    {}, false};
        case 3: {
            std::vector<double> r;
            const std::string f = facteur_lineaire(r), g = facteur_lineaire(r);
            return {"(" + f + ")(" + g + ")" + (pile(50) ? "+" : "-") + ecrit_nombre(k) + "(" + f + ")", {}, false};
        }
        case 4:
            return {monome(coefficient_non_nul(), 1) + signe_devant(ecrit_nombre(coefficient_non_nul())), {}, false};
        default:
            return {monome(a * a, 2) + "-2", {}, false};
        }
    }

    // A statement with teacher letters: '2a(x+b)-a*b', '(a*x+b)^2'. Two
    // letters side by side are no product in the formula language.
    Texte avec_lettres()
    {
        static const std::vector<std::string> modeles = {"2a(x+b)-a*b", "a(x-b)+b*x", "(a*x+b)^2", "(x+a)(x-b)",
                                                         "a*x^2-b^2",   "a(b*x+1)",   "-a(x-b)"};
        return {parmi(modeles), {}, false};
    }

    // One fraction or a sum of fractions: '(2x+4)/(6x)', 'x/-2+1/3',
    // '3/(x+1)-x/(x+1)', '1/x+2/(x+1)', '(x+3)/(x^2-9)'.
    Texte fraction()
    {
        std::vector<double> r;
        const std::string f = facteur_lineaire(r), g = facteur_lineaire(r);
        const int a = entre(1, 9), b = entre(1, 9);
        switch (entre(0, 6)) {
        case 0: return {"(" + f + ")/(" + monome(b, 1) + ")", {}, false};
        case 1: return {"x/-" + ecrit_nombre(a) + "+" + ecrit_nombre(b) + "/" + ecrit_nombre(a + 1), {}, false};
        case 2: return {ecrit_nombre(a) + "/(" + f + ")" + (pile(50) ? "-" : "+") + "x/(" + f + ")", {}, false};
        case 3: return {ecrit_nombre(a) + "/x+" + ecrit_nombre(b) + "/(" + f + ")", {}, false};
        case 4: return {"(x+" + ecrit_nombre(a) + ")/(x^2-" + ecrit_nombre(a * a) + ")", {}, false};
        case 5: return {"(" + f + ")/(" + g + ")", {}, false};
        default: return {"x/" + ecrit_nombre(a) + "+x/" + ecrit_nombre(b + 1), {}, false};
        }
    }

    // Square roots: 'sqrt(12)', '1-sqrt(12)', '-2*sqrt(3)', 'sqrt(2)*sqrt(18)',
    // '3sqrt(8)+sqrt(50)', 'sqrt(12x)', 'sqrt(2)(x+sqrt(2))'.
    Texte racine()
    {
        static const std::vector<int> carres = {4, 9, 25, 49};
        static const std::vector<int> libres = {2, 3, 5, 6, 7};
        const int n = parmi(carres) * parmi(libres), m = parmi(libres), k = entre(2, 5);
        const std::string rn = "sqrt(" + std::to_string(n) + ")", rm = "sqrt(" + std::to_string(m) + ")";
        switch (entre(0, 7)) {
        case 0: return {rn, {}, false};
        case 1: return {std::to_string(k) + "-" + rn, {}, false};
        case 2: return {"-" + std::to_string(k) + "*" + rm, {}, false};
        case 3: return {rm + "*sqrt(" + std::to_string(m * k * k) + ")", {}, false};
        case 4: return {std::to_string(k) + rn + "+" + rm, {}, false};
        case 5: return {"sqrt(" + std::to_string(n) + "x)", {}, false};
        case 6: return {rm + "(x+" + rm + ")", {}, false};
        default: return {"-" + rn + "/" + std::to_string(k), {}, false};
        }
    }

    // A number to write in scientific notation: '0.00008628', '1500', '-372000'.
    Texte nombre()
    {
        std::string chiffres = std::to_string(entre(1, 9));
        for (int k = entre(0, 4); k > 0; --k)
            chiffres += std::to_string(entre(0, 9));
        const int decalage = entre(-8, 8);
        const double v = std::stod(chiffres) * std::pow(10.0, decalage - static_cast<int>(chiffres.size()) + 1);
        char tampon[64];
        std::snprintf(tampon, sizeof tampon, "%.*f", std::max(0, static_cast<int>(chiffres.size()) - 1 - decalage), v);
        return {(pile(20) ? "-" : "") + std::string(tampon), {}, false};
    }

    // A first-degree equation: '3(x-2)=x+4', '0.5x+1=2', '-(x-1)=0', '2x=4'.
    Texte equation_premier_degre()
    {
        const double a = coefficient_non_nul(), b = coefficient(), c = coefficient_non_nul();
        const int d = entre(-9, 9);
        // left: a(x+b) as written, right: c'x + d with c' != a, root solved here
        const bool negatif = pile(20);
        std::string gauche;
        double pente, constante;
        if (negatif) {
            gauche = "-(" + monome(a, 1) + signe_devant(ecrit_nombre(b)) + ")";
            pente = -a;
            constante = -b;
        } else if (pile(50)) {
            gauche = coefficient_ecrit(a) + "(x" + signe_devant(ecrit_nombre(b)) + ")";
            pente = a;
            constante = a * b;
        } else {
            gauche = monome(a, 1) + signe_devant(ecrit_nombre(b));
            pente = a;
            constante = b;
        }
        double cd = pile(40) ? 0 : c;
        if (cd == pente)
            cd = 0;
        const std::string droite = cd == 0 ? ecrit_nombre(d) : monome(cd, 1) + signe_devant(ecrit_nombre(d));
        return {gauche + "=" + droite, {(d - constante) / (pente - cd)}, true};
    }

    // A first-degree inequation, its one root given.
    Texte inequation_premier_degre()
    {
        Texte e = equation_premier_degre();
        static const std::vector<std::string> relations = {"<", ">", "<=", ">="};
        e.texte.replace(e.texte.find('='), 1, parmi(relations));
        return e;
    }

    // A product set to zero: '(x-1)^2=0', 'x^2(x+3)=0', '-2(3-x)(x+1)=0'.
    Texte produit_nul()
    {
        Texte p = produit();
        while (p.texte.find('x') == std::string::npos)
            p = produit();
        p.texte += "=0";
        return p;
    }

    // A product compared with zero.
    Texte produit_signe()
    {
        static const std::vector<std::string> relations = {"<0", ">0", "<=0", ">=0"};
        Texte p = produit();
        p.texte += parmi(relations);
        return p;
    }

    // A quotient set to zero: '(x-1)/(x+2)=0', '(x^2-4)/(x-2)=0'; its roots
    // are those of the numerator where the denominator is not zero.
    Texte quotient_nul()
    {
        std::vector<double> haut, bas;
        const std::string f = facteur_lineaire(haut);
        std::string g = facteur_lineaire(bas);
        if (pile(30)) {
            g = f;
            bas = haut;
        }
        std::string numerateur = "(" + f + ")";
        if (pile(50)) {
            const int k = entre(1, 9);
            numerateur += "(x+" + std::to_string(k) + ")";
            haut.push_back(-k);
        }
        std::vector<double> racines;
        for (double r : haut)
            if (std::none_of(bas.begin(), bas.end(), [&](double s) { return std::fabs(s - r) < 1e-9; }))
                racines.push_back(r);
        return {numerateur + "/(" + g + ")=0", trie(racines), true};
    }

    // A developed trinomial with two, one or no real roots: 'x^2-5x+6',
    // '2x^2+4x+2', 'x^2+x+1'.
    Texte trinome()
    {
        const int a = parmi(std::vector<int>{1, 1, 2, -1, 3});
        if (pile(30)) {
            const int p = entre(-4, 4), q = entre(1, 9);   // a((x-p)^2+q): no real root
            return {monome(a, 2) + signe_devant(monome(-2 * a * p, 1)) + signe_devant(ecrit_nombre(a * (p * p + q))),
                    {}, true};
        }
        const int r = entre(-6, 6), s = entre(-6, 6);
        std::string t = monome(a, 2) + signe_devant(monome(-a * (r + s), 1)) + signe_devant(ecrit_nombre(a * r * s));
        return {t, trie({static_cast<double>(r), static_cast<double>(s)}), true};
    }

    // A trinomial set to zero.
    Texte trinome_nul()
    {
        Texte t = trinome();
        t.texte += "=0";
        return t;
    }

    // A system of two first-degree equations in x and y.
    Texte systeme()
    {
        const auto ligne = [&] {
            return monome_lettre(coefficient_non_nul(), "x") + signe_devant(monome_lettre(coefficient_non_nul(), "y")) +
                   "=" + ecrit_nombre(entre(-9, 9));
        };
        const std::string debut = pile(50) ? "{\r\n" : "{";
        const std::string fin = pile(50) ? "\r\n}" : "}";
        return {debut + ligne() + "\r\n" + ligne() + fin, {}, false};
    }

    // A sum of vectors between points A..F, with minus signs and
    // coefficients now and then: 'AB..arrow+BC..arrow-DC..arrow'.
    Texte vecteurs()
    {
        std::string t;
        for (int n = entre(2, 4); n > 0; --n) {
            const char p = static_cast<char>('A' + entre(0, 5));
            char q = static_cast<char>('A' + entre(0, 5));
            if (q == p)
                q = static_cast<char>('A' + (q - 'A' + 1) % 6);
            if (!t.empty() || pile(20))
                t += pile(75) ? "+" : "-";
            if (pile(10))
                t += std::to_string(entre(2, 3)) + "*";
            t += std::string{p, q} + "..arrow";
        }
        if (t[0] == '+')
            t.erase(0, 1);
        return {t, {}, false};
    }

    // A value of x to put in an expression: '3', '-2', '0.5'.
    std::string valeur() { return ecrit_nombre(coefficient()); }

    // A capital point for decomposing a vector.
    std::string point() { return std::string(1, static_cast<char>('A' + entre(0, 6))); }

    // An argument a pupil types for "Factoriser par...", "Multiplier haut et
    // bas par...", "Ajouter aux deux membres...": a number, a decimal, x, a
    // linear factor, 0 at times.
    std::string argument()
    {
        std::vector<double> r;
        switch (entre(0, 5)) {
        case 0: return ecrit_nombre(entre(-9, 9));
        case 1: return ecrit_nombre(coefficient_non_nul());
        case 2: return "x";
        case 3: return monome(entre(1, 3), 1);
        default: return facteur_lineaire(r);
        }
    }

private:
    std::mt19937 hasard_;

    static std::vector<double> trie(std::vector<double> v)
    {
        std::sort(v.begin(), v.end());
        v.erase(std::unique(v.begin(), v.end(), [](double a, double b) { return std::fabs(a - b) < 1e-9; }), v.end());
        return v;
    }

    double coefficient()
    {
        if (pile(15))
            return parmi(std::vector<double>{0.5, -0.5, 1.25, 0.2, -1.5, 2.5});
        return entre(-9, 9);
    }

    double coefficient_non_nul()
    {
        double c = coefficient();
        while (c == 0)
            c = coefficient();
        return c;
    }

    // The coefficient written before a letter or a bracket: '', '-', '3', '0.5'.
    static std::string coefficient_ecrit(double c)
    {
        return c == 1 ? "" : c == -1 ? "-" : ecrit_nombre(c);
    }

    static std::string monome_lettre(double c, const std::string &lettre) { return coefficient_ecrit(c) + lettre; }

    static std::string monome(double c, int degre)
    {
        if (degre == 0)
            return ecrit_nombre(c);
        return coefficient_ecrit(c) + (degre == 1 ? "x" : "x^" + std::to_string(degre));
    }

    // "+t" unless t carries its own sign.
    static std::string signe_devant(const std::string &t) { return t[0] == '-' ? t : "+" + t; }

    static std::string joint_termes(const std::vector<std::string> &termes)
    {
        std::string t;
        for (const std::string &terme : termes)
            t += t.empty() ? terme : signe_devant(terme);
        return t.empty() ? "0" : t;
    }

    // A linear factor as pupils write it: 'x-2', '2x+1', '3-x', '-x+4',
    // '0.5x-1'; its root is added to racines.
    std::string facteur_lineaire(std::vector<double> &racines)
    {
        const double a = pile(70) ? 1 : coefficient_non_nul();
        const double b = entre(1, 9) * (pile(50) ? 1 : -1);
        racines.push_back(-b / a);
        if (pile(20))
            return ecrit_nombre(b) + signe_devant(monome(a, 1));
        return monome(a, 1) + signe_devant(ecrit_nombre(b));
    }

    // What stands before the brackets: nothing, a sign, a number, x or x^2.
    std::string prefixe(std::vector<double> &racines)
    {
        switch (entre(0, 6)) {
        case 0: return "-";
        case 1: return ecrit_nombre(entre(2, 9));
        case 2: return "-" + ecrit_nombre(entre(2, 9));
        case 3: racines.push_back(0); return "x";
        case 4: racines.push_back(0); return ecrit_nombre(entre(2, 5)) + "x";
        case 5: racines.push_back(0); return "x^2";
        default: return "";
        }
    }
};

} // namespace outils
