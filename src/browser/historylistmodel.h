// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>

class AddressBoxModel;

// Shows the address box model's history list in the combo box's drop-down without copying it,
// so a long history is handed over in one reset rather than item by item.
class HistoryListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    HistoryListModel(AddressBoxModel &box, QObject *parent);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    void setEntries(QStringList entries);
    void append(const QString &entry);
    void clear();

private:
    AddressBoxModel &m_box;
};
