#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The command line as a shell script uses it, against ConvertValue (convert_rows).
#   cli_test.sh <mensaro> <convert_rows>
# The program may be another architecture's, run under qemu-user (scripts/cross-check.sh): the digits must be this
# machine's.
source "$(dirname "$0")/../lib.sh"
program=$1 out=$scratch/out err=$scratch/err values=$scratch/values pair=0

# Every pair of units, for value texts the window's box could hold, read as it
# reads them: a stream a pair, and every 40th pair one call a value.
printf '%s\n' 1 12 -40 -0 .5 -.5 2.5e2 1E308 -1E308 1E-320 12abc 2,5 1.2.3 '&HFF' '&o17' ' 1 2' '- 3' '' \
    123456789012345678 0.1 99999999 >"$values"
"$2" <"$values" >"$scratch/want" || fail "convert_rows failed"
while IFS=$'\t' read -r category from to; do
    printf '# %s\t%s\t%s\n' "$category" "$from" "$to"
    if ((pair++ % 40)); then "$program" --as-typed - "$from" "$to" <"$values"
    else while IFS= read -r value; do "$program" --as-typed -- "$value" "$from" "$to"; done <"$values"; fi
done < <(sed -n 's/^# //p' "$scratch/want") >"$scratch/have" 2>"$err"
diff "$scratch/want" "$scratch/have" >"$scratch/diff" || fail "the command line differs from ConvertValue: $(head -20 "$scratch/diff")"
[[ -s $err ]] && fail "stderr while converting: $(head -5 "$err")"
diff <("$program" --list) <(awk -F '\t' '/^# / && $2 == $3 { sub(/^# /, "", $1); if ($1 != c) print c = $1; print "  " $2 }' \
    "$scratch/want") || fail "--list differs from the units ConvertValue converts"

# code|stdout (a pattern)|stderr|stdin|arguments; %b escapes, LONG: 4096 zeros, TRY: the usage hint. The stream: CRLF,
# too long, NUL, not UTF-8, Overflow, blank, comma, the longest line with its CR, no last newline; each line not
# converted told with its number, leaving an empty result. Arguments may start with LANG=...: the names of that
# language count (in any case, with or without accents, ç as c + U+0327) beside English; under C only English.
long=$(printf '0%.0s' {1..4096})
while IFS='|' read -r code want_out want_err input args; do
    printf -v args '%b' "${args//LONG/$long}"
    printf -v want_out '%b' "$want_out"
    printf -v want_err '%b' "${want_err//TRY/\\nTry \'mensaro --help\' for more information.}"
    IFS='|' read -ra argv <<<"$args"
    [[ ${argv[0]} == LANG=* ]] || argv=(LANG=C "${argv[@]}")
    printf '%b' "${input//LONG/$long}" | env -u LC_ALL -u LANGUAGE "${argv[@]:0:1}" "$program" "${argv[@]:1}" >"$out" 2>"$err"
    rc=${PIPESTATUS[1]}
    # shellcheck disable=SC2053 # a pattern
    [[ $rc -eq $code && $(<"$out") == $want_out && $(<"$err") == "$want_err" ]] ||
        fail "${args:0:40}: code $rc, stdout $(<"$out"), stderr $(<"$err")"
