#pragma once
// Envelopes of deflection (serviceability combinations, ServiceModel) and of bending moment and
// shear force (ultimate combinations, UltimateModel), sampled along every member.
//
// Sample points: the spacing is the total length of the spans (cantilevers included) / 80; a member
// of length L gets n = floor(L / spacing) intervals, at least 2, and n + 1 points at i / n. Values
// are in N, N*mm and mm per metre of sheet width; a sagging moment is positive.

#include <vector>

namespace kirvos {

class KAIKKI_data;
class VerhoKayratVektori;
class DOFlukuparivektori;

// The results of every load case at every sample point of one solved model, computed once and
// combined linearly per combination. Members are held in envelope order (ascending part, then
// element), each member's points in order along it.
class SampleTable {
public:
    // kind 2: deflections of ServiceModel; kind 1: moments and shear forces of UltimateModel.
    SampleTable(const KAIKKI_data& model, int kind);

    int Kind() const { return kind_; }
    int Members() const { return static_cast<int>(memberNumber_.size()); }
    int Samples() const { return static_cast<int>(x_.size()); }
    int MemberNumber(int m) const { return memberNumber_[m]; }
    int PartNumber(int m) const { return part_[m]; }
    int FirstSample(int m) const { return first_[m]; }
    int SampleCount(int m) const { return first_[m + 1] - first_[m]; }
    double X(int s) const { return x_[s]; }

    // Sums factor x result over the load cases of the combination with a non-zero factor, in the
    // model's load case order: primary (deflection or moment) and secondary (shear; ultimate only).
    void Combine(const DOFlukuparivektori& combination, std::vector<double>& primary,
                 std::vector<double>& secondary) const;

    // Appends one record per sample with both slots of each value set to the combined value.
    void AppendRecords(const std::vector<double>& primary, const std::vector<double>& secondary,
                       VerhoKayratVektori& samples) const;
    // Appends the first and last sample of every member: (x, moment, 0, shear, 0).
    void AppendEndForces(const std::vector<double>& primary, const std::vector<double>& secondary,
                         VerhoKayratVektori& endForces) const;

private:
    int kind_;
    std::vector<int> memberNumber_;
    std::vector<int> part_;
    std::vector<int> first_;        // first sample of each member, plus one past the last
    std::vector<double> x_;
    std::vector<int> loadCaseNumber_;  // model load case order
    std::vector<double> primary_;      // [load case][sample]
    std::vector<double> secondary_;    // [load case][sample], ultimate only
};

// Empties both envelopes and fills them from every combination; runs CheckCombination for every
// ultimate combination with its member end forces. Serviceability combinations come first.
// Returns 0.
int BuildEnvelopes(KAIKKI_data& model);

// Deflection sample records of serviceability combination index (samples cleared first).
void SampleServiceCombination(const KAIKKI_data& model, int index, VerhoKayratVektori& samples);
// Force sample records of ultimate combination index, and the member end forces (both cleared first).
void SampleUltimateCombination(const KAIKKI_data& model, int index, VerhoKayratVektori& samples,
                               VerhoKayratVektori& endForces);

// 0-based Spans record whose extent holds the element's extent; 0 when there is none.
int SpanOfElement(const KAIKKI_data& model, int elementNumber);

}  // namespace kirvos
