#pragma once
// Statements and programs for the window tests.
#include <QString>

#include "core/model/program.h"

namespace lumio::testing {

// A condition whose param1 numbers it, so a test can tell statements apart by position.
Statement numberedStatement(int number);
// `count` numbered statements 1, 2, 3, ...
ProgramStore numberedStore(int count, int first = 1);
// The param1 numbers of a store's statements in order (-1 block begin, -2 block end).
QList<int> numbersOf(const ProgramStore& store);
// Writes a program file whose main program holds `count` numbered statements; returns its path.
QString writeProgramFile(const QString& path, int count);

}  // namespace lumio::testing
