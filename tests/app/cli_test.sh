#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The command line as a shell script uses it: every pair of units against
# ConvertValue (convert_rows) for a sample of value texts read as the window
# reads them; queries, checked values, errors and exit codes; bad input; the
# stream's bad lines, a closed pipe, a coprocess, failed writes.
#   cli_test.sh <mensaro> <convert_rows>
source "$(dirname "$0")/../lib.sh"
program=$1 rows=$2
out=$scratch/out err=$scratch/err

# One value text a line, the empty line too: what the window's box could hold.
values=$scratch/values
printf '%s\n' 1 12 -40 -0 .5 -.5 2.5e2 1E308 -1E308 1E-320 12abc 2,5 1.2.3 '&HFF' '&o17' ' 1 2' '- 3' '' \
    123456789012345678 0.1 99999999 >"$values"
"$rows" "$values" >"$scratch/want" || fail "convert_rows failed"
pair=0
while IFS=$'\t' read -r category from to; do
    printf '# %s\t%s\t%s\n' "$category" "$from" "$to"
    "$program" --as-typed - "$from" "$to" <"$values" 2>"$err"
    [[ -s $err ]] && fail "$from $to: stderr $(<"$err")"
    # Every 40th pair, one call a value too.
    ((pair++ % 40)) && continue
    while IFS= read -r value; do
        "$program" --as-typed -- "$value" "$from" "$to" >>"$scratch/calls"
    done <"$values"
    diff -q "$scratch/calls" <(tail -n +$(($(grep -n "^# $category.$from.$to$" "$scratch/want" | cut -d: -f1) + 1)) \
        "$scratch/want" | head -"$(wc -l <"$values")") >/dev/null || fail "one call a value differs for $from $to" >&2
    rm "$scratch/calls"
done < <(sed -n 's/^# //p' "$scratch/want") >"$scratch/have"
diff "$scratch/want" "$scratch/have" >"$scratch/diff" || fail "the command line differs from ConvertValue: $(head -20 "$scratch/diff")"

# --list names each category and its units in list order, as the rows do.
diff <("$program" --list) <(awk -F '\t' '/^# / && $2 == $3 { sub(/^# /, "", $1); if ($1 != c) print c = $1; print "  " $2 }' \
    "$scratch/want") || fail "--list differs from the units ConvertValue converts"

# code|stdout (a pattern, - for none)|stderr holds (- for none)|arguments...
while IFS='|' read -r code want_out want_err args; do
    IFS='|' read -ra argv <<<"$args"
    "$program" "${argv[@]}" >"$out" 2>"$err"
    rc=$?
    [[ $rc -eq $code ]] || fail "$args: code $rc, not $code"
    # shellcheck disable=SC2053 # a pattern
    [[ $want_out == - && ! -s $out || $(<"$out") == $want_out ]] || fail "$args: stdout $(<"$out")"
    [[ $want_err == - && ! -s $err || $want_err != - && $(<"$err") == *"$want_err"* ]] || fail "$args: stderr $(<"$err")"
    [[ $code -eq 0 || $(grep -c . "$err") -le 2 ]] || fail "$args: more than one message"
done <<'ROWS'
0|30.48|-|12|in|cm
0|30.48|-|12 in to cm
0|30.48|-|12in|cm
0|1.524|-|5|ft|in|m
0|37.777778|-|100°F|to|°C
0|30.48|-|12" > cm
0|-40.00|-|-40|F|=|C
0|-40.00|-|--|-40|celsius|farenhite
0|37.777778|-|100|fahrenheit|celsius
0|86400.00|-|1|day|s
0|12 Inch = 30.48 Centimeter|-|-v|12|in|to|cm
0|1 Ton = 1000000.00 Gram|-|--verbose|1|ton|g
0|0.914399999999999|-|1|yard|meter
0|30.48|-|--as-typed|12abc|in|cm
1|Overflow|-|1E308|Mile|Inch
1|-|'1,5' is not a number: the decimal point is '.'|1,5|inch|cm
1|-|'5 6' is not a number: a blank inside it|5 6|inch|cm
1|-|'−5' is not a number: the minus sign is '-'|−5|inch|cm
1|-|'-' is not a number|--|-|inch|cm
1|-|'abc' is not a number|abc|inch|cm
2|-|ambiguous: it could be Tonne or Ton|1|to|gram
2|-|ambiguous: it could be Pint UK, Pint US Dry or Pint US Liquid|1|pint|to|l
2|-|unknown unit 'mph'|60|mph|to|km/h
2|-|missing the units to convert between|12|to
2|-|'Inch' is a unit of Distance and 'Gram' of Weight|1|inch|gram
2|-|unrecognized option '-x'|-x|inch|feet
2|-|does not start with a number|to
0|Temprature?  Celsius: °C*|-|--list|-v|temperature
2|-|unknown category 'x'; the categories are Distance|--list|x
ROWS

