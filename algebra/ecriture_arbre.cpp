#include "algebra/ecriture_arbre.h"

#include <optional>
#include <string_view>

#include "algebra/algebre.h"
#include "formula/lecteur.h"

namespace {

const Retouche *retouche(const std::vector<Retouche> &retouches, int noeud)
{
    for (const Retouche &r : retouches)
        if (r.noeud == noeud)
            return &r;
    return nullptr;
}

std::string span(const Arbre &a, const Noeud &n)
{
    return a.texte.substr(static_cast<std::size_t>(n.debut), static_cast<std::size_t>(n.fin - n.debut));
}

std::string valeur_de(const Valeurs &valeurs, char c, std::string defaut)
{
    const auto v = valeurs.find(c);
    return v == valeurs.end() ? defaut : v->second;
}

class Lineaire {
public:
    Lineaire(const Arbre &a, const std::vector<Retouche> &r, const Valeurs &v) : a_(a), r_(r), v_(v) {}

    std::string ecrit(int i) const
    {
        if (const Retouche *r = retouche(r_, i))
            return r->genre == Retouche::Genre::brut ? r->texte : "(" + r->texte + ")";
        const Noeud &n = a_[i];
        const std::string mot(a_.mot(n));
        auto enfant = [&](int k) { return ecrit(a_.enfant(n, k)); };
        switch (n.genre) {
        case Genre::nombre: return mot;
        case Genre::lettre: return "(" + valeur_de(v_, mot[0], mot) + ")";
        case Genre::vecteur: {
            if (v_.empty())
                return mot == "o" ? "o..arrow" : mot + "..arrow";
            if (mot == "o" || mot.size() < 2)
                return "0";
            return "((" + valeur_de(v_, mot.back(), "0") + ")-(" + valeur_de(v_, mot.front(), "0") + "))";
        }
        case Genre::fonction: return mot + "(" + enfant(0) + ")";
        case Genre::puissance: return "(" + enfant(0) + ")^(" + enfant(1) + ")";
        case Genre::signe: return mot + "(" + enfant(0) + ")";
        case Genre::groupe: return "(" + enfant(0) + ")";
        case Genre::produit: {
            std::string s;
            for (int k = 0; k < n.nombre_enfants; ++k) {
                const char op = a_.operateur(n, k);
                s += (k == 0 ? "" : op == '/' ? "/" : "*") + std::string("(") + enfant(k) + ")";
            }
            return s;
        }
        case Genre::somme: return somme(n);
        case Genre::relation: return enfant(0) + mot + enfant(1);
        default: return span(a_, n);
        }
    }

private:
    std::string somme(const Noeud &n) const
    {
        std::string s;
        for (int k = 0; k < n.nombre_enfants; ++k) {
            const int e = a_.enfant(n, k);
            const Retouche *r = retouche(r_, e);
            if (r && r->genre == Retouche::Genre::omis)
                continue;
            const char op = a_.operateur(n, k);
            s += op == '-' ? "-" : s.empty() ? "" : "+";
            s += ecrit(e);
        }
        return s.empty() ? "0" : s;
    }

    const Arbre &a_;
    const std::vector<Retouche> &r_;
    const Valeurs &v_;
};

// Levels of the readable writing: an operand below the level its place asks
// for is put in parentheses.
enum Niveau { RELATION, SOMME, SIGNE, PRODUIT, PUISSANCE, ATOME };

struct Ecrit {
    std::string texte;
    int niveau;
};

std::string nombre_lisible(std::string s)
{
    for (char &c : s)
        if (c == '.')
            c = ',';
    return s;
}

class Lisible {
public:
    Lisible(const Arbre &a, const Valeurs &v) : a_(a), v_(v) {}

    std::string ecrit(int i, int niveau_minimal) const
    {
        const Ecrit e = brut(i);
        return e.niveau < niveau_minimal ? "(" + e.texte + ")" : e.texte;
    }

