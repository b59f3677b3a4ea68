#include "core/scripting/vocabulary.h"

#include "core/document/countries.h"

#include <array>

namespace vexa {

std::span<const VocabularyEntry> countryEntries()
{
    static constexpr std::array<std::string_view, kCountryCount> positions = {
        "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",
        "10", "11", "12", "13", "14", "15", "16", "17", "18", "19",
    };
    static const auto entries = [] {
        std::array<VocabularyEntry, kCountryCount> built{};
        for (std::size_t i = 0; i < kCountryCount; ++i)
            built[i] = VocabularyEntry{kCountries[i], positions[i], 0, {}, {}};
        return built;
    }();
    return entries;
}

} // namespace vexa
