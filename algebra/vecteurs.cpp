#include "algebra/vecteurs.h"

#include <cstddef>
#include <utility>
#include <vector>

#include "algebra/algebre.h"
#include "formula/normalise.h"

namespace {

const std::string MARQUE = "..arrow";
// One character in place of the marker while rewriting; a text that already
// holds it is left alone.
constexpr char FLECHE = '~';
constexpr std::size_t MAX_VECTEURS = 20;

bool est_point(char c) { return c >= 'A' && c <= 'Z'; }

bool un_de(std::string_view caracteres, char c) { return caracteres.find(c) != std::string_view::npos; }

// True when the arrow at position i ends a vector between two points, written
// with exactly two capital letters.
bool vecteur_avant(std::string_view texte, std::size_t i)
{
    return i >= 2 && est_point(texte[i - 2]) && est_point(texte[i - 1]) && (i == 2 || !est_point(texte[i - 3]));
}

struct Vecteur {
    std::size_t fleche;   // position of its arrow
};

} // namespace

void decompose_vecteur(std::string &texte, std::string_view point)
{
    if (point.size() != 1 || !est_point(point[0])) return;
    for (std::size_t p = texte.find(MARQUE); p != std::string::npos; p = texte.find(MARQUE, p + 1)) {
        if (!vecteur_avant(texte, p)) continue;
        const std::string par(point);
        const std::size_t debut = p - 2, fin = p + MARQUE.size();
        // A vector added as it is takes the point between its letters; one that
        // is subtracted, multiplied or divided is replaced by the bracketed sum.
        const bool ajoute = (debut == 0 || un_de("+(={\n", texte[debut - 1])) &&
                            (fin == texte.size() || !un_de("*/^", texte[fin]));
        if (ajoute) {
            texte.insert(p - 1, par + MARQUE + "+" + par);
        } else {
            const std::string somme = "(" + texte.substr(debut, 1) + par + MARQUE + "+" + par +
                                      texte.substr(debut + 1, 1) + MARQUE + ")";
            texte = normalise(texte.replace(debut, fin - debut, somme));
        }
        return;
    }
}

bool est_vecteur_seul(const EnonceLu &enonce)
{
    return enonce.nature == EXPRESSION && enonce.membres.front().parties.size() <= 1 &&
           contient(enonce.texte, "arrow") && enonce.texte.size() > 8;
}

Issue enleve_moins_vecteurs(const EnonceLu &enonce)
{
    const std::string &texte = enonce.saisi;
    if (!contient(texte, "arrow") || contient(texte, std::string(1, FLECHE))) return refuse();
    std::string t = (texte.starts_with("-") ? "0" : "0+") + texte;
    remplace_chaque(t, MARQUE, std::string(1, FLECHE));
    bool change = false;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] != FLECHE || !vecteur_avant(t, i)) continue;
        // '-AB~' or '-k*AB~' with a one-character k: the opposite vector is added.
        std::size_t moins = std::string::npos;
        if (i >= 3 && t[i - 3] == '-') moins = i - 3;
        else if (i >= 5 && t[i - 5] == '-' && t[i - 3] == '*') moins = i - 5;
        if (moins == std::string::npos) continue;
        t[moins] = '+';
        std::swap(t[i - 2], t[i - 1]);
        change = true;
    }
    if (!change) return refuse();
    remplace_chaque(t, std::string(1, FLECHE), MARQUE);
    return transforme(normalise(t));
}

Issue chasles(const EnonceLu &enonce)
{
    const std::string &texte = enonce.saisi;
    if (!contient(texte, "arrow") || contient(texte, std::string(1, FLECHE))) return refuse();
    std::string t = sans_blancs(std::string_view(texte));
    remplace_chaque(t, MARQUE, std::string(1, FLECHE));

    // The vectors added as they are: at the start or after a "+", and not
    // multiplied, divided or raised to a power.
    std::vector<Vecteur> vecteurs;
    for (std::size_t i = 0; i < t.size() && vecteurs.size() < MAX_VECTEURS; ++i) {
        if (t[i] != FLECHE || !vecteur_avant(t, i)) continue;
        const bool devant = i == 2 || t[i - 3] == '+';
        const bool derriere = i + 1 == t.size() || t[i + 1] == '+' || t[i + 1] == '-';
        if (devant && derriere) vecteurs.push_back({i});
    }

    bool fusion = false;
    for (std::size_t j = 0; j < vecteurs.size() && !fusion; ++j) {
        for (std::size_t k = 0; k < vecteurs.size() && !fusion; ++k) {
            const std::size_t fj = vecteurs[j].fleche, fk = vecteurs[k].fleche;
            if (j == k || t[fj - 1] != t[fk - 2]) continue;
            t[fj - 1] = t[fk - 1];
            // Vector k leaves with one "+": the one after it at the start, else the one before.
            if (fk == 2) t.erase(0, fk + 1 < t.size() && t[fk + 1] == '+' ? 4 : 3);
            else t.erase(fk - 3, 4);
            fusion = true;
        }
    }

    for (std::size_t i = 0; i < t.size(); ++i)
        if (t[i] == FLECHE && vecteur_avant(t, i) && t[i - 2] == t[i - 1]) {
            t.replace(i - 2, 2, "o");
            --i;
        }
    remplace_chaque(t, std::string(1, FLECHE), MARQUE);
    return transforme(std::move(t));
}

void vecteur_nul(std::string &texte)
{
    if (contient(texte, "arrow") && contient(texte, "o" + MARQUE)) {
        remplace_chaque(texte, "o" + MARQUE, "0");
        texte = normalise(texte);
    }
    if (texte == "0") texte = "o" + MARQUE;
}
