#pragma once
// From the tree of a formula to its normal form, written back as linear text:
// each member of a relation, line of a system, item of a "*et*" list, bound
// of an interval, part of a union and value of a set on its own, the
// structure kept. No text when some part has no value (1/0) or has an
// infinity where a number is needed.

#include <optional>
#include <string>

#include "formula/arbre.h"
#include "formula/calcul.h"

std::optional<Somme> forme_algebrique(const Arbre &arbre, int noeud, Reduction reduction);
std::optional<std::string> ecrit_forme_normale(const Arbre &arbre, Reduction reduction);
