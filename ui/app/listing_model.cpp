#include "ui/app/listing_model.h"

#include "ui/app/qt_text.h"

namespace lumio {

QColor statementColour(std::uint32_t bgr) {
    if (bgr == 0) return {};
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF), static_cast<int>((bgr >> 16) & 0xFF));
}

void ListingModel::setRows(ListingRows rows) {
    beginResetModel();
    rows_ = std::move(rows);
    shown_.assign(rows_.texts.size(), QString());
    endResetModel();
}

void ListingModel::setRow(int row, std::string text, std::uint32_t colour) {
    if (row < 0 || row >= rowCount()) return;
    const auto at = static_cast<size_t>(row);
    rows_.texts[at] = std::move(text);
    rows_.colours[at] = colour;
    shown_[at] = QString();
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed);
}

int ListingModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.texts.size());
}

QVariant ListingModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const auto row = static_cast<size_t>(index.row());
    switch (role) {
    // A line wider than the list shows whole in its tool tip.
    case Qt::ToolTipRole:
    case Qt::DisplayRole: {
        QString& text = shown_[row];
        if (text.isNull()) {
            text = fromGbk(rows_.texts[row]);
            if (text.isNull()) text = QString(QLatin1String(""));
        }
        return text;
    }
    case Qt::ForegroundRole: {
        const QColor colour = statementColour(rows_.colours[row]);
        return colour.isValid() ? QVariant(colour) : QVariant();
    }
    case ColourRole: return static_cast<uint>(rows_.colours[row]);
    default: return {};
    }
}

}  // namespace lumio
