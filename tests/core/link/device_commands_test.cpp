#include <gtest/gtest.h>

#include <functional>

#include "core/link/link_texts.h"

#include "tests/core/link/link_test_support.h"

namespace lumio {
namespace {

using namespace lumio::test;

constexpr std::uint8_t kAddress = 1;

std::tm localTime(int year, int month, int day, int weekday, int hour, int minute, int second) {
    std::tm time{};
    time.tm_year = year - 1900;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_wday = weekday;
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_sec = second;
    return time;
}

Bytes armed(const Bytes& frame) { return attentionPreamble() + frame; }

TEST(SetClock, ShowsTheTimeThenSendsItsPayload) {
    DeviceSession session;
    const Effects effects = session.setClock(localTime(2024, 3, 5, 2, 9, 8, 7));
    const Bytes payload = bytes({0x07, 0x08, 0x09, 0x02, 0x05, 0x03, 0x18});
    ASSERT_EQ(effects.size(), 2u);
    EXPECT_EQ(std::get<ShowMessage>(effects[0]), message("系统的当前时间为：2024年3月5日 星期2 9时8分7秒", ""));
    EXPECT_EQ(std::get<SendBytes>(effects[1]).bytes, armed(writeRequest(kAddress, 21, payload)));
    EXPECT_EQ(session.operation(), LinkOperation::Idle) << "no reply is awaited";
}

TEST(SetClock, SundayIsSentAsSeven) {
    EXPECT_EQ(clockPayload(localTime(2026, 12, 6, 0, 23, 59, 58)), bytes({58, 59, 23, 7, 6, 12, 26}));
    EXPECT_EQ(clockPayload(localTime(2026, 12, 7, 1, 0, 0, 0)), bytes({0, 0, 0, 1, 7, 12, 26}));
}

// One row per single-reply command: how it starts, what it sends, the operation it sets.
struct CommandCase {
    const char* name;
    std::function<Effects(DeviceSession&)> start;
    Bytes sent;
    LinkOperation operation;
};

std::vector<CommandCase> commandCases() {
    return {
        {"ReadClock", [](DeviceSession& s) { return s.readClock(); }, armed(readRequest(kAddress, 21)),
         LinkOperation::ReadClock},
        {"Encrypt", [](DeviceSession& s) { return s.encrypt("pw"); }, armed(writeRequest(kAddress, 10, "pw")),
         LinkOperation::Encrypt},
        {"Decrypt", [](DeviceSession& s) { return s.decrypt("pw"); }, armed(writeRequest(kAddress, 12, "pw")),
         LinkOperation::Decrypt},
        {"ReadAddress", [](DeviceSession& s) { return s.readAddress(); }, frame55(0xF5, 0x40, 0),
         LinkOperation::ReadAddress},
        {"HardwareInfo", [](DeviceSession& s) { return s.hardwareInfo(); }, armed(readRequest(kAddress, 20)),
         LinkOperation::HardwareInfo},
        {"HardwareInfo2", [](DeviceSession& s) { return s.hardwareInfo2(); }, armed(readRequest(kAddress, 102)),
         LinkOperation::HardwareInfo2},
        {"NetworkInfo", [](DeviceSession& s) { return s.networkInfo(); }, armed(readRequest(kAddress, 23)),
         LinkOperation::HardwareInfo},
        {"Identification", [](DeviceSession& s) { return s.identification(); }, armed(readRequest(kAddress, 24)),
         LinkOperation::HardwareInfo},
        {"LearnRadio", [](DeviceSession& s) { return s.learnRemote(RemoteCodeKind::Radio); },
         armed(readRequest(kAddress, 1)), LinkOperation::LearnRadio},
        {"LearnUniversalIr", [](DeviceSession& s) { return s.learnRemote(RemoteCodeKind::UniversalIr); },
         armed(readRequest(kAddress, 3)), LinkOperation::LearnUniversalIr},
    };
}

class SingleReplyCommand : public testing::TestWithParam<CommandCase> {};

TEST_P(SingleReplyCommand, SendsItsRequestAndSetsItsOperation) {
    DeviceSession session;
    const Effects effects = GetParam().start(session);
    EXPECT_EQ(sent(effects), std::vector<Bytes>{GetParam().sent});
    EXPECT_EQ(session.operation(), GetParam().operation);
}

TEST_P(SingleReplyCommand, NoAnswerForThreeSecondsGivesOneNoteAndStaysPending) {
    DeviceSession session;
    GetParam().start(session);
    EXPECT_TRUE(tickTimes(session, 29).empty());
    const Effects effects = session.tick();
    EXPECT_EQ(effectsOf<ShowNote>(effects), std::vector<ShowNote>{{toGbk("目标板无应答 目标地址1")}});
    EXPECT_TRUE(messages(effects).empty()) << "a note, never a modal box";
    EXPECT_EQ(session.operation(), GetParam().operation);
    EXPECT_TRUE(tickTimes(session, 300).empty()) << "the note comes once";
}

TEST_P(SingleReplyCommand, IsReplacedByTheNextCommand) {
    DeviceSession session;
    GetParam().start(session);
    const Effects effects = session.writeAll("x");
    EXPECT_EQ(effectsOf<OperationEnded>(effects), ending(GetParam().operation, Outcome::Replaced));
    EXPECT_TRUE(effectsOf<ShowNote>(tickTimes(session, 60)).empty()) << "the replaced command's note is gone";
}

INSTANTIATE_TEST_SUITE_P(Commands, SingleReplyCommand, testing::ValuesIn(commandCases()),
                         [](const testing::TestParamInfo<CommandCase>& info) { return info.param.name; });

TEST(ReadClock, ShowsTheBoardTimeAndIgnoresOtherReplies) {
    DeviceSession session;
    session.readClock();
    EXPECT_TRUE(session.receive(dataReply(kAddress, 'i', bytes({1, 2, 3}))).empty());
    EXPECT_TRUE(session.receive(shortReply(kAddress, 'l', bytes({0, 0x0A, 0, 0}))).empty());
    EXPECT_EQ(session.operation(), LinkOperation::ReadClock);
    tickTimes(session, 40);  // a late reply still works after the note
    const Effects effects = session.receive(dataReply(kAddress, 'i', bytes({7, 8, 9, 7, 5, 3, 0x18})));
    EXPECT_EQ(messages(effects),
              std::vector<ShowMessage>{message("系统的当前时间为：2024年3月5日 星期7 9时8分7秒", "")});
    EXPECT_EQ(effectsOf<OperationEnded>(effects), ending(LinkOperation::ReadClock, Outcome::Completed));
    EXPECT_EQ(session.operation(), LinkOperation::Idle);
}

struct PasswordReply {
    bool encrypt;
    Bytes reply;
    const char* text;  // nullptr: no message
};

class PasswordReplies : public testing::TestWithParam<PasswordReply> {};

TEST_P(PasswordReplies, AnyFrameEndsTheOperationAndByteThreeDecides) {
    DeviceSession session;
    if (GetParam().encrypt) {
        session.encrypt("1234");
    } else {
        session.decrypt("1234");
    }
    const Effects effects = session.receive(GetParam().reply);
    const std::vector<ShowMessage> expected =
        GetParam().text ? std::vector<ShowMessage>{message(GetParam().text, "注意")} : std::vector<ShowMessage>{};
    EXPECT_EQ(messages(effects), expected);
    EXPECT_EQ(effectsOf<OperationEnded>(effects).size(), 1u);
    EXPECT_EQ(session.operation(), LinkOperation::Idle);
}

INSTANTIATE_TEST_SUITE_P(
    Results, PasswordReplies,
    testing::Values(PasswordReply{true, shortReply(kAddress, 'l', bytes({0, 0x0A, 0, 0})), "加密成功"},
                    PasswordReply{true, shortReply(kAddress, 'l', bytes({0, 0x0B, 0, 0})), "加密失败"},
                    PasswordReply{false, shortReply(kAddress, 'l', bytes({0, 0x0C, 0, 0})), "解密成功"},
                    PasswordReply{false, shortReply(kAddress, 'l', bytes({0, 0x0D, 0, 0})), "解密失败"},
                    PasswordReply{false, shortReply(kAddress, 'l', bytes({0, 0x0E, 0, 0})), nullptr},
                    PasswordReply{true, dataReply(kAddress, 'i', bytes({0x0A})), nullptr}));

TEST(Password, EmptySendsNothingAndOverLongIsRefused) {
    DeviceSession session;
    EXPECT_TRUE(session.encrypt("").empty());
    EXPECT_EQ(session.operation(), LinkOperation::Idle);
    for (bool encrypt : {true, false}) {
        const Bytes tooLong(101, 'p');
        const Effects effects = encrypt ? session.encrypt(tooLong) : session.decrypt(tooLong);
        EXPECT_TRUE(sent(effects).empty());
        EXPECT_EQ(messages(effects), std::vector<ShowMessage>{message("密码过长，最多100字节！", "提示")});
        EXPECT_EQ(session.operation(), LinkOperation::Idle);
    }
    const Bytes longest(100, 'p');
    EXPECT_EQ(sent(session.decrypt(longest)), std::vector<Bytes>{armed(writeRequest(kAddress, 12, longest))});
}

TEST(ModuleAddress, ReadShowsTheAddressOfTheReply) {
    DeviceSession session;
    session.readAddress();
    Bytes reply = bytes({0x22, 0x05, 0, 0, 0, 0, 0});
    reply.push_back(static_cast<char>(sum8(reply)));
    const Effects effects = session.receive(bytes({0x55}) + reply);
    EXPECT_TRUE(effectsOf<TerminalBytes>(effects).empty());
    EXPECT_EQ(messages(effects), std::vector<ShowMessage>{message("目标模块地址为 5", "读取成功")});
    EXPECT_EQ(session.operation(), LinkOperation::Idle);
}

TEST(ModuleAddress, WriteSendsTheSelectedAddressToEveryModuleAndKeepsTheOperation) {
    DeviceSession session;
    session.readClock();
    session.setModuleAddress(3);
    const Effects effects = session.writeAddress();
    EXPECT_EQ(sent(effects), std::vector<Bytes>{bytes({0x55, 0xF5, 0x41, 0x00, 0x00, 0x00, 0x03, 0x8E})});
    EXPECT_EQ(session.operation(), LinkOperation::ReadClock);
    // Later frames carry the new address.
    EXPECT_EQ(sent(session.hardwareInfo()), std::vector<Bytes>{armed(readRequest(3, 20))});
}

TEST(HardwareInfo, OpensItsReportOnAnIReplyOnly) {
    DeviceSession session;
    session.hardwareInfo();
    EXPECT_TRUE(session.receive(shortReply(kAddress, 'l', bytes({0, 0, 0, 0}))).empty());
    const Bytes reply = dataReply(kAddress, 'i', Bytes(100, '\0'));
    const std::vector<OpenReport> reports = effectsOf<OpenReport>(session.receive(reply));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].mode, ReportMode::HardwareInfo);
    EXPECT_EQ(reports[0].frame, reply);
    EXPECT_EQ(session.operation(), LinkOperation::Idle);
}

