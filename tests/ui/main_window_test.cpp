// The main window driven as a user drives it, with scripted answers to every question it asks.
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <map>
#include <memory>

#include "core/editing/store_edit.h"
#include "core/model/program_files.h"
#include "core/model/program_image.h"
#include "core/textform/program_text.h"
#include "support/programs.h"
#include "ui/app/qt_text.h"
#include "support/scripted_prompter.h"
#include "ui/app/listing_font.h"
#include "ui/app/main_window.h"
#include "ui/app/main_window_layout.h"
#include "ui/app/serial_port_list.h"
#include "core/settings/serial_ports.h"
#include "ui/dialogs/com_settings_dialog.h"
#include "ui/app/statement_list.h"
#include "ui/app/window_placement.h"

using namespace lumio;
using namespace lumio::testing;

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

const QString kTitle = QString::fromUtf8("Lumio工具V2.000（固件16）");
const QString kSaveQuestion = QString::fromUtf8("文件被修改,是否保存?");

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CMy1Dlg> window;
    ScriptedPrompter prompter;
    QTemporaryDir folder;

    Clist_command* list() { return window->mainList(); }
    QString path(const char* name) { return folder.filePath(QString::fromUtf8(name)); }
    // Gives the window a main program of `count` numbered statements, as if typed in.
    void loadStatements(int count) {
        setStore(window->document(), StoreRef::main(), numberedStore(count));
    }
    void makeModified() {
        loadStatements(3);
        list()->selectOnly(0);
        window->clipboard() = numberedStore(1, 90);
        window->paste();
        QVERIFY(window->isModified());
    }
    QAction* action(const char* name) { return window->findChild<QAction*>(QString::fromLatin1(name)); }
    QList<Prompt::Kind> kinds() const {
        QList<Prompt::Kind> result;
        for (const Prompt& prompt : prompter.prompts) result << prompt.kind;
        return result;
    }

