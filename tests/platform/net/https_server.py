#!/usr/bin/env python3
"""A small HTTPS server on 127.0.0.1 for the network tests.

Prints "PORT <n>" once listening, then "REQUEST <request line>" for every request.
--silent accepts TCP connections and never answers (not even the TLS handshake); it
prints "ACCEPTED" and, when the client gives up, "CLOSED". A line "STATUS" on standard
input is answered with "OPEN" or "CLOSED" for the latest connection.
"""
import argparse
import http.server
import socket
import ssl
import sys
import threading


def say(text):
    print(text, flush=True)


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def do_GET(self):
        say("REQUEST " + self.requestline)
        if self.server.status != 200:
            self.send_error(self.server.status)
            return
        body = self.server.body
        self.send_response(200)
        self.send_header("Content-Type", "text/plain; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


def serve_https(args):
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(args.cert, args.key)
    if args.tls13_only:
        context.minimum_version = ssl.TLSVersion.TLSv1_3
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    server.body = args.body.encode("utf-8").decode("unicode_escape").encode("latin-1")
    server.status = args.status
    server.socket = context.wrap_socket(server.socket, server_side=True)
    say("PORT %d" % server.server_address[1])
    server.serve_forever()


def serve_silent():
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    state = {"latest": "NONE"}
    lock = threading.Lock()

    def answer_status():
        for line in sys.stdin:
            if line.strip() == "STATUS":
                with lock:
                    say("STATUS " + state["latest"])

    threading.Thread(target=answer_status, daemon=True).start()
    say("PORT %d" % listener.getsockname()[1])
    while True:
        connection, _ = listener.accept()
        with lock:
            state["latest"] = "OPEN"
        say("ACCEPTED")
        while connection.recv(4096):
            pass  # whatever the client sends goes unanswered
        connection.close()
        with lock:
            state["latest"] = "CLOSED"
        say("CLOSED")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cert")
    parser.add_argument("--key")
    parser.add_argument("--body", default="")
    parser.add_argument("--status", type=int, default=200)
    parser.add_argument("--tls13-only", action="store_true")
    parser.add_argument("--silent", action="store_true")
    args = parser.parse_args()
    if args.silent:
        serve_silent()
    else:
        serve_https(args)


if __name__ == "__main__":
    main()
