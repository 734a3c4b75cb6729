#include "app/travail/contexte.h"

#include "core/partage.h"

ContexteResolution contexte_resolution()
{
    const Partage &p = partage;
    return {p.base_systeme, p.expression_x, p.expression_y};
}

OptionsCalcul options_calcul()
{
    const Partage &p = partage;
    return {p.option_reduire, p.option_developpe, p.mode_vecteurs, p.option_racines, p.option_trinomes};
}

int retient_substitution(const Substitution &substitution)
{
    if (substitution.variable == 1)
        partage.expression_x = substitution.valeur;
    else if (substitution.variable == 2)
        partage.expression_y = substitution.valeur;
    return substitution.variable;
}
