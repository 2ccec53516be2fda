#pragma once
// Cutting the sheeting into analysis elements.

namespace kirvos {

class KAIKKI_data;

// Empties Elements and its division points and builds them again from the supports, the joint
// zones (narrowed), the long support pieces and the sheet parts. Each sheet part becomes a chain of
// elements between consecutive division points inside its analysis extent, with nodes of its own;
// where it meets an earlier part at the same x the element records that part's node as partner.
void BuildElements(KAIKKI_data& model);

}  // namespace kirvos
