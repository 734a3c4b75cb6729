#include "algebra/denominateurs.h"

#include <algorithm>
#include <vector>

#include "algebra/developpement.h"
#include "algebra/algebre.h"
#include "formula/normalise.h"

bool groupe_denominateurs(std::string &t)
{
    t = normalise(t);
    const EnonceLu enonce(t);
    const Membre &m = enonce.membres.front();
    if (!m.termes)
        return false;

    // The terms with the operator in front of each; merged terms leave the list.
    struct Terme {
        std::string devant;
        std::string texte;
    };
    std::vector<Terme> termes;
    char devant = '\0';
    for (const Partie &partie : m.parties) {
        termes.push_back({devant == '\0' ? std::string() : std::string(1, devant), std::string(enonce.ecrit(partie.etendue))});
        devant = partie.operateur;
    }

    for (bool fusion = true; fusion;) {
        fusion = false;
        const std::size_t n = termes.size();
        std::vector<std::string> numerateurs(n), denominateurs(n);
        for (std::size_t k = 0; k < n; ++k) {
            numerateurs[k] = termes[k].texte;
            separe_fraction(numerateurs[k], denominateurs[k]);
            denominateurs[k] = ordonne_ou_garde(denominateurs[k]);
        }
        std::vector<bool> sort(n, false);
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = 1; j < n; ++j) {
                if (j == i || sort[i] || sort[j] || denominateurs[i].empty() ||
                    denominateurs[i] == "1" || denominateurs[i] != denominateurs[j] ||
                    numerateurs[i].empty() || numerateurs[j].empty())
                    continue;
                // A "-" in front of a term goes into its numerator.
                auto numerateur_signe = [&](std::size_t k) {
                    return termes[k].devant == "-" ? "-" + numerateurs[k] : numerateurs[k];
                };
                const std::string op = termes[j].devant == "-" ? "+" : termes[j].devant;
                termes[i].texte = "(" + numerateur_signe(i) + op + "(" + numerateur_signe(j) +
                                  "))/(" + denominateurs[i] + ")";
                if (termes[i].devant == "-")
                    termes[i].devant = "+";
                sort[j] = true;
                denominateurs[i].clear();
                denominateurs[j].clear();
                fusion = true;
            }
        }
        std::vector<Terme> restants;
        for (std::size_t k = 0; k < n; ++k)
            if (!sort[k])
                restants.push_back(std::move(termes[k]));
        termes = std::move(restants);
    }

    t.clear();
    for (const Terme &terme : termes)
        t.append(terme.devant).append(terme.texte);
    return true;
}
