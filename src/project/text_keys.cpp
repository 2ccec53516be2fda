#include "project/text_keys.h"

#include <algorithm>
#include <iterator>
#include <cstring>

namespace kirvos {
namespace {

constexpr unsigned U = kUiTexts;
constexpr unsigned R = kReportTexts;
constexpr unsigned B = kBothTextFiles;

// {files, group, first, last, open-ended, conversions, use}
constexpr TextKeyRange kKeys[] = {
    // Report page header and curve labels
    {R, 11, 1, 2, false, "", "report page header, left: program and subject lines"},
    {R, 11, 3, 3, false, "", "report page header: word before the page number"},
    {R, 11, 4, 6, false, "", "report: labels of the moment, shear and deflection curve pictures"},

    // Profile notes by the number listed in group 4 of a profile data file (design window)
    {U, 101, 1, 4, true, "", "design window: notes on the chosen profile"},
    // Report main data
    {R, 101, 1, 6, false, "", "report main data: designer detail labels (user.dat group 11 rows)"},
    {R, 102, 1, 8, false, "", "report main data: project information labels (group 12 rows)"},
    {R, 103, 1, 1, false, "", "report main data: heading"},
    {R, 103, 2, 7, false, "", "report main data: standard, annex, structure type and class, deflection limit, slope labels"},
    {R, 103, 8, 8, false, "", "report main data: unit after the roof slope"},
    {R, 103, 9, 11, false, "", "report main data: product note, highest utilisation, cantilever limit labels"},
    {R, 104, 1, 5, false, "", "report main data: structure types 0 to 4"},
    {R, 105, 1, 2, false, "", "report main data: structure classes"},
    {R, 106, 1, 4, false, "", "report main data: deflection limit of structure types 0 to 3"},
    {R, 106, 5, 5, false, "", "report main data: prefix of an own deflection limit (first standard)"},
    {R, 107, 1, 4, false, "", "report: deflection limits of structure types 0 to 3 (second standard; keeps numbering)"},
    {R, 107, 5, 5, false, "", "report main data: prefix of an own and of the cantilever deflection limit"},
    {R, 108, 1, 4, true, "", "report main data: profile note by the first number of its group 4"},
    {R, 110, 1, 2, false, "", "report main data: sheet length and mean weight labels"},

    {U, 111, 1, 1, false, "", "caption of every error and input message box"},
    {U, 111, 2, 2, false, "", "caption of the close query"},

    // Report structure section
    {R, 121, 1, 1, false, "", "report structure: heading"},
    {R, 122, 1, 6, false, "", "report structure: span table heading, columns and span names"},
    {R, 122, 7, 9, false, "", "report structure: span joint descriptions"},
    {R, 123, 1, 5, false, "", "report structure: support table heading and columns"},
    {R, 123, 6, 12, false, "", "report structure: support joint descriptions"},
    {R, 124, 1, 6, false, "", "report structure: sheet part table heading and columns"},
    {R, 124, 7, 12, false, "", "report structure: thickness not chosen, doubling texts, support piece count"},

    // Report loads section
    {R, 141, 1, 1, false, "", "report loads: heading"},
    {R, 142, 1, 11, false, "", "report loads: partial and combination factor tables"},
    {R, 143, 1, 4, false, "", "report loads: headings of the load kinds (wind: followed by the case number)"},
    {R, 143, 5, 13, false, "", "report loads: load table columns, load descriptions and closing note"},
    {R, 144, 1, 4, false, "", "report loads: snow shape note, alternate span reductions, imposed load category"},

    // Design results: report section and the design window's result page
    {B, 161, 1, 3, false, "", "design results: heading, highest utilisation, product"},
    {B, 161, 4, 11, false, "", "design results: sheet part line with thickness and doubling"},
    {B, 162, 1, 1, false, "", "design and fastener results: separator line"},
    {B, 162, 2, 2, false, "", "design results: heading of the diaphragm checks"},
    {B, 163, 1, 5, false, "", "design results: support moment check line"},
    {B, 164, 1, 5, false, "", "design results: shear force at support check line"},
    {B, 165, 1, 5, false, "", "design results: support reaction check line"},
    {B, 166, 1, 5, false, "", "design results: moment and reaction interaction line"},
    {B, 167, 1, 5, false, "", "design results: moment and shear interaction line (first standard)"},
    {B, 168, 1, 5, false, "", "design results: moment and shear interaction line (second standard)"},
    {B, 169, 1, 2, false, "", "design results: span and cantilever labels"},
    {B, 170, 1, 4, false, "", "design results: deflection check line"},
    {B, 171, 1, 4, false, "", "design results: span moment check line"},
    {B, 172, 1, 4, false, "", "design results: shear force in span check line"},
    {B, 173, 1, 4, false, "", "design results: diaphragm shear check, sheet ends"},
    {B, 174, 1, 4, false, "", "design results: diaphragm shear check, shear buckling"},
    {B, 175, 1, 3, false, "", "design results: diaphragm deflection under W1"},
    {B, 176, 1, 3, false, "", "design results: diaphragm deflection under W2"},
    // Fastener results
    {B, 181, 1, 3, false, "", "fastener results: heading, highest utilisation, unsuitable support fastener"},
    {B, 181, 4, 7, false, "", "fastener results: support fastener block heading and labels"},
    {B, 181, 8, 11, false, "", "fastener results: fastener types of the support block"},
    {B, 181, 12, 16, false, "", "fastener results: name, description and fastening pattern labels"},
    {B, 182, 1, 1, false, "", "fastener results: separator line"},
    {B, 183, 1, 5, false, "", "fastener results: support fastener line"},
    {B, 183, 6, 13, false, "", "fastener results: governing failure modes at supports"},
    {B, 184, 1, 9, false, "", "fastener results: joint fastener block"},
    {B, 184, 10, 13, false, "", "fastener results: joint fastener line"},
    {B, 184, 14, 21, false, "", "fastener results: governing failure modes in joints"},
    {B, 185, 1, 9, false, "", "fastener results: side lap fastener block"},
    {B, 186, 1, 3, false, "", "fastener results: side lap line"},
    {B, 186, 4, 11, false, "", "fastener results: governing failure modes in side laps"},
    {B, 187, 1, 1, false, "", "fastener results: note after the support fastener block"},

    // Report diaphragm section
    {R, 201, 1, 13, false, "", "report diaphragm action: heading and data labels"},
    // Main window menus
    {U, 201, 1, 8, false, "", "main window: File menu and its items"},
    {U, 202, 1, 7, false, "", "main window: Input menu and its items"},
    {U, 203, 1, 1, false, "", "main window: Design menu"},
    {U, 204, 1, 4, false, "", "main window: Results menu and its items"},
    {U, 205, 1, 7, false, "", "main window: Windows menu and its items"},
    {U, 206, 1, 3, false, "", "main window: Tools menu and its items"},
    {U, 207, 1, 3, false, "", "main window: Help menu and its items"},
    {U, 211, 1, 16, false, "", "main window: speed button hints"},
    {B, 221, 1, 7, false, "", "structure picture: load band labels by load kind (4 to 7 wind cases)"},

    {U, 301, 1, 1, false, "", "main window caption"},
    {U, 302, 1, 2, false, "", "open dialog: file filter name and title"},
    {U, 303, 1, 2, false, "", "save dialog: title and file filter name"},
    {U, 304, 1, 11, false, "", "help documents 1 to 11, file names in the program folder"},
    {U, 305, 1, 1, false, "", "main window: document or address opened by the logo"},
    {U, 306, 1, 2, false, "", "main window: print refused without results, message and caption"},
    {U, 307, 1, 2, false, "", "main window: calculator and notepad program names"},
    {U, 308, 1, 1, false, "", "main window: close query"},

    {U, 321, 1, 5, false, "", "structure picture window: caption, buttons, load selector label"},
    {U, 322, 1, 4, false, "", "structure picture window: list views"},
    {U, 323, 1, 5, false, "", "structure picture window: load kinds (5: wind, with case number)"},
    {U, 324, 1, 9, false, "", "structure picture window: sheet part list"},
    {U, 325, 1, 9, false, "", "structure picture window: sheet parts by thickness"},
    {U, 326, 1, 3, false, "", "structure picture window: sheeting totals"},
    {U, 327, 1, 5, false, "", "structure picture window: overlaps"},

    {U, 341, 1, 9, false, "", "spans window: caption, labels and buttons"},
    {U, 342, 1, 1, false, "", "spans window: span list word"},
    {U, 342, 2, 2, false, "", "spans window: cantilever (keeps numbering)"},
    {U, 342, 3, 6, false, "", "spans window: summary line"},
    {U, 343, 1, 1, false, "", "spans window: editor row caption"},
    {U, 344, 1, 1, false, "", "spans window: too many spans"},
    {U, 345, 1, 1, false, "", "spans window: all spans selected for deletion"},

    {U, 361, 1, 5, false, "", "supports window: caption, label and buttons"},
    {U, 362, 1, 3, false, "", "supports window: editor row labels"},
    {U, 363, 1, 7, false, "", "supports window: joint descriptions of the editor"},
    {U, 364, 1, 1, false, "", "supports window: (keeps numbering)"},
    {U, 364, 2, 10, false, "", "supports window: joint and support piece descriptions of the list"},
    {U, 365, 1, 3, false, "", "supports window: editor row hints"},
    {U, 366, 1, 3, false, "", "supports window: list header"},

    {U, 381, 1, 13, false, "", "loads window: caption, pages, labels and buttons"},
    {U, 382, 1, 12, false, "", "loads window: basic load rows"},
    {U, 383, 1, 9, false, "", "loads window: load kinds, types, list word, input rows"},
    {U, 384, 1, 5, false, "", "loads window: load position and value messages"},
    {U, 385, 1, 2, false, "", "loads window: input grid hints"},
    {U, 386, 1, 4, false, "", "loads window: basic load hints"},

    {U, 401, 1, 7, false, "", "project data window: caption, pages and buttons"},
    {U, 401, 8, 13, false, "", "project data window: designer detail rows"},
    {U, 401, 14, 21, false, "", "project data window: project information rows"},
    {U, 402, 1, 12, false, "", "project data window: design basis labels, check boxes, factor button, hint"},
    {U, 403, 1, 5, false, "", "project data window: structure types"},
    {U, 403, 6, 7, false, "", "project data window: structure classes"},
    {U, 403, 8, 9, false, "", "project data window: deflection limit modes"},
    {U, 403, 10, 10, false, "", "project data window: own deflection limit label"},
    {U, 404, 1, 5, false, "", "project data window: deflection limit of each structure type"},

    {U, 421, 1, 7, false, "", "fastener window: caption, tabs and buttons"},
    {U, 422, 1, 9, false, "", "fastener window: supports tab"},
    {U, 423, 1, 5, false, "", "fastener window: joints tab"},
    {U, 424, 1, 5, false, "", "fastener window: side laps tab"},
    {U, 425, 1, 3, false, "", "fastener window: support fastener kinds"},
    {U, 425, 4, 7, false, "", "fastener window: support fastener materials"},
    {U, 425, 8, 9, false, "", "fastener window: fastening patterns"},
    {U, 426, 1, 2, false, "", "fastener window: joint and lap fastener kinds"},
    {U, 426, 3, 6, false, "", "fastener window: screw materials"},
    {U, 426, 7, 10, false, "", "fastener window: rivet materials"},
    {U, 427, 1, 2, false, "", "fastener window: no product selected"},
    {U, 428, 1, 4, true, "", "fastener window: fastener notes by catalogue number"},
    {U, 429, 1, 6, false, "", "fastener window: fastener data labels"},
    {U, 430, 1, 1, true, "", "fastener window: product information links by catalogue number"},
    {U, 431, 1, 2, true, "", "design window: product information target by catalogue number"},

    {U, 441, 1, 6, false, "", "design window: caption, pages, buttons, weight label"},
    {U, 442, 1, 7, false, "", "design window: design page controls"},
    {U, 443, 1, 7, false, "", "design window: results page controls"},
    {U, 444, 1, 6, false, "", "design window: product list label and structure types"},
    {U, 445, 1, 9, false, "", "design window: sheet part grid header"},
    {U, 445, 10, 16, false, "", "design window: sheet part grid texts"},
    {U, 446, 1, 6, false, "", "design window: thickness and doubling choices, thickness range"},

    {U, 461, 1, 10, false, "", "print window: caption and controls"},
    {U, 462, 1, 11, false, "", "print window: report sections"},
    {U, 481, 1, 5, false, "", "curves window: caption, copy button, quantities"},
    {U, 482, 1, 2, false, "", "curves window: sheet part selector"},
    {B, 483, 1, 6, false, "", "curves: axis titles, allowed deflection, no results"},

    {U, 501, 1, 2, false, "", "about box: caption and OK"},
    {U, 502, 1, 1, true, "", "about box: every line of the group"},
    {U, 521, 1, 6, false, "", "support piece dialog: caption, labels, buttons"},
    {U, 522, 1, 3, false, "", "support piece dialog: piece types"},
    {U, 541, 1, 5, false, "", "joint dialog: caption, label, buttons"},
    {U, 542, 1, 9, false, "", "joint dialog: support joint types 0 to 8"},
    {U, 543, 1, 4, false, "", "joint dialog: span joint types 0 to 3"},
    {U, 561, 1, 4, false, "", "span joints window: caption, list header, editor label"},
    {U, 561, 5, 5, false, "", "span joints window: (keeps numbering)"},
    {U, 561, 6, 8, false, "", "span joints window: buttons"},
    {U, 562, 1, 1, false, "", "span joints window: editor row label"},
    {U, 562, 2, 2, false, "", "span joints window: (keeps numbering)"},
    {U, 562, 3, 5, false, "", "span joints window: joint of the selected span"},
    {U, 563, 1, 3, false, "", "span joints window: joint descriptions of the list"},
    {U, 564, 1, 1, false, "", "span joints window: editor hint"},
    {U, 565, 1, 3, false, "", "span joints window: joint chosen in the dialog"},
    {U, 581, 1, 12, false, "", "diaphragm window: caption, arrangements, labels, check boxes"},
    {U, 582, 1, 3, false, "", "diaphragm window: buttons"},

    {U, 601, 1, 1, false, "", "calculation window caption"},
    {U, 602, 1, 12, false, "", "governing check names of the sheet parts"},
    {U, 603, 1, 4, false, "", "locations of the governing checks"},
    {U, 621, 1, 8, false, "", "partial factor window: caption, label, tabs, buttons"},
    {U, 622, 1, 4, false, "", "partial factor window: material tab notes"},
    {U, 623, 1, 8, false, "", "partial factor window: material grid rows and columns"},
    {U, 624, 1, 2, false, "", "partial factor window: load tab notes"},
    {U, 625, 1, 16, false, "", "partial factor window: load grid rows and columns"},
    {U, 626, 1, 3, false, "", "partial factor window: combination tab notes"},
    {U, 627, 1, 8, false, "", "partial factor window: combination grid rows and columns"},
    {U, 641, 1, 6, false, "", "snow load window: caption, labels, buttons"},
};

bool InFile(const TextKeyRange& key, unsigned file) { return (key.files & file) != 0; }

// Length of a conversion starting at text[0] == '%', or 0 when it is none. Follows the C printf
// grammar: flags, width, precision, length modifier, conversion letter.
std::size_t ConversionLength(std::string_view text)
{
    std::size_t i = 1;
    auto at = [&](std::size_t k) { return k < text.size() ? text[k] : '\0'; };
    while (at(i) != '\0' && std::strchr("-+ #0", at(i)) != nullptr) ++i;
    if (at(i) == '*') {
        ++i;
    } else {
        while (at(i) >= '0' && at(i) <= '9') ++i;
    }
    if (at(i) == '.') {
        ++i;
        if (at(i) == '*') {
            ++i;
        } else {
            while (at(i) >= '0' && at(i) <= '9') ++i;
        }
    }
    while (at(i) != '\0' && std::strchr("hljztL", at(i)) != nullptr) ++i;
    if (at(i) == '\0' || std::strchr("diouxXeEfFgGaAcspn", at(i)) == nullptr) return 0;
    return i + 1;
}

}  // namespace

std::span<const TextKeyRange> TextKeyList() { return kKeys; }

const TextKeyRange* FindTextKey(unsigned file, int group, int n)
{
    for (const TextKeyRange& key : kKeys) {
        if (InFile(key, file) && key.group == group && n >= key.first && n <= key.last) return &key;
    }
    return nullptr;
}

int ExpectedTextCount(unsigned file, int group)
{
    int count = 0;
    for (const TextKeyRange& key : kKeys) {
        if (InFile(key, file) && key.group == group) count = std::max(count, key.last);
    }
    return count;
}

bool IsOpenEndedTextGroup(unsigned file, int group)
{
    return std::any_of(std::begin(kKeys), std::end(kKeys), [&](const TextKeyRange& key) {
        return InFile(key, file) && key.group == group && key.openEnded;
    });
}

std::vector<int> TextGroups(unsigned file)
{
    std::vector<int> groups;
    for (const TextKeyRange& key : kKeys) {
        if (InFile(key, file)) groups.push_back(key.group);
    }
    std::sort(groups.begin(), groups.end());
    groups.erase(std::unique(groups.begin(), groups.end()), groups.end());
    return groups;
}

std::string PrintfConversions(std::string_view text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') continue;
        if (i + 1 < text.size() && text[i + 1] == '%') {
            ++i;
            continue;
        }
        const std::size_t length = ConversionLength(text.substr(i));
        if (length == 0) continue;
        if (!result.empty()) result += ' ';
        result.append(text.substr(i, length));
        i += length - 1;
    }
    return result;
}

}  // namespace kirvos
