#pragma once
// The tree of a formula as it was typed. Each node remembers the span of the
// linear text it was read from (byte offsets into the original text, blanks
// included), so that a caret position can be found in the drawn formula.
// Nodes, their links and their words live in a few flat tables of the tree:
// reading a formula allocates almost nothing, and a deep formula never makes
// a chain of owning pointers.

#include <string>
#include <string_view>
#include <vector>

enum class Genre : unsigned char {
    nombre,     // mot: the literal as typed ("0.50")
    lettre,     // mot: one letter "a".."z"
    vecteur,    // mot: the point names ("AB"); "o" is the zero vector
    infini,     // mot: "inf"
    fonction,   // mot: sin cos tan abs ln sqrt exp; child: the argument
    puissance,  // children: base, exponent
    produit,    // children: factors; operator before each: '*', '/' or ' ' (juxtaposition), ' ' for the first
    somme,      // children: terms; operator before each: '+' or '-', ' ' for the first
    signe,      // mot: "-" or "+"; child: the signed operand
    groupe,     // parentheses; child: the content
    relation,   // mot: "=", "<", ">", "<=", ">="; children: the two members
    systeme,    // children: the lines
    liste,      // children: the items joined by "*et*"
    domaine,    // mot: the code; children: the variable, lower bound, upper bound
    reunion,    // children: the parts joined by "or", each written in parentheses
    ensemble,   // children: the values between "[" and "]"; mot: their separator
};

struct Noeud {
    Genre genre = Genre::nombre;
    int debut = 0;           // first byte of the span in the original text
    int fin = 0;             // one past its last byte
    int mot = 0;             // the node's word in Arbre::texte
    int longueur_mot = 0;
    int premier_enfant = 0;  // its children in Arbre::enfants
    int nombre_enfants = 0;
};

struct Arbre {
    std::string texte;              // the formula without its blanks
    std::vector<Noeud> noeuds;
    std::vector<int> enfants;       // children of every node, each node's in a row
    std::string operateurs;         // the operator before each entry of enfants
    int racine = -1;

    const Noeud &operator[](int i) const { return noeuds[static_cast<std::size_t>(i)]; }
    std::string_view mot(const Noeud &n) const
    {
        return std::string_view(texte).substr(static_cast<std::size_t>(n.mot), static_cast<std::size_t>(n.longueur_mot));
    }
    int enfant(const Noeud &n, int k) const { return enfants[static_cast<std::size_t>(n.premier_enfant + k)]; }
    char operateur(const Noeud &n, int k) const { return operateurs[static_cast<std::size_t>(n.premier_enfant + k)]; }
};

// True when no letter nor vector stands anywhere under that node: a number,
// whatever functions and operations are applied to it.
inline bool sans_lettre(const Arbre &arbre, int noeud)
{
    const Noeud &n = arbre[noeud];
    if (n.genre == Genre::lettre || n.genre == Genre::vecteur)
        return false;
    for (int k = 0; k < n.nombre_enfants; ++k)
        if (!sans_lettre(arbre, arbre.enfant(n, k)))
            return false;
    return true;
}
