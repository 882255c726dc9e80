#pragma once

#include <memory>

#include "widgets/PageView.h"

class QLineEdit;

namespace Ui {
class SoundsPage;
}

namespace rw {

class SoundsForm;

// The engine and skid samples.
class SoundsPage : public PageView {
    Q_OBJECT

public:
    SoundsPage(SoundsForm& form, Dialogs& dialogs, QWidget* parent = nullptr);
    ~SoundsPage() override;

    void FillFromTree(const ConfigTree& tree) override;
    void StoreToTree(ConfigTree& tree) override;

private:
    void Pick(QLineEdit* edit, bool engine);

    SoundsForm& form;
    std::unique_ptr<Ui::SoundsPage> ui;
};

}  // namespace rw
