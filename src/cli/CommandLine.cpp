// Reads the batch tool's arguments with CLI11: a subcommand, then its files and options in any
// order. CLI11 does the parsing; its own error texts are turned back into the tool's words.
#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <string_view>

namespace quillon::cli {
namespace {

struct CommandShape {
    std::string_view name;
    std::size_t files;      // how many files it takes, no more and no fewer
    const char* fileNames;  // how its usage line names them
    const char* outputName; // how its usage line names the -o value; null: it takes no -o
    bool needsOutput;
    bool outputIsFolder;
    bool takesForce;
    bool takesAllAndList;        // unpack's --all and --list
    bool takesTmfFolder = false; // status's --tmf
    bool takesLanguage = false;  // --language X: the game's language letter
    bool takesUtf8 = false;      // --utf8: work files in UTF-8
    bool takesGame = false;      // po import's --game, --apply and --fuzzy
};

constexpr std::array<CommandShape, 9> kCommands{{
    {"list", 1, "FILE", nullptr, false, false, false, false},
    {"export", 1, "FILE", "OUT.tmf", false, false, false, false, false, true, true},
    {"check", 2, "FILE and WORK.tmf", nullptr, false, false, false, false, false, true, true},
    {"apply", 2, "FILE and WORK.tmf", "NEW", true, false, true, false, false, true, true},
    {"unpack", 1, "GAME", "DIR", false, true, true, true},
    {"pack", 2, "GAME and DIR", "NEW", true, false, false, false, false, true},
    {"status", 1, "DIR", nullptr, false, false, false, false, true, true},
    {"po export", 1, "GAME_OR_FOLDER", "OUT.po", false, false, false, false, true, true},
    {"po import", 1, "CATALOGUE.po", "DIR", true, true, true, false, false, true, false, true},
}};

const CommandShape* FindCommand(std::string_view name) {
    for (const auto& shape : kCommands)
        if (shape.name == name) return &shape;
    return nullptr;
}

bool IsHelp(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

std::string ToolProblem(std::string_view what) {
    return std::string(kProgramName) + ": " + std::string(what) + "; see '" + kProgramName +
           " --help'.";
}

std::string Problem(std::string_view command, std::string_view what) {
    return std::string(kProgramName) + " " + std::string(command) + ": " + std::string(what) +
           "; see '" + kProgramName + " " + std::string(command) + " --help'.";
}

std::string Kind(const CommandShape& shape) {
    return shape.outputIsFolder ? "folder" : "file";
}

std::string OutputWhat(const CommandShape& shape) {
    return "the output " + Kind(shape);
}

// The options a command's own parser knows; everything else is left over for our checks.
struct Parsed {
    std::vector<std::string> files;
    std::vector<std::string> outputs; // every -o given, so a second one can be told apart
    bool force = false;
    bool all = false;
    bool list = false;
    std::vector<std::string> tmfFolders; // every --tmf given
    std::vector<std::string> languages;  // every --language given
    bool utf8 = false;
    std::vector<std::string> games; // every --game given
    bool apply = false;
    bool fuzzy = false;
};

// CLI11 takes no space in a name: "po export" is known to it as "po-export".
std::string ParserName(std::string_view name) {
    std::string parserName(name);
    std::replace(parserName.begin(), parserName.end(), ' ', '-');
    return parserName;
}

CLI::App* AddCommand(CLI::App& app, const CommandShape& shape, Parsed& into) {
    CLI::App* sub = app.add_subcommand(ParserName(shape.name));
    // Help is answered before parsing (it wins over every mistake), and unknown options are
    // reported in the tool's words, so CLI11 neither prints help nor refuses extras itself.
    sub->set_help_flag();
    sub->allow_extras();
    // The file count is checked afterwards, so "expects 2 files, got 3" can be said.
    sub->add_option("files", into.files)->expected(0, -1);
    // An option with one value each time; every use is kept, so a repeat can be refused.
    auto repeatable = [sub](const std::string& names, std::vector<std::string>& values) {
        sub->add_option(names, values)
            ->type_size(1)
            ->expected(1)
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
            ->allow_extra_args(false);
    };
    if (shape.outputName) repeatable("-o,--output", into.outputs);
    if (shape.takesForce) sub->add_flag("--force", into.force);
    if (shape.takesAllAndList) {
        sub->add_flag("--all", into.all);
        sub->add_flag("--list", into.list);
    }
    if (shape.takesTmfFolder) repeatable("--tmf", into.tmfFolders);
    if (shape.takesLanguage) repeatable("--language", into.languages);
    if (shape.takesUtf8) sub->add_flag("--utf8", into.utf8);
    if (shape.takesGame) {
        repeatable("--game", into.games);
        sub->add_flag("--apply", into.apply);
        sub->add_flag("--fuzzy", into.fuzzy);
    }
    return sub;
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& given) {
    CommandLine line;
    if (given.empty()) {
        line.error = ToolProblem("no command given");
        return line;
    }
    if (IsHelp(given[0])) {
        line.help = true;
        return line;
    }
    // "po export ..." and "po import ...": the two words name one command.
    std::vector<std::string> joined;
    if (given[0] == "po") {
        if (given.size() < 2 || IsHelp(given[1])) {
            line.command = "po";
            line.help = given.size() >= 2;
            if (!line.help) line.error = ToolProblem("po needs 'export' or 'import'");
            return line;
        }
        if (given[1] != "export" && given[1] != "import") {
            line.error = ToolProblem("unknown command 'po " + given[1] + "'");
            return line;
        }
        joined.push_back("po " + given[1]);
        joined.insert(joined.end(), given.begin() + 2, given.end());
    }
    const std::vector<std::string>& args = joined.empty() ? given : joined;
    const CommandShape* shape = FindCommand(args[0]);
    if (!shape) {
        line.error = ToolProblem("unknown command '" + args[0] + "'");
        return line;
    }
    line.command = args[0];

    // Help wins over every other mistake on the line, so "--help" always shows the usage.
    // "--output=" names an empty file; CLI11 would take the next argument as its value.
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--") break;
        if (IsHelp(args[i])) {
            line.help = true;
            return line;
        }
        if (args[i] == "--output=" && shape->outputName) {
            line.error = Problem(line.command, OutputWhat(*shape) + " name is empty");
            return line;
        }
        if (args[i] == "--tmf=" && shape->takesTmfFolder) {
            line.error = Problem(line.command, "the work-file folder name is empty");
            return line;
        }
    }

    CLI::App app{"", kProgramName};
    app.set_help_flag();
    // "/Games/C1.CUT" names a file on Windows too, never an option: a command line means the
    // same everywhere. (Inherited by the subcommands, so set before they are added.)
    app.allow_windows_style_options(false);
    app.require_subcommand(1, 1);
    // A command whose files are all optional hands everything after "--" back to the tool
    // itself; those arguments are files too, and they arrive here as the tool's extras.
    app.allow_extras();
    Parsed parsed;
    CLI::App* sub = AddCommand(app, *shape, parsed);
    try {
        // CLI11 takes the arguments last first.
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        reversed.back() = ParserName(args[0]);
        app.parse(reversed);
    } catch (const CLI::ArgumentMismatch& e) {
        // CLI11 takes whatever follows -o as its value, so the value is missing only when
        // the option ends the line.
        const std::string& last = args.back();
        line.error =
            Problem(line.command, last == "-o" || last == "--output" ? last + " needs a file name"
                                  : last == "--tmf"                  ? last + " needs a folder"
                                  : last == "--game"     ? last + " needs the game's file or folder"
                                  : last == "--language" ? last + " needs a language letter"
                                                         : std::string(e.what()));
        return line;
    } catch (const CLI::ParseError& e) {
        line.error = Problem(line.command, e.what());
        return line;
    }

    for (const std::string& extra : sub->remaining()) {
        line.error = Problem(line.command, "unknown option '" + extra + "'");
        return line;
    }
    for (std::string& file : app.remaining())
        parsed.files.push_back(std::move(file));
    if (parsed.outputs.size() > 1) {
        line.error = Problem(line.command, "the output file is given twice");
        return line;
    }
    if (!parsed.outputs.empty()) {
        if (parsed.outputs.front().empty()) {
            line.error = Problem(line.command, OutputWhat(*shape) + " name is empty");
            return line;
        }
        line.output = parsed.outputs.front();
    }
    if (parsed.tmfFolders.size() > 1) {
        line.error = Problem(line.command, "the work-file folder is given twice");
        return line;
    }
    if (!parsed.tmfFolders.empty()) {
        if (parsed.tmfFolders.front().empty()) {
            line.error = Problem(line.command, "the work-file folder name is empty");
            return line;
        }
        line.tmfFolder = parsed.tmfFolders.front();
    }
    if (parsed.languages.size() > 1) {
        line.error = Problem(line.command, "the language is given twice");
        return line;
    }
    if (!parsed.languages.empty()) {
        const std::string& letter = parsed.languages.front();
        if (letter.size() != 1 ||
            std::string_view(kLanguageLetters).find(letter[0]) == std::string_view::npos) {
            line.error = Problem(line.command,
                                 "unknown language '" + letter + "': use one of E F G I S H g R");
            return line;
        }
        line.language = letter[0];
    }
    if (parsed.games.size() > 1) {
        line.error = Problem(line.command, "the game is given twice");
        return line;
    }
    if (!parsed.games.empty()) {
        if (parsed.games.front().empty()) {
            line.error = Problem(line.command, "the game's name is empty");
            return line;
        }
        line.game = parsed.games.front();
    }
    line.apply = parsed.apply;
    line.fuzzy = parsed.fuzzy;
    line.utf8 = parsed.utf8;
    line.files = std::move(parsed.files);
    line.force = parsed.force;
    line.all = parsed.all;
    line.list = parsed.list;

    if (line.files.size() != shape->files) {
        const std::size_t given = line.files.size();
        line.error =
            Problem(line.command, std::string("expects ") + shape->fileNames + ", got " +
                                      std::to_string(given) + (given == 1 ? " file" : " files"));
    } else if (shape->takesGame && !line.game) {
        line.error = Problem(line.command, "missing --game GAME_OR_FOLDER");
    } else if (shape->needsOutput && !line.output) {
        line.error = Problem(line.command, std::string("missing -o ") + shape->outputName);
    } else if (line.list && (line.output || line.all || line.force)) {
        line.error = Problem(line.command, "--list only prints the table; it takes no -o, --all "
                                           "or --force");
    }
    return line;
}

} // namespace quillon::cli
