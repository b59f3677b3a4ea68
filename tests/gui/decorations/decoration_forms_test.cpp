#include "form_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <string>
#include <string_view>
#include <tuple>
#include <vector>

using namespace vexa;

namespace {

using Lines = std::vector<std::string>;

// How a test reaches one decoration dialog: its Create menu entry, its window, its
// spacing and kind controls, the "Calculate" beside its first position, its pane, and
// one entry of its type menu with that entry's caption.
struct Dialog {
    const char* entry;
    const char* form;
    const char* spacing;
    const char* kind;
    const char* firstCalculate;
    PaneId pane;
    const char* typeEntry = nullptr;
    const char* typeCaption = nullptr;
};

constexpr Dialog kTerrain{"Terrain1", "TForm8", "Edit3", "Edit4", "Button4", PaneId::Terrain, "Clump21", "Clump 2"};
constexpr Dialog kSmudge{"Smudge1", "TForm10", "Edit4", "Edit3", "Button1", PaneId::Smudge, "Dirtpatch31", "Dirt patch 3"};
constexpr Dialog kOverlay{"Overlay1", "TForm11", "Edit3", "Edit4", "Button3", PaneId::Overlay, "Gempatch41", "Gem patch 4"};
constexpr Dialog kCellTriggers{"Celltriggers1", "TForm12", "Edit3", "ComboBox1", "Button1", PaneId::CellTriggers};

constexpr Dialog kTypeDialogs[] = {kTerrain, kSmudge, kOverlay};
constexpr Dialog kAllDialogs[] = {kTerrain, kSmudge, kOverlay, kCellTriggers};

class DecorationForms : public test::FormFixture {
protected:
    QWidget& open(const Dialog& dialog)
    {
        current_ = &openForm(dialog.entry, dialog.form);
        dialog_ = &dialog;
        return *current_;
    }

    template <typename T>
    T* control(const char* name) const { return child<T>(*current_, name); }
    QLineEdit* first() const { return control<QLineEdit>("Edit1"); }
    QLineEdit* last() const { return control<QLineEdit>("Edit2"); }
    QLineEdit* spacing() const { return control<QLineEdit>(dialog_->spacing); }
    QLineEdit* comment() const { return control<QLineEdit>("Edit5"); }
    // The type field, or the trigger chooser's text field.
    QLineEdit* kind() const
    {
        if (auto* chooser = current_->findChild<QComboBox*>(QLatin1String(dialog_->kind)))
            return chooser->lineEdit();
        return control<QLineEdit>(dialog_->kind);
    }
    QComboBox* trigger() const { return control<QComboBox>("ComboBox1"); }
    QLabel* typeCaption() const { return control<QLabel>("Label5"); }

    void chooseType(const char* entryName) const { chooseMenu(*current_, entryName); }
    void create() const { click(control<QPushButton>("BitBtn1")); }
    void done() const { click(control<QPushButton>("BitBtn2")); }

    // A cell through the dialog's "Calculate" beside the first position.
    void calculateFirst(const QString& offset)
    {
        click(control<QPushButton>(dialog_->firstCalculate));
        QWidget& calculator = window("TForm9");
        EXPECT_TRUE(calculator.isVisible());
        typeOver(child<QLineEdit>(calculator, "Edit1"), offset);
        click(child<QPushButton>(calculator, "BitBtn1"));
    }

    // Every field as the next row finds it; kind is what the kind field starts from.
    void expectRowStartsAfresh(const QString& kindText = QString()) const
    {
        EXPECT_EQ(first()->text(), "");
        EXPECT_EQ(last()->text(), "");
        EXPECT_EQ(spacing()->text(), "1");
        EXPECT_EQ(kind()->text(), kindText);
    }

    QWidget* current_ = nullptr;
    const Dialog* dialog_ = nullptr;
};

} // namespace

TEST_F(DecorationForms, TerrainLineWithAComment)
{
    setPane(PaneId::Terrain, "; forest\n");
    open(kTerrain);
    calculateFirst("500");
    EXPECT_EQ(first()->text(), "500");
    EXPECT_EQ(last()->text(), "500");
    chooseType("Tree11");
    EXPECT_EQ(kind()->text(), "T01");
    EXPECT_EQ(typeCaption()->text(), "Tree 1");
    EXPECT_EQ(spacing()->text(), "0");
    typeOver(spacing(), "1");
    QTest::keyClicks(comment(), "north wood");
    create();

    EXPECT_EQ(paneLines(PaneId::Terrain), (Lines{"; forest", "500=T01 ; north wood"}));
    EXPECT_TRUE(desktop_.errors.isEmpty());
    EXPECT_TRUE(current_->isVisible());
}