TEST(HardwareInfo2, AnyFrameOpensTheReportItsLengthSelects) {
    DeviceSession session;
    session.hardwareInfo2();
    const Bytes reply = shortReply(kAddress, 'l', bytes({0, 0, 0, 0}));
    const std::vector<OpenReport> reports = effectsOf<OpenReport>(session.receive(reply));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].mode, ReportMode::HardwareInfo2);
    EXPECT_EQ(reports[0].text, "") << "length byte 0: the empty report";
    EXPECT_EQ(session.operation(), LinkOperation::Idle);
}

struct LearnCase {
    RemoteCodeKind kind;
    const char* text;
};

class RemoteLearning : public testing::TestWithParam<LearnCase> {};

TEST_P(RemoteLearning, StoresTheCodeShowsItThenTellsTheEditor) {
    DeviceSession session;
    session.learnRemote(GetParam().kind);
    const Bytes code = bytes({0x01, 0x0A, 0xFF});
    const Effects effects = session.receive(dataReply(kAddress, 'i', code));
    ASSERT_GE(effects.size(), 2u);
    EXPECT_EQ(std::get<ShowMessage>(effects[0]), message(GetParam().text, "注意"));
    EXPECT_EQ(std::get<CodeLearned>(effects[1]), (CodeLearned{GetParam().kind, code}));
    EXPECT_EQ(session.learnedCode(GetParam().kind), code);
    EXPECT_EQ(session.operation(), LinkOperation::Idle);
}

