#include "placement_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vexa;
using vexa::test::PlacementFixture;

namespace {

class PositionCalculator : public PlacementFixture {
protected:
    void SetUp() override
    {
        PlacementFixture::SetUp();
        buildings().open();
    }

    QLineEdit* first() const { return form<QLineEdit>("Edit4"); }
    QLineEdit* last() const { return form<QLineEdit>("Edit5"); }

    // The user's texts in the calculator, then "&Ok".
    void calculate(const QString& offset, const QString& right, const QString& down)
    {
        typeOver(calculatorEdit("Edit1"), offset);
        typeOver(calculatorEdit("Edit2"), right);
        typeOver(calculatorEdit("Edit3"), down);
        click(child<QPushButton>(calculator(), "BitBtn1"));
    }
};

} // namespace

TEST_F(PositionCalculator, CalculateStartsFromZeroAndOkWritesTheCellIntoFirstAndLast)
{
    click(form<QPushButton>("Button4"));
    ASSERT_TRUE(calculator().isVisible());
    for (const char* name : {"Edit1", "Edit2", "Edit3"})
        EXPECT_EQ(calculatorEdit(name)->text(), "0") << name;

    calculate("0", "5", "2");
    EXPECT_EQ(first()->text(), "261");
    EXPECT_EQ(last()->text(), "261");
    EXPECT_FALSE(calculator().isVisible());

    click(form<QPushButton>("Button5"));
    EXPECT_EQ(calculatorEdit("Edit2")->text(), "0");
    calculate("300", "-1", "-2");
    EXPECT_EQ(first()->text(), "261");
    EXPECT_EQ(last()->text(), "43");
}

TEST_F(PositionCalculator, OkCountsAsAChangeEvenWhenTheNumberIsTheSame)
{
    click(form<QPushButton>("Button4"));
    calculate("0", "5", "2");
    typeOver(last(), "300");
    click(form<QPushButton>("Button4"));
    calculate("0", "5", "2");
    EXPECT_EQ(first()->text(), "261");
    EXPECT_EQ(last()->text(), "261");
}

TEST_F(PositionCalculator, OnlyTheLastAskerGetsTheCellEvenWhenItsFormIsHidden)
{
    TForm2 other(document(), desktop_, calculator());
    other.open();
    click(form<QPushButton>("Button4"));
    click(child<QPushButton>(other, "Button4"));
    click(child<QPushButton>(other, "BitBtn2"));
    ASSERT_FALSE(other.isVisible());
    calculate("1000", "0", "0");
    EXPECT_EQ(child<QLineEdit>(other, "Edit4")->text(), "1000");
    EXPECT_EQ(child<QLineEdit>(other, "Edit5")->text(), "1000");
    EXPECT_TRUE(first()->text().isEmpty());
}

TEST_F(PositionCalculator, EmptyFieldOrOverflowWritesNothingAndStaysShown)
{
    click(form<QPushButton>("Button4"));
    calculate("5", "", "1");
    EXPECT_TRUE(desktop_.errors.isEmpty());

    calculate("2147483647", "1", "0");
    calculate("0", "0", "16777216");  // 128 × down alone overflows
    EXPECT_EQ(desktop_.errors, (QStringList{"Heltalsspill.", "Heltalsspill."}));
    EXPECT_TRUE(first()->text().isEmpty());
    EXPECT_TRUE(calculator().isVisible());
}

TEST_F(PositionCalculator, KeysButtonsAndTheCloseBox)
{
    click(form<QPushButton>("Button5"));
    typeOver(calculatorEdit("Edit3"), "1");
    QTest::keyClick(calculatorEdit("Edit3"), Qt::Key_Return);
    EXPECT_EQ(last()->text(), "128");
    EXPECT_FALSE(calculator().isVisible());

    click(form<QPushButton>("Button4"));
    click(child<QPushButton>(calculator(), "BitBtn2"));
    EXPECT_FALSE(calculator().isVisible());

    click(form<QPushButton>("Button4"));
    QTest::keyClick(calculatorEdit("Edit1"), Qt::Key_Escape);
    EXPECT_FALSE(calculator().isVisible());

    click(form<QPushButton>("Button4"));
    EXPECT_TRUE(calculator().close());
    EXPECT_FALSE(calculator().isVisible());
    EXPECT_TRUE(first()->text().isEmpty());
}

// The offset is typed at once, also when the last use left the focus elsewhere.
TEST_F(PositionCalculator, CalculateLeavesTheFocusOnTheOffset)
{
    click(form<QPushButton>("Button4"));
    calculatorEdit("Edit3")->setFocus();
    click(child<QPushButton>(calculator(), "BitBtn2"));

    click(form<QPushButton>("Button4"));
    ASSERT_TRUE(calculator().isVisible());
    EXPECT_EQ(calculator().focusWidget(), calculatorEdit("Edit1"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&calculator()));
    ASSERT_EQ(QApplication::focusWidget(), calculatorEdit("Edit1"));
    QTest::keyClicks(QApplication::focusWidget(), "300");
    EXPECT_EQ(calculatorEdit("Edit1")->text(), "300");
}
