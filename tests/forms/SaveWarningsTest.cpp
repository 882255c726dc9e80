#include <gtest/gtest.h>

#include <limits>

#include "document/SaveCheck.h"
#include "forms/FormSet.h"
#include "forms/SaveWarnings.h"

namespace rw {
namespace {

// The checks on car files are the cases "check-..." of tests/data/cli. Only
// typing reaches these: a positive reverse ratio (a file's gear with one is a
// forward gear) and a torque curve named by blanks, which is a name.
TEST(SaveWarningsTest, WhatOnlyTypedValuesReach) {
    FormSet forms;
    forms.Engine().curveTorque = " ";
    forms.General().id = forms.General().version = "x";
    forms.Driveline().ratio = 1;
    EXPECT_EQ(SaveWarnings(forms), "");
    forms.Gearbox().reverseRatio = std::numeric_limits<float>::denorm_min();
    EXPECT_EQ(SaveWarnings(forms), "Reverse Gear ratio should be negative.\n");
}

TEST(SaveWarningMessageTest, WrapsTheLines) {
    EXPECT_EQ(SaveWarningMessage("One.\nTwo.\n"),
              "The following warnings occurred:\n\nOne.\nTwo.\n\n\nDo you still want to save?\n");
}

}  // namespace
}  // namespace rw
