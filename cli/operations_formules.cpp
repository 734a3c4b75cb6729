#include "cli/registre.h"
#include "formula/normalise.h"

namespace cli {

void enregistre_formules(Registre &r)
{
    r.operation("normalise", {"TEXTE"}, [](const Arguments &a) { return normalise(a[0]); });
    r.operation("normalise_brut", {"TEXTE"}, [](const Arguments &a) { return normalise_brut(a[0]); });
}

} // namespace cli
