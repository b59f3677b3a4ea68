#include "core/document/layout.h"

#include <algorithm>

namespace vexa {

namespace {
constexpr TabInfo pane(std::string_view caption, std::string_view tab, PaneId id, std::string_view memo)
{
    return {caption, tab, TabContent::Pane, id, memo};
}
constexpr TabInfo page(std::string_view caption, std::string_view tab, TabContent content)
{
    return {caption, tab, content, PaneId::Rules, {}};
}
} // namespace

const std::array<TabInfo, kTabCount> kTabs = {
    pane("Rules", "TabSheet1", PaneId::Rules, "Memo6"),
    page("[Basic]", "Basic", TabContent::BasicPage),
    page("[Map]", "Map", TabContent::MapPage),
    pane("Country information", "TabSheet4", PaneId::Country, "Memo9"),
    pane("[STRUCTURES]", "STRUCTURES", PaneId::Structures, "Memo1"),
    pane("[UNITS]", "Units", PaneId::Units, "Memo2"),
    pane("[SHIPS]", "Ships", PaneId::Ships, "Memo3"),
    pane("[INFANTRY]", "Infantry", PaneId::Infantry, "Memo4"),
    pane("[TERRAIN]", "Terrain", PaneId::Terrain, "Memo5"),
    pane("[SMUDGE]", "Smudge", PaneId::Smudge, "Memo10"),
    pane("[Overlay]", "Overlay", PaneId::Overlay, "Memo11"),
    pane("[Base]", "Base", PaneId::Base, "Memo12"),
    pane("[Waypoints]", "waypoints", PaneId::Waypoints, "Memo13"),
    pane("[CellTriggers]", "Celltriggers", PaneId::CellTriggers, "Memo14"),
    pane("[Trigs]", "trigs", PaneId::Trigs, "Memo15"),
    pane("[TeamTypes]", "teamtypes", PaneId::TeamType, "Memo16"),
    pane("[MapPack]", "mappack", PaneId::MapPack, "Memo17"),
    pane("[OverlayPack]", "overlaypack", PaneId::OverlayPack, "Memo18"),
};

const TabInfo& tabOf(PaneId id)
{
    return *std::find_if(kTabs.begin(), kTabs.end(), [id](const TabInfo& tab) {
        return tab.content == TabContent::Pane && tab.pane == id;
    });
}

bool collectsSections(PaneId id)
{
    return id == PaneId::Rules || id == PaneId::Country;
}

std::string_view paneHeader(PaneId id)
{
    return tabOf(id).caption;
}

std::optional<PaneId> sectionPaneFor(std::string_view header)
{
    for (const TabInfo& tab : kTabs) {
        if (tab.content == TabContent::Pane && !collectsSections(tab.pane) && tab.caption == header)
            return tab.pane;
    }
    return std::nullopt;
}

std::string_view basicHeader()
{
    return kTabs[1].caption;
}

std::string_view mapHeader()
{
    return kTabs[2].caption;
}

const std::array<FieldInfo, kFieldCount> kFields = {{
    {FieldId::Name, Section::Basic, "Name", "Edit2", "Name:", FieldKind::Text, ChoiceList::None},
    {FieldId::Player, Section::Basic, "Player", "ComboBox8", "Player:", FieldKind::Combo, ChoiceList::Countries},
    {FieldId::Intro, Section::Basic, "Intro", "ComboBox1", "Intro movie:", FieldKind::Combo, ChoiceList::Movies},
    {FieldId::Brief, Section::Basic, "Brief", "ComboBox2", "Briefing movie:", FieldKind::Combo, ChoiceList::Movies},
    {FieldId::Action, Section::Basic, "Action", "ComboBox3", "Action movie:", FieldKind::Combo, ChoiceList::Movies},
    {FieldId::Win, Section::Basic, "Win", "ComboBox4", "Win movie:", FieldKind::Combo, ChoiceList::Movies},
    {FieldId::Lose, Section::Basic, "Lose", "ComboBox5", "Lose movie:", FieldKind::Combo, ChoiceList::Movies},
    {FieldId::Theme, Section::Basic, "Theme", "ComboBox7", "Music theme:", FieldKind::Combo, ChoiceList::Themes},
    {FieldId::CarryOverCap, Section::Basic, "CarryOverCap", "Edit3", "CarryOverCap:", FieldKind::Text, ChoiceList::None},
    {FieldId::CarryOverMoney, Section::Basic, "CarryOverMoney", "Edit9", "CarryOverMoney:", FieldKind::Text, ChoiceList::None},
    {FieldId::Percent, Section::Basic, "Percent", "Edit4", "Percent:", FieldKind::Text, ChoiceList::None},
    {FieldId::Theater, Section::Map, "Theater", "ComboBox6", "Theater:", FieldKind::Combo, ChoiceList::Theaters},
    {FieldId::X, Section::Map, "X", "Edit5", "X:", FieldKind::Text, ChoiceList::None},
    {FieldId::Y, Section::Map, "Y", "Edit6", "Y:", FieldKind::Text, ChoiceList::None},
    {FieldId::Width, Section::Map, "Width", "Edit7", "Width:", FieldKind::Text, ChoiceList::None},
    {FieldId::Height, Section::Map, "Height", "Edit8", "Height:", FieldKind::Text, ChoiceList::None},
}};

const std::array<FlagInfo, kFlagCount> kFlags = {{
    {FlagId::ToCarryOver, "ToCarryOver", "CheckBox4", "ToCarryOver:"},
    {FlagId::ToInherit, "ToInherit", "CheckBox5", "ToInherit:"},
    {FlagId::TimerInherit, "TimerInherit", "CheckBox7", "TimerInherit:"},
    {FlagId::CivEvac, "CivEvac", "CheckBox8", "CivEvac:"},
    {FlagId::EndOfGame, "EndOfGame", "CheckBox9", "EndOfGame:"},
    {FlagId::NoSpyPlane, "NoSpyPlane", "CheckBox10", "NoSpyPlane:"},
    {FlagId::SkipScore, "SkipScore", "CheckBox11", "SkipScore:"},
    {FlagId::OneTimeOnly, "OneTimeOnly", "CheckBox12", "OneTimeOnly:"},
    {FlagId::SkipMapSelect, "SkipMapSelect", "CheckBox3", "SkipMapSelect:"},
    {FlagId::Official, "Official", "CheckBox2", "Official:"},
    {FlagId::FillSilos, "FillSilos", "CheckBox6", "FillSilos:"},
    {FlagId::TruckCrate, "TruckCrate", "CheckBox1", "TruckCrate:"},
}};

const FieldInfo& infoOf(FieldId field)
{
    return kFields[index(field)];
}

const FlagInfo& infoOf(FlagId flag)
{
    return kFlags[index(flag)];
}

} // namespace vexa
