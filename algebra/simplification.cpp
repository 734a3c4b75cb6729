#include "algebra/simplification.h"

#include "algebra/denominateurs.h"
#include "algebra/fractions.h"
#include "algebra/racines_carrees.h"
#include "algebra/vecteurs.h"
#include "formula/normalise.h"

Issue simplifie(const EnonceLu &enonce, const OptionsCalcul &options)
{
    std::string r = enonce.saisi;
    vecteur_nul(r);
    groupe_denominateurs(r);
    r = normalise(r);
    simplifie_quotient(r);
    if (options.racines)
        return transforme(normalise(fusionne_racines(normalise(simplifie_racines(r)))));
    return transforme(fusionne_racines(r));
}
