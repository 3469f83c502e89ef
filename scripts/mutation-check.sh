#!/usr/bin/env bash
# Developer tool, not part of ./test: checks that the test suite notices deliberate faults.
# Applies each fault below to src/ on its own, rebuilds incrementally, runs the suite (unit tests
# first, then widget tests, then end-to-end, stopping at the first failure), records whether some
# test failed, and puts the source back. A fault is found by its line pattern anywhere under src/,
# so the list survives files moving; a pattern that is missing or not unique is reported as such.
#
# Usage: scripts/mutation-check.sh [BUILD_DIR] [FAULT_NAME_FILTER]
# Build directory: default build-mut, separate from build/ so a normal build does not clash.
# It changes files under src/ while it runs: run it in a checkout nobody else builds from.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-mut}
filter=${2:-}
export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu"

# Name, the exact text of one source line (or part of it), and what replaces that text.
faults=(
    "completion restarts at the current entry" 'findFolded(folded, start + 1, size())' 'findFolded(folded, start, size())'
    "completion repeats the shown entry" 'if (found < 0 || found == m_listIndex)' 'if (found < 0 || found != m_listIndex)'
    "http rule applies to addresses without a dot" "if (isLocalPath(text) || text.contains(u':') || !text.contains(u'.'))" "if (isLocalPath(text) || text.contains(u':'))"
    "whole selection is cut from a submit" 'if (m_selLength == 0 || m_selLength == m_text.size())' 'if (m_selLength == 0)'
    "closed address list navigates" 'if (!m_droppedDown)' 'if (false)'
    "typing guard never starts" 'if (producesCharacter(event))' 'if (false)'
    "layout: zero size does not fit" 'return size >= 0.0f;' 'return size > 0.0f;'
    "layout: Go button one twip off" 'layout.goButton.left = boxLeft + boxWidth + goButtonGap;' 'layout.goButton.left = boxLeft + boxWidth + goButtonGap + 1;'
    "quotes inside a field not doubled" 'doubled.replace(quote, QStringLiteral("\"\""));' ';'
    "eight-bit fallback decodes Latin-1" 'decoded.text = decodeWindows1252(bytes);' 'decoded.text = QString::fromLatin1(bytes);'
    "Windows-1252 byte 0xFF cannot be written" 'if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))' 'if (c < 0x80 || (c >= 0xA0 && c < 0xFF))'
    "UTF-8 byte order mark kept in the text" 'body = body.sliced(3);' 'body = body.sliced(0);'
    "atomic replace never renamed into place" '&& file.flush() && file.commit())' '&& file.flush() && (file.cancelWriting(), true))'
    "save prompt asks only once" 'while (!m_saved) {' 'if (!m_saved) {'
    "failed Save As takes the new name" 'if (!write(*path))' 'if (!write(*path) && false)'
    "close-all prompt also for saved text" 'if (text != QLatin1String("a") || m_saved)' 'if (text != QLatin1String("a"))'
    "blocked pop-up not hidden" 'if (text == u"a") {' 'if (text == u"b") {'
    "background pop-up brought forward" 'else if (m_menus.opnewb->isChecked())' 'else if (!m_menus.opnewb->isChecked())'
    "watchdog rounds halves away from zero" 'std::nearbyint(value)' 'std::round(value)'
    "progress of 100 rejected" 'if (!(value >= 0.0f && value <= 100.0f))' 'if (!(value >= 0.0f && value < 100.0f))'
    "empty status text left empty" 'outcome.panelText = text.isEmpty() ? productName : text;' 'outcome.panelText = text;'
    "find wraps without noticing the same match" '(forward ? activeMatch <= m_lastActive : activeMatch >= m_lastActive)' '(forward ? activeMatch < m_lastActive : activeMatch >= m_lastActive)'
    "frame closes on No" 'if (answer == Dialogs::Answer::Yes)' 'if (answer != Dialogs::Answer::Cancel)'
    "RTF group state leaks out of its group" 'if (m_stack.size() >= maxStateDepth) {' 'if (m_stack.size() >= 1) {'
    "RTF writer leaves braces unescaped" "if (c >= 0x20 && c < 0x7F && c != u'\\\\' && c != u'{' && c != u'}') {" "if (c >= 0x20 && c < 0x7F && c != u'\\\\') {"
    "twips truncated instead of rounded" 'return qRound(twips / perPixel(logicalDpi));' 'return int(twips / perPixel(logicalDpi));'
    "twips ignore the DPI" 'return perInch / logicalDpi;' 'return perInch / 96.0;'
    "final line break dropped" 'file.format.finalBreak = finalBreak.has_value();' 'file.format.finalBreak = false;'
    "size tracker counts one break too many" 'all.breaks += m_document->blockCount() - 1 - all.ownBreaks;' 'all.breaks += m_document->blockCount() - all.ownBreaks;'
    "size tracker measures only the first block" 'm_document->findBlock(position + charsAdded)' 'm_document->findBlock(position)'
    "monitor says saved for changed text" 'saved ? QStringLiteral("No change detected")' '!saved ? QStringLiteral("No change detected")'
    "context menu: Paste shown with empty clipboard" 'v.pas = v.clclip = v.op77 = false;' 'v.clclip = v.op77 = false;'
    "context menu: separator with only one neighbour" 'if (!v.cu && !v.pas)' 'if (!v.cu || !v.pas)'
    "favourite removal leaves the current index" '--m_current;' ';'
    "favourites accept one entry too many" 'if (count() >= maxEntries)' 'if (count() > maxEntries)'
    "offline blocks nothing" 'm_page->setUrlRequestInterceptor(offline ? m_interceptor : nullptr);' 'm_page->setUrlRequestInterceptor(nullptr);'
    "waiting page control forgets the offline switch" '    control->setOffline(m_offline);' '    ;'
    "waiting page control loads the first address asked for" '        m_address = address; // the last address asked for is the one to load' '        m_address = m_address.isEmpty() ? address : m_address;'
    "engine module loads before the first paint" '    if (window->isExposed())' '    if (true)'
    "hand-off waits for any length a peer claims" '        if (size > maxMessageSize)' '        if (false)'
    "favourites window made anew each time" 'if (!m_favourites) {' 'if (true) {'
    "block index finds the block above a top" 'if (blocks + step <= n && m_sums[std::size_t(blocks + step)] <= y) {' 'if (blocks + step <= n && m_sums[std::size_t(blocks + step)] < y) {'
    "a line taller than the rest keeps the usual height" '        m_heights.setHeight(number, height);' '        ;'
)

