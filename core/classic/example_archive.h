#pragma once
// The example archive the classic editor saves ("Lumio例程压缩包V1.0.rar"): each example program of
// the listing's context menu as a program file of the classic edition, and a GBK text that says what
// each one shows. Built once at build time and carried by the classic editor.
#include <vector>

#include "core/archive/rar_archive.h"

namespace lumio {

// The files, in archive order: "1-输入发送数据程序.zt5" ... then "例程说明.txt".
std::vector<ArchiveEntry> exampleArchiveEntries();

Expected<Bytes, std::string> exampleArchive();

}  // namespace lumio
