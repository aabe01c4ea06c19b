// The player's view: how the game lays a message out on the screen, line by line, and what of
// it the game cannot show as the translator meant.
//
// What the engine does (ScummVM's queen engine, 2.7):
// - Spoken text (descriptions, dialogue, cutscenes) is cut into pieces at every "*", which
//   takes the two bytes after it as a code ("*XYnn(xxx,yyy)" takes 13). Each piece is spoken
//   and shown on its own, except: the piece before "*WT" is heard but not shown, the piece
//   before "*GD" or "*GM" is neither heard nor shown, and an empty piece shows nothing.
// - A shown piece gets a "." when its last byte is 'A' or above as a signed char: a letter
//   does, "!" "?" "." and digits do not, and neither do bytes 0x80 and up.
// - The piece is then cut into lines: a line ends at the first space that comes after at
//   least 20 bytes of it (the space stays at the end of the line it closes), and at the end of
//   the text. Hebrew text is cut the same way from its end, each space starting a line.
// - The engine keeps 8 lines and 255 bytes (the full stop included) of a piece in fixed
//   buffers and checks neither: more overwrites its memory.
// - Lines are centred over the speaker and kept 4 px from the screen's edges: a line wider
//   than 316 px runs off the screen.
// - A dialogue option is Joe's line up to its first "*". With the English version letter
//   (E) it is one line, cut at x = 320. With any other letter an option wider than 302 px is
//   cut at spaces: the first line holds up to 302 px, the next ones up to 278 px and start
//   24 px in; the menu shows 4 lines in all.
// - The command line ("verb object", "use X on Y", "give X to Y") is centred; while
//   (320 - width) / 2 is 0 or less the engine drops a byte at each end, so it shows whole only
//   up to 318 px.
// - The journal's labels are cut at every space, each word centred in a 128 px box 10 px
//   below the one before: two words fill the box, a third runs over the next one.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// How the game shows a message.
enum class ShownAs {
    Nothing,     // never shown as text: codes, file names, credits laid out by directives
    Speech,      // spoken: above the speaker's head
    Option,      // Joe's line in the choice menu, then spoken
    CommandName, // an object's name or a verb on the command line
    JournalLabel // a label of the journal's panel
};

// A sentence of the command line that holds a name: the words before and after it.
struct SentenceFrame {
    std::string before; // "pick up "
    std::string after;  // "" or " on"
};

struct PlayerView {
    // The choice menu's lines of an option, in order; every line but the first starts 24 px
    // in. Empty for anything else.
    std::vector<std::string> menuLines;
    // The bytes of each line the game shows, in order. Speech: the lines of each shown piece,
    // an empty line between two pieces (a shown piece never has an empty line). Command line:
    // what it shows of the name alone. Journal label: each word's line.
    std::vector<std::string> lines;
    // The pieces of spoken text the game does not show (before *WT, *GD, *GM), in order.
    std::vector<std::string> hiddenPieces;
    // What the game cannot show as it is, one short sentence each ("9 lines: the game shows
    // at most 8").
    std::vector<std::string> warnings;
};

// Lays out the bytes of a message as the game shows it, with the font of the version
// string's language letter. For a command name, sentences are the sentences of the command
// line it appears in; it is measured in each and alone.
PlayerView LayOut(std::string_view bytes, ShownAs how, char language,
                  std::span<const SentenceFrame> sentences = {});

} // namespace quillon
