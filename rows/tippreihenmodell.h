#pragma once

#include "systeme.h"

#include <QAbstractTableModel>

#include <vector>

// Rows of numbers for a grid: column 0 the row number, columns 1.. the numbers; an empty row
// stays blank, row number included. Banker numbers get a light green background, the others
// white; numbers are bold and centred.
class Tippreihenmodell : public QAbstractTableModel
{
    Q_OBJECT

public:
    // kopfPraefix: the column title before the column number ("  Z. " for g1, "Z. " for g3).
    explicit Tippreihenmodell(const QString &kopfPraefix, QObject *parent = nullptr);

    void reihenSetzen(const std::vector<std::vector<int>> &reihen, const Zahlenmenge &bankzahlen);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString m_kopfPraefix;
    std::vector<std::vector<int>> m_reihen;
    Zahlenmenge m_bankzahlen;
    int m_spalten = 11;
};
