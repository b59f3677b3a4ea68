#include "form_fixture.h"

#include "core/document/layout.h"
#include "core/placement/placement_values.h"
#include "core/placement/unit_types.h"
#include "gui/forms/form_widgets.h"
#include "gui/placement/position_calculator.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include <algorithm>
#include <span>

using namespace vexa;
using vexa::test::FormFixture;

namespace {

using Lines = std::vector<std::string>;

// What a test needs to know of each of the three forms.
struct Dialog {
    const char* entry;       // the main window's Create entry
    const char* form;
    const char* kind;        // the label word
    PaneId pane;
    const char* typeCaption; // the type caption label
    const MenuTable& (*typeMenus)();
    std::span<const std::string_view> directions;
    std::span<const std::string_view> orders;
};

const Dialog kUnits{"Units1", "TForm4", "Unit", PaneId::Units, "Label10", unitTypeMenus,
                    kDirectionItems, kUnitOrderItems};
const Dialog kShips{"Ships1", "TForm5", "Ship", PaneId::Ships, "Label10", shipTypeMenus,
                    kDirectionItems, kShipOrderItems};
const Dialog kInfantry{"Infantry1", "TForm6", "Infantry", PaneId::Infantry, "Label11", infantryTypeMenus,
                       kInfantryDirectionItems, kInfantryOrderItems};
const Dialog* const kDialogs[] = {&kUnits, &kShips, &kInfantry};

class UnitForms : public FormFixture {
protected:
    // Opens a form from its Create entry; the form's fields are then at hand by name.
    QWidget& open(const Dialog& dialog)
    {
        current_ = &openForm(dialog.entry, dialog.form);
        return *current_;
    }

    template <typename T>
    T* field(const char* name) const { return child<T>(*current_, name); }
    QComboBox* country() const { return field<QComboBox>("ComboBox1"); }
    QLineEdit* type() const { return field<QLineEdit>("Edit2"); }
    QLineEdit* health() const { return field<QLineEdit>("Edit3"); }
    QSlider* trackBar() const { return field<QSlider>("TrackBar1"); }
    QComboBox* direction() const { return field<QComboBox>("ComboBox2"); }
    QComboBox* order() const { return field<QComboBox>("ComboBox3"); }
    QLineEdit* first() const { return field<QLineEdit>("Edit4"); }
    QLineEdit* last() const { return field<QLineEdit>("Edit5"); }
    QLineEdit* spacing() const { return field<QLineEdit>("Edit6"); }
    QComboBox* trigger() const { return field<QComboBox>("ComboBox4"); }
    QLineEdit* comment() const { return field<QLineEdit>("Edit1"); }
    QCheckBox* subPosition(int number) const
    {
        return field<QCheckBox>(QStringLiteral("CheckBox%1").arg(number).toLatin1().constData());
    }
    QRadioButton* compass(int number) const
    {
        return field<QRadioButton>(QStringLiteral("RadioButton%1").arg(number).toLatin1().constData());
    }
    void create() const { click(field<QPushButton>("BitBtn1")); }

    std::vector<int> compassSet() const { return setCompassButtons(*current_); }
    // Which sub-position boxes are ticked, CheckBox1 first.
    std::vector<int> subPositionsTicked() const
    {
        std::vector<int> ticked;
        for (int number = 1; number <= 5; ++number) {
            if (subPosition(number)->isChecked())
                ticked.push_back(number);
        }
        return ticked;
    }

    // The worked examples' fields but the type: USSR, health 256, direction 64 (the
    // compass's left button), order Hunt, trigger None, first 500, last 501, spacing 1.
    void fillWorkedExample() const
    {
        pick(country(), QStringLiteral("USSR"));
        click(compass(3));
        pick(order(), QStringLiteral("Hunt"));
        QTest::keyClicks(first(), QStringLiteral("500"));
        typeOver(last(), QStringLiteral("501"));
    }

    // A row in which every field the form starts afresh differs from its start.
    void fillEveryRowField() const
    {
        pick(country(), QStringLiteral("Spain"));
        QTest::keyClicks(type(), QStringLiteral("X1"));
        typeOver(health(), QStringLiteral("100"));
        click(compass(5));
        pick(order(), QStringLiteral("Guard"));
        QTest::keyClicks(first(), QStringLiteral("7"));
        typeOver(spacing(), QStringLiteral("2"));
        pick(trigger(), QStringLiteral("alarm"));
        typeOver(comment(), QStringLiteral("c"));
    }

