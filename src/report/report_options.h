#pragma once

#include <string>

namespace kirvos {

class KieliSanasto;

// What the caller wants from the report section writers: the print run fills it for the printed
// report (report texts), the design window for its result pages (user-interface texts).
struct ReportOptions {
    // Design results per sheet part (0) or per span and support (1).
    int Layout = 0;
    // 0 black only; 1 window colours (navy headings, red over-utilisation); 2 print colours (red
    // over-utilisation only).
    int ColourMode = 0;
    // Main data prints the project file path.
    int ShowFileName = 0;
    // Line of the profile's name list (group 1 of its data file) to print as the profile name.
    int LanguageNumber = 0;
    // 1 user-interface texts, otherwise report texts.
    int TextSource = 0;
    // The three fastener blocks: to the supporting structure, in joints, in side laps.
    int ShowSupportFasteners = 0;
    int ShowJointFasteners = 0;
    int ShowLapFasteners = 0;
};

// Text n of group g from the user-interface texts (source 1) or the report texts (otherwise).
std::string SectionText(const KieliSanasto& texts, int source, int g, int n);

}  // namespace kirvos
