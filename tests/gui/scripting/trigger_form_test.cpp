#include "form_fixture.h"

#include "gui/scripting/trigger_form.h"

#include "core/document/pane.h"
#include "gui/document/scenario_view.h"
#include "gui/document/text_codec.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vexa {
namespace {

class TriggerFormTest : public test::FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        form().open();
    }
    TForm13& form() const { return app_->triggersDialog(); }

    template <typename T = QWidget>
    T* child(const QString& name) const
    {
        T* found = form().findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLineEdit* field(int number) const { return child<QLineEdit>(QStringLiteral("Edit%1").arg(number)); }
    QString text(int number) const { return field(number)->text(); }
    QString label(int number) const { return child<QLabel>(QStringLiteral("Label%1").arg(number))->text(); }
    QRadioButton* radio(int number) const { return child<QRadioButton>(QStringLiteral("RadioButton%1").arg(number)); }

    void chooseEntry(const char* entryName)
    {
        QAction* entry = child<QAction>(QString::fromLatin1(entryName));
        ASSERT_NE(entry, nullptr);
        entry->trigger();
    }
    QString focused() const { return form().focusWidget() ? form().focusWidget()->objectName() : QString(); }
    void type(int number, const QString& typed) { QTest::keyClicks(field(number), typed); }
    void typeIntoFocus(const QString& typed) { QTest::keyClicks(form().focusWidget(), typed); }
    void click(int radioNumber)
    {
        QRadioButton* button = radio(radioNumber);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    void create() { QTest::mouseClick(child<QPushButton>(QStringLiteral("BitBtn1")), Qt::LeftButton); }

    // Everything but the modes and the comment, with every code a "nothing" entry.
    void fillMinimal(const QString& name)
    {
        type(1, name);
        chooseEntry("Spain1");
        chooseEntry("Noevent1");
        chooseEntry("Noevent2");
        chooseEntry("Noaction1");
        chooseEntry("Noaction2");
    }

    std::vector<std::string> trigs() const
    {
        std::vector<std::string> lines;
        const std::string bytes = encodeTextReplacing(paneText(*document().paneEditor(PaneId::Trigs)), '?');
        for (std::string_view line : splitPaneText(bytes))
            lines.emplace_back(line);
        return lines;
    }
};

// The values of a trigger line after its "=".
std::vector<std::string> values(const std::string& line)
{
    std::vector<std::string> found;
    std::string rest = line.substr(line.find('=') + 1);
    for (std::size_t comma; (comma = rest.find(',')) != std::string::npos; rest.erase(0, comma + 1))
        found.push_back(rest.substr(0, comma));
    found.push_back(rest);
    return found;
}

TEST_F(TriggerFormTest, WorkedExampleThroughTheWidgets)
{
    document().paneEditor(PaneId::Trigs)->setPlainText(QStringLiteral("old=0,0,0,0,0,-1,-1,0,-1,-1,0,-1,-1,-1,0,-1,-1,-1"));
    type(1, QStringLiteral("alpha"));
    click(1);
    chooseEntry("Greece1");
    click(4);
    chooseEntry("Destroyedall1");
    EXPECT_EQ(focused(), "Edit5");
    typeIntoFocus(QStringLiteral("2"));
    chooseEntry("Noevent2");
    chooseEntry("Winneris1");
    EXPECT_EQ(focused(), "Edit12");
    typeIntoFocus(QStringLiteral("1"));
    chooseEntry("Noaction2");
    create();

    const std::vector<std::string> expected = {
        "old=0,0,0,0,0,-1,-1,0,-1,-1,0,-1,-1,-1,0,-1,-1,-1",
        "alpha=0,1,0,0,11,-1,2,0,-1,-1,1,-1,-1,1,0,-1,-1,-1",
    };
    EXPECT_EQ(trigs(), expected);
    EXPECT_TRUE(form().isVisible());
}

TEST_F(TriggerFormTest, CommentFollowsASemicolonAndNothingIsTrimmedOrChecked)
{
    fillMinimal(QStringLiteral("a=b,c"));
    type(17, QStringLiteral("end"));
    create();
    fillMinimal(QStringLiteral("blank"));
    type(17, QStringLiteral("  "));
    create();
    fillMinimal(QStringLiteral("none"));
    create();

    const std::vector<std::string> lines = trigs();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "a=b,c=0,0,0,0,0,-1,-1,0,-1,-1,0,-1,-1,-1,0,-1,-1,-1 ; end");
    EXPECT_EQ(lines[1], "blank=0,0,0,0,0,-1,-1,0,-1,-1,0,-1,-1,-1,0,-1,-1,-1 ;   ");
    EXPECT_EQ(lines[2], "none=0,0,0,0,0,-1,-1,0,-1,-1,0,-1,-1,-1,0,-1,-1,-1");
}

