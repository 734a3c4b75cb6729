#include "app/travail/copie.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "app/travail/travail.h"
#include "core/encodage.h"

namespace {

std::string nom_exercice(const std::string &fichier)
{
    return fichier.empty() ? std::string() : texte_de(chemin_de(fichier).stem());
}

std::string points(int cout) { return cout > 0 ? " (−" + std::to_string(cout) + ")" : ""; }

} // namespace

std::vector<LignePage> copie_eleve(const Travail &travail, const std::string &date)
{
    const Partage &p = partage;
    std::vector<LignePage> l;
    auto titre = [&l](std::string t) { l.push_back({GenreLigne::titre, std::move(t)}); };
    auto texte = [&l](std::string t) { l.push_back({GenreLigne::texte, std::move(t)}); };
    auto formule = [&l](std::string t) { l.push_back({GenreLigne::formule, std::move(t)}); };

    const std::string nom = nom_exercice(p.fichier_exercice);
    titre("COPIE DE L'ELEVE");
    if (travail.enonce_eleve || nom.empty())
        texte("Exercice : énoncé tapé par l'élève");
    else
        texte("Exercice : " + nom);
    if (!travail.enonce_eleve && p.consigne != p.consigne_initiale)
        texte("Consigne : " + p.consigne);
    titre("ENONCE");
    formule(travail.etapes[1]);
    titre("ETAPES");
    const int derniere = std::min(p.etape, ETAPES_MAX);
    if (derniere < 2)
        texte("Aucune étape.");
    for (int i = 2; i <= derniere; ++i) {
        texte("Etape " + std::to_string(i) + " : " + travail.commentaires[i]);
        formule(travail.etapes[i]);
    }
    titre("AIDES LUES");
    if (travail.aides_lues.empty())
        texte("Aucune.");
    for (const AideLue &a : travail.aides_lues)
        texte((a.titre.empty() ? "Aide " + std::to_string(a.numero) : a.titre) + " : " + a.texte + points(a.cout));
    titre("REPONSES");
    if (travail.reponses_donnees.empty())
        texte("Aucune.");
    for (const ReponseDonnee &r : travail.reponses_donnees) {
        texte("Réponse : " + r.texte);
        texte(r.verdict + points(r.cout));
    }
    // Only an exercise's own statement, worked as a pupil, is marked.
    const bool notee = p.mode_eleve && !travail.enonce_eleve && !p.liste_solutions.empty();
    titre("NOTE : " + (notee ? std::to_string(p.note) + "/20" : std::string("non notée")));
    texte("Date : " + date);
    return l;
}

std::string date_du_jour()
{
    const std::chrono::year_month_day jour{
        std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    char texte[16];
    std::snprintf(texte, sizeof texte, "%02u/%02u/%04d", static_cast<unsigned>(jour.day()),
                  static_cast<unsigned>(jour.month()), static_cast<int>(jour.year()));
    return texte;
}

std::string nom_copie(const std::string &fichier_exercice)
{
    const std::string nom = nom_exercice(fichier_exercice);
    return (nom.empty() ? std::string("copie") : nom) + ".pdf";
}
