#include "core/placement/building_types.h"

namespace vexa {

namespace {

MenuTable makeBuildingTypeMenus()
{
    const auto civilian = [](const char* caption, const char* code) { return menuEntry(caption, code, 1); };
    return {
        submenu("Allies", {
            menuEntry("AA gun", "AGUN", 1),
            menuEntry("Allied barracks", "TENT", 2),
            menuEntry("Allied tech center", "ATEK", 2),
            menuEntry("Camo. pillbox", "HBOX", 1),
            menuEntry("Cronosphere", "PDOX", 2),
            menuEntry("Fake constr. yard", "FACF", 3),
            menuEntry("Fake radar dome", "DOMF", 2),
            menuEntry("Fake ship yard", "SYRF", 3),
            menuEntry("Fake sub pen", "SPEF", 3),
            menuEntry("Fake weap. fact.", "WEAF", 3),
            menuEntry("Gap generator", "GAP", 1),
            menuEntry("Gun turret", "GUN", 1),
            menuEntry("Pillbox", "PBOX", 1),
            menuEntry("Ship yard", "SYRD", 3),
        }),
        submenu("Soviets", {
            menuEntry("Airstrip", "AFLD", 3),
            menuEntry("Flame turret", "FTUR", 1),
            menuEntry("Forward command center", "FCOM", 2),
            menuEntry("Iron curtain", "IRON", 2),
            menuEntry("Kennel", "KENN", 1),
            menuEntry("Sam site", "SAM", 2),
            menuEntry("Soviet barracks", "BARR", 2),
            menuEntry("Soviet tech center", "STEK", 3),
            menuEntry("Sub pen", "SPEN", 3),
            menuEntry("Tesla coil", "TSLA", 1),
        }),
        submenu("Both", {
            menuEntry("Advanced power plant", "APWR", 3),
            menuEntry("Construction yard", "FACT", 3),
            menuEntry("Helipad", "HPAD", 2),
            menuEntry("Nuke missile silo", "MSLO", 2),
            menuEntry("Ore refinery", "PROC", 3),
            menuEntry("Ore silo", "SILO", 1),
            menuEntry("Power plant", "POWR", 2),
            menuEntry("Repair bay", "FIX", 3),
            menuEntry("Radar dome", "DOME", 2),
            menuEntry("War factory", "WEAP", 3),
        }),
        submenu("Civilians", {
            submenu("Church - Haystacks", {
                civilian("Church", "V01"),
                civilian("Farmer's house", "V02"),
                civilian("Miller's hut", "V03"),
                civilian("Baker's house", "V04"),
                civilian("Smith's house", "V05"),
                civilian("The barn", "V06"),
                civilian("Shepherd's hut", "V07"),
                civilian("Weaver's house", "V08"),
                civilian("Music factory", "V09"),
                civilian("Toymaker's", "V10"),
                civilian("Potter's house", "V11"),
                civilian("Haystacks", "V12"),
            }),
            submenu("Haystack - Village well", {
                civilian("Haystack", "V13"),
                civilian("Wheat field", "V14"),
                civilian("Fallow field", "V15"),
                civilian("Corn field", "V16"),
                civilian("Celery field", "V17"),
                civilian("Potato field", "V18"),
                civilian("Oil pump", "V19"),
                civilian("Fisher's hut", "V21"),
                civilian("Cooper's house", "V22"),
                civilian("Village well", "V23"),
            }),
            submenu("Invisible houses", {
                civilian("Church (invisible)", "V25"),
                civilian("Farmer's house (invisible)", "V26"),
                civilian("Miller's hut (invisible)", "V27"),
                civilian("Baker's house (invisible)", "V28"),
                civilian("Smith's house (invisible)", "V29"),
                civilian("Village well (invisible)", "V30"),
                civilian("Witch doctor's house (invisible)", "V31"),
                civilian("Shepherd's hut (invisible)", "V32"),
                civilian("Weaver's house (invisile)", "V33"),
                civilian("Potter's house (invisible)", "V34"),
                civilian("Fisher's hut (invisible)", "V35"),
                civilian("Cooper's house (invisible)", "V36"),
                civilian("The studio (invisible)", "V37"),
            }),
        }),
        submenu("Misc.", {
            menuEntry("Anti personell mine", "MINP", 1),
            menuEntry("Anti vehicle mine", "MINV", 1),
            menuEntry("Barrel", "BARL", 1),
            menuEntry("Barrels", "BRL3", 1),
            menuEntry("Bio research lab", "BIO", 2),
            menuEntry("Hospital", "HOSP", 2),
            menuEntry("Research center", "MISS", 3),
        }),
    };
}

} // namespace

const MenuTable& buildingTypeMenus()
{
    static const MenuTable menus = makeBuildingTypeMenus();
    return menus;
}

} // namespace vexa
