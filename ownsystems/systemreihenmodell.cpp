#include "systemreihenmodell.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include <algorithm>

Systemreihenmodell::Systemreihenmodell(QObject *parent) : QAbstractTableModel(parent) { }

void Systemreihenmodell::reihenSetzen(const std::vector<EsyReihe> &reihen)
{
    beginResetModel();
    m_reihen = reihen;
    m_zeilen = std::max(1, int(m_reihen.size()));
    std::size_t breiteste = 10;
    for (const auto &reihe : m_reihen)
        breiteste = std::max(breiteste, reihe.size());
    m_spalten = int(breiteste) + 1;
    endResetModel();
}

void Systemreihenmodell::leeren()
{
    beginResetModel();
    m_reihen.clear();
    endResetModel();
}

int Systemreihenmodell::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_zeilen;
}

int Systemreihenmodell::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_spalten;
}

QVariant Systemreihenmodell::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int zeile = index.row();
    const int spalte = index.column();
    const bool vorhanden = zeile < int(m_reihen.size());
    const bool belegt = vorhanden && spalte >= 1 && spalte <= int(m_reihen[std::size_t(zeile)].size());
    switch (role) {
    case Qt::DisplayRole:
        if (spalte == 0)
            return vorhanden ? QVariant(zeile + 1) : QVariant();
        if (belegt)
            return m_reihen[std::size_t(zeile)][std::size_t(spalte - 1)];
        return {};
    case Qt::BackgroundRole:
        if (spalte == 0)
            return QBrush(QColor(0xe8, 0xe8, 0xe8)); // the fixed column of row numbers
        return QBrush(belegt ? QColor(Qt::white) : QColor(0xf4, 0xf4, 0xf4));
    case Qt::FontRole:
        if (spalte > 0) {
            QFont fett;
            fett.setBold(true);
            return fett;
        }
        return {};
    case Qt::TextAlignmentRole:
        return spalte == 0 ? int(Qt::AlignRight | Qt::AlignVCenter) : int(Qt::AlignHCenter | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant Systemreihenmodell::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return QStringLiteral("Reihe");
    return QStringLiteral("Z. ") + QString::number(section);
}
