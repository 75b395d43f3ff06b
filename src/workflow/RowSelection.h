// SPDX-FileCopyrightText: 2026 The Vellumar developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QItemSelectionModel>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// The rows of a list chosen for a batch. Ctrl-click chooses or drops one row,
// Shift-click the rows from the last one clicked; in selection mode (check
// boxes, for touch) a plain tap chooses or drops one too. A new list, or
// leaving selection mode, drops the choice.
class RowSelection : public QItemSelectionModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool selecting READ selecting WRITE setSelecting NOTIFY selectingChanged)
    Q_PROPERTY(QList<int> selectedRowNumbers READ selectedRowNumbers NOTIFY rowsChanged)
    Q_PROPERTY(int count READ count NOTIFY rowsChanged)
    Q_PROPERTY(bool allSelected READ allSelected NOTIFY rowsChanged)

public:
    explicit RowSelection(QObject *parent = nullptr);

    [[nodiscard]] bool selecting() const { return m_selecting; }
    void setSelecting(bool selecting);
    // In ascending order.
    [[nodiscard]] QList<int> selectedRowNumbers() const;
    [[nodiscard]] int count() const { return int(selectedRows().size()); }
    [[nodiscard]] bool allSelected() const;

    // A click or tap on a row, with the keyboard modifiers held now. True
    // when it chose rows, so the row is not to be opened.
    Q_INVOKABLE bool click(int row);
    Q_INVOKABLE void selectAll();
    // The chosen rows' "item" values, top to bottom.
    Q_INVOKABLE QVariantList selectedItems() const;

Q_SIGNALS:
    void selectingChanged();
    void rowsChanged();

private:
    void followModel();
    void selectRows(int first, int last, QItemSelectionModel::SelectionFlags command);

    bool m_selecting = false;
};
