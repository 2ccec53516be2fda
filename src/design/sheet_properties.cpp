#include "design/sheet_properties.h"

#include <cstdlib>

#include "project/project_model.h"

namespace kirvos {

namespace {

// Profile value groups read here (line m = thickness line).
constexpr int kGeneralGroup = 2;       // line 2 covering width, line 3 rib pitch (mm)
constexpr int kCoreThicknessGroup = 12;
constexpr int kMassGroup = 21;         // kg/m2
constexpr int kInertiaPositive = 31;   // cm4/m
constexpr int kInertiaNegative = 32;   // cm4/m

}  // namespace

const ProfiiliArvot* SelectedProfileData(const KAIKKI_data& model) {
    return model.Profiles.ProfileData(model.Profiles.SelectedProfile);
}

int SheetPartIndex(const PiirtoOsatVektori& parts, int partNumber) {
    if (partNumber <= 0) return -1;
    for (int i = 0; i < parts.Count(); ++i) {
        if (parts.Int(i, PiirtoOsatVektori::kNumber) == partNumber) return i;
    }
    return -1;
}

int ThicknessLine(const PiirtoOsatVektori& parts, int index) {
    const int m = std::abs(parts.Int(index, PiirtoOsatVektori::kThickness));
    return m == 0 ? 1 : m;
}

void NameSheetThicknesses(KAIKKI_data& model) {
    const ProfiiliArvot* data = SelectedProfileData(model);
    if (data == nullptr) return;
    constexpr int kThicknessGroup = 11;  // the profile's thickness names, one line per thickness
    PiirtoOsatVektori& parts = model.SheetParts;
    for (int i = 0; i < parts.Count(); ++i) {
        const int line = parts.Int(i, PiirtoOsatVektori::kThickness);
        if (line >= 1 && line <= data->LineCount(kThicknessGroup)) {
            parts.SetText(i, PiirtoOsatVektori::kLabel, data->Line(kThicknessGroup, line));
        }
    }
}

double DoublingMultiplier(int w, double coveringWidth, double ribPitch) {
    if (w == 0 || coveringWidth <= 0.0) return 1.0;
    if (w < 0 || ribPitch <= 0.0) return 1.98;
    const double ribs = coveringWidth / ribPitch;
    const double single = ribs - w;  // ribs left single
    if (single <= 0.0) return 1.98;
    return w / single + 1.0 - 0.02 * single / w;
}

double LayerFactor(int w, double coveringWidth, double ribPitch) {
    if (w < 0) return 2.0;
    if (w == 0) return 1.0;
    const double single = coveringWidth / ribPitch - w;
    return single > 0.0 ? w / single + 1.0 : 2.0;
}

double SectionStiffness(const KAIKKI_data& model, int partNumber) {
    const int i = SheetPartIndex(model.SheetParts, partNumber);
    if (i < 0) return 0.0;
    const ProfiiliArvot* data = SelectedProfileData(model);
    const int m = ThicknessLine(model.SheetParts, i);
    const double s = DoublingMultiplier(model.SheetParts.Int(i, PiirtoOsatVektori::kLayers),
                                        ProfileValue(data, kGeneralGroup, 2), ProfileValue(data, kGeneralGroup, 3));
    // cm4 -> mm4
    const double positive = s * 1.0e4 * ProfileValue(data, kInertiaPositive, m);
    const double negative = s * 1.0e4 * ProfileValue(data, kInertiaNegative, m);
    double inertia = 0.0;
    if (model.StandardIndex == 1) {
        inertia = positive < negative ? positive : negative;
    } else if (model.StandardIndex == 0) {
        // Weighted towards the positive (span) moment, which governs most of a continuous sheet.
        inertia = (2.0 * positive + negative) / 3.0;
    }
    const double factor = model.Standards.FactorGrid[0][3];
    return factor != 0.0 ? inertia / factor : 0.0;
}

double SheetWeight(const KAIKKI_data& model, int partNumber, int mode) {
    const int i = SheetPartIndex(model.SheetParts, partNumber);
    if (i < 0) return 0.0;
    const ProfiiliArvot* data = SelectedProfileData(model);
    const double c = ProfileValue(data, kGeneralGroup, 2);
    const double b = ProfileValue(data, kGeneralGroup, 3);
    if (b <= 0.0 || c <= 0.0) return 0.0;
    const double g = ProfileValue(data, kMassGroup, ThicknessLine(model.SheetParts, i));
    const double k = LayerFactor(model.SheetParts.Int(i, PiirtoOsatVektori::kLayers), c, b);
    if (mode == 3) return g * c * 0.001;
    if (mode == 2) return k * g * 9.81 * 0.001;
    return k * g;
}

double DeflectionLimit(const KAIKKI_data& model, double L, bool cantilever) {
    // A divisor of 0 or less would give an infinite or negative limit: no check then.
    auto over = [L](double divisor) { return divisor > 0.0 ? L / divisor : 0.0; };
    if (model.DeflectionLimitMode == 1) {
        return over(cantilever ? model.CantileverDeflectionLimit : model.OwnDeflectionLimit);
    }
    if (model.StandardIndex != 0 && model.StandardIndex != 1) return 0.0;
    if (cantilever) return over(model.CantileverDeflectionLimit);
    switch (model.StructureType) {
        case 0:  // insulated roof
            if (L <= 4500.0) return L / 150.0;
            if (L <= 6000.0) return 30.0;
            return L / 200.0;
        case 1:  // roof whose sheet is the waterproofing
        case 2:  // wall
            return L / 100.0;
        case 3:  // intermediate floor
            return L / 300.0;
        default:  // own structure: no check
            return 0.0;
    }
}

double TotalThickness(const KAIKKI_data& model, double x) {
    double sum = 0.0;
    const PiirtoOsatVektori& parts = model.SheetParts;
    for (int i = 0; i < parts.Count(); ++i) {
        if (parts.Real(i, PiirtoOsatVektori::kStart) < x && x < parts.Real(i, PiirtoOsatVektori::kEnd)) {
            sum += Thickness(model, i);
        }
    }
    return sum;
}

double Thickness(const KAIKKI_data& model, int partIndex) {
    if (partIndex < 0 || partIndex >= model.SheetParts.Count() || !model.SheetParts.IsPart(partIndex)) return 0.0;
    return ProfileValue(SelectedProfileData(model), kCoreThicknessGroup, ThicknessLine(model.SheetParts, partIndex));
}

}  // namespace kirvos