TEST_P(RemoteLearning, OtherFramesEndItSilently) {
    DeviceSession session;
    session.learnRemote(GetParam().kind);
    const Effects effects = session.receive(shortReply(kAddress, 'j', bytes({0, 0, 0, 0})));
    EXPECT_TRUE(messages(effects).empty());
    EXPECT_TRUE(effectsOf<CodeLearned>(effects).empty());
    EXPECT_TRUE(session.learnedCode(GetParam().kind).empty());
    EXPECT_EQ(session.operation(), LinkOperation::Idle);
}

INSTANTIATE_TEST_SUITE_P(Kinds, RemoteLearning,
                         testing::Values(LearnCase{RemoteCodeKind::Radio, "接收到无线遥控信号01 0A FF"},
                                         LearnCase{RemoteCodeKind::UniversalIr, "接收到万能红外遥控信号01 0A FF"}));

TEST(Routing, IdleBytesGoToTheTerminalAndRepliesEndOperationsMidStream) {
    DeviceSession session;
    EXPECT_EQ(session.receive("abc"), Effects{TerminalBytes{"abc"}});
    session.readClock();
    const Bytes reply = dataReply(kAddress, 'i', bytes({1, 2, 3, 4, 5, 6, 7}));
    const Effects effects = session.receive(reply + "tail");
    EXPECT_EQ(effectsOf<TerminalBytes>(effects), std::vector<TerminalBytes>{{"tail"}});
    EXPECT_EQ(messages(effects).size(), 1u);
}

