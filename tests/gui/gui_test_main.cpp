#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>

#include <gtest/gtest.h>

namespace {
QtMessageHandler standardHandler = nullptr;

// The offscreen platform reports what it cannot do for every window shown; that is noise.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")) || message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    if (standardHandler)
        standardHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}
} // namespace

int main(int argc, char** argv)
{
    standardHandler = qInstallMessageHandler(quietMessages);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // No test keeps recovery copies in the user's home; the editor fixture gives each test
    // a state folder of its own.
    QTemporaryDir stateFolder;
    qputenv("XDG_STATE_HOME", stateFolder.path().toLocal8Bit());
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vexa Build"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
