#pragma once
// A typed statement that cannot be what it looks like: the French message
// that tells the pupil why, instead of a step worked on a wrong reading.

#include <string>

inline constexpr const char *MESSAGE_SYSTEME =
    "Pour un système, commencez par « { » et passez à la ligne entre les équations.";
inline constexpr const char *MESSAGE_PARENTHESE_OUVERTE =
    "Il manque une parenthèse fermante « ) ».";
inline constexpr const char *MESSAGE_PARENTHESE_FERMEE =
    "Une parenthèse « ) » ferme une parenthèse qui n'a pas été ouverte.";

// Empty when the statement reads as a formula, or fails for another reason
// than two relation signs outside a system or unbalanced brackets.
std::string refus_enonce(const std::string &texte);
