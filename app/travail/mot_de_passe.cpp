#include "app/travail/mot_de_passe.h"

std::string majuscules_ascii(std::string texte)
{
    for (char &c : texte)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return texte;
}

bool mot_de_passe_correct(const std::string &tape, const std::string &attendu)
{
    return majuscules_ascii(tape) == attendu;
}

std::string TamponMotDePasse::frappe(const std::string &caractere)
{
    if (caractere == "\b" || caractere == ".") {
        // Take off one whole character, continuation bytes of UTF-8 included.
        while (!tampon_.empty() && (static_cast<unsigned char>(tampon_.back()) & 0xC0) == 0x80)
            tampon_.pop_back();
        if (!tampon_.empty())
            tampon_.pop_back();
        return caractere;
    }
    tampon_ += caractere;
    return "*";
}
