#pragma once
// A long continuous sheeting for the checks and the speed measurements: inner spans of 4000, 4100
// and 4200 mm in turn between two 800 mm cantilevers, overlap joints reaching 150 mm to either side
// of every inner support (so that the sheets run as parallel coupled chains there), four wind cases,
// snow and imposed load with span patterns, on the installed profile data.

#include <string>

#include "project/project_model.h"

namespace kirvos::testing {

inline void ManySpansProject(KAIKKI_data& model, int innerSpans) {
    model.NewProject();
    model.StructureType = 0;
    model.Spans.Clear();
    model.Supports.Clear();
    const int spans = innerSpans + 2;
    for (int i = 0; i < spans; ++i) {
        const bool cantilever = i == 0 || i == spans - 1;
        model.Spans.Add({cantilever ? "uloke" : "Aukko"}, {cantilever ? 800.0 : 4000.0 + 100 * (i % 3), 0, 0, 0, 0},
                        {0, 0, 0, 0, 0});
        if (i < spans - 1) {
            const int joint = (i > 0 && i < spans - 2) ? 5 : 0;
            model.Supports.Add({"Tuki"}, {100, 0, 150, 150, 0}, {0, joint, 0, 0, 0});
        }
    }
    model.Loads.DeadLoad = 0.5;
    model.Loads.SnowLoad = 2.5;
    model.Loads.ImposedLoad = 1.0;
    model.Loads.WindLoad = 0.6;
    model.Loads.WindCaseCount = 4;
    const double coefficients[4] = {-0.7, 0.2, -0.4, 0.4};
    for (int i = 0; i < 4; ++i) model.Loads.WindCoefficients[i] = coefficients[i];
    for (int i = 0; i < model.Profiles.Count(); ++i) {
        if (std::string(model.Profiles.Text(i, 0)) == "KP 135/930") model.Profiles.SelectedProfile = i;
    }
    model.BuildSheetParts(1);
}

// Every sheet part gets the thickness line given (0: left to the search).
inline void SetPartThickness(KAIKKI_data& model, int line) {
    for (int i = 0; i < model.SheetParts.Count(); ++i) {
        if (model.SheetParts.IsPart(i)) model.SheetParts.SetInt(i, PiirtoOsatVektori::kThickness, line);
    }
}

}  // namespace kirvos::testing
