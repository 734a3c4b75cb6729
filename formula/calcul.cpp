#include "formula/calcul.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "formula/imprimeur.h"

namespace {

// Rewriting a sum again after removing inner parentheses may uncover more;
// each pass removes one level, and no form is deeper than this.
constexpr int PASSES_MAXIMUM = 64;

Somme un_terme(Terme t)
{
    Somme s;
    s.termes.push_back(std::move(t));
    return s;
}

Somme base_seule(Base base)
{
    Terme t;
    t.facteurs.push_back(Facteur{std::move(base), Rationnel(1)});
    return un_terme(std::move(t));
}

Base base_groupe(Somme contenu)
{
    Base b;
    b.genre = Base::Genre::groupe;
    b.arguments.push_back(std::move(contenu));
    b.cle = imprime_base(b);
    return b;
}

Base base_nombre(const Rationnel &valeur, bool decimal)
{
    Base b;
    b.genre = Base::Genre::nombre;
    b.valeur = valeur;
    b.decimal = decimal;
    b.cle = "#" + valeur.en_texte();
    return b;
}

bool est_somme_groupee(const Base &b)
{
    return b.genre == Base::Genre::groupe && b.arguments[0].termes.size() >= 2;
}

bool est_racine_de_nombre(const Base &b)
{
    return b.genre == Base::Genre::fonction && b.nom == "sqrt" && b.arguments[0].est_nombre();
}

// A sum of several terms taken as one term: the sum in parentheses.
Terme en_terme(Somme s)
{
    if (s.termes.size() == 1)
        return std::move(s.termes.front());
    Terme t;
    t.facteurs.push_back(Facteur{base_groupe(std::move(s)), Rationnel(1)});
    return t;
}

// A sum in parentheses, possibly negated, and nothing else.
bool est_somme_seule(const Terme &t)
{
    return t.facteurs.size() == 1 && est_somme_groupee(t.facteurs[0].base) && t.facteurs[0].exposant.est_un() &&
           t.coefficient.valeur_absolue().est_un();
}

// A term that is only a sum in parentheses is that sum.
Somme depuis_terme(Terme t)
{
    if (t.coefficient.est_nul())
        return {};
    if (est_somme_seule(t)) {
        Somme contenu = std::move(t.facteurs[0].base.arguments[0]);
        return t.coefficient.signe() < 0 ? oppose(std::move(contenu)) : contenu;
    }
    return un_terme(std::move(t));
}

// Coefficient first, then roots of numbers, powers of numbers, letters in
// alphabetical order, vectors, functions, and sums in their own order.
int rang(const Base &b)
{
    switch (b.genre) {
    case Base::Genre::nombre:
        return 2;
    case Base::Genre::lettre:
        return 3;
    case Base::Genre::vecteur:
        return 4;
    case Base::Genre::fonction:
        return est_racine_de_nombre(b) ? 1 : 5;
    case Base::Genre::puissance:
        return 5;
    case Base::Genre::groupe:
        return 6;
    }
    return 6;
}

void trie_facteurs(std::vector<Facteur> &facteurs)
{
    const auto avant = [](const Facteur &a, const Facteur &b) {
        const int ra = rang(a.base), rb = rang(b.base);
        if (ra != rb)
            return ra < rb;
        return ra == 3 && a.base.nom < b.base.nom;
    };
    // Most products arrive in order; sorting would allocate for nothing.
    if (!std::is_sorted(facteurs.begin(), facteurs.end(), avant))
        std::stable_sort(facteurs.begin(), facteurs.end(), avant);
}

// Short lists compare pairwise; long ones go through a table of keys.
constexpr std::size_t ELEMENTS_SANS_TABLE = 24;

// Equal bases of a product become one, their exponents added.
void reunit_bases(std::vector<Facteur> &facteurs)
{
    if (facteurs.size() <= ELEMENTS_SANS_TABLE) {
        for (std::size_t i = 0; i < facteurs.size(); ++i) {
            for (std::size_t j = i + 1; j < facteurs.size();) {
                if (facteurs[j].base.cle == facteurs[i].base.cle) {
                    facteurs[i].exposant += facteurs[j].exposant;
                    facteurs.erase(facteurs.begin() + static_cast<std::ptrdiff_t>(j));
                } else {
                    ++j;
                }
            }
        }
        return;
    }
    std::vector<Facteur> reunis;
    std::unordered_map<std::string, std::size_t> places;
    for (Facteur &f : facteurs) {
        auto [place, nouveau] = places.try_emplace(f.base.cle, reunis.size());
        if (nouveau)
            reunis.push_back(std::move(f));
        else
            reunis[place->second].exposant += f.exposant;
    }
    facteurs = std::move(reunis);
}

// Equal bases merged, numbers and square roots computed where exact, factors
// ordered. The parts that a root gives out are multiplied in afterwards.
std::optional<Somme> termine(Terme t, Reduction reduction)
{
    if (t.coefficient.est_nul())
        return Somme{};
    std::vector<Facteur> &facteurs = t.facteurs;
    reunit_bases(facteurs);

    std::vector<Somme> a_multiplier;
    bool echec = false;
    std::erase_if(facteurs, [&](Facteur &f) {
        if (f.exposant.est_nul())
            return true;
        if (f.base.genre == Base::Genre::nombre) {
            if (auto valeur = f.base.valeur.puissance(f.exposant)) {
                t.coefficient *= *valeur;
                t.decimal = t.decimal || f.base.decimal;
                return true;
            }
        } else if (f.base.genre == Base::Genre::fonction && f.base.nom == "sqrt" && f.exposant.est_entier() &&
                   !f.exposant.valeur_absolue().est_un()) {
            // sqrt(a)^(2k+r) = a^k * sqrt(a)^r
            const Rationnel k = f.exposant.moitie_entiere();
            auto sortie = eleve(f.base.arguments[0], k, false, reduction);
            echec = echec || !sortie;
            if (sortie)
                a_multiplier.push_back(std::move(*sortie));
            f.exposant = f.exposant - k * Rationnel(2);
            return f.exposant.est_nul();
        } else if (f.base.genre == Base::Genre::groupe && !est_somme_groupee(f.base) && f.exposant.est_entier() &&
                   f.base.arguments[0].termes[0].coefficient.puissance(f.exposant)) {
            // (c*F)^n = c^n*F^n for a whole n, when c^n stays within the cap
            auto sortie = eleve(std::move(f.base.arguments[0]), f.exposant, false, reduction);
            echec = echec || !sortie;
            if (sortie)
                a_multiplier.push_back(std::move(*sortie));
            return true;
        }
        return false;
    });
    if (echec)
        return std::nullopt;
    if (t.coefficient.est_nul())
        return Somme{};
    trie_facteurs(facteurs);
    if (a_multiplier.empty())
        return depuis_terme(std::move(t));
    a_multiplier.push_back(depuis_terme(std::move(t)));
    return multiplie(std::move(a_multiplier), reduction);
}

// Identity of a term without its coefficient, independent of factor order.
std::string cle_monome(const Terme &t)
{
    std::vector<std::string> morceaux;
    morceaux.reserve(t.facteurs.size());
    for (const Facteur &f : t.facteurs)
        morceaux.push_back(f.base.cle + "^" + f.exposant.en_texte());
    std::sort(morceaux.begin(), morceaux.end());
    std::string cle;
    for (const std::string &m : morceaux)
        cle += m + ";";
    return cle;
}

// Degrees of a term in each letter, a parenthesised sum counting for its
// highest degree times its exponent.
using Degres = std::array<double, 26>;

Degres degres(const Terme &t)
{
    Degres d{};
    for (const Facteur &f : t.facteurs) {
        const double e = f.exposant.en_double();
        if (f.base.genre == Base::Genre::lettre) {
            d[static_cast<std::size_t>(f.base.nom[0] - 'a')] += e;
        } else if (f.base.genre == Base::Genre::groupe) {
            Degres plus_haut{};
            bool premier = true;
            for (const Terme &interieur : f.base.arguments[0].termes) {
                const Degres di = degres(interieur);
                for (std::size_t l = 0; l < d.size(); ++l)
                    plus_haut[l] = premier ? di[l] : std::max(plus_haut[l], di[l]);
                premier = false;
            }
            for (std::size_t l = 0; l < d.size(); ++l)
                d[l] += plus_haut[l] * e;
        }
    }
    return d;
}

// x first, then y, then the other letters in alphabetical order.
constexpr std::array<int, 26> ORDRE_DES_LETTRES = {23, 24, 0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                                   11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 25};

void ordonne_termes(std::vector<Terme> &termes)
{
    if (termes.size() < 2)
        return;
    struct Place {
        Degres degres;
        bool constante;
        std::size_t indice;
    };
    std::vector<Place> places;
    places.reserve(termes.size());
    for (std::size_t i = 0; i < termes.size(); ++i)
        places.push_back({degres(termes[i]), termes[i].est_nombre(), i});
    std::stable_sort(places.begin(), places.end(), [](const Place &a, const Place &b) {
        for (int l : ORDRE_DES_LETTRES) {
            const auto i = static_cast<std::size_t>(l);
            if (a.degres[i] != b.degres[i])
                return a.degres[i] > b.degres[i];
        }
        return !a.constante && b.constante;
    });
    std::vector<Terme> ordonnes;
    ordonnes.reserve(termes.size());
    for (const Place &p : places)
        ordonnes.push_back(std::move(termes[p.indice]));
    termes = std::move(ordonnes);
}

// Same factors with the same exponents, in any order.
bool semblables(const Terme &a, const Terme &b)
{
    if (a.facteurs.size() != b.facteurs.size())
        return false;
    return std::all_of(a.facteurs.begin(), a.facteurs.end(), [&](const Facteur &f) {
        return std::any_of(b.facteurs.begin(), b.facteurs.end(), [&](const Facteur &g) {
            return f.base.cle == g.base.cle && f.exposant == g.exposant;
        });
    });
}

std::vector<Terme> reunit_termes_semblables(std::vector<Terme> termes)
{
    std::vector<Terme> reunis;
    reunis.reserve(termes.size());
    std::unordered_map<std::string, std::size_t> places;
    const bool table = termes.size() > ELEMENTS_SANS_TABLE;
    for (Terme &t : termes) {
        std::size_t place = reunis.size();
        if (table) {
            place = places.try_emplace(cle_monome(t), reunis.size()).first->second;
        } else {
            for (std::size_t k = 0; k < reunis.size(); ++k)
                if (semblables(reunis[k], t)) {
                    place = k;
                    break;
                }
        }
        if (place == reunis.size()) {
            reunis.push_back(std::move(t));
        } else {
            Terme &r = reunis[place];
            r.coefficient += t.coefficient;
            r.decimal = r.decimal || t.decimal;
        }
    }
    std::erase_if(reunis, [](const Terme &t) { return t.coefficient.est_nul(); });
    return reunis;
}

// Opens every term that is only a sum in parentheses; tells whether any was.
bool ouvre_parentheses(std::vector<Terme> &termes)
{
    if (std::none_of(termes.begin(), termes.end(), est_somme_seule))
        return false;
    bool ouvert = false;
    std::vector<Terme> ouverts;
    ouverts.reserve(termes.size());
    for (Terme &t : termes) {
        Somme s = depuis_terme(std::move(t));
        ouvert = ouvert || s.termes.size() > 1;
        for (Terme &u : s.termes)
            ouverts.push_back(std::move(u));
    }
    termes = std::move(ouverts);
    return ouvert;
}

} // namespace

