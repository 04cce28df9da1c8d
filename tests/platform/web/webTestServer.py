"""A loopback HTTP server for the transfer tests: serves the files of a folder and echoes
PUT and POST requests (method, path, the headers the tests check, then the body).
"/slow/N" answers N bytes in pieces a twentieth of a second apart: eight, or one for every
100000 bytes."""
import http.server
import sys
import time


class Handler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def echo(self, status):
        body = self.rfile.read(int(self.headers.get("Content-Length", "0")))
        head = "%s %s\nContent-Type: %s\nContent-Length: %s\nExpect: %s\nHTTP-Accept: %s\nUser-Agent: %s\n\n" % (
            self.command, self.path, self.headers.get("Content-Type"), self.headers.get("Content-Length"),
            self.headers.get("Expect"), self.headers.get("HTTP-Accept"), self.headers.get("User-Agent"))
        answer = head.encode() + body
        self.send_response(status)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(answer)))
        self.end_headers()
        self.wfile.write(answer)

    def do_GET(self):
        if not self.path.startswith("/slow/"):
            return super().do_GET()
        size = int(self.path[len("/slow/"):])
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(size))
        self.end_headers()
        pieces = max(8, size // 100000)
        try:
            for piece in range(pieces):
                self.wfile.write(b"s" * (size * (piece + 1) // pieces - size * piece // pieces))
                self.wfile.flush()
                time.sleep(0.05)
        except (BrokenPipeError, ConnectionResetError):
            pass  # the client stopped reading

    def do_POST(self):
        self.echo(200)

    def do_PUT(self):
        self.echo(201)


def main():
    folder = sys.argv[1]
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), lambda *a, **k: Handler(*a, directory=folder, **k))
    print(server.server_address[1], flush=True)
    server.serve_forever()


main()
