#!/usr/bin/env python3
"""Serves the web game's folder on 127.0.0.1 with the two headers that make the page
cross-origin isolated (the game thread needs shared memory), and gzip for clients that ask.
More folders are served as one: a file is taken from the first that holds it (the tests serve
the test pages beside the game's).
Usage: serve-web.py FOLDER [FOLDER...] [--port 8080] [--bare]   (--bare: without the isolation headers)"""
import argparse
import functools
import gzip
import http.server
import os

parser = argparse.ArgumentParser()
parser.add_argument("folders", nargs="+")
parser.add_argument("--port", type=int, default=8080)
parser.add_argument("--bare", action="store_true", help="leave out the isolation headers")
args = parser.parse_args()

COMPRESSIBLE = (".html", ".js", ".css", ".wasm", ".data", ".webmanifest", ".idx", ".pak", "/texts", "/glyphs.txt")


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript",
                      ".data": "application/octet-stream",
                      ".webmanifest": "application/manifest+json"}

    def end_headers(self):
        if not args.bare:
            self.send_header("Cross-Origin-Opener-Policy", "same-origin")
            self.send_header("Cross-Origin-Embedder-Policy", "require-corp")
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def translate_path(self, path):
        first = super().translate_path(path)
        inside = os.path.relpath(first, self.directory)
        found = [first] + [os.path.join(os.path.abspath(f), inside) for f in args.folders[1:]]
        return next((p for p in found if os.path.exists(p)), first)

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        wants_gzip = "gzip" in self.headers.get("Accept-Encoding", "")
        if not (wants_gzip and path.endswith(COMPRESSIBLE) and os.path.isfile(path)):
            return super().send_head()
        body = compressed(path, os.path.getmtime(path))
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)
        return None

    def log_message(self, *unused):
        pass


@functools.lru_cache(maxsize=16)
def compressed(path, _mtime):
    with open(path, "rb") as f:
        return gzip.compress(f.read(), 6)


server = http.server.ThreadingHTTPServer(("127.0.0.1", args.port),
                                         functools.partial(Handler, directory=args.folders[0]))
print(f"Serving {' '.join(args.folders)} at http://127.0.0.1:{args.port}/", flush=True)
server.serve_forever()