TEST_F(TriggerFormTest, EveryModeButtonWritesItsNumbers)
{
    // "When to activate:" is written as mode / 2 and mode % 2.
    const std::vector<std::pair<std::string, std::string>> activation = {
        {"0", "0"}, {"0", "1"}, {"1", "0"}, {"1", "1"}, {"2", "0"}, {"2", "1"}, {"3", "0"},
    };
    for (int button = 4; button <= 10; ++button) {
        fillMinimal(QStringLiteral("t%1").arg(button));
        click(button);
        create();
        const std::vector<std::string> written = values(trigs().back());
        ASSERT_EQ(written.size(), 18u);
        EXPECT_EQ(std::pair(written[2], written[3]), activation[static_cast<std::size_t>(button - 4)])
            << radio(button)->text().toStdString();
    }
    for (int button = 1; button <= 3; ++button) {
        fillMinimal(QStringLiteral("r%1").arg(button));
        click(button);
        create();
        EXPECT_EQ(values(trigs().back())[0], std::to_string(button - 1));
    }
}

TEST_F(TriggerFormTest, MenuEntriesFillTheirParametersAndMoveTheFocus)
{
    // In order: an entry without a parameter after one with a prompt puts the plain labels back.
    struct Case {
        const char* entry;
        int codeField;
        int firstLabel;
        QString code;
        QStringList labels;
        QStringList values;
        int focus;
    };
    const QString p1 = QStringLiteral("Parameter 1:"), p2 = QStringLiteral("Parameter 2:"),
                  p3 = QStringLiteral("Parameter 3:"), none = QStringLiteral("-1");
    const std::vector<Case> cases = {
        {"Destroyedall1", 3, 6, "11", {p1, "Country #:"}, {none, ""}, 5},
        {"Teamleavesmap2", 6, 9, "23", {"Team #:", p2}, {"", none}, 7},
        {"Spiedby1", 3, 6, "2", {p1, p2}, {none, none}, 6},
        {"Noevent2", 6, 9, "0", {p1, p2}, {none, none}, 9},
        {"Createteam1", 9, 12, "4", {"Teamtype #:", p2, p3}, {"", none, none}, 10},
        {"Destroytrigger1", 9, 12, "12", {p1, "Trigger #:", p3}, {none, "", none}, 11},
        {"Winneris1", 9, 12, "1", {p1, p2, "Country #:"}, {none, none, ""}, 12},
        {"Reinforcement1", 9, 12, "7", {"Teamtype #:", p2, "Waypoint #:"}, {"", none, none}, 10},
        {"Allowwin1", 9, 12, "15", {p1, p2, p3}, {none, none, none}, 13},
        {"Preferredtarget2", 13, 16, "35", {p1, p2, "Contry #:"}, {none, none, ""}, 16},
        {"Launchnukes2", 13, 16, "36", {p1, p2, p3}, {none, none, none}, 1},
    };
    for (const Case& c : cases) {
        chooseEntry(c.entry);
        QStringList labels, values;
        for (int i = 0; i < c.labels.size(); ++i) {
            labels << label(c.firstLabel + i);
            values << text(c.codeField + 1 + i);
        }
        EXPECT_EQ(text(c.codeField), c.code) << c.entry;
        EXPECT_EQ(labels, c.labels) << c.entry;
        EXPECT_EQ(values, c.values) << c.entry;
        EXPECT_EQ(focused(), QStringLiteral("Edit%1").arg(c.focus)) << c.entry;
    }
}

TEST_F(TriggerFormTest, AnyEmptyMandatoryFieldMakesCreateDoNothing)
{
    // A fresh dialog with only a name and a country leaves the codes and parameters empty.
    type(1, QStringLiteral("alpha"));
    chooseEntry("USSR1");
    create();
    EXPECT_TRUE(trigs().empty());
    EXPECT_EQ(text(1), "alpha");

    for (int number = 1; number <= 16; ++number) {
        fillMinimal(QStringLiteral("x"));
        click(3);
        field(number)->clear();
        create();
        EXPECT_TRUE(trigs().empty()) << "Edit" << number;
        // Nothing was reset either.
        EXPECT_TRUE(radio(3)->isChecked()) << "Edit" << number;
        EXPECT_EQ(text(number == 1 ? 2 : 1), number == 1 ? "0" : "x");
        form().open();
    }
}

