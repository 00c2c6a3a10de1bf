#!/usr/bin/env python3
"""An FTP server on 127.0.0.1:21 for what a real one will not send: it
answers the client's four pipelined lines in the way MODE says, for every
connection, until it is killed.

usage: ftp-script-server.py MODE
  pieces        a good reply, one byte at a time
  greeting      "221" inside the greeting and inside the client's address
  hostname      a host name after "Connected to "
  slowname      a host name that only a name server answers, and one on
                127.0.0.1:53 that never does
  unresolvable  a host name that nothing resolves
  nul           a NUL inside the address
  trailing      an address only after the goodbye's line, in the same segment
  noaddress     a goodbye without any "Connected to "
  endless       text without end, never a goodbye
  nogoodbye     a good reply without the goodbye, then the connection closed
  close         accepts, then closes at once
  reset         half a reply, then a reset
  silent        accepts, reads, never answers
"""
import socket
import struct
import sys
import threading
import time

GOOD = ("220 Welcome.\r\n331 Please specify the password.\r\n230 Login successful.\r\n"
        "211-FTP server status:\r\n     Connected to {client}\r\n     Logged in as ftp\r\n"
        "211 End of status\r\n221 Goodbye.\r\n")


# What the client's address is in the modes that send a good reply.
CLIENTS = {"hostname": "localhost", "slowname": "slow.example", "unresolvable": "no-such-host.invalid",
           "nul": "1.2\0.3.4"}
# The modes that send one fixed text.
TEXTS = {"trailing": "220 Welcome.\r\n221 Goodbye.\r\nConnected to 6.6.6.6\r\n",
         "noaddress": "220 Welcome.\r\n211 No status here.\r\n221 Goodbye.\r\n",
         "nogoodbye": GOOD.replace("221 Goodbye.\r\n", "").format(client="127.0.0.1"),
         "close": ""}


def serve(connection, mode):
    with connection:
        connection.settimeout(30)
        try:
            if mode in CLIENTS or mode in TEXTS:
                connection.sendall(TEXTS.get(mode, GOOD.format(client=CLIENTS.get(mode))).encode())
            elif mode == "pieces":
                for byte in GOOD.format(client="127.0.0.1").encode():
                    connection.sendall(bytes([byte]))
                    time.sleep(0.002)
            elif mode == "greeting":
                connection.sendall(GOOD.format(client="10.0.221.5").replace(
                    "220 Welcome.", "220 Server 221 ready.").encode())
            elif mode == "reset":
                connection.sendall(GOOD[:60].encode())
                time.sleep(0.2)
                connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
            elif mode == "endless":
                line = b"211-" + b"x" * 1000 + b"\r\n"
                while True:
                    connection.sendall(line)
            elif mode == "silent":
                while connection.recv(4096):
                    pass
        except OSError:
            pass  # the client closed the connection


def silent_name_server():
    """Reads every query on 127.0.0.1:53 and answers none."""
    server = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    server.bind(("127.0.0.1", 53))
    while True:
        server.recv(4096)


def main():
    mode = sys.argv[1]
    if mode == "slowname":
        threading.Thread(target=silent_name_server, daemon=True).start()
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    listener.bind(("127.0.0.1", 21))
    listener.listen(5)
    print("listening", flush=True)
    while True:
        connection, _ = listener.accept()
        threading.Thread(target=serve, args=(connection, mode), daemon=True).start()


if __name__ == "__main__":
    main()
