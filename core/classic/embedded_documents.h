#pragma once
// The two documents the classic editor carries and saves from its help menu: the user manual (PDF)
// and the example programs (a RAR archive of .zt5 files).
#include <string>
#include <string_view>

namespace lumio {

enum class EmbeddedDocument { Manual, ExampleArchive };

// What the save dialog offers (GBK texts, like all core text).
struct EmbeddedDocumentSave {
    std::string proposedName;  // "Lumio使用说明V1.0.pdf"
    std::string filter;        // "输入文件名(*.pdf)|*.pdf||"
    std::string extension;     // ".pdf"
};
EmbeddedDocumentSave embeddedDocumentSave(EmbeddedDocument document);

// The name actually written for a chosen name: the extension is appended when the name does not end
// with it (an exact, case-sensitive comparison, as for program files). Works on UTF-8 or GBK names:
// the extensions are ASCII and no multi-byte character ends in '.'.
std::string documentFileName(EmbeddedDocument document, std::string_view chosenName);

}  // namespace lumio
