"""Runs the list service in this process and checks what it answers."""
import http.client
import json
import pathlib
import re
import shutil
import socket
import subprocess
import random
import sys
import tempfile
import threading
import time
import unittest
import urllib.parse
from unittest import mock

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tools"))
import generate_playlists  # noqa: E402
import list_answers  # noqa: E402
import list_service  # noqa: E402
import sample_playlists  # noqa: E402

PATTERNS = {style: re.compile(f'<m type="2" src="(.*?)" label="(.*?)"{list_answers.item_end(style)}',
                              re.IGNORECASE | re.MULTILINE) for style in "AB"}
DOUYU4 = "/zb/douyu.php?p=4"


def setUpModule():
    global server, base, media_cache
    media_cache = tempfile.TemporaryDirectory()
    server = list_service.ListServer(("127.0.0.1", 0), media_cache=pathlib.Path(media_cache.name))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    base = server.base


def tearDownModule():
    server.shutdown()
    server.server_close()
    media_cache.cleanup()


def request(path, method="GET", body=None, headers=None):
    connection = http.client.HTTPConnection(base, timeout=30)
    connection.request(method, path, body, headers or {})
    answer = connection.getresponse()
    data = answer.read()
    connection.close()
    return answer.status, answer.getheaders(), data


def raw(data):
    """Sends DATA as it is and returns everything until the service closes."""
    with socket.create_connection(tuple(base.split(":")), timeout=30) as sock:
        sock.sendall(data)
        received = b""
        while chunk := sock.recv(65536):
            received += chunk
    return received


def control(name, **params):
    return json.loads(request(f"/__control/{name}?{urllib.parse.urlencode(params)}")[2])


def rows_of(body, style):
    return [(title, address) for address, title in PATTERNS[style].findall(body.decode("utf-8"))]


class ListAnswerTest(unittest.TestCase):
    def setUp(self):
        control("reset")

    def test_each_list_gives_its_rows_and_no_decoy_matches(self):
        bodies = set()
        for path in list_answers.LIST_PATHS:
            with self.subTest(path=path):
                status, headers, body = request(path)
                self.assertEqual((200, "text/xml; charset=utf-8"), (status, dict(headers)["Content-Type"]))
                style = list_answers.list_style(path)
                matches = list(PATTERNS[style].finditer(body.decode("utf-8")))
                lines = [line.strip() for line in body.decode("utf-8").split("\n")]
                self.assertTrue(all(m.group(0) in lines for m in matches), "a match spans lines")
                rows = rows_of(body, style)
                self.assertEqual([{"title": t, "address": a} for t, a in rows],
                                 control("expected", path=path))
                self.assertTrue(7 <= len(rows) <= 11)
                self.assertEqual(1, sum(a == "" for _, a in rows))
                self.assertEqual(len(rows) - 1, len(set(rows)))
                self.assertIn('<M TYPE="2" SRC=', body.decode())
                for decoy in ('type="1"', 'label="第一行\n第二行"', "<m  type", "<n type", 'label="[^"]*" src='):
                    self.assertRegex(body.decode(), decoy)
                category = list_answers.LIST_PATHS[path][0]
                self.assertEqual([f"http://{base}/media/{category}/decoy.mp4"],
                                 [a for _, a in rows_of(body, "B" if style == "A" else "A")])
                self.assertNotIn(b"\r", body)
                bodies.add(body)
        self.assertEqual(len(list_answers.LIST_PATHS), len(bodies))

    def test_each_list_fits_the_caption_of_the_menu_entry_that_asks_for_it(self):
        source = (pathlib.Path(__file__).resolve().parents[2] /
                  "src/catalogue/catalogue_entries.cpp").read_text(encoding="utf-8")
        entries = re.findall(r'remoteList\(\d+, \d+, "([^"]+)",\s*((?:"[^"]*"\s*)+),', source)
        self.assertEqual(len(list_answers.LIST_PATHS), len(entries))
        for caption, literals in entries:
            path = "".join(re.findall(r'"([^"]*)"', literals))
            with self.subTest(caption=caption):
                _, rows = list_answers.list_answer(path, base)
                self.assertTrue(all(caption in title for title, _ in rows), rows)

    def test_encoded_commas_ask_for_the_same_list(self):
        path = "/zb/douyu.php?p=48,90,92,97,91"
        self.assertEqual(request(path)[2], request(path.replace(",", "%2C"))[2])


