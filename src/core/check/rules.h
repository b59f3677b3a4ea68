#pragma once

#include "core/check/checker.h"
#include "core/check/scenario_check.h"

namespace vexa {

// The rules of the table in scenario_check.cpp.
void duplicateKeyOnLine(const Rule& rule, Checker& checker, const LineAt& line);
void unknownTriggerOnLine(const Rule& rule, Checker& checker, const LineAt& line);
void offMapOnLine(const Rule& rule, Checker& checker, const LineAt& line);
void checkBaseCount(const Rule& rule, Checker& checker);
void unknownCountryOnLine(const Rule& rule, Checker& checker, const LineAt& line);
void checkPlayerCountry(const Rule& rule, Checker& checker);
void fieldCountOnLine(const Rule& rule, Checker& checker, const LineAt& line);
void checkCountryBodyLines(const Rule& rule, Checker& checker);
void checkMapBounds(const Rule& rule, Checker& checker);
void checkTeamTypeSection(const Rule& rule, Checker& checker);
void unknownTypeOnLine(const Rule& rule, Checker& checker, const LineAt& line);
void checkPacks(const Rule& rule, Checker& checker);
void groundOnLine(const Rule& rule, Checker& checker, const LineAt& line);
void checkByteOrderMark(const Rule& rule, Checker& checker);
void checkScriptReferences(const Rule& rule, Checker& checker);

// A type code that unknown-type accepts: one a Create dialog offers or the expansion packs
// know, in upper or lower case.
bool isKnownPlacementCode(std::string_view code);

// The team type header that the game does not read.
inline constexpr std::string_view kOldTeamTypeHeader = "[TeamType]";

// Whether a line holds a field at the index: the whole line has its format's field count
// where the format has one, so a rule never reads a field of a misshapen line.
bool hasField(const LineAt& line, std::optional<std::size_t> index);

// The key of base entry k as the buildings dialog writes it: 000, 001, ... 100.
std::string baseEntryKey(std::size_t k);

} // namespace vexa
