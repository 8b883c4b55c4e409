#include "core/link/classic_port_error.h"

#include "core/text/bytes.h"

namespace lumio {

std::string_view classicPortCallName(ClassicPortCall call) {
    switch (call) {
        case ClassicPortCall::SetTimeouts: return "SetCommTimeouts()";
        case ClassicPortCall::SetMask: return "SetCommMask()";
        case ClassicPortCall::GetState: return "GetCommState()";
        case ClassicPortCall::BuildLineSettings: return "BuildCommDCB()";
        case ClassicPortCall::SetState: return "SetCommState()";
        case ClassicPortCall::WaitEvent: return "WaitCommEvent()";
        case ClassicPortCall::Write: return "WriteFile()";
        case ClassicPortCall::Read: return "ReadFile()";
        case ClassicPortCall::WriteResult: return "GetOverlappedResults() in WriteFile()";
        case ClassicPortCall::ReadResult: return "GetOverlappedResults() in ReadFile()";
    }
    return {};
}

UserMessage classicPortErrorMessage(ClassicPortCall call, std::string_view systemText, int port) {
    const std::string name(classicPortCallName(call));
    const std::string system(systemText);
    return {formatText("WARNING:  %s Failed with the following error: \n%s\nPort: %d\n", name.c_str(), system.c_str(),
                       port),
            "Application Error"};
}

}  // namespace lumio
