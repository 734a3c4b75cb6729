#pragma once
// The engine's evaluator checked against ordinary rules on the normal forms
// of random formulas, for the property test and the property benchmark.

#include <cctype>
#include <cmath>
#include <string>

#include "core/evaluateur.h"
#include "tests/formula/expressions_aleatoires.h"

namespace essai {

// The engine's own evaluator on the normal form, where its rules agree with
// ordinary ones: x only, small values and products (it caps products at
// 9 999 999), few literals, no negative base.
inline std::string verifie_avec_evalue(const std::string &texte)
{
    const std::string forme = normalise(texte);
    if (forme.size() > 200 || forme.find('y') != std::string::npos || forme.find('a') != std::string::npos)
        return {};
    int litteraux = 0;
    for (std::size_t k = 0; k < forme.size(); ++k)
        if (std::isdigit(static_cast<unsigned char>(forme[k])) &&
            (k == 0 || (!std::isdigit(static_cast<unsigned char>(forme[k - 1])) && forme[k - 1] != '.')))
            ++litteraux;
    if (litteraux > 9 || forme.find("^(-") != std::string::npos || forme.find(")^(") != std::string::npos)
        return {};
    for (double x : {0.37, 1.29, 2.71}) {
        const double attendu = valeur(texte, {{'x', x}});
        double plus_grand_produit = 0;
        valeur(forme, {{'x', x}}, &plus_grand_produit);
        const double obtenu = evalue(forme, x);
        if (!std::isfinite(attendu) || std::fabs(attendu) > 1000 || plus_grand_produit >= 9999999 ||
            obtenu == ERREUR_EVALUATION)
            continue;
        if (!proches(attendu, obtenu))
            return "evalue(" + forme + ") is " + std::to_string(obtenu) + ", not " + std::to_string(attendu);
    }
    return {};
}

} // namespace essai
