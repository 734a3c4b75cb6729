#pragma once
// The tree of a formula as it was typed. Each node remembers the span of the
// linear text it was read from (byte offsets into the original text, blanks
// included), so that a caret position can be found in the drawn formula.
// Nodes live in one table and point to their children by index: a deep
// formula never makes a chain of owning pointers.

#include <string>
#include <vector>

enum class Genre : unsigned char {
    nombre,     // texte: the literal as typed, blanks removed ("0.50")
    lettre,     // texte: one letter "a".."z"
    vecteur,    // texte: the point names ("AB"); "o" is the zero vector
    infini,     // "inf"
    fonction,   // texte: sin cos tan abs ln sqrt exp; enfants: the argument
    puissance,  // enfants: base, exponent
    produit,    // enfants: factors; operateurs: '*', '/' or ' ' (implicit) before each, ' ' for the first
    somme,      // enfants: terms; operateurs: '+' or '-' before each (' ' for an unsigned first term)
    signe,      // texte: "-" or "+"; enfants: the signed operand
    groupe,     // parentheses; enfants: the content
    relation,   // texte: "=", "<", ">", "<=", ">="; enfants: the two members
    systeme,    // enfants: the lines
    liste,      // enfants: the items joined by "*et*"
    domaine,    // texte: the code; enfants: the variable, lower bound, upper bound
    reunion,    // enfants: the parts joined by "or", each written in parentheses
    ensemble,   // enfants: the values between "[" and "]"; texte: their separator
};

struct Noeud {
    Genre genre = Genre::nombre;
    std::string texte;
    std::vector<int> enfants;
    std::string operateurs;
    int debut = 0; // first byte of the span in the original text
    int fin = 0;   // one past the last byte
};

struct Arbre {
    std::vector<Noeud> noeuds;
    int racine = -1;

    const Noeud &operator[](int i) const { return noeuds[static_cast<std::size_t>(i)]; }
    Noeud &operator[](int i) { return noeuds[static_cast<std::size_t>(i)]; }
    int ajoute(Noeud noeud)
    {
        noeuds.push_back(std::move(noeud));
        return static_cast<int>(noeuds.size()) - 1;
    }
};
