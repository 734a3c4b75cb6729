#include "app/travail/contexte.h"

#include "core/partage.h"

ContexteResolution contexte_resolution()
{
    const Partage &p = partage;
    return {p.accepte_inf, p.base_systeme, p.expression_x, p.expression_y};
}
