// Operations of the numeric evaluator and of the equivalence test. A text
// without a value at the point gives an empty line.

#include <charconv>
#include <optional>
#include <string>

#include "algebra/equivalence.h"
#include "algebra/solutions.h"
#include "cli/registre.h"
#include "formula/valeur.h"

namespace cli {

namespace {

// The value of x given on the command line; 0 when it is not a number.
double reel(const std::string &texte)
{
    double valeur = 0;
    const char *debut = texte.data();
    if (!texte.empty() && texte[0] == '+')
        ++debut;
    if (std::from_chars(debut, texte.data() + texte.size(), valeur).ec != std::errc())
        return 0;
    return valeur;
}

} // namespace

void enregistre_evaluation(Registre &r)
{
    r.operation("evalue", {"TEXTE", "X"}, [](const Arguments &a) {
        const std::optional<double> v = valeur(a[0], reel(a[1]));
        return v ? nombre(*v) : std::string();
    });
    r.operation("compare_expressions", {"A", "B"},
                [](const Arguments &a) { return std::to_string(compare_expressions(a[0], a[1])); });
    r.operation("egal_en_un_point", {"A", "B"},
                [](const Arguments &a) { return std::string(egal_en_un_point(a[0], a[1]) ? "true" : "false"); });
    r.operation("ordonne_deux", {"A", "B"}, [](const Arguments &a) {
        std::string x = a[0], y = a[1];
        ordonne_deux(x, y);
        return champs({x, y});
    });
    r.operation("ordonne_trois", {"A", "B", "C"}, [](const Arguments &a) {
        std::string x = a[0], y = a[1], z = a[2], brouillon;
        ordonne_trois(x, y, z, brouillon, brouillon, brouillon);
        return champs({x, y, z});
    });
}

} // namespace cli
