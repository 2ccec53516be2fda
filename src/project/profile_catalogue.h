#pragma once
// The catalogue of sheet profiles of one design standard (profiles1.dat for standard index 0,
// profiles2.dat for 1) and the data file of each profile.
//
// Record (3 texts, 5 integers, 5 reals): text 0 profile name (used when the data file has no name
// in the current language); text 1 the profile's data file name; text 2 its product picture file
// name, both in the program folder; integer 0 profile group (0 ordinary, 1 perforated web);
// integer 1 number of an information text of user-interface group 431 (0 none); the rest unused.
// Records are kept ascending by group, each group in file order.

#include <memory>
#include <string>
#include <vector>

#include "project/profile_data.h"
#include "records/record_vector.h"

namespace kirvos {

class ProfiilitVektori : public DOFvektori {
public:
    ProfiilitVektori(int capacity, int increment);
    ProfiilitVektori(const ProfiilitVektori&) = delete;
    ProfiilitVektori& operator=(const ProfiilitVektori&) = delete;

    int InsertPosition(const DOFalkio& record) const override;

    // Reads every profile's data file from the program folder of programPath, replacing the
    // previous data; a missing file or one without thicknesses (group 11) leaves no data for that
    // profile. A SelectedProfile not below the number of profiles becomes 0.
    void LoadProfileData(const std::string& programPath);
    // Data of profile i, or null when it has none (every reader tests for null).
    const ProfiiliArvot* ProfileData(int i) const;
    // Entries of the profile data array (the number of profiles at the last LoadProfileData).
    int ProfileDataCount() const { return static_cast<int>(data_.size()); }

    // Profiles of the group (all of them for group < 0).
    int CountInGroup(int group) const;
    // Index of the first profile of the group, or -1.
    int FirstInGroup(int group) const;
    // Index of the first profile whose display name in the language (line `language` of data group
    // 1 when present, else text 0) equals name; 0 when none matches.
    int FindByName(const std::string& name, int language) const;
    // Whether a perforated-web profile (group 1) with data suits the structure type.
    bool HasProfileFor(int structureType) const;

    // Selected profile, -1 none; saved with the project.
    int SelectedProfile = 0;

private:
    std::vector<std::unique_ptr<ProfiiliArvot>> data_;
};

}  // namespace kirvos
