#pragma once

#include "eigensystemdatei.h"

#include <QAbstractTableModel>

#include <vector>

// The rows of an own system for grid g3: column 0 the row number, columns 1.. the pool
// positions, drawn like the tip rows (bold, centred, on white). Emptying keeps the row count,
// as a grid whose cells are cleared does.
class Systemreihenmodell : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int Anfangszeilen = 40;

    explicit Systemreihenmodell(QObject *parent = nullptr);

    // One grid row per system row (one empty row when there are none).
    void reihenSetzen(const std::vector<EsyReihe> &reihen);
    void leeren();
    const std::vector<EsyReihe> &reihen() const { return m_reihen; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<EsyReihe> m_reihen;
    int m_zeilen = Anfangszeilen;
    int m_spalten = 11;
};
