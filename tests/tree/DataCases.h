#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "tree/TreeTestSupport.h"

namespace rw::test {

// The cases of a folder of tests/data: each NAME.ini, given as its path
// without ".ini", with one file beside it per suffix. A missing one, a file
// of no case and an empty folder are failures.
inline std::vector<std::string> DataCases(const std::string& folder,
                                          std::initializer_list<const char*> suffixes) {
    const std::vector<std::string> files = Entries(folder);
    std::vector<std::string> bases;
    for (const std::string& file : files) {
        if (file.ends_with(".ini")) {
            bases.push_back(folder + file.substr(0, file.size() - 4));
            for (const char* suffix : suffixes) {
                EXPECT_TRUE(std::filesystem::exists(bases.back() + suffix))
                    << bases.back() << suffix << " is missing";
            }
        }
    }
    EXPECT_TRUE(!bases.empty() && files.size() == bases.size() * (1 + suffixes.size()))
        << folder << ": a file is no case";
    return bases;
}

}  // namespace rw::test
