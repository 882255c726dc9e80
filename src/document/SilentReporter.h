#pragma once

#include "document/Reporter.h"

namespace rw {

// Drops every report, for reads and writes whose messages nobody is to see.
class SilentReporter : public Reporter {
public:
    void Show(const Report& /*report*/) override {}
};

}  // namespace rw
