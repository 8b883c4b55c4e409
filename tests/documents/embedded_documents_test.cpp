// Saving the classic editor's embedded documents from its resources.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/classic/embedded_document_file.h"

using namespace lumio;

class EmbeddedDocumentsTest : public QObject {
    Q_OBJECT

private:
    static QByteArray resourceBytes(EmbeddedDocument document) {
        QFile file(embeddedDocumentResource(document));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static QByteArray fileBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void resourcesAreTheRealDocuments() {
        QVERIFY(resourceBytes(EmbeddedDocument::Manual).startsWith("%PDF-"));
        QVERIFY(resourceBytes(EmbeddedDocument::ExampleArchive).startsWith(QByteArray("Rar!\x1A\x07\x00", 7)));
    }

    void savesWithTheExtensionAppended_data() {
        QTest::addColumn<int>("document");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("manual without extension") << int(EmbeddedDocument::Manual) << "说明" << "说明.pdf";
        QTest::newRow("manual proposed name") << int(EmbeddedDocument::Manual) << "Lumio使用说明V1.0.pdf"
                                              << "Lumio使用说明V1.0.pdf";
        QTest::newRow("archive without extension") << int(EmbeddedDocument::ExampleArchive) << "例程" << "例程.rar";
        QTest::newRow("archive under another extension") << int(EmbeddedDocument::ExampleArchive) << "例程.zip"
                                                         << "例程.zip.rar";
    }
    void savesWithTheExtensionAppended() {
        QFETCH(int, document);
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const auto kind = static_cast<EmbeddedDocument>(document);
        const auto saved = saveEmbeddedDocument(kind, folder.filePath(chosen));
        QVERIFY2(saved.has_value(), qPrintable(saved.has_value() ? QString() : saved.error()));
        QCOMPARE(*saved, folder.filePath(written));
        QCOMPARE(fileBytes(*saved), resourceBytes(kind));
    }

    void replacesAnExistingFile() {
        QTemporaryDir folder;
        const QString path = folder.filePath("Lumio使用说明V1.0.pdf");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000000, 'x'));
        old.close();
        QVERIFY(saveEmbeddedDocument(EmbeddedDocument::Manual, path).has_value());
        QCOMPARE(fileBytes(path), resourceBytes(EmbeddedDocument::Manual));
    }

    void failureIsReportedAndWritesNothing() {
        QTemporaryDir folder;
        const QString path = folder.filePath("missing folder/说明.pdf");
        const auto saved = saveEmbeddedDocument(EmbeddedDocument::Manual, path);
        QVERIFY(!saved.has_value());
        QVERIFY(saved.error().contains("说明.pdf"));
        QVERIFY(!QFile::exists(path));
    }

    void changeHistoryIsCarried() {
        const QString text = changeHistoryText();
        QVERIFY(text.startsWith("Lumio工具 升级记录"));
        QVERIFY(text.contains("V1.461"));
    }
};

QTEST_GUILESS_MAIN(EmbeddedDocumentsTest)
#include "embedded_documents_test.moc"
