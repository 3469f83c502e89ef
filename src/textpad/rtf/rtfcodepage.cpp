// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/rtfcodepage.h"

namespace textpad::richtext {

namespace {

struct CharsetCodePage
{
    int charset;
    int codePage;
};

constexpr CharsetCodePage charsetTable[] = {
    { 77, 10000 },
    { 128, 932 },
    { 129, 949 },
    { 134, 936 },
    { 136, 950 },
    { 161, 1253 },
    { 162, 1254 },
    { 163, 1258 },
    { 177, 1255 },
    { 178, 1256 },
    { 186, 1257 },
    { 204, 1251 },
    { 222, 874 },
    { 238, 1250 },
    { 254, 437 },
    { 255, 850 },
};

QByteArray codecName(int codePage)
{
    switch (codePage) {
    case 10000:
        return "macintosh";
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 437:
    case 850:
        return "IBM" + QByteArray::number(codePage);
    default:
        return "windows-" + QByteArray::number(codePage);
    }
}

bool isAscii(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

int RtfCodePage::fromCharset(int charset, int documentCodePage)
{
    for (const auto &entry : charsetTable) {
        if (entry.charset == charset)
            return entry.codePage;
    }
    return documentCodePage;
}

void RtfCodePage::append(QString &out, QByteArrayView bytes, int codePage)
{
    if (isAscii(bytes)) {
        out.append(QLatin1StringView(bytes.data(), bytes.size()));
        return;
    }
    QStringDecoder *decoder = decoderFor(codePage);
    if (!decoder)
        decoder = decoderFor(1252);
    if (!decoder) {
        out.append(QLatin1StringView(bytes.data(), bytes.size()));
        return;
    }
    out.append(decoder->decode(bytes));
}

QStringDecoder *RtfCodePage::decoderFor(int codePage)
{
    auto it = m_decoders.find(codePage);
    if (it == m_decoders.end()) {
        QStringDecoder decoder(codecName(codePage).constData(), QStringConverter::Flag::Stateless);
        it = m_decoders.emplace(codePage, std::move(decoder)).first;
    }
    return it->second.isValid() ? &it->second : nullptr;
}

} // namespace textpad::richtext
