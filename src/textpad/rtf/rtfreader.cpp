// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/rtfreader.h"

#include "textpad/rtf/rtfparser.h"
#include "textpad/rtf/textdocumentimport.h"

#include <QTextDocument>

using namespace textpad::richtext;

namespace {

bool looksLikeRtf(const QByteArray &data)
{
    qsizetype start = 0;
    while (start < data.size() && QChar::isSpace(uchar(data[start])))
        ++start;
    return QByteArrayView(data).sliced(start).startsWith("{\\rtf");
}

} // namespace

bool readRtf(const QByteArray &rtf, QTextDocument *document)
{
    if (!looksLikeRtf(rtf))
        return false;
    importDocument(RtfParser(rtf).parse(), document);
    return true;
}
