#include "programs.h"

#include <QFile>

#include "core/model/program_files.h"

namespace lumio::testing {

Statement numberedStatement(int number) {
    Statement statement;
    statement.isAction = number % 3 == 0 ? 1 : 0;
    statement.setKind(1);
    statement.setParam1(static_cast<std::uint8_t>(number));
    return statement;
}

ProgramStore numberedStore(int count, int first) {
    ProgramStore store;
    for (int i = 0; i < count; ++i) store.statements.push_back(numberedStatement(first + i));
    store.recomputeDepths();
    return store;
}

QList<int> numbersOf(const ProgramStore& store) {
    QList<int> numbers;
    for (const Statement& statement : store.statements)
        numbers << (statement.isBlockBegin() ? -1 : statement.isBlockEnd() ? -2 : statement.param1());
    return numbers;
}

QString writeProgramFile(const QString& path, int count) {
    Program program;
    program.main = numberedStore(count);
    auto written = saveProgramFile(program, QFile::encodeName(path).toStdString());
    return written ? QFile::decodeName(QByteArray::fromStdString(written->string())) : QString();
}

}  // namespace lumio::testing
