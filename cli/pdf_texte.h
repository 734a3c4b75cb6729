#pragma once
// A small PDF writer for text lines, without any window library: A4 pages in
// the standard Helvetica fonts (Windows-1252 characters), long lines wrapped,
// as many pages as the lines need. The command-line tool prints the pupil's
// copy with it; the desktop program prints through its printer instead.

#include <filesystem>
#include <string>
#include <vector>

struct LignePdf {
    enum class Style { titre, texte, formule } style = Style::texte;
    std::string texte;   // UTF-8; a line break inside starts another line
};

// False when the file cannot be written.
bool ecrit_pdf_texte(const std::filesystem::path &chemin, const std::vector<LignePdf> &lignes);
