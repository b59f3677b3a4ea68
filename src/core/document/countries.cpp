#include "core/document/countries.h"

#include <algorithm>

namespace vexa {

const std::array<std::string_view, kCountryCount> kCountries = {
    "Spain",   "Greece", "USSR",    "England", "Ukraine", "Germany", "France",
    "Turkey",  "GoodGuy", "BadGuy", "Neutral", "Special", "Multi1",  "Multi2",
    "Multi3",  "Multi4", "Multi5",  "Multi6",  "Multi7",  "Multi8",
};

std::optional<std::size_t> countryIndex(std::string_view name)
{
    const auto found = std::find(kCountries.begin(), kCountries.end(), name);
    if (found == kCountries.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - kCountries.begin());
}

} // namespace vexa
