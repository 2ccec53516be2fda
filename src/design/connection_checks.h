#pragma once
// Fastener checks of the places where a sheet part is fastened: to a support (type 1), to other
// sheets at a joint within a span (type 2) and along its side lap (type 3). Forces are N per metre
// of sheet width; resistances N per fastener; utilisations %.

namespace kirvos {

class KAIKKI_data;

enum ConnectionType { kSupportPlace = 1, kJointPlace = 2, kSeamPlace = 3 };

// Governing checks of ConnectionResults.
enum ConnectionCheck {
    kNothingExceeded = 0,
    kFastenerShear = 1,
    kSheetBearing = 2,
    kDuctility = 3,
    kPullOut = 5,
    kFastenerTension = 6,
    kPullThrough = 7,
    kShearAndTension = 8,
};

// Design resistances of one fastener (N) in the sheet (t, fs) and a second plate (t2, f2).
struct FastenerResistances {
    double Fv = 0.0;  // shear of the fastener
    double Fb = 0.0;  // bearing of the sheet
    double Fo = 0.0;  // pull-out from the second plate (support and joint places)
    double Ft = 0.0;  // tension of the fastener
    double Fp = 0.0;  // pull-through of the sheet (support and joint places)
};

struct FastenerData {
    int fastenerClass = 1;  // 1..4 screws and rivets, 5 powder-actuated nail
    int material = 1;       // 2: variant with sealing washer (reduced resistances)
    double d = 0.0;         // diameter, mm
    double Fvk = 0.0;       // characteristic shear resistance, kN
    double Ftk = 0.0;       // characteristic tension resistance, kN (<= 0: 1.2 Fvk)
};

// Resistances at a place of the type; gammaF is the material factor of fasteners; t, t2 mm;
// fs, f2 N/mm2 (already divided by their material factors).
FastenerResistances ComputeFastenerResistances(const FastenerData& fastener, int type, double gammaF, double t,
                                               double fs, double t2, double f2);

// Checks one place of the sheet part at partIndex in SheetParts and keeps the worst result per place
// in ConnectionResults. F0 in-plane shear, F1 transverse force (N/m), F2 total plate thickness at a
// joint (mm; 0 or less: the second plate is as thick as the sheet). reals[0] holds the place's x and
// integers[2] the support index, 0 or part number; both arrays have the result table's field
// counts (7 reals, 5 integers). selector 0 runs every check. A type without a selected fastener is
// skipped.
void CheckConnection(KAIKKI_data& model, double F0, double F1, double F2, double* reals, int type, int selector,
                     int partIndex, int* integers);

// Everything a place's checks need besides its forces, fixed for a sheet part at one place while
// the combinations of a calculation are checked: the fastener, its resistances and how the forces
// act on it.
struct ConnectionPlace {
    bool valid = false;  // false: no fastener selected for the type
    int type = 0;
    FastenerData fastener;
    FastenerResistances resistances;
    double n0 = 1.0;           // fasteners per metre (1 without profile data)
    double cosPhi = 0.0;       // web angle at a joint: the transverse force splits along and across
    double sinPhi = 1.0;
    bool forMaximum = false;   // joint fastenings take the whole in-plane force
};

// The place of CheckConnection's arguments F2, type and partIndex.
ConnectionPlace PrepareConnection(const KAIKKI_data& model, double F2, int type, int partIndex);
// CheckConnection at a prepared place.
void CheckConnection(KAIKKI_data& model, const ConnectionPlace& place, double F0, double F1, double* reals,
                     int* integers);

}  // namespace kirvos
