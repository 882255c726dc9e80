#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "forms/FormSet.h"

namespace rw {

// Where a step was made: the page and the field (its object name) to show
// and focus when it is undone or redone.
struct StepPlace {
    PageId page{};
    std::string field;
};

// The undo history of one document. A step is the values of the forms it
// changed, before and after; the views show them again as a refresh does,
// so nothing is copied of widgets or of the tree. The history keeps every
// step while it holds less than kMinBytes or four times what the forms
// hold, whichever is more, dropping the oldest beyond that.
class EditHistory {
public:
    // A real car's forms hold a few kilobytes, so this is thousands of steps.
    static constexpr std::size_t kMinBytes = std::size_t{16} << 20;

    explicit EditHistory(FormSet& forms) : forms(forms) {}

    // A new history from the forms as they are (after a Load or New).
    void Start();
    // Makes one step of every form that a save would now write otherwise
    // than at the last step; false when none would.
    bool Record(StepPlace place);

    struct Moved {
        StepPlace place;
        std::vector<PageId> pages;  // the forms put back
    };
    // Puts the forms back as they were before the last step, or after the
    // next one; nothing when there is none.
    std::optional<Moved> Undo();
    std::optional<Moved> Redo();

    std::size_t UndoCount() const { return done; }
    std::size_t RedoCount() const { return steps.size() - done; }
    std::size_t Bytes() const { return stepBytes; }

private:
    struct Step {
        StepPlace place;
        std::vector<FormValues> before;
        std::vector<FormValues> after;
        std::size_t bytes = 0;
    };
    Moved Apply(const Step& step, const std::vector<FormValues>& values);
    void Trim();

    FormSet& forms;
    std::array<FormValues, kPageCount> baseline;
    std::deque<Step> steps;
    std::size_t done = 0;  // steps[0, done) are in effect
    std::size_t stepBytes = 0;
};

}  // namespace rw
