#pragma once
// The start-up password: what the password box keeps of the keys typed, and
// the comparison with the stored password.

#include <string>

// Letters "a" to "z" upper-cased; every other byte unchanged.
std::string majuscules_ascii(std::string texte);

// The typed password matches the stored one once upper-cased (the stored one
// is upper-cased when read; an empty stored password accepts an empty entry).
bool mot_de_passe_correct(const std::string &tape, const std::string &attendu);

// The private buffer behind the password box, which itself shows only stars.
class TamponMotDePasse {
public:
    void vide() { tampon_.clear(); }
    // One character typed (UTF-8, one character): Backspace (8) and "." take
    // the last character off the buffer and reach the box unchanged; any other
    // is kept and the box shows "*" instead. Returns what the box receives.
    std::string frappe(const std::string &caractere);
    const std::string &tampon() const { return tampon_; }

private:
    std::string tampon_;
};
