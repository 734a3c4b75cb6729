#pragma once
// Texts live in memory as UTF-8; the program's files are Windows-1252 with
// CR LF line ends. This header converts between the two (every byte sequence
// gives a text), reads and writes such files line by line, and writes a file
// through a temporary copy so that a failure never destroys the previous one.

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

// Windows-1252 bytes to UTF-8. The five bytes that code page leaves undefined
// become the control characters of the same value, so every byte comes back.
std::string depuis_windows_1252(std::string_view octets);

// UTF-8 to Windows-1252. A character without a Windows-1252 byte, or a byte
// that is not valid UTF-8, becomes "?".
std::string vers_windows_1252(std::string_view utf8);

// Length in bytes of the UTF-8 character at `position`; 0 when the bytes
// there are not a valid character.
std::size_t longueur_caractere_utf8(std::string_view texte, std::size_t position);

// A path from a UTF-8 text and back, whatever the platform's own encoding.
std::filesystem::path chemin_de(std::string_view utf8);
std::string texte_de(const std::filesystem::path &chemin);

// Cuts a UTF-8 text after its first n characters.
void coupe_caracteres(std::string &texte, std::size_t n);

// Longest line kept by the line reader; the rest of a longer line is skipped.
inline constexpr std::size_t LONGUEUR_MAX_LIGNE = 1 << 20;

// Reads a Windows-1252 text file line by line (ends CR LF or LF alone),
// giving UTF-8 lines. Only ordinary files are opened; a read error counts as
// the end of the file.
class LecteurLignes {
public:
    explicit LecteurLignes(const std::filesystem::path &chemin);

    bool ouvert() const { return ouvert_; }
    // True when no line is left.
    bool fin();
    // The next line; an empty text when no line is left.
    std::string lit();

private:
    std::ifstream flux_;
    bool ouvert_ = false;
};

// Writes a Windows-1252 file with CR LF line ends into a temporary file next
// to the target; `termine` puts it in place of the target in one rename. Until
// then the target is untouched, and an unfinished temporary file is removed.
class EcritureSure {
public:
    // The temporary file is the target's name followed by ".tmp".
    explicit EcritureSure(std::filesystem::path cible);
    EcritureSure(std::filesystem::path cible, std::filesystem::path temporaire);
    ~EcritureSure();
    EcritureSure(const EcritureSure &) = delete;
    EcritureSure &operator=(const EcritureSure &) = delete;

    bool ouverte() const;
    // Writes one UTF-8 line followed by CR LF; a line break inside the text
    // becomes a blank, so that one call always gives one line.
    void ecrit_ligne(std::string_view ligne);
    // Closes the temporary file and renames it over the target. False when
    // anything failed: the target then keeps its previous content.
    bool termine();

private:
    std::filesystem::path cible_;
    std::filesystem::path temporaire_;
    std::ofstream flux_;
    bool termine_ = false;
};
