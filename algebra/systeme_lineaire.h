#pragma once
// How many pairs (x ; y) solve a system of two linear equations: one, none
// (the equations contradict each other, "0 = 1" once combined), or infinitely
// many (they say the same thing, "0 = 0" once combined).

#include <optional>
#include <string_view>

enum class SolutionsSysteme { une, aucune, une_infinite };

// Nothing when the text is not a system of two equations, or when one of
// them is not linear in x and y.
std::optional<SolutionsSysteme> solutions_du_systeme(std::string_view systeme);
