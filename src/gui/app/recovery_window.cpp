#include "gui/app/recovery_window.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexa {

namespace {

QString timeText(std::int64_t seconds)
{
    return QLocale().toString(QDateTime::fromSecsSinceEpoch(seconds), QLocale::ShortFormat);
}

QString entryText(const StoredCopy& copy)
{
    const QString name = recoveredName(copy);
    if (const auto* damage = std::get_if<RecoveryDamage>(&copy.content))
        return QStringLiteral("%1 \u2014 damaged (%2), written %3")
            .arg(name, QString::fromStdString(damage->reason), timeText(copy.written));
    const auto& header = std::get<RecoveryHeader>(copy.content);
    const QString folder = header.sourceFile ? QFileInfo(QFile::decodeName(header.sourceFile->c_str())).absolutePath()
                                             : QStringLiteral("not saved yet");
    return QStringLiteral("%1 \u2014 %2 \u2014 changed %3 \u2014 %4 lines")
        .arg(name, folder, timeText(header.lastChange))
        .arg(header.lineCount);
}

} // namespace

QString recoveredName(const StoredCopy& copy)
{
    const auto* header = std::get_if<RecoveryHeader>(&copy.content);
    if (header && !header->sourceFile)
        return QStringLiteral("New scenario");
    if (header)
        return QFileInfo(QFile::decodeName(header->sourceFile->c_str())).fileName();
    return QFileInfo(QString::fromStdString(copy.path)).fileName();
}

RecoveryWindow::RecoveryWindow(Actions actions, QWidget* parent)
    : QDialog(parent)
    , actions_(std::move(actions))
    , list_(new QListWidget(this))
    , restore_(new QPushButton(QStringLiteral("&Restore"), this))
    , discard_(new QPushButton(QStringLiteral("&Discard"), this))
{
    setObjectName(QStringLiteral("RecoveryWindow"));
    setWindowTitle(QStringLiteral("Recover unsaved work"));
    setModal(true);
    resize(640, 300);
    list_->setObjectName(QStringLiteral("RecoveryList"));
    restore_->setObjectName(QStringLiteral("RecoverRestore"));
    discard_->setObjectName(QStringLiteral("RecoverDiscard"));
    auto* later = new QPushButton(QStringLiteral("&Later"), this);
    later->setObjectName(QStringLiteral("RecoverLater"));
    restore_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("This work was never saved. Restore it, or discard what you no longer need:")));
    layout->addWidget(list_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(restore_);
    buttons->addWidget(discard_);
    buttons->addWidget(later);
    layout->addLayout(buttons);

    connect(list_, &QListWidget::currentRowChanged, this, &RecoveryWindow::selectionChanged);
    connect(list_, &QListWidget::itemActivated, this, &RecoveryWindow::RecoverRestoreClick);
    connect(restore_, &QPushButton::clicked, this, &RecoveryWindow::RecoverRestoreClick);
    connect(discard_, &QPushButton::clicked, this, &RecoveryWindow::RecoverDiscardClick);
    connect(later, &QPushButton::clicked, this, &QDialog::reject);
}

bool RecoveryWindow::refresh()
{
    copies_ = actions_.list();
    list_->clear();
    for (const StoredCopy& copy : copies_)
        list_->addItem(entryText(copy));
    list_->setCurrentRow(copies_.empty() ? -1 : 0);
    selectionChanged();
    return !copies_.empty();
}

const StoredCopy* RecoveryWindow::selected() const
{
    const int row = list_->currentRow();
    return row >= 0 && static_cast<std::size_t>(row) < copies_.size() ? &copies_[static_cast<std::size_t>(row)]
                                                                      : nullptr;
}

void RecoveryWindow::selectionChanged()
{
    const StoredCopy* copy = selected();
    restore_->setEnabled(copy && std::holds_alternative<RecoveryHeader>(copy->content));
    discard_->setEnabled(copy != nullptr);
}

void RecoveryWindow::RecoverRestoreClick()
{
    const StoredCopy* copy = selected();
    if (!copy || !restore_->isEnabled())
        return;
    const StoredCopy chosen = *copy;
    accept();
    actions_.restore(chosen);
}

void RecoveryWindow::RecoverDiscardClick()
{
    if (const StoredCopy* copy = selected()) {
        actions_.discard(*copy);
        refresh();
    }
}

} // namespace vexa
