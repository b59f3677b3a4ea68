#include "gui/app/recovery_keeper.h"

#include "core/document/reader.h"
#include "core/document/writer.h"
#include "gui/document/unsaved_changes.h"

#include <QFile>
#include <QTimer>

#include <chrono>
#include <ctime>
#include <set>

namespace vexa {

namespace {

// A write still in flight is looked at again this much later, so that no change waits
// for the next keystroke to be copied.
constexpr int kBusyRetryMs = 50;

std::string utf8(const QString& text)
{
    return text.toStdString();
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string folderOfPath(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos || slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

std::string copyTextOf(const DocumentText& text)
{
    Scenario scenario;
    for (std::size_t i = 0; i < kPaneCount; ++i)
        scenario.panes[i] = MemoryPane(utf8(text.panes[i]));
    for (const FieldInfo& field : kFields)
        scenario.field(field.id) = utf8(text.fields[index(field.id)]);
    scenario.flags = text.flags;
    return writeScenario(scenario);
}

DocumentText documentTextOfCopy(const std::string& text)
{
    const Scenario scenario = readScenario(text);
    DocumentText document;
    for (std::size_t i = 0; i < kPaneCount; ++i)
        document.panes[i] = fromUtf8(scenario.panes[i].text());
    for (const FieldInfo& field : kFields)
        document.fields[index(field.id)] = fromUtf8(scenario.field(field.id));
    document.flags = scenario.flags;
    return document;
}

RecoveryKeeper::RecoveryKeeper(ScenarioView& document, UnsavedChanges& changes, std::function<QString()> sourceFile,
                               std::function<void(const QString&)> tell, const std::optional<std::string>& folder,
                               QObject* parent)
    : QObject(parent)
    , document_(document)
    , sourceFile_(std::move(sourceFile))
    , tell_(std::move(tell))
    , timer_(new QTimer(this))
{
    if (!folder) {
        refusal_ = QStringLiteral("neither XDG_STATE_HOME nor HOME names a folder");
    } else {
        auto opened = RecoveryStore::open(*folder);
        if (auto* store = std::get_if<std::unique_ptr<RecoveryStore>>(&opened))
            store_ = std::move(*store);
        else
            refusal_ = QString::fromStdString(std::get<std::string>(opened));
    }
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &RecoveryKeeper::startWrite);
    connect(&changes, &UnsavedChanges::edited, this, &RecoveryKeeper::documentEdited);
    connect(&document, &ScenarioView::aboutToBeReplaced, this, &RecoveryKeeper::documentAboutToBeReplaced);
}

RecoveryKeeper::~RecoveryKeeper()
{
    waitForWrites();
}

void RecoveryKeeper::documentEdited()
{
    if (!store_) {
        // Said once, at the first edit whose copy cannot be kept.
        if (!refusal_.isEmpty())
            tell_(QStringLiteral("No recovery copies: ") + refusal_);
        refusal_.clear();
        return;
    }
    if (currentCopy_.empty())
        currentCopy_ = store_->newCopyPath();
    lastChange_ = static_cast<std::int64_t>(std::time(nullptr));
    schedule_.changed(CopySchedule::Clock::now());
    armTimer();
}

void RecoveryKeeper::armTimer()
{
    const auto due = schedule_.due();
    if (!due)
        return;
    const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(*due - CopySchedule::Clock::now());
    timer_->start(std::max<qint64>(0, wait.count()));
}

// The document shown until now keeps its copy, complete, for the recovery window.
void RecoveryKeeper::documentAboutToBeReplaced()
{
    writeNow();
    currentCopy_.clear();
}

// One write at a time: a copy due while one is written is started once that one is over.
void RecoveryKeeper::startWrite()
{
    if (schedule_.upToDate() || !store_)
        return;
    if (writing_.valid()) {
        if (!writeFinished()) {
            timer_->start(kBusyRetryMs);
            return;
        }
        collectWrite();
    }
    schedule_.copied();
    const QString source = sourceFile_();
    RecoveryHeader header{source.isEmpty() ? std::nullopt : std::optional<std::string>(QFile::encodeName(source).toStdString()),
                          lastChange_, 0};
    writing_ = std::async(std::launch::async, [this, store = store_.get(), path = currentCopy_, header,
                                               text = document_.rawText()]() mutable {
        endLinesAlike(text);
        const std::string bytes = copyTextOf(text);
        header.lineCount = fileLineCountOf(bytes);
        auto failure = store->write(path, header, bytes);
        QMetaObject::invokeMethod(this, &RecoveryKeeper::collectWrite, Qt::QueuedConnection);
        return failure;
    });
}

bool RecoveryKeeper::writeFinished() const
{
    return writing_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

void RecoveryKeeper::collectWrite()
{
    if (!writing_.valid())
        return;
    // The worker asks for this just before it ends: it may not quite have.
    if (!writeFinished()) {
        QTimer::singleShot(kBusyRetryMs, this, &RecoveryKeeper::collectWrite);
        return;
    }
    report(writing_.get());
    // Changes made while the copy was written are due by now, or soon.
    armTimer();
}

void RecoveryKeeper::waitForWrites()
{
    if (writing_.valid()) {
        writing_.wait();
        report(writing_.get());
    }
}

void RecoveryKeeper::writeNow()
{
    waitForWrites();
    timer_->stop();
    startWrite();
    waitForWrites();
}

void RecoveryKeeper::report(const std::optional<FileError>& failure)
{
    if (!failure) {
        failureTold_ = false;
        return;
    }
    if (failureTold_)
        return;
    failureTold_ = true;
    tell_(QStringLiteral("The recovery copy could not be written: ") + QString::fromStdString(failure->text()));
}

void RecoveryKeeper::documentSaved()
{
    waitForWrites();
    timer_->stop();
    schedule_.copied();
    if (store_ && !currentCopy_.empty())
        store_->remove(currentCopy_);
    currentCopy_.clear();
}

void RecoveryKeeper::tidy()
{
    if (!store_)
        return;
    store_->prune(static_cast<std::int64_t>(std::time(nullptr)));
    // A save killed part-way left its temporary file beside the file it saved, whose copy
    // is still here.
    std::set<std::string> folders;
    for (const StoredCopy& copy : store_->restorable(currentCopy_)) {
        const auto* header = std::get_if<RecoveryHeader>(&copy.content);
        if (header && header->sourceFile)
            folders.insert(folderOfPath(*header->sourceFile));
    }
    for (const std::string& folder : folders)
        removeLeftoverTemporaryFiles(folder);
}

std::vector<StoredCopy> RecoveryKeeper::restorable()
{
    waitForWrites();
    return store_ ? store_->restorable(currentCopy_) : std::vector<StoredCopy>{};
}

std::variant<RecoveryCopy, RecoveryDamage> RecoveryKeeper::read(const std::string& copyPath)
{
    waitForWrites();
    if (!store_)
        return RecoveryDamage{"no recovery folder"};
    return store_->read(copyPath);
}

std::optional<std::string> RecoveryKeeper::take(const std::string& copyPath)
{
    waitForWrites();
    return store_ ? store_->adopt(copyPath) : std::nullopt;
}

void RecoveryKeeper::continueCopy(const std::string& copyPath, const RecoveryHeader& header)
{
    currentCopy_ = copyPath;
    lastChange_ = header.lastChange;
}

bool RecoveryKeeper::discard(const std::string& copyPath)
{
    const auto taken = take(copyPath);
    if (!taken)
        return false;
    store_->remove(*taken);
    return true;
}

} // namespace vexa
