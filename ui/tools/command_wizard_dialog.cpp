#include "ui/tools/command_wizard_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/edition_profile.h"
#include "core/link/hex_text.h"
#include "ui/app/prompter.h"
#include "ui/app/qt_text.h"
#include "ui/tools/tool_link.h"

namespace lumio {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QString shown(std::string_view gbk) {
    QString result = fromGbk(gbk);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return result;
}

}  // namespace

Czhilingshengchengqi::Czhilingshengchengqi(ToolLink& link, Prompter& prompter, QWidget* parent)
    : QDialog(parent), link_(link), prompter_(prompter) {
    setObjectName(QStringLiteral("commandWizard"));
    setWindowTitle(text(editionProfile(Edition::Current).wizardCaption));
    setModal(true);
    const auto keep = [this](int id, QWidget* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        widget->setProperty("controlId", id);
        controls_.insert(id, widget);
    };

    addressLabel_ = new QLabel(text("目标地址："), this);
    keep(1020, addressLabel_, "addressLabel");
    address_ = new QComboBox(this);
    for (int i = 0; i < kWizardAddressCount; ++i) address_->addItem(text("地址%1").arg(i));
    address_->setCurrentIndex(1);
    keep(1022, address_, "addressList");

    operationLabel_ = new QLabel(text("操作功能："), this);
    operation_ = new QComboBox(this);
    for (int i = 0; i < kWizardOperationCount; ++i) operation_->addItem(fromGbk(wizardOperationName(i)));
    operation_->setCurrentIndex(1);
    keep(1023, operation_, "operationList");

    channelLabel_ = new QLabel(text("第几路："), this);
    keep(1021, channelLabel_, "channelLabel");
    channel_ = new QComboBox(this);
    for (int i = 1; i <= kWizardChannelCount; ++i) channel_->addItem(text("第%1路").arg(i));
    channel_->setCurrentIndex(0);
    keep(1024, channel_, "channelList");

    parameterLabel_ = new QLabel(fromGbk(wizardInitialParameterLabel()), this);
    keep(1013, parameterLabel_, "parameterLabel");
    parameter_ = new QLineEdit(this);
    keep(1025, parameter_, "parameter");

    replyLabel_ = new QLabel(text("回码："), this);
    keep(1014, replyLabel_, "replyLabel");
    reply_ = new QComboBox(this);
    reply_->addItem(text("需要回码"));
    reply_->addItem(text("不需要回码"));
    reply_->setCurrentIndex(0);
    keep(1026, reply_, "replyList");

    output_ = new QPlainTextEdit(this);
    output_->setPlainText(shown(wizardIntroText()));
    keep(1027, output_, "output");

    auto* help = new QPushButton(text("填写说明"), this);
    keep(1029, help, "helpButton");
    auto* composeButton = new QPushButton(text("生成命令 （16进制）"), this);
    keep(1028, composeButton, "composeButton");
    auto* sendButton = new QPushButton(text("发送"), this);
    keep(1030, sendButton, "sendButton");

    auto* fields = new QGridLayout;
    const std::pair<QLabel*, QWidget*> rows[] = {{addressLabel_, address_}, {operationLabel_, operation_},
                                                 {channelLabel_, channel_},  {parameterLabel_, parameter_},
                                                 {replyLabel_, reply_}};
    int row = 0;
    for (const auto& [label, field] : rows) {
        fields->addWidget(label, row, 0);
        fields->addWidget(field, row, 1);
        ++row;
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addWidget(composeButton);
    buttons->addWidget(sendButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(output_, 1);
    layout->addLayout(buttons);
    resize(480, 460);

    connect(operation_, &QComboBox::currentIndexChanged, this, &Czhilingshengchengqi::operationChanged);
    connect(help, &QPushButton::clicked, this, &Czhilingshengchengqi::showHelp);
    connect(composeButton, &QPushButton::clicked, this, &Czhilingshengchengqi::compose);
    connect(sendButton, &QPushButton::clicked, this, &Czhilingshengchengqi::send);
}

QString Czhilingshengchengqi::outputText() const { return output_->toPlainText(); }

std::optional<WizardOperation> Czhilingshengchengqi::selectedOperation() const {
    const int index = operation_->currentIndex();
    if (index < 0 || index >= kWizardOperationCount) return std::nullopt;
    return static_cast<WizardOperation>(index);
}

WizardChoice Czhilingshengchengqi::choice() const {
    WizardChoice choice;
    choice.address = static_cast<std::uint8_t>(std::max(address_->currentIndex(), 0));
    choice.operation = selectedOperation();
    choice.channel = channel_->currentIndex() + 1;
    choice.parameter = gbkOf(parameter_->text());
    choice.withReply = reply_->currentIndex() == 0;
    return choice;
}

void Czhilingshengchengqi::operationChanged() {
    const WizardLayout layout = wizardLayout(selectedOperation());
    addressLabel_->setText(fromGbk(layout.addressLabel));
    if (layout.parameterLabel) parameterLabel_->setText(fromGbk(*layout.parameterLabel));
    const auto showPair = [](QWidget* label, QWidget* field, bool visible) {
        label->setVisible(visible);
        field->setVisible(visible);
    };
    showPair(addressLabel_, address_, layout.address);
    showPair(parameterLabel_, parameter_, layout.parameter);
    showPair(channelLabel_, channel_, layout.channel);
    if (layout.reply) showPair(replyLabel_, reply_, *layout.reply);
    if (layout.emptyParameter) parameter_->clear();
}

void Czhilingshengchengqi::showHelp() { output_->setPlainText(shown(wizardHelpText(selectedOperation()))); }

void Czhilingshengchengqi::compose() {
    const WizardCommand command = composeWizardCommand(choice());
    for (const ShowMessage& message : command.messages) {
        prompter_.inform(fromGbk(message.text), fromGbk(message.caption));
    }
    output_->setPlainText(command.frame ? fromGbk(wizardFrameText(*command.frame)) : QString());
}

void Czhilingshengchengqi::send() {
    const HexText parsed = parseHexText(gbkOf(output_->toPlainText()));
    if (parsed.status == HexTextStatus::TooManyTokens) {
        prompter_.inform(fromGbk(tooManyHexTokensText()), text("提示"));
        return;
    }
    output_->setPlainText(fromGbk(hexPairs(parsed.bytes)));
    link_.sendWizardBytes(parsed.bytes);
}

}  // namespace lumio
