#pragma once

#include "environment/TextEncoding.h"

#include <string>
#include <string_view>
#include <vector>

// The names of a show that hold bytes which were not valid in the encoding its file was read in
// (see TextEncoding.h): a stray byte in a UTF-8 show, a character cut off at its end, a byte that
// Windows-1252 does not define. They are kept as they are; the person is told which they are.
namespace bw::DamagedNames {

// Every such name of a show text (any element that is no list, unescaped), each once, in the
// order of the text.
std::vector<std::string> InShowText(std::string_view text, TextEncoding::Encoding encoding);

// One line for a person: what is wrong with the names and how they are shown, without the names.
std::string Explanation(TextEncoding::Encoding encoding);

// What the editor tells on open: the damaged names of a show text, one a line in their visible
// form (TextEncoding::Visible), the first ten of them; empty when there are none.
std::string Notice(std::string_view text, TextEncoding::Encoding encoding);

} // namespace bw::DamagedNames
