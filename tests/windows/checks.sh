# The checks scripts/test-windows runs under Wine, with WINEPREFIX and a virtual
# DISPLAY set up by scripts/windows.sh.
# shellcheck shell=bash

windows_check_failed() {
  echo "Windows check: $*" >&2
  return 1
}

# Command lines for the comparison, one a line: the arguments, then after " < "
# the standard input (a file of the input folder), if any.
CALC_CASES='sizing --throughput 5 --feed 10 --product 40
sizing --throughput 8 --feed 6 --product 30 --application 废水零排放
sizing --json --application 中药浓缩
sizing --throughput 1e308 --feed 1e-320 --product 7
sizing --throughput ５ --feed 　10 --product 40。5
sizing --product 0
sizing --feed x --json
sizing --speed 3

--help
sizing --help
steam --mode temperature --temperature 130
steam --pressure 0.1013 --json
pipe --state liquid --flow 5000 --velocity 1.5 --density 1000
pipe --temperature -40 --json
pump --json
pump --efficiency 0
exchanger --area 50 --tube-diameter 25 --tube-length 3
channel --designation 25a
channel --designation 99z
describe
batch < requests.jsonl
batch < crlf.jsonl
batch < empty.jsonl
sheet --date 2024-03-15 < sheet.jsonl
sheet --format text --date 2024-03-15 --electricity-price 0.65 --hours 8000 < sheet.jsonl
sheet --format json --date 2024-03-15 --steam-price -1 < sheet.jsonl
sheet --format text < requests.jsonl'

# Writes the batch inputs: every tool with ordinary, extreme and malformed
# numbers, so that the Windows C runtime's parsing, rounding and formatting are
# held to the Linux build's.
write_calc_inputs() {
  local dir=$1 number tool
  local numbers=(0 -0 1 -1 0.5 .5 5. 1e3 1.5E3 1e308 1e309 -1e308 4.9e-324 1e-320 2.2250738585072014e-308
    0.1013 100 130 0.049999999999999996 2.675 1.005 123456789012345678 '" 12 "' '"１２．５"' '"1,5"'
    '"0x10"' '"nan"' '"inf"' '"-"' '""')
  {
    for number in "${numbers[@]}"; do
      for tool in sizing pump exchanger; do
        case $tool in
          sizing) echo "{\"tool\":\"sizing\",\"throughput\":$number,\"feed\":$number,\"product\":40}"
            echo "{\"tool\":\"sizing\",\"product\":$number,\"application\":\"垃圾渗滤液\"}" ;;
          pump) echo "{\"tool\":\"pump\",\"flow\":$number,\"efficiency\":$number}" ;;
          exchanger) echo "{\"tool\":\"exchanger\",\"area\":$number,\"tube_diameter\":$number}" ;;
        esac
      done
      echo "{\"tool\":\"steam\",\"mode\":\"pressure\",\"pressure\":$number}"
      echo "{\"tool\":\"steam\",\"mode\":\"temperature\",\"temperature\":$number}"
      echo "{\"tool\":\"pipe\",\"state\":\"steam\",\"temperature\":$number,\"velocity\":$number}"
      echo "{\"tool\":\"pipe\",\"state\":\"liquid\",\"density\":$number}"
    done
    echo '{"tool":"channel","designation":"6.3"}'
    echo '{"tool":"channel","designation":"40c"}'
    echo ''
    echo 'not json'
    echo '{"tool":"teapot"}'
    echo '[1,2]'
    echo '{"tool":"sizing","throughput":"5","throughput":"6"}'
  } >"$dir/requests.jsonl"
  printf '{"tool":"sizing"}\r\n\r\n{"tool":"pump","flow":"80"}\r\n' >"$dir/crlf.jsonl"
  # A calculation sheet of every tool, with an extreme sizing and failures among them.
  {
    echo '{"tool":"sizing","throughput":8,"feed":6,"product":30,"application":"废水零排放"}'
    echo '{"tool":"sizing","throughput":1e300,"feed":0.5,"product":"４０"}'
    echo '{"tool":"steam","mode":"temperature","temperature":30}'
    echo '{"tool":"pipe","state":"liquid","density":"<b>&"}'
    echo '{"tool":"pump","efficiency":0.37}'
    echo '{"tool":"exchanger","area":2.675}'
    echo '{"tool":"channel","designation":"99z"}'
  } >"$dir/sheet.jsonl"
  : >"$dir/empty.jsonl"
}

