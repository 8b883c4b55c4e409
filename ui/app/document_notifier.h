#pragma once
// The program document's voice on the window side: every change applied to the document, undone,
// redone or made by replacing the program is announced here, so each view shows again what it shows
// of the changed store. Views never learn of changes any other way.
#include <QObject>

#include "core/editing/program_document.h"

namespace lumio {

class DocumentNotifier : public QObject {
    Q_OBJECT
public:
    // Becomes the listener of `document`, which must outlive it.
    explicit DocumentNotifier(ProgramDocument& document, QObject* parent = nullptr);
    ~DocumentNotifier() override;

signals:
    void changed(const lumio::DocumentChange& change);

private:
    ProgramDocument& document_;
};

}  // namespace lumio
