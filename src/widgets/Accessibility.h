#pragma once

class QWidget;

namespace rw {

// Names what a screen reader cannot take from a label: the arrows of every
// number field under `root` become "Increase <field>" and "Decrease <field>",
// after the name of the field they step.
void NameStepArrows(QWidget* root);

}  // namespace rw
