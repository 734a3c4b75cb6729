#include "formula/valeur.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "formula/lecteur.h"
#include "formula/vocabulaire.h"

namespace {

double valeur_lettre(char nom, double x) { return nom == 'x' ? x : 0.37 + 0.61 * (nom - 'a'); }

Valeur definie(double v) { return std::isfinite(v) ? Valeur{Definition::definie, v} : Valeur{Definition::indefinie, 0}; }

constexpr Valeur INDEFINIE{Definition::indefinie, 0};

Valeur fonction(std::string_view nom, double u)
{
    const std::optional<Fonction> f = fonction_nommee(nom);
    if (!f)
        return {};
    switch (*f) {
    case Fonction::sqrt: return u < 0 ? INDEFINIE : definie(std::sqrt(u));
    case Fonction::ln: return u <= 0 ? INDEFINIE : definie(std::log(u));
    case Fonction::abs: return definie(std::fabs(u));
    case Fonction::sin: return definie(std::sin(u));
    case Fonction::cos: return definie(std::cos(u));
    case Fonction::tan: return definie(std::tan(u));
    case Fonction::exp: return definie(std::exp(u));
    }
    return {};
}

Valeur calcule(const Arbre &arbre, int indice, double x)
{
    const Noeud &n = arbre[indice];
    switch (n.genre) {
    case Genre::nombre:
        return {Definition::definie, std::strtod(std::string(arbre.mot(n)).c_str(), nullptr)};
    case Genre::lettre:
        return {Definition::definie, valeur_lettre(arbre.mot(n)[0], x)};
    case Genre::groupe:
        return calcule(arbre, arbre.enfant(n, 0), x);
    case Genre::signe: {
        Valeur v = calcule(arbre, arbre.enfant(n, 0), x);
        if (arbre.mot(n) == "-")
            v.nombre = -v.nombre;
        return v;
    }
    case Genre::fonction: {
        const Valeur a = calcule(arbre, arbre.enfant(n, 0), x);
        return a.lecture == Definition::definie ? fonction(arbre.mot(n), a.nombre) : a;
    }
    case Genre::puissance: {
        const Valeur b = calcule(arbre, arbre.enfant(n, 0), x);
        const Valeur e = calcule(arbre, arbre.enfant(n, 1), x);
        if (b.lecture != Definition::definie)
            return b;
        if (e.lecture != Definition::definie)
            return e;
        if ((b.nombre < 0 && e.nombre != std::floor(e.nombre)) || (b.nombre == 0 && e.nombre < 0))
            return INDEFINIE;
        return definie(std::pow(b.nombre, e.nombre));
    }
    case Genre::produit:
    case Genre::somme: {
        double total = n.genre == Genre::produit ? 1 : 0;
        bool indefini = false;
        for (int k = 0; k < n.nombre_enfants; ++k) {
            const Valeur v = calcule(arbre, arbre.enfant(n, k), x);
            if (v.lecture == Definition::illisible)
                return v;
            indefini = indefini || v.lecture == Definition::indefinie;
            switch (arbre.operateur(n, k)) {
            case '/':
                indefini = indefini || v.nombre == 0;
                total /= v.nombre;
                break;
            case '-':
                total -= v.nombre;
                break;
            default:
                total = n.genre == Genre::produit ? total * v.nombre : total + v.nombre;
            }
        }
        return indefini ? INDEFINIE : definie(total);
    }
    default:
        return {};
    }
}

} // namespace

Valeur valeur_ordinaire(std::string_view texte, double x)
{
    const std::optional<Arbre> arbre = lis_formule(texte);
    if (!arbre || arbre->racine < 0)
        return {};
    return calcule(*arbre, arbre->racine, x);
}
