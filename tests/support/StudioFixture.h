// A studio window as the studio tests drive it: errors and questions
// collected instead of shown, a temporary folder, and a small sounding
// (s.dat) and layered model (m.txt) open unless asked otherwise.
#pragma once

#include "StudioWindow.h"

#include "platform/core/afxmsg.h"

#include <string>
#include <vector>

namespace testsupport {

struct StudioFixture {
    enum class Open { SoundingAndModel, Nothing };
    // The sounding's modelled curves: the model's response (live), or the
    // file's own columns.
    enum class Modelled { Live, FromFile };

    StudioWindow w;
    std::vector<std::string> errors, asked;
    int answer = IDCANCEL;  // what every question is answered
    std::string dir;
    std::string sounding, model;

    explicit StudioFixture(Open open = Open::SoundingAndModel, Modelled modelled = Modelled::Live);
    // The window shown and active, as a user's desktop leaves it.
    void activate();
};

}  // namespace testsupport