done <<'ROWS'
0|30.48|||12|in|cm
0|-40.00|||-40 F|=|C
0|12 Inch = 30.48 Centimeter|||-v|12|in|to|cm
0|180.34|||5'11"|to|cm
0|180 Centimeter = 5 Feet 10.8661417322835 Inch|||-v|180|cm|in|feet|and|inches
1|1 Hour 30 Minute = 90.00 Minute\n71.99999999999999 Inch = 6 Feet 0.00 Inch\n½ Inch = 12.70 Millimeter|mensaro: line 4: 'Feet' comes twice: each unit goes once|1 h 30 min to min\n71.99999999999999 in to ft in\n½ in to mm\n5 ft 3 ft\n|-v|-
0|1 Hour 30.00 Minute\n-0 Hour 0.001 Minute||90\n-0.001\n|-|min|to|h|min
2||mensaro: 'Feet' comes twice: each unit goes once||5|ft|3|ft|to|cm
1||mensaro: '1/0' divides by zero||1/0|in|to|cm
1|Overflow|||1E308|Mile|Inch
1||mensaro: '-' is not a number||--|-|inch|cm
2||mensaro: unit 'pint' is ambiguous: it could be Pint UK, Pint US Dry or Pint US Liquid||1|pint|to|l
2||mensaro: unrecognized option '-x'TRY||-x|inch|feet
0|Temprature?  Celsius: °C*|||--list|-v|temperature
2||mensaro: unknown category 'x'; the categories are Distance, Area, Volume, Weight, Temprature, TimeTRY||--list|x
2||mensaro: the argument 'a\\xff' is not valid UTF-8TRY||1|a\xff|Inch
2||mensaro: an argument is longer than 4096 bytesTRY||LONG0|Inch|Inch
0|0.00|||LONG|Inch|Inch
1|63360.00\n\n126720.00\n\n\nOverflow\n\n\n0.00\n190080.00|mensaro: line 2: longer than 4096 bytes, not converted\nmensaro: line 4: holds a NUL byte, not converted\nmensaro: line 5: not valid UTF-8, not converted\nmensaro: line 7: an empty value is not a number\nmensaro: line 8: '1,5' is not a number: the decimal point is '.'|1\r\nLONG0\n2\n\0\n\xff\n1E308\n\n1,5\nLONG\r\n3|-|Mile|Inch
1|12 Inch = 30.48 Centimeter\n\n-40 Farenhite = -40.00 Celsius|mensaro: line 2: 'firefox' is no conversion: it does not start with a number, as '12 in to cm' does|12 in to cm\nfirefox\n-40 F = C\n|-v|-
0|2.54\n0.00||1,5 in cm\nabc Inch Centimeter\n|--as-typed|-
0|30.48|||LANG=de_DE.UTF-8|12|Zoll|in|cm
0|0.914399999999999|||LANG=de_DE.UTF-8|3 FUSS nach m
0|2.54\n0.914399999999999||1 pouce en cm\n3 PIEDS en metres\n|LANG=fr_FR.UTF-8|-
0|1.524|||LANG=es_ES.UTF-8|5 pies a metros
0|5 Pie 10.8661417322835 Pulgada|||LANG=es_ES.UTF-8|180 cm a pies y pulgadas
0|5 Fuß 10.8661417322835 Zoll|||LANG=de_DE.UTF-8|180 cm in Fuß und Zoll
0|25.40|||LANG=tr_TR.UTF-8|10|inc\xcc\xa7|cm
2||mensaro: unknown unit 'Zoll'; the units of Distance are Inch, Feet, Yard, Furlong, Mile, Nautical Mile, Millimeter, Centimeter, Meter and Kilometer||LANG=C|12|Zoll|in|cm
2||mensaro: unbekannte Einheit 'zoo'; die Einheiten der Kategorie Länge sind Zoll, Fuß, Yard, Furlong, Meile, Seemeile, Millimeter, Zentimeter, Meter und Kilometer||LANG=de_DE.UTF-8|12|zoo|in|cm
1||mensaro: '1,5' ist keine Zahl: das Dezimaltrennzeichen ist '.'||LANG=de_DE.UTF-8|1,5|Zoll|cm
1||mensaro: línea 1: '1/0' divide entre cero\nmensaro: línea 2: falta la unidad de '11'|1/0 pulgadas a cm\n5 ft 11\n|LANG=es_ES.UTF-8|-
ROWS
# Not text: a result line for each line, 20 messages and a count.
"$program" --as-typed - inch feet <"$2" >"$out" 2>"$err"
[[ $? -eq 1 && $(wc -l <"$out") -eq $(($(wc -l <"$2") + 1)) && $(wc -l <"$err") -eq 21 &&
    $(tail -1 "$err") == *"lines in all were not converted" ]] || fail "binary input: $(wc -l <"$out") results, $(tail -3 "$err")"

# With SIGPIPE ignored, a reader that goes away ends the stream quietly (going on would end in timeout's 124).
first=$(trap '' PIPE; seq 3000000 2>/dev/null | timeout 20 "$program" - inch feet 2>"$err" | head -1; echo "${PIPESTATUS[1]}")
[[ $first == $'0.083333333333333\n1' && ! -s $err ]] || fail "closed pipe: $first, stderr $(<"$err")"
# A coprocess gets each answer while it still holds the stream open.
coproc converter { "$program" - 2>/dev/null; }
for value in 12 24; do
    echo "$value in ft" >&"${converter[1]}"
    read -r -t 5 -u "${converter[0]}" answer && [[ $answer == $((value / 12)).00 ]] || fail "coprocess, $value in: ${answer:-}"
done
for args in "1 inch feet" --help --version --list "-v - in cm"; do
    echo 1 | "$program" $args >/dev/full 2>"$err"
    [[ $? -eq 1 && $(<"$err") == "mensaro: cannot write the "*": No space left on device" ]] || fail "$args to a full disk: $(<"$err")"
done
finish
