#include "formula/forme_normale.h"

#include "formula/imprimeur.h"

namespace {

std::optional<Somme> produit(const Arbre &arbre, const Noeud &n, Reduction reduction)
{
    std::vector<Somme> facteurs;
    facteurs.reserve(static_cast<std::size_t>(n.nombre_enfants));
    for (int k = 0; k < n.nombre_enfants; ++k) {
        auto facteur = forme_algebrique(arbre, arbre.enfant(n, k), reduction);
        if (facteur && arbre.operateur(n, k) == '/')
            facteur = eleve(std::move(*facteur), Rationnel(-1), false, reduction);
        if (!facteur)
            return std::nullopt;
        facteurs.push_back(std::move(*facteur));
    }
    return multiplie(std::move(facteurs), reduction);
}

std::optional<Somme> somme(const Arbre &arbre, const Noeud &n, Reduction reduction)
{
    std::vector<Somme> termes;
    termes.reserve(static_cast<std::size_t>(n.nombre_enfants));
    for (int k = 0; k < n.nombre_enfants; ++k) {
        auto terme = forme_algebrique(arbre, arbre.enfant(n, k), reduction);
        if (!terme)
            return std::nullopt;
        termes.push_back(arbre.operateur(n, k) == '-' ? oppose(std::move(*terme)) : std::move(*terme));
    }
    return additionne(std::move(termes), reduction);
}

// "inf", "-inf" (any run of signs before "inf"), or no text.
std::optional<std::string> infini(const Arbre &arbre, int i)
{
    bool negatif = false;
    while (arbre[i].genre == Genre::signe) {
        negatif = negatif != (arbre.mot(arbre[i]) == "-");
        i = arbre.enfant(arbre[i], 0);
    }
    if (arbre[i].genre != Genre::infini)
        return std::nullopt;
    return negatif ? "-inf" : "inf";
}

std::optional<std::string> ecrit(const Arbre &arbre, int i, Reduction reduction);

// The parts of a structure written one by one and joined.
std::optional<std::string> ecrit_parties(const Arbre &arbre, const Noeud &n, Reduction reduction,
                                         std::string_view avant, std::string_view separateur,
                                         std::string_view apres)
{
    std::string texte;
    for (int k = 0; k < n.nombre_enfants; ++k) {
        auto partie = ecrit(arbre, arbre.enfant(n, k), reduction);
        if (!partie)
            return std::nullopt;
        if (k > 0)
            texte += separateur;
        texte += avant;
        texte += *partie;
        texte += apres;
    }
    return texte;
}

std::optional<std::string> entoure(const std::optional<std::string> &texte, std::string_view avant,
                                   std::string_view apres)
{
    if (!texte)
        return std::nullopt;
    return std::string(avant) + *texte + std::string(apres);
}

std::optional<std::string> ecrit(const Arbre &arbre, int i, Reduction reduction)
{
    const Noeud &n = arbre[i];
    switch (n.genre) {
    case Genre::systeme:
        return entoure(ecrit_parties(arbre, n, reduction, "", "\r\n", ""), "{", "}");
    case Genre::liste:
        return ecrit_parties(arbre, n, reduction, "", "*et*", "");
    case Genre::reunion:
        return ecrit_parties(arbre, n, reduction, "(", "or", ")");
    case Genre::ensemble:
        return entoure(ecrit_parties(arbre, n, reduction, "", arbre.mot(n), ""), "[", "]");
    case Genre::relation:
        return ecrit_parties(arbre, n, reduction, "", arbre.mot(n), "");
    case Genre::domaine:
        return entoure(ecrit_parties(arbre, n, reduction, "", ",", ""), "domain(",
                       "," + std::string(arbre.mot(n)) + ")");
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
    const auto enfant = [&](int k) { return forme_algebrique(arbre, arbre.enfant(n, k), reduction); };
    switch (n.genre) {
    case Genre::nombre: {
        const std::string_view chiffres = arbre.mot(n);
        auto valeur = Rationnel::depuis_decimal(chiffres);
        if (!valeur)
            return std::nullopt;
        return nombre(*valeur, chiffres.find('.') != std::string_view::npos);
    }
    case Genre::lettre:
        return lettre(arbre.mot(n)[0]);
    case Genre::vecteur:
        return vecteur(std::string(arbre.mot(n)));
    case Genre::fonction: {
        auto argument = enfant(0);
        if (!argument)
            return std::nullopt;
        return applique(std::string(arbre.mot(n)), std::move(*argument));
    }
    case Genre::puissance: {
        auto base = enfant(0);
        auto exposant = base ? enfant(1) : std::nullopt;
        if (!exposant)
            return std::nullopt;
        return eleve(std::move(*base), *exposant, reduction);
    }
    case Genre::produit:
        return produit(arbre, n, reduction);
    case Genre::somme:
        return somme(arbre, n, reduction);
    case Genre::signe: {
        auto operande = enfant(0);
        if (operande && arbre.mot(n) == "-")
            return oppose(std::move(*operande));
        return operande;
    }
    case Genre::groupe:
        return enfant(0);
    default:
        return std::nullopt;
    }
}

std::optional<std::string> ecrit_forme_normale(const Arbre &arbre, Reduction reduction)
{
    return ecrit(arbre, arbre.racine, reduction);
}
