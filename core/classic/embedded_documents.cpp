#include "core/classic/embedded_documents.h"

#include "core/text/bytes.h"
#include "core/text/gbk.h"

namespace lumio {

EmbeddedDocumentSave embeddedDocumentSave(EmbeddedDocument document) {
    switch (document) {
        case EmbeddedDocument::Manual:
            return {toGbk("Lumio使用说明V1.0.pdf"), toGbk("输入文件名(*.pdf)|*.pdf||"), ".pdf"};
        case EmbeddedDocument::ExampleArchive:
            return {toGbk("Lumio例程压缩包V1.0.rar"), toGbk("输入文件名(*.rar)|*.rar||"), ".rar"};
    }
    return {};
}

std::string documentFileName(EmbeddedDocument document, std::string_view chosenName) {
    const std::string extension = embeddedDocumentSave(document).extension;
    std::string name(chosenName);
    if (!endsWith(name, extension)) name += extension;
    return name;
}

}  // namespace lumio
