#pragma once
// The project model: the one object that holds everything the program knows (the project input,
// the catalogues read from the data files beside the program, the two analysis models and all
// results) and the start-up procedure that reads those data files. Exactly one exists for the
// program's lifetime; new projects and opened project files refill it in place.
//
// Units: lengths mm, surface loads kN/m2, point loads kN; inside the analysis N and N*mm per metre
// of sheet width.

#include <string>
#include <string_view>
#include <vector>

#include "fem/fem_model.h"
#include "project/connection_result_vector.h"
#include "project/design_result_vector.h"
#include "project/element_vector.h"
#include "project/envelope_vector.h"
#include "project/fastener_vector.h"
#include "project/load_vector.h"
#include "project/profile_catalogue.h"
#include "project/sheet_part_vector.h"
#include "project/span_vector.h"
#include "project/standard_vector.h"
#include "project/steel_grade_vector.h"
#include "project/support_vector.h"
#include "records/language_dictionary.h"
#include "records/number_vectors.h"
#include "records/record_vector.h"
#include "records/sectioned_text.h"

namespace kirvos {

class KAIKKI_data {
public:
    // Builds every table and reads the start-up data files from the folder of programPath (the
    // absolute path of the executable). A path without a separator reads no data file: the model
    // then holds empty catalogues, "NO TEXT" texts and the default structure.
    explicit KAIKKI_data(const std::string& programPath);
    KAIKKI_data(const KAIKKI_data&) = delete;
    KAIKKI_data& operator=(const KAIKKI_data&) = delete;

    // Path of the data file name in the program folder, or "" when the program path has no
    // separator or name is not a bare file name. Every data file the model reads or writes goes
    // through here.
    std::string DataFilePath(std::string_view name) const;

    // Reloads the user-interface texts lang00N.dat (N = UiLanguage) when ui is 1 and the report
    // texts lang10N.dat (N = ReportLanguage) when report is 1. A missing file keeps the old texts.
    void LoadLanguageFiles(int ui, int report);
    // Reads steelgrades.dat and fasteners.dat (each only when present; a catalogue with records
    // selects its first entries), then the profile catalogue of StandardIndex.
    void LoadCatalogues();
    // Empties Profiles, then reads profiles<standardIndex + 1>.dat (when present) and the
    // profiles' data files.
    void LoadProfiles(int standardIndex);

    // File name of the snow-load place list of the selected standard and annex into buffer (emptied
    // first); true when the name is longer than 3 characters.
    bool SnowPlaceFileName(std::string& buffer) const;
    // Path of that place list in the program folder; "" when there is none or it does not exist.
    std::string SnowPlaceFilePath() const;

    // Path of help document n: the n-th text of user-interface group 304, or its first text when the
    // group has fewer than n texts or the named file does not exist. The file lies in the program
    // folder. Returns false (path emptied) when the document chosen does not exist. Opening it is
    // left to the user interface.
    bool HelpDocumentPath(int document, std::string& path) const;

    // Writes WindowLayout to defaults.dat, only when that file exists and may be written: 0 written,
    // -1 nothing written.
    int SaveWindowLayout();
    // Writes a new user.dat holding only group 11 with the designer lines (an empty line written as
    // a blank), only when user.dat exists and may be written: 0 written, -1 nothing written.
    int SaveUserDefaults(const std::vector<std::string>& designerLines) const;

    // The default structure of a new project: spans "uloke" 0, "Aukko" 6000, "uloke" 0 and two
    // 50 mm wide supports; the table selections become -1.
    void SetDefaultStructure();
    // Diaphragm parameters cleared and set to their defaults (key 23 depends on StandardIndex).
    void ResetDiaphragmParameters();
    // Snow shape coefficient of the selected standard: 0.8 for a standard other than index 0.
    double DefaultSnowShapeFactor() const { return StandardIndex != 0 ? 0.8 : 1.0; }

    // ---- Sheet geometry, project file and new project (sheet_geometry.cpp, project_file.cpp,
    //      new_project.cpp) ----
    // Sheet geometry and project file: sheet_geometry.cpp, project_file.cpp, new_project.cpp
    //
    // The joint zone nearest to the right of x (mm): zoneStart and zoneEnd strictly right of x with
    // the smallest end, among the support joints (types 1 to 8) and span joints (types 1 to 3).
    // fullZones 1 gives the whole overlap; 0 narrows each zone by 25 mm at both ends or collapses it
    // to the joint point, as the analysis couples the sheets. aPoint and bPoint: where the sheet
    // ending in the zone stops bearing and the next one starts (the zone's end and start unless the
    // joint says otherwise). With no zone beyond x both ends are the total length. Returns 1 when the
    // zone is the second zone of a two-zone support joint (type 6, asked from its first zone's
    // start), else 0.
    int NextJoint(double x, double& zoneEnd, double& zoneStart, double& aPoint, double& bPoint,
                  int fullZones) const;
    // Start S and end E of the sheeting (mm): 0 and the total length, or beyond them by half a
    // support's width when that half is more than the cantilever at that end.
    double SheetingStart() const;
    double SheetingEnd() const;
    // Lays out SheetParts: the sheet lengths from joint to joint, then the support pieces. reset 1
    // first empties the working text and the two working selections.
    void BuildSheetParts(int reset);
    // Adds the start and end of every element to positions (its tolerance decides duplicates).
    void CollectElementPositions(DOFlukuvektori& positions) const;

