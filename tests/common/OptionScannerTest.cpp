// The commands' option table: parsing, the one rule for whole numbers,
// messages, formats, and the help written from the same table.
#include "OptionScanner.h"

#include <gtest/gtest.h>

namespace {

struct Command {
    int dpi = 150;
    bool quiet = false;
    std::string output, format = "png";
    std::vector<std::string> inputs;
    OptionScanner scan{"cmd [FILE]... [-o OUT]", "Draws things."};

    Command()
    {
        scan.Text("-o, --output", "OUT", "output file", output);
        scan.Whole("--dpi", "N", "resolution, 24 to 2400\n(default 150)", 24, 2400, dpi);
        scan.Choice("--format", "F", "png, svg, pdf or bmp", {"png", "svg", "pdf", "bmp"}, format);
        scan.Flag("-q, --quiet", "say nothing", quiet);
        scan.Refuse("--model", "--model applies to soundings only");
        scan.Operands([this](const std::string& a, std::string&) {
            inputs.push_back(a);
            return true;
        });
        scan.Epilogue("Exit status: 0 done, 2 bad command line.");
    }
    OptionScanner::Outcome parse(std::vector<std::string> args, std::string& error)
    {
        return scan.Parse(args, error);
    }
};

using O = OptionScanner::Outcome;

}  // namespace

TEST(OptionScanner, TakesOptionsValuesAndOperandsInAnyOrder)
{
    Command c;
    std::string error;
    ASSERT_EQ(c.parse({"a.dat", "--dpi=300", "-q", "-o", "-x.png", "--format", "SVG", "--", "--b"}, error), O::Run)
        << error;
    EXPECT_EQ(c.dpi, 300);
    EXPECT_TRUE(c.quiet);
    EXPECT_EQ(c.output, "-x.png") << "a value may start with '-'";
    EXPECT_EQ(c.format, "svg") << "as written in the table";
    EXPECT_EQ(c.inputs, (std::vector<std::string>{"a.dat", "--b"}));
    // Help wins over anything else given, before "--" only.
    EXPECT_EQ(Command().parse({"--dpi", "x", "--help"}, error), O::Help);
    EXPECT_EQ(Command().parse({"-h"}, error), O::Help);
    EXPECT_EQ(Command().parse({"--", "-h"}, error), O::Run);
}

TEST(OptionScanner, WholeNumbersFollowOneRuleAtTheirLimits)
{
    long long v = 0;
    EXPECT_TRUE(OptionScanner::ReadWhole("+100", 24, 2400, v));
    EXPECT_EQ(v, 100);
    EXPECT_TRUE(OptionScanner::ReadWhole("24", 24, 2400, v));
    EXPECT_TRUE(OptionScanner::ReadWhole("2400", 24, 2400, v));
    EXPECT_FALSE(OptionScanner::ReadWhole("23", 24, 2400, v));
    EXPECT_FALSE(OptionScanner::ReadWhole("2401", 24, 2400, v));
    EXPECT_TRUE(OptionScanner::ReadWhole("-3", -5, 5, v));
    EXPECT_EQ(v, -3);
    for (const char* bad : {"", "+", "1.0", " 1", "1 ", "0x10", "1e2", "+-1", "99999999999999999999", "١"})
        EXPECT_FALSE(OptionScanner::ReadWhole(bad, -1000, 1000, v)) << bad;
    EXPECT_EQ(v, -3) << "a refused number changed the value";

    Command c;
    std::string error;
    EXPECT_EQ(c.parse({"--dpi", "2401"}, error), O::Bad);
    EXPECT_EQ(error, "--dpi takes a whole number from 24 to 2400, not \"2401\"");
    EXPECT_EQ(c.dpi, 150);
    EXPECT_EQ(OptionScanner::Range(1, 2), "1 or 2");
    EXPECT_EQ(OptionScanner::Range(1, INT_MAX), "a positive whole number");
}

TEST(OptionScanner, MessagesNameTheOptionAndEscapeWhatTheyEcho)
{
    std::string error;
    EXPECT_EQ(Command().parse({"--dpi"}, error), O::Bad);
    EXPECT_EQ(error, "--dpi needs a value (N)");
    EXPECT_EQ(Command().parse({"--colour", "red"}, error), O::Bad);
    EXPECT_EQ(error, "unknown option --colour (see --help)");
    EXPECT_EQ(Command().parse({"--quiet=yes"}, error), O::Bad);
    EXPECT_EQ(error, "--quiet takes no value");
    EXPECT_EQ(Command().parse({"--model", "2"}, error), O::Bad);
    EXPECT_EQ(error, "--model applies to soundings only");
    EXPECT_EQ(Command().parse({"--format", "gif\x1b[2J"}, error), O::Bad);
    EXPECT_EQ(error, "--format takes png, svg, pdf or bmp, not \"gif\\x1b[2J\"");
    OptionScanner none("cmd", "");
    EXPECT_EQ(none.Parse({"file"}, error), O::Bad);
    EXPECT_EQ(error, "unexpected argument file (see --help)");
}

TEST(OptionScanner, HelpIsWrittenFromTheTable)
{
    const std::string help = Command().scan.Help();
    EXPECT_EQ(help, "usage: cmd [FILE]... [-o OUT]\n"
                    "\n"
                    "Draws things.\n"
                    "\n"
                    "  -o, --output OUT  output file\n"
                    "  --dpi N           resolution, 24 to 2400\n"
                    "                    (default 150)\n"
                    "  --format F        png, svg, pdf or bmp\n"
                    "  -q, --quiet       say nothing\n"
                    "  -h, --help        this text\n"
                    "\n"
                    "Exit status: 0 done, 2 bad command line.\n");
}

TEST(OptionScanner, FormatsComeFromTheCaller)
{
    const std::vector<std::string> formats{"png", "svg", "pdf", "bmp"};
    std::string f;
    EXPECT_TRUE(OptionScanner::FormatOf("out/Chart.PDF", formats, f));
    EXPECT_EQ(f, "pdf");
    EXPECT_TRUE(OptionScanner::FormatOf("a.b/c.bmp", formats, f));
    EXPECT_EQ(f, "bmp");
    EXPECT_FALSE(OptionScanner::FormatOf("a.png/chart", formats, f)) << "a dot in a folder's name";
    EXPECT_FALSE(OptionScanner::FormatOf("chart.gif", formats, f));
    EXPECT_FALSE(OptionScanner::FormatOf("chart", formats, f));
    EXPECT_EQ(OptionScanner::ListFormats(formats, "."), ".png, .svg, .pdf or .bmp");
    EXPECT_EQ(OptionScanner::ListFormats({"png"}, ""), "png");
}
