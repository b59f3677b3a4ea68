#pragma once

#include "core/recovery/copy_schedule.h"
#include "core/recovery/recovery_store.h"
#include "gui/document/scenario_view.h"

#include <QObject>
#include <QString>

#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QTimer;

namespace vexa {

class UnsavedChanges;

// The text of a copy made a document again, as Open makes a file one: read by the reader,
// in UTF-8.
DocumentText documentTextOfCopy(const std::string& text);
// A document as Save would write it, in UTF-8: every character survives.
std::string copyTextOf(const DocumentText& text);

// Keeps a recovery copy of the document while it holds unsaved changes. The copy is
// written a little after the typing pauses (CopySchedule): the document's text is taken
// on the GUI thread, made bytes and written on a thread of its own, one write at a time.
// A replaced document's copy stays, held by this editor, until a later run or the
// recovery window takes it; Save removes the copy of the document it saves.
class RecoveryKeeper final : public QObject {
    Q_OBJECT
public:
    // sourceFile gives the file the document shown came from (empty for none); tell shows
    // a word in the status bar. Without a folder (or with one refused) no copy is kept.
    RecoveryKeeper(ScenarioView& document, UnsavedChanges& changes, std::function<QString()> sourceFile,
                   std::function<void(const QString&)> tell, const std::optional<std::string>& folder,
                   QObject* parent = nullptr);
    // Waits for the write in flight. The document is gone by then: its owner calls
    // writeNow() first, so that quitting keeps the unsaved work.
    ~RecoveryKeeper() override;

    bool isOn() const { return store_ != nullptr; }
    // The copy of the document shown (it may not be written yet); empty without one.
    const std::string& currentCopy() const { return currentCopy_; }

    // Start-up's tidying of the folder, and of the folders of the files the copies came from.
    void tidy();
    // The copies the recovery window offers, newest first.
    std::vector<StoredCopy> restorable();
    std::variant<RecoveryCopy, RecoveryDamage> read(const std::string& copyPath);
    // Takes a copy as the one of the document about to be shown; its new name, or
    // nothing when another editor took it first.
    std::optional<std::string> take(const std::string& copyPath);
    // The document shown now is the taken copy's.
    void continueCopy(const std::string& copyPath, const RecoveryHeader& header);
    // Deletes a copy; false when it is gone or another running editor holds it.
    bool discard(const std::string& copyPath);

    // The document was saved: its copy goes.
    void documentSaved();
    // Writes now what the copy lacks, and waits for every write.
    void writeNow();
    // Waits for the write in flight.
    void waitForWrites();

private:
    void documentEdited();
    void documentAboutToBeReplaced();
    void armTimer();
    void startWrite();
    void collectWrite();
    bool writeFinished() const;
    void report(const std::optional<FileError>& failure);

    ScenarioView& document_;
    std::function<QString()> sourceFile_;
    std::function<void(const QString&)> tell_;
    std::unique_ptr<RecoveryStore> store_;
    QString refusal_;
    QTimer* timer_;
    CopySchedule schedule_;
    std::string currentCopy_;
    std::int64_t lastChange_ = 0;
    std::future<std::optional<FileError>> writing_;
    bool failureTold_ = false;
};

} // namespace vexa
