// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textpad/rtf/rtfcontrolword.h"
#include "textpad/rtf/rtfmodel.h"

#include <QByteArrayView>
#include <optional>

namespace textpad::richtext {

// Gathers the data and size words of one \pict group. Only PNG and JPEG are kept; other
// formats (metafiles, bitmaps) are read past and dropped.
class RtfPictureReader
{
public:
    void begin();
    void applyWord(RtfWord word, int param); // format and size words inside \pict
    void appendHex(QByteArrayView hex);
    void appendBinary(QByteArrayView data);

    std::optional<Picture> finish();

private:
    enum class Kind { Other, Png, Jpeg };

    Kind m_kind = Kind::Other;
    QByteArray m_data;
    int m_nibble = -1;
    int m_width = 0;
    int m_height = 0;
    int m_goalWidth = 0;
    int m_goalHeight = 0;
    int m_scaleX = 100;
    int m_scaleY = 100;
};

} // namespace textpad::richtext