TEST(Routing, AnySplitOfTheStreamGivesTheSameEffects) {
    const Bytes stream = blockAck(kAddress, 0, 2) + blockAck(kAddress, 1, 2) + "after";
    DeviceSession whole;
    whole.writeAll(Bytes(60, 'w'));
    const Effects expected = whole.receive(stream);
    DeviceSession split;
    split.writeAll(Bytes(60, 'w'));
    Effects pieces;
    for (char c : stream) {
        Effects effects = split.receive(ByteView(&c, 1));
        pieces.insert(pieces.end(), effects.begin(), effects.end());
    }
    EXPECT_EQ(effectsOf<SendBytes>(pieces), effectsOf<SendBytes>(expected));
    EXPECT_EQ(messages(pieces), messages(expected));
    EXPECT_EQ(messages(pieces).size(), 1u);
    EXPECT_EQ(effectsOf<TerminalBytes>(pieces), (std::vector<TerminalBytes>{{"a"}, {"f"}, {"t"}, {"e"}, {"r"}}));
}

}  // namespace
}  // namespace lumio

namespace lumio {
namespace {

TEST(SessionConfig, PreambleCarriesTheConfiguredIdentificationAndFramesTheConfiguredAddress) {
    DeviceSession session(DeviceSessionConfig{"ABCDEFGHIJKLM", Edition::Current, 7});
    EXPECT_EQ(test::sent(session.readClock()),
              std::vector<Bytes>{attentionPreamble("ABCDEFGHIJKLM") + readRequest(7, 21)});
    DeviceSession fallback(DeviceSessionConfig{"bad", Edition::Current, 1});
    EXPECT_EQ(test::sent(fallback.readClock()), std::vector<Bytes>{attentionPreamble() + readRequest(1, 21)});
}

}  // namespace
}  // namespace lumio