class FixedAnswerTest(unittest.TestCase):
    def test_television_redirects_known_channels_only(self):
        status, headers, _ = request("/zb/cn.php?v=cctvjilu")
        self.assertEqual((302, f"http://{base}/media/tv/cctvjilu.mp4"), (status, dict(headers)["Location"]))
        self.assertEqual(404, request("/zb/cn.php?v=cctv99")[0])

    def test_pages_and_notices_are_utf8(self):
        notice = request("/Nuvri%E5%85%AC%E5%91%8A.txt")
        self.assertEqual(notice, request("/Nuvri%B9%AB%B8%E6.txt")[:1] + notice[1:])
        self.assertIn("公告", notice[2].decode("utf-8"))
        for path in ("/000.txt", "/111.txt", "/vovu.php.html", "/outside/tv/zj.htm", "/forum/"):
            status, headers, body = request(path)
            self.assertEqual(200, status, path)
            self.assertIn("charset=utf-8", dict(headers)["Content-Type"])
            self.assertRegex(body.decode("utf-8"), "[\u4e00-\u9fff]")

    def test_download_lists_are_gbk_lines_ending_in_cr_lf(self):
        # Lines in all, and lines holding /2.txt's separator.
        for name, sep, lines, dashed in (("33", "Nuvri福利下载", 10, 1), ("2", "-Nuvri福利下载-", 9, 7)):
            status, headers, body = request(f"/{name}.txt")
            self.assertEqual((200, "text/plain"), (status, dict(headers)["Content-Type"]))
            self.assertRaises(UnicodeDecodeError, body.decode, "utf-8")
            text = body.decode("gbk")
            self.assertTrue(text.endswith("\r\n"))
            self.assertEqual(text.count("\n"), text.count("\r\n"))
            found = text.split("\r\n")[:-1]
            self.assertEqual(lines, len(found))
            self.assertEqual(1, found.count(""))
            self.assertEqual([0, 1, 2], sorted({line.count(sep) for line in found if line}))
            self.assertEqual(dashed, sum("-Nuvri福利下载-" in line for line in found))

    def test_everything_else_is_an_html_404(self):
        for path in ("/media/tv/nosuch.mp4", "/media/v/x1.mp4", "/media/nosuch/1.mp4",
                     "/download/33-v1.txt", "/outside-files/dy8/1.swf", "/nothing"):
            status, headers, body = request(path)
            self.assertEqual((404, "text/html; charset=utf-8"), (status, dict(headers)["Content-Type"]))
            self.assertIn(b"404", body)

    def test_head_sends_the_length_without_the_body(self):
        length = len(request(DOUYU4)[2])
        status, headers, body = request(DOUYU4, "HEAD")
        self.assertEqual((200, str(length), b""), (status, dict(headers)["Content-Length"], body))

    @unittest.skipUnless(shutil.which("node"), "needs node")
    def test_player_shows_the_raw_address_as_text_to_copy_on_error(self):
        page = request("/player.html")[2].decode("utf-8")
        self.assertTrue(re.match(r'<!DOCTYPE html>\s*<html>\s*<head>\s*<meta http-equiv="X-UA-Compatible" '
                                 r'content="IE=edge">\s*<meta charset="utf-8">', page))
        script = page.split("<script>")[1].split("</script>")[0]
        address = "http://x/a.mp4?b=1&f=2#<b>"
        harness = """
            var nodes = {}, shown = [];
            function element() {
                return {style: {}, firstChild: null, removeChild: function () {},
                        appendChild: function (child) {
                            if (child.text) shown.push(child.text);
                            if (child.value !== undefined) shown.push("field:" + child.value);
                        }};
            }
            nodes.video = element(); nodes.message = element();
            nodes.video.play = nodes.video.canPlayType = function () {};
            nodes.video.addEventListener = function (type, listener) { nodes.video[type] = listener; };
            var window = {location: {href: process.argv[1]}}, document = {
                getElementById: function (id) { return nodes[id]; },
                createElement: element,
                createTextNode: function (text) { return {text: text}; }};
        """ + script + "nodes.video.error(); console.log(JSON.stringify([nodes.video.src, shown]));"
        url = f"http://{base}/player.html?c=0&p=1&f={address}"
        result = subprocess.run(["node", "-e", harness, url], capture_output=True, text=True, check=True)
        src, shown = json.loads(result.stdout)
        self.assertEqual(address, src)
        self.assertEqual(["无法在这里播放这个视频。它的地址：", "field:" + address,
                          "可以复制这个地址，用别的播放器（例如 VLC）播放。",
                          "This video cannot be played here. Copy its address above to play it in "
                          "another player, such as VLC."], shown)
        self.assertNotIn("innerHTML", script)


