#pragma once

#include <span>
#include <string_view>

namespace vexa {

// One entry of a vocabulary menu (events, actions, countries, unit types, orders).
// Choosing it writes `code` into the menu's code field; the rest says what happens to
// the fields beside it. Every text has static storage, so a view of an entry stays valid
// for the whole run.
struct VocabularyEntry {
    std::string_view caption;         // as stored: "&" marks an access key, "&&" shows "&"
    std::string_view code;            // the text written into the code field: "11", "1TNK"
    int slot = 0;                     // the parameter an event or action asks for; 0: none
    std::string_view prompt;          // the label that slot takes
    std::string_view fixedParameter;  // a parameter the entry sets itself (orders); empty: none
};

struct VocabularySubmenu {
    std::string_view caption;
    std::span<const VocabularyEntry> entries;
};

// A menu of a dialog's menu bar: its submenus first, then any entries of its own.
struct VocabularyMenu {
    std::string_view caption;
    std::span<const VocabularySubmenu> submenus;
    std::span<const VocabularyEntry> entries;
};

// The Countries menu of the composers: the twenty countries in their order, each writing
// its position in the list ("0" for "Spain" to "19" for "Multi8").
std::span<const VocabularyEntry> countryEntries();

} // namespace vexa