# Runs every case with the Windows program under Wine and with the Linux one, and
# fails where their standard output, standard error or exit code differ by a byte.
compare_calc() {
  local windows_calc=$1 linux_calc=$2
  local dir
  dir=$(mktemp -d)
  write_calc_inputs "$dir"
  local line args input count=0 failed=0
  while IFS= read -r line; do
    args=${line%% < *}
    input=/dev/null
    [ "$args" != "$line" ] && input="$dir/${line##* < }"
    local -a argv=()
    read -r -a argv <<<"$args"
    local linux_code=0 windows_code=0
    "$linux_calc" "${argv[@]}" <"$input" >"$dir/linux.out" 2>"$dir/linux.err" || linux_code=$?
    # A lost connection to the wineserver is Wine's own failure, not the program's:
    # such a run is repeated, at most twice.
    local attempt
    for attempt in 1 2 3; do
      windows_code=0
      wine "$windows_calc" "${argv[@]}" <"$input" >"$dir/windows.out" 2>"$dir/windows.err" ||
        windows_code=$?
      grep -q '^wine client error' "$dir/windows.err" || break
      echo "Wine lost its server running vapentis-calc $line (attempt $attempt)" >&2
      wineserver -w
    done
    count=$((count + 1))
    local stream
    for stream in out err; do
      if ! cmp -s "$dir/linux.$stream" "$dir/windows.$stream"; then
        echo "vapentis-calc $line: standard $stream differs (Linux, then Windows):" >&2
        diff "$dir/linux.$stream" "$dir/windows.$stream" | head -n 10 >&2 || true
        failed=1
      fi
    done
    if [ "$linux_code" != "$windows_code" ]; then
      echo "vapentis-calc $line: exit code $linux_code on Linux, $windows_code on Windows" >&2
      failed=1
    fi
  done <<<"$CALC_CASES"
  echo "vapentis-calc: $count command lines ($(wc -l <"$dir/requests.jsonl") batch requests)" \
    "give the same bytes and exit codes on Windows as on Linux"
  rm -rf "$dir"
  [ "$failed" = 0 ] || windows_check_failed "vapentis-calc differs on Windows"
}

# The console test of the command-line tests, in a real Wine console.
check_console() {
  local tests=$1
  local report
  report=$(mktemp --suffix=.xml)
  timeout 300 wine wineconsole "$tests" --gtest_filter='Console.*' \
    --gtest_output="xml:$(winepath -w "$report")" >/dev/null 2>&1 || true
  if ! grep -q 'result="completed"' "$report" || grep -q '<failure' "$report"; then
    sed -n '/<failure/,/<\/failure>/p' "$report" | head -n 40 >&2
    rm -f "$report"
    windows_check_failed "vapentis-calc in a Windows console"
  fi
  rm -f "$report"
  echo "vapentis-calc in a Windows console: Chinese output and input read right"
}

# Figures of the sheet of sizing, steam and pump at their start-up inputs, as
# pdftotext reads them with every blank removed: the running cost, the pump and
# the page footer.
SHEET_FIGURES=(MVR电费=125.4元/小时 多效蒸发年蒸汽费=216万元 采用MVR年节约=125.7万元
  泵的计算功率=23.8kW 饱和蒸汽温度=100℃ 第1页共)

# Fails unless the text of the PDF `pdf` (named `what`) holds every figure above.
check_sheet_text() {
  local pdf=$1 what=$2 text figure missing=()
  text=$(pdftotext "$pdf" - | tr -d '[:space:]')
  for figure in "${SHEET_FIGURES[@]}"; do
    [[ $text == *"$figure"* ]] || missing+=("$figure")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    windows_check_failed "$what lacks ${missing[*]}"
    return 1
  fi
}