    void expectRowFieldsStartAfresh() const
    {
        EXPECT_TRUE(type()->text().isEmpty());
        EXPECT_TRUE(field<QLabel>(currentDialog().typeCaption)->text().isEmpty());
        EXPECT_EQ(health()->text(), "256");
        EXPECT_EQ(trackBar()->value(), 256);
        EXPECT_EQ(direction()->currentText(), "0");
        EXPECT_EQ(compassSet(), std::vector<int>{1});
        EXPECT_EQ(order()->currentText(), "None");
        EXPECT_TRUE(first()->text().isEmpty());
        EXPECT_TRUE(last()->text().isEmpty());
        EXPECT_EQ(spacing()->text(), "1");
        EXPECT_EQ(trigger()->currentText(), "None");
    }

    const Dialog& currentDialog() const
    {
        for (const Dialog* dialog : kDialogs) {
            if (current_->objectName() == QLatin1String(dialog->form))
                return *dialog;
        }
        ADD_FAILURE() << "no form open";
        return kUnits;
    }

    QWidget* current_ = nullptr;
};

} // namespace

// --- The worked examples, each through the Create menu, the form's menus and fields.

TEST_F(UnitForms, UnitsWorkedExample)
{
    open(kUnits);
    fillWorkedExample();
    chooseMenu(*current_, "Heavytank1");
    EXPECT_EQ(type()->text(), "3TNK");
    EXPECT_EQ(field<QLabel>("Label10")->text(), "Heavy tank");
    create();

    EXPECT_EQ(paneLines(PaneId::Units), (Lines{"0=USSR,3TNK,256,500,64,Hunt,None", "1=USSR,3TNK,256,501,64,Hunt,None"}));
    EXPECT_TRUE(desktop_.errors.isEmpty());
    EXPECT_TRUE(current_->isVisible());
}

TEST_F(UnitForms, ShipsWorkedExampleWithTheFirstPositionFromTheCalculator)
{
    open(kShips);
    fillWorkedExample();
    first()->clear();
    click(field<QPushButton>("Button4"));
    TForm9& calculator = app_->positionCalculator();
    typeOver(child<QLineEdit>(calculator, "Edit1"), QStringLiteral("500"));
    click(child<QPushButton>(calculator, "BitBtn1"));
    EXPECT_EQ(first()->text(), "500");
    EXPECT_EQ(last()->text(), "500") << "the first position is copied into the last";
    typeOver(last(), QStringLiteral("501"));
    chooseMenu(*current_, "Submarine1");
    EXPECT_EQ(field<QLabel>("Label10")->text(), "Submarine");
    create();

    EXPECT_EQ(paneLines(PaneId::Ships), (Lines{"0=USSR,SS,256,500,64,Hunt,None", "1=USSR,SS,256,501,64,Hunt,None"}));
    EXPECT_TRUE(paneLines(PaneId::Units).empty());
}

TEST_F(UnitForms, InfantryWorkedExampleWithTheCentreAndUpperLeftTicked)
{
    open(kInfantry);
    fillWorkedExample();
    chooseMenu(*current_, "Riflesoldier1");
    EXPECT_EQ(field<QLabel>("Label11")->text(), "Rifle soldier");
    for (int number : {3, 4, 5})
        click(subPosition(number));
    create();

    EXPECT_EQ(paneLines(PaneId::Infantry), (Lines{
        "0=USSR,E1,256,500,0,Hunt,64,None",
        "1=USSR,E1,256,500,1,Hunt,64,None",
        "2=USSR,E1,256,501,0,Hunt,64,None",
        "3=USSR,E1,256,501,1,Hunt,64,None",
    }));
}

// --- What can break in the forms themselves.

// Each form has its own order list and starts its order chooser at "None", a text that is
// not in the list and is written as it stands.
TEST_F(UnitForms, OrderChooserStartsAtNoneWhichIsNotInItsList)
{
    for (const Dialog* dialog : kDialogs) {
        SCOPED_TRACE(dialog->form);
        open(*dialog);
        EXPECT_EQ(itemsOf(order()), itemList(dialog->orders));
        EXPECT_EQ(order()->currentText(), "None");
        EXPECT_EQ(order()->currentIndex(), -1);

        pick(order(), QStringLiteral("Sleep"));
        open(*dialog);
        EXPECT_EQ(order()->currentText(), "None") << "opening starts it again";

        pick(country(), QStringLiteral("Greece"));
        QTest::keyClicks(type(), QStringLiteral("T"));
        QTest::keyClicks(first(), QStringLiteral("9"));
        create();
        ASSERT_EQ(paneLines(dialog->pane).size(), dialog == &kInfantry ? 5u : 1u);
        EXPECT_EQ(paneLines(dialog->pane)[0],
                  dialog == &kInfantry ? "0=Greece,T,256,9,0,None,0,None" : "0=Greece,T,256,9,0,None,None");
    }
}

