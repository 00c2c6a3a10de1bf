#!/usr/bin/env bash
# Runs a command inside a network namespace of its own, so that nothing it
# sends can leave the machine. The namespace holds:
#   - loopback (127.0.0.0/8), up;
#   - each address given with --local, added to loopback, so that it answers
#     echo requests like a live host;
#   - a silent host, 198.18.0.2: routed through a veth pair with a permanent
#     neighbour entry, so echo requests to it go out and simply time out.
#
# usage: sandbox-net.sh [--local ADDRESS]... [--hosts FILE] -- COMMAND [ARGUMENT]...
#
# --hosts FILE: inside, FILE stands in for /etc/hosts and a resolver file
# naming only 127.0.0.1 for /etc/resolv.conf (a mount namespace of its own
# keeps both private), so that names resolve from FILE and an unknown name
# fails at once without a query leaving the machine.
#
# A Wine program run inside must use a WINEPREFIX whose wineserver starts
# inside the namespace (a new or copied prefix, never one already in use), and
# the command must stop that wineserver (wineserver -k) before it returns.
set -euo pipefail

SILENT_HOST=198.18.0.2

if [ "${NETVIK_IN_SANDBOX_NET:-}" != 1 ]; then
  export NETVIK_IN_SANDBOX_NET=1
  if [ "$(id -u)" = 0 ]; then
    exec unshare --net --mount --propagation private -- "$0" "$@"
  fi
  # Without root, a user namespace maps us to root inside.
  exec unshare --map-root-user --net --mount --propagation private -- "$0" "$@"
fi

locals=()
hosts=""
while [ $# -gt 0 ]; do
  case "$1" in
    --local) locals+=("$2"); shift 2 ;;
    --hosts) hosts=$2; shift 2 ;;
    --) shift; break ;;
    *) echo "sandbox-net.sh: unknown option $1" >&2; exit 2 ;;
  esac
done
[ $# -gt 0 ] || { echo "usage: sandbox-net.sh [--local ADDRESS]... [--hosts FILE] -- COMMAND..." >&2; exit 2; }

if [ -n "$hosts" ]; then
  resolver=$(mktemp)
  echo "nameserver 127.0.0.1" >"$resolver"
  mount --bind "$hosts" /etc/hosts
  [ -e /etc/resolv.conf ] && mount --bind "$resolver" /etc/resolv.conf
fi

ip link set lo up
for address in "${locals[@]+"${locals[@]}"}"; do
  ip addr add "$address/32" dev lo
done
ip link add nv0 type veth peer name nv1
ip addr add 198.18.0.1/24 dev nv0
ip link set nv0 up
ip link set nv1 up
ip neigh add "$SILENT_HOST" lladdr 02:00:00:00:00:02 dev nv0 nud permanent

export NETVIK_SILENT_HOST=$SILENT_HOST
exec "$@"