# Runs the window tests `filter` of `tests` under Wine (arguments after the
# filter go to the program first) and fails unless they ran and passed: a test
# that skips itself fails here, so each runs where it is meant to.
run_window_tests() {
  local tests=$1 filter=$2
  shift 2
  local report
  report=$(mktemp --suffix=.xml)
  timeout 300 wine "$tests" "$@" --gtest_filter="$filter" \
    --gtest_output="xml:$(winepath -w "$report")" >"$report.log" 2>&1 || true
  if ! grep -q 'result="completed"' "$report" || grep -q -e 'result="skipped"' -e '<failure' \
    "$report"; then
    cat "$report.log" >&2
    rm -f "$report" "$report.log"
    windows_check_failed "$filter did not run and pass under Wine ($*)"
    return 1
  fi
  rm -f "$report" "$report.log"
}

# The calculation sheet the Windows build exports (start-up inputs, sizing,
# steam and pump ticked), read on this side: every font embedded, every figure there.
check_sheet_pdf() {
  local tests=$1 dir
  dir=$(mktemp -d)
  # The test itself skips reading the PDF: Wine has no poppler.
  if ! VAPENTIS_SHEET_PDF=$(winepath -w "$dir/sheet.pdf") timeout 300 wine "$tests" \
    --gtest_filter=SheetDialogAlone.ExportsAPdfWithEveryFigureAndEveryFontEmbedded \
    >"$dir/log" 2>&1; then
    cat "$dir/log" >&2
    windows_check_failed "exporting the sheet under Wine failed"
    return 1
  fi
  [ -s "$dir/sheet.pdf" ] || windows_check_failed "the sheet's export wrote no PDF" || return 1
  local fonts
  fonts=$(pdffonts "$dir/sheet.pdf" | awk 'NR > 2 { print $(NF - 4) }')
  if [ -z "$fonts" ] || grep -qv '^yes$' <<<"$fonts"; then
    pdffonts "$dir/sheet.pdf" >&2
    windows_check_failed "the exported sheet has a font not embedded, or none"
    return 1
  fi
  check_sheet_text "$dir/sheet.pdf" "the exported sheet" || return 1
  echo "sheet exported under Wine: every font embedded ($(wc -l <<<"$fonts")), and its text" \
    "holds the running cost, the steam, the pump and the page numbers"
  rm -rf "$dir"
}

# Printing under Wine, which offers printers only through CUPS: first with no
# printer (打印… says so), then with a test printer added for the run, Wine's
# PostScript driver writing to a file, on the windows platform so that Windows'
# own print dialog opens: a cancel prints nothing; Print writes PostScript that
# Ghostscript turns into a PDF holding the sheet's figures. The printer is
# removed at the end, and before, in case a failed run left it.
TEST_PRINTER='Test PostScript file'
check_printing() {
  local tests=$1 helper=$2 ppd=$3 dir
  dir=$(mktemp -d)
  wine "$helper" remove "$TEST_PRINTER" || return 1
  run_window_tests "$tests" SheetDialogAlone.PrintWithoutAPrinterSaysSoAndPointsToThePdf \
    -platform windows || return 1
  local printed="$dir/printed.ps"
  wine "$helper" add "$TEST_PRINTER" "$printed" "$(winepath -w "$ppd")" || return 1
  local failed=0
  export VAPENTIS_PRINTER_OUTPUT
  VAPENTIS_PRINTER_OUTPUT=$(winepath -w "$printed")
  run_window_tests "$tests" SheetDialogAlone.PrintOpensThePrintDialogAndACancelPrintsNothing \
    -platform windows || failed=1
  if [ "$failed" = 0 ] && [ -e "$printed" ]; then
    windows_check_failed "a cancelled print wrote $printed" || failed=1
  fi
  if [ "$failed" = 0 ]; then
    run_window_tests "$tests" SheetDialogAlone.PrintPressedInTheDialogSendsTheSheetToThePrinter \
      -platform windows || failed=1
  fi
  unset VAPENTIS_PRINTER_OUTPUT
  wine "$helper" remove "$TEST_PRINTER" || failed=1
  [ "$failed" = 0 ] || return 1
  if ! ps2pdf "$printed" "$dir/printed.pdf"; then
    windows_check_failed "Ghostscript could not read what the printer got"
    return 1
  fi
  check_sheet_text "$dir/printed.pdf" "the printed sheet" || return 1
  echo "printing under Wine: without a printer 打印… says so; through Windows' print dialog" \
    "a cancel prints nothing, and Print gives $(pdfinfo "$dir/printed.pdf" | sed -n 's/^Pages: *//p')" \
    "pages holding the sheet's figures"
  rm -rf "$dir"
}

