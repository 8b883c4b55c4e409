#include "core/classic/example_archive.h"

#include "core/editing/example_programs.h"
#include "core/model/program.h"
#include "core/model/program_image.h"
#include "core/text/gbk.h"

namespace lumio {
namespace {

// The archive's files carry the release date of the archive, so every build writes the same bytes.
constexpr DosDateTime kReleaseTime{2026, 12, 1, 8, 0, 0};

const char* exampleDescription(ExampleProgram example) {
    switch (example) {
        case ExampleProgram::InputSendsData: return "按下输入1，数据口1发送一行字符串；按下输入2，发送一串16进制数据。";
        case ExampleProgram::InputJogsOutput: return "点动：输入1闭合时输出1闭合，输入1断开时输出1断开。";
        case ExampleProgram::InputLatchesOutput:
            return "自锁：启动按钮使输出1闭合并保持，停止按钮使其断开；单按钮每单击一次翻转输出2。";
        case ExampleProgram::PacketSendsData:
            return "临时数据包：上电时设定数据口1的分包间隔，收到查询包或字符串ON时回复数据并闭合输出1。";
    }
    return "";
}

}  // namespace

std::vector<ArchiveEntry> exampleArchiveEntries() {
    const LangContext context{Edition::Classic, nullptr};
    std::vector<ArchiveEntry> entries;
    std::string guide =
        "Lumio例程压缩包V1.0\r\n\r\n"
        "每个 .zt5 文件是一个完整的程序文件，用 Lumio工具 打开即可查看、修改或写入板子。"
        "每条规则的第一行带有注释，说明这条规则做什么。\r\n\r\n";
    int number = 1;
    for (const ExampleProgram example : kExamplePrograms) {
        Program program;
        program.main = exampleProgram(example, context);
        const std::string name = std::to_string(number++) + "-" + toUtf8(exampleProgramName(example)) + ".zt5";
        entries.push_back({name, buildProgramImage(program, Edition::Classic), kReleaseTime});
        guide += name + "\r\n    " + exampleDescription(example) + "\r\n";
    }
    entries.push_back({"例程说明.txt", toGbk(guide), kReleaseTime});
    return entries;
}

Expected<Bytes, std::string> exampleArchive() { return storedRarArchive(exampleArchiveEntries()); }

}  // namespace lumio
