#pragma once

#include "core/recovery/recovery_store.h"

#include <QDialog>

#include <functional>
#include <vector>

class QListWidget;
class QPushButton;

namespace vexa {

// What the recovery window lists a copy as: its file's name ("New scenario" for none).
QString recoveredName(const StoredCopy& copy);

// "Recover unsaved work": the copies of work that was never saved, newest first, the first
// selected. Restore opens the selected copy, Discard deletes it once the user confirms,
// Later (Escape) keeps everything. A damaged copy can only be discarded.
class RecoveryWindow final : public QDialog {
    Q_OBJECT
public:
    struct Actions {
        std::function<std::vector<StoredCopy>()> list;
        std::function<void(const StoredCopy&)> restore;
        std::function<void(const StoredCopy&)> discard;  // asks first
    };

    RecoveryWindow(Actions actions, QWidget* parent);

    // Lists the copies again; false when there are none.
    bool refresh();

private:
    const StoredCopy* selected() const;
    void selectionChanged();
    void RecoverRestoreClick();
    void RecoverDiscardClick();

    Actions actions_;
    std::vector<StoredCopy> copies_;
    QListWidget* list_;
    QPushButton* restore_;
    QPushButton* discard_;
};

} // namespace vexa