class DrillTest(unittest.TestCase):
    def test_echo_keeps_header_order_and_case(self):
        answer = raw(b"GET /drill/echo HTTP/1.1\r\nhost: h\r\nX-Second: 2\r\nCONNECTION: close\r\n\r\n")
        self.assertTrue(answer.endswith(b"\r\n\r\nGET /drill/echo HTTP/1.1\nhost: h\nX-Second: 2\n"
                                        b"CONNECTION: close\n"))

    def test_status_cookies_and_redirects(self):
        self.assertEqual((404, b"<html><body>404 drill</body></html>"),
                         request("/drill/status?code=404")[::2])
        self.assertEqual(500, request("/drill/status")[0])
        self.assertEqual(400, request("/drill/status?code=101")[0])
        answer = raw(b"GET /drill/cookies?variant=1 HTTP/1.1\r\nConnection: close\r\n\r\n")
        self.assertIn(b"\r\nset-cookie: a=1; path=/\r\nSET-COOKIE: b=2\r\n", answer)
        self.assertTrue(answer.endswith(b"cookies 1"))
        cookies = [v for n, v in request("/drill/cookies?variant=2")[1] if n == "Set-Cookie"]
        self.assertEqual(["sid=new; path=/", "tmp=deleted; expires=Thu, 01-Jan-1970 00:00:01 GMT"], cookies)
        status, headers, _ = request("/drill/redirect?to=/forum/&code=307")
        self.assertEqual((307, f"http://{base}/forum/"), (status, dict(headers)["Location"]))
        self.assertEqual(f"http://{base}/drill/echo", dict(request("/drill/redirect")[1])["Location"])
        for bad in ("to=http://elsewhere/", "to=/a%0D%0AX:%201", "code=300"):
            self.assertEqual(400, request(f"/drill/redirect?{bad}")[0], bad)

    def test_delay_and_drop(self):
        start = time.monotonic()
        self.assertEqual(b"late", request("/drill/delay?ms=300")[2])
        self.assertGreaterEqual(time.monotonic() - start, 0.3)
        answer = raw(b"GET /drill/drop?bytes=250 HTTP/1.1\r\n\r\n")
        head, body = answer.split(b"\r\n\r\n", 1)
        self.assertIn(b"Content-Length: 100000", head)
        self.assertEqual(250, len(body))
        self.assertEqual([], rows_of(body, "A"))

    def test_charset_pages_and_a_silent_hang_up(self):
        for charset in ("utf-8", "gb2312", "GBK", "big5"):
            body = request(f"/drill/charset?name={charset}")[2]
            self.assertIn(f"charset={charset}".encode(), body)
            self.assertIn(list_answers.CHARSET_PAGE_TEXT.encode(charset), body)
        self.assertEqual(400, request("/drill/charset?name=no-such-set")[0])
        self.assertEqual(b"", raw(b"GET /drill/close HTTP/1.1\r\n\r\n"))

    def test_not_utf8_keeps_two_items_before_the_zero_byte(self):
        body = request("/drill/not-utf8")[2]
        self.assertRaises(UnicodeDecodeError, body.decode, "utf-8")
        self.assertIn("中文".encode("gbk"), body)
        before, after = body.split(b"\x00", 1)
        self.assertLess(before.index(b"Before the bad"), before.index(b"\xe4\xb8\n"))
        self.assertLess(before.index(b"\x80\xbf"), before.index(b"After the bad"))
        survivors = rows_of(before.decode("utf-8", "replace").encode(), "A")
        self.assertEqual(["Before the bad bytes", "After the bad bytes"], [t for t, _ in survivors])
        self.assertEqual(1, len(rows_of(after, "A")))

    def test_large_and_generated_lists(self):
        status, headers, body = request("/drill/large?mb=1")
        self.assertEqual((200, 1024 * 1024), (status, len(body)))
        rows = rows_of(body, "A")
        self.assertEqual(int(dict(headers)["X-Item-Count"]), len(rows))
        self.assertEqual(("大量条目 0000001", f"http://{base}/media/large/0000001.mp4"), rows[0])
        self.assertEqual(rows_of(request("/drill/items?n=3&style=B")[2], "B"),
                         [(f"条目 {k}", f"http://{base}/media/gen/{k}.mp4") for k in (1, 2, 3)])


