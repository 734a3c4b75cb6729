#pragma once
// The keyboard rules of the formula input boxes, as pure functions on the
// box's text and caret, so that the widget and the tests share them.
//
// A key press reaches the rules as one message: a character typed, or a key
// that types none (arrows, Home, Tab, the "²" key...). The rules may change
// the message and post further ones, which go through the rules again; the
// box then does what a formula box does with each message.

#include <optional>
#include <string>
#include <vector>

enum class GenreMessage { touche, caractere };

struct Message {
    GenreMessage genre = GenreMessage::caractere;
    int code = 0;

    bool operator==(const Message &) const = default;
};

// Key and character codes the rules know.
inline constexpr int TOUCHE_EFFACE_ARRIERE = 8;
inline constexpr int TOUCHE_TABULATION = 9;
inline constexpr int TOUCHE_FIN = 35;
inline constexpr int TOUCHE_DEBUT = 36;
inline constexpr int TOUCHE_GAUCHE = 37;
inline constexpr int TOUCHE_DROITE = 39;
inline constexpr int TOUCHE_SUPPRIME = 46;
inline constexpr int TOUCHE_CARRE = 222;
inline constexpr int CARACTERE_RACINE = 18;          // the box's square-root key
inline constexpr int CARACTERE_RACINE_PRODUIT = 19;  // "*" then a square root
inline constexpr int CARACTERE_VECTEUR = 22;

// The signs of sets and relations a pupil types in an answer (∅ ℝ ≤ ≥ ∪ ∞),
// in UTF-8, by their code point; empty for any other code. The argument
// window's rules type them, with blanks and ";". For a text bound for an
// exercise file (Windows-1252 has none of these signs) they are written in
// the plain letters the answer reader also reads: {} R <= >= U inf.
std::string signe_ensemble(int code, bool pour_fichier = false);

// The text of a box and its caret, counted in bytes before it.
struct Saisie {
    std::string texte;
    int curseur = 0;

    bool operator==(const Saisie &) const = default;
};

// Puts the vector marker "..arrow" after the character before the caret (a
// "0" there becomes the zero vector "o"); the text is set again, so the caret
// goes to its end. Messages to post are appended to `postes`.
void vecteur(Saisie &saisie, std::vector<Message> &postes);

// What the rules make of one message before the box sees it: the message may
// be changed, the saisie may be rewritten (vector marker), and messages to post
// are appended to `postes`.
Message filtre_message(Saisie &saisie, Message message, bool mode_vecteurs,
                       std::vector<Message> &postes);

// What a formula box does with one message.
void applique_message(Saisie &saisie, Message message);

// The rules of one box for one message, as filtre_message.
using Filtre = Message (*)(Saisie &saisie, Message message, bool mode_vecteurs, std::vector<Message> &postes);

// One key press in a box, with every message it posts: each goes through
// `filtre`, then the box types it. A message whose code is `code_fin` is not
// typed and ends the press, which is then `finie`.
struct Frappe {
    Saisie saisie;
    bool finie = false;
};
Frappe frappe(Saisie saisie, Message message, bool mode_vecteurs, Filtre filtre,
              std::optional<int> code_fin = std::nullopt);

// One key press in the input box, with every message it posts: the new text
// and caret.
Saisie frappe(Saisie saisie, Message message, bool mode_vecteurs);