# Starts `exe` under Wine at the screen scale `percent` and waits for its window:
# sets WINDOW_PID, WINDOW, WINDOW_SCALE and the window's X, Y, WIDTH and HEIGHT. Fails
# if the window does not open at its scaled size.
open_window() {
  local exe=$1 percent=$2
  local dpi=$((96 * percent / 100))
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  wineserver -w
  wine "$exe" &
  WINDOW_PID=$! WINDOW="" WINDOW_SCALE=$percent
  local tries=0
  while [ -z "$WINDOW" ]; do
    tries=$((tries + 1))
    if [ $tries -gt 120 ]; then
      close_window
      windows_check_failed "the window of $exe did not open within a minute"
      return 1
    fi
    sleep 0.5
    WINDOW=$(xdotool search --name 'VapentisKOVALT2.0---Ardelle' 2>/dev/null | head -n 1) || true
  done
  sleep 2
  # Set by xdotool's --shell output (WINDOW again, SCREEN unused).
  # shellcheck disable=SC2034
  local SCREEN
  X=0 Y=0 WIDTH=0 HEIGHT=0
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  # The window is 753 x 500 pixels at 100 % (11300 x 7500 twips), Wine's frame included.
  local expected_width=$((753 * percent / 100))
  if [ $((WIDTH - expected_width)) -gt 12 ] || [ $((expected_width - WIDTH)) -gt 12 ]; then
    close_window
    windows_check_failed "at $percent % the window is $WIDTH pixels wide, not about $expected_width"
    return 1
  fi
}

close_window() {
  kill "$WINDOW_PID" 2>/dev/null || true
  wait "$WINDOW_PID" 2>/dev/null || true
}

# Clicks the window at x, y: pixels at 100 % from the top left of the client area,
# under Wine's frame (4 pixels wide, with a 19-pixel caption, at every scale).
click_window() {
  local frame=4 caption=19
  xdotool mousemove --window "$WINDOW" $((frame + $1 * WINDOW_SCALE / 100)) \
    $((frame + caption + $2 * WINDOW_SCALE / 100)) click 1
  sleep 1
}

photograph_window() {
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"
}

# Fails unless the pictures `before` and `after` differ in at least 1000 pixels.
check_changed() {
  local before=$1 after=$2 what=$3 changed
  changed=$(compare -metric AE "$before" "$after" null: 2>&1) || true
  if [ "${changed%%.*}" -lt 1000 ] 2>/dev/null; then
    windows_check_failed "$what changed only $changed pixels of the window"
    return 1
  fi
}

# Places in the client area in pixels at 100 %: the menu bar is about 20 pixels
# high, its first command MVR; the tab control stands at 2040, 360 twips, its tab
# bar 35 pixels high and its page 37 pixels lower; a button's place is its middle.
MENU_MVR=(40 10)
# Command5 at 5520, 840 twips on the page, 1300 x 500 twips large.
SIZING_CALCULATE=($((136 + 2 + 368 + 43)) $((20 + 24 + 37 + 56 + 16)))
# The tab MVR shows beside its own: the second on the bar, behind "MVR选型" (about 82 pixels).
THERMAL_TAB=($((136 + 123)) $((20 + 24 + 17)))
# ThermalCalculate at 3900, 1020 twips on the page, 1300 x 450 twips large.
THERMAL_CALCULATE=($((136 + 2 + 260 + 43)) $((20 + 24 + 37 + 68 + 15)))

# The window of `exe`, started under Wine at the screen scale `percent`, after
# the menu command MVR and the button Command5: saved to `out`. Fails if the
# window does not open at its scaled size or the press changes nothing.
take_screenshot() {
  local exe=$1 out=$2 percent=${3:-100}
  open_window "$exe" "$percent" || return 1
  click_window "${MENU_MVR[@]}"
  local before
  before=$(mktemp --suffix=.png)
  photograph_window "$before"
  click_window "${SIZING_CALCULATE[@]}"
  photograph_window "$out"
  close_window
  check_changed "$before" "$out" "pressing Command5" || { rm -f "$before"; return 1; }
  rm -f "$before"
  echo "window at $percent %: ${WIDTH}x${HEIGHT}, the sizing result shown: $out"
}

