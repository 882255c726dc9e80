#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "forms/WheelSelection.h"
#include "tree/TreeTestSupport.h"

namespace rw::test {

// The row of a selection page's field, found by its key below the entry.
template <typename Values>
std::size_t FieldIndex(SelectionFields<Values> fields, std::string_view key) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (key == fields[i].key.path) {
            return i;
        }
    }
    ADD_FAILURE() << key;
    return 0;
}

}  // namespace rw::test
