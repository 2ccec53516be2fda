#pragma once
// Record tables of the frame model: nodes, members, supports, materials with sections, couplings.
// Field indices below are 0-based per kind (integers, reals), as DOFvektori addresses them.

#include "records/record_vector.h"

namespace kirvos {

// Node and coupling numbers above this belong to records generated while preparing a solve.
inline constexpr int kGeneratedNumberThreshold = 1000000;

// Valid seven-digit release, support and coupling codes: "6" followed by six 0/1 flags.
inline constexpr int kCodeMin = 6000000;
inline constexpr int kCodeMax = 6111111;
inline constexpr int kRigidCode = 6111111;

// Decodes a seven-digit code into six flags (ux, uy, uz, rx, ry, rz).
void DecodeFlags(int code, int* flags);

// Base of the model tables: ordered by the integer key fields given, equal keys in arrival order.
// Every insertion goes through InsertPosition, so the table stays sorted and the position is found by
// binary search.
class FEM_OrderedVektori : public DOFvektori {
public:
    FEM_OrderedVektori(int integers, int reals, int key1, int key2 = -1);
    int InsertPosition(const DOFalkio& record) const override;

private:
    int key1_;
    int key2_;
};

// Group 101. Integers: 0 number. Reals: 0 x, 1 y, 2 z.
class FEM_SolmuVektori : public FEM_OrderedVektori {
public:
    FEM_SolmuVektori();
    // Index of the first node with the number, -1 if none.
    int FindNode(int number) const;
    // Number of a new node at the coordinates of the given node, -1 if it does not exist. The number is
    // one more than the largest node number, at least 1 000 001.
    int DuplicateNode(int number);
    void RemoveGeneratedNodes();
};

// Group 201. Integers: 0 number, 1 start node, 2 end node, 3 material, 4 section, 5 start release code,
// 6 end release code, 7 saved start node, 8 saved end node. Reals: 0 roll angle in degrees.
class FEM_SauvaVektori : public FEM_OrderedVektori {
public:
    FEM_SauvaVektori();
    int FindMember(int number) const;
    // 1 and the release code when the end (0 start, 1 end) is released in some direction, else 0.
    int EndRelease(int member, int end, int& code) const;
    // Saves the end's node and puts node in its place.
    void ReplaceEndNode(int member, int end, int node);
    // Puts the saved node back at every end standing on a node above threshold; clears the saved fields.
    void RestoreEndNodes(int threshold);
};

// Group 301. Integers: 0 number, 1 node, 2 support code.
class FEM_TuetVektori : public FEM_OrderedVektori {
public:
    FEM_TuetVektori();
    // Sets the six flags to 0, then decodes the code of the first support at the node into them.
    void SupportFlags(int node, int* flags) const;
};

// Groups 501 and 601. Integers: 0 kind (1 material, 2 section), 1 number. Reals 0..9: values 1..10.
// Material: E, G. Section: Iz, Iy, It, A, extra roll angle, shear area y, shear area z.
class FEM_MateriaaliVektori : public FEM_OrderedVektori {
public:
    FEM_MateriaaliVektori();
    int FindEntry(int kind, int number) const;
    int CountGroup(int kind) const;
    void RemoveGroup(int kind);
};

// Group 701. Integers: 0 number, 1 dependent node, 2 master node, 3 coupling code.
class FEM_KytkennatVektori : public FEM_OrderedVektori {
public:
    FEM_KytkennatVektori();
    // Adds a generated coupling and returns its number (numbered like a generated node).
    int AddGeneratedCoupling(int dependent, int master, int code);
    void RemoveGeneratedCouplings();
    bool IsDependentNode(int node) const;
    // The coupling's dependent node when its master is the given node (flags decoded), else -1.
    int DependentOf(int master, int coupling, int* flags) const;
};

}  // namespace kirvos
