#include "formula/lecteur.h"

#include <array>
#include <string>

namespace {

constexpr std::array<std::string_view, 7> FONCTIONS = {"sqrt", "sin", "cos", "tan", "abs", "ln", "exp"};
constexpr std::string_view FLECHE = "..arrow";
constexpr std::string_view SEPARATEUR_LISTE = "*et*";

bool est_chiffre(char c) { return (c >= '0' && c <= '9') || c == '.'; }
bool est_minuscule(char c) { return c >= 'a' && c <= 'z'; }
bool est_majuscule(char c) { return c >= 'A' && c <= 'Z'; }

// Recursive descent over the text without its blanks. Every function returns
// the index of the node it read, or -1 when the text does not parse; the
// nesting depth is counted so that no text can make the recursion deep.
class Lecteur {
public:
    explicit Lecteur(std::string_view original)
    {
        texte_.reserve(original.size());
        origine_.reserve(original.size());
        for (std::size_t i = 0; i < original.size(); ++i) {
            if (original[i] == ' ' || original[i] == '\t')
                continue;
            texte_ += original[i];
            origine_.push_back(static_cast<int>(i));
        }
        arbre_.noeuds.reserve(texte_.size() + 8);
    }

    std::optional<Arbre> lis()
    {
        if (texte_.empty())
            return std::nullopt;
        const int racine = voit("{") ? systeme() : liste();
        if (racine < 0 || p_ != texte_.size())
            return std::nullopt;
        arbre_.racine = racine;
        return std::move(arbre_);
    }

private:
    std::string texte_;
    std::vector<int> origine_;
    std::size_t p_ = 0;
    int profondeur_ = 0;
    Arbre arbre_;

    // Counts one level of nesting for the life of a reading function.
    class Niveau {
    public:
        explicit Niveau(int &profondeur) : profondeur_(++profondeur) {}
        ~Niveau() { --profondeur_; }
        Niveau(const Niveau &) = delete;
        Niveau &operator=(const Niveau &) = delete;
        bool trop_profond() const { return profondeur_ > PROFONDEUR_MAXIMALE; }

    private:
        int &profondeur_;
    };

    char suivant(std::size_t decalage) const
    {
        return p_ + decalage < texte_.size() ? texte_[p_ + decalage] : '\0';
    }
    char courant() const { return suivant(0); }
    bool voit(std::string_view mot) const { return texte_.compare(p_, mot.size(), mot) == 0; }
    bool prend(std::string_view mot)
    {
        if (!voit(mot))
            return false;
        p_ += mot.size();
        return true;
    }

    int noeud(Genre genre, std::size_t debut, std::string texte = {}, std::vector<int> enfants = {},
              std::string operateurs = {})
    {
        Noeud n;
        n.genre = genre;
        n.texte = std::move(texte);
        n.enfants = std::move(enfants);
        n.operateurs = std::move(operateurs);
        n.debut = debut < origine_.size() ? origine_[debut] : 0;
        n.fin = p_ > debut ? origine_[p_ - 1] + 1 : n.debut;
        return arbre_.ajoute(std::move(n));
    }

    bool fin_de_ligne()
    {
        return prend("\r\n") || prend("\n");
    }

    int systeme()
    {
        const std::size_t debut = p_;
        prend("{");
        fin_de_ligne();
        std::vector<int> lignes;
        while (true) {
            const int ligne = relation();
            if (ligne < 0)
                return -1;
            lignes.push_back(ligne);
            const bool saut = fin_de_ligne();
            if (prend("}"))
                break;
            if (!saut)
                return -1;
        }
        return noeud(Genre::systeme, debut, {}, std::move(lignes));
    }

    int liste()
    {
        const std::size_t debut = p_;
        std::vector<int> elements;
        do {
            const int e = element();
            if (e < 0)
                return -1;
            elements.push_back(e);
        } while (prend(SEPARATEUR_LISTE));
        if (elements.size() == 1)
            return elements.front();
        return noeud(Genre::liste, debut, {}, std::move(elements));
    }

    int element()
    {
        if (voit("(domain(") || voit("(["))
            return reunion();
        if (voit("domain("))
            return domaine();
        return relation();
    }

    int reunion()
    {
        const std::size_t debut = p_;
        std::vector<int> parties;
        do {
            if (!prend("("))
                return -1;
            const int partie = voit("[") ? ensemble() : domaine();
            if (partie < 0 || !prend(")"))
                return -1;
            parties.push_back(partie);
        } while (voit("or(") && prend("or"));
        return noeud(Genre::reunion, debut, {}, std::move(parties));
    }

    int ensemble()
    {
        const std::size_t debut = p_;
        prend("[");
        std::vector<int> valeurs;
        std::string separateur;
        if (!prend("]")) {
            while (true) {
                const int v = expression();
                if (v < 0)
                    return -1;
                valeurs.push_back(v);
                if (prend("]"))
                    break;
                const char c = courant();
                if ((c != ',' && c != ';') || (!separateur.empty() && separateur[0] != c))
                    return -1;
                separateur = std::string(1, c);
                ++p_;
            }
        }
        return noeud(Genre::ensemble, debut, std::move(separateur), std::move(valeurs));
    }

