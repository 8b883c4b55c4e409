#include "core/link/classic_reports.h"

#include <algorithm>

#include "core/text/gbk.h"

namespace lumio {
namespace {

constexpr size_t kDataOffset = 3;
constexpr unsigned kNotReported = 255;

// The data bytes of a reply: at most n (the length byte) and never past the frame, so a short reply
// shows zeros rather than its CRC.
class NetworkReply {
public:
    explicit NetworkReply(ByteView frame) {
        if (frame.size() > kDataOffset) {
            const size_t count = std::min<size_t>(byteAt(frame, 2), frame.size() - kDataOffset);
            data_ = frame.substr(kDataOffset, count);
        }
    }
    unsigned at(size_t k) const { return k < data_.size() ? byteAt(data_, k) : 0u; }
    unsigned u16Little(size_t k) const { return at(k) | at(k + 1) << 8; }
    size_t size() const { return data_.size(); }

private:
    ByteView data_;
};

// A dotted address stored least significant byte first at d[lowest..lowest+3].
std::string addressText(const NetworkReply& d, size_t lowest) {
    return formatText("%u.%u.%u.%u", d.at(lowest + 3), d.at(lowest + 2), d.at(lowest + 1), d.at(lowest));
}

}  // namespace

ClassicReport classicReportKind(ByteView frame) {
    switch (NetworkReply(frame).at(0)) {
        case 5: return ClassicReport::Hardware;
        case 6: return ClassicReport::Network;
        case 7: return ClassicReport::Identification;
        default: return ClassicReport::None;
    }
}

std::string networkReport(ByteView frame) {
    const NetworkReply d(frame);
    std::string text = "读取网络参数成功:\r\n\r\n";
    text += "IP地址: " + addressText(d, 4) + "\r\n";
    text += "子网掩码: " + addressText(d, 8) + "\r\n";
    text += "网关: " + addressText(d, 12) + "\r\n";
    text += formatText("tcp控制器数量: %u\r\n", d.u16Little(16));
    text += formatText("udp控制器数量: %u\r\n", d.u16Little(18));
    text += formatText("tcp服务端口数量: %u\r\n", d.u16Little(20));
    return toGbk(text);
}

std::string identificationReport(ByteView frame) {
    const NetworkReply d(frame);
    if (d.at(1) != kIdentificationRegister) return {};
    const unsigned filled = d.at(2);
    std::string text = "读取ID成功:\r\n\r\n";
    if (filled > 25) {
        // The count byte may claim more identification bytes than the reply holds; only those it
        // holds are shown.
        const size_t count = std::min<size_t>(d.at(3), d.size() > 4 ? d.size() - 4 : 0);
        if (count > 0) {
            text += "识别ID：";
            for (size_t k = 0; k < count; ++k) text += formatText(k + 1 < count ? "%02X " : "%02X", d.at(4 + k));
            text += "\r\n";
        }
        if (d.at(24) != kNotReported) text += formatText("输入数量：%u\r\n", d.at(24));
        if (d.at(25) != kNotReported) text += formatText("输出数量：%u\r\n", d.at(25));
    }
    if (filled > 27) {
        if (d.at(26) != kNotReported) text += formatText("缓冲区数量：%u\r\n", d.at(26));
        if (d.at(27) != kNotReported) text += formatText("缓冲区使用数量：%u\r\n", d.at(27));
    }
    return toGbk(text);
}

}  // namespace lumio
