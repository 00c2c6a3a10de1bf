#!/usr/bin/env python3
"""An FTP server on 127.0.0.1:21 for what a real one will not send: it
answers the client's four pipelined lines in the way MODE says, for every
connection, until it is killed.

usage: ftp-script-server.py MODE
  pieces     a good reply, one byte at a time
  greeting   "221" inside the greeting and inside the client's address
  hostname   a host name after "Connected to "
  noaddress  a goodbye without any "Connected to "
  endless    text without end, never a goodbye
  silent     accepts, reads, never answers
"""
import socket
import sys
import threading
import time

GOOD = ("220 Welcome.\r\n331 Please specify the password.\r\n230 Login successful.\r\n"
        "211-FTP server status:\r\n     Connected to {client}\r\n     Logged in as ftp\r\n"
        "211 End of status\r\n221 Goodbye.\r\n")


def serve(connection, mode):
    with connection:
        connection.settimeout(30)
        try:
            if mode == "pieces":
                for byte in GOOD.format(client="127.0.0.1").encode():
                    connection.sendall(bytes([byte]))
                    time.sleep(0.002)
            elif mode == "greeting":
                connection.sendall(GOOD.format(client="10.0.221.5").replace(
                    "220 Welcome.", "220 Server 221 ready.").encode())
            elif mode == "hostname":
                connection.sendall(GOOD.format(client="localhost").encode())
            elif mode == "noaddress":
                connection.sendall(b"220 Welcome.\r\n211 No status here.\r\n221 Goodbye.\r\n")
            elif mode == "endless":
                line = b"211-" + b"x" * 1000 + b"\r\n"
                while True:
                    connection.sendall(line)
            elif mode == "silent":
                while connection.recv(4096):
                    pass
        except OSError:
            pass  # the client closed the connection


def main():
    mode = sys.argv[1]
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
