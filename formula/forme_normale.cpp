#include "formula/forme_normale.h"

#include "formula/imprimeur.h"

namespace {

std::optional<Somme> produit(const Arbre &arbre, const Noeud &n, Reduction reduction)
{
    auto resultat = forme_algebrique(arbre, n.enfants[0], reduction);
    for (std::size_t i = 1; resultat && i < n.enfants.size(); ++i) {
        auto facteur = forme_algebrique(arbre, n.enfants[i], reduction);
        if (!facteur)
            return std::nullopt;
        resultat = n.operateurs[i] == '/' ? divise(std::move(*resultat), std::move(*facteur), reduction)
                                          : multiplie(std::move(*resultat), std::move(*facteur), reduction);
    }
    return resultat;
}

std::optional<Somme> somme(const Arbre &arbre, const Noeud &n, Reduction reduction)
{
    std::vector<Somme> termes;
    termes.reserve(n.enfants.size());
    for (std::size_t i = 0; i < n.enfants.size(); ++i) {
        auto terme = forme_algebrique(arbre, n.enfants[i], reduction);
        if (!terme)
            return std::nullopt;
        termes.push_back(n.operateurs[i] == '-' ? oppose(std::move(*terme)) : std::move(*terme));
    }
    return additionne(std::move(termes), reduction);
}

// "inf", "-inf" (any run of signs before "inf"), or no text.
std::optional<std::string> infini(const Arbre &arbre, int i)
{
    bool negatif = false;
    while (arbre[i].genre == Genre::signe) {
        negatif = negatif != (arbre[i].texte == "-");
        i = arbre[i].enfants[0];
    }
    if (arbre[i].genre != Genre::infini)
        return std::nullopt;
    return negatif ? "-inf" : "inf";
}

std::optional<std::string> ecrit(const Arbre &arbre, int i, Reduction reduction);

// The parts of a structure written one by one and joined.
std::optional<std::string> ecrit_parties(const Arbre &arbre, const Noeud &n, Reduction reduction,
                                         const std::string &avant, const std::string &separateur,
                                         const std::string &apres)
{
    std::string texte;
    for (std::size_t k = 0; k < n.enfants.size(); ++k) {
        auto partie = ecrit(arbre, n.enfants[k], reduction);
        if (!partie)
            return std::nullopt;
        texte += (k == 0 ? "" : separateur) + avant + *partie + apres;
    }
    return texte;
}

std::optional<std::string> ecrit(const Arbre &arbre, int i, Reduction reduction)
{
    const Noeud &n = arbre[i];
    switch (n.genre) {
    case Genre::systeme: {
        auto lignes = ecrit_parties(arbre, n, reduction, "", "\r\n", "");
        return lignes ? std::optional<std::string>("{" + *lignes + "}") : std::nullopt;
    }
    case Genre::liste:
        return ecrit_parties(arbre, n, reduction, "", "*et*", "");
    case Genre::reunion:
        return ecrit_parties(arbre, n, reduction, "(", "or", ")");
    case Genre::ensemble: {
        auto valeurs = ecrit_parties(arbre, n, reduction, "", n.texte, "");
        return valeurs ? std::optional<std::string>("[" + *valeurs + "]") : std::nullopt;
    }
    case Genre::relation:
        return ecrit_parties(arbre, n, reduction, "", n.texte, "");
    case Genre::domaine: {
        auto bornes = ecrit_parties(arbre, n, reduction, "", ",", "");
        return bornes ? std::optional<std::string>("domain(" + *bornes + "," + n.texte + ")") : std::nullopt;
    }
    default:
        break;
    }
    if (auto inf = infini(arbre, i))
        return inf;
    auto forme = forme_algebrique(arbre, i, reduction);
    if (!forme)
        return std::nullopt;
    return imprime(*forme);
}

} // namespace

std::optional<Somme> forme_algebrique(const Arbre &arbre, int i, Reduction reduction)
{
    const Noeud &n = arbre[i];
    switch (n.genre) {
    case Genre::nombre: {
        auto valeur = Rationnel::depuis_decimal(n.texte);
        if (!valeur)
            return std::nullopt;
        return nombre(*valeur, n.texte.find('.') != std::string::npos);
    }
    case Genre::lettre:
        return lettre(n.texte[0]);
    case Genre::vecteur:
        return vecteur(n.texte);
    case Genre::fonction: {
        auto argument = forme_algebrique(arbre, n.enfants[0], reduction);
        if (!argument)
            return std::nullopt;
        return applique(n.texte, std::move(*argument));
    }
    case Genre::puissance: {
        auto base = forme_algebrique(arbre, n.enfants[0], reduction);
        auto exposant = base ? forme_algebrique(arbre, n.enfants[1], reduction) : std::nullopt;
        if (!exposant)
            return std::nullopt;
        return eleve(std::move(*base), *exposant, reduction);
    }
    case Genre::produit:
        return produit(arbre, n, reduction);
    case Genre::somme:
        return somme(arbre, n, reduction);
    case Genre::signe: {
        auto operande = forme_algebrique(arbre, n.enfants[0], reduction);
        if (operande && n.texte == "-")
            return oppose(std::move(*operande));
        return operande;
    }
    case Genre::groupe:
        return forme_algebrique(arbre, n.enfants[0], reduction);
    default:
        return std::nullopt;
    }
}

std::optional<std::string> ecrit_forme_normale(const Arbre &arbre, Reduction reduction)
{
    return ecrit(arbre, arbre.racine, reduction);
}
