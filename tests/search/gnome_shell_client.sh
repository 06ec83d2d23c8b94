#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# GNOME Shell, headless, as the search service's client, driven through its Eval (--unsafe-mode): a query typed on
# a virtual keyboard in two bursts (a search, then a subsearch), in a German session, the rows read, Enter pressed.
# Run by desktop_session.sh, whose bus stands in for the system bus the shell needs too, and starts the service.
source "$(dirname "$0")/../lib.sh"
DBUS_SYSTEM_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS gnome-shell --headless --virtual-monitor 1024x768 --unsafe-mode \
    --wayland --no-x11 >"$scratch/shell.log" 2>&1 &
pids+=($!)
ev() { gdbus call --session -d org.gnome.Shell -o /org/gnome/Shell -m org.gnome.Shell.Eval "$1"; }
is() { [[ $(ev "$1" 2>/dev/null) == "(true, '$2')" ]]; }
rows="Object.values(Main.overview._overview._controls._searchController._searchResults._providers
    .find(p => p.id === 'org.mensaro.Mensaro.desktop').display._resultDisplays)
    .filter(d => d.get_parent()).map(d => [d.metaInfo.name, d.metaInfo.description])"

wait_for 60 is 'Main.layoutManager._startingUp' false || { tail -20 "$scratch/shell.log"; fail "the shell did not start"; finish; }
ev "const C = imports.gi.Clutter;
    globalThis.kbd = C.get_default_backend().get_default_seat().create_virtual_device(C.InputDeviceType.KEYBOARD_DEVICE);
    globalThis.press = k => [C.KeyState.PRESSED, C.KeyState.RELEASED].forEach(s => kbd.notify_keyval(GLib.get_monotonic_time(), k, s));
    globalThis.type = text => [...text].forEach(c => press(C.unicode_to_keysym(c.codePointAt(0))));
    globalThis.clipboard = () => (imports.gi.St.Clipboard.get_default().get_text(imports.gi.St.ClipboardType.CLIPBOARD,
        (c, text) => { globalThis.copied = text; }), globalThis.copied);
    Main.overview.focusSearch()" >/dev/null
wait_for 10 is 'Main.overview.visible && !Main.overview.animationInProgress' true || fail "no overview"
ev "type('12 zoll')" >/dev/null
wait_for 10 is "$rows.length > 0" true || fail "no rows for '12 zoll': $(ev "$rows")"
ev "type(' in cm')" >/dev/null
wait_for 10 is "$rows" '[["30.48 Zentimeter","12 Zoll"]]' || fail "rows for '12 zoll in cm': $(ev "$rows")"
ev 'press(imports.gi.Clutter.KEY_Return)' >/dev/null
wait_for 10 is 'clipboard()' '"30.48"' || fail "copied: $(ev copied)"
wait_for 10 grep -qsx '\[--show\]\[12\]\[Inch\]\[Centimeter\]' "$MENSARO_SHOWN_LOG" || fail "window not asked for"
[[ $failed == 0 ]] || tail -30 "$scratch/shell.log"
finish
