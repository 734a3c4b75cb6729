#pragma once
// The mechanics of the wrong rules, by kind of statement, and the tree tools
// they share.

#include <string>
#include <vector>

#include "algebra/regles_erronees.h"

std::vector<Mecanique> mecaniques_expressions();
std::vector<Mecanique> mecaniques_relations();

// A term of a sum with the sign written before it.
struct TermeSigne {
    int noeud;
    bool moins;
};
// The terms of a node: those of a sum (groups taken away), else the node alone.
std::vector<TermeSigne> termes(const Arbre &a, int noeud);
// The factors of a product (groups taken away, quotients not followed);
// empty for a product with a division.
std::vector<int> facteurs_produit(const Arbre &a, int noeud);
// A sum of at least two terms, groups taken away.
bool est_somme(const Arbre &a, int noeud);
// The text of a term with its sign: "-(t)" or "(t)".
std::string signe(const std::string &texte, bool moins);
