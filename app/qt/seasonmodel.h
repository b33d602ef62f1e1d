// The session's season game list as a table: columns Date, Vis, Home and
// DH, texts shown as Latin-1. Only the Date column can be edited; an edit
// moves the game to its place by date while the list is sorted.
#pragma once

#include "session/session.h"

#include <QAbstractTableModel>

class SeasonModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SeasonModel(rota::Session& session, QObject* parent = nullptr)
        : QAbstractTableModel(parent), session_(session)
    {
    }

    // Call after the session's list was replaced as a whole.
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    rota::Session& session_;
};
