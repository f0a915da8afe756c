#!/usr/bin/env python3
"""The list service: answers the program's list, page, notice and download
requests on the local machine, serves sample playlists (M3U, M3U8) under
/playlists/ (sample_playlists.py), a playable clip for every media address
it or the embedded playlists hand out (media_clips.py; byte ranges too),
plus drill endpoints for the HTTP client's tests and control endpoints
under /__control/ that inject faults, record requests and tell which rows a
list answer must give.

usage: list_service.py [--host 127.0.0.1] [--port 8460] [--log FILE]
"""
import argparse
import http.server
import json
import socket
import sys
import threading
import time
import traceback
import urllib.parse
from pathlib import Path

import list_answers as answers
import media_clips as clips
import sample_playlists as playlists

SERVICE = "nuvri-list-service"
XML = "text/xml; charset=utf-8"
HTML = "text/html; charset=utf-8"
MAX_BODY = 16 * 1024 * 1024
DROP_LENGTH = 100000
FAULT_MODES = ("delay", "drop", "cut", "close", "status", "not-utf8", "large", "items",
               "empty")
COOKIES = {
    1: [("set-cookie", "a=1; path=/"), ("SET-COOKIE", "b=2")],
    2: [("Set-Cookie", "sid=new; path=/"),
        ("Set-Cookie", "tmp=deleted; expires=Thu, 01-Jan-1970 00:00:01 GMT")],
    3: [("Set-Cookie", "c=3")],
}


class BadRequest(Exception):
    pass


def request_key(raw):
    """Path and query as the service matches them.

    The path part is percent-decoded as UTF-8, or as GBK when it is not UTF-8
    (the notice name also arrives GBK-encoded); the query stays raw except
    that an encoded comma counts as a comma.
    """
    path, mark, query = raw.partition("?")
    data = urllib.parse.unquote_to_bytes(path)
    try:
        path = data.decode("utf-8")
    except UnicodeDecodeError:
        path = data.decode("gbk", errors="replace")
    return path + mark + query.replace("%2C", ",").replace("%2c", ",")


def int_param(params, name, default, low, high):
    value = params.get(name, [str(default)])[0]
    if not value.isdigit() or not low <= int(value) <= high:
        raise BadRequest(f"{name} must be a whole number from {low} to {high}")
    return int(value)


def style_param(params, default):
    style = params.get("style", [default])[0].upper()
    if style not in ("A", "B"):
        raise BadRequest("style must be A or B")
    return style


# Where the media clips are kept once made: build/media-clips of the checkout.
DEFAULT_MEDIA_CACHE = Path(__file__).resolve().parents[1] / "build" / "media-clips"