class ControlTest(unittest.TestCase):
    def setUp(self):
        control("reset")

    def fault(self, **params):
        self.assertEqual(200, request("/__control/fault?" + urllib.parse.urlencode(
            {"path": DOUYU4, **params}))[0])

    def test_each_fault_replaces_the_answer_until_reset(self):
        normal = request(DOUYU4)
        self.fault(mode="items", n=1000)
        self.assertEqual(1000, len(rows_of(request(DOUYU4)[2], "A")))
        self.assertEqual(1000, len(control("expected", path=DOUYU4)))
        lines = request("/__control/expected?format=lines&path=" + urllib.parse.quote(DOUYU4))[2]
        self.assertEqual([f"{row['title']}\t{row['address']}" for row in control("expected", path=DOUYU4)],
                         lines.decode("utf-8").split("\r\n")[:-1])
        self.fault(mode="status", code=503)
        self.assertEqual(503, request(DOUYU4)[0])
        self.fault(mode="empty")
        self.assertEqual((200, b""), request(DOUYU4)[::2])
        self.fault(mode="not-utf8")
        self.assertEqual(request("/drill/not-utf8")[2], request(DOUYU4)[2])
        self.assertEqual(2, len(control("expected", path=DOUYU4)))
        self.fault(mode="large", n=1)
        self.assertEqual(1024 * 1024, len(request(DOUYU4)[2]))
        self.fault(mode="close")
        self.assertEqual(b"", raw(f"GET {DOUYU4} HTTP/1.1\r\n\r\n".encode()))
        self.fault(mode="drop", n=10)
        self.assertEqual(10, len(raw(f"GET {DOUYU4} HTTP/1.1\r\n\r\n".encode()).split(b"\r\n\r\n", 1)[1]))
        self.fault(mode="cut", n=25)
        cut = raw(f"GET {DOUYU4} HTTP/1.1\r\n\r\n".encode()).split(b"\r\n\r\n", 1)
        self.assertEqual(normal[2][:25], cut[1])
        self.assertIn(f"\r\nContent-Length: {len(normal[2])}\r\n".encode(), cut[0] + b"\r\n")
        self.fault(mode="delay", ms=300)
        start = time.monotonic()
        self.assertEqual(normal[2], request(DOUYU4)[2])
        self.assertGreaterEqual(time.monotonic() - start, 0.3)
        control("reset")
        self.assertEqual(normal[2], request(DOUYU4)[2])

    def test_fault_path_matches_however_commas_are_written(self):
        path = "/zb/douyu.php?p=48,90,92,97,91"
        self.assertEqual(200, request("/__control/fault?" + urllib.parse.urlencode(
            {"path": path.replace(",", "%2C"), "mode": "empty"}))[0])
        self.assertEqual(b"", request(path)[2])
        self.assertEqual(400, request("/__control/fault?path=/x&mode=explode")[0])

    def test_requests_are_recorded_in_order_with_headers_as_sent(self):
        raw(b"POST /zb/douyu.php?p=4 HTTP/1.1\r\nHost: h\r\nx-Mixed: A b\r\nContent-Length: 3\r\n\r\n\xe9bc"
            b"GET /Nuvri%E5%85%AC%E5%91%8A.txt HTTP/1.1\r\nHost: h\r\nConnection: close\r\n\r\n")
        self.assertEqual([
            {"method": "POST", "path": "/zb/douyu.php?p=4", "body": "\xe9bc",
             "headers": [["Host", "h"], ["x-Mixed", "A b"], ["Content-Length", "3"]]},
            {"method": "GET", "path": "/Nuvri%E5%85%AC%E5%91%8A.txt", "body": "",
             "headers": [["Host", "h"], ["Connection", "close"]]},
        ], control("requests"))

    def test_a_failing_handler_answers_500_and_the_service_goes_on(self):
        with mock.patch.object(list_answers, "list_answer", side_effect=RuntimeError):
            self.assertEqual(500, request(DOUYU4)[0])
        self.assertEqual(200, request(DOUYU4)[0])



