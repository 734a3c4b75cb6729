#pragma once
// A formula being typed is often incomplete ("2*(x+"). To keep showing it in
// 2D, the text is completed with a placeholder letter after a trailing
// operator and with its missing closing brackets; the drawing shows those
// additions lighter. Returns nothing when the text cannot be completed this
// way (a closing bracket without its opening one) or needs no addition.

#include <optional>
#include <string>
#include <string_view>

namespace dessin {

// The letter standing for a missing operand.
inline constexpr char LETTRE_A_COMPLETER = 'x';

std::optional<std::string> complete_saisie(std::string_view texte);

} // namespace dessin