# The heat check's tab beside the sizing's, after its 确定 at its start-up inputs:
# saved to `out`. Fails unless picking the tab and the press each change the window.
take_thermal_screenshot() {
  local exe=$1 out=$2 percent=${3:-100}
  open_window "$exe" "$percent" || return 1
  click_window "${MENU_MVR[@]}"
  local sizing picked
  sizing=$(mktemp --suffix=.png)
  picked=$(mktemp --suffix=.png)
  photograph_window "$sizing"
  click_window "${THERMAL_TAB[@]}"
  photograph_window "$picked"
  click_window "${THERMAL_CALCULATE[@]}"
  photograph_window "$out"
  close_window
  local failed=0
  check_changed "$sizing" "$picked" "picking the tab 热力核算" &&
    check_changed "$picked" "$out" "pressing ThermalCalculate" || failed=1
  rm -f "$sizing" "$picked"
  [ "$failed" = 0 ] || return 1
  echo "window at $percent %: the heat check's result shown: $out"
}

# The installer's pictures as makensis took them: 24-bit BMPs at the sizes Modern
# UI lays out (the welcome and finish panel 164 x 314, the header 150 x 57).
check_installer_pictures() {
  local dir=$1 entry name width height
  for entry in installer_welcome:164:314 installer_header:150:57; do
    IFS=: read -r name width height <<<"$entry"
    local bmp="$dir/$name.bmp"
    [ -f "$bmp" ] || windows_check_failed "no $bmp" || return 1
    local magic found
    magic=$(head -c 2 "$bmp")
    # Width and height (32 bits each) from byte 18, bits a pixel (16 bits) at 28.
    found=$(od -An -t d4 -j 18 -N 8 "$bmp" | xargs)" "$(od -An -t u2 -j 28 -N 2 "$bmp" | xargs)
    if [ "$magic" != BM ] || [ "$found" != "$width $height 24" ]; then
      windows_check_failed "$bmp is not a $width x $height 24-bit BMP (width, height, bits: $found)"
      return 1
    fi
  done
  echo "installer pictures: 24-bit BMPs of 164 x 314 and 150 x 57"
}

# The keys the installer registers for the case file, for this user only.
CASE_KEYS=('HKCU\Software\Classes\.vapentis' 'HKCU\Software\Classes\Vapentis.Case')

# The key `key` and those below it as `wine reg export` writes them, in UTF-8 without
# CRs: the export is UTF-16, and keeps the Chinese that `wine reg query` loses to
# the console's code page.
export_key() {
  local file
  file=$(mktemp --suffix=.reg)
  if ! wine reg export "$1" "$(winepath -w "$file")" /y >/dev/null 2>&1; then
    rm -f "$file"
    return 1
  fi
  iconv -f UTF-16 -t UTF-8 "$file" | tr -d '\r'
  rm -f "$file"
}

# What opens a case file with the program installed at `exe` (its Windows path), as
# export_key writes the case file's keys one after the other.
expected_case_keys() {
  local text
  text=$(
    cat <<'KEYS'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Classes\.vapentis]
@="Vapentis.Case"
"Content Type"="application/x-vapentis-case"

[HKEY_CURRENT_USER\Software\Classes\.vapentis\OpenWithProgids]
"Vapentis.Case"=""

Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Classes\Vapentis.Case]
@="Vapentis 算例"

[HKEY_CURRENT_USER\Software\Classes\Vapentis.Case\DefaultIcon]
@="@EXE@,0"

[HKEY_CURRENT_USER\Software\Classes\Vapentis.Case\shell]
@="open"

[HKEY_CURRENT_USER\Software\Classes\Vapentis.Case\shell\open]
@="用Vapentis打开"

[HKEY_CURRENT_USER\Software\Classes\Vapentis.Case\shell\open\command]
@="\"@EXE@\" \"%1\""
KEYS
  )
  # A .reg file doubles each backslash.
  local exe=${1//\\/\\\\}
  printf '%s\n\n' "${text//@EXE@/"$exe"}"
}

