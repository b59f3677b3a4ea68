#pragma once

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <optional>
#include <vector>

class QLineEdit;
class QWidget;

namespace vexa {

// The fields of a dialog that places a row of things from a first to a last cell, and
// how it reads a spacing that is no number.
struct RunFields {
    QLineEdit* first = nullptr;
    QLineEdit* last = nullptr;
    QLineEdit* spacing = nullptr;
    std::int32_t spacingFallback = 0;
};

// The placement and decoration dialogs, so that dragging on the map can fill the
// positions of the one the user works with: the shown dialog activated most recently.
class RunDialogs final : public QObject {
    Q_OBJECT
public:
    explicit RunDialogs(QObject* parent = nullptr);

    void add(QWidget& dialog, RunFields fields);

    // The shown dialog activated (or shown) most recently; nothing while none is shown.
    QWidget* current() const;
    // The cells a run from first to last fills with the current dialog's spacing, in
    // order; nothing when no dialog is shown or its spacing would be refused.
    std::optional<std::vector<std::int32_t>> runCells(std::int32_t first, std::int32_t last) const;
    // Writes first into the current dialog's first position (which mirrors it into the
    // last), then last into its last position, as typing would. False without a dialog.
    bool fill(std::int32_t first, std::int32_t last);
    // Whether the current dialog's spacing field is empty, which Create refuses.
    bool spacingMissing() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QPointer<QWidget> dialog;
        RunFields fields;
    };
    const Entry* currentEntry() const;

    std::vector<Entry> entries_;  // the dialog activated most recently last
};

} // namespace vexa
