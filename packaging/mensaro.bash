# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Bash completion for mensaro: its options first, and after a value the unit
# names as `mensaro --list` gives them; the second unit from the first's category.

# The units of `mensaro --list` that start with $2 (case and blank runs not
# counting), within the category of the unit named $1 when $1 names one.
_mensaro_units() {
    # The names are ASCII: fold them as such, also under a Turkish locale.
    "${COMP_WORDS[0]}" --list 2>/dev/null | LC_ALL=C awk -v from="$1" -v cur="$2" '
        function fold(s) { s = tolower(s); gsub(/[ \t]+/, " ", s); return s }
        /^[^ ]/ { category = $0; next }
        { n++; name[n] = substr($0, 3); of[n] = category }
        END {
            f = fold(from); hits = 0
            for (i = 1; f != "" && i <= n; i++) {
                if (fold(name[i]) == f) { hits = 1; only = of[i]; break }
                if (index(fold(name[i]), f) == 1) { hits++; only = of[i] }
            }
            c = fold(cur)
            for (i = 1; i <= n; i++)
                if ((hits != 1 || of[i] == only) && index(fold(name[i]), c) == 1) print name[i]
        }'
}

_mensaro() {
    local cur=${COMP_WORDS[COMP_CWORD]} first=1 name
    COMPREPLY=()
    if ((COMP_CWORD == 1)) && [[ $cur == -[-a-z]* ]]; then
        mapfile -t COMPREPLY < <(compgen -W '--list --help --version --' -- "$cur")
        return
    fi
    [[ ${COMP_WORDS[1]-} == -- ]] && first=2
    local unit=$((COMP_CWORD - first)) from=
    ((unit == 1 || unit == 2)) || return
    ((unit == 2)) && from=${COMP_WORDS[COMP_CWORD - 1]}
    # Words as typed: drop the quoting a name with blanks was given.
    from=${from//[\\\'\"]/}
    cur=${cur//[\\\'\"]/}
    while IFS= read -r name; do
        COMPREPLY+=("$(printf '%q' "$name")")
    done < <(_mensaro_units "$from" "$cur")
}
complete -F _mensaro mensaro
