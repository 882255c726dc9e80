#include "forms/EditHistory.h"

#include <algorithm>
#include <iterator>

namespace rw {

void EditHistory::Start() {
    for (std::size_t page = 0; page < kPageCount; ++page) {
        baseline[page] = forms.Snapshot(static_cast<PageId>(page));
    }
    steps.clear();
    done = 0;
    stepBytes = 0;
}

bool EditHistory::Record(StepPlace place) {
    Step step;
    for (FormValues& last : baseline) {
        if (last.values == nullptr || !forms.Differs(last)) {
            continue;
        }
        FormValues now = forms.Snapshot(last.page);
        // Undoing shows the wheels or the wing the change was made on.
        step.before.push_back(forms.WithSelectionOf(last, now));
        step.bytes += last.bytes + now.bytes;
        last = now;
        step.after.push_back(std::move(now));
    }
    if (step.after.empty()) {
        return false;
    }
    step.place = std::move(place);
    // A new step ends the steps that were undone.
    for (auto it = steps.begin() + static_cast<std::ptrdiff_t>(done); it != steps.end(); ++it) {
        stepBytes -= it->bytes;
    }
    steps.erase(steps.begin() + static_cast<std::ptrdiff_t>(done), steps.end());
    stepBytes += step.bytes;
    steps.push_back(std::move(step));
    done = steps.size();
    Trim();
    return true;
}

std::optional<EditHistory::Moved> EditHistory::Undo() {
    if (done == 0) {
        return std::nullopt;
    }
    const Step& step = steps[--done];
    return Apply(step, step.before);
}

std::optional<EditHistory::Moved> EditHistory::Redo() {
    if (done == steps.size()) {
        return std::nullopt;
    }
    const Step& step = steps[done++];
    return Apply(step, step.after);
}

EditHistory::Moved EditHistory::Apply(const Step& step, const std::vector<FormValues>& values) {
    Moved moved{step.place, {}};
    for (const FormValues& form : values) {
        forms.Restore(form);
        baseline[PageIndex(form.page)] = form;
        moved.pages.push_back(form.page);
    }
    return moved;
}

void EditHistory::Trim() {
    std::size_t held = 0;
    for (const FormValues& form : baseline) {
        held += form.bytes;
    }
    const std::size_t limit = std::max(kMinBytes, 4 * held);
    // The last step always stays, however large.
    while (stepBytes > limit && steps.size() > 1 && done > 1) {
        stepBytes -= steps.front().bytes;
        steps.pop_front();
        --done;
    }
}

}  // namespace rw
