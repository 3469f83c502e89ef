// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

// Thrown by the rich text control when a file cannot be read or written; `reason` is the system's.
class FileError : public std::runtime_error
{
public:
    FileError(const QString &path, const QString &reason)
        : std::runtime_error((path + QStringLiteral(": ") + reason).toStdString())
        , m_path(path)
        , m_reason(reason)
    {
    }

    QString path() const { return m_path; }
    QString reason() const { return m_reason; }

private:
    QString m_path;
    QString m_reason;
};
