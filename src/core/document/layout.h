#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace vexa {

// The sixteen panes, in the order the writer puts them out.
enum class PaneId {
    Rules, Country, Structures, Units, Ships, Infantry, Terrain, Smudge, Overlay,
    Base, Waypoints, CellTriggers, Trigs, TeamType, MapPack, OverlayPack,
};
inline constexpr std::size_t kPaneCount = 16;

enum class TabContent { Pane, BasicPage, MapPage };

// One tab of the main window. For a section pane proper the caption is also the section
// header that the reader recognises and the writer writes.
struct TabInfo {
    std::string_view caption;
    std::string_view tabName;
    TabContent content;
    PaneId pane;                // meaningful for TabContent::Pane only
    std::string_view memoName;  // the pane's text editor
};
inline constexpr std::size_t kTabCount = 18;
extern const std::array<TabInfo, kTabCount> kTabs;

// The tab of a pane, and whether the pane holds whole sections (headers included).
const TabInfo& tabOf(PaneId pane);
bool collectsSections(PaneId pane);
std::string_view paneHeader(PaneId pane);
std::optional<PaneId> sectionPaneFor(std::string_view header);
std::string_view basicHeader();
std::string_view mapHeader();

inline constexpr std::size_t index(PaneId pane) { return static_cast<std::size_t>(pane); }

// The text fields and combo boxes of the Basic and Map pages, in page order.
enum class FieldId {
    Name, Player, Intro, Brief, Action, Win, Lose, Theme, CarryOverCap, CarryOverMoney,
    Percent, Theater, X, Y, Width, Height,
};
inline constexpr std::size_t kFieldCount = 16;

enum class Section { Basic, Map };
enum class FieldKind { Text, Combo };
enum class ChoiceList { None, Countries, Movies, Themes, Theaters };

struct FieldInfo {
    FieldId id;
    Section section;
    std::string_view key;
    std::string_view component;
    std::string_view label;
    FieldKind kind;
    ChoiceList list;
};
extern const std::array<FieldInfo, kFieldCount> kFields;

// The twelve check boxes of the Basic page, in grid column order, which is also the
// order in which the writer puts them.
enum class FlagId {
    ToCarryOver, ToInherit, TimerInherit, CivEvac, EndOfGame, NoSpyPlane, SkipScore,
    OneTimeOnly, SkipMapSelect, Official, FillSilos, TruckCrate,
};
inline constexpr std::size_t kFlagCount = 12;

struct FlagInfo {
    FlagId id;
    std::string_view key;
    std::string_view component;
    std::string_view label;
};
extern const std::array<FlagInfo, kFlagCount> kFlags;

inline constexpr std::size_t index(FieldId field) { return static_cast<std::size_t>(field); }
inline constexpr std::size_t index(FlagId flag) { return static_cast<std::size_t>(flag); }
const FieldInfo& infoOf(FieldId field);
const FlagInfo& infoOf(FlagId flag);

} // namespace vexa
