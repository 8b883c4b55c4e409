// The main window with a main program of 10,000 statements: opening the file up to the first paint of
// the window, and one edit (paste of a statement) up to the repaint of the list.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "core/model/program_files.h"
#include "core/text/gbk.h"
#include "ui/app/main_window.h"
#include "ui/app/statement_list.h"

namespace {

using namespace lumio;

constexpr int kStatementCount = 10000;

QApplication& application() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "editor_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

Statement statement(bool isAction, int kind, int param1, int param2) {
    Statement s;
    s.isAction = isAction ? 1 : 0;
    s.setKind(static_cast<std::uint8_t>(kind));
    s.setParam1(static_cast<std::uint8_t>(param1));
    s.setParam2(static_cast<std::uint8_t>(param2));
    return s;
}

// Rules of two conditions and two actions, a block around every tenth rule, a comment on every
// seventh statement.
ProgramStore tenThousand() {
    ProgramStore store;
    for (int i = 0; store.count() < kStatementCount; ++i) {
        if (i % 10 == 0) store.statements.push_back(statement(true, kBlockActionKind, kBlockBeginParam, 0));
        store.statements.push_back(statement(false, 1, 1 + i % 200, 2));
        store.statements.push_back(statement(false, 4, 1 + i % 200, 2));
        store.statements.push_back(statement(true, 1, 1, 5));
        store.statements.push_back(statement(true, 1, 1, 6));
        if (i % 10 == 0) store.statements.push_back(statement(true, kBlockActionKind, kBlockEndParam, 0));
    }
    store.statements.resize(kStatementCount);
    for (size_t i = 0; i < store.count(); i += 7) store.statements[i].comment = toGbk("检查泵的压力");
    store.recomputeDepths();
    return store;
}

const QString& programPath() {
    static QTemporaryDir folder;
    static const QString path = [] {
        Program program;
        program.main = tenThousand();
        const QString file = folder.filePath(QStringLiteral("ten_thousand.zt5"));
        if (!saveProgramFile(program, QFile::encodeName(file).toStdString())) qFatal("cannot write %s", qPrintable(file));
        return file;
    }();
    return path;
}

void BM_OpenAndFirstPaint(benchmark::State& state) {
    application();
    const QString path = programPath();
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<CMy1Dlg>(Edition::Current, nullptr, SettingsStore(QDir::temp().filePath("none.ini")));
        window->resize(1280, 760);
        window->show();
        QApplication::processEvents();
        state.ResumeTiming();
        window->openDroppedFile(path);
        const QPixmap painted = window->grab();
        benchmark::DoNotOptimize(painted.cacheKey());
        state.PauseTiming();
        if (window->mainList()->count() != kStatementCount) state.SkipWithError("program not opened");
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenAndFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_EditAndRefresh(benchmark::State& state) {
    application();
    CMy1Dlg window(Edition::Current, nullptr, SettingsStore(QDir::temp().filePath("none.ini")));
    window.resize(1280, 760);
    window.show();
    window.openDroppedFile(programPath());
    window.clipboard().statements.push_back(statement(true, 1, 1, 5));
    Clist_command* list = window.mainList();
    list->setTopLine(4990);
    for (auto _ : state) {
        list->selectOnly(5000);
        window.paste();
        list->viewport()->repaint();
        state.PauseTiming();
        window.undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EditAndRefresh)->Unit(benchmark::kMillisecond);

}  // namespace
