#include "algebra/simplification.h"

#include "algebra/denominateurs.h"
#include "algebra/fractions.h"
#include "algebra/racines_carrees.h"
#include "algebra/vecteurs.h"
#include "formula/normalise.h"

Issue simplifie(const EnonceLu &enonce, const OptionsCalcul &options)
{
    const Issue sans_vecteur_nul = vecteur_nul(enonce);
    std::string r = sans_vecteur_nul ? sans_vecteur_nul->texte : enonce.saisi;
    groupe_denominateurs(r);
    r = normalise(r);
    simplifie_quotient(r);
    if (options.racines)
        return transforme(normalise(fusionne_racines(normalise(simplifie_racines(r)))));
    return transforme(fusionne_racines(r));
}
