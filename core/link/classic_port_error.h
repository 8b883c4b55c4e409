#pragma once
// The classic serial transport's message box for a failed port call: "WARNING:  %s Failed with the
// following error: \n%s\nPort: %d\n", caption "Application Error".
#include <string>
#include <string_view>

#include "core/model/program_files.h"

namespace lumio {

// The port calls whose failure the message names.
enum class ClassicPortCall {
    SetTimeouts,
    SetMask,
    GetState,
    BuildLineSettings,
    SetState,
    WaitEvent,
    Write,
    Read,
    WriteResult,
    ReadResult,
};

// The call's name as the message shows it, e.g. "SetCommTimeouts()".
std::string_view classicPortCallName(ClassicPortCall call);

// `systemText` is the system's description of the error (GBK); the result is GBK.
UserMessage classicPortErrorMessage(ClassicPortCall call, std::string_view systemText, int port);

}  // namespace lumio
