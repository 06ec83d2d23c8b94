# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Bash completion for mensaro. The program itself says what the word may
# become (mensaro --complete WORD...), so the shell reads names as it does.
_mensaro() {
    local cur=${COMP_WORDS[COMP_CWORD]} quote= name word words=()
    COMPREPLY=()
    # The words before, as the program will get them: without their quoting.
    for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
        words+=("${word//[\\\'\"]/}")
    done
    # In a word opened with a quote the names go in as they are, blanks and
    # all; readline closes the quote. Elsewhere a blank needs its backslash.
    if [[ $cur == [\'\"]* ]]; then
        quote=${cur:0:1}
        cur=${cur:1}
    fi
    while IFS= read -r name; do
        if [[ -n $quote ]]; then
            COMPREPLY+=("$name")
        else
            COMPREPLY+=("$(printf '%q' "$name")")
        fi
    done < <("${COMP_WORDS[0]}" --complete "${words[@]}" "${cur//\\/}" 2>/dev/null)
}
complete -F _mensaro mensaro
