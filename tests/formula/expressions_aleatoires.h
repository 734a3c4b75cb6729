#pragma once
// Shared by the property tests and the property benchmark: random formulas of
// the kinds the engine builds, a value of a formula tree by ordinary rules,
// and the checks that a normal form must pass.

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <random>
#include <string>

#include "formula/lecteur.h"
#include "formula/normalise.h"

namespace essai {

// Random formula texts: sums and products of monomials, quotients, powers,
// roots of integers, functions, decimals, signs after operators, implicit
// products and nested parentheses. Letters: x, and y and a when asked.
class Generateur {
public:
    explicit Generateur(unsigned graine, bool autres_lettres = true) : hasard_(graine), autres_lettres_(autres_lettres) {}

    std::string expression(int profondeur = 2) { return somme(profondeur); }

private:
    std::mt19937 hasard_;
    bool autres_lettres_;

    int entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(hasard_); }
    bool pile(int pour_cent) { return entre(1, 100) <= pour_cent; }

    std::string nombre()
    {
        if (pile(15))
            return std::to_string(entre(0, 9)) + "." + std::to_string(entre(0, 99));
        return std::to_string(entre(0, 12));
    }

    std::string lettre()
    {
        if (!autres_lettres_)
            return "x";
        const char *lettres[] = {"x", "x", "x", "y", "a"};
        return lettres[entre(0, 4)];
    }

    std::string monome()
    {
        std::string t;
        switch (entre(0, 4)) {
        case 0: t = nombre(); break;
        case 1: t = lettre(); break;
        case 2: t = nombre() + lettre(); break;
        case 3: t = nombre() + "*" + lettre() + "^" + std::to_string(entre(0, 4)); break;
        default: t = "sqrt(" + std::to_string(entre(0, 20)) + ")"; break;
        }
        return t;
    }

    std::string facteur(int profondeur)
    {
        if (profondeur <= 0 || pile(40))
            return monome();
        switch (entre(0, 5)) {
        case 0: return "(" + somme(profondeur - 1) + ")";
        case 1: return "(" + somme(profondeur - 1) + ")^" + std::to_string(entre(0, 3));
        case 2: return "(" + facteur(profondeur - 1) + ")";
        case 3: {
            const char *fonctions[] = {"sqrt", "abs", "sin", "cos", "exp"};
            return std::string(fonctions[entre(0, 4)]) + "(" + somme(profondeur - 1) + ")";
        }
        case 4: return "(" + nombre() + ")^(" + std::to_string(entre(-2, 3)) + ")";
        default: return "(" + somme(profondeur - 1) + ")/(" + somme(profondeur - 1) + ")";
        }
    }

    std::string produit(int profondeur)
    {
        std::string p = facteur(profondeur);
        const int n = entre(0, 1);
        for (int i = 0; i < n; ++i) {
            const int op = entre(0, 3);
            const std::string suite = facteur(profondeur - 1);
            if (op == 0)
                p += "/" + suite;
            else if (op == 1)
                p += "*-" + suite;
            else
                p += "*" + suite;
        }
        return p;
    }

    std::string somme(int profondeur)
    {
        std::string s = pile(20) ? "-" : "";
        s += produit(profondeur);
        const int n = entre(0, 3);
        for (int i = 0; i < n; ++i)
            s += (pile(50) ? "+" : "-") + produit(profondeur);
        return s;
    }
};

using Valeurs = std::map<char, double>;

