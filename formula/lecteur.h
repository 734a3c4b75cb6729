#pragma once
// The reader of the linear formula text. It follows ordinary mathematical
// rules: "^" binds tighter than a sign and groups from the right, "*" and "/"
// group from the left, a sign may follow an operator, juxtaposition is a
// product. Blanks are ignored. It refuses (no tree) any text that does not
// parse, and texts nested deeper than PROFONDEUR_MAXIMALE or holding a number
// longer than CHIFFRES_MAXIMUM characters.

#include <optional>
#include <string_view>

#include "formula/arbre.h"

inline constexpr int PROFONDEUR_MAXIMALE = 200;
inline constexpr int CHIFFRES_MAXIMUM = 60;

std::optional<Arbre> lis_formule(std::string_view texte);
