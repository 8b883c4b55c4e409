#pragma once
// What one edition of the editor is: its window title, application name, the stores its programs
// have, the largest program image it accepts, the menu entries it offers, how its statement editor
// works and its naming rules. Code asks the profile instead of testing the edition where it differs.
#include <cstdint>
#include <span>
#include <string_view>

#include "core/edition.h"
#include "core/model/store_ref.h"

namespace lumio {

// How the statement editor runs: one modeless window that writes every change back at once (current),
// or a modal dialog made for each use that applies only on OK (classic).
enum class StatementEditorStyle { ModelessLive, ModalOnOk };

// A category of the global naming dialog: the word of its default names and the numbers it offers.
struct NameCategory {
    const char* word;  // UTF-8
    int first;
    int last;
};

struct EditionProfile {
    Edition edition;
    const char* title;            // UTF-8 window title
    const char* applicationName;  // the program's name, also its settings key
    std::uint32_t maxImage;       // largest program image opened or received
    bool hasThreads;              // thread stores 501..600 and the thread list
    bool hasFirmwareUpgrade;
    bool hasLocalNaming;          // the local naming dialog
    bool refusesSystemWords;      // a new name may not equal a reserved system word
    StatementEditorStyle statementEditor;
    const char* namingEntry;      // UTF-8 caption of the 设置 entry that opens the naming dialog
    const char* namingTitle;      // UTF-8 caption of the global naming dialog
    bool hasLineColours;          // the 设置颜色 entries that set the colour code of lines
    std::span<const NameCategory> nameCategories;  // in list order
    const char* wizardCaption;    // UTF-8 caption of the relay-board command wizard
    // The 通信 entries 读取网络信息 and 读取ID; a hardware-information reply then opens the report its
    // first data byte names (5 hardware, 6 network, 7 identification).
    bool hasNetworkReports;
    bool hasRelayTestPanel;       // 工具 → 测试工具
    bool showsPortErrors;         // a failed serial port call shows "Application Error"

    // Whether a program of this edition has `store`.
    bool has(StoreRef store) const { return store.existsIn(edition); }
    // The function or thread kinds of store this edition's lists show.
    bool offers(StoreKind kind) const { return kind != StoreKind::Thread || hasThreads; }
};

const EditionProfile& editionProfile(Edition edition);
// "current" or "classic"; nothing for any other text.
const EditionProfile* editionProfileNamed(std::string_view name);

}  // namespace lumio
