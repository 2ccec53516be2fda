#pragma once
// The loads of the sheeting and the basic load values that apply to its whole length.
// Surface loads in kN/m2, point loads in kN, positions in mm.
//
// Record (1 text, 5 integers, 5 reals): text 0 a single blank; integer 0 Kind (0 permanent, 1 snow,
// 2 imposed, 3 + n wind case n + 1 for n = 0..3); integer 1 Type (0 surface, 1 point); integer 2
// Support, the index of the support X1 is measured from; integers 3, 4 zero; real 0 X1 (start of a
// surface load or position of a point load, mm from the support, negative to the left); real 1
// Length (loaded length, 0 for a point load); real 2 Value1 (Q1 at the start, or F); real 3 Value2
// (Q2 at the end, 0 for a point load); real 4 Width (bearing width of a point load, mm).
// Records are kept ascending by (Kind, Type); equal keys keep their entry order.

#include "records/record_vector.h"

namespace kirvos {

class JanneVektori;

class KuormaVektori : public DOFvektori {
public:
    // Field numbers of a load record.
    static constexpr int kKind = 0;     // integer
    static constexpr int kType = 1;     // integer
    static constexpr int kSupport = 2;  // integer
    static constexpr int kX1 = 0;       // real
    static constexpr int kLength = 1;   // real
    static constexpr int kValue1 = 2;   // real
    static constexpr int kValue2 = 3;   // real
    static constexpr int kWidth = 4;    // real

    KuormaVektori(int capacity, int increment);

    int Refilling = 0;          // guard of the loads window while it rebuilds its lists
    int ActiveLoad = -1;        // record shown in the loads window (-1 none, -2 several)
    int ActiveKind = 0;         // load kind shown in the loads window
    int ActiveType = 0;         // load type shown in the loads window
    int PictureLoadKind = -1;   // kind drawn in the structure picture (-1 all)
    int DrawBasicLoads = 1;     // draw the basic load values
    int DrawRecordLoads = 1;    // draw the load records
    int WindCaseCount = 1;      // number of wind cases, 1 to 4
    int ImposedCategory = 3;    // imposed-load category 1 to 8 (A to H)
    double DeadLoad = 0.0;                    // permanent surface load, kN/m2
    double SnowLoad = 0.0;                    // snow load on the ground, kN/m2
    double SnowShapeFactor = 1.0;             // snow shape coefficient
    double SnowAlternateReduction = 50.0;     // % snow is reduced by on alternate spans
    double ImposedLoad = 0.0;                 // imposed surface load, kN/m2
    double ImposedAlternateReduction = 100.0; // % the imposed load is reduced by on alternate spans
    double WindLoad = 0.0;                    // wind pressure, kN/m2
    double WindCoefficients[4] = {-0.75, 0.0, 0.0, 0.0};  // coefficient of each wind case
    double WindCoefficients2[4] = {0.0, 0.0, 0.0, 0.0};   // kept and saved with the project
    double WindCoefficients3[4] = {0.0, 0.0, 0.0, 0.0};   // kept and saved with the project

    // Ascending by (Kind, Type), after every record of an equal or smaller key.
    int InsertPosition(const DOFalkio& record) const override;

    // Records of the kind and, unless type < 0, of the type.
    int CountLoads(int kind, int type) const;
    // Index of the first such record, or -1.
    int FirstLoad(int kind, int type) const;
    // Records of the kind whose Value1 equals Value2.
    int CountUniformLoads(int kind) const;
    // Number of load layers drawn for a kind (kind < 0: all kinds): the basic value when it is
    // drawn and not 0, then one layer for uniform and one for varying records when they are drawn.
    int LoadDrawItems(int kind) const;
    bool HasLoadDrawItems(int kind) const { return LoadDrawItems(kind) > 0; }

    // Position of the record's start along the sheeting, mm: X1 plus the position of the support it
    // is measured from.
    double StartPosition(int record, const JanneVektori& spans) const;

    // Fits the loads to changed spans (L = spans' total length; positions judged absolutely, X1 plus
    // the position of the load's support): a load on a missing support is removed; a surface load
    // of no length or lying wholly outside [0, L] is removed, otherwise clipped to [0, L] with its
    // values interpolated linearly at the cuts; a point load outside [0, L] is removed.
    void FitLoadsToGeometry(const JanneVektori& spans);

    // New project: clears the records and resets the header to its initial values, with the snow
    // shape coefficient 0.8 for standard index other than 0, else 1.0. PictureLoadKind, the draw
    // switches and Refilling stay.
    void ResetForNewProject(int standardIndex);

private:
    // Whether the kind's basic value is not 0: permanent, snow times its shape coefficient, imposed,
    // or wind times the case's coefficient (only for cases below WindCaseCount).
    bool HasBasicValue(int kind) const;
};

}  // namespace kirvos
