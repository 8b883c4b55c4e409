#pragma once
// Statements and programs for the window tests.
#include <QString>

#include "core/editing/program_document.h"
#include "core/model/program.h"

namespace lumio::testing {

// A condition whose param1 numbers it, so a test can tell statements apart by position.
Statement numberedStatement(int number);
// `count` numbered statements 1, 2, 3, ...
ProgramStore numberedStore(int count, int first = 1);
// The param1 numbers of a store's statements in order (-1 block begin, -2 block end).
QList<int> numbersOf(const ProgramStore& store);
// Gives `document` a program whose `store` holds `statements` (the other stores as they were), with
// nothing to undo, as if it had been opened so.
void setStore(ProgramDocument& document, StoreRef store, ProgramStore statements);
// Gives the document's program the user name `userName` for `defaultName` (GBK) as setStore does;
// returns renameVariable's message.
std::string renameInDocument(ProgramDocument& document, const std::string& defaultName, const std::string& userName);
// The document as it is counts as saved: closing does not ask.
void markSaved(ProgramDocument& document);
// Writes a program file whose main program holds `count` numbered statements; returns its path.
QString writeProgramFile(const QString& path, int count);

}  // namespace lumio::testing
