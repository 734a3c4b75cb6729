#include "formula/lecteur.h"

#include <array>
#include <cstddef>
#include <string>

#include "formula/vocabulaire.h"

namespace {

constexpr std::array<std::string_view, 5> RELATIONS = {"<=", ">=", "=", "<", ">"};
constexpr std::string_view FLECHE = "..arrow";
constexpr std::string_view SEPARATEUR_LISTE = "*et*";

bool est_chiffre(char c) { return (c >= '0' && c <= '9') || c == '.'; }
bool est_minuscule(char c) { return c >= 'a' && c <= 'z'; }
bool est_majuscule(char c) { return c >= 'A' && c <= 'Z'; }

// Recursive descent over the text without its blanks. Every function returns
// the index of the node it read, or -1 when the text does not parse; the
// nesting depth is counted so that no text can make the recursion deep.
// Children wait on a stack until their parent node is made.
class Lecteur {
public:
    explicit Lecteur(std::string_view original)
    {
        std::string &texte = arbre_.texte;
        texte.reserve(original.size());
        origine_.reserve(original.size());
        for (std::size_t i = 0; i < original.size(); ++i) {
            if (original[i] == ' ' || original[i] == '\t')
                continue;
            texte += original[i];
            origine_.push_back(static_cast<int>(i));
        }
        arbre_.noeuds.reserve(texte.size() / 2 + 8);
        arbre_.enfants.reserve(texte.size() / 2 + 8);
    }

    std::optional<Arbre> lis()
    {
        if (arbre_.texte.empty())
            return std::nullopt;
        const int racine = voit("{") ? systeme() : liste();
        if (racine < 0 || p_ != arbre_.texte.size())
            return std::nullopt;
        arbre_.racine = racine;
        return std::move(arbre_);
    }

private:
    Arbre arbre_;
    std::vector<int> origine_; // position in the original text of each kept byte
    std::size_t p_ = 0;
    int profondeur_ = 0;
    std::vector<int> pile_;
    std::string pile_operateurs_;

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
        return p_ + decalage < arbre_.texte.size() ? arbre_.texte[p_ + decalage] : '\0';
    }
    char courant() const { return suivant(0); }
    bool voit(std::string_view mot) const { return arbre_.texte.compare(p_, mot.size(), mot) == 0; }
    bool prend(std::string_view mot)
    {
        if (!voit(mot))
            return false;
        p_ += mot.size();
        return true;
    }

    std::size_t hauteur() const { return pile_.size(); }
    void empile(int enfant, char operateur = ' ')
    {
        pile_.push_back(enfant);
        pile_operateurs_ += operateur;
    }
    int depile()
    {
        const int enfant = pile_.back();
        pile_.pop_back();
        pile_operateurs_.pop_back();
        return enfant;
    }

    // A node read from `debut` to here, its word at [mot, mot + longueur),
    // its children those stacked since `base`.
    int noeud(Genre genre, std::size_t debut, std::size_t base, std::size_t mot = 0, std::size_t longueur = 0)
    {
        Noeud &n = arbre_.noeuds.emplace_back();
        n.genre = genre;
        n.debut = debut < origine_.size() ? origine_[debut] : 0;
        n.fin = p_ > debut ? origine_[p_ - 1] + 1 : n.debut;
        n.mot = static_cast<int>(mot);
        n.longueur_mot = static_cast<int>(longueur);
        n.premier_enfant = static_cast<int>(arbre_.enfants.size());
        n.nombre_enfants = static_cast<int>(pile_.size() - base);
        arbre_.enfants.insert(arbre_.enfants.end(), pile_.begin() + static_cast<std::ptrdiff_t>(base), pile_.end());
        arbre_.operateurs.append(pile_operateurs_, base);
        pile_.resize(base);
        pile_operateurs_.resize(base);
        return static_cast<int>(arbre_.noeuds.size()) - 1;
    }

    // A leaf whose word is everything read since `debut`.
    int feuille(Genre genre, std::size_t debut) { return noeud(genre, debut, hauteur(), debut, p_ - debut); }

