#include "editor_fixture.h"

#include "gui/check/check_panel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>

using namespace vexa;
using vexa::test::EditorFixture;

namespace {

const QByteArray kScenario = "[Basic]\r\nName=Test\r\nToInherit=Yes\r\n[UNITS]\r\nU1\r\n[Foo]\r\na=1\r\n[Spain]\r\nCredits=10\r\n";

class FileCommands : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        startEditor();
    }
    void open(const QString& name)
    {
        desktop_.openAnswers.push_back(path(name));
        choose("Load1");
    }
    bool revertEnabled()
    {
        Q_EMIT main().findChild<QMenu*>("Arkiv1")->aboutToShow();
        return main().action("Reverttosaved1")->isEnabled();
    }
};

} // namespace

TEST_F(FileCommands, OpenFillsTheDocumentAndSetsTheCaption)
{
    writeFile("test.mpr", kScenario);
    open("test.mpr");
    EXPECT_EQ(main().windowTitle(), "Vexa Build - test.mpr");
    EXPECT_EQ(document().fieldText(FieldId::Name), "Test");
    EXPECT_TRUE(document().flagBox(FlagId::ToInherit)->isChecked());
    EXPECT_EQ(paneLines(PaneId::Rules), (std::vector<std::string>{"[Foo]", "a=1"}));
    EXPECT_EQ(paneLines(PaneId::Country), (std::vector<std::string>{"[Spain]", "Credits=10"}));
    ASSERT_EQ(desktop_.openRequests.size(), 1u);
    EXPECT_EQ(desktop_.openRequests[0].filter,
              "Velkar file (*.mpr *.ini);;Multiplayer scenario (*.mpr);;Singleplayer scenario (*.ini);;All files (*)");
    EXPECT_TRUE(desktop_.openRequests[0].title.isEmpty());
}

// Open, Save and Revert take seconds on a large file: each says in the status bar what it
// did and how long it took, and leaves no busy cursor behind.
TEST_F(FileCommands, OpenSaveAndRevertSayInTheStatusBarWhatTheyDid)
{
    QByteArray units = "[UNITS]\r\n";
    for (int i = 0; i < 1200; ++i)
        units += QByteArray::number(i) + "=Greece,1TNK,256,1000,0,Guard,None\r\n";
    writeFile("big.mpr", kScenario + units);
    const auto said = [&](const QString& what) {
        const QString message = main().statusBar()->currentMessage();
        EXPECT_TRUE(message.contains(QRegularExpression("^" + QRegularExpression::escape(what) + " in \\d+\\.\\d s$")))
            << message.toStdString();
    };
    open("big.mpr");
    said("Opened 1,210 lines");
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    choose("Save1");
    const auto written = readFile("big.mpr").count("\r\n");
    ASSERT_GT(written, 1200);
    said(QStringLiteral("Saved %1 lines").arg(QLocale(QLocale::English).toString(written)));
    choose("Checkscenario1");
    const QString checked = QStringLiteral("Checked %1 lines: ").arg(QLocale(QLocale::English).toString(written));
    EXPECT_TRUE(main().statusBar()->currentMessage().startsWith(checked)) << "the lines of the file, as Save counts them";
    choose("Reverttosaved1");
    said(QStringLiteral("Reverted to %1 saved lines").arg(QLocale(QLocale::English).toString(written)));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !main().checkPanel().isOutOfDate(); }));
    // The check that follows leaves the command's message.
    said(QStringLiteral("Reverted to %1 saved lines").arg(QLocale(QLocale::English).toString(written)));

    open("vanished.mpr");
    EXPECT_EQ(desktop_.errors, QStringList{"Filen saknas."});
    said(QStringLiteral("Reverted to %1 saved lines").arg(QLocale(QLocale::English).toString(written)));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(FileCommands, CancelledDialogsChangeNothing)
{
    document().setFieldText(FieldId::Name, "kept");
    choose("Load1");
    choose("Saveas1");
    EXPECT_EQ(document().fieldText(FieldId::Name), "kept");
    EXPECT_EQ(main().windowTitle(), "Vexa Build - no file");
    EXPECT_TRUE(main().currentFileName().isEmpty());
}

TEST_F(FileCommands, FailedOpenOrRevertChangesNothing)
{
    writeFile("good.mpr", kScenario);
    open("good.mpr");
    document().setFieldText(FieldId::Name, "edited");

    open("vanished.mpr");
    EXPECT_EQ(desktop_.errors, QStringList{"Filen saknas."});
    EXPECT_EQ(document().fieldText(FieldId::Name), "edited");
    EXPECT_EQ(main().currentFileName(), path("good.mpr"));
    EXPECT_EQ(main().windowTitle(), "Vexa Build - good.mpr");

    QFile::remove(path("good.mpr"));
    choose("Reverttosaved1");
    EXPECT_EQ(desktop_.errors.size(), 2);
    EXPECT_EQ(document().fieldText(FieldId::Name), "edited");
    EXPECT_EQ(paneLines(PaneId::Units), (std::vector<std::string>{"U1"}));

    desktop_.openAnswers.push_back(path("missing-folder/x.mpr"));
    choose("Load1");
    EXPECT_EQ(desktop_.errors.last(), "Felaktigt filnamn.");
}

