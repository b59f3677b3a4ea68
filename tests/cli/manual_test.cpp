#include "cli_run.h"
#include "manual.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace vexa;

namespace {

std::string overview()
{
    return test::run({"--help"}).out;
}

// The command names the overview lists under "Commands:".
std::vector<std::string> listedCommands(const std::string& help)
{
    std::vector<std::string> names;
    std::istringstream lines(help.substr(help.find("Commands:\n") + 10));
    for (std::string line; std::getline(lines, line) && line.starts_with("  ");)
        names.push_back(line.substr(2, line.find(' ', 2) - 2));
    return names;
}

std::string manual()
{
    std::ostringstream out;
    cli::writeManual(out);
    return out.str();
}

} // namespace

TEST(Manual, EscapesWhatRoffWouldReadAsControl)
{
    EXPECT_EQ(cli::roffEscape("a-b --size C:\\maps"), "a\\-b \\-\\-size C:\\emaps");
    EXPECT_EQ(cli::roffEscape(".hidden"), "\\&.hidden");
    EXPECT_EQ(cli::roffEscape("'quoted' text"), "\\&'quoted' text");
    EXPECT_EQ(cli::roffEscape("it's fine."), "it's fine.");
}

TEST(Manual, HelpLayoutBecomesParagraphsListsAndExamples)
{
    const std::string help =
        "Usage: tool go FILE [-o OUT]\n"
        "\n"
        "Goes through FILE and prints\n"
        "every finding:\n"
        "  FILE:LINE: message\n"
        "    indented more\n"
        "FILE '-' is standard input.\n"
        "\n"
        "Options:\n"
        "  -o OUT      write to OUT,\n"
        "              replacing it\n"
        "  --help      show this help\n"
        "\n"
        "Rules:\n"
        "  first-rule\n"
        "      what it finds\n";
    EXPECT_EQ(cli::helpToRoff(help),
              ".PP\n\\fBtool go FILE [\\-o OUT]\\fR\n"
              ".PP\nGoes through FILE and prints\nevery finding:\n"
              ".PP\n.RS\n.nf\nFILE:LINE: message\n  indented more\n.fi\n.RE\n"
              ".PP\nFILE '\\-' is standard input.\n"
              ".PP\n\\fBOptions:\\fR\n"
              ".TP\n\\fB\\-o\\fR OUT\nwrite to OUT,\nreplacing it\n"
              ".TP\n\\fB\\-\\-help\\fR\nshow this help\n"
              ".PP\n\\fBRules:\\fR\n"
              ".TP\n\\fBfirst\\-rule\\fR\nwhat it finds\n");
}

TEST(Manual, StrayLayoutNeitherBreaksNorLosesText)
{
    EXPECT_EQ(cli::helpToRoff("Rules:\n"), ".PP\nRules:\n");
    EXPECT_EQ(cli::helpToRoff("Options:\n  --help  \n"), ".PP\n\\fBOptions:\\fR\n.TP\n\\fB\\-\\-help\\fR\n");
    EXPECT_EQ(cli::helpToRoff("For example\n    deeper\n  shallower\n"),
              ".PP\nFor example\n.PP\n.RS\n.nf\ndeeper\nshallower\n.fi\n.RE\n");
}

TEST(Manual, EveryCommandTheOverviewListsHasItsSectionWithItsWholeHelp)
{
    const std::string page = manual();
    const std::vector<std::string> commands = listedCommands(overview());
    ASSERT_GE(commands.size(), 2u);
    for (const std::string& command : commands) {
        SCOPED_TRACE(command);
        const test::CliRun help = test::run({command, "--help"});
        ASSERT_EQ(help.exitCode, 0);
        EXPECT_NE(page.find(".SS " + command + "\n" + cli::helpToRoff(help.out)), std::string::npos);
    }
}

TEST(Manual, IsAManualPageOfSectionOneWithANameLine)
{
    const std::string page = manual();
    EXPECT_TRUE(page.starts_with(".TH VEXABUILD\\-CLI 1 \"\" \"Vexa Build " VEXA_VERSION "\" \"User Commands\"\n"));
    EXPECT_NE(page.find("\n.SH NAME\nvexabuild\\-cli \\- "), std::string::npos);
    EXPECT_NE(page.find("\n.SH SYNOPSIS\n.PP\n\\fBvexabuild\\-cli COMMAND [ARGUMENTS]\\fR\n"), std::string::npos);
    EXPECT_NE(page.find("\n.SH DESCRIPTION\n.PP\n\\fBCommands:\\fR\n"), std::string::npos);
}
