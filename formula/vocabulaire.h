#pragma once
// The words of the formula language whose letters are no variables: the
// names of its functions, and the words of its vectors, intervals and lists. Every reader of a formula text, in every layer, knows them from
// this one table, so that no letter of "exp" or "sqrt" is ever taken for a
// variable and no function is known to one reader and unknown to another.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

enum class Fonction : unsigned char { sin, cos, tan, abs, ln, sqrt, exp };

// Indexed by Fonction.
inline constexpr std::array<std::string_view, 7> NOMS_DE_FONCTIONS = {"sin", "cos", "tan", "abs",
                                                                      "ln",  "sqrt", "exp"};

inline constexpr std::string_view nom_de(Fonction f) { return NOMS_DE_FONCTIONS[static_cast<std::size_t>(f)]; }

// The function of that name, exactly.
std::optional<Fonction> fonction_nommee(std::string_view nom);

// The function whose name begins texte at position i (no two names begin
// alike, so at most one does).
std::optional<Fonction> fonction_en(std::string_view texte, std::size_t i);

// The other words whose letters are no variables.
inline constexpr std::array<std::string_view, 4> AUTRES_MOTS = {"..arrow", "domain", "inf", "*et*"};

// The length of the word of the language (a function name or another word)
// that begins texte at position i, 0 when none does.
std::size_t mot_en(std::string_view texte, std::size_t i);
