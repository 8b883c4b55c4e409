#pragma once
// The classic editor's embedded documents as files: the help menu's two save commands write them,
// and "升级记录" shows the change history. The documents are resources of lumio_classic_documents,
// which a program using these functions links.
#include <QString>

#include "core/classic/embedded_documents.h"
#include "core/util/expected.h"

namespace lumio {

// ":/documents/manual.pdf" or ":/documents/examples.rar".
QString embeddedDocumentResource(EmbeddedDocument document);

// Writes the document to the chosen file, its extension appended when missing, replacing any file of
// that name without leaving a half-written one. Gives the path written, or the reason it failed.
Expected<QString, QString> saveEmbeddedDocument(EmbeddedDocument document, const QString& chosenPath);

// The text of the "升级记录" window; empty when the program carries no change history.
QString changeHistoryText();

}  // namespace lumio
