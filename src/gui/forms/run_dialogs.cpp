#include "gui/forms/run_dialogs.h"

#include "core/placement/integers.h"
#include "core/placement/placement_run.h"
#include "gui/forms/form_widgets.h"

#include <QEvent>
#include <QLineEdit>
#include <QWidget>

#include <algorithm>

namespace vexa {

RunDialogs::RunDialogs(QObject* parent)
    : QObject(parent)
{
}

void RunDialogs::add(QWidget& dialog, RunFields fields)
{
    entries_.push_back({&dialog, fields});
    dialog.installEventFilter(this);
}

// A dialog that is shown or activated moves to the end of the list.
bool RunDialogs::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) {
        const auto it = std::find_if(entries_.begin(), entries_.end(),
                                     [watched](const Entry& entry) { return entry.dialog == watched; });
        if (it != entries_.end())
            std::rotate(it, it + 1, entries_.end());
    }
    return QObject::eventFilter(watched, event);
}

const RunDialogs::Entry* RunDialogs::currentEntry() const
{
    const auto shown = std::find_if(entries_.rbegin(), entries_.rend(),
                                    [](const Entry& entry) { return entry.dialog && entry.dialog->isVisible(); });
    return shown == entries_.rend() ? nullptr : &*shown;
}

QWidget* RunDialogs::current() const
{
    const Entry* entry = currentEntry();
    return entry ? entry->dialog.data() : nullptr;
}

std::optional<std::vector<std::int32_t>> RunDialogs::runCells(std::int32_t first, std::int32_t last) const
{
    const Entry* entry = currentEntry();
    if (!entry)
        return std::nullopt;
    const auto run = readPlacementRun(decimalText(first), decimalText(last), fieldBytes(entry->fields.spacing->text()),
                                      entry->fields.spacingFallback);
    if (!run)
        return std::nullopt;
    std::vector<std::int32_t> cells;
    walkPlacementRun(*run, [&](std::int32_t cell) { cells.push_back(cell); });
    return cells;
}

bool RunDialogs::fill(std::int32_t first, std::int32_t last)
{
    const Entry* entry = currentEntry();
    if (!entry)
        return false;
    writeField(entry->fields.first, widgetText(decimalText(first)));
    writeField(entry->fields.last, widgetText(decimalText(last)));
    return true;
}

bool RunDialogs::spacingMissing() const
{
    const Entry* entry = currentEntry();
    return entry && entry->fields.spacing->text().isEmpty();
}

} // namespace vexa
