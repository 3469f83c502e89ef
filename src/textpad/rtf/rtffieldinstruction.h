// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace textpad::richtext {

// The target of a HYPERLINK field instruction ("#name" for a \l bookmark link); empty for any
// other field.
QString hyperlinkTarget(QStringView instruction);

} // namespace textpad::richtext
