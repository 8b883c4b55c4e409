#pragma once
// The one place where a failed file read or write becomes the user's text: in Chinese, naming the
// file as the system spells it and the cause in Qt's words for the system error.
#include <QString>

#include "core/model/program_files.h"
#include "core/platform/file_io.h"

namespace lumio {

class Prompter;

// The file's path for display, decoded from the file system's own encoding.
QString shownPath(const std::filesystem::path& path);
// For example "无法打开文件：/home/用户/程序.zt5\n没有那个文件或目录".
QString fileFailureText(const FileIoFailure& failure);

// Tells the user why a program or block file was not opened: the content's message from `message`
// (nothing for a silent refusal), or the failure text when the file could not be read.
void informOpenFailure(Prompter& prompter, const FileFailure& failure, UserMessage (*message)(const FileFailure&));
// Tells the user why a file was not written (caption "错误").
void informWriteFailure(Prompter& prompter, const FileIoFailure& failure);

}  // namespace lumio
