#pragma once
// Properties of one sheet part for the rest of the calculation, read from the selected profile's
// value table at the part's thickness line and scaled by how far the part is doubled.
// Sheet parts are addressed by part number (integer 0 of SheetParts, above 0), except Thickness,
// which takes the record index.

namespace kirvos {

class KAIKKI_data;
class ProfiiliArvot;
class PiirtoOsatVektori;

// Value table of the profile chosen in Profiles; null when none is chosen or it has no data.
const ProfiiliArvot* SelectedProfileData(const KAIKKI_data& model);

// Index in SheetParts of the first record with that part number (above 0); -1 when none.
int SheetPartIndex(const PiirtoOsatVektori& parts, int partNumber);

// Thickness line of the record: integer 2 without its sign, 0 taken as line 1.
int ThicknessLine(const PiirtoOsatVektori& parts, int index);

// After a calculation, as the design button does: every sheet-part record whose thickness line
// (integer 2, 1-based) lies in the selected profile's thickness list gets that thickness's name as
// its label (text 0), which the tables and the report show. Records with no thickness chosen keep
// their label.
void NameSheetThicknesses(KAIKKI_data& model);

// Multiplier of stiffness and resistance for layer setting w (-1 fully doubled, 0 single sheet,
// n > 0 extra layers) with coveringWidth / ribPitch ribs per sheet.
double DoublingMultiplier(int w, double coveringWidth, double ribPitch);
// Multiplier of the self weight for the same setting.
double LayerFactor(int w, double coveringWidth, double ribPitch);

// Effective second moment of area of the part for the analysis, mm4 per metre of width, divided by
// the stiffness factor of the standard (FactorGrid[0][3]). 0 when there is no such part.
double SectionStiffness(const KAIKKI_data& model, int partNumber);
// Self weight of the part: mode 2 kN/m2 (N/mm on a 1 m strip), mode 3 kg per metre of one sheet,
// other modes kg/m2. 0 without a covering width or rib pitch, or without such a part.
double SheetWeight(const KAIKKI_data& model, int partNumber, int mode);
// Allowed deflection in mm of a span of length L mm (0 = no check).
double DeflectionLimit(const KAIKKI_data& model, double L, bool cantilever);
// Sum of the core thicknesses (mm) of all sheet parts whose extent holds x strictly inside.
double TotalThickness(const KAIKKI_data& model, double x);
// Core thickness t (mm) of the sheet part record at index; 0 outside the table or for a record that
// is not a sheet part.
double Thickness(const KAIKKI_data& model, int partIndex);

}  // namespace kirvos
