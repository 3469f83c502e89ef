// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <gtest/gtest.h>

// The rows of a data-driven test: tests/data/unit/FILE.json holds an object of tables, each an
// array of rows, each row an array of the cells the test reads by position. A table's first row
// names its columns and is not returned.
inline QJsonArray tableRows(const char *file, const char *table)
{
    QFile data(QStringLiteral(TEST_DATA_DIR "/unit/%1.json").arg(QLatin1String(file)));
    QJsonArray rows = data.open(QIODevice::ReadOnly)
        ? QJsonDocument::fromJson(data.readAll())[QLatin1String(table)].toArray()
        : QJsonArray();
    EXPECT_GT(rows.size(), 1) << file << ": no table " << table;
    if (!rows.isEmpty())
        rows.removeFirst();
    return rows;
}

inline QStringList strings(const QJsonValue &cell)
{
    return cell.toVariant().toStringList();
}

// Bytes, written in a table as characters U+0000 to U+00FF, one per byte.
inline QByteArray bytes(const QJsonValue &cell)
{
    return cell.toString().toLatin1();
}

// A row as its file writes it, for failure messages.
inline std::string shown(const QJsonValue &row)
{
    return QJsonDocument(row.toArray()).toJson(QJsonDocument::Compact).toStdString();
}

// A data file in a fresh temporary folder.
class DataFileFixture : public testing::Test
{
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("data.txt")); }

    void write(const QByteArray &bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray read() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir m_dir;
};
