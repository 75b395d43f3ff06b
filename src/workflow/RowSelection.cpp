// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RowSelection.h"

#include <QGuiApplication>

#include <algorithm>

RowSelection::RowSelection(QObject *parent)
    : QItemSelectionModel(nullptr, parent)
{
    connect(this, &QItemSelectionModel::selectionChanged, this, &RowSelection::rowsChanged);
    connect(this, &QItemSelectionModel::modelChanged, this, &RowSelection::followModel);
}

void RowSelection::followModel()
{
    if (!model())
        return;
    // A reset drops the choice without a word; say it before.
    connect(model(), &QAbstractItemModel::modelAboutToBeReset, this,
        &QItemSelectionModel::clearSelection);
    Q_EMIT rowsChanged();
}

void RowSelection::setSelecting(bool selecting)
{
    if (m_selecting == selecting)
        return;
    m_selecting = selecting;
    if (!selecting)
        clear();
    Q_EMIT selectingChanged();
}

QList<int> RowSelection::selectedRowNumbers() const
{
    QList<int> rows;
    for (const QModelIndex &index : selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool RowSelection::allSelected() const
{
    return model() && model()->rowCount() > 0 && count() == model()->rowCount();
}

void RowSelection::selectRows(int first, int last, QItemSelectionModel::SelectionFlags command)
{
    const QItemSelection rows(
        model()->index(std::min(first, last), 0), model()->index(std::max(first, last), 0));
    select(rows, command | QItemSelectionModel::Rows);
}

bool RowSelection::click(int row)
{
    if (!model() || row < 0 || row >= model()->rowCount())
        return false;
    const Qt::KeyboardModifiers modifiers = QGuiApplication::keyboardModifiers();
    const QModelIndex index = model()->index(row, 0);
    if (modifiers & Qt::ShiftModifier) {
        // From the last row clicked, which stays the anchor.
        const int anchor = currentIndex().isValid() ? currentIndex().row() : row;
        selectRows(anchor, row,
            modifiers & Qt::ControlModifier ? QItemSelectionModel::Select
                                            : QItemSelectionModel::ClearAndSelect);
        if (!currentIndex().isValid())
            setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    } else if (modifiers & Qt::ControlModifier || m_selecting) {
        setCurrentIndex(index, QItemSelectionModel::Toggle | QItemSelectionModel::Rows);
    } else {
        return false;
    }
    setSelecting(true);
    return true;
}

void RowSelection::selectAll()
{
    if (model() && model()->rowCount() > 0)
        selectRows(0, model()->rowCount() - 1, QItemSelectionModel::Select);
}

QVariantList RowSelection::selectedItems() const
{
    QVariantList items;
    if (!model())
        return items;
    const int role = model()->roleNames().key("item", -1);
    for (int row : selectedRowNumbers())
        items.append(model()->index(row, 0).data(role));
    return items;
}
