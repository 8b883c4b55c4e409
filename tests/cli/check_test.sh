#!/usr/bin/env bash
# lumio check: exit codes, the summary of files that open, the first failing check of files that don't.
set -u
source "$(dirname "$0")/lib.sh"

expect_run "empty program" 0 'body size: 0 bytes' "$lumio" check "$data/open/empty.zt5"
expect_run "empty program length" 0 'image length: 16 bytes' "$lumio" check "$data/open/empty.zt5"
expect_run "function 7" 0 'functions: 1: 7 \(1\)' "$lumio" check "$data/open/function7.zt5"
expect_run "mixed main" 0 'main program: 5 statements' "$lumio" check "$data/open/mixed.zt5"
expect_run "mixed threads" 0 'threads: 1: 3 \(2\)' "$lumio" check "$data/open/mixed.zt5"
expect_run "mixed names" 0 'user names: 2 lines' "$lumio" check "$data/open/mixed.zt5"
expect_run "block file" 0 'statements: 3' "$lumio" check "$data/open/three.hs5"

# file                     first failing check
while read -r file check; do
  expect_run "refuse $file" 1 "refused: $check" "$lumio" check "$data/refuse/$file"
done <<'TABLE'
capital_extension.ZT5      extension
length_field_small.zt5     length field
length_field_large.zt5     length field
truncated.zt5              truncation
seal.zt5                   seal
format_tag.zt5             format tag
body_crc.zt5               body CRC
body_seal.zt5              body seal
header_crc.zt5             header CRC
block_extension.HS5        extension
empty_store.hs5            length field
block_truncated.hs5        truncation
block_seal.hs5             seal
TABLE

expect_run "refusal names the editor's message" 1 '数据错误！！！' "$lumio" check "$data/refuse/seal.zt5"
expect_run "no file" 2 'cannot read' "$lumio" check "$work/missing.zt5"
expect_run "no argument" 2 'usage: lumio check' "$lumio" check
expect_run "two arguments" 2 'exactly one' "$lumio" check a b
expect_run "unknown command" 2 'unknown command' "$lumio" frobnicate
expect_run "help" 0 'lumio check FILE' "$lumio" --help
expect_run "version" 0 '^lumio [0-9]+\.[0-9]+' "$lumio" --version
finish
