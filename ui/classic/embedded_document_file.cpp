#include "ui/classic/embedded_document_file.h"

#include <QFile>
#include <QSaveFile>

namespace lumio {

QString embeddedDocumentResource(EmbeddedDocument document) {
    switch (document) {
        case EmbeddedDocument::Manual: return QStringLiteral(":/documents/manual.pdf");
        case EmbeddedDocument::ExampleArchive: return QStringLiteral(":/documents/examples.rar");
    }
    return {};
}

Expected<QString, QString> saveEmbeddedDocument(EmbeddedDocument document, const QString& chosenPath) {
    QFile resource(embeddedDocumentResource(document));
    if (!resource.open(QIODevice::ReadOnly)) return unexpected(resource.fileName() + ": " + resource.errorString());
    const QByteArray bytes = resource.readAll();

    const QString path = QString::fromStdString(documentFileName(document, chosenPath.toStdString()));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return unexpected(path + ": " + file.errorString());
    return path;
}

QString changeHistoryText() {
    QFile resource(QStringLiteral(":/documents/change_history.txt"));
    if (!resource.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(resource.readAll());
}

}  // namespace lumio
