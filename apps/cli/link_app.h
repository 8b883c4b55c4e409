#pragma once
// The Qt application object the device commands run their event loop in.
#include <QCoreApplication>

namespace lumio::cli {

// Created once, on the first device command of the process.
QCoreApplication& linkApplication();

}  // namespace lumio::cli
