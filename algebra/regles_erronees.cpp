#include "algebra/regles_erronees.h"

#include <algorithm>

#include "algebra/ecriture_arbre.h"
#include "algebra/mecaniques.h"
#include "algebra/algebre.h"
#include "formula/lecteur.h"

namespace {

std::string sans_accents(std::string_view mot)
{
    std::string s;
    for (std::size_t i = 0; i < mot.size(); ++i) {
        if (mot.compare(i, 2, "é") == 0 || mot.compare(i, 2, "è") == 0) {
            s += 'e';
            ++i;
        } else {
            s += mot[i];
        }
    }
    return s;
}

std::vector<std::string> mots(const std::string &texte)
{
    std::vector<std::string> r;
    std::string mot;
    for (char c : texte + " ") {
        if (c == ' ' || c == ',') {
            if (!mot.empty())
                r.push_back(mot);
            mot.clear();
        } else {
            mot += c;
        }
    }
    return r;
}

} // namespace

std::optional<Tache> tache_de(std::string_view mot)
{
    const std::string m = sans_accents(mot);
    static constexpr std::pair<std::string_view, Tache> taches[] = {
        {"developper", Tache::developper}, {"factoriser", Tache::factoriser}, {"reduire", Tache::reduire},
        {"resoudre", Tache::resoudre},     {"simplifier", Tache::simplifier},
    };
    for (const auto &[nom, tache] : taches)
        if (m == nom)
            return tache;
    return std::nullopt;
}

const TexteRegle *BibliothequeRegles::trouve(std::string_view identifiant) const
{
    for (const TexteRegle &r : regles)
        if (r.identifiant == identifiant)
            return &r;
    return nullptr;
}

BibliothequeRegles lis_bibliotheque(const std::vector<std::string> &lignes)
{
    BibliothequeRegles b;
    for (const std::string &ligne : lignes) {
        if (ligne.empty() || ligne[0] == ';')
            continue;
        if (ligne.front() == '[' && ligne.back() == ']') {
            b.regles.push_back({ligne.substr(1, ligne.size() - 2), {}, {}, {}, {}});
            continue;
        }
        const std::size_t egal = ligne.find('=');
        if (b.regles.empty() || egal == std::string::npos)
            continue;
        const std::string cle = ligne.substr(0, egal), valeur = ligne.substr(egal + 1);
        TexteRegle &r = b.regles.back();
        if (cle == "NOM")
            r.nom = valeur;
        else if (cle == "JUSTE")
            r.juste = valeur;
        else if (cle == "EXPLICATION")
            r.explication = valeur;
        else if (cle == "AVEC")
            r.avec = mots(valeur);
    }
    return b;
}

std::optional<Enonce> lis_enonce(EnonceLu lu)
{
    if (!lu.arbre)
        return std::nullopt;
    const Genre genre = (*lu.arbre)[lu.arbre->racine].genre;
    if (genre == Genre::liste || genre == Genre::domaine || genre == Genre::reunion || genre == Genre::ensemble)
        return std::nullopt;
    Enonce e{std::move(*lu.arbre), lu.nature, {}, std::move(lu.equations), {}, {}};
    if (e.nature == SYSTEME) {
        if (e.lignes.size() != 2)
            return e;
        std::optional<Lineaire2> l[2];
        for (int k = 0; k < 2; ++k) {
            const Noeud &ligne = e.arbre[e.lignes[k]];
            if (ligne.genre == Genre::relation)
                l[k] = lineaire_xy(ecrit_lineaire(e.arbre, e.arbre.enfant(ligne, 0)) + "-(" +
                                   ecrit_lineaire(e.arbre, e.arbre.enfant(ligne, 1)) + ")");
        }
        if (l[0] && l[1])
            e.couple = resout_systeme(*l[0], *l[1]);
    } else if (e.nature != EXPRESSION) {
        for (const Membre &m : lu.membres)
            e.membres.push_back(m.noeud);
        e.solutions = ensemble_solutions(e.arbre, e.arbre.racine);
    }
    return e;
}

std::optional<Enonce> lis_enonce(const std::string &texte) { return lis_enonce(EnonceLu(texte)); }

const std::vector<Mecanique> &mecaniques()
{
    static const std::vector<Mecanique> toutes = [] {
        std::vector<Mecanique> m = mecaniques_expressions();
        const std::vector<Mecanique> r = mecaniques_relations();
        m.insert(m.end(), r.begin(), r.end());
        return m;
    }();
    return toutes;
}

const Mecanique *mecanique(std::string_view identifiant)
{
    for (const Mecanique &m : mecaniques())
        if (m.identifiant == identifiant)
            return &m;
    return nullptr;
}

std::vector<TermeSigne> termes(const Arbre &a, int noeud)
{
    noeud = sans_groupe(a, noeud);
    const Noeud &n = a[noeud];
    if (n.genre != Genre::somme)
        return {{noeud, false}};
    std::vector<TermeSigne> t;
    for (int k = 0; k < n.nombre_enfants; ++k)
        t.push_back({a.enfant(n, k), a.operateur(n, k) == '-'});
    return t;
}

std::vector<int> facteurs_produit(const Arbre &a, int noeud)
{
    noeud = sans_groupe(a, noeud);
    const Noeud &n = a[noeud];
    if (n.genre != Genre::produit)
        return {noeud};
    std::vector<int> f;
    for (int k = 0; k < n.nombre_enfants; ++k) {
        if (a.operateur(n, k) == '/')
            return {};
        const std::vector<int> sous = facteurs_produit(a, a.enfant(n, k));
        if (sous.empty())
            return {};
        f.insert(f.end(), sous.begin(), sous.end());
    }
    return f;
}

bool est_somme(const Arbre &a, int noeud)
{
    const Noeud &n = a[sans_groupe(a, noeud)];
    return n.genre == Genre::somme && n.nombre_enfants >= 2;
}

std::string signe(const std::string &texte, bool moins) { return (moins ? "-(" : "(") + texte + ")"; }

