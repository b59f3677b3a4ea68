// The GUI thread's part of a recovery copy (taking the panes' raw text; the rest runs on
// the copy's own thread) against one Save of the same document, side by side in one run.
#include "bench_support.h"

#include "gui/app/main_window.h"
#include "gui/desktop/scripted_desktop.h"
#include "gui/document/scenario_view.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace vexa::bench {

void benchRecoverySnapshot(const QTemporaryDir& folder)
{
    constexpr int kLines = 100000;
    QByteArray bytes = "[Basic]\r\nName=Recovery\r\n[UNITS]\r\n";
    for (int line = 3; line < kLines; ++line)
        bytes += QByteArray::number(line) + "=Greece,MTNK,256," + QByteArray::number(1000 + line % 16384) +
                 ",0,Guard,None\r\n";
    const QString path = folder.filePath(QStringLiteral("recovery-bench.mpr"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.close();

    ScriptedDesktop desktop;
    TForm1 window(desktop);
    window.show();
    window.openFromCommandLine(path);
    QApplication::processEvents();

    const double snapshot = bestSeconds(5, [&] { [[maybe_unused]] const DocumentText text = window.document().rawText(); });
    const double save = bestSeconds(5, [&] { window.Save1Click(); });
    printRatio("recovery copy's GUI-thread part (100,000 lines) vs one Save", snapshot, save, "at most 0.2x");
}

} // namespace vexa::bench
