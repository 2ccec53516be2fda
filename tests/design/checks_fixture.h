#pragma once
// A profile with round values for the sheet and connection checks, and helpers to read results.

#include <string>

#include "design_fixture.h"
#include "project/project_model.h"

namespace kirvos::testing {

// Profile "T60": covering width 1000 mm, rib pitch 250 mm (4 ribs), height 60 mm, webs at 60
// degrees. Thickness line 1: core 0.7 mm, fy 350, mass 10 kg/m2, I+ 20 / I- 14 cm4/m, Mr+ 2.0,
// Mr- 5.0 kNm/m, bearing length 40 mm, intermediate support 10 kN/m, end support 4 kN/m, shear
// 20 kN/m. Line 2: core 1.0 mm, the same resistances doubled.
inline std::string CheckProfileText(const std::string& extraGroups = "", bool endSupportGroup = true) {
    std::string text =
        "[ ==== 1 ==== ]\nT60\nT60\n"
        "[ ==== 2 ==== ]\nT60\n1000\n250\n60\n60\n40\n35\n140\n"
        "[ ==== 3 ==== ]\n2\n"
        "[ ==== 11 ==== ]\n0.7\n1.0\n"
        "[ ==== 12 ==== ]\n0.7\n1.0\n"
        "[ ==== 13 ==== ]\n350\n350\n"
        "[ ==== 21 ==== ]\n10\n14\n"
        "[ ==== 31 ==== ]\n20\n40\n"
        "[ ==== 32 ==== ]\n14\n28\n"
        "[ ==== 41 ==== ]\n2.0\n4.0\n"
        "[ ==== 42 ==== ]\n5.0\n10.0\n"
        "[ ==== 51 ==== ]\n40\n40\n"
        "[ ==== 52 ==== ]\n10\n20\n";
    if (endSupportGroup) text += "[ ==== 53 ==== ]\n4\n8\n";
    text += "[ ==== 61 ==== ]\n20\n40\n";
    return text + extraGroups;
}

inline std::unique_ptr<KAIKKI_data> MakeCheckModel(const ProgramFolder& folder, const std::string& profile) {
    folder.Write("t45.dat", profile);
    auto model = MakeModel(folder);
    model->Profiles.LoadProfileData(folder.ProgramPath());
    model->Profiles.SelectedProfile = 0;
    return model;
}

// Index of the first design result of the part and kind (and span for kinds above 10, x otherwise
// when given); -1 when none.
inline int FindResult(const KAIKKI_data& m, int part, int kind, double x = -1.0, int span = -1) {
    for (int i = 0; i < m.DesignResults.Count(); ++i) {
        if (m.DesignResults.Int(i, 0) != part || m.DesignResults.Int(i, 1) != kind) continue;
        if (x >= 0.0 && std::abs(m.DesignResults.Real(i, 0) - x) > 0.01) continue;
        if (span >= 0 && m.DesignResults.Int(i, 2) != span) continue;
        return i;
    }
    return -1;
}

inline int FindConnection(const KAIKKI_data& m, int type, double x) {
    for (int i = 0; i < m.ConnectionResults.Count(); ++i) {
        if (m.ConnectionResults.Int(i, 0) == type && std::abs(m.ConnectionResults.Real(i, 0) - x) < 0.1) return i;
    }
    return -1;
}

}  // namespace kirvos::testing
