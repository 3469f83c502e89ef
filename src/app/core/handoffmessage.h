// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/core/commandline.h"

#include <QByteArray>
#include <optional>

// A start request as it travels from a second start of the program to the running one.
QByteArray encodeStartRequest(const StartRequest &request);
// Nothing for bytes that are not a whole request.
std::optional<StartRequest> decodeStartRequest(const QByteArray &bytes);

// The local socket name of the running program: one per user and data directory.
QString instanceServerName(const QString &userName, const QString &dataDirectory);
