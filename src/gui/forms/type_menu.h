#pragma once

#include "core/forms/menu_table.h"

class QLabel;
class QLineEdit;
class QMenuBar;
class QWidget;

namespace vexa {

// A placement form's type menu bar with its type caption label. Choosing an entry writes
// its type code into the type field and its caption into the label, and where the form
// has a spacing field and the entry a default spacing, that spacing into the field. A
// code typed by hand leaves the label as it was.
class TypeMenu {
public:
    TypeMenu(const MenuTable& table, QWidget& form, QLineEdit* typeField, const char* captionName,
             QLineEdit* spacingField = nullptr);

    QMenuBar* bar() const { return bar_; }
    QLabel* caption() const { return caption_; }

    void choose(const MenuItem& entry);

private:
    QLineEdit* typeField_;
    QLineEdit* spacingField_;
    QLabel* caption_;
    QMenuBar* bar_;
};

} // namespace vexa