    int domaine()
    {
        const std::size_t debut = p_;
        if (!prend("domain("))
            return -1;
        const std::size_t debut_variable = p_;
        if (!est_minuscule(courant()))
            return -1;
        ++p_;
        const int variable = noeud(Genre::lettre, debut_variable, texte_.substr(debut_variable, 1));
        if (!prend(","))
            return -1;
        const int basse = expression();
        if (basse < 0 || !prend(","))
            return -1;
        const int haute = expression();
        if (haute < 0 || !prend(","))
            return -1;
        const std::size_t debut_code = p_;
        while (courant() >= '0' && courant() <= '9')
            ++p_;
        std::string code = texte_.substr(debut_code, p_ - debut_code);
        if (code.empty() || !prend(")"))
            return -1;
        return noeud(Genre::domaine, debut, std::move(code), {variable, basse, haute});
    }

    int relation()
    {
        const std::size_t debut = p_;
        const int gauche = expression();
        if (gauche < 0)
            return -1;
        for (std::string_view op : {"<=", ">=", "=", "<", ">"}) {
            if (prend(op)) {
                const int droite = expression();
                if (droite < 0)
                    return -1;
                return noeud(Genre::relation, debut, std::string(op), {gauche, droite});
            }
        }
        return gauche;
    }

    int expression()
    {
        const std::size_t debut = p_;
        const auto operateur = [this] { return courant() == '+' || courant() == '-' ? courant() : '\0'; };
        const int premier = signe_ou(&Lecteur::produit);
        if (premier < 0 || !operateur())
            return premier;
        std::vector<int> termes = {premier};
        std::string operateurs = " ";
        while (const char c = operateur()) {
            ++p_;
            operateurs += c;
            const int terme = signe_ou(&Lecteur::produit);
            if (terme < 0)
                return -1;
            termes.push_back(terme);
        }
        return noeud(Genre::somme, debut, {}, std::move(termes), std::move(operateurs));
    }

    // A run of signs in front of what `suite` reads.
    int signe_ou(int (Lecteur::*suite)())
    {
        const char c = courant();
        if (c != '+' && c != '-')
            return (this->*suite)();
        const Niveau niveau(profondeur_);
        if (niveau.trop_profond())
            return -1;
        const std::size_t debut = p_;
        ++p_;
        const int operande = signe_ou(suite);
        if (operande < 0)
            return -1;
        return noeud(Genre::signe, debut, std::string(1, c), {operande});
    }

    bool commence_primaire() const
    {
        const char c = courant();
        return est_chiffre(c) || c == '(' || est_minuscule(c) || est_majuscule(c);
    }

    // The operator before the next factor: '*', '/', ' ' for a juxtaposition, or none.
    char operateur_de_produit() const
    {
        const char c = courant();
        if ((c == '*' && !voit(SEPARATEUR_LISTE)) || c == '/')
            return c;
        return commence_primaire() ? ' ' : '\0';
    }

    int produit()
    {
        const std::size_t debut = p_;
        const int premier = puissance();
        if (premier < 0 || !operateur_de_produit())
            return premier;
        std::vector<int> facteurs = {premier};
        std::string operateurs = " ";
        while (const char c = operateur_de_produit()) {
            int facteur;
            if (c == ' ') {
                facteur = puissance();
            } else {
                ++p_;
                facteur = signe_ou(&Lecteur::puissance);
            }
            if (facteur < 0)
                return -1;
            operateurs += c;
            facteurs.push_back(facteur);
        }
        return noeud(Genre::produit, debut, {}, std::move(facteurs), std::move(operateurs));
    }

    int puissance()
    {
        const std::size_t debut = p_;
        const int base = primaire();
        if (base < 0 || !prend("^"))
            return base;
        const Niveau niveau(profondeur_);
        if (niveau.trop_profond())
            return -1;
        const int exposant = signe_ou(&Lecteur::puissance);
        if (exposant < 0)
            return -1;
        return noeud(Genre::puissance, debut, {}, {base, exposant});
    }

    int entre_parentheses(Genre genre, std::size_t debut, std::string texte)
    {
        const Niveau niveau(profondeur_);
        if (niveau.trop_profond())
            return -1;
        const int contenu = expression();
        if (contenu < 0 || !prend(")"))
            return -1;
        return noeud(genre, debut, std::move(texte), {contenu});
    }

    int primaire()
    {
        const std::size_t debut = p_;
        const char c = courant();
        if (est_chiffre(c)) {
            while (est_chiffre(courant()))
                ++p_;
            if (p_ - debut > static_cast<std::size_t>(CHIFFRES_MAXIMUM))
                return -1;
            return noeud(Genre::nombre, debut, texte_.substr(debut, p_ - debut));
        }
        if (prend("("))
            return entre_parentheses(Genre::groupe, debut, {});
        for (std::string_view nom : FONCTIONS) {
            if (voit(nom) && texte_.compare(p_ + nom.size(), 1, "(") == 0) {
                p_ += nom.size() + 1;
                return entre_parentheses(Genre::fonction, debut, std::string(nom));
            }
        }
        if (voit("inf") && !est_minuscule(suivant(3))) {
            p_ += 3;
            return noeud(Genre::infini, debut, "inf");
        }
        if (prend("o..arrow"))
            return noeud(Genre::vecteur, debut, "o");
        if (est_majuscule(c)) {
            while (est_majuscule(courant()))
                ++p_;
            std::string points = texte_.substr(debut, p_ - debut);
            if (!prend(FLECHE))
                return -1;
            return noeud(Genre::vecteur, debut, std::move(points));
        }
        // One letter is a variable; a longer word that is none of the above is unknown.
        if (est_minuscule(c) && !est_minuscule(suivant(1))) {
            ++p_;
            return noeud(Genre::lettre, debut, std::string(1, c));
        }
        return -1;
    }
};

} // namespace

std::optional<Arbre> lis_formule(std::string_view texte)
{
    return Lecteur(texte).lis();
}