    bool fin_de_ligne() { return prend("\r\n") || prend("\n"); }

    int systeme()
    {
        const std::size_t debut = p_, base = hauteur();
        prend("{");
        fin_de_ligne();
        while (true) {
            const int ligne = relation();
            if (ligne < 0)
                return -1;
            empile(ligne);
            const bool saut = fin_de_ligne();
            if (prend("}"))
                break;
            if (!saut)
                return -1;
        }
        return noeud(Genre::systeme, debut, base);
    }

    int liste()
    {
        const std::size_t debut = p_, base = hauteur();
        do {
            const int e = element();
            if (e < 0)
                return -1;
            empile(e);
        } while (prend(SEPARATEUR_LISTE));
        if (hauteur() - base == 1)
            return depile();
        return noeud(Genre::liste, debut, base);
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
        const std::size_t debut = p_, base = hauteur();
        do {
            if (!prend("("))
                return -1;
            const int partie = voit("[") ? ensemble() : domaine();
            if (partie < 0 || !prend(")"))
                return -1;
            empile(partie);
        } while (voit("or(") && prend("or"));
        return noeud(Genre::reunion, debut, base);
    }

    int ensemble()
    {
        const std::size_t debut = p_, base = hauteur();
        prend("[");
        std::size_t separateur = 0, longueur_separateur = 0;
        if (!prend("]")) {
            while (true) {
                const int v = expression();
                if (v < 0)
                    return -1;
                empile(v);
                if (prend("]"))
                    break;
                const char c = courant();
                if ((c != ',' && c != ';') || (longueur_separateur > 0 && arbre_.texte[separateur] != c))
                    return -1;
                separateur = p_++;
                longueur_separateur = 1;
            }
        }
        return noeud(Genre::ensemble, debut, base, separateur, longueur_separateur);
    }

    int domaine()
    {
        const std::size_t debut = p_, base = hauteur();
        if (!prend("domain(") || !est_minuscule(courant()))
            return -1;
        ++p_;
        empile(feuille(Genre::lettre, p_ - 1));
        for (int borne = 0; borne < 2; ++borne) {
            if (!prend(","))
                return -1;
            const int b = expression();
            if (b < 0)
                return -1;
            empile(b);
        }
        if (!prend(","))
            return -1;
        const std::size_t code = p_;
        while (courant() >= '0' && courant() <= '9')
            ++p_;
        const std::size_t longueur_code = p_ - code;
        if (longueur_code == 0 || !prend(")"))
            return -1;
        return noeud(Genre::domaine, debut, base, code, longueur_code);
    }

    int relation()
    {
        const std::size_t debut = p_;
        const int gauche = expression();
        if (gauche < 0)
            return -1;
        for (std::string_view op : RELATIONS) {
            const std::size_t position = p_;
            if (prend(op)) {
                const int droite = expression();
                if (droite < 0)
                    return -1;
                const std::size_t base = hauteur();
                empile(gauche);
                empile(droite);
                return noeud(Genre::relation, debut, base, position, op.size());
            }
        }
        return gauche;
    }

    char operateur_de_somme() const { return courant() == '+' || courant() == '-' ? courant() : '\0'; }

