#include "core/link/hardware_reports.h"

#include <cmath>
#include <cstdint>

#include "core/text/gbk.h"

namespace lumio {
namespace {

// The data bytes of a reply, read safely past the frame's end.
class ReplyData {
public:
    explicit ReplyData(ByteView frame) : frame_(frame) {}
    unsigned at(size_t k) const { return 3 + k < frame_.size() ? byteAt(frame_, 3 + k) : 0u; }
    unsigned u16Little(size_t k) const { return at(k) | at(k + 1) << 8; }
    std::uint32_t u32Little(size_t k) const {
        return static_cast<std::uint32_t>(u16Little(k)) | static_cast<std::uint32_t>(u16Little(k + 2)) << 16;
    }
    unsigned u16Big(size_t k) const { return at(k) << 8 | at(k + 1); }
    unsigned length() const { return 2 < frame_.size() ? byteAt(frame_, 2) : 0u; }

private:
    ByteView frame_;
};

// Collects UTF-8 lines and converts the whole report to GBK once.
class Report {
public:
    void add(const std::string& utf8) { text_ += utf8; }
    void text(const char* utf8) { text_ += utf8; }
    std::string gbk() const { return toGbk(text_); }

private:
    std::string text_;
};

// The percentage a board's counters give. A total of 0 prints as a division by zero prints, the same on
// every platform.
std::string percentText(double part, double total) {
    const double value = part * 100.0 / total;
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    return formatText("%0.3f", value);
}

std::string cpuText(unsigned load) { return formatText("%0.1f", load * 100.0 / 250.0); }

}  // namespace

std::string hardwareInfoReport(ByteView frame) {
    const ReplyData d(frame);
    Report report;
    report.text("读取硬件信息成功:\r\n\r\n");
    report.add(formatText("硬件内核: %d.0内核\r\n", static_cast<int>(d.at(0))));
    report.add(formatText("内核固件版本号: %u\r\n", d.u16Little(2)));
    report.add(formatText("程序空间: %u字节\r\n", unsigned{d.u32Little(4)}));
    report.add(formatText("定时器个数: %u\r\n", d.u16Little(8)));
    if (d.at(10) == 4 && d.at(11) == 0) report.add(formatText("定时器取值范围: %u - %u \r\n", 0u, 4294967295u));
    if (d.at(10) == 4 && d.at(11) == 3) report.add(formatText("定时器取值范围: %u - %u \r\n", 0u, 2147483647u));
    report.add(formatText("内核单次最大处理字节数: %u字节\r\n", d.u16Little(12)));
    report.add(formatText("整数个数: %u\r\n", d.u16Little(14)));
    const bool integerRange = d.at(16) == 4 && d.at(17) == 1;
    if (integerRange) report.add(formatText("整数取值范围: %d — %d \r\n", INT32_MIN, INT32_MAX));
    report.add(formatText("全局整数个数: %u\r\n", d.u16Little(18)));
    if (integerRange) report.add(formatText("全局整数取值范围: %d — %d \r\n", INT32_MIN, INT32_MAX));
    report.add(formatText("浮点数个数: %u\r\n", d.u16Little(22)));
    if (d.at(24) == 8) report.text("浮点数类型: 双精度浮点数 \r\n");
    if (d.at(24) == 4) report.text("浮点数类型: 单精度浮点数 \r\n");
    report.add(formatText("全局浮点数个数: %u\r\n", d.u16Little(26)));
    if (d.at(28) == 8) report.text("全局浮点数类型: 双精度浮点数 \r\n");
    if (d.at(28) == 4) report.text("全局浮点数类型: 单精度浮点数 \r\n");
    report.add(formatText("局部数组个数: %u\r\n", d.u16Little(30)));
    report.add(formatText("局部数组允许最大长度（边界）: %u\r\n", d.u16Little(32)));
    report.add(formatText("局部数组空间: %u\r\n", unsigned{d.u32Little(36)}));
    report.add(formatText("全局数组个数: %u\r\n", d.u16Little(40)));
    report.add(formatText("全局数组允许最大长度（边界）: %u\r\n", d.u16Little(42)));
    report.add(formatText("全局数组空间: %u\r\n", unsigned{d.u32Little(44)}));
    report.add(formatText("芯片内部掉电存储扇区数: %u\r\n", d.u16Little(48)));
    report.add(formatText("芯片内部掉电存储扇区(缓冲区)大小: %u\r\n", d.u16Little(50)));
    if (d.u32Little(52) == 0x12345678u) {
        report.text((d.at(56) & 1) != 0 ? "是否使能55协议: 是\r\n" : "是否使能55协议: 否\r\n");
        report.text((d.at(56) & 2) != 0 ? "是否使能modbus协议: 是\r\n" : "是否使能modbus协议: 否\r\n");
    }
    return report.gbk();
}

namespace {

// Lines 2..19 of the full form and of the short form share their opening.
void countsHead(Report& report, const ReplyData& d, bool shortForm) {
    report.text("读取硬件信息成功：\r\n\r\n");
    report.add(formatText("输入数量：%u\r\n", d.at(1)));
    report.add(formatText("输出数量：%u\r\n", d.at(2)));
    report.add(formatText("整数数量：%u\r\n", d.at(3)));
    report.add(formatText("全局整数数量：%u\r\n", d.at(4)));
    report.add(formatText("浮点数数量：%u\r\n", d.at(5)));
    report.add(formatText("全局浮点数数量：%u\r\n", d.at(6)));
    report.add(formatText("数组（局部数组）数量：%u\r\n", d.at(7)));
    if (shortForm) {
        report.add(formatText("数组（局部数组）长度：%u\r\n", d.at(8)));
        report.add(formatText("数组（局部数组）空间：%u\r\n", d.u16Big(9)));
        report.add(formatText("全局数组数量：%u\r\n", d.at(11)));
        report.add(formatText("全局数组长度：%u\r\n", d.at(12)));
        report.add(formatText("全局数组空间：%u\r\n", d.u16Big(13)));
    } else {
        report.add(formatText("数组（局部数组）默认长度：%u\r\n", d.at(8)));
        report.add(formatText("全局数组数量：%u\r\n", d.at(11)));
        report.add(formatText("全局数组默认长度：%u\r\n", d.at(12)));
    }
    report.add(formatText("定时器数量：%u\r\n", d.at(15)));
    report.add(formatText("位变量数量：%u\r\n", d.at(16)));
    report.add(formatText("最大处理字节数：%u\r\n", d.at(17)));
    report.add(formatText("存储扇区个数：%u\r\n", d.at(18)));
    report.add(formatText("存储扇区大小：%u\r\n", d.u16Big(19)));
    report.add(formatText("函数调用层叠数：%u\r\n", d.at(21)));
    report.add(formatText("缓冲区数量：%u\r\n", d.at(22)));
    report.add(formatText("缓冲区占用：%u\r\n", d.at(23)));
}

}  // namespace

std::string hardwareInfo2Report(ByteView frame) {
    const ReplyData d(frame);
    const unsigned n = d.length();
    Report report;
    if (n <= 23) return {};
    if (n <= 33) {
        countsHead(report, d, true);
        return report.gbk();
    }
    countsHead(report, d, false);
    const std::uint32_t unit = d.u16Big(26);
    const std::uint32_t total = d.u16Big(24) * unit;
    const std::uint32_t current = d.u16Big(28) * unit;
    const std::uint32_t peak = d.u16Big(30) * unit;
    report.add(formatText("动态内存总量：%u 字节\r\n", unsigned{total}));
    report.add(formatText("动态内存当前占用：%u 字节   %s%%\r\n", unsigned{current}, percentText(current, total).c_str()));
    report.add(formatText("动态内存历史峰值占用：%u 字节   %s%%\r\n", unsigned{peak}, percentText(peak, total).c_str()));
    report.add(formatText("动态内存申请出错次数：%u\r\n", d.at(32)));
    report.add(formatText("动态内存释放出错次数：%u\r\n", d.at(33)));
    if (n <= 39) return report.gbk();
    report.add(formatText("高频频率：%d khz\r\n", static_cast<int>(d.at(38))));
    report.add(formatText("高频中断cpu占用：%s%%\r\n", cpuText(d.at(34)).c_str()));
    report.add(formatText("毫秒中断cpu占用：%s%%\r\n", cpuText(d.at(35)).c_str()));
    report.add(formatText("内核运行间隔：%d ms\r\n", static_cast<int>(d.at(39))));
    report.add(formatText("当前内核运行cpu占用：%s%%\r\n", cpuText(d.at(36)).c_str()));
    report.add(formatText("内核运行cpu占用峰值：%s%%\r\n", cpuText(d.at(37)).c_str()));
    if (n <= 45) return report.gbk();
    const int first = static_cast<int>(d.u16Big(40));
    const int count = static_cast<int>(d.u16Big(42));
    if (count == 0) {
        report.text("全局整数支持掉电存储：无\r\n");
    } else {
        report.add(formatText("全局整数支持掉电存储：全局整数%d - 全局整数%d\r\n", first, first + count - 1));
    }
    const unsigned clockWord = d.u16Big(44);
    report.text((clockWord & 0x8000u) != 0 ? "晶振采用：外部晶振\r\n" : "晶振采用：内部晶振\r\n");
    report.add(formatText("系统主频：%d MHz\r\n", static_cast<int>(clockWord & 0x0FFFu)));
    return report.gbk();
}

}  // namespace lumio
