#include "formula/enonce.h"

#include <algorithm>
#include <utility>

#include "formula/lecteur.h"

namespace {

// True when texte begins with "(" whose ")" is its last character.
bool entre_parentheses(std::string_view texte)
{
    if (texte.size() < 2 || texte.front() != '(')
        return false;
    int profondeur = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == '(')
            ++profondeur;
        else if (texte[i] == ')' && --profondeur == 0)
            return i == texte.size() - 1;
    }
    return false;
}

Nature nature_du_signe(std::string_view signe)
{
    static constexpr std::pair<std::string_view, Nature> relations[] = {
        {"<=", INFERIEUR_OU_EGAL}, {">=", SUPERIEUR_OU_EGAL}, {"<", INFERIEUR}, {">", SUPERIEUR}, {"=", EQUATION},
    };
    for (const auto &[mot, nature] : relations)
        if (signe == mot)
            return nature;
    return EXPRESSION;
}

Etendue etendue(const Noeud &n) { return {static_cast<std::size_t>(n.debut), static_cast<std::size_t>(n.fin)}; }

// Reads the parts of a member from its node.
void lit_parties(const Arbre &arbre, Membre &membre)
{
    // A sign in front of a product belongs to its first factor: '-2*x' is
    // the factors '-2' and 'x'.
    int haut = membre.noeud;
    while (arbre[haut].genre == Genre::signe)
        haut = arbre.enfant(arbre[haut], 0);
    const Noeud &n = arbre[haut];
    if (n.genre != Genre::somme && n.genre != Genre::produit) {
        membre.parties.push_back({membre.etendue, '\0', membre.noeud});
        return;
    }
    membre.termes = n.genre == Genre::somme;
    for (int k = 0; k < n.nombre_enfants; ++k) {
        const char avant = arbre.operateur(n, k);
        const int enfant = arbre.enfant(n, k);
        const Etendue e = etendue(arbre[enfant]);
        if (k > 0 && avant == ' ') {
            membre.parties.back().etendue.fin = e.fin;   // a factor written beside the previous one
            membre.parties.back().noeud = -1;
            continue;
        }
        if (k > 0)
            membre.parties.back().operateur = avant;
        membre.parties.push_back({e, '\0', enfant});
    }
    if (haut != membre.noeud) {
        membre.parties.front().etendue.debut = membre.etendue.debut;
        membre.parties.front().noeud = -1;
    }
}

// A member with its text as the only part: the member of a statement that
// does not read, or a line of a system.
Membre membre_entier(Etendue e, int noeud = -1)
{
    Membre m;
    m.noeud = noeud;
    m.etendue = e;
    if (e.fin > e.debut)
        m.parties.push_back({e, '\0', noeud});
    return m;
}

void lit_systeme(EnonceLu &enonce)
{
    std::string &texte = enonce.texte;
    texte.erase(0, texte.size() >= 2 && texte[1] == '\r' ? 3 : 1);
    const std::size_t saut = texte.find('\r');
    const std::size_t n = texte.size();
    std::size_t fin = n >= 3 && texte[n - 3] == '\r' ? n - 3 : (n >= 1 ? n - 1 : 0);
    // The last character goes whole, whatever its length in bytes.
    while (fin > 0 && (static_cast<unsigned char>(texte[fin]) & 0xC0) == 0x80)
        --fin;
    texte.erase(fin);
    enonce.nature = SYSTEME;
    enonce.mot_systeme = texte.find('=') != std::string::npos ? "équation" : "inéquation";

    enonce.arbre = lis_formule("{" + texte + "}");
    if (enonce.arbre) {
        const Arbre &arbre = *enonce.arbre;
        const Noeud &systeme = arbre[arbre.racine];
        for (int k = 0; k < systeme.nombre_enfants; ++k)
            enonce.equations.push_back(arbre.enfant(systeme, k));
    }
    const auto ligne = [&](std::size_t k) { return k < enonce.equations.size() ? enonce.equations[k] : -1; };
    // A system without a line break is one line with no second member.
    if (saut == std::string::npos || saut >= texte.size()) {
        enonce.membres.push_back(membre_entier({0, texte.size()}, ligne(0)));
        return;
    }
    enonce.position_relation = static_cast<int>(saut) + 1;
    enonce.membres.push_back(membre_entier({0, saut}, ligne(0)));
    const std::size_t debut_droit = std::min(saut + 2, texte.size());
    enonce.membres.push_back(
        membre_entier({debut_droit, texte.size()}, enonce.equations.size() == 2 ? ligne(1) : -1));
}

// The members of a statement that does not read, cut at its first relation
// sign.
void coupe_au_signe(EnonceLu &enonce)
{
    const std::string &texte = enonce.texte;
    static constexpr std::string_view signes[] = {"<=", ">=", "<", ">", "="};
    for (std::string_view signe : signes) {
        const std::size_t position = texte.find(signe);
        if (position == std::string::npos)
            continue;
        enonce.nature = nature_du_signe(signe);
        enonce.position_relation = static_cast<int>(position) + 1;
        enonce.membres.push_back(membre_entier({0, position}));
        const std::size_t debut_droit = std::min(position + signe.size(), texte.size());
        enonce.membres.push_back(membre_entier({debut_droit, texte.size()}));
        return;
    }
    enonce.membres.push_back(membre_entier({0, texte.size()}));
}

Membre membre_lu(const Arbre &arbre, int noeud)
{
    Membre m;
    m.noeud = noeud;
    m.etendue = etendue(arbre[noeud]);
    lit_parties(arbre, m);
    return m;
}

bool est_domaine(const Noeud &n) { return n.genre == Genre::domaine || n.genre == Genre::reunion; }

} // namespace

EnonceLu::EnonceLu(std::string_view t) : saisi(t)
{
    texte.reserve(t.size());
    for (char c : t)
        if (c != ' ')
            texte += c;
    if (texte.size() >= 3 && entre_parentheses(texte))
        texte = texte.substr(1, texte.size() - 2);
    if (!texte.empty() && texte[0] == '{') {
        lit_systeme(*this);
        return;
    }

    arbre = lis_formule(texte);
    if (!arbre) {
        coupe_au_signe(*this);
        return;
    }
    const Arbre &lu = *arbre;
    const Noeud &racine = lu[lu.racine];
    if (racine.genre == Genre::relation) {
        nature = nature_du_signe(lu.mot(racine));
        position_relation = racine.mot + 1;
        for (int k = 0; k < 2; ++k)
            membres.push_back(membre_lu(lu, lu.enfant(racine, k)));
        return;
    }
    if (est_domaine(racine))
        domaine = lu.racine;
    for (int k = 0; racine.genre == Genre::liste && k < racine.nombre_enfants && domaine < 0; ++k)
        if (est_domaine(lu[lu.enfant(racine, k)]))
            domaine = lu.enfant(racine, k);
    membres.push_back(membre_lu(lu, lu.racine));
}
