#include "programs.h"

#include <QFile>

#include "core/lang/operands/naming.h"
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

void setStore(ProgramDocument& document, StoreRef store, ProgramStore statements) {
    Program program = document.program();
    statements.recomputeDepths();
    program.store(store).statements = std::move(statements.statements);
    document.replace(std::move(program), document.path());
}

std::string renameInDocument(ProgramDocument& document, const std::string& defaultName, const std::string& userName) {
    Program program = document.program();
    std::string message = renameVariable(program.names, defaultName, userName, document.edition());
    document.replace(std::move(program), document.path());
    return message;
}

void markSaved(ProgramDocument& document) { document.markSaved(document.path()); }

}  // namespace lumio::testing
