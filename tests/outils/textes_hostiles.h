#pragma once

// Texts that every operation must survive: random bytes, deep nesting, huge
// sizes, and the check of what an operation makes of them.

#include <cmath>
#include <cstddef>
#include <random>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "tests/outils/oracle.h"

namespace outils {

// n bytes of any value, the same for the same seed.
inline std::string octets_au_hasard(std::size_t n, unsigned graine)
{
    std::mt19937 hasard(graine);
    std::string octets(n, ' ');
    for (char &c : octets)
        c = static_cast<char>(hasard() % 256);
    return octets;
}

// The text inside `profondeur` pairs of brackets.
inline std::string entre_parentheses(std::string_view milieu, std::size_t profondeur = 10000)
{
    return std::string(profondeur, '(') + std::string(milieu) + std::string(profondeur, ')');
}

// True when the text's values at the sample points stay within what doubles
// carry through a long computation: from 1e-12 to 1e12 in size.
inline bool valeurs_mesurables(const std::string &texte)
{
    for (double x : points_echantillon()) {
        const Valeur v = valeur_ordinaire(texte, x);
        if (v.lecture == Lecture::definie && !(std::fabs(v.nombre) > 1e-12 && std::fabs(v.nombre) < 1e12))
            return false;
    }
    return true;
}

// What an operation gives for a hostile text is sound when it is the text
// itself, nothing (a refusal), or a text of the same value and domain. Where
// the values pass what doubles carry ('(x+1)^99999'), a formula need only stay
// one; a text that is no formula does not become one.
inline testing::AssertionResult rendu_ou_equivalent(const std::string &texte, const std::string &resultat)
{
    if (resultat == texte || resultat.empty())
        return testing::AssertionSuccess();
    const bool formule = valeur_ordinaire(texte, 1).lecture != Lecture::illisible;
    if (formule && valeurs_mesurables(texte))
        return meme_valeur_et_domaine(texte, resultat, 0);
    if (formule == (valeur_ordinaire(resultat, 1).lecture != Lecture::illisible))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << apercu(texte) << (formule ? ", a formula," : ", which is no formula,")
                                       << " became " << apercu(resultat);
}

} // namespace outils
