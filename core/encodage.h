#pragma once
// Texts live in memory as UTF-8; the program's files are Windows-1252 with
// CR LF line ends. This header converts between the two, reads such files
// whole (a file another editor wrote in UTF-8 is recognised and read as
// such), and writes them through a temporary file of their own so that a
// failure never destroys the previous one. Failures come back as French
// messages, never as exceptions.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Windows-1252 bytes to UTF-8. The five bytes that code page leaves undefined
// become the control characters of the same value, so every byte comes back.
std::string depuis_windows_1252(std::string_view octets);

// UTF-8 to Windows-1252. A character without a Windows-1252 byte, or a byte
// that is not valid UTF-8, becomes "?".
std::string vers_windows_1252(std::string_view utf8);

// The characters of a UTF-8 text that Windows-1252 cannot hold, each once, in
// the order met; a byte that is not valid UTF-8 counts as "\uFFFD".
std::vector<std::string> caracteres_hors_windows_1252(std::string_view utf8);

// True when the bytes are valid UTF-8 throughout.
bool est_utf8_valide(std::string_view octets);

// Length in bytes of the UTF-8 character at `position`; 0 when the bytes
// there are not a valid character.
std::size_t longueur_caractere_utf8(std::string_view texte, std::size_t position);

// The letters a to z made capitals; every other byte kept.
void majuscules(std::string &t);

// A path from a UTF-8 text and back, whatever the platform's own encoding.
std::filesystem::path chemin_de(std::string_view utf8);
std::string texte_de(const std::filesystem::path &chemin);

// Cuts a UTF-8 text after its first n characters.
void coupe_caracteres(std::string &texte, std::size_t n);

// Number of characters of a UTF-8 text.
std::size_t nombre_caracteres(std::string_view texte);

// Files of the program are small: a larger one is not read at all.
inline constexpr std::size_t TAILLE_FICHIER_MAX = 4 << 20;

// Longest text, in characters, that a statement or a line of a file may
// hold: far beyond any exercise, and short enough for every operation to
// answer at once.
inline constexpr std::size_t LONGUEUR_TEXTE_MAX = 10000;
bool texte_trop_long(std::string_view texte);
inline constexpr const char *MESSAGE_TEXTE_TROP_LONG =
    "Ce texte dépasse 10 000 caractères : le programme ne travaille pas sur un texte aussi long.";

enum class EtatLecture { lu, introuvable, illisible, trop_grand };

// Reads a text file whole, then gives it line by line (ends CR LF or LF
// alone) as UTF-8. Only ordinary files are read. A file that is valid UTF-8
// and starts with a byte-order mark or holds non-ASCII characters is read as
// UTF-8, any other as Windows-1252.
class LecteurLignes {
public:
    explicit LecteurLignes(const std::filesystem::path &chemin, std::size_t taille_max = TAILLE_FICHIER_MAX);

    bool ouvert() const { return etat_ == EtatLecture::lu; }
    EtatLecture etat() const { return etat_; }
    // What went wrong, in French, naming the file; empty when it was read.
    const std::string &message() const { return message_; }
    bool en_utf8() const { return utf8_; }
    // Number (from 1) of the first line holding a control character other
    // than a tab, as binary files do; 0 when there is none.
    std::size_t ligne_binaire() const { return ligne_binaire_; }
    std::size_t nombre_lignes() const { return lignes_.size(); }
    // Number (from 1) of the first line longer than `LONGUEUR_TEXTE_MAX`
    // characters; 0 when there is none.
    std::size_t ligne_trop_longue() const;
    // Number of the line the next `lit` gives, from 1.
    std::size_t numero() const { return suivante_ + 1; }

    // True when no line is left.
    bool fin() const { return suivante_ >= lignes_.size(); }
    // The next line; an empty text when no line is left.
    std::string lit();

private:
    EtatLecture etat_ = EtatLecture::introuvable;
    std::string message_;
    bool utf8_ = false;
    std::size_t ligne_binaire_ = 0;
    std::vector<std::string> lignes_;
    std::size_t suivante_ = 0;
};

// What a save gives back. On failure `message` says why in French and the
// previous file is untouched; `hors_format` lists the characters that the
// file cannot hold when they alone stopped the save.
struct Enregistrement {
    bool reussi = false;
    std::string message;
    std::vector<std::string> hors_format;
    explicit operator bool() const { return reussi; }
};

// What to do with characters that Windows-1252 cannot hold: stop and list
// them, or write "?" in their place.
enum class HorsFormat { refuser, remplacer };

// The question that offers to replace such characters.
std::string question_hors_format(const std::vector<std::string> &caracteres);

// Writes UTF-8 lines as a Windows-1252 file with CR LF ends (a line break
// inside a line becomes a blank). The bytes go to a fresh temporary file in
// the target's folder, reach the disk, then take the target's place in one
// rename; a symbolic link is followed, so the file it names is replaced and
// the link stays. The target keeps its mode, and its owner where the system
// allows. A read-only target is refused.
Enregistrement ecrit_fichier_texte(const std::filesystem::path &cible, const std::vector<std::string> &lignes,
                                   HorsFormat hors_format = HorsFormat::refuser);
