#include "algebra/developpement.h"
#include "cli/registre.h"

namespace cli {

namespace {

// An operation that rewrites its text in place and answers a flag.
Execution sur_le_texte(bool (*operation)(std::string &))
{
    return [operation](const Arguments &a) {
        std::string t = a[0];
        const bool reussi = operation(t);
        return drapeau(reussi, t);
    };
}

} // namespace

void enregistre_developpement(Registre &r)
{
    r.operation("ordonne", {"TEXTE"}, sur_le_texte(ordonne));
    r.operation("developpe", {"TEXTE"}, sur_le_texte(developpe));
    r.operation("enleve_parentheses", {"TEXTE"}, sur_le_texte(enleve_parentheses));
    r.operation("en_somme", {"TEXTE"}, sur_le_texte(en_somme));
    r.operation("distribue", {"A", "B", "OPERATEUR"},
                [](const Arguments &a) { return distribue(a[0], a[1], a[2]); });
    r.operation("puissance_developpee", {"TEXTE", "I"}, [](const Arguments &a) {
        return puissance_developpee(entier(a[1]), TDalgebre(a[0]));
    });
}

} // namespace cli