# Fails unless the case file's keys are there and hold exactly what opens a case
# file with the program installed at `exe` (its Windows path).
check_case_keys() {
  local exe=$1 key found
  for key in "${CASE_KEYS[@]}"; do
    wine reg query "$key" >/dev/null 2>&1 ||
      windows_check_failed "the installer did not register $key" || return 1
  done
  found=$(mktemp)
  for key in "${CASE_KEYS[@]}"; do
    export_key "$key" >>"$found"
  done
  if ! diff <(expected_case_keys "$exe") "$found" >&2; then
    rm -f "$found"
    windows_check_failed "the case file's keys differ from what the installer should write (<)"
    return 1
  fi
  rm -f "$found"
}

# Opens a case file as a double-click does, by ShellExecute through `wine start`, and
# fails unless the installed program `exe` (its Windows path) starts with the file's
# Windows path as its one argument and opens its window. Wine's HKEY_CLASSES_ROOT
# does not read a user's classes (HKCU\Software\Classes) as Windows' does, so the
# installer's keys are copied to the machine's classes for the run, and removed after.
check_case_opens() {
  local exe=$1 dir key
  dir=$(mktemp -d)
  for key in "${CASE_KEYS[@]}"; do
    export_key "$key" | sed 's/^\[HKEY_CURRENT_USER\\/[HKEY_LOCAL_MACHINE\\/' |
      { printf '\xFF\xFE'; iconv -f UTF-8 -t UTF-16LE; } >"$dir/machine.reg"
    wine reg import "$(winepath -w "$dir/machine.reg")" >/dev/null 2>&1 ||
      windows_check_failed "could not copy $key to the machine's classes" || return 1
  done
  # A space and Chinese in the name: the command must hand the path over as one argument.
  local case_file="$dir/算例 一.vapentis" windows_path
  printf '{"format": "vapentis-case", "version": 1, "shown": "pump"}\n' >"$case_file"
  windows_path=$(winepath -w "$case_file")
  timeout 60 wine start /unix "$case_file" >/dev/null 2>&1 &
  local start=$! pid="" tries=0 proc
  local -a args=()
  while [ -z "$pid" ] && [ $tries -lt 120 ]; do
    tries=$((tries + 1))
    sleep 0.5
    for proc in /proc/[0-9]*; do
      mapfile -d '' -t args <"$proc/cmdline" 2>/dev/null || continue
      if [ "${args[0]:-}" = "$exe" ]; then
        pid=${proc#/proc/}
        break
      fi
    done
  done
  local failed=0 window="" arg
  if [ -z "$pid" ]; then
    windows_check_failed "opening $windows_path did not start $exe" || failed=1
  else
    # Wine leaves the rest of the process's argument area empty.
    for arg in "${args[@]:2}"; do [ -z "$arg" ] || failed=1; done
    if [ "${args[1]:-}" != "$windows_path" ] || [ "$failed" = 1 ]; then
      windows_check_failed "opening $windows_path started:$(printf ' [%s]' "${args[@]:0:3}")" ||
        failed=1
    fi
    tries=0
    while [ -z "$window" ] && [ $tries -lt 60 ]; do
      tries=$((tries + 1))
      sleep 0.5
      # The window's title names the case it opened; a refused file would leave it untitled.
      window=$(xdotool search --name '一\.vapentis - VapentisKOVALT2\.0---Ardelle' 2>/dev/null |
        head -n 1) || true
    done
    [ -n "$window" ] || windows_check_failed "opening $windows_path showed no window titled with it" ||
      failed=1
    kill "$pid" 2>/dev/null || true
  fi
  # Without the association, start shows an error box until the timeout ends it.
  wait "$start" || windows_check_failed "wine start /unix $case_file failed" || failed=1
  wineserver -w
  for key in "${CASE_KEYS[@]}"; do
    wine reg delete "${key/HKCU/HKLM}" /f >/dev/null 2>&1 || failed=1
  done
  rm -rf "$dir"
  [ "$failed" = 0 ] || return 1
  echo "a case file opened as by a double-click starts the installed program with" \
    "\"$windows_path\" as its one argument, and its window opens it"
}

# Waits up to 30 s for a window whose title matches `name`; prints its id.
wait_for_window() {
  local name=$1 tries=0 found=""
  while [ -z "$found" ] && [ $tries -lt 60 ]; do
    tries=$((tries + 1))
    sleep 0.5
    found=$(xdotool search --name "$name" 2>/dev/null | head -n 1) || true
  done
  [ -n "$found" ] && echo "$found"
}

# Presses `keys` in the window and answers the file dialog titled `title` with `path`.
# With no window manager the keys go to the dialog's window itself, which takes no
# modifier: the offered name is erased key by key, and `path` must need no Shift (no
# drive letter's colon, no capitals, which Windows' names do not tell apart anyway).
answer_file_dialog() {
  local keys=$1 title=$2 path=$3 dialog
  xdotool key --window "$WINDOW" "$keys"
  dialog=$(wait_for_window "$title") ||
    { close_window; windows_check_failed "$keys opened no dialog $title"; return 1; }
  sleep 1
  xdotool key --window "$dialog" End
  local i
  for i in $(seq 80); do xdotool key --window "$dialog" BackSpace; done
  xdotool type --window "$dialog" --delay 20 "$path"
  sleep 0.5
  xdotool key --window "$dialog" Return
}

# Saves a case through Windows' own save dialog (Ctrl+S before any case asks where),
# then opens it in a new window through Windows' own open dialog (Ctrl+O): fails unless
# the file is a case and the second window's title names it.
check_case_dialogs() {
  local exe=$1 user dir target windows_target
  # In the user's Temp, which the uninstall check passes over, on the dialogs' own drive.
  user=$(id -un)
  dir="$WINEPREFIX/drive_c/users/$user/Temp/vapentiscase"
  rm -rf "$dir"
  mkdir -p "$dir"
  target="$dir/saved.vapentis"
  windows_target="\\users\\${user,,}\\temp\\vapentiscase\\saved.vapentis"
  open_window "$exe" 100 || return 1
  click_window "${MENU_MVR[@]}"
  click_window "${SIZING_CALCULATE[@]}"
  answer_file_dialog ctrl+s '算例另存为' "$windows_target" || return 1
  local tries=0
  while [ ! -s "$target" ] && [ $tries -lt 40 ]; do
    tries=$((tries + 1))
    sleep 0.5
  done
  if ! grep -q '"format": "vapentis-case"' "$target" 2>/dev/null; then
    close_window
    windows_check_failed "the save dialog wrote no case to $windows_target"
    return 1
  fi
  wait_for_window 'saved\.vapentis - VapentisKOVALT2\.0---Ardelle' >/dev/null ||
    { close_window; windows_check_failed "the saved case's name is not in the title"; return 1; }
  close_window
  open_window "$exe" 100 || return 1
  answer_file_dialog ctrl+o '打开算例' "$windows_target" || return 1
  if ! wait_for_window 'saved\.vapentis - VapentisKOVALT2\.0---Ardelle' >/dev/null; then
    close_window
    windows_check_failed "the open dialog did not open $windows_target"
    return 1
  fi
  close_window
  wineserver -w
  rm -rf "$dir"
  echo "saved a case through Windows' save dialog and opened it through its open dialog"
}

# After a silent install of `setup`, another program takes the extension: the
# uninstaller `uninstall` must leave the extension to it and remove only its own type.
check_uninstall_keeps_a_taken_extension() {
  local setup=$1 uninstall=$2 extension=${CASE_KEYS[0]} found key failed=0
  wine "$setup" /S
  wineserver -w
  wine reg add "$extension" /ve /d Other.Case /f >/dev/null 2>&1
  wine "$uninstall" /S
  wineserver -w
  found=$(wine reg query "$extension" /ve 2>/dev/null | tr -d '\r') || true
  grep -qF 'REG_SZ    Other.Case' <<<"$found" ||
    windows_check_failed "uninstalling took .vapentis from the program that took it: $found" ||
    failed=1
  for key in "${CASE_KEYS[1]}" "$extension\\OpenWithProgids"; do
    if wine reg query "$key" >/dev/null 2>&1; then
      windows_check_failed "uninstalling left $key" || failed=1
    fi
  done
  wine reg delete "$extension" /f >/dev/null 2>&1
  # The server writes user.reg when it ends.
  wineserver -w
  [ "$failed" = 0 ] || return 1
  echo "uninstalling leaves .vapentis to a program that took it since, and removes its own type"
}

# Installs silently into the Wine prefix, checks what the installer put where
# and that the installed vapentis-calc works, takes the screenshots of the
# installed window, uninstalls silently and checks that nothing is left.
check_installer() {
  local setup=$1 linux_calc=$2 screenshots=$3
  local user_dir local_dir
  user_dir="$WINEPREFIX/drive_c/users/$(id -un)"
  local_dir="$user_dir/AppData/Local"
  local install_dir="$local_dir/Programs/Vapentis"
  local start_menu="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
  local key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vapentis'
  local before after
  before=$(mktemp)
  after=$(mktemp)
  # Temp holds the uninstaller's copy of itself, which Windows clears later.
  (cd "$user_dir" && find . \( -path ./Temp -o -path ./AppData/Local/Temp \) -prune -o -print | sort) >"$before"

  wine "$setup" /S
  wineserver -w
  local file
  for file in "$install_dir/vapentis.exe" "$install_dir/vapentis-calc.exe" \
    "$install_dir/使用说明.txt" "$install_dir/uninstall.exe" "$start_menu/Vapentis.lnk" \
    "$user_dir/Desktop/Vapentis.lnk"; do
    [ -f "$file" ] || windows_check_failed "the installer did not write $file" || return 1
  done
  local registered
  registered=$(wine reg query "$key" 2>/dev/null | tr -d '\r') || true
  for value in "DisplayName    REG_SZ    Vapentis" "Publisher    REG_SZ    Ardelle" \
    "UninstallString    REG_SZ    \"C:\\users\\$(id -un)\\AppData\\Local\\Programs\\Vapentis\\uninstall.exe\"" \
    "QuietUninstallString"; do
    grep -qF "$value" <<<"$registered" ||
      windows_check_failed "the uninstall entry lacks $value: $registered" || return 1
  done
  local installed_out
  installed_out=$(wine "$install_dir/vapentis-calc.exe" sizing) || true
  [ "$installed_out" = "$("$linux_calc" sizing)" ] ||
    windows_check_failed "the installed vapentis-calc says: $installed_out" || return 1
  echo "installed silently into $install_dir; the installed vapentis-calc says:"
  printf '%s\n' "$installed_out" | sed 's/^/    /'
  local exe_path
  exe_path="C:\\users\\$(id -un)\\AppData\\Local\\Programs\\Vapentis\\vapentis.exe"
  check_case_keys "$exe_path" || return 1
  echo "registered .vapentis for this user: ${CASE_KEYS[*]}"
  check_case_opens "$exe_path" || return 1
  check_case_dialogs "$install_dir/vapentis.exe" || return 1

  local percent
  for percent in 100 150 200; do
    take_screenshot "$install_dir/vapentis.exe" "$screenshots/windows-$percent.png" "$percent" ||
      return 1
    take_thermal_screenshot "$install_dir/vapentis.exe" \
      "$screenshots/windows-thermal-$percent.png" "$percent" || return 1
  done
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1

  wine "$install_dir/uninstall.exe" /S
  wineserver -w
  (cd "$user_dir" && find . \( -path ./Temp -o -path ./AppData/Local/Temp \) -prune -o -print | sort) >"$after"
  if ! diff "$before" "$after" >&2; then
    windows_check_failed "uninstalling left the files above behind"
    return 1
  fi
  for key in "${CASE_KEYS[@]}"; do
    if wine reg query "$key" >/dev/null 2>&1; then
      windows_check_failed "uninstalling left $key" || return 1
    fi
  done
  if grep -qi vapentis "$WINEPREFIX/user.reg" "$WINEPREFIX/system.reg"; then
    grep -i vapentis "$WINEPREFIX/user.reg" "$WINEPREFIX/system.reg" >&2
    windows_check_failed "uninstalling left registry entries behind"
    return 1
  fi
  echo "uninstalled silently: no file and no registry entry left"
  check_uninstall_keeps_a_taken_extension "$setup" "$install_dir/uninstall.exe" || return 1
  (cd "$user_dir" && find . \( -path ./Temp -o -path ./AppData/Local/Temp \) -prune -o -print | sort) >"$after"
  if ! diff "$before" "$after" >&2 || grep -i vapentis "$WINEPREFIX/user.reg" >&2; then
    windows_check_failed "the second uninstall left the files or registry entries above behind"
    return 1
  fi
  rm -f "$before" "$after"
}
