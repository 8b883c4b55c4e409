#include <cstdio>
#include <cstring>
#include <string>

#include "apps/cli/commands.h"
#include "apps/cli/link_options.h"
#include "apps/cli/console.h"

namespace lumio::cli {

const std::vector<Command>& commands() {
    static const std::vector<Command> list{
        {"check", "lumio check FILE [--edition classic]\n"
                  "                                check that a .zt5 or .hs5 file would open, and summarise it", runCheck},
        {"list", "lumio list FILE [--store main|function N|thread N|all] [--edition classic]\n"
                 "                                print the listing of a .zt5 or .hs5 file as the editor shows it",
         runList},
        {"statement", "lumio statement (--condition|--action) KIND P1 P2 [--or] [--comment TEXT]\n"
                      "                [--edition classic] -- PARAM3\n"
                      "                                encode one statement as the editor does; print its record and text",
         runStatement},
        {"read", "lumio read OUT.zt5 LINK       read the program from the board into a program file", runRead},
        {"write", "lumio write FILE [--verify] LINK\n"
                  "                                write a program file to the board (--verify: read it back and compare)",
         runWrite},
        {"clock", "lumio clock [--set] LINK      read the board clock (--set: set it to this computer's time first)",
         runClock},
        {"address", "lumio address [--set N] LINK  read the module address (--set: give every module on the line address N)",
         runAddress},
        {"info", "lumio info [--report 1|2] LINK print a hardware-information report of the board", runInfo},
        {"lock", "lumio lock [--password-file F] LINK\n"
                 "                                lock the board's program with a password (typed twice without echo)",
         runLock},
        {"unlock", "lumio unlock [--password-file F] LINK\n"
                   "                                unlock the board's program", runUnlock},
        {"firmware", "lumio firmware [--image-dir DIR] [--fast] [--yes] LINK\n"
                     "                                replace the board's processor firmware with the image for its chip\n"
                     "                                (<chip>.bin from DIR; --fast: transfer at 115200 baud; --yes: do not ask)",
         runFirmware},
        {"export", "lumio export FILE [-o OUT] [--edition classic]\n"
                   "                                the program text of a .zt5 or .hs5 file (a git textconv driver too)",
         runExport},
        {"import", "lumio import TEXT -o FILE     the .zt5 or .hs5 file a program text stands for, byte for byte",
         runImport},
#ifdef LUMIO_CLI_PDF
        {"pdf", "lumio pdf FILE -o OUT.pdf [--edition classic]\n"
                "                                the printed listing of a .zt5 or .hs5 file as a PDF (no display needed)",
         runPdf},
#endif
    };
    return list;
}

int usageError(const char* command, const std::string& message) {
    std::fprintf(stderr, "lumio: %s\n", message.c_str());
    for (const Command& entry : commands())
        if (command != nullptr && std::strcmp(entry.name, command) == 0) std::fprintf(stderr, "usage: %s\n", entry.usage);
    return 2;
}

}  // namespace lumio::cli

namespace {

void printHelp() {
    std::printf("lumio %s: headless tool for Lumio controller programs (.zt5 program files, .hs5 block files)\n\n",
                LUMIO_VERSION);
    std::printf("usage:\n");
    for (const auto& entry : lumio::cli::commands()) std::printf("  %s\n", entry.usage);
    std::printf("  lumio --help | --version\n\n");
    std::printf("LINK: %s\n\n", lumio::cli::linkOptionsHelp());
    std::printf("Texts are printed as UTF-8; device commands show progress and the board's messages on standard\n"
                "error. Exit codes: 0 success (device commands: the board confirmed everything), 1 the file or input\n"
                "was refused, or a board or link failure (one line says why), 2 usage error or unreadable file.\n");
}

}  // namespace

int main(int argc, char** argv) {
    const lumio::cli::Arguments arguments = lumio::cli::commandLineArguments(argc, argv);
    if (arguments.empty()) {
        printHelp();
        return 2;
    }
    const std::string& first = arguments.front();
    if (first == "--help" || first == "-h" || first == "help") {
        printHelp();
        return 0;
    }
    if (first == "--version") {
        std::printf("lumio %s\n", LUMIO_VERSION);
        return 0;
    }
    for (const auto& entry : lumio::cli::commands()) {
        if (first == entry.name) return entry.run(lumio::cli::Arguments(arguments.begin() + 1, arguments.end()));
    }
    return lumio::cli::usageError(nullptr, "unknown command '" + first + "' (see lumio --help)");
}