// The compass writes the direction; a change of the direction chooser by the user clears
// it, and a change of any other chooser does not.
TEST_F(UnitForms, DirectionChooserClearsTheCompassAndNoOtherChooserDoes)
{
    for (const Dialog* dialog : kDialogs) {
        SCOPED_TRACE(dialog->form);
        open(*dialog);
        EXPECT_EQ(itemsOf(direction()), itemList(dialog->directions));

        click(compass(6));
        EXPECT_EQ(direction()->currentText(), "160") << "the compass gives 160 in every form";
        pick(order(), QStringLiteral("Move"));
        typeOver(country(), QStringLiteral("Greece"));
        typeOver(trigger(), QStringLiteral("t"));
        EXPECT_EQ(compassSet(), std::vector<int>{6});

        typeOver(direction(), QStringLiteral("40"));
        EXPECT_TRUE(compassSet().empty());
        EXPECT_EQ(direction()->currentText(), "40");

        click(compass(2));
        EXPECT_EQ(direction()->currentText(), "32");
        pick(direction(), itemList(dialog->directions).last());
        EXPECT_TRUE(compassSet().empty());
    }
}

// The five boxes stand where the five places of a cell are, and each ticked one gives its
// own line with its sub-position.
TEST_F(UnitForms, SubPositionBoxesStandLikeThePlacesOfACellAndReachTheLines)
{
    setPane(PaneId::Trigs, QStringLiteral("alarm=1,2\n"));
    open(kInfantry);
    const auto centre = [&](int number) { return subPosition(number)->mapTo(current_, subPosition(number)->rect().center()); };
    EXPECT_LT(centre(2).x(), centre(1).x());
    EXPECT_LT(centre(2).y(), centre(1).y());
    EXPECT_GT(centre(3).x(), centre(1).x());
    EXPECT_LT(centre(3).y(), centre(1).y());
    EXPECT_LT(centre(4).x(), centre(1).x());
    EXPECT_GT(centre(4).y(), centre(1).y());
    EXPECT_GT(centre(5).x(), centre(1).x());
    EXPECT_GT(centre(5).y(), centre(1).y());
    EXPECT_EQ(subPositionsTicked(), (std::vector<int>{1, 2, 3, 4, 5}));

    // The help's example: only the upper right and the lower left ticked.
    pick(country(), QStringLiteral("Ukraine"));
    chooseMenu(*current_, "Riflesoldier1");
    typeOver(health(), QStringLiteral("128"));
    click(compass(2));
    pick(order(), QStringLiteral("Area Guard"));
    pick(trigger(), QStringLiteral("alarm"));
    QTest::keyClicks(first(), QStringLiteral("1500"));
    typeOver(last(), QStringLiteral("1501"));
    for (int number : {1, 2, 5})
        click(subPosition(number));
    create();
    EXPECT_EQ(paneLines(PaneId::Infantry), (Lines{
        "0=Ukraine,E1,128,1500,2,Area Guard,32,alarm",
        "1=Ukraine,E1,128,1500,3,Area Guard,32,alarm",
        "2=Ukraine,E1,128,1501,2,Area Guard,32,alarm",
        "3=Ukraine,E1,128,1501,3,Area Guard,32,alarm",
    }));
    EXPECT_EQ(subPositionsTicked(), (std::vector<int>{3, 4})) << "Create leaves the boxes as they are";

    // No box ticked: nothing is written, and the row still starts afresh.
    for (int number : {3, 4})
        click(subPosition(number));
    QTest::keyClicks(type(), QStringLiteral("E2"));
    QTest::keyClicks(first(), QStringLiteral("10"));
    create();
    EXPECT_EQ(paneLines(PaneId::Infantry).size(), 4u);
    EXPECT_TRUE(type()->text().isEmpty());
    EXPECT_TRUE(subPositionsTicked().empty());

    open(kInfantry);
    EXPECT_EQ(subPositionsTicked(), (std::vector<int>{1, 2, 3, 4, 5})) << "opening ticks all five";
}