TEST_F(DecorationForms, SmudgeRunByTwo)
{
    setPane(PaneId::Smudge, "5=SC1,5,0\n");
    open(kSmudge);
    QTest::keyClicks(first(), "1000");
    typeOver(last(), "1004");
    typeOver(spacing(), "2");
    chooseType("Crater11");
    EXPECT_EQ(kind()->text(), "CR1");
    create();

    EXPECT_EQ(paneLines(PaneId::Smudge), (Lines{"5=SC1,5,0", "1000=CR1,1000,0", "1002=CR1,1002,0", "1004=CR1,1004,0"}));
}

TEST_F(DecorationForms, OverlayRunStopsBeforeItPassesTheLast)
{
    open(kOverlay);
    QTest::keyClicks(first(), "200");
    typeOver(last(), "205");
    typeOver(spacing(), "2");
    chooseType("Sandbagwall1");
    create();

    EXPECT_EQ(paneLines(PaneId::Overlay), (Lines{"200=SBAG", "202=SBAG", "204=SBAG"}));
}

TEST_F(DecorationForms, CellTriggersForAChosenTrigger)
{
    setPane(PaneId::Trigs, "alarm=0,0\nflood=1,1\n");
    open(kCellTriggers);
    EXPECT_EQ(itemsOf(trigger()), (QStringList{"alarm", "flood"}));
    EXPECT_EQ(trigger()->currentText(), "None");
    QTest::keyClicks(first(), "3000");
    typeOver(last(), "3002");
    pick(trigger(), "alarm");
    create();

    EXPECT_EQ(paneLines(PaneId::CellTriggers), (Lines{"3000=alarm", "3001=alarm", "3002=alarm"}));
}

TEST_F(DecorationForms, TheFirstPositionIsCopiedIntoTheLast)
{
    for (const Dialog& dialog : kAllDialogs) {
        SCOPED_TRACE(dialog.form);
        open(dialog);
        QTest::keyClicks(first(), "15");
        EXPECT_EQ(last()->text(), "15");
        typeOver(last(), "20");
        QTest::keyClick(first(), Qt::Key_Backspace);
        EXPECT_EQ(last()->text(), "1");

        // The calculator's cell counts as typed, even when the first position already holds it.
        typeOver(last(), "20");
        calculateFirst("1");
        EXPECT_EQ(first()->text(), "1");
        EXPECT_EQ(last()->text(), "1");
    }
}

TEST_F(DecorationForms, OnlyTheTerrainMenuSetsTheSpacing)
{
    open(kTerrain);
    chooseType("Ice11");
    EXPECT_EQ(spacing()->text(), "2");
    EXPECT_EQ(typeCaption()->text(), "Ice 1");
    chooseType("Tree31");
    EXPECT_EQ(spacing()->text(), "0");
    typeOver(first(), "7");
    create();  // refused: nothing is written and nothing is reset
    EXPECT_TRUE(paneLines(PaneId::Terrain).empty());
    EXPECT_EQ(kind()->text(), "T03");
    EXPECT_EQ(first()->text(), "7");

    // The smudge and overlay menus write the kind and the caption, never the spacing.
    const std::tuple<Dialog, const char*, const char*, const char*> choices[] = {
        {kSmudge, "Crater21", "CR2", "Crater 2"},
        {kOverlay, "Concretewall1", "BRIK", "Concrete wall"},
    };
    for (const auto& [dialog, entry, code, caption] : choices) {
        SCOPED_TRACE(dialog.form);
        open(dialog);
        typeOver(spacing(), "5");
        chooseType(entry);
        EXPECT_EQ(kind()->text(), code);
        EXPECT_EQ(typeCaption()->text(), caption);
        EXPECT_EQ(spacing()->text(), "5");
    }
}

TEST_F(DecorationForms, AFinishedCreateStartsTheRowAfreshAndEmptiesTheComment)
{
    for (const Dialog& dialog : kTypeDialogs) {
        SCOPED_TRACE(dialog.form);
        open(dialog);
        chooseType(dialog.typeEntry);
        EXPECT_EQ(typeCaption()->text(), dialog.typeCaption);
        typeOver(first(), "10");
        typeOver(spacing(), "3");
        typeOver(comment(), "c");
        create();
        ASSERT_EQ(paneLines(dialog.pane).size(), 1u);
        expectRowStartsAfresh();
        EXPECT_EQ(comment()->text(), "");
        EXPECT_EQ(typeCaption()->text(), "");
    }

    setPane(PaneId::Trigs, "alarm=0\n");
    open(kCellTriggers);
    setPane(PaneId::Trigs, "alarm=0\nflood=1\n");
    typeOver(first(), "10");
    typeOver(trigger(), "flood");
    typeOver(comment(), "c");
    create();
    EXPECT_EQ(paneLines(PaneId::CellTriggers), Lines{"10=flood ; c"});
    expectRowStartsAfresh("None");
    EXPECT_EQ(comment()->text(), "");
    EXPECT_EQ(itemsOf(trigger()), QStringList{"alarm"}) << "the list is taken on opening only";
}

