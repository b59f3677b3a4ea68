#pragma once

#include "core/forms/menu_table.h"

namespace vexa {

// The Countries menu of the composers: the twenty countries in their order, each writing
// its position in the list ("0" for "Spain" to "19" for "Multi8").
const MenuTable& countryEntries();

} // namespace vexa
