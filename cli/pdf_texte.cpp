#include "cli/pdf_texte.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "core/encodage.h"

namespace {

constexpr int LARGEUR_PAGE = 595, HAUTEUR_PAGE = 842;   // A4 in points
constexpr int MARGE = 56;
constexpr std::size_t CARACTERES_PAR_LIGNE = 88;        // Helvetica 11 pt across the page

struct LigneImprimee {
    LignePdf::Style style;
    std::string octets;   // Windows-1252
};

// The minus sign has no Windows-1252 byte: the hyphen stands for it.
std::string en_windows_1252(std::string texte)
{
    for (std::size_t p = texte.find("−"); p != std::string::npos; p = texte.find("−", p))
        texte.replace(p, std::string("−").size(), "-");
    return vers_windows_1252(texte);
}

// Each line cut at its line breaks, then at a blank before CARACTERES_PAR_LIGNE.
std::vector<LigneImprimee> lignes_imprimees(const std::vector<LignePdf> &lignes)
{
    std::vector<LigneImprimee> r;
    for (const LignePdf &l : lignes) {
        std::string reste = en_windows_1252(l.texte);
        for (char &c : reste)
            if (c == '\r')
                c = '\n';
        std::istringstream morceaux(reste);
        for (std::string morceau; std::getline(morceaux, morceau);) {
            if (morceau.empty())
                continue;
            while (morceau.size() > CARACTERES_PAR_LIGNE) {
                std::size_t coupe = morceau.rfind(' ', CARACTERES_PAR_LIGNE);
                if (coupe == std::string::npos || coupe == 0)
                    coupe = CARACTERES_PAR_LIGNE;
                r.push_back({l.style, morceau.substr(0, coupe)});
                morceau.erase(0, coupe);
                morceau.erase(0, morceau.find_first_not_of(' '));
            }
            r.push_back({l.style, morceau});
        }
    }
    return r;
}

std::string chaine_pdf(const std::string &octets)
{
    std::string r = "(";
    for (const char c : octets) {
        if (c == '(' || c == ')' || c == '\\')
            r += '\\';
        r += c;
    }
    return r + ")";
}

// The drawing of one page's lines.
std::string contenu_page(const std::vector<LigneImprimee> &lignes, std::size_t debut, std::size_t fin)
{
    std::ostringstream c;
    int y = HAUTEUR_PAGE - MARGE;
    for (std::size_t i = debut; i < fin; ++i) {
        const LigneImprimee &l = lignes[i];
        const bool titre = l.style == LignePdf::Style::titre;
        const int x = titre ? MARGE : l.style == LignePdf::Style::formule ? MARGE + 30 : MARGE + 12;
        if (titre && i > debut)
            y -= 6;
        c << "BT /" << (titre ? "F2 12" : "F1 11") << " Tf " << x << ' ' << y << " Td " << chaine_pdf(l.octets)
          << " Tj ET\n";
        y -= 16;
    }
    return c.str();
}

} // namespace

bool ecrit_pdf_texte(const std::filesystem::path &chemin, const std::vector<LignePdf> &lignes)
{
    const std::vector<LigneImprimee> imprimees = lignes_imprimees(lignes);
    // Titles take 6 points more; a page keeps room for them.
    constexpr std::size_t LIGNES_PAR_PAGE = (HAUTEUR_PAGE - 2 * MARGE) / 22;
    std::vector<std::string> pages;
    for (std::size_t debut = 0; debut < imprimees.size() || pages.empty(); debut += LIGNES_PAR_PAGE)
        pages.push_back(contenu_page(imprimees, debut, std::min(imprimees.size(), debut + LIGNES_PAR_PAGE)));

    // Objects: 1 catalogue, 2 page tree, 3 and 4 fonts, then a page and its content for each page.
    std::vector<std::string> objets;
    std::string kids;
    for (std::size_t i = 0; i < pages.size(); ++i)
        kids += std::to_string(5 + 2 * i) + " 0 R ";
    objets.push_back("<< /Type /Catalog /Pages 2 0 R >>");
    objets.push_back("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages.size()) + " >>");
    objets.push_back("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");
    objets.push_back("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding /WinAnsiEncoding >>");
    for (std::size_t i = 0; i < pages.size(); ++i) {
        objets.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + std::to_string(LARGEUR_PAGE) + ' ' +
                         std::to_string(HAUTEUR_PAGE) + "] /Resources << /Font << /F1 3 0 R /F2 4 0 R >> >> /Contents " +
                         std::to_string(6 + 2 * i) + " 0 R >>");
        objets.push_back("<< /Length " + std::to_string(pages[i].size()) + " >>\nstream\n" + pages[i] + "endstream");
    }

    std::string pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < objets.size(); ++i) {
        positions.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objets[i] + "\nendobj\n";
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objets.size() + 1) + "\n0000000000 65535 f \n";
    for (const std::size_t p : positions) {
        char entree[24];
        std::snprintf(entree, sizeof entree, "%010zu 00000 n \n", p);
        pdf += entree;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objets.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
           std::to_string(xref) + "\n%%EOF\n";

    std::ofstream f(chemin, std::ios::binary);
    f << pdf;
    return static_cast<bool>(f.flush());
}
