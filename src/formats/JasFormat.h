// QUEEN2.JAS: the game's descriptions, object names, room names, verbs, Joe's answers and actor
// data, one per CR LF line. The engine finds each section only by counting lines, with counts
// it reads from QUEEN.JAS, so the file keeps exactly its 1,427 lines.
#pragma once

#include "formats/LineFile.h"

namespace quillon {

// The sections, in file order, with the sizes the English CD's QUEEN.JAS gives them.
namespace jas {
inline constexpr int kDescriptions = 724; // lines 1-724: what Joe says, or a command
inline constexpr int kObjectNames = 325;  // 725-1049: the command line and the map
inline constexpr int kRoomNames = 126;    // 1050-1175: file names of the rooms
inline constexpr int kVerbs = 12;         // 1176-1187; the fourth is no verb at all
inline constexpr int kJoeAnswers = 40;    // 1188-1227: stock answers and the journal's labels
inline constexpr int kActorLines = 200;   // 1228-1427: animations, names and files of actors
inline constexpr int kLineCount =
    kDescriptions + kObjectNames + kRoomNames + kVerbs + kJoeAnswers + kActorLines;
inline constexpr int kFirstName = kDescriptions + 1;
inline constexpr int kFirstRoom = kFirstName + kObjectNames;
inline constexpr int kFirstVerb = kFirstRoom + kRoomNames;
inline constexpr int kNoVerb = kFirstVerb + 3; // "----"
inline constexpr int kFirstAnswer = kFirstVerb + kVerbs;
inline constexpr int kFirstActorLine = kFirstAnswer + kJoeAnswers;
// The verbs the command line builds its sentences with ("give X to Y", "use X on Y").
inline constexpr int kVerbGive = kFirstVerb + 4;
inline constexpr int kVerbUse = kFirstVerb + 5;
inline constexpr int kLinkOn = kFirstVerb + 10;
inline constexpr int kLinkTo = kFirstVerb + 11;
// Answers 30 to 35 are the journal's labels: Close, Give Up, Make Entry, Read Entry, Yes, No.
inline constexpr int kFirstJournalLabel = kFirstAnswer + 29;
inline constexpr int kJournalLabels = 6;
static_assert(kLineCount == 1427 && kFirstActorLine == 1228);
} // namespace jas

// True for a line the engine runs instead of speaking it: more than four bytes ending in .CUT
// (a cutscene) or .DOG (a dialogue), in any letter case.
bool IsJasCommand(std::string_view line);

class JasFormat : public LineFileFormat {
public:
    std::string_view NamePattern() const override { return "QUEEN2.JAS"; }
    std::string_view KindName() const override { return "descriptions file"; }
    std::string_view DialogFilter() const override {
        return "Flight of the Amazon Queen descriptions (QUEEN2.JAS)|queen2.jas";
    }
    // Refuses a file of another number of lines, or whose last line has no line break (the
    // engine would drop it). Locked: the commands among the descriptions, the room names, the
    // verb that is none, the actor data.
    ReadResult Read(std::string_view bytes, const std::string& displayName) const override;
    // Which section the line belongs to, and for a description the voice that speaks it.
    std::string NoteOf(const Document& document, int row) const override;
    // Descriptions and Joe's answers are spoken, answers 30 to 35 are the journal's labels,
    // object names and verbs are on the command line; locked lines are not text.
    ShownAs ShownAsOf(const Document& document, int row) const override;
    // The sentences the command line builds around a name or a verb, see JasFormat.cpp.
    std::vector<SentenceFrame> SentencesOf(const Document& document, int row,
                                           char language) const override;

protected:
    // A line that would end in .CUT or .DOG, or a piece between two * of 256 bytes or more.
    std::string KindProblem(std::string_view newLine) const override;
    // Joe speaks the descriptions: a "*" starts a control code.
    bool SpokenLines() const override { return true; }
};

const JasFormat& TheJasFormat();

} // namespace quillon