private slots:
    void init() {
        prompter.reset();
        window = std::make_unique<CMy1Dlg>(Edition::Current, nullptr, SettingsStore(path("zt_lumio.ini")));
        window->setPrompter(&prompter);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() {
        QCOMPARE(prompter.unexpected, 0);
        QCOMPARE(prompter.pending(), size_t{0});
        markSaved(window->document());  // closing must not ask
        window.reset();
    }

    void controlsCarryTheirCaptions() {
        QCOMPARE(window->windowTitle(), kTitle + "[*]");
        const struct {
            int id;
            const char* caption;
        } buttons[] = {{1001, "打开"}, {1002, "保存"}, {1003, "另存"}, {1004, "设置"}, {1006, "添加指令"},
                       {1007, "删除"}, {1008, "串口未连接"}, {1011, "读取"}, {1012, "写入"}, {1015, "查找"}};
        for (const auto& button : buttons) {
            auto* widget = qobject_cast<QPushButton*>(window->control(button.id));
            QVERIFY2(widget, qPrintable(QString::number(button.id)));
            QCOMPARE(widget->text(), u(button.caption));
        }
        auto* addresses = qobject_cast<QComboBox*>(window->control(1010));
        QCOMPARE(addresses->count(), 256);
        QCOMPARE(addresses->itemText(255), u("地址255"));
        QCOMPARE(addresses->currentText(), u("地址1"));
        // The port the settings name is chosen: COM1 without a settings file.
        auto* ports = qobject_cast<QComboBox*>(window->control(1017));
        if (platformPortNaming() == PortNaming::Numbered) {
            QCOMPARE(ports->count(), 255);
            QCOMPARE(ports->itemText(254), u("COM255"));
        }
        QCOMPARE(ports->currentText(), QString::fromStdString(serialPortName(LinkSettings{}, platformPortNaming())));
        QVERIFY(window->control(1004)->isEnabled());
        QCOMPARE(qobject_cast<QLabel*>(window->control(1013))->text(), u("程序大小：0 字节"));
        auto* progress = qobject_cast<QProgressBar*>(window->control(1018));
        QCOMPARE(progress->maximum(), 50);
        QCOMPARE(list()->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(list()->font().pixelSize(), 24);
        QVERIFY(QFontInfo(list()->font()).family() == listingFont().family());
        QVERIFY(window->control(1006)->isEnabled());
        QVERIFY(window->control(1011)->isEnabled());
    }

    void settingsChooseTheLinkAndTheDialogOpens() {
        QFile ini(path("zt_lumio.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[canshu_v2]\r\ncom_or_tcp=1\r\n");
        ini.close();
        CMy1Dlg network(Edition::Current, nullptr, SettingsStore(path("zt_lumio.ini")));
        QVERIFY(network.linkSettings().isNetwork());
        QCOMPARE(qobject_cast<QPushButton*>(network.control(1008))->text(), u("网络已断开"));
        // The settings button opens the dialog with the settings in force; Cancel keeps them.
        bool opened = false;
        QTimer::singleShot(0, &network, [&] {
            auto* dialog = network.findChild<CCom_Dlg*>();
            opened = dialog && dialog->settings() == network.linkSettings();
            if (dialog) dialog->reject();
        });
        qobject_cast<QPushButton*>(network.control(1004))->click();
        QVERIFY(opened);
        QVERIFY(network.linkSettings().isNetwork());
    }

    void layoutFollowsTheWindowSize() {
        window->resize(1300, 700);
        QTRY_COMPARE(window->control(1005)->width(), window->centralWidget()->width());
        const QSize client = window->centralWidget()->size();
        const int width = client.width();
        const int height = client.height();
        // The layout table: the top row at fixed places, the list and the progress bar across.
        const struct {
            int id;
            QRect rect;
        } places[] = {
            {1001, {0, 0, 50, 25}},     {1002, {50, 0, 50, 25}},     {1003, {100, 0, 50, 25}},
            {1004, {150, 0, 50, 25}},   {1006, {220, 0, 75, 25}},    {1007, {295, 0, 50, 25}},
            {1017, {365, 0, 100, 25}},  {1008, {465, 0, 100, 25}},   {1010, {585, 0, 120, 25}},
            {1011, {705, 0, 60, 25}},   {1012, {765, 0, 60, 25}},    {1013, {845, 0, 200, 25}},
            {1014, {1065, 0, 150, 25}}, {1015, {1215, 0, 40, 20}},   {1005, {0, 25, width, height - 50}},
            {1018, {0, height - 25, width, 20}},
        };
        for (const auto& place : places) {
            QCOMPARE(window->control(place.id)->property("resourceId").toInt(), place.id);
            QCOMPARE(window->control(place.id)->geometry(), place.rect);
        }
        // The list ends where the progress bar starts.
        QCOMPARE(window->control(1005)->geometry().bottom() + 1, client.height() - 25);
        window->resize(900, 500);
        QTRY_COMPARE(window->control(1005)->width(), window->centralWidget()->width());
    }

    void narrowWindowsKeepTheSearchReachable() {
        // Below the width of the top row the program size and the search take a second row, the
        // search at its right edge; the rest of the row keeps its places.
        for (const int width : {1254, 1024, 1000}) {
            const QSize client(width, 700);
            std::map<int, QRect> places;
            for (const ControlPlace& place : mainWindowLayout(client)) places[static_cast<int>(place.id)] = place.rect;
            QCOMPARE(places.size(), size_t{16});
            QCOMPARE(places[1012], QRect(765, 0, 60, 25));
            QCOMPARE(places[1015], QRect(width - 40, 25, 40, 20));
            QCOMPARE(places[1014], QRect(width - 190, 25, 150, 25));
            QCOMPARE(places[1013], QRect(0, 25, 200, 25));
            QCOMPARE(places[1005], QRect(0, 50, width, 700 - 25 - 50));
            for (const auto& [id, rect] : places)
                QVERIFY2(QRect(QPoint(), client).contains(rect), qPrintable(QString::number(id)));
        }
        // The real window: a client area of 1000 pixels shows 查找 whole and it works.
        window->resize(1000, 600);
        QTRY_COMPARE(window->centralWidget()->width(), 1000);
        QVERIFY(window->centralWidget()->rect().contains(window->control(1015)->geometry()));
        QVERIFY(!window->control(1015)->geometry().intersects(window->control(1013)->geometry()));
    }

    void windowOpensWithinTheScreen() {
        // The offscreen screen is smaller than the window would like to be.
        const QRect available = window->screen()->availableGeometry();
        QVERIFY(available.width() < 1280);
        QVERIFY2(available.contains(window->frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
            .arg(window->frameGeometry().x()).arg(window->frameGeometry().y())
            .arg(window->frameGeometry().width()).arg(window->frameGeometry().height())));
        const struct {
            QSize wanted;
            QRect available;
            QRect placed;
        } cases[] = {
            {{1280, 760}, {0, 0, 1920, 1080}, {312, 136, 1280, 760}},
            {{1280, 760}, {0, 0, 1024, 738}, {0, 0, 1008, 690}},
            {{1280, 760}, {1024, 30, 1024, 738}, {1024, 30, 1008, 690}},
        };
        for (const auto& item : cases) QCOMPARE(placeWithin(item.wanted, QSize(16, 48), item.available), item.placed);
    }

    void keyboardReachesMenusSearchAndEditor() {
        // Alt with a menu's letter opens it; F10 opens the first menu; the arrow keys go on from there.
        const struct {
            QKeyCombination keys;
            const char* menu;
        } routes[] = {{Qt::ALT | Qt::Key_F, "fileMenu"}, {Qt::ALT | Qt::Key_E, "editMenu"},
                      {Qt::ALT | Qt::Key_S, "settingsMenu"}, {Qt::ALT | Qt::Key_T, "toolsMenu"},
                      {Qt::ALT | Qt::Key_C, "linkMenu"}, {Qt::ALT | Qt::Key_H, "helpMenu"},
                      {QKeyCombination(Qt::Key_F10), "fileMenu"}};
        for (const auto& route : routes) {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
            list()->setFocus();
            QTest::keyClick(window.get(), route.keys.key(), route.keys.keyboardModifiers());
            QTRY_VERIFY2(QApplication::activePopupWidget(), route.menu);
            QCOMPARE(QApplication::activePopupWidget()->objectName(), QString::fromLatin1(route.menu));
            QApplication::activePopupWidget()->close();
            QTRY_VERIFY(!QApplication::activePopupWidget());
        }
        // The list's context menu opens from the keyboard too: Shift+F10, and the Menu key, for which
        // the window system sends a context-menu request of the keyboard.
        const std::function<void()> menuKeys[] = {
            [&] { QTest::keyClick(list(), Qt::Key_F10, Qt::ShiftModifier); },
            [&] {
                const QPoint corner(5, 5);
                QContextMenuEvent request(QContextMenuEvent::Keyboard, corner, list()->viewport()->mapToGlobal(corner));
                QApplication::sendEvent(list()->viewport(), &request);
            },
        };
        for (const auto& press : menuKeys) {
            list()->setFocus();
            press();
            QTRY_COMPARE(QApplication::activePopupWidget(), window->contextMenu());
            window->contextMenu()->close();
            QTRY_VERIFY(!QApplication::activePopupWidget());
        }
        // Ctrl+F goes to the search box with its text selected; F3 finds the next match.
        ProgramStore commented = numberedStore(4);
        commented.statements[2].comment = gbkOf(u("泵"));
        setStore(window->document(), StoreRef::main(), commented);
        auto* search = qobject_cast<QLineEdit*>(window->control(1014));
        search->setText(u("备注"));
        list()->setFocus();
        QTest::keyClick(list(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(search->hasFocus());
        QCOMPARE(search->selectedText(), u("备注"));
        list()->setFocus();
        QTest::keyClick(list(), Qt::Key_F3);
        QCOMPARE(list()->selectedLines(), (std::vector<int>{2}));
        // Enter and F2 on the list edit the selected line, as a double click does; the window stays.
        QSignalSpy requests(window.get(), &CMy1Dlg::statementEditorRequested);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F2}) {
            list()->selectOnly(1);
            requests.clear();
            QTest::keyClick(list(), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            QCOMPARE(requests.size(), 1);
            QCOMPARE(requests.last(), (QVariantList{1, true, false}));
            QCOMPARE(window->currentLine(), 1);
        }
        QVERIFY(window->isVisible());
    }

    void longDropDownsShowTwentyRows() {
        for (const int id : {1010, 1017}) {
            auto* dropDown = qobject_cast<QComboBox*>(window->control(id));
            if (dropDown->count() < 100) continue;  // device names on this system
            dropDown->showPopup();
            QAbstractItemView* rows = dropDown->view();
            QTRY_VERIFY(rows->isVisible());
            const int rowHeight = rows->sizeHintForRow(0);
            QVERIFY(rowHeight > 0);
            QVERIFY2(rows->viewport()->height() <= 21 * rowHeight, qPrintable(QString::number(rows->viewport()->height())));
            QVERIFY(rows->viewport()->height() >= 10 * rowHeight);
            QVERIFY(rows->verticalScrollBar()->maximum() > 0);
            dropDown->hidePopup();
        }
    }

    void menusHoldEveryEntry() {
        const struct {
            const char* menu;
            QStringList entries;
        } menus[] = {
            {"文件(&F)", {u("新建"), u("打开"), u("保存"), u("另存"), u("导入"), u("导出"), u("导入文本"), u("导出文本"),
                        u("打印"), u("导出PDF"), u("退出")}},
            {"编辑(&E)", {u("撤销"), u("重做"), u("删除"), u("删除全部"), u("剪切"), u("复制"), u("粘贴")}},
            {"设置(&S)", {u("通讯设置"), u("函数列表"), u("线程列表"), u("重命名")}},
            {"工具(&T)", {u("指令向导"), u("调试助手")}},
            {"通信(&C)", {u("读取全部"), u("写入全部"), u("写入后校验"), u("校准时间"), u("读取模块时间"), u("设备加密"), u("设备解密"),
                      u("地址操作"), u("读取硬件信息"), u("读取硬件信息2"), u("固件升级")}},
        };
        const QList<QAction*> bar = window->menuBar()->actions();
        for (const auto& menu : menus) {
            QMenu* found = nullptr;
            for (QAction* entry : bar)
                if (entry->text() == u(menu.menu)) found = entry->menu();
            QVERIFY2(found, menu.menu);
            QStringList entries;
            for (QAction* entry : found->actions())
                if (!entry->isSeparator()) entries << entry->text();
            QCOMPARE(entries, menu.entries);
        }
        QVERIFY(action("actionReadAll")->isEnabled());
        for (const char* tool : {"actionFirmwareUpgrade", "actionFirmwareUpgrade115200", "actionCommandWizard", "actionDebugTerminal"})
            QVERIFY2(action(tool)->isEnabled(), tool);
        QVERIFY(action("actionFunctionList")->isEnabled());
        QVERIFY(action("actionComSettings")->isEnabled());
        QVERIFY(action("actionDeleteAll")->isEnabled());
        QCOMPARE(action("actionFirmwareUpgrade115200")->text(), u("固件升级_115200"));
        QVERIFY(!action("actionUndo")->isEnabled());

        QStringList context;
        for (QAction* entry : window->contextMenu()->actions())
            if (!entry->isSeparator()) context << entry->text();
        QCOMPARE(context, (QStringList{u("剪切"), u("复制"), u("粘贴"), u("导入示例程序"), u("文件"), u("导入语句块")}));
        QCOMPARE(action("contextOpen")->text(), u("打开文件"));
        QCOMPARE(action("contextImport")->text(), u("导入函数文件"));
        QCOMPARE(action("examplePortSend")->text(), u("数据口发送数据(118)"));
        QCOMPARE(action("exampleJog")->text(), u("输入控制输出点动程序"));
    }

    void saveAsksForAPathOnceAndWritesTheImage() {
        // A new, empty program is 16 bytes; a name without extension gets ".zt5".
        prompter.file(path("empty"));
        QVERIFY(window->save());
        QCOMPARE(kinds(), (QList<Prompt::Kind>{Prompt::SaveFile}));
        QCOMPARE(prompter.prompts[0].text, u("程序文件(*.zt5);;所有文件(*.*)"));
        QFile written(path("empty.zt5"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.size(), 16);
        QCOMPARE(window->currentPath(), path("empty.zt5"));
        QCOMPARE(window->windowTitle(), kTitle + " " + path("empty.zt5") + "[*]");

        makeModified();
        QVERIFY(window->isWindowModified());
        QVERIFY(window->save());  // the path is known: no dialog
        QCOMPARE(prompter.prompts.size(), 1);
        QVERIFY(!window->isModified());
        QVERIFY(!window->isWindowModified());
        Program reread;
        QVERIFY(openProgramFile(reread, QFile::encodeName(path("empty.zt5")).toStdString()).has_value());
        QCOMPARE(numbersOf(reread.main), (QList<int>{1, 90, 2, 3}));

        // Save as always asks and moves the current path; a cancelled dialog writes nothing.
        prompter.file(QString());
        QVERIFY(!window->saveAs());
        prompter.file(path("second.zt5"));
        QVERIFY(window->saveAs());
        QCOMPARE(window->currentPath(), path("second.zt5"));
        QVERIFY(QFile::exists(path("second.zt5")));
    }

    void openAsksAboutUnsavedWork() {
        const QString five = writeProgramFile(path("five.zt5"), 5);
        makeModified();
        // Cancel: no dialog, nothing changes.
        prompter.cancel();
        window->openProgram();
        QCOMPARE(kinds(), (QList<Prompt::Kind>{Prompt::YesNoCancel}));
        QCOMPARE(prompter.prompts[0].text, kSaveQuestion);
        QCOMPARE(prompter.prompts[0].caption, u("警告"));
        QCOMPARE(window->program().main.count(), size_t{4});
        // Yes, but the save dialog is cancelled: the work stays, nothing is opened.
        prompter.reset();
        prompter.yes().file(QString());
        window->openProgram();
        QCOMPARE(kinds(), (QList<Prompt::Kind>{Prompt::YesNoCancel, Prompt::SaveFile}));
        QCOMPARE(window->program().main.count(), size_t{4});
        QVERIFY(window->isModified());
        // No: the open dialog, then the file replaces the program.
        prompter.reset();
        prompter.no().file(five);
        window->openProgram();
        QCOMPARE(kinds(), (QList<Prompt::Kind>{Prompt::YesNoCancel, Prompt::OpenFile}));
        QCOMPARE(numbersOf(window->program().main), (QList<int>{1, 2, 3, 4, 5}));
        QCOMPARE(list()->count(), 5);
        QVERIFY(!window->isModified());
        QCOMPARE(window->currentPath(), five);
        QCOMPARE(window->lastFolder(), folder.path());
        QCOMPARE(window->windowTitle(), kTitle + " " + five + "[*]");
        QVERIFY(!action("actionUndo")->isEnabled());
        // The next open dialog starts in the folder of the last file.
        prompter.reset();
        prompter.file(QString());
        window->openProgram();
        QCOMPARE(prompter.prompts[0].caption, folder.path());
        // Yes with a known path saves and goes on.
        makeModified();
        prompter.reset();
        prompter.yes().file(five);
        window->openProgram();
        QCOMPARE(numbersOf(window->program().main), (QList<int>{1, 90, 2, 3}));
    }

    // A file that cannot be read or written is named in the message as the user typed it, Chinese
    // included, with the system's reason. The folder is a regular file, so the failure does not depend
    // on permissions (which do not stop root).
    void fileFailuresNameTheFileReadably() {
        QFile notAFolder(path("资料"));
        QVERIFY(notAFolder.open(QIODevice::WriteOnly));
        notAFolder.close();
        const QString target = path("资料/程序一.zt5");
        loadStatements(2);
        prompter.file(target);
        QVERIFY(!window->saveAs());
        QCOMPARE(prompter.prompts.size(), 2);
        QVERIFY2(prompter.prompts[1].text.startsWith(u("无法写入文件：") + target + QLatin1Char('\n')),
                 qPrintable(prompter.prompts[1].text));
        QVERIFY(prompter.prompts[1].text.size() > (u("无法写入文件：") + target + QLatin1Char('\n')).size());
        QCOMPARE(prompter.prompts[1].caption, u("错误"));

        prompter.reset();
        prompter.file(target);
        window->openProgram();
        QCOMPARE(prompter.prompts.size(), 2);
        QVERIFY2(prompter.prompts[1].text.startsWith(u("无法打开文件：") + target + QLatin1Char('\n')),
                 qPrintable(prompter.prompts[1].text));
        QCOMPARE(window->program().main.count(), size_t{2});
    }

    void openRefusesBadFiles() {
        const QString good = writeProgramFile(path("good.zt5"), 2);
        prompter.file(good);
        window->openProgram();
        QFile::copy(good, path("upper.ZT5"));
        QFile damaged(path("damaged.zt5"));
        QFile::copy(good, damaged.fileName());
        QVERIFY(damaged.open(QIODevice::ReadWrite));
        damaged.seek(20);
        damaged.write("\x55", 1);
        damaged.close();
        QFile tiny(path("tiny.zt5"));
        QVERIFY(tiny.open(QIODevice::WriteOnly));
        tiny.write(QByteArray("\x00\x00\x00\x00\x00\x05", 6));
        tiny.close();
        const struct {
            QString file;
            QString message;
        } cases[] = {
            {path("upper.ZT5"), u("文件类型出错！！！")},
            {damaged.fileName(), u("数据错误！！！")},
            {tiny.fileName(), QString()},  // a length field out of range is refused silently
        };
        for (const auto& c : cases) {
            prompter.reset();
            prompter.file(c.file);
            window->openProgram();
            if (c.message.isEmpty()) {
                QCOMPARE(prompter.prompts.size(), 1);
            } else {
                QCOMPARE(prompter.prompts.size(), 2);
                QCOMPARE(prompter.prompts[1].text, c.message);
                QCOMPARE(prompter.prompts[1].caption, u("提示"));
            }
            QCOMPARE(window->program().main.count(), size_t{2});
            QCOMPARE(window->currentPath(), good);
        }
    }

    void dropAndNewAskAboutUnsavedWork() {
        const QString three = writeProgramFile(path("three.zt5"), 3);
        makeModified();
        prompter.cancel();
        QVERIFY(!window->openDroppedFile(three));
        QCOMPARE(window->program().main.count(), size_t{4});
        prompter.no();
        QVERIFY(window->openDroppedFile(three));
        QCOMPARE(window->program().main.count(), size_t{3});
        QCOMPARE(window->lastFolder(), folder.path());
        // Unmodified: no question at all.
        prompter.reset();
        window->newProgram();
        QVERIFY(prompter.prompts.isEmpty());
        QVERIFY(window->program().main.empty());
        QCOMPARE(window->currentPath(), QString());
        QCOMPARE(window->windowTitle(), kTitle + "[*]");
        makeModified();
        prompter.cancel();
        window->newProgram();
        QCOMPARE(window->program().main.count(), size_t{4});
        prompter.no();
        window->newProgram();
        QVERIFY(window->program().main.empty());
        QVERIFY(!window->isModified());
    }

    void droppedFilesOpenTheFirstProgram() {
        const QString two = writeProgramFile(path("two.zt5"), 2);
        const QString four = writeProgramFile(path("four.zt5"), 4);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(two), QUrl::fromLocalFile(four)});
        QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &drop);
        QCOMPARE(window->program().main.count(), size_t{2});
        QCOMPARE(window->currentPath(), two);
    }

    void closingAsksAboutUnsavedWork() {
        makeModified();
        prompter.cancel();
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        prompter.cancel();
        action("actionExit")->trigger();  // 退出 closes the window the same way
        QCOMPARE(prompter.prompts.size(), 2);
        QCOMPARE(prompter.prompts[1].text, kSaveQuestion);
        QVERIFY(window->isVisible());
        prompter.yes().file(QString());  // Yes, then the save dialog is cancelled: the window stays
        QVERIFY(!window->close());
        prompter.yes().file(path("closing.zt5"));
        QVERIFY(window->close());
        QVERIFY(QFile::exists(path("closing.zt5")));
    }

    void oversizedProgramsWarnBeforeSaving() {
        // A thousand statements of 207 bytes make a main program image over 200,000 bytes.
        ProgramStore big;
        Statement statement = numberedStatement(1);
        statement.setParam3(std::string(200, 'x'));
        big.statements.assign(1000, statement);
        setStore(window->document(), StoreRef::main(), big);
        prompter.file(path("big.zt5")).no();
        QVERIFY(!window->save());
        QCOMPARE(kinds(), (QList<Prompt::Kind>{Prompt::SaveFile, Prompt::YesNo}));
        QVERIFY(prompter.prompts[1].text.contains(u("主程序")));
        QCOMPARE(prompter.prompts[1].caption, u("警告"));
        QVERIFY(!QFile::exists(path("big.zt5")));
        prompter.file(path("big.zt5")).yes();
        QVERIFY(window->save());
        QVERIFY(QFile::exists(path("big.zt5")));
    }

    void deleteAsksAndSelectsTheLineBefore() {
        loadStatements(5);
        list()->selectionModel()->clearSelection();
        window->deleteSelected();
        QCOMPARE(prompter.prompts.size(), 1);
        QCOMPARE(prompter.prompts[0].text, u("您没有选择信息！"));
        QCOMPARE(prompter.prompts[0].caption, u("注意："));

        const struct {
            int first, n;
            QList<int> remaining;
            int selected;
        } cases[] = {
            {0, 3, {4, 5}, 0},
            {3, 2, {1, 2, 3}, 2},
            {1, 1, {1, 3, 4, 5}, 0},
            {0, 5, {}, -1},
        };
        for (const auto& c : cases) {
            loadStatements(5);
            list()->selectRange(c.first, c.n);
            prompter.reset();
            prompter.no();
            window->deleteSelected();
            QCOMPARE(prompter.prompts[0].text, u("确认要删除吗？"));
            QCOMPARE(prompter.prompts[0].caption, u("警告"));
            QCOMPARE(window->program().main.count(), size_t{5});
            prompter.yes();
            window->deleteSelected();
            QCOMPARE(numbersOf(window->program().main), c.remaining);
            QCOMPARE(list()->count(), c.remaining.size());
            QCOMPARE(list()->highestSelected(), c.selected);
            QCOMPARE(list()->lowestSelected(), c.selected);
            QVERIFY(window->isModified());
        }
    }

    void deleteAllAsksFirst() {
        loadStatements(4);
        prompter.no();
        window->deleteAll();
        QCOMPARE(prompter.prompts[0].text, u("确认要删除全部信息吗？"));
        QCOMPARE(window->program().main.count(), size_t{4});
        setStore(window->document(), *StoreRef::function(3), numberedStore(2));
        prompter.yes();
        window->deleteAll();
        QVERIFY(window->program().main.empty());
        QCOMPARE(window->program().function(3).count(), size_t{2});
        QCOMPARE(list()->count(), 0);
        QVERIFY(window->isModified());
    }

    void cutCopyPasteFollowTheSelection() {
        loadStatements(5);
        // Copy with nothing selected keeps the clipboard.
        window->clipboard() = numberedStore(1, 70);
        list()->selectionModel()->clearSelection();
        window->copy();
        QCOMPARE(numbersOf(window->clipboard()), (QList<int>{70}));

        list()->selectRange(1, 2);
        window->copy();
        QCOMPARE(numbersOf(window->clipboard()), (QList<int>{2, 3}));
        QVERIFY(!window->isModified());
        // Pasting with the last line selected appends and selects what was pasted.
        list()->selectOnly(4);
        window->paste();
        QCOMPARE(numbersOf(window->program().main), (QList<int>{1, 2, 3, 4, 5, 2, 3}));
        QCOMPARE(list()->selectedLines(), (std::vector<int>{5, 6}));
        // Nothing selected: at the top.
        list()->selectionModel()->clearSelection();
        window->paste();
        QCOMPARE(numbersOf(window->program().main), (QList<int>{2, 3, 1, 2, 3, 4, 5, 2, 3}));
        QCOMPARE(list()->selectedLines(), (std::vector<int>{0, 1}));
        // Cut copies and deletes without asking, then selects the line before.
        list()->selectRange(3, 3);
        window->cut();
        QVERIFY(prompter.prompts.isEmpty());
        QCOMPARE(numbersOf(window->clipboard()), (QList<int>{2, 3, 4}));
        QCOMPARE(numbersOf(window->program().main), (QList<int>{2, 3, 1, 5, 2, 3}));
        QCOMPARE(list()->selectedLines(), (std::vector<int>{2}));
        // Into an empty list.
        loadStatements(0);
        window->paste();
        QCOMPARE(numbersOf(window->program().main), (QList<int>{2, 3, 4}));
        QCOMPARE(list()->selectedLines(), (std::vector<int>{0, 1, 2}));
    }

    void keysActOnTheListOnly() {
        loadStatements(3);
        list()->setFocus();
        list()->selectOnly(1);
        QTest::keyClick(list(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(numbersOf(window->clipboard()), (QList<int>{2}));
        QTest::keyClick(list(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(numbersOf(window->program().main), (QList<int>{1, 2, 2, 3}));
        QTest::keyClick(list(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(numbersOf(window->program().main), (QList<int>{1, 2, 3}));
        prompter.no();
        QTest::keyClick(list(), Qt::Key_Delete);
        QCOMPARE(prompter.prompts.size(), 1);
        // In the search box Ctrl+C copies text, not statements.
        window->clipboard().clear();
        auto* search = qobject_cast<QLineEdit*>(window->control(1014));
        search->setFocus();
        search->setText("abc");
        search->selectAll();
        QTest::keyClick(search, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(window->clipboard().empty());
        // Enter and Esc never close the window.
        QTest::keyClick(list(), Qt::Key_Escape);
        QTest::keyClick(list(), Qt::Key_Return);
        QVERIFY(window->isVisible());
    }

    void blockPairGoesAfterTheSelection() {
        const struct {
            int count;
            int selected;
            QList<int> expected;
            int begin;
        } cases[] = {
            {4, -1, {1, -1, -2, 2, 3, 4}, 1},
            {0, -1, {-1, -2}, 0},
            {4, 2, {1, 2, 3, -1, -2, 4}, 3},
        };
        for (const auto& c : cases) {
            loadStatements(c.count);
            list()->selectionModel()->clearSelection();
            if (c.selected >= 0) list()->selectOnly(c.selected);
            window->insertBlockPair();
            QCOMPARE(numbersOf(window->program().main), c.expected);
            QCOMPARE(list()->selectedLines(), (std::vector<int>{c.begin}));
        }
    }

    void importAndExportBlockFiles() {
        loadStatements(3);
        prompter.file(path("three"));
        window->exportBlockFile();
        QCOMPARE(prompter.prompts[0].text, u("函数文件(*.hs5);;所有文件(*.*)"));
        QVERIFY(QFile::exists(path("three.hs5")));

        loadStatements(5);
        ProgramStore changed = window->program().main;
        changed.statements[0].setParam1(100);
        setStore(window->document(), StoreRef::main(), changed);
        list()->selectOnly(0);
        prompter.file(path("three.hs5"));
        window->importBlockFile();
        QCOMPARE(numbersOf(window->program().main), (QList<int>{100, 1, 2, 3, 2, 3, 4, 5}));
        QCOMPARE(list()->selectedLines(), (std::vector<int>{1, 2, 3}));
        QVERIFY(window->isModified());
        QCOMPARE(window->currentPath(), QString());  // importing never renames the program

        QFile::copy(path("three.hs5"), path("three.txt"));
        QFile damaged(path("damaged.hs5"));
        QFile::copy(path("three.hs5"), damaged.fileName());
        QVERIFY(damaged.open(QIODevice::ReadWrite));
        damaged.seek(10);
        damaged.write("\x44", 1);
        damaged.close();
        const struct {
            QString file;
            QString message;
            QString caption;
        } refused[] = {
            {path("three.txt"), u("文件扩展名出错"), u("提示：")},
            {damaged.fileName(), u("数据错误！！！"), u("提示")},
        };
        for (const auto& c : refused) {
            prompter.reset();
            prompter.file(c.file);
            window->importBlockFile();
            QCOMPARE(prompter.prompts.size(), 2);
            QCOMPARE(prompter.prompts[1].text, c.message);
            QCOMPARE(prompter.prompts[1].caption, c.caption);
            QCOMPARE(window->program().main.count(), size_t{8});
        }
    }

    // 导出文本 writes the whole program as its text; 导入文本 asks about unsaved work first, then reads a
    // text back as one undoable step, to the same bytes. A text that does not convert changes nothing.
    void programTextRoundTrips() {
        loadStatements(4);
        setStore(window->document(), *StoreRef::function(7), numberedStore(2, 70));
        renameInDocument(window->document(), gbkOf(u("输入3")), gbkOf(u("启动键")));
        const Bytes original = buildProgramImage(window->program());
        prompter.file(path("program.txt"));
        window->exportProgramText();
        QCOMPARE(prompter.prompts[0].text, u("程序文本(*.txt);;所有文件(*.*)"));
        QFile exported(path("program.txt"));
        QVERIFY(exported.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(exported.readAll());
        QVERIFY(text.startsWith(u("lumio program text 1\nfile .zt5\n== main\n")));
        QVERIFY(text.contains(u("== function 7\n")));
        QVERIFY(text.contains(u("启动键")));

        // Cancel at the unsaved-work question: no file dialog, nothing changes.
        makeModified();
        const Bytes modified = buildProgramImage(window->program());
        prompter.reset();
        prompter.cancel();
        window->importProgramText();
        QCOMPARE(kinds(), (QList<Prompt::Kind>{Prompt::YesNoCancel}));
        QCOMPARE(buildProgramImage(window->program()), modified);

        prompter.reset();
        prompter.no().file(path("program.txt"));
        window->importProgramText();
        QCOMPARE(kinds(), (QList<Prompt::Kind>{Prompt::YesNoCancel, Prompt::OpenFile}));
        QCOMPARE(buildProgramImage(window->program()), original);
        QCOMPARE(list()->count(), 4);
        QVERIFY(window->isModified());
        window->undo();
        QCOMPARE(buildProgramImage(window->program()), modified);
        window->redo();
        QCOMPARE(buildProgramImage(window->program()), original);

        // Refused texts: a listing line its record does not bear out, a block file's text, no text.
        const QStringList lines = text.split(QLatin1Char('\n'));
        QString wrongLine = text;
        wrongLine.replace(lines[3], lines[3].left(5) + u("或者") + lines[3].mid(7));
        auto write = [this](const char* name, const QByteArray& bytes) {
            QFile file(path(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        write("wrong.txt", wrongLine.toUtf8());
        const auto block = exportProgramText(blockFileBytes(numberedStore(2)), FileKind::Block);
        QVERIFY(block.has_value());
        write("block.txt", QByteArray::fromStdString(*block));
        write("other.txt", "not a program text\n");
        const struct {
            const char* file;
            QString message;
        } refused[] = {
            {"wrong.txt", u("文本无法导入：第 4 行：")},
            {"block.txt", u("文本无法导入：这是函数文件(.hs5)的文本，不是程序文件的文本")},
            {"other.txt", u("文本无法导入：第 1 行：")},
        };
        markSaved(window->document());
        for (const auto& c : refused) {
            prompter.reset();
            prompter.file(path(c.file));
            window->importProgramText();
            QCOMPARE(kinds(), (QList<Prompt::Kind>{Prompt::OpenFile, Prompt::Inform}));
            QVERIFY2(prompter.prompts[1].text.startsWith(c.message), qPrintable(prompter.prompts[1].text));
            QCOMPARE(prompter.prompts[1].caption, u("错误"));
            QCOMPARE(buildProgramImage(window->program()), original);
            QVERIFY(!window->isModified());
        }
    }

    // 导出PDF writes the printed listing where the user says; a file that cannot be written is reported.
    void pdfGoesWhereTheUserSays() {
        loadStatements(3);
        prompter.file(path("listing.pdf"));
        window->exportPdf();
        QCOMPARE(prompter.prompts[0].text, u("PDF文件(*.pdf)"));
        QFile pdf(path("listing.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.readAll().startsWith("%PDF-"));

        prompter.reset();
        prompter.file(path("missing/listing.pdf"));
        window->exportPdf();
        QCOMPARE(kinds(), (QList<Prompt::Kind>{Prompt::SaveFile, Prompt::Inform}));
        QVERIFY(prompter.prompts[1].text.startsWith(u("无法写入文件：") + path("missing/listing.pdf")));
        QCOMPARE(prompter.prompts[1].caption, u("错误"));
        QVERIFY(!QFile::exists(path("missing/listing.pdf")));
    }

    void examplesGoAfterTheCaretLine() {
        loadStatements(3);
        list()->selectOnly(1);
        action("exampleLatch")->trigger();
        const ProgramStore example = exampleProgram(ExampleProgram::InputLatchesOutput, {});
        const int size = static_cast<int>(example.count());
        QCOMPARE(window->program().main.count(), size_t(3 + size));
        QCOMPARE(window->program().main[2], example[0]);
        QCOMPARE(list()->highestSelected(), 1 + size);
        QCOMPARE(list()->lowestSelected(), 2);
        window->undo();
        QCOMPARE(numbersOf(window->program().main), (QList<int>{1, 2, 3}));
    }

    void undoAndRedoEveryChange() {
        const QString saved = writeProgramFile(path("saved.zt5"), 4);
        QVERIFY(window->openDroppedFile(saved));
        list()->selectRange(1, 2);
        prompter.yes();
        window->deleteSelected();
        window->insertBlockPair();
        QCOMPARE(numbersOf(window->program().main), (QList<int>{1, -1, -2, 4}));
        QVERIFY(action("actionUndo")->isEnabled());
        QCOMPARE(action("actionUndo")->text(), u("撤销"));
        QCOMPARE(action("actionRedo")->text(), u("重做"));

        list()->setFocus();
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(numbersOf(window->program().main), (QList<int>{1, 4}));
        window->undo();
        QCOMPARE(numbersOf(window->program().main), (QList<int>{1, 2, 3, 4}));
        QCOMPARE(list()->selectedLines(), (std::vector<int>{1, 2}));  // what came back is selected
        QVERIFY(!window->isModified());  // back to the file as saved
        QVERIFY(!action("actionUndo")->isEnabled());
        QCOMPARE(qobject_cast<QLabel*>(window->control(1013))->text(),
                 u("程序大小：%1 字节").arg(window->program().main.imageSize()));

        QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(numbersOf(window->program().main), (QList<int>{1, 4}));
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(numbersOf(window->program().main), (QList<int>{1, -1, -2, 4}));
        QVERIFY(window->isModified());
        QVERIFY(!action("actionRedo")->isEnabled());
        // Changes of other stores join the same history.
        EditStep step;
        step.store = *StoreRef::function(5);
        step.change = insertLineChange(window->program().function(5), 0, numberedStatement(9));
        window->document().apply(step);
        window->undo();
        QVERIFY(window->program().function(5).empty());
        QCOMPARE(window->program().main.count(), size_t{4});
    }

    void findWrapsAroundTheListing() {
        loadStatements(6);
        ProgramStore main = window->program().main;
        auto& statements = main.statements;
        statements[1].comment = gbkOf(u("泵"));
        statements[4].comment = gbkOf(u("阀"));
        setStore(window->document(), StoreRef::main(), main);
        QVERIFY(list()->model()->index(1, 0).data().toString().endsWith(u("       备注:泵")));
        auto* search = qobject_cast<QLineEdit*>(window->control(1014));
        auto* find = qobject_cast<QPushButton*>(window->control(1015));
        search->setText(u("备注"));
        const int expected[] = {1, 4, 1};  // after the last match the search starts again at the top
        for (int line : expected) {
            find->click();
            QCOMPARE(list()->selectedLines(), (std::vector<int>{line}));
        }
        // Editing the text starts the next search from the top again; Enter in the box finds as well.
        search->setText(u("备注:阀"));
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(list()->selectedLines(), (std::vector<int>{4}));
        search->setText(u("备注"));
        find->click();
        QCOMPARE(list()->selectedLines(), (std::vector<int>{1}));
        // The search runs on the listing's text, rule numbers and words included.
        search->setText(u("如果"));
        find->click();
        QCOMPARE(list()->selectedLines(), (std::vector<int>{0}));
        // An empty text matches every line: each press selects the next one.
        search->clear();
        find->click();
        find->click();
        QCOMPARE(list()->selectedLines(), (std::vector<int>{1}));
        QVERIFY(prompter.prompts.isEmpty());
        search->setText(u("没有这一行"));
        find->click();
        QCOMPARE(prompter.prompts.size(), 1);
        QCOMPARE(prompter.prompts[0].text, u("没有找到！"));
        QCOMPARE(prompter.prompts[0].caption, QString());
        QCOMPARE(list()->selectedLines(), (std::vector<int>{1}));
    }

    void linesArePaintedInTheirStatementColour() {
        loadStatements(4);
        ProgramStore main = window->program().main;
        auto& statements = main.statements;
        statements[0].colourCode = 1;
        statements[1].colourCode = 2;
        statements[2].colourCode = 4;
        statements[3].colourCode = 3;  // no colour
        setStore(window->document(), StoreRef::main(), main);
        const QColor expected[] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};
        for (int line = 0; line < 3; ++line)
            QCOMPARE(list()->model()->index(line, 0).data(Qt::ForegroundRole).value<QColor>(), expected[line]);
        QVERIFY(!list()->model()->index(3, 0).data(Qt::ForegroundRole).isValid());
    }

    void topLineAndCurrentLineSurviveRefreshes() {
        loadStatements(300);
        list()->setTopLine(120);
        list()->selectOnly(125);
        QCOMPARE(window->currentLine(), 125);
        window->clipboard() = numberedStore(2, 80);
        window->paste();
        QCOMPARE(list()->topLine(), 120);
        QCOMPARE(list()->selectedLines(), (std::vector<int>{126, 127}));
        QCOMPARE(window->currentLine(), 127);
        window->refreshMainList();
        QCOMPARE(list()->topLine(), 120);
        QCOMPARE(list()->selectedLines(), (std::vector<int>{127}));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
