// A list of byte-string lines shown as Latin-1 text, for ListBox3.
#pragma once

#include <QAbstractListModel>

#include <string>
#include <vector>

class LinesModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit LinesModel(const std::vector<std::string>& lines, QObject* parent = nullptr)
        : QAbstractListModel(parent), lines_(lines)
    {
    }

    // Call after the lines were replaced as a whole.
    void reload();
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const std::vector<std::string>& lines_;
};
