#include "form_fixture.h"

#include "gui/scripting/team_type_form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vexa {
namespace {

class TeamTypeFormTest : public test::FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        form_ = &openForm("TeamType1", "TForm14");
    }
    QWidget& form() const { return *form_; }

    template <typename T>
    T* named(const QString& name) const
    {
        return child<T>(form(), name.toLatin1().constData());
    }
    QLineEdit* field(int number) const { return named<QLineEdit>(QStringLiteral("Edit%1").arg(number)); }
    QString text(int number) const { return field(number)->text(); }
    QListWidget* list(int number) const { return named<QListWidget>(QStringLiteral("ListBox%1").arg(number)); }
    void type(int number, const QString& typed) { QTest::keyClicks(field(number), typed); }
    void typeIntoFocus(const QString& typed) { QTest::keyClicks(form().focusWidget(), typed); }
    QString focused() const { return form().focusWidget() ? form().focusWidget()->objectName() : QString(); }
    void chooseEntry(const char* entryName) { chooseMenu(form(), entryName); }
    void press(const char* button) { click(child<QPushButton>(form(), button)); }

    // Clicks a radio button on its round box, where a click always lands on the button.
    void select(int radioNumber)
    {
        auto* button = named<QRadioButton>(QStringLiteral("RadioButton%1").arg(radioNumber));
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    // The number of the selected radio button; 0 when none is selected.
    int selected() const
    {
        for (int number = 1; number <= 8; ++number) {
            if (named<QRadioButton>(QStringLiteral("RadioButton%1").arg(number))->isChecked())
                return number;
        }
        return 0;
    }

    QStringList entries(int listNumber) const
    {
        QStringList shown;
        for (int row = 0; row < list(listNumber)->count(); ++row)
            shown << list(listNumber)->item(row)->text();
        return shown;
    }
    void clickEntry(int listNumber, int row)
    {
        QListWidget* entries = list(listNumber);
        QTest::mouseClick(entries->viewport(), Qt::LeftButton, {}, entries->visualItemRect(entries->item(row)).center());
    }
    void addUnit(const QString& kind, const QString& count)
    {
        type(8, kind);
        type(9, count);
        press("Button1");
    }
    void addOrder(const QString& code, const QString& parameter)
    {
        type(10, code);
        type(11, parameter);
        press("Button3");
    }

    // The fields "&Done" needs that open empty.
    void fillMandatory(const QString& name)
    {
        type(1, name);
        chooseEntry("Spain1");
        type(5, QStringLiteral("1"));
    }

    // Every field and list as a new team type starts; the comment is checked apart.
    void expectOpeningValues() const
    {
        const std::vector<std::pair<int, QString>> opening = {
            {1, ""}, {2, ""}, {12, "0"}, {3, "0"}, {4, "0"}, {5, ""}, {6, "-1"}, {7, "-1"},
            {8, ""}, {9, ""}, {10, ""}, {11, ""},
        };
        for (const auto& [number, value] : opening)
            EXPECT_EQ(text(number), value) << "Edit" << number;
        EXPECT_EQ(selected(), 1);
        EXPECT_EQ(entries(1), QStringList());
        EXPECT_EQ(entries(2), QStringList());
    }

private:
    QWidget* form_ = nullptr;
};

TEST_F(TeamTypeFormTest, WorkedExampleThroughTheWidgets)
{
    setPane(PaneId::TeamType, QStringLiteral("; teams"));
    type(1, QStringLiteral("tank1"));
    chooseEntry("USSR1");
    select(5);
    type(5, QStringLiteral("3"));
    chooseEntry("Heavytank1");
    typeIntoFocus(QStringLiteral("2"));
    press("Button1");
    chooseEntry("Mammothtank1");
    typeIntoFocus(QStringLiteral("1"));
    press("Button1");
    chooseEntry("MovetowaypointWaypointID1");
    typeIntoFocus(QStringLiteral("5"));
    press("Button3");
    chooseEntry("AttackCountryID1");
    typeIntoFocus(QStringLiteral("1"));
    press("Button3");
    EXPECT_EQ(entries(1), QStringList({"3TNK:2", "4TNK:1"}));
    EXPECT_EQ(entries(2), QStringList({"3:5", "0:1"}));
    press("BitBtn1");

    EXPECT_EQ(paneLines(PaneId::TeamType),
              (std::vector<std::string>{"; teams", "tank1=2,4,0,0,3,-1,-1,2,3TNK:2,4TNK:1,2,3:5,0:1"}));
    // The dialog stays open, ready for the next team type.
    EXPECT_TRUE(form().isVisible());
    expectOpeningValues();

    // The same team type with both lists empty.
    type(1, QStringLiteral("tank1"));
    chooseEntry("USSR1");
    select(5);
    type(5, QStringLiteral("3"));
    press("BitBtn1");
    EXPECT_EQ(paneLines(PaneId::TeamType).back(), "tank1=2,4,0,0,3,-1,-1,0,0");
}

