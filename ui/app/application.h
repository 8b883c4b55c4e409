#pragma once
// CMy1App: the editor application. It runs the main window until it closes; a program file named
// on the command line is opened at start, as if it had been dropped on the window.
#include <QApplication>
#include <functional>

#include "core/edition.h"

namespace lumio {

class CMy1Dlg;

class CMy1App : public QApplication {
    Q_OBJECT
public:
    CMy1App(int& argc, char** argv, Edition edition = Edition::Current);
    // Shows the main window, made ready by `prepare` (an edition's own menus), and runs it.
    int run(const std::function<void(CMy1Dlg&)>& prepare = {});

private:
    Edition edition_;
};

}  // namespace lumio
