#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The translations as the programs meet them: the template current, every language complete with the same
# placeholders, no two units of a category under one name, the same digits in every language, and English
# whatever is wrong with a translation file.
#   translations_test.sh <source dir> <mensaro_messages> <mensaro> <built share/locale>
source "$(dirname "$0")/../lib.sh"
src=$1 program=$3 built=$4
export MENSARO_LOCALEDIR=$built
unset LANGUAGE  # each language below from LANG alone
languages=$(grep -v '^#' "$src/po/LINGUAS")

bash "$src/po/template.sh" "$src" "$2" "$scratch/fresh.pot" || fail "the template could not be made"
msgcmp --use-untranslated "$src/po/mensaro.pot" "$scratch/fresh.pot" 2>"$scratch/err" ||
    fail "po/mensaro.pot is behind the sources ('pot' target): $(head -3 "$scratch/err")"
for language in $languages; do
    msgcmp "$src/po/$language.po" "$scratch/fresh.pot" 2>"$scratch/err" ||
        fail "$language: missing or unfinished translations: $(head -3 "$scratch/err")"
done
# A placeholder lost or doubled fails the build's msgfmt --check, for the window's %1 as for the command line's.
for message in 'Result: %1' 'line %1: %2'; do
    sed "/^msgid \"$message\"/{n;s/%1/%2/}" "$src/po/de.po" >"$scratch/wrong.po"
    msgfmt --check -o /dev/null "$scratch/wrong.po" 2>/dev/null && fail "a wrong placeholder in '$message' passes"
done

# Every pair of units of every category, as queries in English; the results in each language are the English ones.
LC_ALL=C "$program" --list | awk '/^[^ ]/ { if (n) emit(); n = 0; next } { sub(/^  /, ""); unit[n++] = $0 } END { emit() }
    function emit(  i, j, v) { for (i = 0; i < n; i++) for (j = 0; j < n; j++) for (v = 0; v < 3; v++)
        printf "%s %s to %s\n", (v == 0 ? "1" : v == 1 ? "-40" : "2.5e2"), unit[i], unit[j] }' >"$scratch/queries"
(($(wc -l <"$scratch/queries") > 1500)) || fail "too few queries: $(wc -l <"$scratch/queries")"
LC_ALL=C "$program" - <"$scratch/queries" >"$scratch/english" 2>&1
for language in $languages; do
    locale=$(locale -a | grep -im1 "^${language}_.*utf-\?8$") || { fail "no UTF-8 locale for $language"; continue; }
    # The same digits; only a name the language gives another unit (German "Tonne", the metric ton) is refused,
    # as ambiguous in the language's words.
    ambiguous=$(LANG=$locale TEXTDOMAINDIR=$built gettext mensaro 'unit %1 is ambiguous: it could be %2')
    [[ $ambiguous != unit* ]] || fail "$language: the core's messages are not translated"
    LANG=$locale "$program" - <"$scratch/queries" >"$scratch/results" 2>/dev/null
    while IFS=$'\t' read -r query _ result; do
        # shellcheck disable=SC2086 # the query's words
        [[ -z $result && $(LANG=$locale "$program" $query 2>&1) == "mensaro: "${ambiguous//%[0-9]/*} ]] || fail "$language: $query: $result"
    done < <(paste "$scratch/queries" "$scratch/english" "$scratch/results" | awk -F '\t' '$2 != $3')
    # Two units of one category shown alike could not be told apart in the lists.
    LANG=$locale "$program" --list >"$scratch/list"
    shared=$(awk '/^[^ ]/ { c = $0; next } { print c "\t" $0 }' "$scratch/list" | sort | uniq -d)
    [[ -z $shared ]] || fail "$language: units shown under one name: $shared"
    [[ $(<"$scratch/list") != "$(LC_ALL=C "$program" --list)" ]] || fail "$language: the list is not translated"
done

# A German session with a translation file that is missing, empty, cut short, for another program, or no
# catalogue at all: English, in full.
mo=$built/de/LC_MESSAGES/mensaro.mo
printf 'msgid "Inch"\nmsgstr "Daumen"\n' | msgfmt -o "$scratch/other.mo" -
while IFS='|' read -r name make; do
    mkdir -p "$scratch/$name/de/LC_MESSAGES"
    (cd "$scratch/$name/de/LC_MESSAGES" && eval "$make")
    said=$(MENSARO_LOCALEDIR=$scratch/$name LANG=de_DE.UTF-8 "$program" -v 12 in cm 2>&1)
    [[ $said == '12 Inch = 30.48 Centimeter' ]] || fail "$name: $said"
done <<'ROWS'
missing|:
empty|: >mensaro.mo
truncated|head -c 300 "$mo" >mensaro.mo
another program's|cp "$scratch/other.mo" mensaro.mo
not a catalogue|printf '\x95\x04\x12\xde%0512d' 7 >mensaro.mo
a folder|mkdir mensaro.mo
ROWS
finish
