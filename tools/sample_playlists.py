"""The sample playlists the list service serves under /playlists/, one of
each kind the program reads (M3U and M3U8).

Every builder takes BASE, the "host:port" clients reach the service at, and
returns the playlist's bytes and the rows the program must show for it:
(title, address), the title with its group in front as "[group] title", the
address made whole against the playlist's own address. Bytes and rows come
from the same entries, so the two cannot drift apart. Every media address
is one of the service's clips (media_clips.py): /media/pl/..., and
/playlists/clips/... for addresses relative to the playlist's folder.
"""

M3U = "audio/x-mpegurl"
M3U8 = "application/vnd.apple.mpegurl"
LARGE_MAX = 500000


def media(base, name):
    return f"http://{base}/media/pl/{name}.mp4"


def extended(entries, line_end="\n"):
    """An #EXTM3U text of (extinf, lines) entries: the #EXTINF line's text
    after the colon (None for none), then the entry's other lines."""
    lines = ["#EXTM3U"]
    for extinf, rest in entries:
        if extinf is not None:
            lines.append(f"#EXTINF:{extinf}")
        lines.extend(rest)
    return line_end.join(lines) + line_end


def basic(base):
    """Attributes, quoted values holding commas, group-title and #EXTGRP."""
    rows = [("[新闻] 新闻综合", media(base, "basic-1")),
            ("[体育] 体育频道, 高清", media(base, "basic-2")),
            ("[电影] 电影精选", media(base, "basic-3")),
            ("纪录片 第一集", media(base, "basic-4"))]
    text = extended([
        ('-1 tvg-id="news1" tvg-name="新闻, 综合" tvg-logo="logo/news1.png" group-title="新闻",'
         "新闻综合", [rows[0][1]]),
        ('-1 tvg-id="sport1" group-title="体育",体育频道, 高清', [rows[1][1]]),
        ("-1,电影精选", ["#EXTGRP:电影", rows[2][1]]),
        ("120,纪录片 第一集", [rows[3][1]]),
    ])
    return text.encode("utf-8"), rows


def gbk(base):
    """GBK text, as Chinese Windows programs write it, lines ending in CR LF."""
    rows = [("[综艺] 快乐周末", media(base, "gbk-1")), ("中文字幕 电影", media(base, "gbk-2"))]
    text = extended([('-1 group-title="综艺",快乐周末', [rows[0][1]]),
                     ("-1,中文字幕 电影", [rows[1][1]])], "\r\n")
    return text.encode("gbk"), rows


def utf16(base):
    """UTF-16 LE with its byte-order mark, as Notepad saves "Unicode"."""
    rows = [("记事本保存的列表", media(base, "utf16-1")), ("Unicode 列表 第二项", media(base, "utf16-2"))]
    text = extended([(f"-1,{title}", [address]) for title, address in rows], "\r\n")
    return b"\xff\xfe" + text.encode("utf-16-le"), rows


def plain(base):
    """Addresses alone, one a line, no #EXTM3U: each named after its file."""
    rows = [(f"plain-{n}.mp4", media(base, f"plain-{n}")) for n in (1, 2, 3)]
    return "".join(address + "\n" for _, address in rows).encode("utf-8"), rows


def relative(base):
    """Addresses relative to /playlists/relative.m3u."""
    entries = [("同一文件夹", "clips/relative-1.mp4", f"http://{base}/playlists/clips/relative-1.mp4"),
               ("上一级文件夹", "../media/pl/relative-2.mp4", media(base, "relative-2")),
               ("从根开始", "/media/pl/relative-3.mp4", media(base, "relative-3")),
               ("省略协议", f"//{base}/media/pl/relative-4.mp4", media(base, "relative-4")),
               ("点和点点", "./x/../../media/pl/relative-5.mp4", media(base, "relative-5"))]
    text = extended([(f"-1,{title}", [written]) for title, written, _ in entries])
    return text.encode("utf-8"), [(title, address) for title, _, address in entries]


def cr(base):
    """Lines ending in CR alone."""
    rows = [("CR 行尾 一", media(base, "cr-1")), ("CR 行尾 二", media(base, "cr-2"))]
    text = extended([(f"-1,{title}", [address]) for title, address in rows], "\r")
    return text.encode("utf-8"), rows


def unicode(base):
    """Titles GBK lacks (Korean, emoji, accented Latin), and an address
    holding such characters, which goes out percent-encoded as UTF-8."""
    rows = [("[한국] 한국 드라마 🎬", media(base, "unicode-1")),
            ("Café crème, été", media(base, "unicode-2")),
            ("🎵 音乐 Música", media(base, "영화 🎬 é"))]
    text = extended([('-1 group-title="한국",한국 드라마 🎬', [rows[0][1]]),
                     ("-1,Café crème, été", [rows[1][1]]),
                     ("-1,🎵 音乐 Música", [rows[2][1]])])
    return text.encode("utf-8"), rows


def options(base):
    """Player options between #EXTINF and the address, and "|" tails."""
    rows = [("带选项的频道", media(base, "options-1")), ("Kodi 属性", media(base, "options-2"))]
    text = extended([
        ("-1,带选项的频道", ["#EXTVLCOPT:http-user-agent=Mozilla/5.0",
                       f"#EXTVLCOPT:http-referrer=http://{base}/",
                       f"{rows[0][1]}|User-Agent=Mozilla/5.0&Referer=http://{base}/"]),
        ("-1,Kodi 属性", ["#KODIPROP:inputstream.adaptive.manifest_type=hls",
                        f"{rows[1][1]}|User-Agent=VLC/3.0"]),
    ])
    return text.encode("utf-8"), rows


def broken(base):
    """Blank, stray and broken lines around two whole entries: an #EXTINF
    without an address, lines holding control characters, a bare "|" tail
    and an #EXTINF left at the end."""
    rows = [("完好的条目 一", media(base, "broken-1")), ("完好的条目 二", media(base, "broken-2"))]
    text = extended([
        (None, [""]),
        ("-1,丢失的条目", []),
        ("-1,完好的条目 一", [" \t", f"   {rows[0][1]}   ", "# 一行注释", "stray\x01control"]),
        ("-1,完好的条目 二", ["\x00", "\x1b[31m", rows[1][1], "|User-Agent=only a tail"]),
        ("-1,没有地址的条目", []),
    ])
    return text.encode("utf-8"), rows


def large(base, count):
    """COUNT entries with attributes and Chinese titles, about 115 bytes each."""
    rows = [(f"[分组{k % 20}] 大量条目 {k:06d}", media(base, f"large-{k}")) for k in range(1, count + 1)]
    text = extended([(f'-1 tvg-id="{k}" group-title="分组{k % 20}",大量条目 {k:06d}', [address])
                     for k, (_, address) in enumerate(rows, 1)])
    return text.encode("utf-8"), rows


SAMPLES = {
    "basic.m3u8": (M3U8, basic),
    "gbk.m3u": (M3U, gbk),
    "utf16.m3u": (M3U, utf16),
    "plain.txt": ("text/plain", plain),
    "relative.m3u": (M3U, relative),
    "cr.m3u": (M3U, cr),
    "unicode.m3u8": (M3U8, unicode),
    "options.m3u": (M3U, options),
    "broken.m3u": (M3U, broken),
}


def sample(name, base, count):
    """(content type, bytes, rows) of the playlist NAME under /playlists/,
    COUNT entries for large.m3u; None for a name without a playlist."""
    if name == "large.m3u":
        return (M3U, *large(base, count))
    if name not in SAMPLES:
        return None
    content_type, build = SAMPLES[name]
    return (content_type, *build(base))
