#pragma once
// The comparison of two meanings read by lis_reponse. compare_sens(attendu,
// reponse) says whether the pupil's answer means the expected one (juste),
// means it in a shape that can still be finished (simplifiable: 2x+3x, 4/2,
// sqrt(12) where 2*sqrt(3) is expected), or not (fausse), with the reason in
// French. compare_expression_attendue does the same for two expression texts.

#include <string>
#include <string_view>

#include "formula/reponse.h"

enum class Verdict { juste, simplifiable, fausse };

struct Comparaison {
    Verdict verdict = Verdict::fausse;
    std::string raison;
};

inline constexpr std::string_view RAISON_JUSTE = "La réponse est juste.";
inline constexpr std::string_view RAISON_SIMPLIFIABLE = "Peut encore être simplifiée";
inline constexpr std::string_view RAISON_FACTORISEE = "La forme factorisée est attendue.";
inline constexpr std::string_view VALEUR_APPROCHEE = "Valeur approchée : la valeur exacte est attendue.";

Comparaison compare_sens(const Sens &attendu, const Sens &reponse);

// Two expressions: the same value and domain, in the shape the expected one
// has (developed, factored, roots and fractions simplified as far as it is).
Comparaison compare_expression_attendue(std::string_view attendue, std::string_view reponse);

// Both texts read as answers to a statement of that kind; an answer that
// cannot be read is fausse with the reader's message.
Comparaison compare_reponses(std::string_view attendue, std::string_view reponse, NatureEnonce nature);
