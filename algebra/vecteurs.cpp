#include "algebra/vecteurs.h"

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

#include "algebra/algebre.h"
#include "formula/normalise.h"

namespace {

const std::string MARQUE = "..arrow";
// Chasles' relation looks for a pair among the first vectors of a member only.
constexpr std::size_t MAX_VECTEURS = 20;

bool est_point(char c) { return c >= 'A' && c <= 'Z'; }

bool un_de(std::string_view caracteres, char c) { return caracteres.find(c) != std::string_view::npos; }

// True when the arrow at position i ends a vector between two points, written
// with exactly two capital letters.
bool vecteur_avant(std::string_view texte, std::size_t i)
{
    return i >= 2 && est_point(texte[i - 2]) && est_point(texte[i - 1]) && (i == 2 || !est_point(texte[i - 3]));
}

} // namespace

Issue decompose_vecteur(const EnonceLu &enonce, const std::string &point)
{
    if (point.size() != 1 || !est_point(point[0]))
        return refuse("Il faut donner le nom d'un point (une lettre majuscule).");
    std::string texte = enonce.saisi;
    for (std::size_t p = texte.find(MARQUE); p != std::string::npos; p = texte.find(MARQUE, p + 1)) {
        if (!vecteur_avant(texte, p)) continue;
        const std::size_t debut = p - 2, fin = p + MARQUE.size();
        // A vector added as it is takes the point between its letters; one that
        // is subtracted, multiplied or divided is replaced by the bracketed sum.
        const bool ajoute = (debut == 0 || un_de("+(={\n", texte[debut - 1])) &&
                            (fin == texte.size() || !un_de("*/^", texte[fin]));
        if (ajoute)
            return transforme(texte.insert(p - 1, point + MARQUE + "+" + point));
        const std::string somme = "(" + texte.substr(debut, 1) + point + MARQUE + "+" + point +
                                  texte.substr(debut + 1, 1) + MARQUE + ")";
        return transforme(normalise(texte.replace(debut, fin - debut, somme)));
    }
    return refuse();
}

bool est_vecteur_seul(const EnonceLu &enonce)
{
    return enonce.nature == EXPRESSION && enonce.membres.front().parties.size() <= 1 &&
           contient(enonce.texte, "arrow") && enonce.texte.size() > 8;
}

namespace {

// A vector between two points, as the node of the tree holds it.
bool est_vecteur(const Arbre &arbre, int noeud)
{
    const Noeud &n = arbre[noeud];
    return n.genre == Genre::vecteur && n.longueur_mot == 2;
}

// The vector of a term that is one ('AB'), a product that begins with one
// ('AB*3'), or a one-character multiple of one ('3*AB'); -1 for any other term.
int vecteur_du_terme(const Arbre &arbre, int noeud)
{
    const Noeud &n = arbre[noeud];
    if (est_vecteur(arbre, noeud))
        return noeud;
    if (n.genre != Genre::produit)
        return -1;
    if (est_vecteur(arbre, arbre.enfant(n, 0)))
        return arbre.enfant(n, 0);
    const Noeud &k = arbre[arbre.enfant(n, 0)];
    const bool multiple = n.nombre_enfants == 2 && arbre.operateur(n, 1) == '*' && k.fin - k.debut == 1;
    return multiple && est_vecteur(arbre, arbre.enfant(n, 1)) ? arbre.enfant(n, 1) : -1;
}

} // namespace

Issue enleve_moins_vecteurs(const EnonceLu &enonce)
{
    if (!enonce.arbre || enonce.nature == SYSTEME || !contient(enonce.texte, "arrow")) return refuse();
    const Arbre &arbre = *enonce.arbre;
    // Each "-" written before a vector, as an operator of a sum or as a
    // sign, becomes "+" and the vector's points change places.
    std::string t = enonce.texte;
    bool change = false;
    const auto retourne = [&](std::size_t moins, int terme) {
        const int vecteur = vecteur_du_terme(arbre, terme);
        if (vecteur < 0) return;
        const auto lettres = static_cast<std::size_t>(arbre[vecteur].mot);
        t[moins] = '+';
        std::swap(t[lettres], t[lettres + 1]);
        change = true;
    };
    for (const Noeud &n : arbre.noeuds) {
        if (n.genre == Genre::signe && arbre.mot(n) == "-")
            retourne(static_cast<std::size_t>(n.debut), arbre.enfant(n, 0));
        for (int k = 1; n.genre == Genre::somme && k < n.nombre_enfants; ++k)
            if (arbre.operateur(n, k) == '-')
                retourne(static_cast<std::size_t>(arbre[arbre.enfant(n, k)].debut) - 1, arbre.enfant(n, k));
    }
    if (!change) return refuse();
    return transforme(normalise(t));
}