if [[ $(( ${#faults[@]} % 3 )) -ne 0 ]]; then
    echo "fault table is not in threes" >&2
    exit 2
fi

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null || exit 2
cmake --build "$build" >/dev/null || { echo "the unchanged sources do not build" >&2; exit 2; }

# Prints the only file under src/ holding the pattern; nothing when it is missing or not unique.
locate() {
    local hits
    hits=$(grep -rlF -- "$1" "$here/src")
    [[ -n $hits && $(grep -rhF -- "$1" "$here/src" | wc -l) -eq 1 ]] && echo "$hits"
}

# Replaces the pattern by the fault in FILE; the pattern is taken literally.
apply() {
    python3 - "$1" "$2" "$3" <<'EOF'
import sys
path, pattern, fault = sys.argv[1:]
text = open(path, encoding="utf-8").read()
open(path, "w", encoding="utf-8").write(text.replace(pattern, fault, 1))
EOF
}

# Unit tests first: most faults show there, and they take seconds. A failure counts only when the
# failed tests fail again on their own: a widget test whose X server could not start (another
# checkout's test holding its display) is no catch. Prints the stage that caught the fault.
suite_fails() {
    local stage
    for stage in "unit:-LE qt|e2e|gui" "gui:-L gui" "qt:-L qt" "e2e:-L e2e"; do
        # shellcheck disable=SC2086
        if ! ctest --test-dir "$build" ${stage#*:} --timeout 300 -j2 --stop-on-failure >/dev/null 2>&1 \
            && ! ctest --test-dir "$build" --rerun-failed --timeout 300 >/dev/null 2>&1; then
            echo "${stage%%:*}"
            return 0
        fi
    done
    return 1
}

backup=$(mktemp)
current=""
restore() { [[ -n $current ]] && cp "$backup" "$current" && touch "$current"; current=""; }
trap 'restore; rm -f "$backup"; exit 130' INT TERM

caught=0
total=0
printf '| %-48s | %-22s |\n|%s|%s|\n' "Fault" "Result" "$(printf -- '-%.0s' {1..50})" \
    "$(printf -- '-%.0s' {1..24})"
for ((i = 0; i < ${#faults[@]}; i += 3)); do
    name=${faults[i]} pattern=${faults[i + 1]} fault=${faults[i + 2]}
    [[ -n $filter && $name != *"$filter"* ]] && continue
    file=$(locate "$pattern")
    if [[ -z $file ]]; then
        result="pattern not found"
    else
        cp "$file" "$backup"
        current=$file
        apply "$file" "$pattern" "$fault"
        total=$((total + 1))
        if ! cmake --build "$build" >/dev/null 2>&1; then
            result="build failed"
        elif stage=$(suite_fails); then
            result="caught ($stage)"
            caught=$((caught + 1))
        else
            result="NOT caught"
        fi
        restore
    fi
    printf '| %-48s | %-22s |\n' "$name" "$result"
done
rm -f "$backup"
cmake --build "$build" >/dev/null 2>&1
echo "caught $caught of $total faults applied"