TEST_F(TriggerFormTest, CreateResetsAllButTheCountryAndKeepsTheFocus)
{
    type(1, QStringLiteral("alpha"));
    chooseEntry("Multi81");
    click(3);
    click(10);
    chooseEntry("Creditsexceeded1");
    typeIntoFocus(QStringLiteral("500"));
    chooseEntry("Globalisset2");
    typeIntoFocus(QStringLiteral("3"));
    chooseEntry("Reinforcement1");
    typeIntoFocus(QStringLiteral("2"));
    chooseEntry("Playspeech2");
    typeIntoFocus(QStringLiteral("7"));
    QTest::mouseClick(field(17), Qt::LeftButton);
    type(17, QStringLiteral("note"));
    QTest::keyClick(field(17), Qt::Key_Return);  // Enter presses "&Create"

    ASSERT_EQ(trigs(), std::vector<std::string>{"alpha=2,19,3,0,12,-1,500,27,-1,3,7,2,-1,-1,21,-1,-1,7 ; note"});
    EXPECT_EQ(text(2), "19");
    for (int number = 1; number <= 17; ++number) {
        if (number != 2) {
            EXPECT_EQ(text(number), "") << "Edit" << number;
        }
    }
    EXPECT_TRUE(radio(1)->isChecked());
    EXPECT_TRUE(radio(4)->isChecked());
    EXPECT_EQ(label(7), "Parameter 2:");
    EXPECT_EQ(label(12), "Parameter 1:");
    EXPECT_EQ(label(14), "Parameter 3:");
    EXPECT_EQ(label(18), "Parameter 3:");
    EXPECT_EQ(focused(), "Edit17");
    EXPECT_TRUE(form().isVisible());
}

TEST_F(TriggerFormTest, HidingKeepsTheFieldsAndOpeningResetsThem)
{
    type(1, QStringLiteral("alpha"));
    chooseEntry("Turkey1");
    click(2);
    click(7);
    chooseEntry("Elapsedtime1");
    chooseEntry("Dropzoneflare2");
    type(17, QStringLiteral("c"));

    QTest::mouseClick(child<QPushButton>(QStringLiteral("BitBtn2")), Qt::LeftButton);
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(text(1), "alpha");
    EXPECT_EQ(label(7), "Minutes/10:");
    EXPECT_TRUE(radio(7)->isChecked());

    form().open();
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(text(2), "7");
    for (int number : {1, 3, 4, 5, 13, 14, 15, 16, 17})
        EXPECT_EQ(text(number), "") << "Edit" << number;
    EXPECT_TRUE(radio(1)->isChecked());
    EXPECT_TRUE(radio(4)->isChecked());
    EXPECT_EQ(label(7), "Parameter 2:");
    EXPECT_EQ(label(18), "Parameter 3:");

    // Escape and the close box hide it too; none of them destroys it.
    QPointer<TForm13> alive(&form());
    QTest::keyClick(field(1), Qt::Key_Escape);
    EXPECT_FALSE(form().isVisible());
    form().open();
    EXPECT_TRUE(form().close());
    QApplication::processEvents();
    EXPECT_FALSE(form().isVisible());
    EXPECT_FALSE(alive.isNull());
}

TEST_F(TriggerFormTest, FieldsTakeOnlyWhatAScenarioFileCanHold)
{
    fillMinimal(QString());
    // Typed key by key: e-acute has a byte, omega none.
    for (const QChar typed : QStringLiteral("caf\u00e9\u03a9s"))
        QTest::sendKeyEvent(QTest::Click, field(1), Qt::Key_unknown, QString(typed), Qt::NoModifier);
    EXPECT_EQ(text(1), QStringLiteral("caf\u00e9s"));
    create();
    ASSERT_EQ(trigs().size(), 1u);
    EXPECT_EQ(trigs()[0].substr(0, 6), "caf\xe9s=");
}

TEST_F(TriggerFormTest, TabOrderFollowsTheLine)
{
    const QStringList expected = {
        "Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit9", "Edit10", "Edit11", "Edit12",
        "Edit6", "Edit7", "Edit8", "Edit13", "Edit14", "Edit15", "Edit16", "BitBtn1", "BitBtn2",
        "RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4", "RadioButton5", "RadioButton6",
        "RadioButton7", "RadioButton8", "RadioButton9", "RadioButton10", "Edit17",
    };
    EXPECT_EQ(tabChain(field(1), static_cast<int>(expected.size())), expected.join(QLatin1Char(' ')).toStdString());
}

TEST_F(TriggerFormTest, NoLabelIsClippedWhateverItSays)
{
    EXPECT_EQ(clippedWidgets(form()), "");
    EXPECT_GE(form().width(), 713);
    EXPECT_GE(form().height(), 249);
    for (const char* menu : {"T11", "T12", "R11", "R12"}) {
        for (const QAction* submenu : child<QMenu>(QString::fromLatin1(menu))->actions()) {
            for (QAction* entry : submenu->menu()->actions()) {
                entry->trigger();
                EXPECT_EQ(clippedWidgets(form()), "") << entry->text().toStdString();
            }
        }
    }
}

} // namespace
} // namespace vexa
