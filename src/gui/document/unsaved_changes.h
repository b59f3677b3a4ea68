#pragma once

#include <QObject>

namespace vexa {

class ScenarioView;

// Whether the document holds changes that are not in its file: every edit of a pane, a
// field or a box counts, by the user or by a command; reading a file (Open, Revert), New
// and Save make the document saved again.
class UnsavedChanges final : public QObject {
    Q_OBJECT
public:
    explicit UnsavedChanges(ScenarioView& document, QObject* parent = nullptr);

    bool isModified() const { return modified_; }
    // The document is what its file holds (or, new, holds nothing yet).
    void markSaved();
    // The document holds what no file holds, though nothing was edited (a restored copy).
    void markModified();

Q_SIGNALS:
    // An edit of the document shown, not its replacement.
    void edited();
    void modifiedChanged(bool modified);

private:
    void follow(ScenarioView& document);
    void documentEdited();
    void setModified(bool modified);

    bool modified_ = false;
    bool replacing_ = false;
};

} // namespace vexa
