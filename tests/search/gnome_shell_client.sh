#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mensaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# GNOME Shell, headless, as the search service's client, driven through its Eval (--unsafe-mode): a query typed on a
# virtual keyboard in two bursts (a search, then a subsearch), in the session's language (German or English), the rows read, Enter pressed, and the window, a Wayland
# or X11 client, focused and showing the conversion. Run by desktop_session.sh --program <mensaro>, whose bus also
# stands in for the system bus the shell needs to start.
#   gnome_shell_client.sh wayland|xcb
source "$(dirname "$0")/../lib.sh"
# Xwayland only for the X11 client, with its socket folder, which a booted system has and a fresh container may lack.
[[ $1 == wayland ]] && x11=--no-x11 || mkdir -p -m 1777 /tmp/.X11-unix
DBUS_SYSTEM_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS gnome-shell --headless --virtual-monitor 1024x768 --unsafe-mode \
    --wayland ${x11:-} >"$scratch/shell.log" 2>&1 &
pids+=($!)
ev() { gdbus call --session -d org.gnome.Shell -o /org/gnome/Shell -m org.gnome.Shell.Eval "$1"; }
is() { [[ $(ev "$1" 2>/dev/null) == "(true, '$2')" ]]; }
rows="Object.values(Main.overview._overview._controls._searchController._searchResults._providers
    .find(p => p.id === 'org.mensaro.Mensaro.desktop').display._resultDisplays)
    .filter(d => d.get_parent()).map(d => [d.metaInfo.name, d.metaInfo.description])"

wait_for 60 is 'Main.layoutManager._startingUp' false || { tail -20 "$scratch/shell.log"; fail "the shell did not start"; finish; }
# The session manager's part: the programs the bus starts find the shell's display, and a screen reader's bus.
shell_env() { ev "GLib.getenv('$1') ?? ''" | cut -d"'" -f2; }
gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus -m org.freedesktop.DBus.UpdateActivationEnvironment \
    "{'QT_QPA_PLATFORM': '$1', 'XDG_RUNTIME_DIR': '$XDG_RUNTIME_DIR', 'WAYLAND_DISPLAY': 'wayland-0',
      'DISPLAY': $(shell_env DISPLAY), 'XAUTHORITY': $(shell_env XAUTHORITY), 'QT_LINUX_ACCESSIBILITY_ALWAYS_ON': '1'}" >/dev/null
ev "const C = imports.gi.Clutter;
    globalThis.kbd = C.get_default_backend().get_default_seat().create_virtual_device(C.InputDeviceType.KEYBOARD_DEVICE);
    globalThis.press = k => [C.KeyState.PRESSED, C.KeyState.RELEASED].forEach(s => kbd.notify_keyval(GLib.get_monotonic_time(), k, s));
    globalThis.type = text => [...text].forEach(c => press(C.unicode_to_keysym(c.codePointAt(0))));
    globalThis.clipboard = () => (imports.gi.St.Clipboard.get_default().get_text(imports.gi.St.ClipboardType.CLIPBOARD,
        (c, text) => { globalThis.copied = text; }), globalThis.copied);
    Main.overview.focusSearch()" >/dev/null
wait_for 10 is 'Main.overview.visible && !Main.overview.animationInProgress' true || fail "no overview"
if [[ ${LANG:-} == de_* ]]; then
    words=('12 zoll' ' in cm' '[["30.48 Zentimeter","12 Zoll"]]') names='"Ergebnis: 30.48", "Ausgangseinheit: Zoll", "Zieleinheit: Zentimeter"'
else
    words=('12 in' ' to cm' '[["30.48 Centimeter","12 Inch"]]') names='"Result: 30.48", "From unit: Inch", "To unit: Centimeter"'
fi
ev "type('${words[0]}')" >/dev/null
wait_for 20 is "$rows.length > 0" true || fail "no rows for '${words[0]}': $(ev "$rows")"
ev "type('${words[1]}')" >/dev/null
wait_for 10 is "$rows" "${words[2]}" || fail "rows for '${words[0]}${words[1]}': $(ev "$rows")"
ev 'press(imports.gi.Clutter.KEY_Return)' >/dev/null
wait_for 10 is 'clipboard()' '"30.48"' || fail "copied: $(ev copied)"
wait_for 30 is 'global.display.focus_window?.get_title() ?? null' '"Mensaro"' || fail "Mensaro has not the focus after Enter"
# The window the service started goes with the test.
pids+=($(ev 'global.get_window_actors().map(a => a.meta_window).filter(w => w.get_title() === "Mensaro")
    .map(w => w.get_pid()).join(" ")' | tr -dc '0-9 '))
shows() { timeout 30 /usr/bin/python3 -c 'import pyatspi; assert {'"$names"'} <= {
    o.name for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Mensaro"
    for o in pyatspi.utils.findAllDescendants(a, lambda o: True)}' 2>/dev/null; }
wait_for 20 shows || fail "the window does not show 12 in to cm"
[[ $failed == 0 ]] || tail -30 "$scratch/shell.log"
finish
