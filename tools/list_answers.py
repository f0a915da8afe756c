"""Bodies the list service answers with.

Every builder takes BASE, the "host:port" clients reach the service at, and
is deterministic: the same path and BASE always give the same bytes. List
builders also return the rows the program must show for their body, taken
from the items as they were written, so the two cannot drift apart.
"""

# Category name in addresses and the Chinese name in titles, per list path:
# the game or show of the menu entry that asks for it.
LONG_DOUYU = ("32,16,96,6,19,45,92,15,42,58,46,97,86,90,3,29,52,33,89,47,23,10,54,49,18,"
              "41,38,11,59,61,35,63,65,50,48,31,60,64,93,94,95,85,66,44,25,26,36,22,21,8,"
              "17,37,39,56,57,55,51,40,43,62")
LIST_PATHS = {
    "/zb/douyu.php?p=4": ("lol", "英雄联盟"),
    "/zb/douyu.php?p=7": ("cf", "穿越火线"),
    "/zb/douyu.php?p=9": ("speed", "QQ飞车"),
    "/zb/douyu.php?p=14": ("nz", "逆战"),
    "/zb/douyu.php?p=5": ("dnf", "地下城勇士"),
    "/zb/douyu.php?p=53": ("qqgame", "QQ游戏"),
    "/zb/douyu.php?p=23,38,39,40,41,59,61,62,93,88": ("mobile", "手游"),
    "/zb/douyu.php?p=48,90,92,97,91": ("single", "单机游戏"),
    "/zb/douyu.php?p=0": ("random", "随机精选"),
    "/zb/douyu.php?p=" + LONG_DOUYU: ("other", "其他游戏"),
    "/dy/mg.php?p=1": ("today", "今日热播"),
    "/xiu/163.php": ("163", "热门美女"),
    "/xiu/kk.php": ("kk", "美女直播"),
}
NUMERALS = "一二三四五六七八"
ACTIVITIES = ["团战", "排位", "单排", "教学", "巅峰赛", "娱乐局", "夜场", "开黑", "复盘", "挑战"]
HEAD = '<?xml version="1.0" encoding="utf-8"?>\n<list>\n'
FOOT = "</list>\n"


def item_end(style):
    """What closes a real item: one blank before "/>" in style A, two in B."""
    return " />" if style == "A" else "  />"


def list_style(path):
    return "B" if path.startswith("/xiu/") else "A"


def item(address, title, style):
    return f' <m type="2" src="{address}" label="{title}"{item_end(style)}\n'


def list_answer(path, base):
    """The document for a list path and its rows [(title, address)].

    Besides 4 to 8 plain items it holds an item in capitals, one without an
    address and a duplicate, which all are rows, and decoys that are not:
    each decoy breaks the item pattern on its own line, so no match can run
    from a decoy into the item after it.
    """
    category, name = LIST_PATHS[path]
    index = list(LIST_PATHS).index(path)
    style = list_style(path)
    end = item_end(style)
    other_end = item_end("B" if style == "A" else "A")
    media = f"http://{base}/media/{category}"
    plain = [(f"{name}主播{NUMERALS[n]}号 · {ACTIVITIES[(index + n) % len(ACTIVITIES)]}",
              f"{media}/{n + 1}.mp4") for n in range(4 + index % 5)]
    caps = (f"{name} · 大写条目", f"{media}/caps.mp4")
    empty = (f"{name} · 无地址条目", "")
    decoy = f"{media}/decoy.mp4"
    entries = [
        plain[0],
        f' <m type="1" src="{decoy}" label="{name} · 类型一"{end}\n',
        plain[1],
        ("caps", caps),
        f' <m type="2" src="{decoy}" label="{name} · 间距不同"{other_end}\n',
        plain[2],
        f' <m type="2" label="{name} · 顺序颠倒" src="{decoy}"{end}\n',
        empty,
        f' <m type="2" src="{decoy}" label="第一行\n第二行"{end}\n',
        plain[3],
        f' <m  type="2" src="{decoy}" label="{name} · 双空格"{end}\n',
        plain[0],
        f' <n type="2" src="{decoy}" label="{name} · 其他元素"{end}\n',
    ] + plain[4:]
    text, rows = HEAD, []
    for entry in entries:
        if isinstance(entry, str):
            text += entry
        elif entry[0] == "caps":
            title, address = entry[1]
            text += f' <M TYPE="2" SRC="{address}" LABEL="{title}"{end}\n'
            rows.append(entry[1])
        else:
            text += item(entry[1], entry[0], style)
            rows.append(entry)
    return (text + FOOT).encode("utf-8"), rows


