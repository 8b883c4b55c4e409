#pragma once
// The rows of a listing as a list model: GBK texts converted for display only when a row is shown,
// so a refresh of a long program costs the rendering and nothing per row beyond it.
#include <QAbstractListModel>
#include <QColor>
#include <QString>
#include <vector>

#include "ui/app/listing_source.h"

namespace lumio {

class ListingModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The statement colour 0x00BBGGRR of a row (0 for none).
    static constexpr int ColourRole = Qt::UserRole + 1;

    using QAbstractListModel::QAbstractListModel;

    void setRows(ListingRows rows);
    // Replaces one row's text and colour (nothing for a row outside the model).
    void setRow(int row, std::string text, std::uint32_t colour);
    const std::vector<std::string>& texts() const { return rows_.texts; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    ListingRows rows_;
    mutable std::vector<QString> shown_;  // display texts converted so far; null when not yet
};

// The colour a statement colour code paints its line with; invalid for "none" (the palette's text).
QColor statementColour(std::uint32_t bgr);

}  // namespace lumio
