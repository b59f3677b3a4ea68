#pragma once

#include "core/check/checker.h"
#include "core/check/line_formats.h"
#include "core/check/scenario_check.h"

namespace vexa {

// The rules of the table in scenario_check.cpp, one function each.
void checkDuplicateKeys(const Rule& rule, Checker& checker);
void checkUnknownTriggers(const Rule& rule, Checker& checker);
void checkCellsOnMap(const Rule& rule, Checker& checker);
void checkBaseCount(const Rule& rule, Checker& checker);
void checkCountries(const Rule& rule, Checker& checker);
void checkFieldCounts(const Rule& rule, Checker& checker);

// Whether a line of a format holds a field at the index: the whole line has the format's
// field count where it has one, so a rule never reads a field of a misshapen line.
bool hasField(const LineFormat& format, const Fields& fields, std::size_t index);

// The key of base entry k as the buildings dialog writes it: 000, 001, ... 100.
std::string baseEntryKey(std::size_t k);
bool isBaseHeaderKey(std::string_view key);

} // namespace vexa
