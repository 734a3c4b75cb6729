// The reader of an inequation's solution set: intervals with brackets,
// relations, sets of values, unions and intersections, the program's text.

#include "formula/reponse_texte.h"

#include <algorithm>
#include <cmath>

#include "formula/lecteur.h"

namespace reponse_ecrite {

namespace {

Intervalle intervalle(std::string bas, std::string haut, bool bas_ouvert, bool haut_ouvert)
{
    return {std::move(bas), std::move(haut), bas_ouvert, haut_ouvert};
}

std::optional<std::string> borne(const std::string &texte)
{
    std::string b = sans_blancs(texte);
    if (b == "+inf")
        b = "inf";
    if (est_infini(b))
        return b;
    if (b.empty() || !lis_formule(b))
        return std::nullopt;
    return b;
}

// The program's own text: "domain(x,lower,upper,code)", "([v])", unions with "or".
std::optional<std::vector<Intervalle>> intervalles_du_programme(const std::string &texte)
{
    const std::optional<Arbre> arbre = lis_formule(texte);
    if (!arbre)
        return std::nullopt;
    std::vector<Intervalle> resultat;
    const auto texte_de = [&](int i) {
        const Noeud &n = (*arbre)[i];
        return sans_blancs(texte.substr(static_cast<std::size_t>(n.debut), static_cast<std::size_t>(n.fin - n.debut)));
    };
    const auto partie = [&](int i) {
        const Noeud &n = (*arbre)[i];
        if (n.genre == Genre::domaine) {
            const std::string_view code = arbre->mot(n);
            resultat.push_back(intervalle(texte_de(arbre->enfant(n, 1)), texte_de(arbre->enfant(n, 2)),
                                          code == "12" || code == "14", code == "12" || code == "15"));
            return true;
        }
        if (n.genre == Genre::ensemble) {
            for (int k = 0; k < n.nombre_enfants; ++k) {
                const std::string v = texte_de(arbre->enfant(n, k));
                resultat.push_back(intervalle(v, v, false, false));
            }
            return true;
        }
        return false;
    };
    const Noeud &racine = (*arbre)[arbre->racine];
    if (racine.genre == Genre::reunion) {
        for (int k = 0; k < racine.nombre_enfants; ++k)
            partie(arbre->enfant(racine, k));
    } else if (!partie(arbre->racine)) {
        return std::nullopt;
    }
    return resultat;
}

// "]a;b[", "[a,b]" and the other bracket shapes.
std::optional<Intervalle> intervalle_ecrit(const std::string &texte)
{
    const std::string t = sans_blancs(texte);
    if (t.size() < 3)
        return std::nullopt;
    const char ouvre = t.front(), ferme = t.back();
    if ((ouvre != '[' && ouvre != ']') || (ferme != '[' && ferme != ']'))
        return std::nullopt;
    const std::string dedans = t.substr(1, t.size() - 2);
    std::size_t separateur = dedans.find(';');
    if (separateur == std::string::npos && std::count(dedans.begin(), dedans.end(), ',') == 1)
        separateur = dedans.find(',');
    if (separateur == std::string::npos)
        return std::nullopt;
    const auto bas = borne(dedans.substr(0, separateur));
    const auto haut = borne(dedans.substr(separateur + 1));
    if (!bas || !haut)
        return std::nullopt;
    return intervalle(*bas, *haut, ouvre == ']', ferme == '[');
}


// "x<2", "2>=x", "-1<x<=3", "x=4".
std::optional<std::vector<Intervalle>> relation_ecrite(const std::string &texte)
{
    std::vector<std::string> membres;
    std::vector<std::string> signes;
    std::string membre;
    for (std::size_t i = 0; i < texte.size();) {
        if (texte[i] == '<' || texte[i] == '>' || texte[i] == '=') {
            std::string signe(1, texte[i]);
            if (i + 1 < texte.size() && texte[i + 1] == '=' && texte[i] != '=')
                signe += '=';
            signes.push_back(signe);
            membres.push_back(sans_blancs(membre));
            membre.clear();
            i += signe.size();
        } else {
            membre += texte[i++];
        }
    }
    membres.push_back(sans_blancs(membre));
    if (signes.empty() || signes.size() > 2)
        return std::nullopt;
    // Read from x: the relation x ? b for each side.
    Intervalle r = intervalle("-inf", "inf", true, true);
    for (std::size_t k = 0; k < signes.size(); ++k) {
        const bool x_a_gauche = membres[k] == "x";
        const bool x_a_droite = membres[k + 1] == "x";
        if (x_a_gauche == x_a_droite)
            return std::nullopt;
        const auto b = borne(x_a_gauche ? membres[k + 1] : membres[k]);
        if (!b || est_infini(*b))
            return std::nullopt;
        std::string s = signes[k];
        if (x_a_droite && s != "=")
            s = (s[0] == '<' ? ">" : "<") + s.substr(1);
        if (s == "=") {
            r = intervalle(*b, *b, false, false);
            continue;
        }
        if (s[0] == '<') {
            r.haut = *b;
            r.haut_ouvert = s.size() == 1;
        } else {
            r.bas = *b;
            r.bas_ouvert = s.size() == 1;
        }
    }
    return std::vector<Intervalle>{r};
}

// The common part of two sets of intervals.
std::vector<Intervalle> intersection(const std::vector<Intervalle> &a, const std::vector<Intervalle> &b)
{
    std::vector<Intervalle> r;
    for (const Intervalle &i : a)
        for (const Intervalle &j : b) {
            const double bi = position_reelle(i.bas), bj = position_reelle(j.bas), hi = position_reelle(i.haut), hj = position_reelle(j.haut);
            Intervalle k = i;
            if (bj > bi || (bj == bi && j.bas_ouvert)) {
                k.bas = j.bas;
                k.bas_ouvert = j.bas_ouvert;
            }
            if (hj < hi || (hj == hi && j.haut_ouvert)) {
                k.haut = j.haut;
                k.haut_ouvert = j.haut_ouvert;
            }
            const double bas = position_reelle(k.bas), haut = position_reelle(k.haut);
            if (bas < haut || (bas == haut && !k.bas_ouvert && !k.haut_ouvert))
                r.push_back(k);
        }
    return r;
}

} // namespace

LectureReponse lis_intervalles(const std::string &texte)
{
    Sens sens;
    sens.genre = Sens::Genre::intervalles;
    if (dit_sans_solution(texte))
        return {sens, {}};
    if (dit_tous_les_reels(texte)) {
        sens.intervalles.push_back(intervalle("-inf", "inf", true, true));
        return {sens, {}};
    }
    if (texte.find("domain(") != std::string::npos || texte.find("([") != std::string::npos) {
        const auto lus = intervalles_du_programme(sans_blancs(texte));
        if (!lus)
            return {std::nullopt, illisible_formule(texte)};
        if (lus->size() > PARTIES_MAX)
            return {std::nullopt, illisible("elle a trop d'intervalles.")};
        sens.intervalles = *lus;
        return {sens, {}};
    }
    const std::vector<std::string> parties = decoupe(texte, {"U", "ou", "or"});
    if (parties.size() > PARTIES_MAX)
        return {std::nullopt, illisible("elle a trop d'intervalles.")};
    for (const std::string &partie : parties) {
        std::optional<std::vector<Intervalle>> commun;
        const std::vector<std::string> morceaux = decoupe(partie, {"et", "*et*"});
        if (morceaux.size() > PARTIES_MAX)
            return {std::nullopt, illisible("elle a trop d'intervalles.")};
        for (const std::string &morceau : morceaux) {
            std::optional<std::vector<Intervalle>> lu;
            if (morceau.empty())
                return {std::nullopt, illisible("une partie de l'ensemble manque.")};
            if (morceau.front() == '[' || morceau.front() == ']')
                if (auto i = intervalle_ecrit(morceau))
                    lu = std::vector<Intervalle>{*i};
            if (!lu && morceau.front() == '{') {
                std::vector<Intervalle> points;
                for (const std::string &v : decoupe(sans_entourage(morceau, '{', '}'), {";", ","})) {
                    const auto b = borne(v);
                    if (!b || est_infini(*b))
                        return {std::nullopt, illisible_formule(v)};
                    points.push_back(intervalle(*b, *b, false, false));
                }
                lu = points;
            }
            if (!lu)
                lu = relation_ecrite(morceau);
            if (!lu) {
                if (!lis_formule(morceau))
                    return {std::nullopt, illisible_formule(morceau)};
                return {autre(texte), {}};
            }
            commun = commun ? intersection(*commun, *lu) : *lu;
        }
        sens.intervalles.insert(sens.intervalles.end(), commun->begin(), commun->end());
    }
    return {sens, {}};
}

} // namespace reponse_ecrite
