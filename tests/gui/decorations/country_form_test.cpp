#include "form_fixture.h"

#include "gui/decorations/country_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vexa;
using vexa::test::FormFixture;

namespace {

using Lines = std::vector<std::string>;

// The text fields and choosers of the dialog, in screen order, with their labels.
struct TextField {
    const char* name;
    const char* label;
};
constexpr TextField kTextFields[] = {
    {"ComboBox1", "Country:"},   {"Edit5", "Credits/100:"},  {"ComboBox2", "Edge:"},
    {"Edit6", "TechLevel:"},     {"Edit7", "IQ:"},           {"Edit8", "Allies:"},
    {"Edit2", "MaxUnits:"},      {"Edit1", "MaxInfantry:"},  {"Edit3", "MaxBuildings:"},
    {"Edit4", "MaxVessel:"},
};

class CountryForm : public FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        openForm("Country1", "TForm16");
    }

    TForm16& form() const { return app_->countryDialog(); }
    QComboBox* country() const { return child<QComboBox>(form(), "ComboBox1"); }
    QComboBox* edge() const { return child<QComboBox>(form(), "ComboBox2"); }
    QLineEdit* edit(const char* name) const { return child<QLineEdit>(form(), name); }
    QCheckBox* playerControl() const { return child<QCheckBox>(form(), "CheckBox1"); }
    void done() const { click(child<QPushButton>(form(), "BitBtn1")); }

    // A text field or chooser by name, as the user types into it.
    void type(const char* name, const QString& text) const
    {
        if (auto* chooser = form().findChild<QComboBox*>(QLatin1String(name)))
            typeOver(chooser, text);
        else
            typeOver(edit(name), text);
    }
    QString text(const char* name) const
    {
        if (auto* chooser = form().findChild<QComboBox*>(QLatin1String(name)))
            return chooser->currentText();
        return edit(name)->text();
    }
    // The names of the fields that hold text, in screen order.
    QStringList filledFields() const
    {
        QStringList filled;
        for (const TextField& field : kTextFields) {
            if (!text(field.name).isEmpty())
                filled << field.name;
        }
        return filled;
    }
    // Every text field holding its own name, and the box checked.
    void fillEveryField() const
    {
        for (const TextField& field : kTextFields)
            type(field.name, QLatin1String(field.name));
        playerControl()->setChecked(true);
    }
};

} // namespace

TEST_F(CountryForm, WorkedExampleWritesTwoSectionsAndEmptiesWhatItWrote)
{
    pick(country(), "Greece");
    type("Edit5", "50");
    pick(edge(), "North");
    type("Edit6", "10");
    click(playerControl());
    done();
    EXPECT_EQ(filledFields(), QStringList{});
    EXPECT_FALSE(playerControl()->isChecked());

    pick(country(), "USSR");
    type("Edit7", "3");
    QTest::keyClick(edit("Edit7"), Qt::Key_Return);

    EXPECT_EQ(paneLines(PaneId::Country), (Lines{"[Greece]", "Credits=50", "Edge=North", "TechLevel=10",
                                                 "PlayerControl=Yes", "", "[USSR]", "IQ=3"}));
    EXPECT_EQ(filledFields(), QStringList{});
    EXPECT_TRUE(form().isVisible());
    EXPECT_TRUE(desktop_.errors.isEmpty());
}

TEST_F(CountryForm, EachFieldHasItsLabelAndWritesItsKey)
{
    for (const TextField& field : kTextFields)
        EXPECT_EQ(child<QLabel>(form(), (std::string(field.name) + "Label").c_str())->text(), field.label);
    EXPECT_EQ(playerControl()->text(), "PlayerControl:");
    EXPECT_EQ(country()->count(), 20);
    EXPECT_EQ(edge()->count(), 4);

    fillEveryField();
    type("ComboBox1", "my land");
    done();
    EXPECT_EQ(paneLines(PaneId::Country),
              (Lines{"[my land]", "Credits=Edit5", "Edge=ComboBox2", "MaxUnits=Edit2", "MaxInfantry=Edit1",
                     "MaxBuildings=Edit3", "MaxVessels=Edit4", "TechLevel=Edit6", "IQ=Edit7", "Allies=Edit8",
                     "PlayerControl=Yes"}));
}

TEST_F(CountryForm, DoneWithoutACountryOrWithoutAnySettingChangesNothing)
{
    setPane(PaneId::Country, "[Spain]\nIQ=1\n");
    fillEveryField();
    type("ComboBox1", "");
    done();
    EXPECT_EQ(filledFields().size(), 9);
    EXPECT_TRUE(playerControl()->isChecked());

    form().open();  // empties all but TechLevel, IQ, Allies and the box
    for (const char* name : {"Edit6", "Edit7", "Edit8"})
        type(name, "");
    playerControl()->setChecked(false);
    pick(country(), "Greece");
    done();
    EXPECT_EQ(filledFields(), QStringList{"ComboBox1"});
    EXPECT_EQ(paneLines(PaneId::Country), (Lines{"[Spain]", "IQ=1"}));
}

TEST_F(CountryForm, OpeningStartsANewCountryButKeepsTechLevelIqAlliesAndTheBox)
{
    fillEveryField();
    click(child<QPushButton>(form(), "BitBtn2"));
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(filledFields().size(), 10) << "hiding keeps the contents";

    openForm("Country1", "TForm16");
    EXPECT_EQ(filledFields(), (QStringList{"Edit6", "Edit7", "Edit8"}));
    EXPECT_EQ(text("Edit8"), "Edit8");
    EXPECT_TRUE(playerControl()->isChecked());
}

TEST_F(CountryForm, EscCloseAndTheCloseBoxHideIt)
{
    QTest::keyClick(edit("Edit6"), Qt::Key_Escape);
    EXPECT_FALSE(form().isVisible());
    openForm("Country1", "TForm16");
    EXPECT_TRUE(form().close());
    EXPECT_FALSE(form().isVisible());
    EXPECT_TRUE(form().windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

TEST_F(CountryForm, TabGoesDownTheLeftColumnThenTheRight)
{
    EXPECT_EQ(tabChain(country(), 14), "ComboBox1 Edit5 ComboBox2 Edit6 Edit7 Edit8 CheckBox1 "
                                       "Edit2 Edit1 Edit3 Edit4 BitBtn1 BitBtn2 ComboBox1");
}
