#pragma once
// A project model over a private program folder holding one small, round-numbered profile, so that
// hand-worked beam results stay easy to state. Factors are set by each test.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "project/project_model.h"

namespace kirvos::testing {

// Profile "T45": covering width 1000 mm, rib pitch 250 mm (4 ribs), height 45 mm.
// Thickness lines 1..3: core 0.46 / 0.66 / 0.86 mm, mass 5 / 7 / 9 kg/m2,
// I+ 20 / 30 / 40 cm4/m, I- 14 / 21 / 28 cm4/m.
inline const char* const kProfileText =
    "[ ==== 1 ==== ]\nT45\nT45\n"
    "[ ==== 2 ==== ]\nT45\n1000\n250\n45\n60\n40\n25\n60\n"
    "[ ==== 3 ==== ]\n2\n"
    "[ ==== 5 ==== ]\n0\n1\n2\n3\n4\n"
    "[ ==== 11 ==== ]\n0.5\n0.7\n0.9\n"
    "[ ==== 12 ==== ]\n0.46\n0.66\n0.86\n"
    "[ ==== 21 ==== ]\n5\n7\n9\n"
    "[ ==== 31 ==== ]\n20\n30\n40\n"
    "[ ==== 32 ==== ]\n14\n21\n28\n"
    "[ ==== 41 ==== ]\n1.0\n1.5\n2.0\n"
    "[ ==== 42 ==== ]\n0.9\n1.4\n1.9\n"
    "[ ==== 51 ==== ]\n40\n40\n40\n"
    "[ ==== 52 ==== ]\n5\n8\n11\n"
    "[ ==== 61 ==== ]\n20\n30\n40\n";

class ProgramFolder {
public:
    ProgramFolder() {
        dir_ = std::filesystem::temp_directory_path() /
               ("kirvos-design-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        std::filesystem::create_directories(dir_);
        Write("profiles1.dat", "T45;t45.dat;?;0;0;0;0;0;0;0;0;0;0\n");
        Write("profiles2.dat", "T45;t45.dat;?;0;0;0;0;0;0;0;0;0;0\n");
        Write("t45.dat", kProfileText);
    }
    ~ProgramFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    std::string ProgramPath() const { return (dir_ / "kirvos").string(); }
    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(dir_ / name, std::ios::binary) << text;
    }

private:
    std::filesystem::path dir_;
};

// Sets every load factor array and psi to the values given (ultimate class 0, class 1, service).
inline void SetFactors(NormiVektori& n, const double (&g)[6], const double (&s)[6], const double (&q)[6],
                       const double (&w)[6]) {
    for (int i = 0; i < 6; ++i) {
        n.PermanentFactors[i] = g[i];
        n.SnowFactors[i] = s[i];
        n.ImposedFactors[i] = q[i];
        n.WindFactors[i] = w[i];
    }
}

// Spans (cantilever, spans..., cantilever) and 50 mm supports without pieces or joints.
inline void SetSpans(KAIKKI_data& model, const std::vector<double>& lengths) {
    model.Spans.Clear();
    model.Supports.Clear();
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        const bool cantilever = i == 0 || i + 1 == lengths.size();
        model.Spans.Add({cantilever ? "uloke" : "Aukko"}, {lengths[i], 0, 0, 0, 0}, {0, 0, 0, 0, 0});
        if (i + 1 < lengths.size()) model.Supports.Add({"Tuki"}, {50, 0, 0, 0, 0}, {0, 0, 0, 0, 0});
    }
}

// A sheet part record: number, thickness line, layers, extent (also its analysis extent).
inline void AddPart(KAIKKI_data& model, int number, int thickness, int layers, double start, double end,
                    int kind = PiirtoOsatVektori::kSheetLength) {
    model.SheetParts.Add({"", ""}, {start, end, start, end, -1, -1, -1, -1, -1, -1},
                         {number, 2, thickness, layers, kind});
}

inline std::unique_ptr<KAIKKI_data> MakeModel(const ProgramFolder& folder) {
    auto model = std::make_unique<KAIKKI_data>(folder.ProgramPath());
    model->Profiles.SelectedProfile = 0;
    return model;
}

}  // namespace kirvos::testing
