#pragma once
// Standard output carries bytes exactly as written: on Windows it is switched out of text mode, which
// would turn each line break into two bytes.
namespace lumio::cli {

void useBinaryStandardOutput();

}  // namespace lumio::cli
