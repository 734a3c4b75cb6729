#pragma once
// Writes a formula tree back as text, in two ways: the linear text the
// evaluator reads, every operand in parentheses and some nodes retouched
// (replaced, left out, or put in without parentheses), and the text a pupil
// reads ("(1 + 3)²", "2 × 5", "√12"), with letters and points replaced by
// values.

#include <map>
#include <string>
#include <vector>

#include "formula/arbre.h"

// A change of one node while writing: its text replaced (in parentheses,
// the operator before it kept), or put in as it is (no parentheses, as a
// pupil who forgets them), or, for a term of a sum, left out with its
// operator.
struct Retouche {
    enum class Genre { remplace, brut, omis };
    int noeud = -1;
    std::string texte;
    Genre genre = Genre::remplace;
};

// Values given to letters ('x', 'y'...) and to point names ('A', 'B'...).
using Valeurs = std::map<char, std::string>;

// The linear text of a node, the retouches applied, letters and points
// replaced by the values given (a vector PQ becomes Q - P).
std::string ecrit_lineaire(const Arbre &arbre, int noeud, const std::vector<Retouche> &retouches = {},
                           const Valeurs &valeurs = {});

// The text a pupil reads, with the fewest parentheses, letters replaced by
// the values given.
std::string ecrit_lisible(const Arbre &arbre, int noeud, const Valeurs &valeurs = {});
// The same for a linear text; the text itself when it does not read.
std::string texte_lisible(const std::string &texte, const Valeurs &valeurs = {});

// Groups around a node taken away.
int sans_groupe(const Arbre &arbre, int noeud);
