#include "core/scripting/vocabulary.h"

#include "core/document/countries.h"

#include <string>

namespace vexa {

const MenuTable& countryEntries()
{
    static const MenuTable entries = [] {
        MenuTable built;
        for (std::size_t i = 0; i < kCountryCount; ++i)
            built.push_back(menuEntry(std::string(kCountries[i]), std::to_string(i)));
        return built;
    }();
    return entries;
}

} // namespace vexa
