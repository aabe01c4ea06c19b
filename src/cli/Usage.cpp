// The help texts of the batch tool and of each of its commands.
#include "cli/Usage.h"

namespace quillon::cli {
namespace {

constexpr std::string_view kExitStatuses =
    "Exit status: 0 on success, 1 when a message is blank or invalid or an entry of a\n"
    "catalogue is refused, 2 on bad usage, an unreadable or broken input, or a failed\n"
    "write. Errors are one line each on stderr.\n";

constexpr std::string_view kToolUsage =
    "Usage: quillon-cli COMMAND [ARGS]\n"
    "Works on the text files of Flight of the Amazon Queen (cutscenes .CUT, dialogue .DOG,\n"
    "descriptions QUEEN2.JAS, credits .CRD), their temporary messages files (.TMF) and the\n"
    "game's resource file without opening the editor.\n"
    "\n"
    "Commands:\n"
    "  list FILE                            the message table, tab-separated\n"
    "  export FILE [-o OUT.tmf]             the original messages as a .TMF\n"
    "  check FILE WORK.tmf [--language X]   count invalid, blank and badly laid out messages\n"
    "  apply FILE WORK.tmf -o NEW [--force]\n"
    "                                           write FILE with the new messages as NEW\n"
    "  unpack GAME [-o DIR] [--all] [--force]   take the text files out of the game\n"
    "  unpack --list GAME                       the game's resource table, tab-separated\n"
    "  pack GAME DIR -o NEW [--language X]      a new game file with DIR's files put in\n"
    "  status DIR [--tmf DIR2] [--language X]   every text file of DIR: translated, blank,\n"
    "                                           invalid, layout warnings\n"
    "  po export GAME [-o OUT.po] [--tmf DIR]   the whole game as a gettext catalogue\n"
    "  po import IN.po --game GAME -o DIR [--apply] [--force] [--fuzzy]\n"
    "                                           a translated catalogue as work files (or,\n"
    "                                           with --apply, as game files)\n"
    "\n"
    "Run 'quillon-cli COMMAND --help' for the details of one command.\n";

constexpr std::string_view kListUsage =
    "Usage: quillon-cli list FILE\n"
    "Prints the message table of FILE: a line with the 13 column headers, then one line\n"
    "per text-block entry with its 13 cells, separated by tabs. Inside a cell a tab, CR, LF\n"
    "and backslash are written as \\t, \\r, \\n and \\\\; every other byte is written as it is.\n";

constexpr std::string_view kExportUsage =
    "Usage: quillon-cli export FILE [-o OUT.tmf]\n"
    "Writes the original messages of FILE as a temporary messages file, exactly as the\n"
    "editor's \"Save original to text file\" does. Without -o the file goes to stdout.\n"
    "\n"
    "  -o, --output OUT.tmf   write to OUT.tmf instead (replaced whole, never half-written)\n";

constexpr std::string_view kCheckUsage =
    "Usage: quillon-cli check FILE WORK.tmf [--language X]\n"
    "Loads WORK.tmf into the messages of FILE as the editor's \"Load text file\" does and\n"
    "validates every new message. Prints \"Invalid messages: N\", \"Blank messages: N\",\n"
    "\"Warnings: N\" and \"Layout warnings: N\", each followed, when N is not 0, by the list of\n"
    "those messages' numbers.\n"
    "A blank message shows no text (empty, or control codes and spaces only) where the\n"
    "original does; a warning is a valid message with a control code other than the\n"
    "original's at the same place, so the game animates it otherwise. A layout warning is a\n"
    "message the game cannot show as it is: more than 8 lines or 255 bytes in a piece of\n"
    "speech, a line wider than the screen, an option wider than the choice menu, a name the\n"
    "command line cuts, a journal label of more than two words. It is measured on the new\n"
    "message, or on the original while the new one is empty. Warnings leave the exit status\n"
    "as it is.\n"
    "WORK.tmf must have been written for a file of exactly FILE's name.\n"
    "\n"
    "  --language X   the version string's language letter (E F G I S H g R), which picks\n"
    "                 the font and the layout of dialogue options (default E)\n";

constexpr std::string_view kApplyUsage =
    "Usage: quillon-cli apply FILE WORK.tmf -o NEW [--force]\n"
    "Checks WORK.tmf against FILE as 'check' does, then writes NEW: FILE with\n"
    "holding the new messages (a cutscene's each padded to its original's parity).\n"
    "An empty new message whose original is control codes alone is written as the original.\n"
    "Nothing is written while a message is blank, or while one is invalid without --force.\n"
    "When NEW is FILE itself the file is updated in place and its previous version\n"
    "is kept as FILE.BAK.\n"
    "\n"
    "  -o, --output NEW   the file to write (required)\n"
    "  --force                write even when messages are invalid (exit status 0 then)\n";

constexpr std::string_view kUnpackUsage =
    "Usage: quillon-cli unpack GAME [-o DIR] [--all] [--force]\n"
    "       quillon-cli unpack --list GAME\n"
    "Writes every text file (.CUT, .DOG, QUEEN2.JAS, .CRD) held in GAME, the game's resource file "
    "with an\n"
    "embedded table (queen.1c of the freeware CD release), into DIR, each under its name in\n"
    "the table. DIR is made when missing. No file is written when one would replace an\n"
    "existing file without --force. Entries kept in another bundle are not in GAME: they are\n"
    "skipped and named on stderr.\n"
    "\n"
    "  -o, --output DIR   the folder to write to (default: CUT in the current folder)\n"
    "  --all              every entry, not only the text files\n"
    "  --force            replace files that already exist in DIR\n"
    "  --list             print the table instead: name, bundle, offset and size of each\n"
    "                     entry, tab-separated, one line each, in the table's order\n";

constexpr std::string_view kPackUsage =
    "Usage: quillon-cli pack GAME DIR -o NEW [--language X]\n"
    "Writes NEW: GAME with every entry that a file in DIR names (regardless of letter case)\n"
    "replaced by that file. The table keeps its order and gets the new offsets and sizes;\n"
    "every other byte is copied unchanged. Nothing is written when a file in DIR names no\n"
    "entry, when two files differ only in case, when a text file cannot be read as one of\n"
    "its kind, when an entry is kept in another bundle, or when the result would not fit\n"
    "the table's 32-bit offsets. Prints how many entries were replaced. When NEW is GAME\n"
    "itself, the file is updated in place and its previous version is kept as GAME.BAK.\n"
    "\n"
    "\n"
    "  -o, --output NEW   the file to write (required; replaced whole, never half-written)\n"
    "  --language X       writes the language letter X (E F G I S H g R) into the version\n"
    "                     string, in the header and in QUEEN.JAS (DIR's copy when it holds\n"
    "                     one), which must agree or the engine stops. It picks the font\n"
    "                     (R Russian, g Greek, H Hebrew), the verb keys, and how dialogue\n"
    "                     options are laid out (E: one line cut at the screen's edge; the\n"
    "                     others split long ones); G replaces description 296 with a German\n"
    "                     text. Refused when the version string is not a full PC release's\n"
    "                     or QUEEN.JAS does not hold the same one. Prints what changes.\n"
    "                     Without it, the version is copied as it is.\n";

constexpr std::string_view kStatusUsage =
    "Usage: quillon-cli status DIR [--tmf DIR2] [--language X]\n"
    "Prints one tab-separated line per text file of DIR (.CUT, .DOG, QUEEN2.JAS, .CRD in any\n"
    "letter case): its name, its messages with text (locked lines and lines of control\n"
    "codes alone left out), translated, unchanged, blank, invalid, with layout warnings, and\n"
    "the work file read (empty when none). A last line starts with \"Total\" and gives the\n"
    "sums.\n"
    "A file's work file is the newest .TMF in DIR2 whose header names it; blank, invalid\n"
    "and layout warnings are what 'check' reports for that pair, and a file without one\n"
    "counts as with a work file that holds only its header (every message blank, its\n"
    "layout measured on the original). Unchanged messages are still their original;\n"
    "translated ones are the others neither blank nor invalid. A file that cannot be read\n"
    "is named on stderr.\n"
    "Exit status: 0, or 1 when any message is invalid (blank ones do not count here), 2 on\n"
    "bad usage or an unreadable folder or file.\n"
    "\n"
    "  --tmf DIR2     the folder of the work files (none read without it)\n"
    "  --language X   the version string's language letter, which picks the font layouts\n"
    "                 are measured with (default E)\n";

constexpr std::string_view kPoExportUsage =
    "Usage: quillon-cli po export GAME [-o OUT.po] [--tmf DIR] [--language X]\n"
    "Writes every message with text of the game as a gettext catalogue (a .pot template, or\n"
    "with --tmf a .po holding the translations so far). GAME is the game's resource file\n"
    "(queen.1c) or a folder of its unpacked text files. One entry per message, in the game's\n"
    "file order (the resource table's, or by name in a folder): msgctxt \"FILE:NUMBER\",\n"
    "msgid the original in UTF-8, and comments saying what kind of line it is, how long it\n"
    "may be and what its control codes do. Locked lines and lines of control codes alone\n"
    "are left out. Without -o the catalogue goes to stdout.\n"
    "\n"
    "  -o, --output OUT.po   write to OUT.po (replaced whole, never half-written) and print\n"
    "                        how many entries it has\n"
    "  --tmf DIR             each file's newest work file in DIR gives the translations;\n"
    "                        a message still equal to its original stays untranslated\n"
    "  --language X          the game's language letter (E F G I S H g R), which picks its\n"
    "                        font: the letters each byte is (default E)\n";

constexpr std::string_view kPoImportUsage =
    "Usage: quillon-cli po import IN.po --game GAME -o DIR [--apply] [--force] [--fuzzy]\n"
    "                             [--language X]\n"
    "Reads a translated catalogue made by 'po export' (and edited with any gettext tool)\n"
    "and writes, into DIR, a work file NAME.tmf for every game file with translated entries,\n"
    "or with --apply the translated game files themselves, ready for 'pack'. Untranslated\n"
    "messages keep their original. Each translation is checked as 'check' checks a work\n"
    "file, and its letters must be in the game's font (typographic quotes, dashes and\n"
    "ellipses become plain signs, and are named). Every entry not taken is named on stderr\n"
    "as \"FILE:NUMBER: reason\": invalid translations (and their file is not written without\n"
    "--force), stale entries (their msgctxt names no message, or their msgid is no longer\n"
    "the game's original: never taken), fuzzy entries (left out without --fuzzy). Obsolete\n"
    "entries (#~) are ignored. Prints how many translations were taken and files written.\n"
    "\n"
    "  --game GAME    the game's resource file or folder of text files (required)\n"
    "  -o, --output DIR   the folder to write to (required; made when missing)\n"
    "  --apply        write the game files, not work files\n"
    "  --force        write a file even when some of its translations break a rule\n"
    "  --fuzzy        take fuzzy entries too\n"
    "  --language X   the game's language letter, as for 'po export' (default: the one\n"
    "                 the catalogue was exported with, or E)\n";

} // namespace

std::string UsageText(std::string_view command) {
    std::string_view text = kToolUsage;
    if (command == "list") text = kListUsage;
    if (command == "export") text = kExportUsage;
    if (command == "check") text = kCheckUsage;
    if (command == "apply") text = kApplyUsage;
    if (command == "unpack") text = kUnpackUsage;
    if (command == "pack") text = kPackUsage;
    if (command == "po export") text = kPoExportUsage;
    if (command == "po import") text = kPoImportUsage;
    if (command == "po")
        return std::string(kPoExportUsage) + "\n" + std::string(kPoImportUsage) + "\n" +
               std::string(kExitStatuses);
    if (command == "status") return std::string(kStatusUsage);
    return std::string(text) + "\n" + std::string(kExitStatuses);
}

} // namespace quillon::cli
