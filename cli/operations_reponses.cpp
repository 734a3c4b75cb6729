#include "cli/registre.h"
#include "formula/sens.h"

namespace cli {

void enregistre_reponses(Registre &r)
{
    // How the answer check judges an answer against an expected answer of a
    // statement: "juste", "simplifiable" or "fausse", then the reason.
    r.operation("compare_reponse", {"ENONCE", "ATTENDUE", "REPONSE"}, [](const Arguments &a) {
        const Comparaison c = compare_reponses(a[1], a[2], nature_enonce(a[0]));
        constexpr const char *VERDICTS[] = {"juste", "simplifiable", "fausse"};
        return champs({VERDICTS[static_cast<int>(c.verdict)], c.raison});
    });
}

} // namespace cli
