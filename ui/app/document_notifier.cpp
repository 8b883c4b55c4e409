#include "ui/app/document_notifier.h"

namespace lumio {

DocumentNotifier::DocumentNotifier(ProgramDocument& document, QObject* parent) : QObject(parent), document_(document) {
    document_.setListener([this](const DocumentChange& change) { emit changed(change); });
}

DocumentNotifier::~DocumentNotifier() { document_.setListener({}); }

}  // namespace lumio
