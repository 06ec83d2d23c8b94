#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The command line as a shell script uses it: for every pair of units and a
# sample of value texts it prints what ConvertValue gives (convert_rows), in
# any locale, one call at a time and as a stream; names, errors and exit
# codes; bad input; the completion.
#   cli_test.sh <mensaro> <convert_rows> <completion script>
source "$(dirname "$0")/../lib.sh"
program=$1 rows=$2 completion=$3
out=$scratch/out err=$scratch/err

# One value text a line; the empty line is a value too.
values=$scratch/values
cat >"$values" <<'VALUES'
1
12
-40
-0
.5
-.5
2.5e2
1E308
-1E308
1E-320
12abc
2,5
1.2.3
&HFF
&o17
 1 2
- 3

123456789012345678
0.1
99999999
VALUES
"$rows" "$values" >"$scratch/want" || fail "convert_rows failed"

# The program in each locale, the script in its own. Every pair under C; every seventh under a comma-decimal and a Turkish locale.
for locale in C de_DE.UTF-8 tr_TR.UTF-8; do
    pair=0 step=7
    [[ $locale == C ]] && step=1
    while IFS=$'\t' read -r category from to; do
        ((pair++ % step)) && continue
        # Every other pair named in lower case; every 40th also one value a call.
        ((pair % 2)) && from=${from,,} to=${to,,}
        printf '# %s\t%s\t%s\n' "$category" "$from" "$to"
        LC_ALL=$locale "$program" - "$from" "$to" <"$values" >"$out" 2>"$err"
        rc=$?
        mapfile -t results <"$out"
        printf '%s\n' "${results[@]}"
        [[ -s $err ]] && fail "$locale $from $to: stderr $(<"$err")"
        [[ " ${results[*]} " == *" Overflow "* ]] && want=1 || want=0
        [[ $rc -eq $want ]] || fail "$locale $from $to: the stream ended with code $rc, not $want"
        ((pair % 40 == 1)) || continue
        i=0
        while IFS= read -r value; do
            result=$(LC_ALL=$locale "$program" "$value" "$from" "$to")
            [[ $result == "${results[i++]}" ]] || fail "$locale: $value $from $to gives $result, the stream ${results[i - 1]}"
        done <"$values"
    done < <(sed -n 's/^# //p' "$scratch/want") >"$scratch/have"
    # Compared without the case of the names.
    awk -v step=$step '/^# / { keep = n++ % step == 0 } keep' "$scratch/want" >"$scratch/sample"
    diff <(tr A-Z a-z <"$scratch/sample") <(tr A-Z a-z <"$scratch/have") >"$scratch/diff" ||
        fail "$locale: the command line differs from ConvertValue: $(head -20 "$scratch/diff")"
done

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
    [[ $code -ne 2 || $(grep -c . "$err") -le 2 ]] || fail "$args: more than one message"
done <<'ROWS'
0|30.48|-|12|Inch|Centimeter
0|-40.00|-|-40|Celsius|Farenhite
0|-40.00|-|--|-40|celsius|farenhite
0|-0.50|-|-.5|kelvin|KELVIN
0|-36.00|-|- 3|Feet|Inch
0|1.00|-|1|nautical   MILE|Nautical	Mile
0|0.083333333333333|-|1|in|fe
0|1.00|-|1|ton|Ton
1|Overflow|-|1E308|Mile|Inch
2|-|ambiguous: it could be Tonne or Ton|1|to|gram
2|-|ambiguous: it could be Pint US Dry or Pint US Liquid|1|liter|pint us
2|-|unknown unit 'cm'; the units of Distance are Inch, Feet|1|inch|cm
2|-|unknown unit 'Fahrenheit'; the units of Temprature are Celsius, Farenhite and Kelvin|1|Fahrenheit|Celsiu
2|-|unknown unit 'Fahrenheit'; 'mensaro --list' shows every unit|1|Fahrenheit|xyz
2|-|'Inch' is a unit of Distance and 'Gram' of Weight|1|inch|gram
2|-|empty unit name|1||inch
2|-|unrecognized option '-x'|-x|inch|feet
2|-|missing the unit to convert to|12|inch
2|-|unexpected argument 'x' after|1|inch|feet|x
2|-|missing the value|--
2|-|unexpected argument '--list'|--|--list
0|Distance?  Inch*Century|-|--list|-platform|offscreen
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
2|unknown unit 'a\xff'|1|a\xff
2|unknown unit 'Inch\x0a'|1|Inch\n
2|the value '1\xc3' is not valid UTF-8|1\xc3|Inch
2|longer than 4096 bytes|LONG0|Inch
0||LONG|Inch
ROWS

# A stream: CRLF, a line too long, a NUL, bytes that are not UTF-8, an
# Overflow, the longest line with its CR, and a last line without a newline.
# Each bad line is told with its number and leaves an empty result.
{
    printf '1\r\n%s\n2\n\0\n\xff\n1E308\n%s\r\n3' "${long}0" "$long"
} | "$program" - Mile Inch >"$out" 2>"$err"
rc=$?
want=("$("$program" 1 Mile Inch)" "" "$("$program" 2 Mile Inch)" "" "" Overflow 0.00 "$("$program" 3 Mile Inch)")
mapfile -t have <"$out"
[[ $rc -eq 1 && "${have[*]}" == "${want[*]}" && ${#have[@]} -eq 8 ]] || fail "stream: code $rc, results ${have[*]}"
[[ $(<"$err") == "mensaro: line 2: longer than 4096 bytes"*"line 4: holds a NUL"*"line 5: not valid UTF-8"* &&
    $(wc -l <"$err") -eq 3 ]] || fail "stream: stderr $(<"$err")"

# Input that is not text: a result line for each line, a few messages and a count.
"$program" - inch feet <"$program" >"$out" 2>"$err"
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
coproc converter { "$program" - inch feet 2>/dev/null; }
for value in 12 24; do
    echo "$value" >&"${converter[1]}"
    read -r -t 5 -u "${converter[0]}" answer || answer="no answer"
    [[ $answer == $((value / 12)).00 ]] || fail "coprocess, $value inches: $answer"
done
exec {converter[1]}>&-
wait "$converter_PID"
"$program" 1 inch feet >&- 2>"$err"
rc=$?
[[ $rc -eq 1 && $(<"$err") == "mensaro: cannot write the results: "* ]] || fail "closed stdout: code $rc, stderr $(<"$err")"

# The completion offers options, and unit names after a value, the second
# from the first one's category.
while IFS='|' read -r words want; do
    for locale in C tr_TR.UTF-8; do
    have=$(LC_ALL=$locale PATH=$(dirname "$program"):$PATH bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
        _mensaro; printf "%s|" "${COMPREPLY[@]}"' _ "$completion" mensaro $words)
    [[ ${have%|} == "$want" ]] || fail "completion of '$words' under $locale: $have, not $want"
    done
done <<'ROWS'
--l|--list
12 na|Nautical\ Mile
12 Inch m|Mile|Millimeter|Meter
-- -4 cel|Celsius
-40 CELS FA|Farenhite
12 Sq.Mil|Sq.Mile|Sq.Milimeter
12 inch feet x
1 INC MI|Mile|Millimeter
12 xyz m|Mile|Millimeter|Meter|Mililiter|Minute
ROWS
finish
