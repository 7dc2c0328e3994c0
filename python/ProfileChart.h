// A profile panel made from numpy columns or a profile file: positions along
// a survey line and one curve a profile, with axes and a legend.
#pragma once

#include "ArrayLike.h"
#include "Chart.h"

#include "profile/ProfilePanel.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pytarnex {

class ProfileChart : public Chart {
public:
    // Lays the panel out over the table (checked by the caller).
    explicit ProfileChart(ProfileTable table);
    // values: one profile as a 1-D array, or several as a 2-D array of one
    // row a profile (or a sequence of 1-D arrays), each as long as x.
    static std::unique_ptr<ProfileChart> FromArrays(const ArrayLike& x, const ArrayLike& values,
                                                    std::optional<std::vector<std::string>> names);
    static std::unique_ptr<ProfileChart> FromFile(const std::filesystem::path& path);

    const ProfileTable& Table() const { return m_table; }

protected:
    void Draw(CDC* dc) override;

private:
    ProfileTable m_table;
    CRectProf m_panel;
};

}  // namespace pytarnex
