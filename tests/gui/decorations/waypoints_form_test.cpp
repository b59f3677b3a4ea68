#include "form_fixture.h"

#include "gui/decorations/waypoints_form.h"
#include "gui/placement/position_calculator.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace vexa;
using vexa::test::FormFixture;

namespace {

using Lines = std::vector<std::string>;

class WaypointsForm : public FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        openForm("Waypoints1", "TForm15");
    }

    TForm15& form() const { return app_->waypointsDialog(); }
    TForm9& calculator() const { return app_->positionCalculator(); }
    QLineEdit* cell() const { return child<QLineEdit>(form(), "Edit1"); }
    QLineEdit* comment() const { return child<QLineEdit>(form(), "Edit2"); }
    QLineEdit* calculatorEdit(const char* name) const { return child<QLineEdit>(calculator(), name); }
    void done() const { click(child<QPushButton>(form(), "BitBtn1")); }
    void calculate() const { click(child<QPushButton>(form(), "Button1")); }
};

} // namespace

TEST_F(WaypointsForm, WorkedExampleAddsOneNumberedLinePerDone)
{
    typeOver(cell(), "1234");
    done();
    EXPECT_TRUE(cell()->text().isEmpty());
    typeOver(cell(), "1300");
    typeOver(comment(), "gate");
    QTest::keyClick(comment(), Qt::Key_Return);

    EXPECT_EQ(paneLines(PaneId::Waypoints), (Lines{"0=1234", "1=1300 ; gate"}));
    EXPECT_TRUE(cell()->text().isEmpty());
    EXPECT_TRUE(comment()->text().isEmpty());
    EXPECT_TRUE(form().isVisible());
    EXPECT_TRUE(desktop_.errors.isEmpty());
}

TEST_F(WaypointsForm, NumbersFromThePaneAsItIsNowAndDoesNothingWithoutACell)
{
    setPane(PaneId::Waypoints, "; harbour\n0=100\n1=200\n");
    typeOver(comment(), "no cell");
    done();
    EXPECT_EQ(paneLines(PaneId::Waypoints).size(), 3u);
    EXPECT_EQ(comment()->text(), "no cell") << "a refused Done empties nothing";

    typeOver(cell(), "12a");
    typeOver(comment(), "");
    done();
    EXPECT_EQ(paneLines(PaneId::Waypoints).back(), "3=12a");
}

TEST_F(WaypointsForm, CalculateKeepsTheCalculatorsTextsAndFillsOnlyTheCell)
{
    typeOver(comment(), "gate");
    calculate();
    ASSERT_TRUE(calculator().isVisible());
    typeOver(calculatorEdit("Edit1"), "1000");
    typeOver(calculatorEdit("Edit2"), "2");
    typeOver(calculatorEdit("Edit3"), "1");
    click(child<QPushButton>(calculator(), "BitBtn1"));
    EXPECT_EQ(cell()->text(), "1130");
    EXPECT_EQ(comment()->text(), "gate");

    calculate();
    EXPECT_EQ(calculatorEdit("Edit1")->text(), "1000");
    EXPECT_EQ(calculatorEdit("Edit2")->text(), "2");
    EXPECT_EQ(calculatorEdit("Edit3")->text(), "1");
    EXPECT_EQ(calculator().target(), cell());
}

TEST_F(WaypointsForm, OpeningEmptiesBothFieldsAndOnlyCloseOrTheCloseBoxHides)
{
    typeOver(cell(), "5");
    typeOver(comment(), "c");
    QTest::keyClick(cell(), Qt::Key_Escape);
    EXPECT_TRUE(form().isVisible()) << "Esc leaves this dialog open";

    click(child<QPushButton>(form(), "BitBtn2"));
    EXPECT_FALSE(form().isVisible());
    openForm("Waypoints1", "TForm15");
    EXPECT_TRUE(cell()->text().isEmpty());
    EXPECT_TRUE(comment()->text().isEmpty());

    EXPECT_TRUE(form().close());
    EXPECT_FALSE(form().isVisible());
    EXPECT_TRUE(form().windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

TEST_F(WaypointsForm, TabOrderEndsWithCalculate)
{
    EXPECT_EQ(tabChain(cell(), 6), "Edit1 Edit2 BitBtn1 BitBtn2 Button1 Edit1");
}
