#include "ui/app/listing_font.h"

#include "ui/print/chinese_face.h"

namespace lumio {

QFont listingFont() {
    const QString face = chineseFace();
    QFont font;
    if (!face.isEmpty()) font.setFamily(face);
    font.setPixelSize(24);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace lumio
