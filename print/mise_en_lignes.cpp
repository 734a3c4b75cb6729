#include "print/mise_en_lignes.h"

#include "core/encodage.h"

LigneCoupee coupe_ligne(std::string_view ligne, const MesureTexte &largeur, double limite)
{
    std::size_t position = 0;
    while (position < ligne.size() && largeur(ligne.substr(0, position)) < limite) {
        const std::size_t n = longueur_caractere_utf8(ligne, position);
        position += n == 0 ? 1 : n;
    }
    if (position < ligne.size()) {
        const std::size_t blanc = ligne.find(' ', position);
        position = blanc == std::string_view::npos ? ligne.size() : blanc + 1;
    }
    LigneCoupee coupe{std::string(ligne.substr(0, position)), std::string(ligne.substr(position))};
    return coupe;
}
