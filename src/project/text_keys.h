#pragma once
// The one list of the numbered texts the program reads from its language files: for every (group, n)
// which file holds it (user interface lang00N.dat, report lang10N.dat, or both), the printf
// conversions the text itself must carry (none, for every text today: windows and report writers
// pass texts as "%s" arguments of their own format literals) and where it is shown.
// Code that looks a text up names a key of this list; the shipped language files are tested
// against it, so a missing or misnumbered text shows up in the tests and not as "NO TEXT".

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kirvos {

// Which language file a text lives in. The design and fastener sections of the report are also
// shown in the design window with user-interface texts, so their groups are in both files.
enum TextFileMask : unsigned {
    kUiTexts = 1u,      // lang00N.dat, KieliSanasto::Text
    kReportTexts = 2u,  // lang10N.dat, KieliSanasto::ReportText
    kBothTextFiles = 3u,
};

// Texts first..last of one group, used alike.
struct TextKeyRange {
    unsigned files;           // TextFileMask bits
    int group;
    int first;
    int last;
    // Texts addressed by a number kept in a data file (profile notes, fastener texts, links) or read
    // as a whole list (the about box): the group may hold more texts than `last`.
    bool openEnded;
    const char* conversions;  // printf conversions the text must hold, in order, e.g. "%d %.2f"
    const char* use;          // where the text is shown
};

// Every key range, in ascending group order (a group may span several rows).
std::span<const TextKeyRange> TextKeyList();

// The row that holds text n of group g in the given file (kUiTexts or kReportTexts); null when the
// program never reads that text.
const TextKeyRange* FindTextKey(unsigned file, int group, int n);

// Number of texts the program reads from group g of the file: the largest n listed (for an
// open-ended group, the least it needs). 0 for a group the program does not read there.
int ExpectedTextCount(unsigned file, int group);

// Whether group g of the file is open-ended (see TextKeyRange::openEnded).
bool IsOpenEndedTextGroup(unsigned file, int group);

// Groups read from the file, ascending, each once.
std::vector<int> TextGroups(unsigned file);

// The printf conversions in a text, in order and separated by one blank ("%s %.2f"); "%%" is a
// literal percent sign and not a conversion. A '%' that starts no valid conversion ("[%]") is
// plain text. Used to check language texts against the conversions listed for them.
std::string PrintfConversions(std::string_view text);

}  // namespace kirvos
