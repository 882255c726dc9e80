#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/Cli.h"

namespace {

TEST(ReportTest, FiguresAndGearingAsTextAndJson) {
    // Front drive on 0.3 m wheels; a differential of 3 behind gears of 2 and 1.
    const std::string path = ::testing::TempDir() + "rigwright-report.ini";
    std::ofstream(path) << "car\n{\nwheels=4\n}\nwheel0\n{\nradius=0.3\n}\nwheel1~wheel0\n{\n}\n"
                           "susp0\n{\nx=-0.8\nz=1\n}\nsusp1\n{\nx=0.8\nz=1\n}\n"
                           "susp2\n{\nx=-0.8\nz=-1.5\n}\nsusp3\n{\nx=0.8\nz=-1.5\n}\n"
                           "gearbox\n{\ngears=2\ngear0\n{\nratio=2\n}\ngear1\n{\nratio=1\n}\n}\n"
                           "differential\n{\nratio=3\noutput0=0\noutput1=1\n}\n"
                           "engine\n{\nmax_rpm=6000\nshifting\n{\nshift_up_rpm=5400\n}\n}\n";
    const auto run = [](std::vector<std::string> args, int status) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(rw::RunCli(args, out, err), status);
        return out.str();
    };
    EXPECT_EQ(run({"report", path}, 0),
              "Front Weight Distribution: 60.00 %\nWheelbase: 2.500 m\n"
              "Track Width (Front): 1.600 m\nTrack Width (Rear): 1.600 m\n\n"
              "Gearing (speeds in km/h):\n"
              "Gear  Ratio  Overall  At Shift Up @  At Max RPM  RPM after upshift\n"
              "   1      2        6          101.8       113.1               2700\n"
              "   2      1        3          203.6       226.2\n");
    EXPECT_EQ(run({"report", path, "--json"}, 0),
              "{\"frontWeightDistribution\":60.00,\"wheelbase\":2.500,\"frontTrack\":1.600,"
              "\"rearTrack\":1.600,\"gears\":[{\"gear\":1,\"ratio\":2,\"overall\":6,"
              "\"atShiftUp\":101.8,\"atMaxRpm\":113.1,\"rpmAfterUpshift\":2700},{\"gear\":2,"
              "\"ratio\":1,\"overall\":3,\"atShiftUp\":203.6,\"atMaxRpm\":226.2,"
              "\"rpmAfterUpshift\":null}]}\n");
    EXPECT_EQ(run({"report", "--json", path + ".missing"}, 2), "");
}

}  // namespace
