#include "core/placement/unit_types.h"

namespace vexa {

namespace {

MenuTable makeUnitTypeMenus()
{
    return {
        submenu("Allies", {
            menuEntry("APC", "APC"),
            menuEntry("Light tank", "1TNK"),
            menuEntry("Medium tank", "2TNK"),
            menuEntry("Mobile artillery", "ARTY"),
            menuEntry("Mobile gap generator", "MGG"),
            menuEntry("Ranger", "JEEP"),
        }),
        submenu("Soviet", {
            menuEntry("Heavy tank", "3TNK"),
            menuEntry("Mammoth tank", "4TNK"),
            menuEntry("Scud launcer", "V2RL"),
        }),
        submenu("Both", {
            menuEntry("Convoy truck", "TRUK"),
            menuEntry("MCV", "MCV"),
            menuEntry("Mine layer", "MNLT"),
            menuEntry("Mobile radar jammer", "MRJ"),
            menuEntry("Ore truck", "HARV"),
        }),
    };
}

MenuTable makeShipTypeMenus()
{
    return {
        submenu("Allies", {
            menuEntry("Cruiser", "CA"),
            menuEntry("Destroyer", "DD"),
            menuEntry("Patrol boat", "BT"),
        }),
        submenu("Soviet", {
            menuEntry("Submarine", "SS"),
        }),
        submenu("Both", {
            menuEntry("Transport", "LST"),
        }),
    };
}

// The named entries carry names chosen so that every menu stays in the alphabetical order
// of its captions, as the order of the codes suggests (E7 between "Spy" and "Thief",
// the civilians around "Scientist", the Misc. characters before "Field marshal").
MenuTable makeInfantryTypeMenus()
{
    return {
        submenu("Allies", {
            menuEntry("Grenadier", "E2"),
            menuEntry("Medic", "MEDI"),
            menuEntry("Spy", "SPY"),
            menuEntry("Tanya", "E7"),
            menuEntry("Thief", "THF"),
        }),
        submenu("Soviet", {
            menuEntry("Attack dog", "DOG"),
            menuEntry("Flame soldier", "E4"),
        }),
        submenu("Both", {
            menuEntry("Engineer", "E6"),
            menuEntry("Rifle soldier", "E1"),
            menuEntry("Rocket soldier", "E3"),
        }),
        submenu("Civilians", {
            menuEntry("Agnes", "C2"),
            menuEntry("Bruno", "C8"),
            menuEntry("Clara", "C9"),
            menuEntry("Dimitri", "C1"),
            menuEntry("Elsa", "C5"),
            menuEntry("Frank", "C4"),
            menuEntry("Greta", "C7"),
            menuEntry("Scientist", "C10"),
            menuEntry("Sonja", "C3"),
            menuEntry("Viktor", "C6"),
        }),
        submenu("Misc.", {
            menuEntry("Chan", "CHAN"),
            menuEntry("Delphi", "DELPHI"),
            menuEntry("Einstein", "EINSTEIN"),
            menuEntry("Field marshal", "GNRL"),
        }),
    };
}

} // namespace

const MenuTable& unitTypeMenus()
{
    static const MenuTable menus = makeUnitTypeMenus();
    return menus;
}

const MenuTable& shipTypeMenus()
{
    static const MenuTable menus = makeShipTypeMenus();
    return menus;
}

const MenuTable& infantryTypeMenus()
{
    static const MenuTable menus = makeInfantryTypeMenus();
    return menus;
}

} // namespace vexa
