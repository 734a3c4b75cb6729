#pragma once
// A statement read once into its formula tree: its relation kind, its
// members, the parts of each member (the terms of the sum or the factors of
// the product at its top, with the operator written between them), the
// lines of a system, the domain when one is written, the place of the
// relation. The operations read the parts from here instead of cutting the
// text again.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formula/arbre.h"

// Relation kinds of a statement.
enum Nature : int {
    EXPRESSION = 0,
    EQUATION = 1,
    INFERIEUR = 2,
    SUPERIEUR = 3,
    INFERIEUR_OU_EGAL = 4,
    SUPERIEUR_OU_EGAL = 5,
    SYSTEME = 6,
};

// A span [debut, fin) of EnonceLu::texte.
struct Etendue {
    std::size_t debut = 0, fin = 0;
};

// A term of a sum or a factor of a product: its span, and the operator
// written after it ('+', '-', '*', '/'; '\0' after the last part). Factors
// written side by side ('2x', '3sqrt(2)') make one part, as a pupil reads
// them. A sign in front of a product stays with its first factor.
struct Partie {
    Etendue etendue;
    char operateur = '\0';
    // Its node when the part is one node of the tree as written; -1 for
    // factors side by side, for a first factor that carries the sign of
    // its product, and in a statement that does not read.
    int noeud = -1;
};

struct Membre {
    int noeud = -1;              // its node in the tree, -1 when the statement does not read
    Etendue etendue;
    bool termes = false;         // its parts are the terms of a sum (else factors, or one part)
    std::vector<Partie> parties; // none for an empty member
};

struct EnonceLu {
    explicit EnonceLu(std::string_view texte);

    // The statement as it was given, which a step that changes nothing gives back.
    std::string saisi;
    // The statement as its parts are written: blanks removed, one pair of
    // brackets around the whole taken away, a system's braces and outer line
    // breaks taken away.
    std::string texte;
    Nature nature = EXPRESSION;
    // The tree, when the statement reads; for a system it is read from the
    // text in braces, so its spans are one byte further than those of texte.
    std::optional<Arbre> arbre;
    // One member for an expression, two for a relation; for a system its
    // first line and the rest. Never empty.
    std::vector<Membre> membres;
    std::vector<int> equations;  // the line nodes of a system
    int domaine = -1;            // the node of a written domain, -1 without
    // 1-based position in texte of the relation sign or of a system's first
    // line break; 0 for an expression or a system of one line.
    int position_relation = 0;
    // "équation" or "inéquation", the kind of a system's lines.
    std::string mot_systeme;

    std::string_view ecrit(Etendue e) const { return std::string_view(texte).substr(e.debut, e.fin - e.debut); }
    // The text of member k (0 the left one), empty when there is none.
    std::string membre(std::size_t k) const
    {
        return k < membres.size() ? std::string(ecrit(membres[k].etendue)) : std::string();
    }
};

