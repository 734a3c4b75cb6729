#pragma once
// Turns a parsed formula into boxes the way a teacher writes it: products
// without a sign ("2x", "3(x+1)") except "×" before a number, quotients
// stacked, exponents raised, "sqrt" as a radical, "abs" as bars, intervals in
// French notation, "*et*" read as "et", sets in braces, systems with a brace.

#include <string_view>

#include "formula/arbre.h"
#include "formula/widget/boites.h"

namespace dessin {

// `texte` is the text the tree was read from. Nodes from byte `limite` on
// were added to complete a text being typed: they are drawn lighter, and a
// letter there is shown as an empty square.
BoitePtr construit_boites(const Arbre &arbre, std::string_view texte, Polices &polices, qreal taille,
                          int limite);

} // namespace dessin
