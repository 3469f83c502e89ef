// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <unordered_map>

namespace textpad::richtext {

// 8-bit text of an RTF file to Unicode. The code page comes from \ansicpg or from a font's
// \fcharset; double-byte code pages are decoded a whole byte run at a time.
class RtfCodePage
{
public:
    static int fromCharset(int charset, int documentCodePage);

    void append(QString &out, QByteArrayView bytes, int codePage);

private:
    QStringDecoder *decoderFor(int codePage);

    std::unordered_map<int, QStringDecoder> m_decoders;
};

} // namespace textpad::richtext
