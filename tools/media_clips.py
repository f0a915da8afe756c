"""Short playable clips for the media addresses the list service hands out.

Every media address stands for a clip: the game or show of a list answer,
a television channel, a title number of the embedded playlists, an entry of
a download list or of a sample playlist. A clip is a few seconds of H.264
video with AAC sound at 640 x 360, its name drawn into the picture so a
viewer can tell clips apart, made by ffmpeg (Debian's package) the first
time it is asked for and kept in a cache folder under build/, never
committed. Many addresses share one clip.
"""
import hashlib
import os
import re
import subprocess
import tempfile
import threading
from pathlib import Path

import list_answers

FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
SECONDS = 3
CATEGORY_NAMES = {category: name for category, name in list_answers.LIST_PATHS.values()}
CATEGORY_NAMES["gen"] = "生成列表"
CATEGORY_NAMES["pl"] = "播放列表"

_locks = {}
_locks_lock = threading.Lock()


def clip_name(path):
    """The name drawn into the clip of a media path, or None for other paths."""
    match = re.fullmatch(r"/media/([^/]+)/([^/]+)\.mp4", path)
    if match:
        folder, item = match.groups()
        if folder == "tv":
            return f"电视直播 {item}" if item in list_answers.TV_CHANNELS else None
        if folder == "v":
            return f"Nuvri 影片 {item}" if item.isdigit() else None
        return CATEGORY_NAMES.get(folder)
    if re.fullmatch(r"/playlists/clips/[^/]+\.mp4", path):
        return CATEGORY_NAMES["pl"]
    match = re.fullmatch(r"/download/([^/]+)\.mp4", path)
    return f"下载 {match.group(1)}" if match else None


def _lock_for(key):
    with _locks_lock:
        return _locks.setdefault(key, threading.Lock())


def clip_file(cache, name):
    """The clip drawn with NAME, made in the folder CACHE when it is not there yet."""
    key = hashlib.sha1(name.encode("utf-8")).hexdigest()[:16]
    target = Path(cache) / f"{key}.mp4"
    with _lock_for(key):
        if not target.exists():
            target.parent.mkdir(parents=True, exist_ok=True)
            _make_clip(target, name, key)
    return target


def _make_clip(target, name, key):
    # A background colour of the clip's own, the name in the middle and a
    # running clock, so that playback shows moving pictures.
    colour = "0x" + key[:6]
    with tempfile.TemporaryDirectory(dir=target.parent) as work:
        text = Path(work) / "name.txt"
        text.write_text(name, encoding="utf-8")
        partial = Path(work) / "clip.mp4"
        drawn = (f"drawtext=fontfile={FONT}:textfile={text}:fontcolor=white:fontsize=40:"
                 "box=1:boxcolor=black@0.5:boxborderw=12:x=(w-text_w)/2:y=(h-text_h)/2,"
                 f"drawtext=fontfile={FONT}:text='%{{pts\\:hms}}':fontcolor=white:fontsize=24:"
                 "x=(w-text_w)/2:y=h-50")
        subprocess.run(
            ["ffmpeg", "-v", "error", "-nostdin", "-y",
             "-f", "lavfi", "-i", f"color=c={colour}:s=640x360:r=25:d={SECONDS}",
             "-f", "lavfi", "-i", f"sine=frequency=440:sample_rate=44100:duration={SECONDS}",
             "-vf", drawn, "-c:v", "libx264", "-preset", "veryfast", "-pix_fmt", "yuv420p",
             "-profile:v", "baseline", "-c:a", "aac", "-b:a", "64k", "-movflags", "+faststart",
             "-shortest", str(partial)],
            check=True, timeout=120)
        os.replace(partial, target)


def byte_range(header, size):
    """(first, last) of a single "bytes=" range of a SIZE-byte file; None for
    no header or one this service does not serve (several ranges), "bad" for
    one that cannot be satisfied."""
    if not header:
        return None
    match = re.fullmatch(r"\s*bytes\s*=\s*(\d*)\s*-\s*(\d*)\s*", header)
    if not match or not any(match.groups()):
        return None
    first, last = match.groups()
    if first == "":
        length = int(last)
        if length == 0:
            return "bad"
        return max(size - length, 0), size - 1
    first = int(first)
    last = min(int(last), size - 1) if last else size - 1
    if first >= size or first > last:
        return "bad"
    return first, last