def generated_answer(base, count, style):
    """COUNT items titled "条目 k" for k from 1, and their rows."""
    rows = [(f"条目 {k}", f"http://{base}/media/gen/{k}.mp4") for k in range(1, count + 1)]
    body = HEAD + "".join(item(address, title, style) for title, address in rows) + FOOT
    return body.encode("utf-8"), rows


def large_item(base, k, style):
    # Fixed width, so the item count of a body of exact size is known upfront.
    return item(f"http://{base}/media/large/{k:07d}.mp4", f"大量条目 {k:07d}", style)


def large_answer(base, mib, style):
    """Length, item count and chunks of a body of exactly MIB MiB of items.

    Spaces before the closing tag fill the bytes left after the last item.
    """
    size = mib * 1024 * 1024
    head, foot = HEAD.encode(), FOOT.encode()
    width = len(large_item(base, 1, style).encode("utf-8"))
    count, rest = divmod(size - len(head) - len(foot), width)

    def chunks():
        yield head
        for first in range(1, count + 1, 1000):
            last = min(first + 1000, count + 1)
            yield "".join(large_item(base, k, style) for k in range(first, last)).encode("utf-8")
        yield b" " * rest + foot

    return size, count, chunks()


def large_rows(base, mib, style):
    count = large_answer(base, mib, style)[1]
    return [(f"大量条目 {k:07d}", f"http://{base}/media/large/{k:07d}.mp4")
            for k in range(1, count + 1)]


def not_utf8_answer(base, style):
    """A list body that is not UTF-8, and the rows that must survive it.

    Stray continuation bytes, a 3-byte sequence cut after two bytes and GBK
    text stand on lines of their own. The first two items, one before and one
    after those bytes, must become rows; the item after the zero byte must
    not, since the program reads the body only up to the first zero byte.
    """
    rows = [("Before the bad bytes", f"http://{base}/media/bad/1.mp4"),
            ("After the bad bytes", f"http://{base}/media/bad/2.mp4")]
    body = (HEAD.encode() + item(rows[0][1], rows[0][0], style).encode()
            + b" \x80\xbf\x80 stray\n \xe4\xb8\n " + "中文节目".encode("gbk") + b"\n"
            + item(rows[1][1], rows[1][0], style).encode()
            + b"\x00\n" + item(f"http://{base}/media/bad/3.mp4", "After the zero byte",
                               style).encode() + FOOT.encode())
    return body, rows


def download_list(name, base):
    """/33.txt or /2.txt: GBK lines "title SEPARATOR address" ending in CR LF.

    Among the plain lines: an empty one, one with the separator twice, one
    with no separator, and in /33.txt one using /2.txt's separator.
    """
    sep, other = ("Nuvri福利下载", "-Nuvri福利下载-") if name == "33" else ("-Nuvri福利下载-", None)
    titles = (["经典武侠合集", "喜剧电影精选", "动作大片", "爱情故事", "悬疑剧场", "科幻系列"]
              if name == "33" else
              ["高清纪录片", "动画长片", "战争史诗", "家庭喜剧", "青春校园", "江湖往事"])
    url = f"http://{base}/download/{name}-"
    lines = [f"{t}{sep}{url}v{n + 1}.mp4" for n, t in enumerate(titles)]
    lines.insert(3, "")
    lines.append(f"双分隔符条目{sep}{url}v7.mp4{sep}附加说明")
    if other:
        lines.append(f"另一分隔符条目{other}{url}v8.mp4")
    lines.append(f"没有分隔符的一行 {url}v9.mp4")
    return "".join(line + "\r\n" for line in lines).encode("gbk")


def charset_page(charset):
    """A page declaring CHARSET in its meta tag, its Chinese text encoded so.

    The header says nothing of the charset: only the meta tag tells.
    """
    text = CHARSET_PAGE_TEXT.encode(charset)
    return (b'<html><head><meta http-equiv="Content-Type" content="text/html; charset='
            + charset.encode("ascii") + b'"></head><body>' + text + b"</body></html>")


CHARSET_PAGE_TEXT = "中文大家好"


