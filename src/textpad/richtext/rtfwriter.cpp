// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/richtext/rtfwriter.h"

#include "textpad/richtext/rtfdocumentwriter.h"
#include "textpad/richtext/textdocumentexport.h"

using namespace textpad::richtext;

QByteArray writeRtf(const QTextDocument *document)
{
    const Document model = exportDocument(document);
    return RtfDocumentWriter(model).write();
}