TEST_F(UnitForms, AfterCreateTheRowFieldsStartAfreshAndTheRestStays)
{
    for (const Dialog* dialog : kDialogs) {
        SCOPED_TRACE(dialog->form);
        setPane(PaneId::Trigs, QStringLiteral("alarm=1,2\n"));
        open(*dialog);
        fillEveryRowField();
        if (dialog == &kInfantry) {
            for (int number : {1, 2, 3, 4})
                click(subPosition(number));
        }
        setPane(PaneId::Trigs, QStringLiteral("alarm=1,2\nflood=3\n"));
        create();
        ASSERT_EQ(paneLines(dialog->pane),
                  Lines{dialog == &kInfantry ? "0=Spain,X1,100,7,4,Guard,128,alarm ; c"
                                             : "0=Spain,X1,100,7,128,Guard,alarm ; c"});

        expectRowFieldsStartAfresh();
        EXPECT_TRUE(comment()->text().isEmpty());
        EXPECT_EQ(country()->currentText(), "Spain");
        EXPECT_EQ(itemsOf(trigger()), QStringList{"alarm"}) << "the list is taken on opening only";
        if (dialog == &kInfantry) {
            EXPECT_EQ(subPositionsTicked(), std::vector<int>{5});
        }
        EXPECT_TRUE(current_->isVisible());
    }
}

TEST_F(UnitForms, OpeningStartsAfreshButKeepsTheComment)
{
    for (const Dialog* dialog : kDialogs) {
        SCOPED_TRACE(dialog->form);
        setPane(PaneId::Trigs, QStringLiteral("alarm=1,2\n"));
        open(*dialog);
        fillEveryRowField();
        typeOver(comment(), QStringLiteral("kept"));
        if (dialog == &kInfantry)
            click(subPosition(1));
        setPane(PaneId::Trigs, QStringLiteral("later=1\n"));
        open(*dialog);

        expectRowFieldsStartAfresh();
        EXPECT_TRUE(country()->currentText().isEmpty());
        EXPECT_EQ(comment()->text(), "kept");
        EXPECT_EQ(itemsOf(trigger()), QStringList{"later"});
        if (dialog == &kInfantry) {
            EXPECT_EQ(subPositionsTicked(), (std::vector<int>{1, 2, 3, 4, 5}));
        }
    }
}

// Units and ships write the same line, so only their spacing rule tells whether each form
// calls its own Create: a spacing that is no number steps by 1 for units and is refused by
// ships and infantry.
TEST_F(UnitForms, EachFormCallsItsOwnCreate)
{
    for (const Dialog* dialog : kDialogs) {
        SCOPED_TRACE(dialog->form);
        open(*dialog);
        fillWorkedExample();
        QTest::keyClicks(type(), QStringLiteral("T"));
        typeOver(spacing(), QStringLiteral("abc"));
        create();
        const bool steps = dialog == &kUnits;
        EXPECT_EQ(paneLines(dialog->pane).size(), steps ? 2u : 0u);
        EXPECT_EQ(type()->text().isEmpty(), steps) << "a refused Create resets nothing";
    }
}

TEST_F(UnitForms, TypeMenusWriteTheCodeAndCaptionAndLeaveTheSpacing)
{
    for (const Dialog* dialog : kDialogs) {
        SCOPED_TRACE(dialog->form);
        QWidget& form = open(*dialog);
        QLabel* caption = field<QLabel>(dialog->typeCaption);
        const QSize size = form.size();
        typeOver(spacing(), QStringLiteral("7"));

        const QList<QAction*> actions = form.findChildren<QAction*>();
        for (const MenuItem* entry : menuEntries(dialog->typeMenus())) {
            const auto action = std::find_if(actions.begin(), actions.end(), [&](QAction* a) {
                return a->text().toStdString() == entry->caption;
            });
            ASSERT_NE(action, actions.end()) << entry->caption;
            (*action)->trigger();
            QApplication::processEvents();
            EXPECT_EQ(type()->text().toStdString(), entry->code);
            EXPECT_EQ(caption->text().toStdString(), entry->caption);
            EXPECT_EQ(form.size(), size) << entry->caption;
        }
        EXPECT_EQ(spacing()->text(), "7");
        typeOver(type(), QStringLiteral("XYZ"));
        EXPECT_FALSE(caption->text().isEmpty()) << "a code typed by hand leaves the caption";
    }
}

