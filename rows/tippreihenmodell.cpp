#include "tippreihenmodell.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include <algorithm>

Tippreihenmodell::Tippreihenmodell(const QString &kopfPraefix, QObject *parent)
    : QAbstractTableModel(parent), m_kopfPraefix(kopfPraefix)
{ }

void Tippreihenmodell::reihenSetzen(const std::vector<std::vector<int>> &reihen, const Zahlenmenge &bankzahlen)
{
    beginResetModel();
    m_reihen = reihen;
    m_bankzahlen = bankzahlen;
    std::size_t breiteste = 10;
    for (const auto &reihe : m_reihen)
        breiteste = std::max(breiteste, reihe.size());
    m_spalten = int(breiteste) + 1;
    endResetModel();
}

int Tippreihenmodell::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_reihen.size());
}

int Tippreihenmodell::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_spalten;
}

QVariant Tippreihenmodell::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_reihen.size()))
        return {};
    const auto &reihe = m_reihen[std::size_t(index.row())];
    const int spalte = index.column();
    const bool belegt = spalte >= 1 && spalte <= int(reihe.size());
    switch (role) {
    case Qt::DisplayRole:
        if (spalte == 0)
            return reihe.empty() ? QVariant() : QVariant(index.row() + 1);
        if (belegt)
            return reihe[std::size_t(spalte - 1)];
        return {};
    case Qt::BackgroundRole:
        if (spalte == 0)
            return QBrush(QColor(0xe8, 0xe8, 0xe8)); // the fixed column of row numbers
        if (belegt && m_bankzahlen.enthaelt(reihe[std::size_t(spalte - 1)]))
            return QBrush(QColor(179, 255, 179));
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

QVariant Tippreihenmodell::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return QStringLiteral("Reihe");
    return m_kopfPraefix + QString::number(section);
}
