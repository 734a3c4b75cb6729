#include "formula/normalise.h"

#include <algorithm>

namespace {
std::string sans_espaces(std::string_view texte)
{
    std::string r(texte);
    r.erase(std::remove(r.begin(), r.end(), ' '), r.end());
    return r;
}
} // namespace

// Pass-through until the formula language reads and rewrites the text.
std::string normalise(std::string_view texte) { return sans_espaces(texte); }
std::string normalise_brut(std::string_view texte) { return sans_espaces(texte); }