Somme nombre(const Rationnel &valeur, bool decimal)
{
    if (valeur.est_nul())
        return {};
    Terme t;
    t.coefficient = valeur;
    t.decimal = decimal;
    return un_terme(std::move(t));
}

Somme lettre(char nom)
{
    Base b;
    b.genre = Base::Genre::lettre;
    b.nom = std::string(1, nom);
    b.cle = b.nom;
    return base_seule(std::move(b));
}

Somme vecteur(std::string points)
{
    Base b;
    b.genre = Base::Genre::vecteur;
    b.nom = std::move(points);
    b.cle = imprime_base(b);
    return base_seule(std::move(b));
}

Somme oppose(Somme a)
{
    for (Terme &t : a.termes)
        t.coefficient = -t.coefficient;
    return a;
}

Somme additionne(std::vector<Somme> sommes, Reduction reduction)
{
    std::size_t nombre_de_termes = 0;
    for (const Somme &s : sommes)
        nombre_de_termes += s.termes.size();
    std::vector<Terme> termes;
    termes.reserve(nombre_de_termes);
    for (Somme &s : sommes)
        for (Terme &t : s.termes)
            termes.push_back(std::move(t));

    if (reduction == Reduction::brute) {
        std::erase_if(termes, [](const Terme &t) { return t.coefficient.est_nul(); });
        ouvre_parentheses(termes);
        const bool que_des_nombres =
            std::all_of(termes.begin(), termes.end(), [](const Terme &t) { return t.est_nombre(); });
        if (termes.size() > 1 && que_des_nombres)
            termes = reunit_termes_semblables(std::move(termes));
        return Somme{std::move(termes)};
    }

    termes = reunit_termes_semblables(std::move(termes));
    for (int passe = 0; passe < PASSES_MAXIMUM && ouvre_parentheses(termes); ++passe)
        termes = reunit_termes_semblables(std::move(termes));
    ordonne_termes(termes);
    return Somme{std::move(termes)};
}

