#pragma once
// A small roof project with results for the report tests: a 600 mm left cantilever, two 6000 mm
// spans (support joint at B, span joint in span 2), a short support piece at B and a long one at C,
// four load kinds, three sheet parts and a long support piece, design results of every check kind,
// fastener results of all three places and the diaphragm switched on.
//
// The catalogues come from tests/report/fixture (a profile catalogue of one profile with data); the
// texts are the program's English language files in data/.

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "project/project_model.h"
#include "report/rich_text_target.h"

namespace kirvos::report_test {

inline std::string FixtureFolder() { return std::string(KIRVOS_SOURCE_DIR) + "/tests/report/fixture"; }

inline std::unique_ptr<KAIKKI_data> MakeReportProject()
{
    auto p = std::make_unique<KAIKKI_data>(FixtureFolder() + "/kirvos");
    p->Texts.LoadTexts(std::string(KIRVOS_DATA_DIR) + "/lang001.dat");
    p->Texts.LoadReportTexts(std::string(KIRVOS_DATA_DIR) + "/lang101.dat");
    p->UiLanguage = 1;
    p->ReportLanguage = 1;

    p->StandardIndex = 0;
    p->AnnexIndex = 0;
    p->StructureType = 0;
    p->StructureClass = 1;
    p->RoofSlope = 10.0;
    p->Standards.Assign({"[ ==== 1 ==== ]", "National code", "European code", "[ ==== 12 ==== ]",
                         "National annex A", "National annex B"});
    NormiVektori& n = p->Standards;
    const double permanent[6] = {0.9, 1.2, 0.9, 1.1, 1.0, 1.0};
    const double snow[6] = {0.0, 1.5, 0.0, 1.35, 0.0, 1.0};
    for (int i = 0; i < 6; ++i) {
        n.PermanentFactors[i] = permanent[i];
        n.SnowFactors[i] = snow[i];
        n.ImposedFactors[i] = snow[i];
        n.WindFactors[i] = snow[i];
    }
    n.SnowPsi[0] = 0.7;
    n.WindPsi[0] = 0.6;
    n.ImposedPsi[0][0] = 0.7;
    n.ImposedPsi[2][0] = 0.5;  // category C, the project's category

    p->UserData.Assign({"[ ==== 11 ==== ]", "Example Engineering Ltd", "A. Designer", "?", "?",
                        "designer@example.com", "?", "[ ==== 12 ==== ]", "Example Customer", "?", "?",
                        "Hall 3, Example Street 1", "?", "?", "?", "?"});

    // Spans: left cantilever 600, spans 6000 and 6000 (span joint 1200 mm from the right support,
    // 300 mm wide), no right cantilever. Supports A at 600, B at 6600, C at 12600.
    p->Spans.Clear();
    p->Spans.Add({"uloke"}, {600}, {0, 0});
    p->Spans.Add({"Aukko"}, {6000}, {0, 0});
    p->Spans.Add({"Aukko"}, {6000, 0, 1200, 300}, {0, 1});
    p->Spans.Add({"uloke"}, {0}, {0, 0});
    p->Supports.Clear();
    p->Supports.Add({"Tuki"}, {100}, {0, 0});
    p->Supports.Add({"Tuki"}, {100, 0, 0.10}, {1, 2});
    p->Supports.Add({"Tuki"}, {120, 1500, 300, 500}, {2, 5});

    // Loads: basic dead, snow and wind; a dead load over the whole sheeting, a varying snow drift,
    // an imposed point load and a surface load of wind case 2.
    KuormaVektori& l = p->Loads;
    l.Clear();
    l.DeadLoad = 0.5;
    l.SnowLoad = 2.0;
    l.SnowShapeFactor = 0.8;
    l.WindLoad = 0.4;
    l.WindCoefficients[0] = -0.75;
    l.WindCoefficients[1] = 0.3;
    l.WindCaseCount = 2;
    l.Add({" "}, {-600, 12600, 0.3, 0.3}, {0, 0, 0});
    l.Add({" "}, {-1000, 2000, 1.0, 0.0}, {1, 0, 1});
    l.Add({" "}, {1500, 0, 1.5, 0.0, 100}, {2, 1, 1});
    l.Add({" "}, {0, 3000, -0.2, -0.2}, {4, 0, 1});

    // Sheet parts: three sheet lengths, a short piece under part 2 and a long piece (part 4) at C.
    PiirtoOsatVektori& s = p->SheetParts;
    s.Clear();
    s.Add({"0.70 mm", ""}, {0, 6625, 0, 6625, 62.0, 88.5, 45.0, -1, 88.5, -1}, {1, 2, 3, 0, 1});
    s.Add({"0.80 mm", ""}, {6000, 11550, 6000, 11550, 95.2, 104.3, 70.1, -1, 104.3, -1}, {2, 3, 4, 2, 1});
    s.Add({"0.70 mm", ""}, {11250, 12660, 11250, 12660, 40.0, 55.0, 20.0, 110.0, 110.0, -1}, {3, 2, 3, -1, 1});
    s.Add({" ", ""}, {6450, 6750, 6450, 6750, -1, -1, -1, -1, -1, -1}, {-2, 1, 0, 0, 2});
    s.Add({"0.70 mm", ""}, {11160, 12660, 11160, 12660, 0, 30.0, 0, -1, 30.0, -1}, {4, 1, 3, 0, 2});
    p->Profiles.SelectedProfile = 0;

    // Design results: integers (part, kind, span index), reals (x, utilisation %, value, second).
    MitoitusTulosVektori& d = p->DesignResults;
    d.Clear();
    auto design = [&d](int part, int kind, int span, double x, double u, double value, double second = 0) {
        d.Add({}, {x, u, value, second}, {part, kind, span});
    };
    design(1, 11, 0, 0, 10.0, 2.0);
    design(1, 1, 0, 600, 20.5, -1.25e6);
    design(1, 11, 1, 3300, 45.0, 18.2);
    design(1, 12, 1, 3300, 62.0, 2.85e6);
    design(1, 13, 1, 600, 12.0, 4100);
    design(1, 1, 0, 3000, 15.0, 1.0e6);  // not at a support: no support line
    design(1, 1, 0, 6600, 88.5, -4.1e6);
    design(1, 2, 0, 6600, 30.1, 6200);
    design(1, 3, 0, 6600, 60.0, 9800);
    design(1, 4, 0, 6600, 85.0, 0.85);
    design(1, 5, 0, 6600, 40.0, 0.40);
    design(2, 1, 0, 6600, 104.3, -4.9e6);
    design(2, 11, 2, 9600, 70.1, 21.5);
    design(2, 12, 2, 9600, 95.2, 3.1e6);
    design(2, 21, 2, 9600, 35.0, 0.35);
    design(2, 3, 0, 12600, 50.0, 7000);
    design(3, 3, 0, 12600, 55.0, 7400);
    design(3, 23, 0, 0, 40.0, 8.0, 20.0);
    design(3, 24, 0, 0, 110.0, 22.0, 20.0);

    // Fastener results: integers (place type, failure mode, support or part), reals (x, count, %).
    LiitosTulosVektori& c = p->ConnectionResults;
    c.Clear();
    auto connection = [&c](int type, int mode, int place, double x, double count, double u) {
        c.Add({}, {x, count, u}, {type, mode, place});
    };
    connection(1, 1, 0, 600, 1, 45.2);
    connection(1, 3, 1, 6600, 2, 101.5);
    connection(1, 4, 2, 12600, 1, 30.0);
    connection(2, 2, 0, 6300, 1, 60.0);
    connection(2, 0, 0, 11400, 1, 20.0);
    connection(3, 1, 1, 3000, 4, 50.0);
    connection(3, 2, 1, 5000, 4, 70.0);
    connection(3, 5, 2, 9000, 3, 90.0);
    connection(3, 1, 3, 12000, 0, 0.0);  // no fasteners needed and no utilisation: no line

    p->SteelGrades.Clear();
    p->SteelGrades.Add({"S350GD"}, {350, 420, 0}, {2, 10346});
    p->SteelGrades.SelectedGrade = 0;
    p->SteelGrades.SupportThickness = 1.5;
    p->Fasteners.Clear();
    p->Fasteners.Add({"SD 5.5x25", "Self-drilling screw 5.5 mm"}, {5.5}, {1, 1});
    p->Fasteners.Add({"BR 4.8", "Blind rivet 4.8 mm"}, {4.8}, {4, 4});
    p->Fasteners.SupportFastener = 0;
    p->Fasteners.JointFastener = 1;
    p->Fasteners.SeamFastener = 1;
    p->Fasteners.FasteningPattern() = 1;

    p->DiaphragmOn = 1;
    p->ResetDiaphragmParameters();
    p->DiaphragmParameters.Set(1, 2.0);
    p->DiaphragmParameters.Set(21, 2.0);
    p->DiaphragmParameters.Set(2, 0.0);

    p->ResultsValid = 1;
    return p;
}

// The document as text, one line per paragraph; a run that is not plain black carries its style
// in brackets before its text: [b], [u], [navy], [red] and their combinations.
inline std::string Describe(const RichTextTarget& document)
{
    std::string out;
    for (const RichParagraph& paragraph : document.Paragraphs()) {
        for (const RichRun& run : paragraph.Runs) {
            std::vector<std::string> tags;
            if (run.Bold) tags.push_back("b");
            if (run.Underline) tags.push_back("u");
            if (run.Colour == TextColour::Navy) tags.push_back("navy");
            if (run.Colour == TextColour::Red) tags.push_back("red");
            if (!tags.empty()) {
                out += '[';
                for (std::size_t i = 0; i < tags.size(); ++i) out += (i ? "," : "") + tags[i];
                out += ']';
            }
            out += run.Text;
        }
        out += '\n';
    }
    return out;
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Compares text with tests/report/golden/<name>; with KIRVOS_UPDATE_GOLDEN=1 rewrites the file.
inline void ExpectGolden(const std::string& name, const std::string& text)
{
    const std::string path = std::string(KIRVOS_SOURCE_DIR) + "/tests/report/golden/" + name;
    const char* update = std::getenv("KIRVOS_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        std::ofstream(path, std::ios::binary) << text;
        return;
    }
    EXPECT_EQ(ReadFile(path), text) << "golden file " << path
                                    << " differs; rerun with KIRVOS_UPDATE_GOLDEN=1 after checking the change";
}

}  // namespace kirvos::report_test