namespace {

// A change of the statement's text: the span [debut, fin) becomes texte.
struct Remplacement {
    std::size_t debut, fin;
    std::string texte;
};

// A vector added in a member: its part's rank, its node, and the number
// that multiplies it, written before it ("" for the vector alone).
struct VecteurAjoute {
    std::size_t rang;
    int noeud;
    std::string_view coefficient;
};

// The vectors of a member added as they are: terms with no sign or a "+"
// before them, each between two points, alone or after a number that
// multiplies it ('2AB..arrow', '2*AB..arrow'), neither divided nor raised to
// a power.
std::vector<VecteurAjoute> vecteurs_ajoutes(const EnonceLu &enonce, const Membre &m)
{
    const Arbre &arbre = *enonce.arbre;
    const auto vecteur = [&](int noeud) {
        return arbre[noeud].genre == Genre::vecteur && arbre[noeud].longueur_mot == 2;
    };
    std::vector<VecteurAjoute> vecteurs;
    for (std::size_t k = 0; k < m.parties.size() && vecteurs.size() < MAX_VECTEURS; ++k) {
        const int noeud = m.parties[k].noeud;
        const bool ajoute = k == 0 ? m.termes || m.parties.size() == 1 : m.parties[k - 1].operateur == '+';
        if (!ajoute || noeud < 0)
            continue;
        const Noeud &n = arbre[noeud];
        if (vecteur(noeud)) {
            vecteurs.push_back({k, noeud, {}});
        } else if (n.genre == Genre::produit && n.nombre_enfants == 2 && arbre.operateur(n, 1) != '/' &&
                   arbre[arbre.enfant(n, 0)].genre == Genre::nombre && vecteur(arbre.enfant(n, 1))) {
            const Noeud &nombre = arbre[arbre.enfant(n, 0)];
            vecteurs.push_back({k, arbre.enfant(n, 1), arbre.mot(nombre)});
        }
    }
    return vecteurs;
}

// The first pair AB + BC of a member, multiplied by the same number, merged
// into AC: the letters of the first vector, and the second term leaving with
// its "+" (a first term leaves the sign of the next one in place).
bool fusionne(const EnonceLu &enonce, const Membre &m, std::vector<Remplacement> &remplacements)
{
    const Arbre &arbre = *enonce.arbre;
    const std::vector<VecteurAjoute> vecteurs = vecteurs_ajoutes(enonce, m);
    for (const VecteurAjoute &premier : vecteurs)
        for (const VecteurAjoute &second : vecteurs) {
            const std::string_view a = arbre.mot(arbre[premier.noeud]), b = arbre.mot(arbre[second.noeud]);
            if (premier.rang == second.rang || a[1] != b[0] || premier.coefficient != second.coefficient)
                continue;
            const auto lettres = static_cast<std::size_t>(arbre[premier.noeud].mot);
            remplacements.push_back({lettres, lettres + 2, a[0] == b[1] ? "o" : std::string{a[0], b[1]}});
            const std::size_t k = second.rang;
            const Etendue e = m.parties[k].etendue;
            if (k > 0)
                remplacements.push_back({m.parties[k - 1].etendue.fin, e.fin, ""});
            else
                remplacements.push_back({e.debut, e.fin + (m.parties[0].operateur == '+' ? 1 : 0), ""});
            return true;
        }
    return false;
}

} // namespace

Issue chasles(const EnonceLu &enonce)
{
    if (!enonce.arbre || enonce.nature == SYSTEME || !contient(enonce.texte, "arrow")) return refuse();
    const Arbre &arbre = *enonce.arbre;
    // One pair merged, in the first member that has one: a vector never
    // crosses the relation sign.
    std::vector<Remplacement> remplacements;
    for (const Membre &m : enonce.membres)
        if (fusionne(enonce, m, remplacements)) break;
    // Every vector AA is the zero vector.
    for (const Noeud &n : arbre.noeuds) {
        const std::string_view lettres = arbre.mot(n);
        const auto debut = static_cast<std::size_t>(n.mot);
        const bool touche = std::any_of(remplacements.begin(), remplacements.end(), [&](const Remplacement &r) {
            return debut >= r.debut && debut < r.fin;
        });
        if (n.genre == Genre::vecteur && lettres.size() == 2 && lettres[0] == lettres[1] && !touche)
            remplacements.push_back({debut, debut + 2, "o"});
    }
    std::sort(remplacements.begin(), remplacements.end(),
              [](const Remplacement &a, const Remplacement &b) { return a.debut > b.debut; });
    std::string t = enonce.texte;
    for (const Remplacement &r : remplacements)
        t.replace(r.debut, r.fin - r.debut, r.texte);
    return transforme(std::move(t));
}

Issue vecteur_nul(const EnonceLu &enonce)
{
    std::string texte = enonce.saisi;
    if (contient(texte, "arrow") && contient(texte, "o" + MARQUE)) {
        remplace_chaque(texte, "o" + MARQUE, "0");
        texte = normalise(texte);
    }
    if (texte == "0") texte = "o" + MARQUE;
    if (texte == enonce.saisi) return refuse();
    return transforme(std::move(texte));
}