def not_gbk(text):
    try:
        text.encode("gbk")
    except UnicodeEncodeError:
        return True
    return False


class PlaylistTest(unittest.TestCase):
    # What makes each sample the kind it stands for, read from its bytes.
    KINDS = {
        "basic.m3u8": lambda b: all(part in b.decode("utf-8") for part in (
            'tvg-name="新闻, 综合"', 'group-title="体育"', "#EXTGRP:电影")),
        "gbk.m3u": lambda b: (not_utf8(b) and "中文" in b.decode("gbk")
                              and b.count(b"\n") == b.count(b"\r\n") > 0),
        "utf16.m3u": lambda b: b.startswith(b"\xff\xfe") and "记事本" in b[2:].decode("utf-16-le"),
        "plain.txt": lambda b: b"#" not in b and b.count(b"\nhttp://") == 2,
        "relative.m3u": lambda b: b.count(b"\nhttp") == 0 and b"\n../" in b and b"\n//" in b,
        "cr.m3u": lambda b: b"\n" not in b and b.count(b"\r") == 5,
        "unicode.m3u8": lambda b: not_gbk(b.decode("utf-8")) and re.search("/media/pl/[^\n]*[^\0-\x7f]",
                                                                            b.decode("utf-8")),
        "options.m3u": lambda b: all(part in b for part in (b"#EXTVLCOPT:", b"#KODIPROP:",
                                                            b".mp4|User-Agent=")),
        "broken.m3u": lambda b: all(part in b for part in (b"\n\n", b"\x00", b"\x01", b"\n|")),
    }

    def test_each_sample_is_its_kind_and_tells_its_rows(self):
        self.assertEqual(set(self.KINDS), set(sample_playlists.SAMPLES))
        for name, is_kind in self.KINDS.items():
            with self.subTest(name=name):
                status, headers, body = request(f"/playlists/{name}")
                self.assertEqual((200, sample_playlists.SAMPLES[name][0]),
                                 (status, dict(headers)["Content-Type"]))
                self.assertTrue(is_kind(body))
                rows = control("expected", path=f"/playlists/{name}")
                self.assertGreaterEqual(len(rows), 2)
                for row in rows:
                    title = re.sub(r"^\[[^]]+\] ", "", row["title"])
                    self.assertIn(title.split(".mp4")[0], playlist_text(body))

    def test_large_playlist_has_the_entries_asked_for(self):
        body = request("/playlists/large.m3u?n=3")[2].decode("utf-8")
        self.assertEqual(3, body.count("#EXTINF:"))
        self.assertEqual([f"[分组{k % 20}] 大量条目 {k:06d}" for k in (1, 2, 3)],
                         [row["title"] for row in control("expected", path="/playlists/large.m3u?n=3")])
        body = request("/playlists/large.m3u")[2]
        self.assertEqual(100000, body.count(b"#EXTINF:"))
        self.assertLess(len(body), 16 * 1024 * 1024)
        self.assertEqual(400, request(f"/playlists/large.m3u?n={sample_playlists.LARGE_MAX + 1}")[0])
        self.assertEqual(404, request("/playlists/nosuch.m3u")[0])


