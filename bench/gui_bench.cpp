// Compares the editor's window operations with one setPlainText of the same text, side
// by side in one run, on the offscreen platform.
#include "bench_support.h"

#include "gui/app/main_window.h"
#include "gui/app/scripted_desktop.h"
#include "gui/document/scenario_view.h"
#include "gui/document/text_codec.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>

using namespace vexa;

namespace {

// A scenario of about the given number of lines, spread over the usual sections.
QByteArray scenarioOfLines(int lineCount)
{
    QByteArray bytes = "[Basic]\r\nName=Bench\r\n[Map]\r\nWidth=128\r\n";
    const char* sections[] = {"[STRUCTURES]", "[UNITS]", "[INFANTRY]", "[TERRAIN]", "[Overlay]", "[Trigs]"};
    int written = 4;
    for (int section = 0; written < lineCount; ++section) {
        bytes += sections[section % 6];
        bytes += "\r\n";
        ++written;
        for (int i = 0; i < 5000 && written < lineCount; ++i, ++written)
            bytes += QByteArray::number(written) + "=Greece,POWR,256," + QByteArray::number(1000 + written % 16384) +
                     ",0,None,1,0\r\n";
    }
    return bytes;
}

void benchOpen(const QTemporaryDir& folder)
{
    const QByteArray bytes = scenarioOfLines(100000);
    const QString path = folder.filePath("big.mpr");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.close();
    const QString text = decodeText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));

    ScriptedDesktop desktop;
    TForm1 window(desktop);
    window.show();
    QPlainTextEdit single;
    single.show();

    const double open = bench::bestSeconds(3, [&] {
        window.openFromCommandLine(path);
        QApplication::processEvents();
    });
    const double reference = bench::bestSeconds(3, [&] {
        single.setPlainText(text);
        QApplication::processEvents();
    });
    bench::printRatio("open 100,000 lines into the main window", open, reference, "within 1.5x");
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir folder;
    benchOpen(folder);
    return 0;
}
