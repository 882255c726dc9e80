#include "pages/GeneralPage.h"

#include <QTextOption>

#include "ui_GeneralPage.h"

namespace rw {

GeneralPage::GeneralPage(GeneralForm& form, Dialogs& dialogs, QWidget* parent)
    : FormPage(form, dialogs, parent), ui(std::make_unique<Ui::GeneralPage>()) {
    ui->setupUi(this);
    // Long credits and notes wrap between words; Enter never reaches them.
    for (QPlainTextEdit* edit : {ui->creditsEdit, ui->notesEdit}) {
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit->setWordWrapMode(QTextOption::WordWrap);
    }
    BindKeys();
    // Nothing can be edited before a car is open.
    EnableFields(false);
}

GeneralPage::~GeneralPage() = default;

void GeneralPage::FillFromTree(const ConfigTree& tree) {
    FormPage::FillFromTree(tree);
    EnableFields(true);
}

void GeneralPage::EnableFields(bool enabled) {
    // Texts always parse, so this take never prompts.
    TakeFields(TakeReason::Action);
    for (QWidget* field :
         std::initializer_list<QWidget*>{ui->nameEdit, ui->yearEdit, ui->versionEdit, ui->idEdit,
                                         ui->creditsEdit, ui->notesEdit}) {
        field->setEnabled(enabled);
    }
}

}  // namespace rw
