#include "project/profile_catalogue.h"

#include "project/data_path.h"
#include "project/record_order.h"

namespace kirvos {

ProfiilitVektori::ProfiilitVektori(int capacity, int increment) : DOFvektori(capacity, increment) {
    DefineFields(3, 5, 5);
}

int ProfiilitVektori::InsertPosition(const DOFalkio& record) const {
    const int group = record.Int(0);
    return AfterLastNotAbove(Count(), [&](int i) { return Int(i, 0) <= group; });
}

void ProfiilitVektori::LoadProfileData(const std::string& programPath) {
    data_.clear();
    data_.resize(static_cast<std::size_t>(Count()));
    for (int i = 0; i < Count(); ++i) {
        const char* name = Text(i, 1);
        const std::string path = DataFilePath(programPath, name ? name : "");
        if (!DataFileExists(path)) continue;
        auto data = std::make_unique<ProfiiliArvot>();
        // A profile without thicknesses cannot be designed with: it keeps no data.
        if (data->LoadFile(path) == 0 && data->LineCount(11) > 0) data_[static_cast<std::size_t>(i)] = std::move(data);
    }
    if (SelectedProfile >= Count()) SelectedProfile = 0;
}

const ProfiiliArvot* ProfiilitVektori::ProfileData(int i) const {
    if (i < 0 || i >= static_cast<int>(data_.size())) return nullptr;
    return data_[static_cast<std::size_t>(i)].get();
}

int ProfiilitVektori::CountInGroup(int group) const {
    if (group < 0) return Count();
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        if (Int(i, 0) == group) ++n;
    return n;
}

int ProfiilitVektori::FirstInGroup(int group) const {
    for (int i = 0; i < Count(); ++i)
        if (group < 0 || Int(i, 0) == group) return i;
    return -1;
}

int ProfiilitVektori::FindByName(const std::string& name, int language) const {
    for (int i = 0; i < Count(); ++i) {
        const ProfiiliArvot* data = ProfileData(i);
        const char* shown = nullptr;
        if (data && language >= 1 && data->LineCount(1) >= language) shown = data->Line(1, language);
        else shown = Text(i, 0);
        if (shown && name == shown) return i;
    }
    return 0;
}

bool ProfiilitVektori::HasProfileFor(int structureType) const {
    for (int i = 0; i < Count(); ++i)
        if (Int(i, 0) == 1 && SuitsStructureType(ProfileData(i), structureType)) return true;
    return false;
}

}  // namespace kirvos
