#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace vexa {

// Every country or player chooser offers these names in this order; where a country is
// written as a number, the number is its position here.
inline constexpr std::size_t kCountryCount = 20;
extern const std::array<std::string_view, kCountryCount> kCountries;

std::optional<std::size_t> countryIndex(std::string_view name);

} // namespace vexa
