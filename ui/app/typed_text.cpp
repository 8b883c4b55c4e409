#include "ui/app/typed_text.h"

#include <QPoint>
#include <QToolTip>
#include <QWidget>

#include "core/text/gbk.h"

namespace lumio {

QString replacedCharacterNote(const QString& character) {
    return QString::fromUtf8("“%1”无法以GBK保存，已替换为“?”").arg(character);
}

std::string typedGbk(const QString& text, QWidget* field) {
    GbkConversion conversion = convertToGbk(text.toStdString());
    if (!conversion.firstReplaced.empty() && field != nullptr) {
        // Below the field, so the note never covers what is being typed.
        const QPoint below = field->mapToGlobal(QPoint(0, field->height()));
        QToolTip::showText(below, replacedCharacterNote(QString::fromStdString(conversion.firstReplaced)), field);
    }
    return std::move(conversion.text);
}

}  // namespace lumio
