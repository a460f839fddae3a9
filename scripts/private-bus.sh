# SPDX-FileCopyrightText: 2026 Quorvel
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that start a session bus of their own (dbus-daemon --config-file=<folder>/bus.conf).

# Writes <folder>/bus.conf: the bus listens on a socket in that folder, lets every client send, receive and own
# names, and starts no service on demand.
write_private_bus_config() { # folder
    cat >"$1/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>session</type><listen>unix:dir=$1</listen><auth>EXTERNAL</auth>
<policy context="default"><allow send_destination="*"/><allow receive_sender="*"/><allow own="*"/></policy>
</busconfig>
CONF
}
