#include "print/page_aide.h"

#include <algorithm>

#include "core/encodage.h"

LigneAide lit_ligne_aide(std::string_view ligne, CouleurAide &couleur)
{
    LigneAide resultat;
    if (!ligne.empty() && ligne.front() == '&') {
        resultat.formule = true;
        for (char c : ligne.substr(1)) {
            if (c == '@')
                resultat.texte += "\r\n";
            else
                resultat.texte += c;
        }
        resultat.couleur = couleur;
        return resultat;
    }
    if (ligne.size() >= 2 && ligne.front() == '#') {
        // A code other than 0, 1 or 2 is removed and keeps the colour in force.
        if (ligne[1] >= '0' && ligne[1] <= '2')
            couleur = static_cast<CouleurAide>(ligne[1] - '0');
        const std::size_t n = longueur_caractere_utf8(ligne, 1);
        ligne.remove_prefix(1 + std::max<std::size_t>(n, 1));
    }
    resultat.texte = std::string(ligne);
    resultat.couleur = couleur;
    return resultat;
}

PageAide lit_page_aide(const std::filesystem::path &chemin)
{
    PageAide page;
    LecteurLignes lecteur(chemin);
    if (!lecteur.ouvert()) {
        if (lecteur.etat() != EtatLecture::introuvable)
            page.erreur = lecteur.message();
        return page;
    }
    page.trouvee = true;
    page.titre = lecteur.lit();
    CouleurAide couleur = CouleurAide::noir;
    while (!lecteur.fin() && page.lignes.size() < LIGNES_AIDE_MAX)
        page.lignes.push_back(lit_ligne_aide(lecteur.lit(), couleur));
    return page;
}

std::size_t premiere_ligne_montree(int &page, std::size_t nombre_lignes)
{
    if (page < 1)
        page = 1;
    const std::size_t sautees = static_cast<std::size_t>(page - 1);
    if (sautees > nombre_lignes) {
        --page;
        return nombre_lignes;
    }
    return sautees;
}

const char *page_du_sujet(int bouton, bool mode_eleve)
{
    if (bouton == BOUTON_INDEX)
        return PAGE_AIDE_INDEX;
    if (bouton < 1 || bouton > 9)
        return nullptr;
    const char *page = PAGES_AIDE[bouton - 1];
    return mode_eleve && std::string_view(page) == PAGE_AIDE_ACCUEIL ? PAGE_AIDE_ELEVE : page;
}
