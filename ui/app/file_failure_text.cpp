#include "ui/app/file_failure_text.h"

#include <QFile>

#include "ui/app/prompter.h"
#include "ui/app/qt_text.h"

namespace lumio {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

const char* stepText(FileIoFailure::Step step) {
    switch (step) {
    case FileIoFailure::Step::Open: return "无法打开文件：%1\n%2";
    case FileIoFailure::Step::Read: return "无法读取文件：%1\n%2";
    case FileIoFailure::Step::Create:
    case FileIoFailure::Step::Write:
    case FileIoFailure::Step::Flush: return "无法写入文件：%1\n%2";
    case FileIoFailure::Step::Replace: return "无法替换文件：%1\n%2";
    }
    return "无法打开文件：%1\n%2";
}

}  // namespace

QString shownPath(const std::filesystem::path& path) {
#if defined(_WIN32)
    return QString::fromStdWString(path.wstring());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
}

QString fileFailureText(const FileIoFailure& failure) {
    return text(stepText(failure.step)).arg(shownPath(failure.path), qt_error_string(failure.error.value()));
}

void informOpenFailure(Prompter& prompter, const FileFailure& failure, UserMessage (*message)(const FileFailure&)) {
    const UserMessage told = message(failure);
    if (failure.io) {
        prompter.inform(fileFailureText(*failure.io), fromGbk(told.caption));
        return;
    }
    if (!told.text.empty()) prompter.inform(fromGbk(told.text), fromGbk(told.caption));
}

void informWriteFailure(Prompter& prompter, const FileIoFailure& failure) {
    prompter.inform(fileFailureText(failure), text("错误"));
}

}  // namespace lumio
