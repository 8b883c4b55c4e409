// The global naming dialog, its names-text view and the local naming dialog, with scripted answers.
#include <QDialogButtonBox>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <QtTest>
#include <memory>

#include "core/lang/operands/naming.h"
#include "core/text/gbk.h"
#include "support/programs.h"
#include "support/scripted_prompter.h"
#include "ui/app/main_window.h"
#include "ui/app/typed_text.h"
#include "ui/dialogs/local_naming_dialog.h"
#include "ui/dialogs/naming_dialog.h"
#include "ui/dialogs/report_dialog.h"

using namespace lumio;
using namespace lumio::testing;

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

class NamingDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CMy1Dlg> window;
    Cmming_dlg* naming = nullptr;
    ScriptedPrompter prompter;
    QTemporaryDir folder;

    QString path(const char* name) { return folder.filePath(QString::fromUtf8(name)); }
    const RenameTable& names() const { return window->program().names; }
    void click(const char* button) { QTest::mouseClick(naming->button(button), Qt::LeftButton); }
    // Selects the entry of `category` (row in the category list) and `row`, and types `name`.
    void typeName(int category, int row, const char* name) {
        naming->categoryList()->setCurrentRow(category);
        naming->entryList()->setCurrentRow(row);
        naming->nameBox()->selectAll();
        // Chinese text arrives as an input method commits it; an empty name clears the box.
        if (*name) {
            QInputMethodEvent typed;
            typed.setCommitString(u(name));
            QApplication::sendEvent(naming->nameBox(), &typed);
        } else {
            QTest::keyClick(naming->nameBox(), Qt::Key_Backspace);
        }
    }
    QString entry(int row) { return naming->entryList()->item(row)->text(); }
    void writeFile(const char* name, const std::string& content) {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content.data(), static_cast<qint64>(content.size()));
    }
    QByteArray readFile(const char* name) {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString lastMessage() const { return prompter.prompts.isEmpty() ? QString() : prompter.prompts.last().text; }

private slots:
    void init() {
        prompter.reset();
        // The settings file of the test's own folder, never one the working directory happens to hold.
        window = std::make_unique<CMy1Dlg>(Edition::Current, nullptr, SettingsStore(folder.filePath("zt_lumio.ini")));
        window->setPrompter(&prompter);
        window->show();
        naming = new Cmming_dlg(*window);
        naming->open();
    }
    void cleanup() {
        QCOMPARE(prompter.unexpected, 0);
        QCOMPARE(prompter.pending(), size_t{0});
        markSaved(window->document());
        window.reset();
    }

    void menuEntryShowsTheOneDialog() {
        naming->hide();
        QAction* rename = window->findChild<QAction*>(QStringLiteral("actionRename"));
        QVERIFY(rename->isEnabled());
        rename->trigger();
        rename->trigger();
        QCOMPARE(window->findChildren<Cmming_dlg*>().size(), 1);
        QVERIFY(naming->isVisible());
    }

    void listsShowCategoriesAndEntries() {
        QCOMPARE(naming->windowTitle(), u("全局命名"));
        QStringList categories;
        for (int row = 0; row < naming->categoryList()->count(); ++row) categories << naming->categoryList()->item(row)->text();
        QCOMPARE(categories, (QStringList{u("全局整数"), u("全局数组"), u("全局浮点数"), u("定时器"), u("位变量"), u("函数"),
                                          u("输入"), u("输出"), u("数据口"), u("线程")}));
        QCOMPARE(naming->categoryList()->currentRow(), 0);
        QCOMPARE(naming->entryList()->count(), 100);
        QCOMPARE(naming->entryList()->currentRow(), 0);
        QCOMPARE(entry(0), u("全局整数0="));
        QCOMPARE(entry(99), u("全局整数99="));
        QCOMPARE(naming->nameBox()->text(), u("全局整数0"));
        QCOMPARE(naming->countBox()->text(), u("0"));
        naming->categoryList()->setCurrentRow(5);
        QCOMPARE(entry(0), u("函数1="));
        QCOMPARE(entry(99), u("函数100="));
        QCOMPARE(naming->entryList()->currentRow(), 0);
        QCOMPARE(naming->nameBox()->text(), u("函数1"));
    }

    void applyShowsEveryMessageUnderError() {
        const struct {
            int row;
            const char* name;
            const char* message;  // empty: applied silently
            const char* rowText;
        } steps[] = {
            {5, "温度", "", "全局整数5=温度"},
            {6, "温度", "重复: 全局整数5", "全局整数6="},
            {6, "输入3", "与系统名称重复：全局整数6 = 输入3", "全局整数6="},
            {6, "输入3a", "", "全局整数6=输入3a"},
            {6, "温 度", "新名称不合法（应该由字符数字下划线组成）", "全局整数6=输入3a"},
            {6, "a-b", "新名称不合法（应该由字符数字下划线组成）", "全局整数6=输入3a"},
            {6, "", "已复位", "全局整数6="},
            {5, "", "已复位", "全局整数5="},
            {7, "全局整数7", "已复位", "全局整数7="},
        };
        for (const auto& step : steps) {
            prompter.prompts.clear();
            typeName(0, step.row, step.name);
            QVERIFY(naming->nameChanged());
            click("applyButton");
            if (*step.message) {
                QCOMPARE(prompter.prompts.size(), 1);
                QCOMPARE(prompter.prompts[0].text, u(step.message));
                QCOMPARE(prompter.prompts[0].caption, u("错误"));
            } else {
                QVERIFY2(prompter.prompts.isEmpty(), qPrintable(lastMessage()));
            }
            QCOMPARE(entry(step.row), u(step.rowText));
            QCOMPARE(naming->entryList()->currentRow(), step.row);
            QCOMPARE(naming->categoryList()->currentRow(), 0);
        }
        QCOMPARE(naming->countBox()->text(), u("0"));
    }

    // A character GBK cannot hold is named beside the name box; the '?' it became is then refused.
    void replacedCharacterIsNamed() {
        typeName(0, 5, "温•");
        click("applyButton");
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), replacedCharacterNote(u("•")));
        QCOMPARE(lastMessage(), u("新名称不合法（应该由字符数字下划线组成）"));
        QCOMPARE(entry(5), u("全局整数5="));
        QToolTip::hideText();
    }

    void renamesAreStepsOfTheEditHistory() {
        typeName(6, 2, "启动键");
        click("applyButton");
        QCOMPARE(entry(2), u("输入3=启动键"));
        QCOMPARE(naming->countBox()->text(), u("1"));
        QVERIFY(window->isModified());
        QCOMPARE(window->history().undoCount(), size_t{1});
        window->undo();
        QVERIFY(names().entries.empty() || names().namedCount() == 0);
        QCOMPARE(entry(2), u("输入3="));
        window->redo();
        QCOMPARE(entry(2), u("输入3=启动键"));
    }

    void exportWritesTheNamesText() {
        typeName(0, 5, "温度");
        click("applyButton");
        typeName(6, 2, "启动键");
        click("applyButton");
        prompter.file(path("names"));
        click("exportButton");
        QCOMPARE(readFile("names.txt"), QByteArray::fromStdString(toGbk("温度\t=\t全局整数5\r\n启动键\t=\t输入3\r\n")));
    }

    void importReplacesAndAppendImportAdds() {
        writeFile("two.txt", toGbk("温度\t=\t全局整数5\r\n启动键\t=\t输入3\r\n"));
        typeName(1, 0, "表格");
        click("applyButton");
        prompter.file(path("two.txt"));
        click("importButton");
        QVERIFY(prompter.prompts.last().kind == Prompt::OpenFile);
        QCOMPARE(names().namedCount(), size_t{2});
        QCOMPARE(displayName(&names(), toGbk("全局数组0")), toGbk("全局数组0"));
        QCOMPARE(naming->countBox()->text(), u("2"));

        writeFile("more.txt", toGbk("表格 = 全局数组0\r\n"));
        prompter.file(path("more.txt"));
        click("appendImportButton");
        QCOMPARE(names().namedCount(), size_t{3});
        QCOMPARE(displayName(&names(), toGbk("全局整数5")), toGbk("温度"));

        // A line without "=" stops the import there; as the unterminated last line it says so.
        const struct {
            const char* file;
            std::string content;
            const char* message;
        } stops[] = {
            {"stop.txt", toGbk("a1 = 全局整数1\r\nb1 = 全局整数2\r\nabc\r\nc1 = 全局整数3\r\n"), "已复位"},
            {"last.txt", toGbk("a1 = 全局整数1\r\nb1 = 全局整数2\r\nabc"), "最后一行已复位"},
        };
        for (const auto& stop : stops) {
            writeFile(stop.file, stop.content);
            prompter.file(path(stop.file));
            click("importButton");
            QCOMPARE(lastMessage(), u(stop.message));
            QCOMPARE(prompter.prompts.last().caption, u("错误"));
            QCOMPARE(names().namedCount(), size_t{2});
        }
        // An unreadable file keeps the names.
        prompter.file(path("missing.txt"));
        click("importButton");
        QCOMPARE(prompter.prompts.last().caption, u("错误"));
        QCOMPARE(names().namedCount(), size_t{2});
    }

    void resetAllEmptiesTheTable() {
        typeName(0, 1, "x1");
        click("applyButton");
        typeName(0, 2, "x2");
        click("applyButton");
        click("resetAllButton");
        QVERIFY(names().entries.empty());
        QCOMPARE(naming->countBox()->text(), u("0"));
        QCOMPARE(entry(1), u("全局整数1="));
        window->undo();
        QCOMPARE(names().namedCount(), size_t{2});
        QCOMPARE(entry(2), u("全局整数2=x2"));
    }

    void viewTextConfirmReplacesAndCancelKeeps() {
        typeName(0, 5, "温度");
        click("applyButton");
        QString shownTitle, shownText;
        std::optional<QString> answer;
        naming->setTextViewer([&](const QString& title, const QString& text) {
            shownTitle = title;
            shownText = text;
            return answer;
        });
        click("viewTextButton");
        QCOMPARE(shownTitle, u("重命名"));
        QCOMPARE(shownText, u("温度\t=\t全局整数5\r\n"));
        QCOMPARE(names().namedCount(), size_t{1});

        answer = u("水位\t=\t全局整数7\r\n泵\t=\t输出2\r\n");
        click("viewTextButton");
        QCOMPARE(displayName(&names(), toGbk("全局整数5")), toGbk("全局整数5"));
        QCOMPARE(displayName(&names(), toGbk("输出2")), toGbk("泵"));
        QCOMPARE(entry(7), u("全局整数7=水位"));
        QVERIFY(prompter.prompts.isEmpty());

        // A refused line is reported: the lines after it were not applied.
        answer = u("a = 全局整数1\r\nb c = 全局整数2\r\nd = 全局整数3\r\n");
        click("viewTextButton");
        QCOMPARE(lastMessage(), u("新名称不合法（应该由字符数字下划线组成）"));
        QCOMPARE(names().namedCount(), size_t{1});
    }

    void confirmAppliesAChangedNameAndHides() {
        typeName(0, 3, "计数");
        click("confirmButton");
        QVERIFY(naming->isHidden());
        QCOMPARE(displayName(&names(), toGbk("全局整数3")), toGbk("计数"));
        // Unchanged: nothing applied.
        naming->open();
        naming->entryList()->setCurrentRow(3);
        click("confirmButton");
        QVERIFY(prompter.prompts.isEmpty());
        QCOMPARE(window->history().undoCount(), size_t{1});
    }

    void namesTextViewRoundTripsItsText() {
        const QString shown = u("温度\t=\t全局整数5\r\n启动键\t=\t输入3\r\n");
        Cyingjianxinxi viewer(Cyingjianxinxi::Mode::NamesText, u("重命名"), shown, window.get());
        viewer.resize(600, 400);
        viewer.show();
        QCOMPARE(viewer.windowTitle(), u("重命名"));
        QCOMPARE(viewer.text(), shown);
        QCOMPARE(viewer.confirmButton()->text(), u("确定"));
        QCOMPARE(viewer.cancelButton()->text(), u("取消"));
        // The buttons stand at the right of the band below the text, in the order of the platform's
        // dialogs (a standard OK/Cancel pair shows it).
        auto inDialog = [](const QWidget* button) { return button->geometry().translated(button->parentWidget()->pos()); };
        const QRect confirm = inDialog(viewer.confirmButton());
        const QRect cancel = inDialog(viewer.cancelButton());
        for (const QRect& button : {confirm, cancel}) {
            QVERIFY(button.top() >= 360 && button.bottom() < 400);
            QVERIFY(button.left() > 300);
        }
        QVERIFY(std::max(confirm.right(), cancel.right()) > 560);
        QDialogButtonBox platform(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        platform.resize(600, 40);
        platform.show();
        const bool confirmFirst =
            platform.button(QDialogButtonBox::Ok)->x() < platform.button(QDialogButtonBox::Cancel)->x();
        QCOMPARE(confirm.left() < cancel.left(), confirmFirst);
        QCOMPARE(viewer.textBox()->geometry(), QRect(0, 0, 600, 360));
        viewer.textBox()->moveCursor(QTextCursor::End);
        viewer.textBox()->insertPlainText(u("泵\t=\t输出2"));
        QCOMPARE(viewer.text(), shown + u("泵\t=\t输出2"));

        // The real viewer behind the naming dialog: cancel changes nothing.
        QTimer::singleShot(0, [] {
            if (auto* open = qobject_cast<Cyingjianxinxi*>(QApplication::activeModalWidget())) open->cancelButton()->click();
        });
        click("viewTextButton");
        QVERIFY(names().entries.empty());
    }

    void localNamingShowsWhereNamesAreUsed() {
        int runs = 0;
        naming->setLocalNamingRunner([&] { ++runs; });
        click("viewLocalButton");
        QCOMPARE(runs, 1);

        setStore(window->document(), *StoreRef::function(2), numberedStore(1));
        C_mming_jubu_dlg local(*window, naming);
        QCOMPARE(local.windowTitle(), u("局部命名"));
        QCOMPARE(local.storeList()->count(), 201);
        QCOMPARE(local.storeList()->item(0)->text(), u("主程序  "));
        QCOMPARE(local.storeList()->item(2)->text(), u("函数2  √"));
        QCOMPARE(local.storeList()->item(101)->text(), u("线程1  "));
        QVERIFY(local.storeOfRow(101) == StoreRef::thread(1));
    }
};

QTEST_MAIN(NamingDialogTest)
#include "naming_dialog_test.moc"