TEST_F(DecorationForms, FirstPastLastWritesNothingButStartsTheRowAfresh)
{
    for (const Dialog& dialog : kAllDialogs) {
        SCOPED_TRACE(dialog.form);
        setPane(dialog.pane, "1=x\n");
        open(dialog);
        typeOver(first(), "1000");
        typeOver(last(), "990");
        typeOver(kind(), "K");
        typeOver(comment(), "c");
        create();
        EXPECT_EQ(paneLines(dialog.pane), Lines{"1=x"});
        expectRowStartsAfresh(dialog.pane == PaneId::CellTriggers ? QStringLiteral("None") : QString());
        EXPECT_EQ(comment()->text(), "");
    }
}

TEST_F(DecorationForms, OpeningStartsTheRowAfreshButKeepsTheCommentAndTheCaption)
{
    for (const Dialog& dialog : kTypeDialogs) {
        SCOPED_TRACE(dialog.form);
        open(dialog);
        chooseType(dialog.typeEntry);
        typeOver(first(), "4");
        typeOver(spacing(), "9");
        typeOver(comment(), "kept");
        done();
        EXPECT_FALSE(current_->isVisible());
        open(dialog);
        expectRowStartsAfresh();
        EXPECT_EQ(comment()->text(), "kept");
        EXPECT_EQ(typeCaption()->text(), dialog.typeCaption);
    }

    setPane(PaneId::Trigs, "alarm=0\n");
    open(kCellTriggers);
    typeOver(first(), "4");
    typeOver(spacing(), "9");
    pick(trigger(), "alarm");
    typeOver(comment(), "kept");
    setPane(PaneId::Trigs, "flood=1\n");
    open(kCellTriggers);  // again while shown
    expectRowStartsAfresh("None");
    EXPECT_EQ(comment()->text(), "kept");
    EXPECT_EQ(itemsOf(trigger()), QStringList{"flood"});
}

TEST_F(DecorationForms, TabOrderRunsDownTheFieldsThenTheButtons)
{
    const std::pair<Dialog, QStringList> orders[] = {
        {kTerrain, {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "BitBtn1", "BitBtn2", "Button4", "Button5"}},
        {kSmudge, {"Edit1", "Edit2", "Edit4", "Edit3", "Edit5", "BitBtn1", "BitBtn2", "Button1", "Button2"}},
        {kOverlay, {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "BitBtn1", "BitBtn2", "Button3", "Button4"}},
        {kCellTriggers, {"Edit1", "Edit2", "Edit3", "Edit5", "BitBtn1", "BitBtn2", "Button1", "Button2", "ComboBox1"}},
    };
    for (const auto& [dialog, expected] : orders) {
        SCOPED_TRACE(dialog.form);
        QWidget& form = open(dialog);
        QApplication::setActiveWindow(&form);
        first()->setFocus();
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (qsizetype i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        EXPECT_EQ(visited, expected);
    }
}

TEST_F(DecorationForms, EnterCreatesAndEscHidesKeepingTheFields)
{
    for (const Dialog& dialog : kAllDialogs) {
        SCOPED_TRACE(dialog.form);
        open(dialog);
        typeOver(first(), "3");
        typeOver(kind(), "K");
        QTest::keyClick(first(), Qt::Key_Return);
        EXPECT_EQ(paneLines(dialog.pane).size(), 1u);

        typeOver(first(), "4");
        QTest::keyClick(spacing(), Qt::Key_Escape);
        EXPECT_FALSE(current_->isVisible());
        EXPECT_EQ(first()->text(), "4");
        open(dialog);
        typeOver(comment(), "still here");
        EXPECT_TRUE(current_->close());
        EXPECT_FALSE(current_->isVisible());
        EXPECT_EQ(comment()->text(), "still here");
    }
}

TEST_F(DecorationForms, AnErrorIsShownAndKeepsTheFields)
{
    open(kOverlay);
    typeOver(first(), "0");
    typeOver(last(), "16384");
    typeOver(kind(), "GOLD01");
    create();
    EXPECT_EQ(desktop_.errors, QStringList{"Too many cells in one run: 16385 (at most 16384)."});
    EXPECT_TRUE(paneLines(PaneId::Overlay).empty());
    EXPECT_EQ(first()->text(), "0");
    EXPECT_EQ(kind()->text(), "GOLD01");

    desktop_.errors.clear();
    open(kSmudge);
    typeOver(first(), "2147483646");
    typeOver(last(), "2147483647");
    typeOver(kind(), "SC1");
    typeOver(comment(), "edge");
    create();
    EXPECT_EQ(desktop_.errors, QStringList{"Heltalsspill."});
    EXPECT_EQ(paneLines(PaneId::Smudge),
              (Lines{"2147483646=SC1,2147483646,0 ; edge", "2147483647=SC1,2147483647,0 ; edge"}))
        << "the lines before the step past the largest cell stay";
    EXPECT_EQ(first()->text(), "2147483646");
    EXPECT_EQ(comment()->text(), "edge");
}