NOTICES = {
    "/Nuvri公告.txt": "Nuvri 公告\r\n欢迎使用 Nuvri 视频目录。\r\n列表每天更新，如有失效请稍后再试。\r\n",
    "/000.txt": "今日推荐：热门直播与经典影视。\r\n",
    "/111.txt": "温馨提示：观看时请注意休息。\r\n",
}


def page(title, body):
    return ('<!DOCTYPE html>\n<html>\n<head>\n<meta charset="utf-8">\n'
            f"<title>{title}</title>\n</head>\n<body>\n{body}\n</body>\n</html>\n").encode("utf-8")


PAGES = {
    "/vovu.php.html": page("Nuvri 资讯", "<h1>Nuvri 资讯</h1>\n<p>列表已更新，祝您观看愉快。</p>\n"
                                        "<p>本页面由本地列表服务提供。</p>"),
    "/outside/tv/zj.htm": page("浙江卫视", "<h1>浙江卫视</h1>\n<p>节目信号暂不可用。</p>"),
    "/forum/": page("Nuvri 论坛", "<h1>Nuvri 论坛</h1>\n<p>论坛正在维护，请稍后再来。</p>"),
}

TV_CHANNELS = {"dongfang", "btv1", "cctv1", "cctv2", "cctv3", "cctv4", "cctveurope",
               "cctvamerica", "cctv5", "cctv6", "cctv7", "cctv8", "cctvjilu", "cctvdoc",
               "cctv10", "cctv11", "cctv12"}

# The address is everything after the first "f=" parameter, taken raw: it may
# hold "?", "=" and "&" of its own. It is only ever inserted as text (a text
# node, an input's value). The page plays in the system browser control in its
# newest document mode and in current browsers; a television channel loops.
# What it cannot play (an RTMP stream, a missing file, a type the browser
# lacks) it names, with the address ready to copy, Chinese first.
PLAYER_PAGE = """<!DOCTYPE html>
<html>
<head>
<meta http-equiv="X-UA-Compatible" content="IE=edge">
<meta charset="utf-8">
<title>Nuvri 播放器</title>
<style>
html, body { margin: 0; height: 100%; background: #000; color: #eee; font: 15px sans-serif; }
video { width: 100%; height: 100%; }
#message { display: none; padding: 24px; }
#address { width: 90%; font: inherit; }
</style>
</head>
<body>
<video id="video" controls autoplay></video>
<div id="message"></div>
<script>
(function () {
    var video = document.getElementById('video');

    function address() {
        var href = String(window.location.href);
        var query = href.indexOf('?');
        if (query < 0) {
            return '';
        }
        var rest = href.substring(query + 1);
        if (rest.indexOf('f=') === 0) {
            return rest.substring(2);
        }
        var at = rest.indexOf('&f=');
        return at < 0 ? '' : rest.substring(at + 3);
    }

    // Shows the lines; an address among them as a field ready to copy.
    function show(lines, src) {
        var box = document.getElementById('message');
        while (box.firstChild) {
            box.removeChild(box.firstChild);
        }
        for (var i = 0; i < lines.length; i++) {
            var line = document.createElement('p');
            line.appendChild(document.createTextNode(lines[i]));
            box.appendChild(line);
            if (i === 0 && src) {
                var field = document.createElement('input');
                field.id = 'address';
                field.readOnly = true;
                field.value = src;
                field.onfocus = function () { this.select(); };
                box.appendChild(field);
            }
        }
        video.style.display = 'none';
        box.style.display = 'block';
    }

    function fail(src) {
        show(['无法在这里播放这个视频。它的地址：',
              '可以复制这个地址，用别的播放器（例如 VLC）播放。',
              'This video cannot be played here. Copy its address above to play it in ' +
              'another player, such as VLC.'], src);
    }

    var src = address();
    if (!src) {
        show(['没有视频地址。', 'No video address was given.']);
    } else if (!video.play || !video.canPlayType) {
        fail(src);
    } else {
        if (video.addEventListener) {
            video.addEventListener('error', function () { fail(src); }, false);
        } else {
            video.onerror = function () { fail(src); };
        }
        // A television channel plays on like a broadcast.
        video.loop = src.indexOf('/zb/cn.php?') >= 0;
        video.src = src;
    }
})();
</script>
</body>
</html>
""".encode("utf-8")
