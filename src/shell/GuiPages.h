#pragma once

#include "document/PageProtocol.h"
#include "shell/PageRegistry.h"

namespace rw {

class FormSet;

// The page protocol of the editor: each page fills and stores through its
// view, so the controls and the form stay in step.
class GuiPages : public PageProtocol {
public:
    explicit GuiPages(FormSet& forms) : forms(forms) {}

    void SetViews(const PageViews& pageViews) { views = pageViews; }

    void FillAll(const ConfigTree& tree) override;
    void StoreAll(ConfigTree& tree) override;
    void EnableFields(bool enabled) override;
    std::string SaveWarnings() const override;
    void ResetAll() override;
    // Takes every page's controls first, without a prompt.
    std::optional<std::uint64_t> StoredState() override;

private:
    FormSet& forms;
    PageViews views{};
};

}  // namespace rw
