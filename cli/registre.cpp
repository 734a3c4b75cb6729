#include "cli/registre.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace cli {

void Registre::operation(std::string nom, std::vector<std::string> parametres, Execution execute)
{
    Operation op{nom, std::move(parametres), std::move(execute), {}};
    operations_[nom] = std::move(op);
}

void Registre::commande(std::string nom, std::vector<std::string> parametres,
                        std::function<int(const Arguments &)> execute)
{
    Operation op{nom, std::move(parametres), {}, std::move(execute)};
    operations_[nom] = std::move(op);
}

void Registre::option(std::string nom, std::string valeur,
                      std::function<void(const std::string &)> applique)
{
    Option opt{nom, std::move(valeur), std::move(applique)};
    options_[nom] = std::move(opt);
}

const Operation *Registre::trouve_operation(const std::string &nom) const
{
    auto it = operations_.find(nom);
    return it == operations_.end() ? nullptr : &it->second;
}

const Option *Registre::trouve_option(const std::string &nom) const
{
    auto it = options_.find(nom);
    return it == options_.end() ? nullptr : &it->second;
}

std::string nombre(double valeur)
{
    if (valeur == 0)
        return "0";   // no "-0"
    char tampon[64];
    std::snprintf(tampon, sizeof tampon, "%.12g", valeur);
    return tampon;
}

std::string drapeau(bool valeur, const std::string &texte)
{
    return std::string(valeur ? "true" : "false") + "\t" + texte;
}

std::string drapeau(const Issue &issue, const std::string &donne)
{
    return drapeau(static_cast<bool>(issue), issue ? issue->texte : donne);
}

Execution sur_le_texte(void (*operation)(std::string &))
{
    return [operation](const Arguments &a) {
        std::string t = a[0];
        operation(t);
        return t;
    };
}

Execution sur_le_texte(bool (*operation)(std::string &))
{
    return [operation](const Arguments &a) {
        std::string t = a[0];
        const bool fait = operation(t);
        return drapeau(fait, t);
    };
}

Execution sur_l_enonce(Issue (*operation)(const EnonceLu &))
{
    return [operation](const Arguments &a) {
        return drapeau(operation(EnonceLu(a[0])), a[0]);
    };
}

std::string champs(std::initializer_list<std::string> valeurs)
{
    std::string r;
    for (const std::string &v : valeurs) {
        if (!r.empty() || &v != valeurs.begin())
            r += '\t';
        r += v;
    }
    return r;
}

int entier(const std::string &texte)
{
    int valeur = 0;
    const char *debut = texte.data();
    const char *fin = texte.data() + texte.size();
    if (!texte.empty() && texte[0] == '+')
        ++debut;
    const auto [lu, erreur] = std::from_chars(debut, fin, valeur);
    if (texte.empty() || erreur != std::errc{} || lu != fin || valeur < -ENTIER_MAX || valeur > ENTIER_MAX)
        throw ArgumentInvalide("« " + texte + " » n'est pas un nombre entier de -" + std::to_string(ENTIER_MAX) +
                               " à " + std::to_string(ENTIER_MAX) + ".");
    return valeur;
}

} // namespace cli
