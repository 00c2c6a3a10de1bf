# shellcheck shell=bash
# A chain of hops for the trace's tests, in network namespaces of the test's
# own, built from inside its sandbox network (which is this PC):
#   this PC 10.25.1.2 | 10.25.1.1 r1 (the Host) 100.64.2.1 | 100.64.2.2 r2
#   100.64.3.1 | 100.64.3.2 r3 203.0.113.1 | 203.0.113.10 the site
# The routers forward and answer without a rate limit; the site takes
# connections on port 443. chain_up builds it, chain_down takes it away;
# the program's wineserver must be stopped first. chain_cut cuts the path
# after the third hop (the site's address goes: nothing answers beyond r3),
# chain_mend mends it; site_echo 0 makes the site ignore echo requests, 1
# answer them again. in_ns NS COMMAND... runs a command in one of them (r1,
# r2, r3, site).

CHAIN=nvt$$
CHAIN_MOUNTED=""
LISTENER=""
SITE=203.0.113.10
in_ns() { ip netns exec "$CHAIN-$1" "${@:2}"; }
# on NS COMMAND...: in namespace NS, or in this PC's for "".
on() { if [ -n "$1" ]; then in_ns "$@"; else "${@:2}"; fi; }
# veth NS_A NAME_A ADDRESS_A NS_B NAME_B ADDRESS_B: a link between the two.
veth() {
    ip link add "$2" type veth peer name "$5" netns "$CHAIN-$4"
    [ -z "$1" ] || ip link set "$2" netns "$CHAIN-$1"
    on "$1" ip addr add "$3" dev "$2"
    on "$1" ip link set "$2" up
    in_ns "$4" ip addr add "$6" dev "$5"
    in_ns "$4" ip link set "$5" up
}
chain_up() {
    # The chain's names live in this test's own mount namespace.
    mkdir -p /run/netns
    mount -t tmpfs netvik-chain /run/netns
    CHAIN_MOUNTED=1
    for ns in r1 r2 r3 site; do
        ip netns add "$CHAIN-$ns"
        in_ns "$ns" ip link set lo up
    done
    veth "" pc0 10.25.1.2/24 r1 r1a 10.25.1.1/24
    veth r1 r1b 100.64.2.1/24 r2 r2a 100.64.2.2/24
    veth r2 r2b 100.64.3.1/24 r3 r3a 100.64.3.2/24
    veth r3 r3b 203.0.113.1/24 site s0 $SITE/24
    ip route add default via 10.25.1.1
    in_ns r1 ip route add default via 100.64.2.2
    in_ns r2 ip route add default via 100.64.3.2
    in_ns r2 ip route add 10.25.1.0/24 via 100.64.2.1
    in_ns r3 ip route add 10.25.1.0/24 via 100.64.3.1
    in_ns r3 ip route add 100.64.2.0/24 via 100.64.3.1
    in_ns site ip route add default via 203.0.113.1
    for ns in r1 r2 r3; do in_ns "$ns" sysctl -qw net.ipv4.ip_forward=1 net.ipv4.icmp_ratelimit=0; done
    # The site takes connections on port 443 and closes them (ip runs
    # python in its place: the job's process is the server's).
    ip netns exec "$CHAIN-site" python3 -c 'import socket
s = socket.socket()
s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
s.bind(("0.0.0.0", 443))
s.listen(16)
while True: s.accept()[0].close()' &
    LISTENER=$!
}
chain_down() {
    [ -z "$LISTENER" ] || kill "$LISTENER" 2>/dev/null || true
    [ -n "$CHAIN_MOUNTED" ] || return 0
    for ns in r1 r2 r3 site; do ip netns del "$CHAIN-$ns" 2>/dev/null || true; done
    umount /run/netns
}
chain_cut() { in_ns site ip addr del "$SITE/24" dev s0; }
chain_mend() {
    in_ns site ip addr add "$SITE/24" dev s0
    in_ns site ip route add default via 203.0.113.1
}
site_echo() { in_ns site sysctl -qw net.ipv4.icmp_echo_ignore_all=$((1 - $1)); }
