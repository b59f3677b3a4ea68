#pragma once

#include "core/document/layout.h"

#include <string>
#include <vector>

namespace vexa {

// The items that the Basic and Map pages' drop-down lists offer. A movie or theme item
// is its key, blanks up to a common column, "; " and a short description; picking an
// item puts its whole text into the field.
const std::vector<std::string>& movieItems();
const std::vector<std::string>& themeItems();
const std::vector<std::string>& theaterItems();
std::vector<std::string> choiceItems(ChoiceList list);

} // namespace vexa
