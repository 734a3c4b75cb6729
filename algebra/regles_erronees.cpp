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

std::optional<Enonce> lis_enonce(const std::string &texte)
{
    std::optional<Arbre> a = lis_formule(sans_blancs(texte));
    if (!a)
        return std::nullopt;
    Enonce e{std::move(*a), 0, {}, {}};
    const Noeud &racine = e.arbre[e.arbre.racine];
    if (racine.genre == Genre::relation) {
        const std::string_view rel = e.arbre.mot(racine);
        e.nature = rel == "=" ? 1 : rel == "<" ? 2 : rel == ">" ? 3 : rel == "<=" ? 4 : 5;
        e.solutions = ensemble_solutions(e.arbre, e.arbre.racine);
    } else if (racine.genre == Genre::systeme) {
        e.nature = 6;
        if (racine.nombre_enfants == 2) {
            std::optional<Lineaire2> l[2];
            for (int k = 0; k < 2; ++k) {
                const int ligne = e.arbre.enfant(racine, k);
                if (e.arbre[ligne].genre == Genre::relation)
                    l[k] = lineaire_xy(ecrit_lineaire(e.arbre, e.arbre.enfant(e.arbre[ligne], 0)) + "-(" +
                                       ecrit_lineaire(e.arbre, e.arbre.enfant(e.arbre[ligne], 1)) + ")");
            }
            if (l[0] && l[1])
                e.couple = resout_systeme(*l[0], *l[1]);
        }
    } else if (racine.genre == Genre::liste || racine.genre == Genre::domaine || racine.genre == Genre::reunion ||
               racine.genre == Genre::ensemble) {
        return std::nullopt;
    }
    return e;
}

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

