#include "core/encodage.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
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

std::vector<std::string> caracteres_hors_windows_1252(std::string_view utf8)
{
    std::vector<std::string> r;
    const auto ajoute = [&r](std::string c) {
        if (std::find(r.begin(), r.end(), c) == r.end())
            r.push_back(std::move(c));
    };
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        const std::size_t longueur = decode_utf8(utf8, i, c);
        if (longueur == 0)
            ajoute("\uFFFD");
        else if (octet_windows_1252(c) == '?' && c != '?')
            ajoute(std::string(utf8.substr(i, longueur)));
        i += std::max<std::size_t>(longueur, 1);
    }
    return r;
}

bool est_utf8_valide(std::string_view octets)
{
    for (std::size_t i = 0; i < octets.size();) {
        char32_t c = 0;
        const std::size_t longueur = decode_utf8(octets, i, c);
        if (longueur == 0)
            return false;
        i += longueur;
    }
    return true;
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

std::size_t nombre_caracteres(std::string_view texte)
{
    return static_cast<std::size_t>(std::count_if(texte.begin(), texte.end(), [](char o) {
        return (static_cast<unsigned char>(o) & 0xC0) != 0x80;
    }));
}

bool texte_trop_long(std::string_view texte)
{
    // Most texts are decided by their byte count alone.
    return texte.size() > LONGUEUR_TEXTE_MAX && (texte.size() > 4 * LONGUEUR_TEXTE_MAX ||
                                                 nombre_caracteres(texte) > LONGUEUR_TEXTE_MAX);
}

// ---------------------------------------------------------------- reading

namespace {

// The system's reason for a failure, in French.
std::string raison(int code)
{
    switch (code) {
    case EIO: return "erreur de lecture ou d'écriture du support (disque ou clé endommagé ?)";
    case ENOSPC: return "le disque est plein";
    case EDQUOT: return "le quota de disque est dépassé";
    case EACCES:
    case EPERM: return "accès refusé";
    case EROFS: return "le support est en lecture seule";
    case ENOENT: return "le dossier ou le fichier n'existe pas";
    case ENOTDIR: return "un élément du chemin n'est pas un dossier";
    case EISDIR: return "c'est un dossier";
    case ENAMETOOLONG: return "le nom est trop long";
    case ELOOP: return "trop de liens symboliques";
    case ETXTBSY:
    case EBUSY: return "le fichier est occupé";
    default: return "erreur du système n° " + std::to_string(code);
    }
}

// Closes a file descriptor when it goes out of scope.
struct Descripteur {
    int fd = -1;
    ~Descripteur()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Reads the whole file into `octets`; the error number, 0 when it worked,
// -1 when the file is larger than `taille_max`.
int lit_octets(const std::filesystem::path &chemin, std::size_t taille_max, std::string &octets)
{
    Descripteur f{::open(chemin.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)};
    if (f.fd < 0)
        return errno;
    char tampon[1 << 16];
    for (;;) {
        const ssize_t n = ::read(f.fd, tampon, sizeof tampon);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return 0;
        if (octets.size() + static_cast<std::size_t>(n) > taille_max)
            return -1;
        octets.append(tampon, static_cast<std::size_t>(n));
    }
}

} // namespace

LecteurLignes::LecteurLignes(const std::filesystem::path &chemin, std::size_t taille_max)
{
    const std::string nom = texte_de(chemin);
    std::error_code erreur;
    if (!std::filesystem::is_regular_file(chemin, erreur)) {
        message_ = std::filesystem::exists(chemin, erreur) ? nom + " n'est pas un fichier ordinaire."
                                                           : "Le fichier " + nom + " est introuvable.";
        return;
    }
    std::string octets;
    const int code = lit_octets(chemin, taille_max, octets);
    if (code == -1) {
        etat_ = EtatLecture::trop_grand;
        message_ = "Le fichier " + nom + " est trop grand (plus de " + std::to_string(taille_max >> 20) +
                   " Mo) : le programme ne lit pas un fichier de cette taille.";
        return;
    }
    if (code != 0) {
        etat_ = EtatLecture::illisible;
        message_ = "Le fichier " + nom + " n'a pas pu être lu : " + raison(code) + ".";
        return;
    }
    etat_ = EtatLecture::lu;
    constexpr std::string_view MARQUE = "\xEF\xBB\xBF";
    std::string_view texte = octets;
    const bool marque = texte.starts_with(MARQUE);
    const bool ascii =
        std::all_of(texte.begin(), texte.end(), [](char o) { return static_cast<unsigned char>(o) < 0x80; });
    utf8_ = !ascii && est_utf8_valide(texte);
    if (utf8_ && marque)
        texte.remove_prefix(MARQUE.size());
    for (std::size_t debut = 0; debut < texte.size();) {
        std::size_t fin = texte.find('\n', debut);
        if (fin == std::string_view::npos)
            fin = texte.size();
        std::string_view ligne = texte.substr(debut, fin - debut);
        if (ligne.ends_with('\r'))
            ligne.remove_suffix(1);
        const bool controle = std::any_of(ligne.begin(), ligne.end(), [](char o) {
            const auto b = static_cast<unsigned char>(o);
            return (b < 0x20 && b != '\t') || b == 0x7F;
        });
        if (controle && ligne_binaire_ == 0)
            ligne_binaire_ = lignes_.size() + 1;
        lignes_.push_back(utf8_ ? std::string(ligne) : depuis_windows_1252(ligne));
        debut = fin + 1;
    }
}

std::size_t LecteurLignes::ligne_trop_longue() const
{
    for (std::size_t i = 0; i < lignes_.size(); ++i)
        if (texte_trop_long(lignes_[i]))
            return i + 1;
    return 0;
}

std::string LecteurLignes::lit()
{
    return fin() ? std::string() : std::move(lignes_[suivante_++]);
}

// ---------------------------------------------------------------- writing

namespace {

std::string liste_caracteres(const std::vector<std::string> &caracteres)
{
    std::string liste;
    for (const std::string &c : caracteres)
        liste += (liste.empty() ? "" : " ") + c;
    return liste;
}

} // namespace

std::string question_hors_format(const std::vector<std::string> &caracteres)
{
    return "Le fichier ne peut pas garder ces caractères : " + liste_caracteres(caracteres) +
           " (il est écrit en Windows-1252). Les remplacer par « ? » et enregistrer ?";
}

namespace {

// The file a path names once its symbolic links are followed (a link to a
// file not made yet names that file).
std::filesystem::path cible_reelle(std::filesystem::path chemin)
{
    for (int i = 0; i < 40; ++i) {
        std::error_code erreur;
        if (!std::filesystem::is_symlink(chemin, erreur))
            return chemin;
        const std::filesystem::path lien = std::filesystem::read_symlink(chemin, erreur);
        if (erreur)
            return chemin;
        chemin = lien.is_absolute() ? lien : chemin.parent_path() / lien;
    }
    return chemin;
}

bool ecrit_tout(int fd, std::string_view octets)
{
    while (!octets.empty()) {
        const ssize_t n = ::write(fd, octets.data(), octets.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = EIO;   // nothing written and no reason given
        if (n <= 0)
            return false;
        octets.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Makes the rename itself durable; a folder that refuses is not an error.
void synchronise_dossier(const std::filesystem::path &dossier)
{
    Descripteur d{::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (d.fd >= 0)
        ::fsync(d.fd);
}

// The temporary file of a save is named ".vivezezi-" and six characters.
constexpr std::string_view PREFIXE_TEMPORAIRE = ".vivezezi-";

// Removes the temporary files that saves stopped midway (the program killed,
// the machine switched off) left in the folder. A save lasts well under a
// second: a temporary file older than an hour belongs to no save under way,
// of this program or of another one writing to the same shared folder.
void retire_temporaires_abandonnes(const std::filesystem::path &dossier)
{
    namespace fs = std::filesystem;
    std::error_code erreur;
    const auto limite = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (fs::directory_iterator i(dossier, erreur), fin; !erreur && i != fin; i.increment(erreur)) {
        const std::string nom = i->path().filename().native();
        if (nom.size() != PREFIXE_TEMPORAIRE.size() + 6 || !nom.starts_with(PREFIXE_TEMPORAIRE))
            continue;
        std::error_code e;
        if (i->is_regular_file(e) && !i->is_symlink(e) && i->last_write_time(e) < limite && !e)
            fs::remove(i->path(), e);
    }
}

mode_t mode_nouveau_fichier()
{
    const mode_t masque = ::umask(0);
    ::umask(masque);
    return 0666 & ~masque;
}

} // namespace

Enregistrement ecrit_fichier_texte(const std::filesystem::path &cible, const std::vector<std::string> &lignes,
                                   HorsFormat hors_format)
{
    Enregistrement r;
    const std::string nom = texte_de(cible);
    const auto echec = [&](const std::string &pourquoi) {
        r.message = "Impossible d'enregistrer le fichier " + nom + " : " + pourquoi +
                    ". Le fichier précédent est resté tel quel.";
        return r;
    };
    std::string octets;
    for (const std::string &ligne : lignes) {
        if (hors_format == HorsFormat::refuser)
            for (std::string &c : caracteres_hors_windows_1252(ligne))
                if (std::find(r.hors_format.begin(), r.hors_format.end(), c) == r.hors_format.end())
                    r.hors_format.push_back(std::move(c));
        std::string l = vers_windows_1252(ligne);
        std::replace_if(l.begin(), l.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
        octets += l;
        octets += "\r\n";
    }
    if (!r.hors_format.empty()) {
        r.message = "Le fichier " + nom + " ne peut pas garder ces caractères : " + liste_caracteres(r.hors_format) +
                    " (il est écrit en Windows-1252) ; il n'a pas été enregistré.";
        return r;
    }

    const std::filesystem::path reelle = cible_reelle(cible);
    struct stat avant {};
    const bool existe = ::stat(reelle.c_str(), &avant) == 0;
    if (existe && !S_ISREG(avant.st_mode))
        return echec("ce n'est pas un fichier ordinaire");
    if (existe && ((avant.st_mode & 0222) == 0 || ::access(reelle.c_str(), W_OK) != 0))
        return echec("il est en lecture seule");

    // A short name of its own: it fits wherever the target's name fits.
    std::filesystem::path dossier = reelle.parent_path();
    if (dossier.empty())
        dossier = ".";
    retire_temporaires_abandonnes(dossier);
    std::string modele = (dossier / (std::string(PREFIXE_TEMPORAIRE) + "XXXXXX")).native();
    Descripteur temporaire{::mkstemp(modele.data())};
    if (temporaire.fd < 0)
        return echec(raison(errno));
    const auto abandonne = [&](int code) {
        ::unlink(modele.c_str());
        return echec(raison(code));
    };
    // Owner and mode are kept as far as the system and the medium allow (a
    // USB stick in FAT has neither): their failure does not stop the save.
    if (existe && ::fchown(temporaire.fd, avant.st_uid, avant.st_gid) != 0)
        (void)::fchown(temporaire.fd, static_cast<uid_t>(-1), avant.st_gid);
    (void)::fchmod(temporaire.fd, existe ? avant.st_mode & 07777 : mode_nouveau_fichier());
    if (!ecrit_tout(temporaire.fd, octets))
        return abandonne(errno);
    // Some network and special file systems cannot flush on request.
    if (::fsync(temporaire.fd) != 0 && errno != EINVAL && errno != ENOTSUP)
        return abandonne(errno);
    const int fd = temporaire.fd;
    temporaire.fd = -1;
    if (::close(fd) != 0)
        return abandonne(errno);
    if (::rename(modele.c_str(), reelle.c_str()) != 0)
        return abandonne(errno);
    synchronise_dossier(dossier);
    r.reussi = true;
    return r;
}

void majuscules(std::string &t)
{
    for (char &c : t)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
}
