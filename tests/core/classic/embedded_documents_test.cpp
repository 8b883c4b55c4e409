#include <gtest/gtest.h>

#include "core/classic/embedded_documents.h"
#include "core/text/gbk.h"

namespace lumio {
namespace {

TEST(EmbeddedDocuments, SaveDialogTexts) {
    const EmbeddedDocumentSave manual = embeddedDocumentSave(EmbeddedDocument::Manual);
    EXPECT_EQ(toUtf8(manual.proposedName), "Lumio使用说明V1.0.pdf");
    EXPECT_EQ(toUtf8(manual.filter), "输入文件名(*.pdf)|*.pdf||");
    const EmbeddedDocumentSave examples = embeddedDocumentSave(EmbeddedDocument::ExampleArchive);
    EXPECT_EQ(toUtf8(examples.proposedName), "Lumio例程压缩包V1.0.rar");
    EXPECT_EQ(toUtf8(examples.filter), "输入文件名(*.rar)|*.rar||");
}

TEST(EmbeddedDocuments, ExtensionAppendedWhenMissing) {
    const struct {
        EmbeddedDocument document;
        const char* chosen;
        const char* written;
    } cases[] = {
        {EmbeddedDocument::Manual, "/home/user/说明", "/home/user/说明.pdf"},
        {EmbeddedDocument::Manual, "/home/user/说明.pdf", "/home/user/说明.pdf"},
        {EmbeddedDocument::Manual, "说明.PDF", "说明.PDF.pdf"},
        {EmbeddedDocument::Manual, "例程.rar", "例程.rar.pdf"},
        {EmbeddedDocument::Manual, "pdf", "pdf.pdf"},
        {EmbeddedDocument::ExampleArchive, "Lumio例程压缩包V1.0.rar", "Lumio例程压缩包V1.0.rar"},
        {EmbeddedDocument::ExampleArchive, "/tmp/例程", "/tmp/例程.rar"},
    };
    for (const auto& c : cases) EXPECT_EQ(documentFileName(c.document, c.chosen), c.written) << c.chosen;
}

}  // namespace
}  // namespace lumio