def not_utf8(data):
    try:
        data.decode("utf-8")
    except UnicodeDecodeError:
        return True
    return False


def playlist_text(body):
    if body.startswith(b"\xff\xfe"):
        return body[2:].decode("utf-16-le")
    return body.decode("gbk") if not_utf8(body) else body.decode("utf-8")


def media_addresses():
    """Every media address the service's lists, channels, download lists and
    sample playlists hand out, and four of each embedded playlist's (its
    media host is the service's /media)."""
    addresses = set()
    for path in list_answers.LIST_PATHS:
        body = request(path)[2].decode("utf-8")
        addresses.update(re.findall(r'(?i)src="([^"]+)"', body))
    for channel in list_answers.TV_CHANNELS:
        status, headers, _ = request(f"/zb/cn.php?v={channel}")
        addresses.add(dict(headers)["Location"])
    for name in ("33", "2"):
        text = request(f"/{name}.txt")[2].decode("gbk")
        addresses.update(re.findall(r"http://\S+?\.mp4", text))
    for name in sample_playlists.SAMPLES:
        addresses.update(row["address"] for row in control("expected", path=f"/playlists/{name}"))
    addresses.update(row["address"] for row in control("expected", path="/playlists/large.m3u?n=2"))
    pick = random.Random(7)
    for _, data in generate_playlists.playlists(f"{base}/media"):
        found = re.findall(r"http://[^|]+?\.mp4", data.decode("gbk"))
        addresses.update(pick.sample(found, 4))
    return sorted(addresses)


class MediaTest(unittest.TestCase):
    def test_a_clip_comes_whole_or_by_the_byte_range_asked_for(self):
        status, headers, whole = request("/media/lol/1.mp4")
        self.assertEqual(200, status)
        self.assertEqual(("video/mp4", "bytes"),
                         (dict(headers)["Content-Type"], dict(headers)["Accept-Ranges"]))
        size = len(whole)
        for asked, first, last in (("bytes=0-99", 0, 99), ("bytes=100-", 100, size - 1),
                                   ("bytes=-10", size - 10, size - 1),
                                   (f"bytes=5-{size + 50}", 5, size - 1)):
            with self.subTest(asked=asked):
                status, headers, part = request("/media/lol/1.mp4", headers={"Range": asked})
                self.assertEqual(206, status)
                self.assertEqual(f"bytes {first}-{last}/{size}", dict(headers)["Content-Range"])
                self.assertEqual(whole[first:last + 1], part)
        status, headers, _ = request("/media/lol/1.mp4", headers={"Range": f"bytes={size}-"})
        self.assertEqual((416, f"bytes */{size}"), (status, dict(headers)["Content-Range"]))
        self.assertEqual(whole, request("/media/lol/7.mp4")[2], "a category shares one clip")
        self.assertNotEqual(whole, request("/media/cf/1.mp4")[2])
        self.assertEqual(404, request("/media/tv/nosuch.mp4")[0])

    def test_every_media_address_handed_out_plays_h264_for_a_second_at_least(self):
        addresses = media_addresses()
        self.assertGreaterEqual(sum("/media/v/" in a for a in addresses), 50)
        for address in addresses:
            if address.startswith("rtmp:"):
                continue
            with self.subTest(address=address):
                status, _, data = request(urllib.parse.quote(urllib.parse.urlsplit(address).path))
                self.assertEqual(200, status)
                with tempfile.NamedTemporaryFile(suffix=".mp4") as clip:
                    clip.write(data)
                    clip.flush()
                    probe = subprocess.run(
                        ["ffprobe", "-v", "error", "-select_streams", "v:0", "-show_entries",
                         "stream=codec_name:format=duration", "-of", "json", clip.name],
                        capture_output=True, text=True, check=True)
                found = json.loads(probe.stdout)
                self.assertEqual("h264", found["streams"][0]["codec_name"])
                self.assertGreaterEqual(float(found["format"]["duration"]), 1.0)

if __name__ == "__main__":
    unittest.main()
