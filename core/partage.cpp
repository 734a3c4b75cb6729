#include "core/partage.h"

#include <charconv>
#include <utility>

Partage partage;

void valeurs_par_defaut()
{
    Partage &p = partage;
    p.nombre_historique = 0;
    for (std::size_t i = 1; i <= 40; ++i) {
        p.historique_expressions[i].clear();
        p.historique_commentaires[i].clear();
    }
    p.autre_rang = 1;
    p.mode_tableau_signes = false;
    p.mode_aide = false;
    p.domaine = {};
    p.saisie_domaine = false;
    p.saisie_inequation = false;
    p.aides_a_imprimer = false;
    p.nature_exercice = 0;
    p.couleur_commentaire = 0x0290C0FF;
    p.fichier_exercice.clear();
    p.mode_eleve = false;
    p.saisie_depuis_prof = false;
    p.exercice_modifie = false;
    p.regles_nommees.clear();
}

void remet_a_zero_complet()
{
    partage = Partage{};
    valeurs_par_defaut();
    Partage &p = partage;
    p.option_reduire = p.option_fractions = p.option_racines = p.option_kalkul =
        p.option_simplif = p.option_factoriz = p.option_developpe = true;
}

TDsolu::TDsolu(std::string solution_, std::string_view texte_penalite, std::string commentaire_)
    : commentaire(std::move(commentaire_)), solution(std::move(solution_))
{
    const char *debut = texte_penalite.data();
    const char *fin = debut + texte_penalite.size();
    if (debut != fin && *debut == '+')
        ++debut;
    int valeur = 0;
    const auto [ptr, erreur] = std::from_chars(debut, fin, valeur);
    penalite = erreur == std::errc() && ptr == fin ? valeur : 0;
}
