#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the translation template: the sources' marked texts, the desktop
# entry's and the metainfo's, and the unit catalogue's names (from the
# program built from po/messages.cpp).
#   po/template.sh SOURCE_DIR MESSAGES_PROGRAM OUTPUT
set -euo pipefail
src=$1 messages=$2 out=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$src"
common=(--force-po --from-code=UTF-8 --add-comments=TRANSLATORS: --sort-by-file --package-name=Mensaro
        --msgid-bugs-address=developers@mensaro.org)
# Window, command line and search: Tr(msgid), Tr(context, msgid), N_(msgid);
# the core's messages: M_(msgid).
# Their placeholders are %1 .. %9; msgfmt --check compares them.
git ls-files -- 'app/*.cpp' 'core/*.cpp' 'ui/*.cpp' 'l10n/*.cpp' | sort >"$work/files"
xgettext "${common[@]}" -C --qt -k -kTr:1,1t -kTr:1c,2,2t -kN_ -kM_ \
    -f "$work/files" -o "$work/code.pot"
xgettext "${common[@]}" -L Desktop -k -kGenericName -kComment -kKeywords \
    packaging/org.mensaro.Mensaro.desktop.in -o "$work/desktop.pot"
xgettext "${common[@]}" --its=/usr/share/gettext/its/metainfo.its \
    packaging/org.mensaro.mensaro.metainfo.xml.in -o "$work/metainfo.pot"
"$messages" >"$work/catalogue.po"
msgcat --use-first "$work/code.pot" "$work/desktop.pot" "$work/metainfo.pot" "$work/catalogue.po" \
    -o "$work/all.pot"
# No date in the header, so the template changes only when a text does; the
# licence as every file of the project states it.
# REUSE-IgnoreStart
{
    echo "# Mensaro's texts for translators. One file a language: po/LANGUAGE.po."
    echo "# SPDX-FileCopyrightText: 2026 The Mensaro developers"
    echo "# SPDX-License-Identifier: GPL-3.0-or-later"
    sed -e '1,/^#, fuzzy/{/^#, fuzzy/!d}' -e '/^"POT-Creation-Date:/d' "$work/all.pot"
} >"$out"
# REUSE-IgnoreEnd
