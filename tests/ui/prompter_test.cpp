// The editor's message boxes and file dialogs as the user sees them: icon and title by caption,
// and Qt's own texts in Chinese once the application has loaded its translations.
#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "ui/app/prompter.h"
#include "ui/app/qt_translations.h"

using namespace lumio;

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

struct ShownBox {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
};

// Runs `ask`, which opens a message box, and answers the box with its default button.
ShownBox showBox(const std::function<void()>& ask) {
    ShownBox shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        shown.icon = box->icon();
        shown.title = box->windowTitle();
        box->defaultButton()->click();
    });
    ask();
    return shown;
}

}  // namespace

class PrompterTest : public QObject {
    Q_OBJECT

private:
    QWidget parent;
    WidgetPrompter prompter{&parent};

private slots:
    void initTestCase() {
        // As the application does at start.
        QVERIFY(installQtTranslations(*qApp));
    }

    void iconsFollowTheCaption() {
        const struct {
            const char* caption;
            QMessageBox::Icon inform;
            QMessageBox::Icon question;
        } cases[] = {
            {"错误", QMessageBox::Critical, QMessageBox::Critical},
            {"警告", QMessageBox::Warning, QMessageBox::Warning},
            {"警告 目标地址1", QMessageBox::Warning, QMessageBox::Warning},
            {"提示", QMessageBox::Information, QMessageBox::Question},
            {"注意：", QMessageBox::Information, QMessageBox::Question},
        };
        for (const auto& item : cases) {
            const QString caption = u(item.caption);
            ShownBox shown = showBox([&] { prompter.inform(u("文本"), caption); });
            QCOMPARE(shown.icon, item.inform);
            QCOMPARE(shown.title, caption);
            shown = showBox([&] { prompter.askYesNo(u("文本"), caption); });
            QCOMPARE(shown.icon, item.question);
        }
    }

    void aMessageWithoutCaptionHasAnEmptyTitleBar() {
        // An empty window title makes the window system show the program's name instead.
        const ShownBox shown = showBox([&] { prompter.inform(u("没有找到！"), QString()); });
        QVERIFY(!shown.title.isEmpty());
        QCOMPARE(shown.title.trimmed(), QString());
    }

    void fileDialogsAndStandardButtonsSpeakChinese() {
        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Save);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), u("取消"));
        QCOMPARE(buttons.button(QDialogButtonBox::Save)->text(), u("保存"));

        QStringList texts;
        QString title;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            title = dialog->windowTitle();
            for (const QLabel* label : dialog->findChildren<QLabel*>()) texts << label->text();
            for (const QAbstractButton* button : dialog->findChildren<QPushButton*>()) texts << button->text();
            dialog->reject();
        });
        QCOMPARE(prompter.saveFileName(fileFilterFrom(u("程序文件(*.zt5)|*.zt5||")), QDir::tempPath()), QString());
        QVERIFY2(!title.isEmpty() && title != QStringLiteral("Save As"), qPrintable(title));
        for (const char* english : {"Look in:", "File &name:", "Cancel", "&Save"})
            QVERIFY2(!texts.contains(QString::fromLatin1(english)), english);
        QVERIFY2(texts.contains(u("取消")), qPrintable(texts.join(QLatin1Char('|'))));
    }
};

QTEST_MAIN(PrompterTest)
#include "prompter_test.moc"