TEST_F(UnitForms, LabelsFollowTheFormAndNothingIsClipped)
{
    const char* const objects[][2] = {{"unit", "units"}, {"ship", "ships"}, {"infantry", "infantry"}};
    for (std::size_t i = 0; i < std::size(kDialogs); ++i) {
        const Dialog& dialog = *kDialogs[i];
        SCOPED_TRACE(dialog.form);
        open(dialog);
        const QString kind = QLatin1String(dialog.kind);
        const QString object = QLatin1String(objects[i][0]);
        const std::pair<const char*, QString> labels[] = {
            {"ComboBox1Label", QStringLiteral("Player(Multi1-Multi8):")},
            {"Edit2Label", kind + " type:"},
            {"Edit3Label", kind + " health(1-256):"},
            {"ComboBox2Label", kind + " direction:"},
            {"ComboBox3Label", kind + " order:"},
            {"Edit4Label", "Position of first " + object + " on map:"},
            {"Edit5Label", "Position of last " + object + " on map:"},
            {"Edit6Label", QStringLiteral("Space between ") + QLatin1String(objects[i][1]) + ":"},
            {"ComboBox4Label", QStringLiteral("Trigger:")},
            {"Edit1Label", QStringLiteral("Comments:")},
        };
        for (const auto& [name, text] : labels)
            EXPECT_EQ(field<QLabel>(name)->text(), text);
        EXPECT_EQ(clippedWidgets(*current_), "");
        EXPECT_EQ(current_->findChildren<QCheckBox*>().isEmpty(), &dialog != &kInfantry);
    }
    EXPECT_EQ(window("TForm4").windowTitle(), "Create Units");
    EXPECT_EQ(window("TForm5").windowTitle(), "Create ships");
    EXPECT_EQ(window("TForm6").windowTitle(), "Create infantry");
    EXPECT_EQ(field<QLabel>("SubPositionsLabel")->text(), "Position in square");
}

// Tab walks the form from top to bottom, each field first and then what stands beside it
// to help fill it (the track bar, the compass, "Calculate"); the square of sub-positions
// as it reads.
TEST_F(UnitForms, TabOrderGoesDownTheForm)
{
    for (const Dialog* dialog : kDialogs) {
        SCOPED_TRACE(dialog->form);
        open(*dialog);
        QStringList expected{"ComboBox1", "Edit2", "Edit3", "TrackBar1", "ComboBox2"};
        for (int number = 1; number <= 8; ++number)
            expected << QStringLiteral("RadioButton%1").arg(number);
        expected << "ComboBox3" << "Edit4" << "Button4" << "Edit5" << "Button5" << "Edit6" << "ComboBox4";
        if (dialog == &kInfantry)
            expected << "CheckBox2" << "CheckBox3" << "CheckBox1" << "CheckBox4" << "CheckBox5";
        expected << "Edit1" << "BitBtn1" << "BitBtn2" << "ComboBox1";  // and round again

        EXPECT_EQ(tabChain(country(), static_cast<int>(expected.size())), expected.join(' ').toStdString());
    }
}

TEST_F(UnitForms, KeysButtonsAndTheCloseBox)
{
    for (const Dialog* dialog : kDialogs) {
        SCOPED_TRACE(dialog->form);
        QWidget& form = open(*dialog);
        EXPECT_FALSE(form.isModal());
        EXPECT_TRUE(main().isEnabled());
        fillWorkedExample();
        QTest::keyClicks(type(), QStringLiteral("T"));
        QTest::keyClick(last(), Qt::Key_Return);
        EXPECT_FALSE(paneLines(dialog->pane).empty()) << "Enter presses \"&Create\"";
        EXPECT_EQ(field<QPushButton>("BitBtn1")->text(), "&Create");
        EXPECT_EQ(field<QPushButton>("BitBtn2")->text(), "&Done");

        click(field<QPushButton>("BitBtn2"));
        EXPECT_FALSE(form.isVisible());
        open(*dialog);
        QTest::keyClick(spacing(), Qt::Key_Escape);
        EXPECT_FALSE(form.isVisible());
        open(*dialog);
        typeOver(comment(), QStringLiteral("still here"));
        EXPECT_TRUE(form.close());
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(comment()->text(), "still here");
    }
}

// A run longer than any map writes nothing and says so; the fields stay for correcting.
TEST_F(UnitForms, ARunLongerThanAnyMapPlacesNothing)
{
    open(kInfantry);
    fillWorkedExample();
    QTest::keyClicks(type(), QStringLiteral("E1"));
    typeOver(first(), QStringLiteral("0"));
    typeOver(last(), QStringLiteral("16384"));
    typeOver(comment(), QStringLiteral("too far"));
    create();

    EXPECT_EQ(desktop_.errors, QStringList{"Too many cells in one run: 16385 (at most 16384)."});
    EXPECT_TRUE(paneLines(PaneId::Infantry).empty());
    EXPECT_EQ(type()->text(), "E1");
    EXPECT_EQ(first()->text(), "0");
    EXPECT_EQ(last()->text(), "16384");
    EXPECT_EQ(comment()->text(), "too far");
    EXPECT_TRUE(current_->isVisible());
}
