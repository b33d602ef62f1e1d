// The season game list as a table for ListView1: columns Date, Vis, Home
// and DH, texts shown as Latin-1. Only the Date column can be edited; an
// edit re-sorts the list while it is sorted.
#pragma once

#include "season/seasonlist.h"

#include <QAbstractTableModel>

#include <functional>

class SeasonModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    const rota::SeasonList& list() const { return list_; }

    // Runs `change` on the list as one reset of the model, even when it
    // throws (the exception then goes on).
    void change(const std::function<void(rota::SeasonList&)>& change);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    rota::SeasonList list_;
};

// A Latin-1 byte string as a QString, and back (characters beyond Latin-1
// become "?").
QString fromLatin1(const std::string& text);
std::string toLatin1(const QString& text);