// The value of a tree by ordinary rules; NaN where it is not defined. When
// asked, also the largest |a| + |b| of its products a * b.
inline double valeur(const Arbre &arbre, int i, const Valeurs &lettres, double *plus_grand_produit = nullptr)
{
    const Noeud &n = arbre[i];
    const std::string_view mot = arbre.mot(n);
    const auto enfant = [&](int k) { return valeur(arbre, arbre.enfant(n, k), lettres, plus_grand_produit); };
    switch (n.genre) {
    case Genre::nombre:
        return std::strtod(std::string(mot).c_str(), nullptr);
    case Genre::lettre: {
        auto l = lettres.find(mot[0]);
        return l == lettres.end() ? NAN : l->second;
    }
    case Genre::fonction: {
        const double v = enfant(0);
        if (std::fabs(v) > 1e6)
            return NAN; // no meaningful digits left in a double
        if (mot == "sqrt") return v < 0 ? NAN : std::sqrt(v);
        if (mot == "abs") return std::fabs(v);
        if (mot == "sin") return std::sin(v);
        if (mot == "cos") return std::cos(v);
        if (mot == "tan") return std::tan(v);
        if (mot == "ln") return v <= 0 ? NAN : std::log(v);
        return std::exp(v);
    }
    case Genre::puissance: {
        const double b = enfant(0), e = enfant(1);
        if (std::isnan(b) || std::isnan(e) || (b == 0 && e <= 0))
            return NAN;   // pow would make 1 of an undefined base raised to 0
        return std::pow(b, e);
    }
    case Genre::produit: {
        double v = enfant(0);
        for (int k = 1; k < n.nombre_enfants; ++k) {
            const double f = enfant(k);
            if (arbre.operateur(n, k) == '/') {
                v = f == 0 ? NAN : v / f;
            } else {
                if (plus_grand_produit)
                    *plus_grand_produit = std::max(*plus_grand_produit, std::fabs(v) + std::fabs(f));
                v *= f;
            }
        }
        return v;
    }
    case Genre::somme: {
        double v = 0;
        for (int k = 0; k < n.nombre_enfants; ++k)
            v += arbre.operateur(n, k) == '-' ? -enfant(k) : enfant(k);
        return v;
    }
    case Genre::signe:
        return mot == "-" ? -enfant(0) : enfant(0);
    case Genre::groupe:
        return enfant(0);
    default:
        return NAN;
    }
}

inline double valeur(std::string_view texte, const Valeurs &lettres, double *plus_grand_produit = nullptr)
{
    const auto arbre = lis_formule(texte);
    return arbre ? valeur(*arbre, arbre->racine, lettres, plus_grand_produit) : NAN;
}

inline bool proches(double a, double b)
{
    return std::fabs(a - b) <= 1e-6 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

// A printed normal form uses only the linear language, with explicit
// products, a sign only at the head of a term and no power of a power or of
// a signed operand without parentheses.
inline bool forme_lineaire(std::string_view texte)
{
    const auto arbre = lis_formule(texte);
    if (!arbre)
        return false;
    const auto genre_enfant = [&](const Noeud &n, int k) { return (*arbre)[arbre->enfant(n, k)].genre; };
    for (const Noeud &n : arbre->noeuds) {
        for (int k = 1; k < n.nombre_enfants; ++k) {
            if (n.genre == Genre::produit && arbre->operateur(n, k) == ' ')
                return false;
            if ((n.genre == Genre::produit || n.genre == Genre::somme) && genre_enfant(n, k) == Genre::signe)
                return false;
        }
        if (n.genre == Genre::signe && genre_enfant(n, 0) == Genre::signe)
            return false;
        if (n.genre == Genre::puissance) {
            const Genre base = genre_enfant(n, 0), exposant = genre_enfant(n, 1);
            if (base == Genre::puissance || base == Genre::signe || exposant == Genre::signe ||
                exposant == Genre::puissance)
                return false;
        }
    }
    return true;
}

// What went wrong with one text, or empty when every check holds.
inline std::string verifie(const std::string &texte)
{
    const std::string forme = normalise(texte);
    const std::string brute = normalise_brut(texte);
    std::string tel_quel = texte;
    std::erase(tel_quel, ' ');
    if (forme == tel_quel)
        return {}; // no value somewhere (a division by zero): nothing was rewritten
    if (normalise(forme) != forme)
        return "normalise is not idempotent: " + forme + " -> " + normalise(forme);
    if (normalise_brut(brute) != brute)
        return "normalise_brut is not idempotent: " + brute + " -> " + normalise_brut(brute);
    if (!forme_lineaire(forme) || !forme_lineaire(brute))
        return "not in the linear language: " + forme + " / " + brute;
    for (double x : {0.37, -1.29, 2.71}) {
        const Valeurs lettres = {{'x', x}, {'y', 0.83}, {'a', -0.61}};
        const double attendu = valeur(texte, lettres);
        if (!std::isfinite(attendu))
            continue;
        for (const std::string &resultat : {forme, brute}) {
            const double obtenu = valeur(resultat, lettres);
            if (std::isfinite(obtenu) && !proches(attendu, obtenu))
                return "value changed: " + resultat + " is " + std::to_string(obtenu) + ", not " +
                       std::to_string(attendu);
        }
    }
    return {};
}

} // namespace essai
