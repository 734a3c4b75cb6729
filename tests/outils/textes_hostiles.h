#pragma once

// Texts that every operation must survive quickly: random bytes, deep
// nesting, huge sizes.

#include <chrono>
#include <cstddef>
#include <random>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

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

// Runs the action on every text; all of them together must take less than
// `limite`.
template <class Textes, class Action>
void tous_en_moins_de(std::chrono::seconds limite, const Textes &textes, Action action)
{
    const auto debut = std::chrono::steady_clock::now();
    for (const std::string &texte : textes)
        action(texte);
    EXPECT_LT(std::chrono::steady_clock::now() - debut, limite);
}

} // namespace outils