// The radio group and "Number:" show one number, whichever of them the user changes.
TEST_F(TeamTypeFormTest, ButtonsAndNumberFieldFollowEachOther)
{
    select(8);
    EXPECT_EQ(text(12), "7");
    select(3);
    EXPECT_EQ(text(12), "2");

    typeOver(field(12), QStringLiteral("5"));
    EXPECT_EQ(selected(), 6);
    // A zero typed before the number of the selected button stays as typed...
    QTest::keyClick(field(12), Qt::Key_Home);
    type(12, QStringLiteral("0"));
    EXPECT_EQ(text(12), "05");
    EXPECT_EQ(selected(), 6);
    // ...while a number whose button is not yet selected selects it and is written plain.
    select(1);
    QTest::keyClick(field(12), Qt::Key_End);
    type(12, QStringLiteral("5"));
    EXPECT_EQ(text(12), "5");
    EXPECT_EQ(selected(), 6);

    typeOver(field(12), QStringLiteral("9"));
    EXPECT_EQ(text(12), "9");
    EXPECT_EQ(selected(), 0);
    select(1);
    typeOver(field(12), QStringLiteral("-1"));
    EXPECT_EQ(text(12), "-1");
    EXPECT_EQ(selected(), 0);

    // Text that is no number reads as 0: pasted over another number it selects the
    // first button and becomes 0; typed with the first button selected it stays.
    select(4);
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    field(12)->selectAll();
    QTest::keyClick(field(12), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text(12), "0");
    EXPECT_EQ(selected(), 1);
    typeOver(field(12), QStringLiteral("abc"));
    EXPECT_EQ(text(12), "abc");
    EXPECT_EQ(selected(), 1);

    // The line carries what "Number:" shows.
    fillMandatory(QStringLiteral("x"));
    typeOver(field(12), QStringLiteral("9"));
    press("BitBtn1");
    EXPECT_EQ(paneLines(PaneId::TeamType), std::vector<std::string>{"x=0,9,0,0,1,-1,-1,0,0"});
}

TEST_F(TeamTypeFormTest, MenusFillTheFieldsAndMoveTheFocus)
{
    chooseEntry("Multi81");
    EXPECT_EQ(text(2), "19");

    field(1)->setFocus();
    chooseEntry("Oretruck1");
    EXPECT_EQ(text(8), "HARV");
    EXPECT_EQ(focused(), "Edit9");

    // An order that needs a parameter leaves it as it was and takes the user there.
    type(11, QStringLiteral("kept"));
    field(1)->setFocus();
    chooseEntry("MovetocellCell1");
    EXPECT_EQ(text(10), "4");
    EXPECT_EQ(text(11), "kept");
    EXPECT_EQ(focused(), "Edit11");

    // One that needs none fills it in, and the focus stays.
    field(1)->setFocus();
    chooseEntry("UnloadNoparameter1");
    EXPECT_EQ(text(10), "6");
    EXPECT_EQ(text(11), "0");
    EXPECT_EQ(focused(), "Edit1");
}

TEST_F(TeamTypeFormTest, ListButtonsAddWholeEntriesAndDeleteOnlyTheSelectedOne)
{
    // Each entry needs both of its texts.
    type(8, QStringLiteral("1TNK"));
    press("Button1");
    typeOver(field(8), QString());
    type(9, QStringLiteral("2"));
    press("Button1");
    type(10, QStringLiteral("3"));
    press("Button3");
    typeOver(field(10), QString());
    type(11, QStringLiteral("5"));
    press("Button3");
    EXPECT_EQ(entries(1), QStringList());
    EXPECT_EQ(entries(2), QStringList());
    EXPECT_EQ(text(9), "2");
    EXPECT_EQ(text(11), "5");
    typeOver(field(9), QString());
    typeOver(field(11), QString());

    addUnit(QStringLiteral("A:B"), QStringLiteral("1,2"));
    addUnit(QStringLiteral("JEEP"), QStringLiteral("3"));
    addUnit(QStringLiteral("MCV"), QStringLiteral("1"));
    addOrder(QStringLiteral("3"), QStringLiteral("5"));
    addOrder(QStringLiteral("0"), QStringLiteral("1"));
    EXPECT_EQ(text(8), "");
    EXPECT_EQ(text(9), "");
    EXPECT_EQ(text(10), "");
    EXPECT_EQ(text(11), "");

    press("Button2");
    press("Button4");
    EXPECT_EQ(entries(1), QStringList({"A:B:1,2", "JEEP:3", "MCV:1"}));
    EXPECT_EQ(entries(2), QStringList({"3:5", "0:1"}));

    clickEntry(1, 1);
    press("Button2");
    press("Button2");  // the selection went with its entry
    clickEntry(2, 1);
    press("Button4");
    EXPECT_EQ(entries(1), QStringList({"A:B:1,2", "MCV:1"}));
    EXPECT_EQ(entries(2), QStringList({"3:5"}));

    // The entries go into the line as typed; the counts are the numbers of entries.
    fillMandatory(QStringLiteral("x"));
    press("BitBtn1");
    EXPECT_EQ(paneLines(PaneId::TeamType), std::vector<std::string>{"x=0,0,0,0,1,-1,-1,2,A:B:1,2,MCV:1,1,3:5"});
}

