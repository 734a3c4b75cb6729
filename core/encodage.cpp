#include "core/encodage.h"

#include <array>
#include <cstdint>
#include <system_error>
#include <utility>

namespace {

// Characters of the bytes 0x80 to 0x9F; 0 marks the five undefined bytes,
// which stand for the control character of the same value.
constexpr std::array<char32_t, 32> CARACTERES_80_9F = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void ajoute_utf8(std::string &r, char32_t c)
{
    if (c < 0x80) {
        r += static_cast<char>(c);
    } else if (c < 0x800) {
        r += static_cast<char>(0xC0 | (c >> 6));
        r += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        r += static_cast<char>(0xE0 | (c >> 12));
        r += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        r += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The Windows-1252 byte of a character, or '?' when it has none.
char octet_windows_1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < CARACTERES_80_9F.size(); ++i) {
        const char32_t defini = CARACTERES_80_9F[i];
        if (defini == c || (defini == 0 && c == 0x80 + i))
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

// Decodes one UTF-8 character at `i`; gives its length, 0 when the bytes
// there are not a valid character.
std::size_t decode_utf8(std::string_view t, std::size_t i, char32_t &c)
{
    const auto octet = [&](std::size_t k) { return static_cast<unsigned char>(t[k]); };
    const unsigned char premier = octet(i);
    std::size_t longueur;
    char32_t minimum;
    if (premier < 0x80) {
        c = premier;
        return 1;
    } else if ((premier & 0xE0) == 0xC0) {
        longueur = 2, minimum = 0x80, c = premier & 0x1F;
    } else if ((premier & 0xF0) == 0xE0) {
        longueur = 3, minimum = 0x800, c = premier & 0x0F;
    } else if ((premier & 0xF8) == 0xF0) {
        longueur = 4, minimum = 0x10000, c = premier & 0x07;
    } else {
        return 0;
    }
    if (t.size() - i < longueur)
        return 0;
    for (std::size_t k = 1; k < longueur; ++k) {
        if ((octet(i + k) & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (octet(i + k) & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return longueur;
}

} // namespace

std::string depuis_windows_1252(std::string_view octets)
{
    std::string r;
    r.reserve(octets.size());
    for (char o : octets) {
        const unsigned char b = static_cast<unsigned char>(o);
        if (b < 0x80)
            r += o;
        else if (b < 0xA0 && CARACTERES_80_9F[b - 0x80] != 0)
            ajoute_utf8(r, CARACTERES_80_9F[b - 0x80]);
        else
            ajoute_utf8(r, b);
    }
    return r;
}

std::string vers_windows_1252(std::string_view utf8)
{
    std::string r;
    r.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        const std::size_t longueur = decode_utf8(utf8, i, c);
        if (longueur == 0) {
            r += '?';
            ++i;
        } else {
            r += octet_windows_1252(c);
            i += longueur;
        }
    }
    return r;
}

std::size_t longueur_caractere_utf8(std::string_view texte, std::size_t position)
{
    char32_t c = 0;
    return position < texte.size() ? decode_utf8(texte, position, c) : 0;
}

std::filesystem::path chemin_de(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string texte_de(const std::filesystem::path &chemin)
{
    const std::u8string u = chemin.u8string();
    return std::string(u.begin(), u.end());
}

void coupe_caracteres(std::string &texte, std::size_t n)
{
    std::size_t caracteres = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        // A byte 10xxxxxx continues the character before it.
        if ((static_cast<unsigned char>(texte[i]) & 0xC0) != 0x80 && caracteres++ == n) {
            texte.resize(i);
            return;
        }
    }
}

LecteurLignes::LecteurLignes(const std::filesystem::path &chemin)
{
    std::error_code erreur;
    if (!std::filesystem::is_regular_file(chemin, erreur))
        return;
    flux_.open(chemin, std::ios::binary);
    ouvert_ = flux_.is_open();
}

bool LecteurLignes::fin()
{
    return !ouvert_ || flux_.peek() == std::ifstream::traits_type::eof();
}

std::string LecteurLignes::lit()
{
    std::string ligne;
    if (!ouvert_)
        return ligne;
    std::streambuf &tampon = *flux_.rdbuf();
    using traits = std::ifstream::traits_type;
    for (auto c = tampon.sbumpc(); !traits::eq_int_type(c, traits::eof()); c = tampon.sbumpc()) {
        if (c == '\n')
            break;
        if (ligne.size() < LONGUEUR_MAX_LIGNE)
            ligne += traits::to_char_type(c);
    }
    if (!ligne.empty() && ligne.back() == '\r')
        ligne.pop_back();
    return depuis_windows_1252(ligne);
}

EcritureSure::EcritureSure(std::filesystem::path cible)
    : EcritureSure(cible, std::filesystem::path(cible) += ".tmp")
{
}

EcritureSure::EcritureSure(std::filesystem::path cible, std::filesystem::path temporaire)
    : cible_(std::move(cible)), temporaire_(std::move(temporaire))
{
    flux_.open(temporaire_, std::ios::binary | std::ios::trunc);
}

EcritureSure::~EcritureSure()
{
    if (termine_ || !flux_.is_open())
        return;
    flux_.close();
    std::error_code erreur;
    std::filesystem::remove(temporaire_, erreur);
}

bool EcritureSure::ouverte() const { return flux_.is_open(); }

void EcritureSure::ecrit_ligne(std::string_view ligne)
{
    if (!flux_.is_open())
        return;
    std::string octets = vers_windows_1252(ligne);
    for (char &c : octets)
        if (c == '\r' || c == '\n')
            c = ' ';
    flux_ << octets << "\r\n";
}

bool EcritureSure::termine()
{
    if (!flux_.is_open() || termine_)
        return false;
    flux_.close();
    std::error_code erreur;
    if (!flux_.fail())
        std::filesystem::rename(temporaire_, cible_, erreur);
    if (flux_.fail() || erreur) {
        std::filesystem::remove(temporaire_, erreur);
        return false;
    }
    termine_ = true;
    return true;
}
