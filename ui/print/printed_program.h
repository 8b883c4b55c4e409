#pragma once
// What a printed listing shows, as text: the file's name, the program size and each store that holds
// statements under its own heading, its lines exactly as the listing shows them (rule numbers, block
// depth dots, the words before conditions, comments, user names), then the table of user names.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "core/edition.h"
#include "core/model/program.h"
#include "core/model/store_ref.h"

namespace lumio {

struct PrintedStore {
    StoreKind kind = StoreKind::Main;
    QString heading;                     // "主程序", "函数3", "线程2", with the user's name when there is one
    QStringList lines;                   // the listing lines
    std::vector<std::uint32_t> colours;  // 0x00BBGGRR per line, 0 for none
};

struct PrintedName {
    QString userName;
    QString defaultName;
};

struct PrintedProgram {
    QString fileName;  // shown in the title and in every page header
    QString kindText;  // "程序文件" or "函数文件"
    std::uint32_t byteSize = 0;
    std::vector<PrintedStore> stores;
    std::vector<PrintedName> names;
};

// A whole program: the main program always (an empty one says so), then the functions and the
// threads of `edition` that hold statements, in number order, then the user names.
PrintedProgram printedProgram(const Program& program, Edition edition, const QString& fileName);
// The statement list of a block file.
PrintedProgram printedBlock(const ProgramStore& store, const QString& fileName);

}  // namespace lumio
