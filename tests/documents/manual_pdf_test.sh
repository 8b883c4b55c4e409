# The manual's PDF as the build rendered it, read by poppler: a real document of several pages whose
# text is Chinese (the font is embedded, so the characters come back as written).
# Arguments: PDFINFO PDFTOTEXT PDF WORK_DIR
set -u
pdfinfo="$1" pdftotext="$2" pdf="$3" work="$4"
rm -rf "$work" && mkdir -p "$work"
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

info="$("$pdfinfo" "$pdf")" || fail "pdfinfo cannot read $pdf"
pages="$(printf '%s\n' "$info" | sed -n 's/^Pages: *//p')"
[ -n "$pages" ] && [ "$pages" -ge 4 ] && [ "$pages" -le 40 ] || fail "page count [$pages]"
printf '%s\n' "$info" | grep -q '^Title: *Lumio使用说明V1.0$' || fail "title: $(printf '%s\n' "$info" | grep '^Title')"
printf '%s\n' "$info" | grep -q '^Page size: *595.* x 84[12].*(A4)' || fail "not A4: $(printf '%s\n' "$info" | grep '^Page size')"

"$pdftotext" -enc UTF-8 "$pdf" "$work/manual.txt" || fail "pdftotext cannot read $pdf"
text="$(tr -d ' \n' < "$work/manual.txt")"
for phrase in "Lumio使用说明V1.0" "主窗口" "指令编辑器" "变量命名" "读取全部" "写入全部" "调试助手" "指令向导" \
              "lumio-board-sim" "lumio-editor-classic" "请先打开串口" "您没有选择信息！"; do
  case "$text" in
    *"$(printf '%s' "$phrase" | tr -d ' ')"*) ;;
    *) fail "text lacks [$phrase]" ;;
  esac
done

echo "$pages pages, $failures failed"
[ "$failures" -eq 0 ]