    int expression()
    {
        const std::size_t debut = p_;
        const int premier = signe_ou(&Lecteur::produit);
        if (premier < 0 || !operateur_de_somme())
            return premier;
        const std::size_t base = hauteur();
        empile(premier);
        while (const char c = operateur_de_somme()) {
            ++p_;
            const int terme = signe_ou(&Lecteur::produit);
            if (terme < 0)
                return -1;
            empile(terme, c);
        }
        return noeud(Genre::somme, debut, base);
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
        const std::size_t debut = p_++;
        const int operande = signe_ou(suite);
        if (operande < 0)
            return -1;
        const std::size_t base = hauteur();
        empile(operande);
        return noeud(Genre::signe, debut, base, debut, 1);
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
        const std::size_t base = hauteur();
        empile(premier);
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
            empile(facteur, c);
        }
        return noeud(Genre::produit, debut, base);
    }

    int puissance()
    {
        const std::size_t debut = p_;
        const int base_puissance = primaire();
        if (base_puissance < 0 || !prend("^"))
            return base_puissance;
        const Niveau niveau(profondeur_);
        if (niveau.trop_profond())
            return -1;
        const int exposant = signe_ou(&Lecteur::puissance);
        if (exposant < 0)
            return -1;
        const std::size_t base = hauteur();
        empile(base_puissance);
        empile(exposant);
        return noeud(Genre::puissance, debut, base);
    }

    int entre_parentheses(Genre genre, std::size_t debut, std::size_t longueur_mot)
    {
        const Niveau niveau(profondeur_);
        if (niveau.trop_profond())
            return -1;
        const int contenu = expression();
        if (contenu < 0 || !prend(")"))
            return -1;
        const std::size_t base = hauteur();
        empile(contenu);
        return noeud(genre, debut, base, debut, longueur_mot);
    }

    int primaire()
    {
        const std::size_t debut = p_;
        const char c = courant();
        if (est_chiffre(c)) {
            int points = 0;
            while (est_chiffre(courant()))
                points += arbre_.texte[p_++] == '.';
            if (p_ - debut > static_cast<std::size_t>(CHIFFRES_MAXIMUM) || points > 1 || (p_ - debut == 1 && c == '.'))
                return -1;
            return feuille(Genre::nombre, debut);
        }
        if (prend("("))
            return entre_parentheses(Genre::groupe, debut, 0);
        if (est_majuscule(c)) {
            while (est_majuscule(courant()))
                ++p_;
            const std::size_t fin_points = p_;
            if (!prend(FLECHE))
                return -1;
            return noeud(Genre::vecteur, debut, hauteur(), debut, fin_points - debut);
        }
        if (!est_minuscule(c))
            return -1;
        for (std::string_view nom : NOMS_DE_FONCTIONS) {
            if (voit(nom) && suivant(nom.size()) == '(') {
                p_ += nom.size() + 1;
                return entre_parentheses(Genre::fonction, debut, nom.size());
            }
        }
        if (voit("inf") && !est_minuscule(suivant(3))) {
            p_ += 3;
            return feuille(Genre::infini, debut);
        }
        if (prend("o..arrow"))
            return noeud(Genre::vecteur, debut, hauteur(), debut, 1);
        // One letter is a variable; a longer word that is none of the above is unknown.
        if (est_minuscule(suivant(1)))
            return -1;
        ++p_;
        return feuille(Genre::lettre, debut);
    }
};

} // namespace

namespace {

// The action menus try a dozen operations on the statement shown, and each
// one begins by reading it: the last few short texts read keep their tree, so
// that reading one of them again costs a copy of its tree instead of a parse.
// A tree depends on its text alone, so a kept tree is always the right one.
// One keystroke reads about fifteen distinct texts (the statement, its
// members and parts, the panels' results): the store holds them all, so that
// each is parsed once.
struct TexteLu {
    std::string texte;
    std::optional<Arbre> arbre;
};
constexpr std::size_t TEXTES_GARDES = 32;
constexpr std::size_t LONGUEUR_GARDEE_MAX = 512;

} // namespace

std::optional<Arbre> lis_formule(std::string_view texte)
{
    thread_local std::array<std::optional<TexteLu>, TEXTES_GARDES> lus;
    thread_local std::size_t suivant = 0;
    if (texte.size() > LONGUEUR_GARDEE_MAX)
        return Lecteur(texte).lis();
    for (const std::optional<TexteLu> &lu : lus)
        if (lu && lu->texte == texte)
            return lu->arbre;
    std::optional<Arbre> arbre = Lecteur(texte).lis();
    lus[suivant] = TexteLu{std::string(texte), arbre};
    suivant = (suivant + 1) % TEXTES_GARDES;
    return arbre;
}
