#pragma once
// The controls of the main window by name. The numbers are the controls' resource ids (each control
// carries its number as the property "resourceId"); they are the main window's own and mean nothing in
// another window.
namespace lumio {

enum class MainControl {
    OpenButton = 1001,
    SaveButton = 1002,
    SaveAsButton = 1003,
    SettingsButton = 1004,
    MainList = 1005,
    AddStatementButton = 1006,
    DeleteButton = 1007,
    ConnectButton = 1008,
    AddressList = 1010,
    ReadAllButton = 1011,
    WriteAllButton = 1012,
    SizeText = 1013,
    SearchEdit = 1014,
    FindButton = 1015,
    PortList = 1017,
    ProgressBar = 1018,
};

}  // namespace lumio
