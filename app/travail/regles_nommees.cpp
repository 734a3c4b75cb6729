#include "app/travail/regles_nommees.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <utility>

#include "core/encodage.h"
#include "core/partage.h"

const BibliothequeRegles &bibliotheque_regles()
{
    static std::string dossier_lu;
    static BibliothequeRegles bibliotheque;
    static bool lue = false;
    if (lue && dossier_lu == partage.dossier_programme)
        return bibliotheque;
    lue = true;
    dossier_lu = partage.dossier_programme;
    std::vector<std::string> lignes;
    LecteurLignes lecteur(chemin_de(dossier_lu) / FICHIER_REGLES_ERRONEES);
    while (lecteur.ouvert() && !lecteur.fin())
        lignes.push_back(lecteur.lit());
    bibliotheque = lis_bibliotheque(lignes);
    return bibliotheque;
}

Tache tache_de_consigne(const std::string &consigne)
{
    std::string c = consigne;
    std::transform(c.begin(), c.end(), c.begin(), [](unsigned char k) { return static_cast<char>(std::tolower(k)); });
    static constexpr std::pair<std::string_view, Tache> mots[] = {
        {"factoris", Tache::factoriser}, {"velopp", Tache::developper}, {"soudre", Tache::resoudre},
        {"simplifi", Tache::simplifier}, {"duire", Tache::reduire},
    };
    for (const auto &[mot, tache] : mots)
        if (c.find(mot) != std::string::npos)
            return tache;
    return Tache::aucune;
}

std::optional<Diagnostic> nomme_erreur(EnonceLu enonce, const std::string &texte, Tache tache)
{
    std::optional<Diagnostic> d = diagnostique(std::move(enonce), texte, tache, bibliotheque_regles());
    if (!d)
        return d;
    std::vector<std::string> &nommees = partage.regles_nommees;
    if (std::find(nommees.begin(), nommees.end(), d->identifiant) == nommees.end())
        nommees.push_back(d->identifiant);
    return d;
}

std::optional<Diagnostic> nomme_erreur(const std::string &enonce, const std::string &texte, Tache tache)
{
    return nomme_erreur(EnonceLu(enonce), texte, tache);
}
