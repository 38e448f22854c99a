#include "showfile/DamagedNames.h"

#include "environment/AnsiCodePage.h"
#include "listtext/Serialize.h"

#include <algorithm>

namespace bw::DamagedNames {

std::vector<std::string> InShowText(std::string_view text, TextEncoding::Encoding encoding) {
    std::vector<std::string> names;
    // The list format's delimiters are ASCII, so no character of any name spans one of them, and
    // every name lies whole between two of them: a text with no damage anywhere has no damaged
    // name, which one pass over it tells.
    if (!TextEncoding::IsDamaged(text, encoding))
        return names;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("(),"), text.size());
        const std::string_view element = text.substr(0, end);
        if (TextEncoding::IsDamaged(element, encoding)) {
            std::string name = Serialize::UnescapeText(element);
            if (std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(std::move(name));
        }
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return names;
}

std::string Explanation(TextEncoding::Encoding encoding) {
    return encoding == TextEncoding::Encoding::Utf8 || AnsiCodePage::IsUtf8()
               ? "holds bytes that are not UTF-8 (shown as \\xHH), kept as they are"
               : "holds bytes that the code page does not define (shown as \\xHH), kept as they "
                 "are";
}

std::string Notice(std::string_view text, TextEncoding::Encoding encoding) {
    constexpr std::size_t MostListed = 10;
    const std::vector<std::string> names = InShowText(text, encoding);
    if (names.empty())
        return {};
    std::string notice = names.size() == 1 ? "This name " : "Each of these names ";
    notice += Explanation(encoding) + ":\n";
    for (std::size_t i = 0; i < names.size() && i < MostListed; ++i)
        notice += "\n" + TextEncoding::Visible(names[i], encoding);
    if (names.size() > MostListed)
        notice += "\n... and " + std::to_string(names.size() - MostListed) + " more";
    return notice;
}

} // namespace bw::DamagedNames