TEST_F(FileCommands, RevertRereadsTheFileAndKeepsTheCaption)
{
    writeFile("r.mpr", kScenario);
    open("r.mpr");
    document().setFieldText(FieldId::Name, "changed");
    pane(PaneId::Units).appendPlainText("U2");
    choose("Reverttosaved1");
    EXPECT_EQ(document().fieldText(FieldId::Name), "Test");
    EXPECT_EQ(paneLines(PaneId::Units), (std::vector<std::string>{"U1"}));
    EXPECT_EQ(main().windowTitle(), "Vexa Build - r.mpr");
}

TEST_F(FileCommands, RevertIsEnabledOnlyWithAFileName)
{
    EXPECT_FALSE(revertEnabled());
    writeFile("e.mpr", kScenario);
    open("e.mpr");
    EXPECT_TRUE(revertEnabled());
    choose("Nytt1");
    EXPECT_FALSE(revertEnabled());
    desktop_.saveAnswers.push_back(path("saved.mpr"));
    choose("Saveas1");
    EXPECT_TRUE(revertEnabled());
}

TEST_F(FileCommands, NewEmptiesEverythingButKeepsListsAndOpenSuggestion)
{
    writeFile("n.mpr", kScenario);
    open("n.mpr");
    document().setCurrentIndex(5);
    choose("Nytt1");
    EXPECT_EQ(main().windowTitle(), "Vexa Build - no file");
    EXPECT_TRUE(main().currentFileName().isEmpty());
    EXPECT_EQ(main().openDialogFileName(), path("n.mpr"));
    EXPECT_TRUE(document().fieldText(FieldId::Name).isEmpty());
    EXPECT_FALSE(document().flagBox(FlagId::ToInherit)->isChecked());
    EXPECT_TRUE(paneLines(PaneId::Country).empty());
    EXPECT_EQ(document().currentIndex(), 5);
    EXPECT_EQ(child<QComboBox>(main(), "ComboBox1")->count(), 97);
    choose("Load1");
    EXPECT_EQ(desktop_.openRequests.back().startName, path("n.mpr"));
}

TEST_F(FileCommands, SaveOfANewDocumentAsksForANameAndWritesTheMinimalFile)
{
    desktop_.saveAnswers.push_back(path("new.mpr"));
    choose("Save1");
    ASSERT_EQ(desktop_.saveRequests.size(), 1u);
    EXPECT_EQ(desktop_.saveRequests[0].title, "Spara fil");
    EXPECT_TRUE(desktop_.saveRequests[0].startName.isEmpty());
    EXPECT_EQ(main().windowTitle(), "Vexa Build - new.mpr");
    const QByteArray expected =
        "; This file was edited with Vexa Build version 4.0.1 by Orlund\r\n\r\n[Basic]\r\nNewINIFormat=3\r\n"
        "ToCarryOver=No\r\nToInherit=No\r\nTimerInherit=No\r\nCivEvac=No\r\nEndOfGame=No\r\nNoSpyPlane=No\r\n"
        "SkipScore=No\r\nOneTimeOnly=No\r\nSkipMapSelect=No\r\nOfficial=No\r\nFillSilos=No\r\nTruckCrate=No\r\n\r\n"
        "[Map]\r\nTheater=\r\nX=\r\nY=\r\nWidth=\r\nHeight=\r\n";
    EXPECT_EQ(readFile("new.mpr"), expected);
    choose("Save1");
    EXPECT_EQ(readFile("new.mpr"), expected) << "saving twice gives the same bytes";
    EXPECT_EQ(desktop_.saveRequests.size(), 1u) << "the second Save needs no dialog";
}

