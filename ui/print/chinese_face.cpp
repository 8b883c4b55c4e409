#include "ui/print/chinese_face.h"

#include <QFontDatabase>
#include <QStringList>

namespace lumio {
namespace {

QString installedFace() {
    const QStringList installed = QFontDatabase::families();
    // The face itself under its Chinese and its Latin name.
    for (const char* face : {"黑体", "SimHei"}) {
        const QString name = QString::fromUtf8(face);
        if (installed.contains(name, Qt::CaseInsensitive)) return name;
    }
    const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    // 黑体 draws Latin letters and digits at half the width of a Chinese character, all alike, which keeps
    // the rule numbers and the five-space prefixes in one column. The sans-serif Chinese faces that do
    // the same come first, then those with proportional Latin letters, then any Chinese face.
    for (const char* preferred : {"Noto Sans Mono CJK SC", "WenQuanYi Micro Hei Mono", "WenQuanYi Zen Hei Mono",
                                  "Noto Sans CJK SC", "Source Han Sans SC", "WenQuanYi Micro Hei", "WenQuanYi Zen Hei",
                                  "Droid Sans Fallback"})
        if (chinese.contains(QString::fromUtf8(preferred))) return QString::fromUtf8(preferred);
    return chinese.isEmpty() ? QString() : chinese.constFirst();
}

QString proportionalFace() {
    const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    for (const char* preferred : {"Noto Sans CJK SC", "Source Han Sans SC", "WenQuanYi Micro Hei", "WenQuanYi Zen Hei"})
        if (chinese.contains(QString::fromUtf8(preferred))) return QString::fromUtf8(preferred);
    return chineseFace();
}

}  // namespace

QString chineseTextFace() {
    static const QString face = proportionalFace();
    return face;
}

QString chineseFace() {
    static const QString face = installedFace();
    return face;
}

}  // namespace lumio
