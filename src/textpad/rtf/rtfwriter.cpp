// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/rtfwriter.h"

#include "textpad/rtf/rtfdocumentwriter.h"
#include "textpad/rtf/textdocumentexport.h"

using namespace textpad::richtext;

QByteArray writeRtf(const QTextDocument *document)
{
    const Document model = exportDocument(document);
    return RtfDocumentWriter(model).write();
}
