#include "formula/sens_formes.h"

#include <algorithm>

#include "formula/forme_normale.h"
#include "formula/lecteur.h"

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

// ---------------------------------------------------------------------------
// The shape key: the algebraic form (like terms collected, numbers computed,
// equal bases merged, never distributed), with terms and factors sorted and
// each parenthesised sum written with its sign taken out.

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
        return b.nom + "(" + cle_forme(b.arguments[0], sens_unique) + ")";
    case Base::Genre::groupe: {
        const std::string a = cle_forme(b.arguments[0], sens_unique),
                          o = cle_forme(oppose(b.arguments[0]), sens_unique);
        negatif = o < a;
        return negatif ? o : a;
    }
    case Base::Genre::puissance:
        return "W[" + cle_forme(b.arguments[0], sens_unique) + "^" + cle_forme(b.arguments[1], sens_unique) + "]";
    }
    return {};
}

bool entier_impair(const Rationnel &r) { return r.est_entier() && !(r.moitie_entiere() + r.moitie_entiere() == r); }

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

} // namespace

std::optional<std::string> cle_ecrite(std::string_view texte)
{
    const std::optional<Arbre> arbre = lis_formule(texte);
    if (!arbre)
        return std::nullopt;
    return signee(cle_ecriture(*arbre, arbre->racine));
}

std::string cle_forme(const Somme &s, bool sens_unique)
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

std::optional<Somme> forme_complete(std::string_view texte)
{
    const std::optional<Arbre> arbre = lis_formule(texte);
    if (!arbre)
        return std::nullopt;
    return forme_algebrique(*arbre, arbre->racine, Reduction::complete);
}

bool est_factorisee(const Somme &s)
{
    if (s.termes.size() != 1)
        return false;
    const auto &facteurs = s.termes[0].facteurs;
    return std::any_of(facteurs.begin(), facteurs.end(), [](const Facteur &f) {
        return f.base.genre == Base::Genre::groupe && f.base.arguments[0].termes.size() > 1;
    });
}

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
