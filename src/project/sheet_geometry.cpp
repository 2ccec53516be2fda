// Joint zones, sheet lengths and support pieces along the sheeting. Positions are mm from the left
// end of the sheeting (the free end of the left cantilever); support k lies at p(k), the sum of the
// lengths of span records 0..k.

#include <algorithm>

#include "project/project_model.h"

namespace kirvos {

namespace {

// Overlaps reach this far (mm) beyond the support line, and narrowed zones stay this far inside
// the overlap, so that the analysis couples the sheets only where both certainly bear.
constexpr double kJointMargin = 25.0;

// Sheets laid out at most (a guard against joints that would never end the loop).
constexpr int kMaxSheets = 100;

constexpr double kNoPoint = -1.0e300;

struct Zone {
    double start;
    double end;
    double a = kNoPoint;  // where the sheet ending in this zone stops bearing in the model
    double b = kNoPoint;  // where the sheet starting in this zone starts bearing in the model
    int flag = 0;         // 1: the second zone of a two-zone support joint
};

// The zone of support joint type t at support position p, or false when the type or its
// parameters give none. w, v: joint parameters P1, P2; a, b: lengths of the spans left and right.
bool SupportJointZone(int t, double x, double p, double w, double v, double a, double b, bool full,
                      Zone& z) {
    const double m = kJointMargin;
    switch (t) {
    case 1:
        z = full ? Zone{p - w / 2, p + w / 2} : Zone{p, p};
        return true;
    case 2:
        if (!(w > 0)) return false;
        z = full ? Zone{p - a * w, p + m} : Zone{p - a * w + m, p};
        return true;
    case 3:
        if (!(w > 0)) return false;
        z = full ? Zone{p - m, p + b * w} : Zone{p, p + b * w - m};
        return true;
    case 4:
        if (!(w > 0 && v > 0)) return false;
        z = Zone{p - a * w, p + b * v};
        if (!full) z = Zone{z.start + m, z.end - m};
        return true;
    case 5:
        z = Zone{p - w, p + v};
        if (!full) z = Zone{z.start + m, z.end - m};
        return true;
    case 6: {
        // A joint plate over the support: the sheets stop short of it on both sides, the plate
        // bridges them. Asked from the first zone's start, the second zone is the answer.
        z = full ? Zone{p - w / 2, p - v / 2} : Zone{p - w / 2 + m, p};
        z.a = p;
        if (z.start == x) {
            z = full ? Zone{p + v / 2, p + w / 2} : Zone{p, p + w / 2 - m};
            z.b = p;
            z.flag = 1;
        }
        return true;
    }
    case 7:
        if (!(w > 0)) return false;
        z = full ? Zone{p - w, p + m} : Zone{p - w + m, p};
        return true;
    case 8:
        if (!(w > 0)) return false;
        z = full ? Zone{p - m, p + w} : Zone{p, p + w - m};
        return true;
    default:
        return false;
    }
}

// The zone of span joint type t in the span from q to e, or false when the type gives none.
// r, s, u: joint parameters P1, P2, P3.
bool SpanJointZone(int t, double x, double q, double e, double r, double s, double u, bool full,
                   Zone& z) {
    double c = 0.0;
    double width = 0.0;
    switch (t) {
    case 1:  // at distance r from the right support
        c = e - r;
        width = s;
        break;
    case 2:  // at distance r from the left support
        c = q + r;
        width = s;
        break;
    case 3: {  // two joints: r from the left and s from the right support
        c = q + r;
        width = u;
        const double start = full ? c - width / 2 : c;
        if (start == x) c = e - s;
        break;
    }
    default:
        return false;
    }
    z = full ? Zone{c - width / 2, c + width / 2} : Zone{c, c};
    return true;
}

}  // namespace

int KAIKKI_data::NextJoint(double x, double& zoneEnd, double& zoneStart, double& aPoint,
                           double& bPoint, int fullZones) const {
    const bool full = fullZones == 1;
    const double total = Spans.TotalLength();
    Zone best{total, total};
    auto consider = [&](const Zone& z) {
        if (z.end < best.end && z.start > x && z.end > x) best = z;
    };

    const int supports = std::min(Supports.Count(), Spans.SupportCount());
    double p = 0.0;
    for (int k = 0; k < supports; ++k) {
        p += Spans.Real(k, 0);
        Zone z{0.0, 0.0};
        if (SupportJointZone(Supports.Int(k, 1), x, p, Supports.Real(k, 2), Supports.Real(k, 3),
                             Spans.Real(k, 0), Spans.Real(k + 1, 0), full, z)) {
            consider(z);
        }
    }

    double q = Spans.Real(0, 0);
    for (int i = 1; i < Spans.Count() - 1; ++i) {
        const double e = q + Spans.Real(i, 0);
        Zone z{0.0, 0.0};
        if (SpanJointZone(Spans.Int(i, 1), x, q, e, Spans.Real(i, 2), Spans.Real(i, 3),
                          Spans.Real(i, 4), full, z)) {
            consider(z);
        }
        q = e;
    }

    zoneEnd = best.end;
    zoneStart = best.start;
    aPoint = best.a != kNoPoint ? best.a : best.end;
    bPoint = best.b != kNoPoint ? best.b : best.start;
    return best.flag;
}

double KAIKKI_data::SheetingStart() const {
    // A first support wider than the left cantilever sticks out of the sheeting's theoretical end:
    // the sheet covers it.
    const double half = Supports.Real(0, 0) / 2;
    return half > Spans.Real(0, 0) ? -half : 0.0;
}

double KAIKKI_data::SheetingEnd() const {
    const double total = Spans.TotalLength();
    const double half = Supports.Real(Spans.SupportCount() - 1, 0) / 2;
    return half > Spans.Real(Spans.Count() - 1, 0) ? total + half : total;
}

void KAIKKI_data::BuildSheetParts(int reset) {
    if (reset == 1) SheetParts.ResetWorking("");
    SheetParts.Clear();
    const double total = Spans.TotalLength();
    const double sheetingStart = SheetingStart();
    const double sheetingEnd = SheetingEnd();
    const char* texts[2] = {SheetParts.WorkingText.c_str(), ""};

    // Sheet lengths, joint by joint from the left: a sheet ends at the far end of the joint zone
    // and the next one starts at its near end.
    double x = sheetingStart;
    double previousB = sheetingStart;
    double zoneEnd = 0.0, zoneStart = 0.0, a = 0.0, b = 0.0;
    int flag = NextJoint(x, zoneEnd, zoneStart, a, b, 1);
    int sheets = 0;
    while (zoneEnd <= total && zoneEnd > x && sheets < kMaxSheets) {
        int code = sheets == 0 ? 2 : (sheets % 2 == 1 ? 3 : 2);
        if (flag == 1 && code == 3) code = 1;
        const double end = zoneEnd == total ? sheetingEnd : zoneEnd;
        ++sheets;
        const int ints[5] = {sheets, code, SheetParts.WorkingThickness, SheetParts.WorkingLayers,
                             flag == 1 ? PiirtoOsatVektori::kJointPlateSheet
                                       : PiirtoOsatVektori::kSheetLength};
        const double reals[10] = {x, end, previousB, a, -1.0, -1.0, -1.0, -1.0, -1.0, -1.0};
        SheetParts.Add(texts, reals, ints);
        x = zoneStart;
        previousB = b;
        flag = NextJoint(x, zoneEnd, zoneStart, a, b, 1);
    }

    // Support pieces, support by support from the left.
    const double leftCantilever = Spans.Real(0, 0);
    const double rightCantilever = Spans.Real(Spans.Count() - 1, 0);
    const int supports = std::min(Supports.Count(), Spans.SupportCount());
    int nextNumber = sheets + 1;
    double p = 0.0;
    for (int k = 0; k < supports; ++k) {
        p += Spans.Real(k, 0);
        const int kind = Supports.Int(k, 0);
        if (kind != 1 && kind != 2) continue;
        const double length = kind == 1 ? ShortPieceLength : Supports.Real(k, 1);
        const double halfWidth = Supports.Real(k, 0) / 2;
        double start = p - length / 2;
        if (k == 0) {
            if (halfWidth > leftCantilever || length / 2 > leftCantilever) start = sheetingStart;
        } else if (k == supports - 1) {
            if (halfWidth > rightCantilever || length / 2 > rightCantilever) {
                start = sheetingEnd - length;
            }
        }
        start = std::max(start, sheetingStart);
        const double end = start + length;

        int number = 0;
        if (kind == 2) {
            number = nextNumber++;
        } else {
            // The sheet length it lies on; a long piece laid out before it is no sheet.
            for (int i = 0; i < SheetParts.Count(); ++i) {
                if (SheetParts.Int(i, PiirtoOsatVektori::kKind) == PiirtoOsatVektori::kSupportPiece) continue;
                if (start >= SheetParts.Real(i, 0) && end <= SheetParts.Real(i, 1)) {
                    number = -SheetParts.Int(i, 0);
                    break;
                }
            }
        }
        const int ints[5] = {number, 1, 0, 0, PiirtoOsatVektori::kSupportPiece};
        const double reals[10] = {start, end, start, end, -1.0, -1.0, -1.0, -1.0, -1.0, -1.0};
        SheetParts.Add(texts, reals, ints);
    }
}

void KAIKKI_data::CollectElementPositions(DOFlukuvektori& positions) const {
    for (int i = 0; i < Elements.Count(); ++i) {
        positions.Add(Elements.Real(i, ElementtiVektori::kStart));
        positions.Add(Elements.Real(i, ElementtiVektori::kEnd));
    }
}

}  // namespace kirvos
