// The command line of tarnex's commands, read from one table of options:
// the same table parses the arguments, words the messages and writes the
// --help text, so that every command takes numbers, formats and help the
// same way. Parsing never exits; the caller prints and picks the status.
#pragma once

#include <climits>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class OptionScanner {
public:
    // Exit statuses every command shares.
    static constexpr int kExitOk = 0;
    static constexpr int kExitBadCommandLine = 2;

    enum class Outcome {
        Run,   // the arguments were taken: go on
        Help,  // -h or --help was given: print Help() and exit kExitOk
        Bad,   // a bad command line: print the message and exit kExitBadCommandLine
    };

    // usage: the synopsis lines after "usage: " (one a line); about: what the
    // command does, printed after them.
    OptionScanner(std::string usage, std::string about);

    // names: "-o, --output" or "--dpi"; meta: the value's name in help
    // ("OUT", "N"); help: one or more lines. An option taking a value takes
    // the next argument, or the text after '=' ("--dpi=300").
    void Flag(std::string names, std::string help, bool& target, bool value = true);
    void Whole(std::string names, std::string meta, std::string help, long long lo, long long hi, int& target);
    void Text(std::string names, std::string meta, std::string help, std::string& target);
    // One of choices, in any case; target receives it as written in choices.
    void Choice(std::string names, std::string meta, std::string help, std::vector<std::string> choices,
                std::string& target);
    // A value the caller checks: apply returns false with the whole message.
    void Custom(std::string names, std::string meta, std::string help,
                std::function<bool(const std::string& value, std::string& error)> apply);
    // "--shard K/N": this process does the K-th of N parts of a survey (the
    // stations whose index from 0 leaves K-1 divided by N), for job arrays.
    // Both stay untouched unless the option is given.
    static constexpr int kMaxShards = 100000;
    void Shard(std::string help, int& shard, int& shards);
    // A custom flag (no value).
    void Action(std::string names, std::string help, std::function<bool(std::string& error)> apply);
    // An option known to the command but not to this form of it: refused
    // with message, and left out of the help.
    void Refuse(std::string names, std::string message);
    // Arguments that are not options, in order; take returns false with a
    // message to refuse one. Without it any operand is refused.
    void Operands(std::function<bool(const std::string& operand, std::string& error)> take);
    // Text printed after the options (exit statuses, notes).
    void Epilogue(std::string text);

    // Reads args (without the program's name). Bad: error holds one line,
    // control bytes shown as \xNN. -h or --help anywhere before "--" asks
    // for help whatever else is given.
    Outcome Parse(const std::vector<std::string>& args, std::string& error);
    std::string Help() const;
    // Parse for a command that answers through out and err: help goes to
    // out (status kExitOk), a bad command line to err as "command: message"
    // (status kExitBadCommandLine). True when the command goes on.
    bool ParseOrAnswer(const std::vector<std::string>& args, const std::string& command, std::string& out,
                       std::string& err, int& status);

    // The one reading of a whole number on every command line: an optional
    // sign and decimal digits, nothing else, within lo..hi.
    static bool ReadWhole(std::string_view text, long long lo, long long hi, long long& out);
    // How a message names the range lo..hi: "1 or 2", "a positive whole
    // number", "a whole number from 24 to 2400".
    static std::string Range(long long lo, long long hi);

    // The output format named by a file's ending, in lower case, when it is
    // one of formats (lower case, without the dot).
    static bool FormatOf(std::string_view path, const std::vector<std::string>& formats, std::string& format);
    // The formats as a message lists them: ".png, .svg, .pdf or .bmp"
    // (prefix "."), or "png, svg, pdf or bmp" (prefix "").
    static std::string ListFormats(const std::vector<std::string>& formats, const char* prefix);

private:
    struct Option {
        std::vector<std::string> names;
        std::string meta;  // empty: takes no value
        std::string help;
        bool hidden = false;
        bool named = false;  // its messages start "takes ...": the option's name goes before them
        std::function<bool(const std::string& value, std::string& error)> apply;
    };
    void add(std::string names, std::string meta, std::string help, bool hidden, bool named,
             std::function<bool(const std::string&, std::string&)> apply);
    const Option* find(std::string_view name) const;

    std::string m_usage, m_about, m_epilogue;
    std::vector<Option> m_options;
    std::function<bool(const std::string&, std::string&)> m_operands;
};
