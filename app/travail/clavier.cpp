#include "app/travail/clavier.h"

#include <algorithm>
#include <cstddef>
#include <deque>
#include <string_view>
#include <utility>

#include "formula/lineaire.h"
#include "formula/vocabulaire.h"

namespace {

constexpr std::string_view MARQUE_VECTEUR = "..arrow";
constexpr std::string_view SIGNES_FORMULE = "+-*/^()=<>.,[]{}";
// A key press posts a few messages; the chain of posts is cut well beyond that.
constexpr int MESSAGES_MAX = 32;

bool insere_par_la_boite(int code)
{
    if (code < 0 || code > 127)
        return false;
    const char c = static_cast<char>(code);
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           SIGNES_FORMULE.find(c) != std::string_view::npos;
}

bool suite_utf8(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The caret kept inside the text and off the middle of a character.
void borne_curseur(Saisie &s)
{
    s.curseur = std::clamp(s.curseur, 0, static_cast<int>(s.texte.size()));
    while (s.curseur > 0 && s.curseur < static_cast<int>(s.texte.size()) &&
           suite_utf8(s.texte[static_cast<std::size_t>(s.curseur)]))
        --s.curseur;
}

void avance(Saisie &s, int pas)
{
    const int n = static_cast<int>(s.texte.size());
    int c = s.curseur + pas;
    while (c > 0 && c < n && suite_utf8(s.texte[static_cast<std::size_t>(c)]))
        c += pas;
    s.curseur = std::clamp(c, 0, n);
}

// Backspace right after a function's "name(" removes the name whole, and the
// empty brackets of a root just inserted: no "sqrt" is left alone.
bool efface_fonction(Saisie &s)
{
    const std::size_t c = static_cast<std::size_t>(s.curseur);
    if (c == 0 || s.texte[c - 1] != '(')
        return false;
    std::size_t debut = c - 1;
    while (debut > 0 && s.texte[debut - 1] >= 'a' && s.texte[debut - 1] <= 'z')
        --debut;
    if (!fonction_nommee(std::string_view(s.texte).substr(debut, c - 1 - debut)))
        return false;
    const bool vide = c < s.texte.size() && s.texte[c] == ')';
    s.texte.erase(debut, c - debut + (vide ? 1 : 0));
    s.curseur = static_cast<int>(debut);
    return true;
}

} // namespace

std::string signe_ensemble(int code, bool pour_fichier)
{
    struct Signe {
        int code;
        const char *ecrit, *en_lettres;
    };
    static constexpr Signe signes[] = {{0x2205, "∅", "{}"},   {0x211D, "ℝ", "R"},  {0x2264, "≤", "<="},
                                       {0x2265, "≥", ">="},  {0x222A, "∪", "U"},  {0x221E, "∞", "inf"}};
    for (const Signe &s : signes)
        if (s.code == code)
            return pour_fichier ? s.en_lettres : s.ecrit;
    return {};
}

namespace {

void insere(Saisie &s, std::string_view t, int recul = 0)
{
    s.texte.insert(static_cast<std::size_t>(s.curseur), t);
    s.curseur += static_cast<int>(t.size()) - recul;
}

} // namespace

void vecteur(Saisie &saisie, std::vector<Message> &postes)
{
    std::string &t = saisie.texte;
    if (t.empty())
        return;
    borne_curseur(saisie);
    const std::size_t i = static_cast<std::size_t>(saisie.curseur);
    if (i >= 1 && t[i - 1] == '0')
        t[i - 1] = 'o';
    if (i > 2 && t[i - 2] == '*' && t[i - 3] >= 'A' && t[i - 3] <= 'Z') {
        t.erase(i - 2, 1);
        t.insert(i - 1, MARQUE_VECTEUR);
    } else {
        t.insert(i, MARQUE_VECTEUR);
    }
    saisie.curseur = static_cast<int>(t.size());
    if (i > 5)
        postes.push_back({GenreMessage::touche, TOUCHE_GAUCHE});
}

Message filtre_message(Saisie &saisie, Message message, bool mode_vecteurs,
                       std::vector<Message> &postes)
{
    borne_curseur(saisie);
    const std::string &t = saisie.texte;

    if (mode_vecteurs && message.code == '0')
        postes.push_back({GenreMessage::touche, TOUCHE_DEBUT});
    if (message.code == CARACTERE_VECTEUR || message.code == TOUCHE_DEBUT)
        vecteur(saisie, postes);
    // A bracket after an operand is a product, written "*(" as the linear
    // form writes it; after an operator or a function's name it stays alone.
    if (message.genre == GenreMessage::caractere && message.code == '(' &&
        produit_avant_parenthese(std::string_view(t).substr(0, static_cast<std::size_t>(saisie.curseur)))) {
        message.code = '*';
        postes.push_back({GenreMessage::caractere, '('});
    }
    if (message.code == CARACTERE_RACINE_PRODUIT) {
        postes.push_back({GenreMessage::caractere, '*'});
        postes.push_back({GenreMessage::caractere, CARACTERE_RACINE});
    }
    if (message.code == TOUCHE_TABULATION)
        message.code = TOUCHE_DROITE;
    if (message.code == TOUCHE_CARRE) {
        postes.push_back({GenreMessage::caractere, '^'});
        postes.push_back({GenreMessage::caractere, '2'});
        postes.push_back({GenreMessage::touche, TOUCHE_DROITE});
    }
    return message;
}

void applique_message(Saisie &saisie, Message message)
{
    borne_curseur(saisie);
    if (message.genre == GenreMessage::caractere) {
        if (message.code == CARACTERE_RACINE)
            insere(saisie, "sqrt()", 1);
        else if (insere_par_la_boite(message.code))
            insere(saisie, std::string(1, static_cast<char>(message.code)));
        return;
    }
    switch (message.code) {
    case TOUCHE_GAUCHE: avance(saisie, -1); break;
    case TOUCHE_DROITE: avance(saisie, 1); break;
    case TOUCHE_DEBUT: saisie.curseur = 0; break;
    case TOUCHE_FIN: saisie.curseur = static_cast<int>(saisie.texte.size()); break;
    case TOUCHE_EFFACE_ARRIERE:
        if (efface_fonction(saisie))
            break;
        [[fallthrough]];
    case TOUCHE_SUPPRIME: {
        const int debut = saisie.curseur;
        avance(saisie, message.code == TOUCHE_SUPPRIME ? 1 : -1);
        const int a = std::min(debut, saisie.curseur), b = std::max(debut, saisie.curseur);
        saisie.texte.erase(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a));
        saisie.curseur = a;
        break;
    }
    default: break;
    }
}

Frappe frappe(Saisie saisie, Message message, bool mode_vecteurs, Filtre filtre, std::optional<int> code_fin)
{
    std::deque<Message> file{message};
    for (int n = 0; !file.empty() && n < MESSAGES_MAX; ++n) {
        if (file.front().code == code_fin)
            return {saisie, true};
        std::vector<Message> postes;
        const Message m = filtre(saisie, file.front(), mode_vecteurs, postes);
        file.pop_front();
        applique_message(saisie, m);
        file.insert(file.end(), postes.begin(), postes.end());
    }
    return {saisie, false};
}

Saisie frappe(Saisie saisie, Message message, bool mode_vecteurs)
{
    return frappe(std::move(saisie), message, mode_vecteurs, filtre_message).saisie;
}
