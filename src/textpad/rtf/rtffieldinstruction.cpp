// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/rtffieldinstruction.h"

#include <QStringList>

namespace textpad::richtext {

namespace {

// Splits a field instruction into words; quoted arguments keep their spaces.
QStringList instructionWords(QStringView instruction)
{
    QStringList words;
    qsizetype i = 0;
    while (i < instruction.size()) {
        if (instruction[i].isSpace()) {
            ++i;
            continue;
        }
        if (instruction[i] == u'"') {
            const qsizetype end = instruction.indexOf(u'"', i + 1);
            const qsizetype stop = end < 0 ? instruction.size() : end;
            words.append(instruction.mid(i + 1, stop - i - 1).toString());
            i = stop + 1;
            continue;
        }
        const qsizetype start = i;
        while (i < instruction.size() && !instruction[i].isSpace() && instruction[i] != u'"')
            ++i;
        words.append(instruction.mid(start, i - start).toString());
    }
    return words;
}

} // namespace

QString hyperlinkTarget(QStringView instruction)
{
    const QStringList words = instructionWords(instruction);
    if (words.isEmpty() || words.first().compare(u"HYPERLINK", Qt::CaseInsensitive) != 0)
        return QString();
    QString url;
    QString bookmark;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString &word = words[i];
        if (word == u"\\l" && i + 1 < words.size()) {
            bookmark = words[++i];
        } else if (word == u"\\o" || word == u"\\t") {
            ++i; // tooltip or target frame: not part of the address
        } else if (!word.startsWith(u'\\') && url.isEmpty()) {
            url = word;
        }
    }
    if (!bookmark.isEmpty())
        url += u'#' + bookmark;
    return url;
}

} // namespace textpad::richtext