class ListServer(http.server.ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, address, log=None, media_cache=DEFAULT_MEDIA_CACHE):
        super().__init__(address, Handler)
        self.log = log
        self.media_cache = media_cache
        self.lock = threading.Lock()
        self.log_lock = threading.Lock()
        self.faults = {}
        self.requests = []
        host, port = self.server_address[:2]
        self.base = f"{'127.0.0.1' if host in ('', '0.0.0.0') else host}:{port}"

    def write_log(self, text):
        if self.log:
            with self.log_lock:
                self.log.write(text.rstrip("\n") + "\n")
                self.log.flush()

    def handle_error(self, request, client_address):
        if not isinstance(sys.exc_info()[1], (ConnectionError, TimeoutError)):
            self.write_log(traceback.format_exc())


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "NuvriListService/1"
    timeout = 120

    def log_message(self, format, *args):
        self.server.write_log("%s %s" % (self.address_string(), format % args))

    def do_GET(self):
        self.serve()

    do_HEAD = do_POST = do_GET

    def serve(self):
        self.started = False
        try:
            self.route(self.read_body())
        except (ConnectionError, TimeoutError):
            self.close_connection = True
        except BadRequest as error:
            self.answer(400, "text/plain; charset=utf-8", f"{error}\n".encode())
        except Exception:
            self.server.write_log(traceback.format_exc())
            self.close_connection = True
            if not self.started:
                self.answer(500, HTML, b"<html><body>500 internal error</body></html>")

    def read_body(self):
        length = self.headers.get("Content-Length", "0").strip()
        if not length.isdigit() or int(length) > MAX_BODY:
            self.close_connection = True
            raise BadRequest("Content-Length must be a whole number up to 16 MiB")
        return self.rfile.read(int(length))

    def answer(self, status, content_type, body, headers=()):
        self.started = True
        self.send_response(status)
        if content_type:
            self.send_header("Content-Type", content_type)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if self.command != "HEAD":
            self.wfile.write(body)

    def json(self, value, status=200):
        body = json.dumps(value, ensure_ascii=False).encode("utf-8")
        self.answer(status, "application/json; charset=utf-8", body)

    def not_found(self):
        self.answer(404, HTML, b"<html><body>404 not found</body></html>")

    def route(self, body):
        key = request_key(self.path)
        path, _, query = key.partition("?")
        if path.startswith("/__control/"):
            params = urllib.parse.parse_qs(self.path.partition("?")[2])
            return self.control(path[len("/__control/"):], params)
        with self.server.lock:
            self.server.requests.append({
                "method": self.command, "path": self.path,
                "headers": [list(pair) for pair in self.headers.items()],
                "body": body.decode("latin-1")})
            fault = self.server.faults.get(key)
        if fault:
            return self.fault(fault, key)
        self.normal(key, path, urllib.parse.parse_qs(query))

    def normal(self, key, path, params):
        base = self.server.base
        if key in answers.LIST_PATHS:
            self.answer(200, XML, answers.list_answer(key, base)[0])
        elif path == "/zb/cn.php":
            name = params.get("v", [""])[0]
            if name not in answers.TV_CHANNELS:
                return self.answer(404, HTML, b"<html><body>404 unknown channel</body></html>")
            self.redirect(302, f"http://{base}/media/tv/{name}.mp4")
        elif path in answers.NOTICES:
            self.answer(200, "text/plain; charset=utf-8", answers.NOTICES[path].encode("utf-8"))
        elif path in ("/33.txt", "/2.txt"):
            self.answer(200, "text/plain", answers.download_list(path[1:-4], base))
        elif path in answers.PAGES:
            self.answer(200, HTML, answers.PAGES[path])
        elif path == "/player.html":
            self.answer(200, HTML, answers.PLAYER_PAGE)
        elif path.startswith("/drill/"):
            self.drill(path[len("/drill/"):], params)
        elif sample := self.playlist(path, params):
            self.answer(200, sample[0], sample[1])
        elif clips.clip_name(path):
            self.media(clips.clip_file(self.server.media_cache, clips.clip_name(path)))
        else:
            self.not_found()

    def playlist(self, path, params):
        """(content type, bytes, rows) of a sample playlist path, or None."""
        if not path.startswith("/playlists/"):
            return None
        name = path[len("/playlists/"):]
        count = int_param(params, "n", 100000, 0, playlists.LARGE_MAX) if name == "large.m3u" else 0
        return playlists.sample(name, self.server.base, count)

    def media(self, clip):
        """A clip, whole or the one byte range asked for (players seek so)."""
        data = clip.read_bytes()
        asked = clips.byte_range(self.headers.get("Range"), len(data))
        if asked == "bad":
            return self.answer(416, None, b"", [("Content-Range", f"bytes */{len(data)}")])
        headers = [("Accept-Ranges", "bytes")]
        if asked is None:
            return self.answer(200, "video/mp4", data, headers)
        first, last = asked
        headers.append(("Content-Range", f"bytes {first}-{last}/{len(data)}"))
        self.answer(206, "video/mp4", data[first:last + 1], headers)

    def redirect(self, status, location):
        self.answer(status, HTML, b"<html><body>moved</body></html>", [("Location", location)])

    def status_drill(self, code):
        if code in (204, 304):
            self.started = True
            self.send_response(code)
            if code == 304:
                self.send_header("Content-Length", "0")
            self.end_headers()
        else:
            self.answer(code, HTML, f"<html><body>{code} drill</body></html>".encode())

    def drill(self, name, params):
        base = self.server.base
        if name == "echo":
            lines = [self.requestline] + [f"{n}: {v}" for n, v in self.headers.items()]
            self.answer(200, "text/plain", "\n".join(lines).encode("latin-1") + b"\n")
        elif name == "status":
            self.status_drill(int_param(params, "code", 500, 200, 599))
        elif name == "cookies":
            variant = int_param(params, "variant", 1, 1, 3)
            self.answer(200, "text/plain", f"cookies {variant}".encode(), COOKIES[variant])
        elif name == "redirect":
            target = params.get("to", ["/drill/echo"])[0]
            if not target.startswith("/") or target.startswith("//") or \
                    any(not 0x21 <= ord(c) <= 0x7E for c in target):
                raise BadRequest("to must be a path on this service, printable ASCII")
            code = int_param(params, "code", 302, 301, 307)
            if code not in (301, 302, 303, 307):
                raise BadRequest("code must be 301, 302, 303 or 307")
            self.redirect(code, f"http://{base}{target}")
        elif name == "delay":
            time.sleep(int_param(params, "ms", 1000, 0, 120000) / 1000)
            self.answer(200, "text/plain", b"late")
        elif name == "drop":
            self.drop(int_param(params, "bytes", 1000, 0, DROP_LENGTH - 1))
        elif name == "charset":
            charset = params.get("name", ["utf-8"])[0]
            try:
                body = answers.charset_page(charset)
            except LookupError:
                raise BadRequest("name must be a character set Python knows")
            self.answer(200, "text/html", body)
        elif name == "close":
            self.hang_up()
        elif name == "not-utf8":
            self.answer(200, XML, answers.not_utf8_answer(base, style_param(params, "A"))[0])
        elif name == "large":
            self.large(int_param(params, "mb", 11, 1, 256), style_param(params, "A"))
        elif name == "items":
            count = int_param(params, "n", 1000, 0, 200000)
            self.answer(200, XML, answers.generated_answer(base, count, style_param(params, "A"))[0])
        else:
            self.not_found()

    def hang_up(self):
        """Reads the request and closes the connection without a word."""
        self.started = True
        self.close_connection = True
        self.connection.shutdown(socket.SHUT_RDWR)

    def drop(self, count):
        """Promises DROP_LENGTH bytes, sends COUNT and ends the connection."""
        self.started = True
        self.close_connection = True
        self.send_response(200)
        self.send_header("Content-Type", XML)
        self.send_header("Content-Length", str(DROP_LENGTH))
        self.end_headers()
        if self.command != "HEAD":
            filler = answers.HEAD.encode() + b"<!-- cut -->\n" * (count // 13 + 1)
            self.wfile.write(filler[:count])
        self.connection.shutdown(socket.SHUT_RDWR)

    def cut(self, body, count):
        """Announces BODY's whole length, sends its first COUNT bytes and
        ends the connection, as a connection reset inside the body does."""
        self.started = True
        self.close_connection = True
        self.send_response(200)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if self.command != "HEAD":
            self.wfile.write(body[:count])
        self.connection.shutdown(socket.SHUT_RDWR)

    def normal_body(self, key):
        """The body of the normal answer of a list or download list path."""
        base, path = self.server.base, key.partition("?")[0]
        if key in answers.LIST_PATHS:
            return answers.list_answer(key, base)[0]
        if path in ("/33.txt", "/2.txt"):
            return answers.download_list(path[1:-4], base)
        raise BadRequest("cut answers only list and download list paths")

    def large(self, mib, style):
        size, count, chunks = answers.large_answer(self.server.base, mib, style)
        self.started = True
        self.send_response(200)
        self.send_header("Content-Type", XML)
        self.send_header("X-Item-Count", str(count))
        self.send_header("Content-Length", str(size))
        self.end_headers()
        if self.command != "HEAD":
            for chunk in chunks:
                self.wfile.write(chunk)

    def fault(self, fault, key):
        base, mode, n = self.server.base, fault["mode"], fault["n"]
        style = answers.list_style(key)
        if mode == "delay":
            time.sleep(fault["ms"] / 1000)
            path, _, query = key.partition("?")
            self.normal(key, path, urllib.parse.parse_qs(query))
        elif mode == "drop":
            self.drop(n)
        elif mode == "cut":
            self.cut(self.normal_body(key), n)
        elif mode == "close":
            self.hang_up()
        elif mode == "status":
            self.status_drill(fault["code"])
        elif mode == "not-utf8":
            self.answer(200, XML, answers.not_utf8_answer(base, style)[0])
        elif mode == "large":
            self.large(n, style)
        elif mode == "items":
            self.answer(200, XML, answers.generated_answer(base, n, style)[0])
        else:
            self.answer(200, XML, b"")

    def control(self, name, params):
        server = self.server
        if name == "ping":
            self.json({"service": SERVICE})
        elif name == "reset":
            with server.lock:
                server.faults.clear()
                server.requests.clear()
            self.json({"reset": True})
        elif name == "requests":
            with server.lock:
                requests = list(server.requests)
            self.json(requests)
        elif name == "fault":
            key, fault = self.fault_from(params)
            with server.lock:
                server.faults[key] = fault
            self.json({"path": key, **fault})
        elif name == "expected":
            rows = self.expected(request_key(params.get("path", [""])[0]))
            if rows is None:
                return self.json({"error": "no list answer for that path"}, 404)
            if params.get("format", [""])[0] == "lines":
                # One row per CR LF line, title and address split by a tab.
                text = "".join(f"{title}\t{address}\r\n" for title, address in rows)
                return self.answer(200, "text/plain; charset=utf-8", text.encode("utf-8"))
            self.json([{"title": title, "address": address} for title, address in rows])
        else:
            self.json({"error": "unknown control"}, 404)

    @staticmethod
    def fault_from(params):
        path = params.get("path", [""])[0]
        mode = params.get("mode", [""])[0]
        if not path.startswith("/") or mode not in FAULT_MODES:
            raise BadRequest(f"path must start with / and mode be one of {', '.join(FAULT_MODES)}")
        # What n counts, its default and range, for the modes that use it.
        n_ranges = {"drop": (1000, 0, DROP_LENGTH - 1), "cut": (100, 0, MAX_BODY),
                    "large": (11, 1, 256),
                    "items": (1000, 0, 200000)}
        return request_key(path), {
            "mode": mode,
            "ms": int_param(params, "ms", 1000, 0, 120000),
            "code": int_param(params, "code", 500, 200, 599),
            "n": int_param(params, "n", *n_ranges[mode]) if mode in n_ranges else None,
        }

    def expected(self, key):
        """Rows the current answer for KEY holds, or None if it has none defined."""
        path, _, query = key.partition("?")
        sample = self.playlist(path, urllib.parse.parse_qs(query))
        if sample:
            return sample[2]
        base, style = self.server.base, answers.list_style(key)
        with self.server.lock:
            fault = self.server.faults.get(key)
        mode = fault["mode"] if fault else None
        if mode == "items":
            return answers.generated_answer(base, fault["n"], style)[1]
        if mode == "not-utf8":
            return answers.not_utf8_answer(base, style)[1]
        if mode == "large":
            return answers.large_rows(base, fault["n"], style)
        if mode not in (None, "delay"):
            return []
        return answers.list_answer(key, base)[1] if key in answers.LIST_PATHS else None


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--host", default="127.0.0.1")
    parser.add_argument("--port", type=int, default=8460)
    parser.add_argument("--log")
    args = parser.parse_args()
    log = open(args.log, "a", encoding="utf-8") if args.log else None
    server = ListServer((args.host, args.port), log)
    server.write_log(f"{SERVICE} answers on http://{server.base}/")
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()


if __name__ == "__main__":
    main()
