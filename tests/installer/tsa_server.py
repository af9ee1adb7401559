#!/usr/bin/python3
"""A time-stamping authority on the loopback, for the signing test only:
    tsa_server.py CONFIG   prints its port, answers at most 8 requests
CONFIG is an `openssl ts` configuration naming the TSA's key and
certificate; each RFC 3161 query is answered by `openssl ts -reply`."""
import http.server
import subprocess
import sys


class Authority(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        query = self.rfile.read(int(self.headers.get("Content-Length", 0)))
        reply = subprocess.run(["openssl", "ts", "-reply", "-config", sys.argv[1], "-queryfile", "/dev/stdin",
                                "-out", "/dev/stdout"], input=query, capture_output=True)
        self.send_response(200 if reply.returncode == 0 else 500)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(reply.stdout)))
        self.end_headers()
        self.wfile.write(reply.stdout)

    def log_message(self, *arguments):
        pass


server = http.server.HTTPServer(("127.0.0.1", 0), Authority)
server.timeout = 60
print(server.server_port, flush=True)
for _ in range(8):
    server.handle_request()
