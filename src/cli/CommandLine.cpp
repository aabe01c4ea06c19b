// Reads the batch tool's arguments: a subcommand, then its files and options in any order.
#include "cli/CommandLine.h"

#include <array>
#include <string_view>

namespace quillon::cli {
namespace {

struct CommandShape {
    std::string_view name;
    std::size_t files;     // how many files it takes, no more and no fewer
    const char* fileNames; // how its usage line names them
    bool takesOutput;
    bool needsOutput;
    bool takesForce;
    bool takesTmfFolder = false;
};

constexpr std::array<CommandShape, 5> kCommands{{
    {"list", 1, "FILE.CUT", false, false, false},
    {"export", 1, "FILE.CUT", true, false, false},
    {"check", 2, "FILE.CUT and WORK.tmf", false, false, false},
    {"apply", 2, "FILE.CUT and WORK.tmf", true, true, true},
    {"status", 1, "DIR", false, false, false, true},
}};

const CommandShape* FindCommand(std::string_view name) {
    for (const auto& shape : kCommands)
        if (shape.name == name) return &shape;
    return nullptr;
}

bool IsHelp(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

std::string Problem(std::string_view command, std::string_view what) {
    return std::string(kProgramName) + " " + std::string(command) + ": " + std::string(what) +
           "; see '" + kProgramName + " " + std::string(command) + " --help'.";
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    if (args.empty()) {
        line.error =
            std::string(kProgramName) + ": no command given; see '" + kProgramName + " --help'.";
        return line;
    }
    if (IsHelp(args[0])) {
        line.help = true;
        return line;
    }
    const CommandShape* shape = FindCommand(args[0]);
    if (!shape) {
        line.error = std::string(kProgramName) + ": unknown command '" + args[0] + "'; see '" +
                     kProgramName + " --help'.";
        return line;
    }
    line.command = args[0];

    // Help wins over every other mistake on the line, so "--help" always shows the usage.
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--") break;
        if (IsHelp(args[i])) {
            line.help = true;
            return line;
        }
    }

    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            line.files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
        } else if (shape->takesOutput &&
                   (arg == "-o" || arg == "--output" || arg.starts_with("--output="))) {
            if (line.output) {
                line.error = Problem(line.command, "the output file is given twice");
                return line;
            }
            if (arg.starts_with("--output=")) {
                line.output = arg.substr(9);
            } else if (i + 1 < args.size()) {
                line.output = args[++i];
            } else {
                line.error = Problem(line.command, arg + " needs a file name");
                return line;
            }
            if (line.output->empty()) {
                line.error = Problem(line.command, "the output file name is empty");
                return line;
            }
        } else if (shape->takesTmfFolder && (arg == "--tmf" || arg.starts_with("--tmf="))) {
            if (line.tmfFolder) {
                line.error = Problem(line.command, "the work-file folder is given twice");
                return line;
            }
            if (arg.starts_with("--tmf=")) {
                line.tmfFolder = arg.substr(6);
            } else if (i + 1 < args.size()) {
                line.tmfFolder = args[++i];
            } else {
                line.error = Problem(line.command, "--tmf needs a folder");
                return line;
            }
            if (line.tmfFolder->empty()) {
                line.error = Problem(line.command, "the work-file folder name is empty");
                return line;
            }
        } else if (shape->takesForce && arg == "--force") {
            line.force = true;
        } else {
            line.error = Problem(line.command, "unknown option '" + arg + "'");
            return line;
        }
    }

    if (line.files.size() != shape->files) {
        const std::size_t given = line.files.size();
        line.error =
            Problem(line.command, std::string("expects ") + shape->fileNames + ", got " +
                                      std::to_string(given) + (given == 1 ? " file" : " files"));
    } else if (shape->needsOutput && !line.output) {
        line.error = Problem(line.command, "missing -o NEW.CUT");
    }
    return line;
}

} // namespace quillon::cli
