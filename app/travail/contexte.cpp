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

void retient_substitution(const Substitution &substitution)
{
    const VariableIsolee &v = substitution.isolee;
    (v.variable == 1 ? partage.expression_x : partage.expression_y) = v.valeur;
}
