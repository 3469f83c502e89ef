// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: any bytes through the RTF reader, and the resulting document through the writer.

#include "textpad/rtf/rtfreader.h"
#include "textpad/rtf/rtfwriter.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Documents need fonts, and fonts need an application; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Broken pictures make the image decoders complain on every run; the log would drown.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray rtf
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QTextDocument document;
    if (readRtf(rtf, &document)) {
        const QByteArray written = writeRtf(&document);
        QTextDocument again;
        readRtf(written, &again);
    }
    return 0;
}