# Names and values that are not plain text are told, never echoed raw.
long=$(printf '0%.0s' {1..4096})
while IFS='|' read -r code want_err value from; do
    printf -v value '%b' "$value"
    printf -v from '%b' "$from"
    [[ $value == LONG* ]] && value=$long${value#LONG}
    "$program" "$value" "$from" Inch >"$out" 2>"$err"
    rc=$?
    [[ $rc -eq $code && $(<"$err") == *"$want_err"* ]] || fail "$value $from: code $rc, stderr $(<"$err")"
done <<'ROWS'
2|unknown unit '\x1b[31m'|1|\x1b[31m
2|the argument 'a\xff' is not valid UTF-8|1|a\xff
2|unknown unit 'Inch\x0a'|1|Inch\n
2|longer than 4096 bytes|LONG0|Inch
0||LONG|Inch
ROWS

# A stream: CRLF, a line too long, a NUL, bytes that are not UTF-8, an
# Overflow, a blank line, a comma, the longest line with its CR, and a last
# line without a newline. Each bad line is told with its number and leaves an
# empty result.
{
    printf '1\r\n%s\n2\n\0\n\xff\n1E308\n\n1,5\n%s\r\n3' "${long}0" "$long"
} | "$program" - Mile Inch >"$out" 2>"$err"
rc=$?
want=(63360.00 "" 126720.00 "" "" Overflow "" "" 0.00 190080.00)
mapfile -t have <"$out"
[[ $rc -eq 1 && "${have[*]}" == "${want[*]}" && ${#have[@]} -eq 10 ]] || fail "stream: code $rc, results ${have[*]}"
[[ $(<"$err") == "mensaro: line 2: longer than 4096 bytes"*"line 4: holds a NUL"*"line 5: not valid UTF-8"*"line 7: an empty value"*"line 8: '1,5'"* &&
    $(wc -l <"$err") -eq 5 ]] || fail "stream: stderr $(<"$err")"
# Queries a line, in step with the lines.
printf '12 in to cm\nfirefox\n-40 F = C\n' | "$program" -v - >"$out" 2>"$err"
[[ $? -eq 1 && $(<"$out") == $'12 Inch = 30.48 Centimeter\n\n-40 Farenhite = -40.00 Celsius' &&
    $(<"$err") == "mensaro: line 2: 'firefox' is no conversion"* ]] || fail "queries: $(<"$out") $(<"$err")"

# Input that is not text: a result line for each line, a few messages and a count.
"$program" --as-typed - inch feet <"$program" >"$out" 2>"$err"
rc=$?
lines=$(($(wc -l <"$program") + 1))
[[ $rc -eq 1 && $(wc -l <"$out") -eq $lines && $(wc -l <"$err") -le 21 && $(tail -1 "$err") == *"lines in all were not converted" ]] ||
    fail "binary input: code $rc, $(wc -l <"$out") results for $lines lines, stderr $(tail -3 "$err")"

# A reader that goes away ends the stream quietly, with or without SIGPIPE.
for pipe in default ignored; do
    first=$(
        [[ $pipe == ignored ]] && trap '' PIPE
        seq 3000000 2>/dev/null | timeout 20 "$program" - inch feet 2>"$err" | head -1
        echo "${PIPESTATUS[1]}"
    )
    # head -1 leaves at once; a program that went on would be stopped by timeout (124).
    [[ ${first%$'\n'*} == 0.083333333333333 && ${first##*$'\n'} =~ ^(1|141)$ && ! -s $err ]] ||
        fail "closed pipe, SIGPIPE $pipe: $first, stderr $(<"$err")"
done
# A coprocess gets each answer while it still holds the stream open.
coproc converter { "$program" - 2>/dev/null; }
for value in 12 24; do
    echo "$value in ft" >&"${converter[1]}"
    read -r -t 5 -u "${converter[0]}" answer || answer="no answer"
    [[ $answer == $((value / 12)).00 ]] || fail "coprocess, $value inches: $answer"
done
exec {converter[1]}>&-
wait "$converter_PID"
# Every write is checked.
for args in "1 inch feet" --help --version --list "-v - in cm"; do
    echo 1 | "$program" $args >/dev/full 2>"$err"
    rc=$?
    [[ $rc -eq 1 && $(<"$err") == "mensaro: cannot write the "*": No space left on device" ]] || fail "$args to a full disk: code $rc, $(<"$err")"
done
finish
