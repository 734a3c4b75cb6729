#pragma once
// The one wrap of a line of the print window: the first part takes
// characters while its width stays below the limit and, once it reaches the
// limit, up to the next blank; the rest, if any, goes on a second line as it is.

#include <functional>
#include <string>
#include <string_view>

// The width of a text in the units of the limit.
using MesureTexte = std::function<double(std::string_view)>;

inline constexpr double LARGEUR_LIGNE = 430;

struct LigneCoupee {
    std::string premiere;
    std::string reste;   // empty when the line fits
};

LigneCoupee coupe_ligne(std::string_view ligne, const MesureTexte &largeur,
                        double limite = LARGEUR_LIGNE);
