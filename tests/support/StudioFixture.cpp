#include "support/StudioFixture.h"

#include "TestSupport.h"

#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

namespace testsupport {

StudioFixture::StudioFixture(Open open, Modelled modelled) : dir(tempDir()), sounding(dir + "/s.dat"), model(dir + "/m.txt")
{
    w.onError = [this](const CString& m) { errors.push_back(m.str()); };
    w.onQuestion = [this](const CString& q) {
        asked.push_back(q.str());
        return answer;
    };
    if (open == Open::SoundingAndModel) {
        std::ofstream(sounding) << "1 50 40 55 45\n10 250 200 240 210\n100 400 300 380 320\n1000 500 350 480 360\n";
        std::ofstream(model) << "10 100\n20 10\n300\n";
        EXPECT_TRUE(w.OpenSounding(sounding.c_str()));
        EXPECT_TRUE(w.OpenModel(model.c_str()));
    }
    if (modelled == Modelled::FromFile)
        w.ShowFileModelled(true);
    w.show();
}

void StudioFixture::activate()
{
    w.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
}

}  // namespace testsupport