    Ecrit brut(int i) const
    {
        const Noeud &n = a_[i];
        const std::string mot(a_.mot(n));
        switch (n.genre) {
        case Genre::nombre: return {nombre_lisible(mot), ATOME};
        case Genre::lettre: {
            const std::string v = nombre_lisible(valeur_de(v_, mot[0], mot));
            return {v, v[0] == '-' ? SIGNE : v.find('/') != std::string::npos ? PRODUIT : ATOME};
        }
        case Genre::vecteur: return {(mot == "o" ? std::string("0") : mot) + "→", ATOME};
        case Genre::groupe: return brut(a_.enfant(n, 0));
        case Genre::fonction: {
            const int arg = a_.enfant(n, 0);
            if (mot == "abs")
                return {"|" + ecrit(arg, RELATION) + "|", ATOME};
            if (mot == "sqrt")
                return {"√" + ecrit(arg, ATOME), ATOME};
            return {mot + "(" + ecrit(arg, RELATION) + ")", ATOME};
        }
        case Genre::puissance: {
            const int exposant = sans_groupe(a_, a_.enfant(n, 1));
            const std::string_view e = a_[exposant].genre == Genre::nombre ? a_.mot(a_[exposant]) : "";
            const std::string base = ecrit(a_.enfant(n, 0), ATOME);
            if (e == "2")
                return {base + "²", PUISSANCE};
            if (e == "3")
                return {base + "³", PUISSANCE};
            return {base + "^" + ecrit(exposant, ATOME), PUISSANCE};
        }
        case Genre::signe: return {mot + ecrit(a_.enfant(n, 0), PRODUIT), SIGNE};
        case Genre::produit: return {produit(n), PRODUIT};
        case Genre::somme: {
            std::string s;
            for (int k = 0; k < n.nombre_enfants; ++k) {
                char op = a_.operateur(n, k);
                int terme = sans_groupe(a_, a_.enfant(n, k));
                // "a + (-b)" is read "a - b".
                if (k > 0 && a_[terme].genre == Genre::signe && a_.mot(a_[terme]) == "-") {
                    op = op == '-' ? '+' : '-';
                    terme = a_.enfant(a_[terme], 0);
                }
                s += k == 0 ? (op == '-' ? "-" : "") : op == '-' ? " - " : " + ";
                s += ecrit(terme, k == 0 && op != '-' ? SOMME : PRODUIT);
            }
            return {s, SOMME};
        }
        case Genre::relation: {
            std::string rel = mot == "<=" ? "≤" : mot == ">=" ? "≥" : mot;
            return {ecrit(a_.enfant(n, 0), SOMME) + " " + rel + " " + ecrit(a_.enfant(n, 1), SOMME), RELATION};
        }
        default: return {span(a_, n), ATOME};
        }
    }

private:
    // A number before a letter, a root or a bracket is written against it
    // ("2x", "3√2", "2(x + 1)"); any other product with "×".
    std::string produit(const Noeud &n) const
    {
        std::string s;
        Genre precedent = Genre::nombre;
        for (int k = 0; k < n.nombre_enfants; ++k) {
            const int f = a_.enfant(n, k);
            const char op = a_.operateur(n, k);
            if (op == '/') {
                s += "/" + ecrit(f, PUISSANCE);
                precedent = Genre::produit;
                continue;
            }
            const int sans = sans_groupe(a_, f);
            const Genre g = a_[sans].genre;
            // A quotient inside a product keeps its brackets: "(2/3)/(4/9)".
            if (g == Genre::produit && quotient_dedans(sans)) {
                s += (k == 0 ? "" : " × ") + std::string("(") + ecrit(sans, RELATION) + ")";
                precedent = Genre::produit;
                continue;
            }
            const bool lettre_libre = g == Genre::lettre && !v_.contains(a_.mot(a_[sans])[0]);
            const bool colle = k > 0 && precedent == Genre::nombre &&
                               (lettre_libre || g == Genre::fonction || g == Genre::somme);
            s += k == 0 ? "" : colle ? "" : " × ";
            s += ecrit(f, k == 0 ? SIGNE : PUISSANCE);
            precedent = g == Genre::nombre ? Genre::nombre : Genre::produit;
        }
        return s;
    }

    bool quotient_dedans(int produit) const
    {
        const Noeud &n = a_[produit];
        for (int k = 1; k < n.nombre_enfants; ++k)
            if (a_.operateur(n, k) == '/')
                return true;
        return false;
    }

    const Arbre &a_;
    const Valeurs &v_;
};

} // namespace


std::string ecrit_lineaire(const Arbre &arbre, int noeud, const std::vector<Retouche> &retouches,
                           const Valeurs &valeurs)
{
    return Lineaire(arbre, retouches, valeurs).ecrit(noeud);
}

std::string ecrit_lisible(const Arbre &arbre, int noeud, const Valeurs &valeurs)
{
    return Lisible(arbre, valeurs).ecrit(noeud, RELATION);
}

std::string texte_lisible(const std::string &texte, const Valeurs &valeurs)
{
    const std::optional<Arbre> a = lis_formule(sans_blancs(texte));
    return a ? ecrit_lisible(*a, a->racine, valeurs) : texte;
}

int sans_groupe(const Arbre &arbre, int noeud)
{
    while (arbre[noeud].genre == Genre::groupe)
        noeud = arbre.enfant(arbre[noeud], 0);
    return noeud;
}
