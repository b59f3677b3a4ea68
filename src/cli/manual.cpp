#include "manual.h"

#include "commands.h"

#include <algorithm>
#include <ostream>
#include <sstream>
#include <vector>

namespace vexa::cli {

namespace {

struct HelpLine {
    std::size_t indent;
    std::string_view text; // without the indent
};

using Block = std::vector<HelpLine>;

// The help text's blocks: runs of non-blank lines.
std::vector<Block> blocksOf(std::string_view help)
{
    std::vector<Block> blocks(1);
    while (!help.empty()) {
        const std::size_t end = help.find('\n');
        std::string_view line = help.substr(0, end);
        help = end == std::string_view::npos ? std::string_view{} : help.substr(end + 1);
        const std::size_t indent = line.find_first_not_of(' ');
        if (indent == std::string_view::npos) {
            if (!blocks.back().empty())
                blocks.emplace_back();
            continue;
        }
        blocks.back().push_back({indent, line.substr(indent)});
    }
    if (blocks.back().empty())
        blocks.pop_back();
    return blocks;
}

bool isListHeading(const Block& block)
{
    return block.size() > 1 && block[0].indent == 0 && block[0].text.ends_with(':') && block[1].indent > 0;
}

// Bold text, escaped.
std::string bold(std::string_view text)
{
    return "\\fB" + roffEscape(text) + "\\fR";
}

// An item "TERM  description": the term ends where two blanks begin. Its first word
// (an option, a command, a rule) is typed as it stands, so it is bold.
void writeListItem(std::ostream& out, std::string_view item)
{
    const std::size_t gap = item.find("  ");
    const std::string_view term = item.substr(0, gap);
    const std::size_t wordEnd = std::min(term.find(' '), term.size());
    out << ".TP\n" << bold(term.substr(0, wordEnd)) << roffEscape(term.substr(wordEnd)) << "\n";
    const std::size_t description = gap == std::string_view::npos ? gap : item.find_first_not_of(' ', gap);
    if (description != std::string_view::npos)
        out << roffEscape(item.substr(description)) << "\n";
}

// The indented lines from `first` on: a list's items, or an example kept as it is.
// Returns the index of the first line after them.
std::size_t writeIndented(std::ostream& out, const Block& block, std::size_t first, bool asList)
{
    const std::size_t base = block[first].indent;
    std::size_t i = first;
    if (!asList)
        out << ".PP\n.RS\n.nf\n";
    for (; i < block.size() && block[i].indent > 0; ++i) {
        if (!asList)
            out << roffEscape(std::string(block[i].indent - std::min(block[i].indent, base), ' ') + std::string(block[i].text))
                << "\n";
        else if (block[i].indent <= base)
            writeListItem(out, block[i].text);
        else
            out << roffEscape(block[i].text) << "\n";
    }
    if (!asList)
        out << ".fi\n.RE\n";
    return i;
}

void writeBlock(std::ostream& out, const Block& block)
{
    std::size_t i = 0;
    if (block[0].text.starts_with("Usage: ")) {
        out << ".PP\n" << bold(block[0].text.substr(7)) << "\n";
        i = 1;
    } else if (isListHeading(block)) {
        out << ".PP\n" << bold(block[0].text) << "\n";
        i = writeIndented(out, block, 1, true);
    }
    bool inParagraph = false;
    while (i < block.size()) {
        if (block[i].indent > 0) {
            i = writeIndented(out, block, i, false);
            inParagraph = false;
            continue;
        }
        if (!inParagraph)
            out << ".PP\n";
        inParagraph = true;
        out << roffEscape(block[i++].text) << "\n";
    }
}

std::string helpOf(const Command& command)
{
    std::ostringstream help;
    command.printHelp(help);
    return help.str();
}

} // namespace

std::string roffEscape(std::string_view text)
{
    std::string escaped;
    if (text.starts_with('.') || text.starts_with('\''))
        escaped = "\\&";
    for (const char c : text) {
        if (c == '\\')
            escaped += "\\e";
        else if (c == '-')
            escaped += "\\-";
        else
            escaped += c;
    }
    return escaped;
}

std::string helpToRoff(std::string_view help)
{
    std::ostringstream out;
    for (const Block& block : blocksOf(help))
        writeBlock(out, block);
    return out.str();
}

void writeManual(std::ostream& out)
{
    std::ostringstream overview;
    printOverview(overview);
    const std::string overviewText = overview.str();
    const std::size_t usageEnd = overviewText.find("\n\n");

    // Left-aligned and not hyphenated, so command and option names stay whole.
    out << ".TH VEXABUILD\\-CLI 1 \"\" \"Vexa Build " VEXA_VERSION "\" \"User Commands\"\n"
        << ".ad l\n.nh\n"
        << ".SH NAME\n"
        << "vexabuild\\-cli \\- tidy, check and draw the scenario files of Vexa Build\n"
        << ".SH SYNOPSIS\n"
        << helpToRoff(std::string_view(overviewText).substr(0, usageEnd))
        << ".PP\n" << bold("vexabuild-cli --version") << "\n"
        << ".SH DESCRIPTION\n"
        << helpToRoff(std::string_view(overviewText).substr(usageEnd))
        << ".SH COMMANDS\n";
    for (const Command& command : commands())
        out << ".SS " << roffEscape(command.name) << "\n" << helpToRoff(helpOf(command));
    out << ".SH SEE ALSO\n"
        << ".BR vexabuild (1)\n";
}

} // namespace vexa::cli
