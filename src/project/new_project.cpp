// A new project: the default structure with no loads, empty project information and no file.
// The design basis (standard, annex, structure type and class, deflection limits) stays as it was.

#include "project/project_model.h"

namespace kirvos {

void KAIKKI_data::NewProject() {
    SheetParts.ResetWorking(" ");
    RoofSlope = 0.0;
    CantileverDeflectionThreshold = 2.0;

    // The project data window shows eight project information lines.
    UserData.ClearGroup(12, 0);
    for (int n = 0; n < 8; ++n) UserData.AppendLine(12, "?");

    SetDefaultStructure();
    Loads.ResetForNewProject(StandardIndex);

    DiaphragmOn = 0;
    ResetDiaphragmParameters();

    ProjectText.Clear();
    ProjectText.SetFileName("");
    SheetParts.Clear();
    ResultsValid = 0;

    RefreshAllWindows();
}

void KAIKKI_data::RefreshAllWindows() {
    for (int i = 0; i < 20; ++i) RefreshList[i] = i < 6 ? i + 1 : 0;
}

}  // namespace kirvos
