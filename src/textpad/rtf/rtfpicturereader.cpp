// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/rtfpicturereader.h"

#include "textpad/rtf/rtftokenizer.h"

namespace textpad::richtext {

namespace {

// Twips from the goal size, or from the pixel size at 96 dots per inch, scaled in percent.
int scaledTwips(int goal, int pixels, int scale)
{
    const qint64 base = goal > 0 ? goal : qint64(qMax(pixels, 0)) * 15;
    return int(qBound<qint64>(0, base * qBound(1, scale, 10000) / 100, qint64(31680) * 20));
}

} // namespace

void RtfPictureReader::begin()
{
    *this = RtfPictureReader();
}

void RtfPictureReader::applyWord(RtfWord word, int param)
{
    switch (word) {
    case RtfWord::PngBlip:
        m_kind = Kind::Png;
        break;
    case RtfWord::JpegBlip:
        m_kind = Kind::Jpeg;
        break;
    case RtfWord::OtherBlip:
        m_kind = Kind::Other;
        break;
    case RtfWord::PictureWidth:
        m_width = param;
        break;
    case RtfWord::PictureHeight:
        m_height = param;
        break;
    case RtfWord::PictureGoalWidth:
        m_goalWidth = param;
        break;
    case RtfWord::PictureGoalHeight:
        m_goalHeight = param;
        break;
    case RtfWord::PictureScaleX:
        m_scaleX = param;
        break;
    case RtfWord::PictureScaleY:
        m_scaleY = param;
        break;
    default:
        break;
    }
}

void RtfPictureReader::appendHex(QByteArrayView hex)
{
    if (m_kind == Kind::Other)
        return;
    m_data.reserve(m_data.size() + hex.size() / 2);
    for (const char c : hex) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            continue;
        if (m_nibble < 0) {
            m_nibble = digit;
        } else {
            m_data.append(char(m_nibble * 16 + digit));
            m_nibble = -1;
        }
    }
}

void RtfPictureReader::appendBinary(QByteArrayView data)
{
    if (m_kind != Kind::Other)
        m_data.append(data);
}

std::optional<Picture> RtfPictureReader::finish()
{
    if (m_kind == Kind::Other || m_data.isEmpty())
        return std::nullopt;
    Picture picture;
    picture.data = std::move(m_data);
    picture.widthTwips = scaledTwips(m_goalWidth, m_width, m_scaleX);
    picture.heightTwips = scaledTwips(m_goalHeight, m_height, m_scaleY);
    m_data = QByteArray();
    return picture;
}

} // namespace textpad::richtext
