#include "fem/fem_tables.h"

#include <algorithm>  // std::max

#include "records/field_parsing.h"

namespace kirvos {

namespace {

constexpr int kInitialCapacity = 20;
constexpr int kGrowth = 20;

// Generated nodes and couplings are numbered after the largest number present, above the threshold.
// The threshold itself is not above it: after an input number 999 999 the next number would be 1 000 000,
// which the clean-up before the next solve would not remove, so it is raised as well.
int NextGeneratedNumber(const DOFvektori& table) {
    int largest = 0;
    for (int i = 0; i < table.Count(); ++i) largest = std::max(largest, table.Int(i, 0));
    const int next = largest + 1;
    return next <= kGeneratedNumberThreshold ? kGeneratedNumberThreshold + 1 : next;
}

void RemoveAbove(DOFvektori& table, int threshold) {
    for (int i = table.Count() - 1; i >= 0; --i) {
        if (table.Int(i, 0) > threshold) table.Remove(i);
    }
}

}  // namespace

void DecodeFlags(int code, int* flags) {
    int digits[10] = {};
    SplitDigitCode(code, digits);
    for (int i = 0; i < 6; ++i) flags[i] = digits[i + 1];
}

FEM_OrderedVektori::FEM_OrderedVektori(int integers, int reals, int key1, int key2)
    : DOFvektori(kInitialCapacity, kGrowth), key1_(key1), key2_(key2) {
    DefineFields(0, integers, reals);
}

int FEM_OrderedVektori::InsertPosition(const DOFalkio& record) const {
    // First record with a larger key: equal keys keep their arrival order.
    const int k1 = record.Int(key1_);
    const int k2 = key2_ >= 0 ? record.Int(key2_) : 0;
    int lo = 0;
    int hi = Count();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        const int m1 = Int(mid, key1_);
        const int m2 = key2_ >= 0 ? Int(mid, key2_) : 0;
        if (m1 > k1 || (m1 == k1 && m2 > k2)) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    return lo;
}

FEM_SolmuVektori::FEM_SolmuVektori() : FEM_OrderedVektori(1, 3, 0) {}

int FEM_SolmuVektori::FindNode(int number) const {
    for (int i = 0; i < Count(); ++i) {
        if (Int(i, 0) == number) return i;
    }
    return -1;
}

int FEM_SolmuVektori::DuplicateNode(int number) {
    const int source = FindNode(number);
    if (source < 0) return -1;
    const int newNumber = NextGeneratedNumber(*this);
    const double xyz[3] = {Real(source, 0), Real(source, 1), Real(source, 2)};
    Add(nullptr, xyz, &newNumber);
    return newNumber;
}

void FEM_SolmuVektori::RemoveGeneratedNodes() { RemoveAbove(*this, kGeneratedNumberThreshold); }

FEM_SauvaVektori::FEM_SauvaVektori() : FEM_OrderedVektori(9, 1, 0) {}

int FEM_SauvaVektori::FindMember(int number) const {
    for (int i = 0; i < Count(); ++i) {
        if (Int(i, 0) == number) return i;
    }
    return -1;
}

int FEM_SauvaVektori::EndRelease(int member, int end, int& code) const {
    if (member < 0 || member >= Count() || end < 0 || end > 1) return 0;
    const int c = Int(member, 5 + end);
    if (c == kRigidCode) return 0;
    code = c;
    return 1;
}

void FEM_SauvaVektori::ReplaceEndNode(int member, int end, int node) {
    if (member < 0 || member >= Count() || end < 0 || end > 1) return;
    SetInt(member, 7 + end, Int(member, 1 + end));
    SetInt(member, 1 + end, node);
}

void FEM_SauvaVektori::RestoreEndNodes(int threshold) {
    for (int i = 0; i < Count(); ++i) {
        bool restored = false;
        for (int end = 0; end < 2; ++end) {
            if (Int(i, 1 + end) > threshold) {
                SetInt(i, 1 + end, Int(i, 7 + end));
                restored = true;
            }
        }
        if (restored) {
            SetInt(i, 7, 0);
            SetInt(i, 8, 0);
        }
    }
}

FEM_TuetVektori::FEM_TuetVektori() : FEM_OrderedVektori(3, 0, 0) {}

void FEM_TuetVektori::SupportFlags(int node, int* flags) const {
    for (int i = 0; i < 6; ++i) flags[i] = 0;
    for (int i = 0; i < Count(); ++i) {
        if (Int(i, 1) == node) {
            DecodeFlags(Int(i, 2), flags);
            return;
        }
    }
}

FEM_MateriaaliVektori::FEM_MateriaaliVektori() : FEM_OrderedVektori(2, 10, 0, 1) {}

int FEM_MateriaaliVektori::FindEntry(int kind, int number) const {
    for (int i = 0; i < Count(); ++i) {
        if (Int(i, 0) == kind && Int(i, 1) == number) return i;
    }
    return -1;
}

int FEM_MateriaaliVektori::CountGroup(int kind) const {
    int n = 0;
    for (int i = 0; i < Count(); ++i) n += Int(i, 0) == kind ? 1 : 0;
    return n;
}

void FEM_MateriaaliVektori::RemoveGroup(int kind) {
    for (int i = Count() - 1; i >= 0; --i) {
        if (Int(i, 0) == kind) Remove(i);
    }
}

FEM_KytkennatVektori::FEM_KytkennatVektori() : FEM_OrderedVektori(4, 0, 0) {}

int FEM_KytkennatVektori::AddGeneratedCoupling(int dependent, int master, int code) {
    const int fields[4] = {NextGeneratedNumber(*this), dependent, master, code};
    Add(nullptr, nullptr, fields);
    return fields[0];
}

void FEM_KytkennatVektori::RemoveGeneratedCouplings() { RemoveAbove(*this, kGeneratedNumberThreshold); }

bool FEM_KytkennatVektori::IsDependentNode(int node) const {
    for (int i = 0; i < Count(); ++i) {
        if (Int(i, 1) == node) return true;
    }
    return false;
}

int FEM_KytkennatVektori::DependentOf(int master, int coupling, int* flags) const {
    if (coupling < 0 || coupling >= Count() || Int(coupling, 2) != master) return -1;
    DecodeFlags(Int(coupling, 3), flags);
    return Int(coupling, 1);
}

}  // namespace kirvos
