#include "core/placement/building_types.h"

namespace vexa {

namespace {

TypeMenuBar makeBuildingTypeMenus()
{
    const auto civilian = [](const char* caption, const char* code) { return typeEntry(caption, code, 1); };
    return {
        typeSubmenu("Allies", {
            typeEntry("AA gun", "AGUN", 1),
            typeEntry("Allied barracks", "TENT", 2),
            typeEntry("Allied tech center", "ATEK", 2),
            typeEntry("Camo. pillbox", "HBOX", 1),
            typeEntry("Cronosphere", "PDOX", 2),
            typeEntry("Fake constr. yard", "FACF", 3),
            typeEntry("Fake radar dome", "DOMF", 2),
            typeEntry("Fake ship yard", "SYRF", 3),
            typeEntry("Fake sub pen", "SPEF", 3),
            typeEntry("Fake weap. fact.", "WEAF", 3),
            typeEntry("Gap generator", "GAP", 1),
            typeEntry("Gun turret", "GUN", 1),
            typeEntry("Pillbox", "PBOX", 1),
            typeEntry("Ship yard", "SYRD", 3),
        }),
        typeSubmenu("Soviets", {
            typeEntry("Airstrip", "AFLD", 3),
            typeEntry("Flame turret", "FTUR", 1),
            typeEntry("Forward command center", "FCOM", 2),
            typeEntry("Iron curtain", "IRON", 2),
            typeEntry("Kennel", "KENN", 1),
            typeEntry("Sam site", "SAM", 2),
            typeEntry("Soviet barracks", "BARR", 2),
            typeEntry("Soviet tech center", "STEK", 3),
            typeEntry("Sub pen", "SPEN", 3),
            typeEntry("Tesla coil", "TSLA", 1),
        }),
        typeSubmenu("Both", {
            typeEntry("Advanced power plant", "APWR", 3),
            typeEntry("Construction yard", "FACT", 3),
            typeEntry("Helipad", "HPAD", 2),
            typeEntry("Nuke missile silo", "MSLO", 2),
            typeEntry("Ore refinery", "PROC", 3),
            typeEntry("Ore silo", "SILO", 1),
            typeEntry("Power plant", "POWR", 2),
            typeEntry("Repair bay", "FIX", 3),
            typeEntry("Radar dome", "DOME", 2),
            typeEntry("War factory", "WEAP", 3),
        }),
        typeSubmenu("Civilians", {
            typeSubmenu("Church - Haystacks", {
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
            typeSubmenu("Haystack - Village well", {
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
            typeSubmenu("Invisible houses", {
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
        typeSubmenu("Misc.", {
            typeEntry("Anti personell mine", "MINP", 1),
            typeEntry("Anti vehicle mine", "MINV", 1),
            typeEntry("Barrel", "BARL", 1),
            typeEntry("Barrels", "BRL3", 1),
            typeEntry("Bio research lab", "BIO", 2),
            typeEntry("Hospital", "HOSP", 2),
            typeEntry("Research center", "MISS", 3),
        }),
    };
}

} // namespace

const TypeMenuBar& buildingTypeMenus()
{
    static const TypeMenuBar menus = makeBuildingTypeMenus();
    return menus;
}

} // namespace vexa