TEST_F(TeamTypeFormTest, DoneWritesNothingWhileAMandatoryFieldIsEmpty)
{
    for (const int number : {1, 2, 12, 3, 4, 5, 6, 7}) {
        fillMandatory(QStringLiteral("x"));
        type(13, QStringLiteral("c"));
        addUnit(QStringLiteral("4TNK"), QStringLiteral("1"));
        typeOver(field(number), QString());
        press("BitBtn1");
        EXPECT_EQ(paneLines(PaneId::TeamType), std::vector<std::string>{}) << "Edit" << number;
        // Nothing was reset either.
        EXPECT_EQ(text(number == 1 ? 2 : 1), number == 1 ? "0" : "x") << "Edit" << number;
        EXPECT_EQ(text(13), "c") << "Edit" << number;
        EXPECT_EQ(entries(1), QStringList({"4TNK:1"})) << "Edit" << number;
        field(13)->clear();
        choose("TeamType1");
    }
}

TEST_F(TeamTypeFormTest, OpeningStartsAfreshButForTheCommentAndDoneEmptiesItToo)
{
    fillMandatory(QStringLiteral("x"));
    select(8);
    for (const int number : {3, 4, 6, 7})
        typeOver(field(number), QStringLiteral("9"));
    addOrder(QStringLiteral("14"), QStringLiteral("2"));
    type(8, QStringLiteral("MGG"));
    type(10, QStringLiteral("7"));
    type(13, QStringLiteral("note"));

    // Hiding keeps everything; opening again starts afresh but keeps the comment.
    QPointer<QWidget> alive(&form());
    press("BitBtn2");
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(text(1), "x");
    EXPECT_EQ(entries(2), QStringList({"14:2"}));
    choose("TeamType1");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    expectOpeningValues();
    EXPECT_EQ(text(13), "note");

    fillMandatory(QStringLiteral("y"));
    QTest::mouseClick(field(13), Qt::LeftButton);
    QTest::keyClick(field(13), Qt::Key_Return);  // Enter presses "&Done"

    EXPECT_EQ(paneLines(PaneId::TeamType), std::vector<std::string>{"y=0,0,0,0,1,-1,-1,0,0 ; note"});
    EXPECT_EQ(text(13), "");

    // Escape and the close box hide it too; none of them destroys it.
    QTest::keyClick(field(1), Qt::Key_Escape);
    EXPECT_FALSE(form().isVisible());
    choose("TeamType1");
    EXPECT_TRUE(form().close());
    QApplication::processEvents();
    EXPECT_FALSE(form().isVisible());
    EXPECT_FALSE(alive.isNull());
}

TEST_F(TeamTypeFormTest, TabOrderFollowsTheLine)
{
    const QStringList expected = {
        "Edit1", "Edit2", "RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4", "RadioButton5",
        "RadioButton6", "RadioButton7", "RadioButton8", "Edit12", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7",
        "Button1", "Button2", "Edit8", "Edit9", "Button3", "Button4", "Edit10", "Edit11", "ListBox1", "ListBox2",
        "BitBtn1", "BitBtn2", "Edit13",
    };
    EXPECT_EQ(tabChain(field(1), static_cast<int>(expected.size())), expected.join(QLatin1Char(' ')).toStdString());
}

TEST_F(TeamTypeFormTest, EachLabelCarriesItsFieldsNumber)
{
    const std::pair<int, const char*> labels[] = {
        {1, "Name:"}, {2, "Country:"}, {3, "Unknown 1:"}, {5, "Number of autocreated teams:"},
        {7, "Attached trigger(number):"}, {9, "Number of units:"}, {11, "Order parameter:"}, {12, "Number:"},
        {13, "Comments:"},
    };
    for (const auto& [number, caption] : labels) {
        const auto* label = child<QLabel>(form(), QStringLiteral("Label%1").arg(number).toLatin1().constData());
        ASSERT_NE(label, nullptr) << number;
        EXPECT_EQ(label->text(), QLatin1String(caption));
        EXPECT_EQ(label->buddy(), field(number));
    }
}

TEST_F(TeamTypeFormTest, NothingIsClippedAndTheFormKeepsItsDesignedSize)
{
    EXPECT_EQ(clippedWidgets(form()), "");
    EXPECT_GE(form().width(), 521);
    EXPECT_GE(form().height(), 329);
    EXPECT_EQ(form().minimumSize(), form().maximumSize());
}

} // namespace
} // namespace vexa