std::optional<Somme> multiplie(std::vector<Somme> facteurs, Reduction reduction)
{
    Terme produit;
    for (Somme &f : facteurs) {
        if (f.est_nulle())
            return Somme{};
        Terme t = en_terme(std::move(f));
        produit.coefficient *= t.coefficient;
        produit.decimal = produit.decimal || t.decimal;
        for (Facteur &facteur : t.facteurs)
            produit.facteurs.push_back(std::move(facteur));
    }
    return termine(std::move(produit), reduction);
}

std::optional<Somme> eleve(Somme base, const Somme &exposant, Reduction reduction)
{
    if (exposant.est_nombre())
        return eleve(std::move(base), exposant.nombre(), exposant.nombre_decimal(), reduction);
    Base b;
    b.genre = Base::Genre::puissance;
    b.arguments = {std::move(base), exposant};
    b.cle = imprime_base(b);
    return base_seule(std::move(b));
}

std::optional<Somme> eleve(Somme base, const Rationnel &n, bool decimal, Reduction reduction)
{
    if (base.est_nulle()) {
        if (n.signe() > 0)
            return Somme{};
        return std::nullopt;
    }
    if (n.est_nul())
        return nombre(Rationnel(1), false);
    if (n.est_un())
        return base;

    Terme t;
    if (base.est_nombre()) {
        const Rationnel q = base.nombre();
        const bool base_decimale = base.nombre_decimal();
        if (auto valeur = q.puissance(n))
            return nombre(*valeur, base_decimale || decimal);
        t.facteurs.push_back(Facteur{base_nombre(q, base_decimale), n});
        return termine(std::move(t), reduction);
    }
    if (base.termes.size() == 1) {
        Terme &b = base.termes.front();
        if (n.est_entier()) {
            if (auto coefficient = b.coefficient.puissance(n)) {
                b.coefficient = std::move(*coefficient);
                for (Facteur &f : b.facteurs)
                    f.exposant = f.exposant * n;
                return termine(std::move(b), reduction);
            }
        } else if (b.coefficient.est_un() && b.facteurs.size() == 1 && b.facteurs[0].exposant.est_un()) {
            b.facteurs[0].exposant = n;
            return termine(std::move(b), reduction);
        }
    }
    t.facteurs.push_back(Facteur{base_groupe(std::move(base)), n});
    return termine(std::move(t), reduction);
}

Somme applique(const std::string &fonction, Somme argument)
{
    if (argument.est_nombre()) {
        const Rationnel q = argument.nombre();
        const bool decimal = argument.nombre_decimal();
        if (fonction == "sqrt") {
            if (auto racine = q.racine_carree())
                return nombre(*racine, decimal);
        } else if (fonction == "abs") {
            return nombre(q.valeur_absolue(), decimal);
        } else if ((fonction == "sin" || fonction == "tan") && q.est_nul()) {
            return {};
        } else if ((fonction == "cos" || fonction == "exp") && q.est_nul()) {
            return nombre(Rationnel(1), false);
        } else if (fonction == "ln" && q.est_un()) {
            return {};
        }
    }
    Base b;
    b.genre = Base::Genre::fonction;
    b.nom = fonction;
    b.arguments.push_back(std::move(argument));
    b.cle = imprime_base(b);
    return base_seule(std::move(b));
}