    // Reads a project file (.ws1). Returns 0, or the negative code of the first failing group, with
    // its message in message ("Unknown error" on success). The project is taken over only when the
    // whole file reads without error; after a failure the open project is unchanged.
    int ReadProjectFile(const std::string& fileName, std::string& message);
    // Opens a project file as the main window and the command line do: ReadProjectFile, and on
    // success the profile catalogue is reloaded when the standard changed and every window is listed
    // in RefreshList. Same result and message as ReadProjectFile.
    int OpenProjectFile(const std::string& fileName, std::string& message);
    // Writes the project to fileName (which becomes the current file name on success). The file is
    // written beside the target and renamed over it, so a failed save leaves the old file intact.
    // Returns 0, or -1 when the file could not be written.
    int WriteProjectFile(const std::string& fileName);
    // The project file as text, group by group, from the model (what WriteProjectFile saves).
    void BuildProjectText(CSVTiedosto& text) const;
    // The current project file name ("" after a new project).
    const std::string& CurrentFileName() const { return ProjectText.FileName(); }

    // A new project: default structure, loads and diaphragm data, empty project information and
    // file name, no sheet parts, results invalid, every window listed in RefreshList. Standard,
    // annex, structure type and class and the deflection limits stay.
    void NewProject();
    // Lists the six child windows (1 structure picture to 6 span joints) in RefreshList, in order.
    void RefreshAllWindows();
    // ---- end of sheet geometry, project file and new project ----

    FEM_kaikki UltimateModel;              // analysis model of the ultimate-limit-state combinations
    FEM_kaikki ServiceModel;               // analysis model of the serviceability combinations
    ElementtiVektori Elements;             // analysis elements of the sheeting
    PiirtoOsatVektori SheetParts;          // sheet lengths and support pieces; saved with the project
    VerhoKayratVektori ServiceEnvelope;    // deflection envelope
    VerhoKayratVektori UltimateEnvelope;   // moment and shear envelope
    MitoitusTulosVektori DesignResults;    // sheet check results
    LiitosTulosVektori ConnectionResults;  // connection check results
    DOFlukupariJoukko UltimateCombinations;  // load combinations, ultimate limit state
    DOFlukupariJoukko ServiceCombinations;   // load combinations, serviceability
    CSVTiedosto LanguageTable;             // languages.dat
    KieliSanasto Texts;                    // user-interface and report texts
    DOFvektori WindowLayout;               // window positions (defaults.dat); 1 text, 5 int, 5 real
    int RefreshList[20] = {};              // codes of the windows to rebuild on the next refresh
    JanneVektori Spans;                    // spans and cantilevers
    TukiVektori Supports;                  // supports
    KuormaVektori Loads;                   // loads and the basic load values
    LujuusluokkaVektori SteelGrades;       // steel grade catalogue
    KiinnikeVektori Fasteners;             // fastener catalogue
    ProfiilitVektori Profiles;             // sheet profile catalogue of the selected standard
    CSVTiedosto UserData;                  // designer (group 11) and project (group 12) information
    NormiVektori Standards;                // standards.dat and the factors in use
    DOFlukuparivektori DiaphragmParameters;  // keyed parameters of the diaphragm calculation
    CSVTiedosto ProjectText;               // the project file while read or written; its name is
                                           // the current project file name
    std::string ProgramPath;               // absolute path of the program file
    int UiLanguage = 0;                    // N of the user-interface texts lang00N.dat (1-based)
    int ReportLanguage = 0;                // N of the report texts lang10N.dat
    int StandardIndex = 0;                 // design standard (0-based line of the standards list)
    int AnnexIndex = 1;                    // national annex of the standard (0-based)
    int StructureType = 0;   // 0 insulated roof, 1 roof whose sheet is the waterproofing, 2 wall,
                             // 3 intermediate floor, 4 own structure
    int RoofKind = 0;                      // 0 or 1 with structure types 0 and 1; saved only
    int StructureClass = 0;                // 0 primary, 1 secondary structure
    int DeflectionLimitMode = 0;           // 0 limit by the standard, 1 own limit
    int DiaphragmOn = 0;                   // 1 when diaphragm action is taken into account
    int PerforatedWeb = 0;                 // 1 when profiles with a perforated web are used
    double OwnDeflectionLimit = 300.0;     // own deflection limit, divisor n of L/n
    double RoofSlope = 0.0;                // slope from the horizontal, degrees
    double ShortPieceLength = 300.0;       // length of a short support piece, mm
    double CantileverDeflectionThreshold = 2.0;  // cantilever deflection tested above this, mm
    double CantileverDeflectionLimit = 100.0;    // cantilever deflection limit, divisor n of L/n
    int ResultsValid = 0;                  // 1 after a successful calculation, 0 after any change

private:
    void ReadStartupData();
    void ReadLanguageTable();
    void ReadUserData();
};

}  // namespace kirvos