TEST_F(FileCommands, SaveAsStartsOnTheCurrentNameAndRefusesReadOnlyFiles)
{
    writeFile("a.mpr", kScenario);
    open("a.mpr");
    writeFile("locked.mpr", "old");
    QFile::setPermissions(path("locked.mpr"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    desktop_.saveAnswers = {path("locked.mpr"), path("b.mpr")};
    choose("Saveas1");
    ASSERT_EQ(desktop_.saveRequests.size(), 2u);
    EXPECT_EQ(desktop_.saveRequests[0].startName, path("a.mpr"));
    EXPECT_EQ(desktop_.warnings.size(), 1);
    EXPECT_TRUE(desktop_.warnings[0].contains("read-only"));
    EXPECT_EQ(readFile("locked.mpr"), "old");
    EXPECT_EQ(main().currentFileName(), path("b.mpr"));
    EXPECT_EQ(main().windowTitle(), "Vexa Build - b.mpr");
    EXPECT_TRUE(readFile("b.mpr").contains("Name=Test"));
}

// Decided by the file's mode, so it holds for root too, who may write any file.
TEST_F(FileCommands, SaveRefusesAReadOnlyFileAndWritesNothing)
{
    writeFile("locked.mpr", kScenario);
    open("locked.mpr");
    QFile::setPermissions(path("locked.mpr"), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    document().setFieldText(FieldId::Name, "Changed");
    choose("Save1");
    EXPECT_EQ(desktop_.errors, QStringList{QStringLiteral("Filåtkomst vägras.")});
    EXPECT_EQ(readFile("locked.mpr"), kScenario);
}

// Files written by players: yes/no values as the game reads them, team types under the
// header the game reads, and an old team type section kept as it was.
TEST_F(FileCommands, APlayersFileKeepsItsMeaningThroughOpenAndSave)
{
    writeFile("player.mpr", "[Basic]\r\nName=Dunes\r\nEndOfGame=yes\r\nOfficial=1\r\nSkipScore=no\r\n"
                            "[TeamType]\r\nold=1,2\r\n[TeamTypes]\r\nraid=2,7,0,0,0,-1,0,1,E1:3,0\r\n");
    open("player.mpr");
    EXPECT_TRUE(document().flagBox(FlagId::EndOfGame)->isChecked());
    EXPECT_TRUE(document().flagBox(FlagId::Official)->isChecked());
    EXPECT_FALSE(document().flagBox(FlagId::SkipScore)->isChecked());
    EXPECT_EQ(pane(PaneId::TeamType).toPlainText(), "raid=2,7,0,0,0,-1,0,1,E1:3,0\n");
    EXPECT_EQ(pane(PaneId::Rules).toPlainText(), "[TeamType]\nold=1,2\n");
    choose("Save1");
    const QString saved = readFile("player.mpr");
    EXPECT_TRUE(saved.contains("\r\n\r\n[TeamType]\r\nold=1,2\r\n\r\n[Basic]\r\n")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("EndOfGame=Yes\r\n"));
    EXPECT_TRUE(saved.contains("Official=Yes\r\n"));
    EXPECT_TRUE(saved.endsWith("\r\n\r\n[TeamTypes]\r\nraid=2,7,0,0,0,-1,0,1,E1:3,0\r\n"));
}

TEST_F(FileCommands, FailedSaveKeepsTheCaptionAndReportsTheError)
{
    desktop_.saveAnswers.push_back(path("no-such-folder/x.mpr"));
    choose("Saveas1");
    EXPECT_EQ(desktop_.errors, QStringList{"Felaktigt filnamn."});
    EXPECT_EQ(main().windowTitle(), "Vexa Build - no file");

    desktop_.saveAnswers.push_back(QStringLiteral("/dev/full"));
    choose("Saveas1");
    EXPECT_EQ(desktop_.errors.last(), "Disken full.");
    EXPECT_EQ(main().windowTitle(), "Vexa Build - no file");
}

TEST_F(FileCommands, CharactersNoFileCanHoldStopTheSave)
{
    writeFile("u.mpr", kScenario);
    open("u.mpr");
    pane(PaneId::Units).setPlainText(QStringLiteral("U1\nU2 \u4e2d\n"));
    choose("Save1");
    ASSERT_EQ(desktop_.errors.size(), 1);
    EXPECT_TRUE(desktop_.errors[0].contains("Line 1 of the \"[UNITS]\" pane")) << desktop_.errors[0].toStdString();
    EXPECT_EQ(readFile("u.mpr"), kScenario) << "nothing is written";

    pane(PaneId::Units).setPlainText("U1");
    document().setFieldText(FieldId::Width, QStringLiteral("\u20ac\u0100"));
    choose("Save1");
    EXPECT_TRUE(desktop_.errors.last().contains("\"Width:\"")) << desktop_.errors.last().toStdString();
    EXPECT_EQ(readFile("u.mpr"), kScenario);
}

TEST_F(FileCommands, EveryByteSurvivesOpenAndSave)
{
    QByteArray body;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n' && byte != 0x1a && byte != '[')
            body.append(static_cast<char>(byte));
    }
    writeFile("bytes.mpr", "[TERRAIN]\r\n" + body + "\r\n[Basic]\r\nName=" + body + "\r\n");
    open("bytes.mpr");
    choose("Save1");
    const QByteArray saved = readFile("bytes.mpr");
    EXPECT_TRUE(saved.contains("\r\n[TERRAIN]\r\n" + body + "\r\n"));
    EXPECT_TRUE(saved.contains("\r\nName=" + body + "\r\n"));
}

TEST(CaptionRule, FileNamePartFollowsTheLastSeparator)
{
    EXPECT_EQ(fileNamePart("/home/a/maps/x.mpr"), "x.mpr");
    EXPECT_EQ(fileNamePart("x.mpr"), "x.mpr");
    EXPECT_EQ(fileNamePart("/home/a/"), "");
}
