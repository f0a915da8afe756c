"""The end-to-end steps of a title in hand: the main list's context menu by
the mouse and by the keyboard, the system's player, Enter, the find, the
user's own lists and playlists."""

import subprocess
import time

from e2e_session import SERVICE, check
from e2e_steps import PLAYING_TITLE, address, catalogue, clipboard_text

ROW_ENTRIES = ["播放", "用系统播放器打开", "复制视频地址", "加入收藏", "查找…", "我的收藏",
               "最近播放"]
BELOW_ROWS = ["我的收藏", "最近播放"]


def open_menu(s, pointer=None, keys=()):
    """Opens the main list's menu with a right click at `pointer` or with
    `keys`; returns its place on the screen."""
    if pointer:
        s.click(*pointer, button=3)
    s.key(*keys)
    snap = s.wait("the title menu", lambda snap: snap.toplevels_of("#32768"), rows=0)
    return snap.toplevels_of("#32768")[0].rect


def choose(s, entry, entries=ROW_ENTRIES):
    """Chooses an entry of the open menu with the arrow keys (which pass over
    its separator) and Enter."""
    s.key(*["Down"] * (entries.index(entry) + 1), "Return")
    s.wait("the menu closed", lambda snap: not snap.toplevels_of("#32768"), rows=0)


def row_point(s, row):
    rect = s.probe(rows=0).row_rects[catalogue(s)][row]
    return rect.left + 60, rect.centre[1]


class BrowserRecorder:
    """Points Wine's hand-off of web addresses at a script that records them,
    for as long as the step runs; the prefix is the one tools/run.sh uses."""

    def __init__(self, s):
        self.s = s
        self.log = s.shots / "opened.log"

    def reg(self, *args):
        subprocess.run([str(self.s.root / "tools/wine-exec.sh"), self.s.arch, str(self.s.prefix),
                        "reg", *args], env=self.s.wine_env(), capture_output=True, timeout=120,
                       check=True)

    def __enter__(self):
        self.log.unlink(missing_ok=True)
        self.reg("add", r"HKCU\Software\Wine\WineBrowser", "/v", "Browsers", "/d",
                 str(self.s.root / "tests/wine/record_opened.sh"), "/f")
        return self

    def __exit__(self, *_):
        self.reg("delete", r"HKCU\Software\Wine\WineBrowser", "/v", "Browsers", "/f")

    def opened(self, timeout=20):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline and not self.log.exists():
            time.sleep(0.3)
        time.sleep(1)
        return self.log.read_text().splitlines() if self.log.exists() else []


def system_player(s):
    """A right click on a row selects it and opens the menu at the pointer;
    "用系统播放器打开" hands the row's address to the desktop's handler."""
    snap = s.probe(rows=SAMPLE)
    row = min(snap.row_rects[catalogue(s)]) + 4
    media = snap.cell(catalogue(s), row, 1)
    pointer = row_point(s, row)
    with BrowserRecorder(s) as recorder:
        menu = open_menu(s, pointer)
        check(abs(menu.left - pointer[0]) <= 2 and abs(menu.top - pointer[1]) <= 2,
              f"menu at {menu}, pointer at {pointer}")
        s.screenshot(f"{s.step}-menu")
        check(s.probe(rows=0).selected[catalogue(s)] == row, "the right click did not select")
        choose(s, "用系统播放器打开")
        opened = recorder.opened()
    check(opened == [media], f"the system was given {opened}, not {media}")
    return f"row {row}: {media} handed on"


def title_keys(s):
    """Shift+F10 and the menu key open the menu for the selected row; its
    copy entry puts the address on the clipboard; Enter plays the row."""
    snap = s.probe(rows=SAMPLE)
    row = min(snap.row_rects[catalogue(s)]) + 6
    title, media = snap.cell(catalogue(s), row, 0), snap.cell(catalogue(s), row, 1)
    s.click(*row_point(s, row))
    under = snap.row_rects[catalogue(s)][row]
    menu = open_menu(s, keys=["shift+F10"])
    check(abs(menu.top - under.bottom) <= 3, f"Shift+F10's menu at {menu}, row at {under}")
    s.key("Escape")
    s.wait("the menu closed", lambda snap: not snap.toplevels_of("#32768"), rows=0)
    open_menu(s, keys=["Menu"])
    choose(s, "复制视频地址")
    text = clipboard_text(s)
    check(text == media, f"clipboard {text!r}, expected {media!r}")
    s.key("Return")
    s.played = s.settled("the title played by Enter",
                         lambda snap: snap.title == PLAYING_TITLE + title, rows=0)
    return f"row {row}: menu by Shift+F10 and the menu key, {text} copied, played by Enter"


def find_title(s):
    """Ctrl+F opens the find field; a text pasted into it (the virtual
    display has no Chinese input method) leaves the rows whose title holds
    it, in their order, and a typed ASCII letter narrows them (any case);
    Esc brings every row back."""
    every = s.probe().rows(catalogue(s))
    text = every[len(every) // 2][0][-2:]
    expected = [row for row in every if text in row[0]]
    check(1 < len(expected) < len(every), f"{text!r} does not pick some rows")
    s.copy_text(text)
    s.key("ctrl+f", "ctrl+v")
    s.settled(f"the rows holding {text}", lambda snap: snap.rows(catalogue(s)) == expected)
    s.key("x")
    s.settled(f"no row holding {text}x", lambda snap: snap.row_counts[catalogue(s)] == 0,
              rows=0)
    s.key("BackSpace")
    s.settled(f"the rows holding {text} again",
              lambda snap: snap.rows(catalogue(s)) == expected)
    s.screenshot(f"{s.step}-field")
    s.key("Escape")
    snap = s.settled("every row back", lambda snap: snap.rows(catalogue(s)) == every)
    check(snap.focus == catalogue(s), "Esc did not put the focus in the list")
    return f"{text}: {len(expected)} of {len(every)} rows, then all back"


def list_file(s, name):
    path = s.user_lists() / name
    return path.read_text(encoding="utf-8").splitlines() if path.exists() else []


def favourites(s):
    """Two titles added from their menus show under 我的收藏, newest first,
    and are kept in the user's folder as UTF-8 text; 最近播放 lists what this
    run played, newest first; neither changes the player or the title."""
    snap = s.probe(rows=SAMPLE)
    first = min(snap.row_rects[catalogue(s)])
    added = []
    for row in (first + 2, first + 5):
        added.insert(0, tuple(snap.cell(catalogue(s), row, c) for c in (0, 1)))
        open_menu(s, row_point(s, row))
        choose(s, "加入收藏")
    rect = snap.row_rects[catalogue(s)][first + 2]
    played = s.probe(rows=0)
    open_menu(s, row_point(s, first + 2))
    choose(s, "我的收藏")
    snap = s.settled("the favourites", lambda snap: snap.rows(catalogue(s)) == added, rows=5)
    check(snap.title == played.title and address(snap, s) == address(played, s),
          "showing the favourites changed the player or the title")
    lines = list_file(s, "favourites.txt")
    check(lines[1:] == ["\t".join(row) for row in added], f"favourites.txt holds {lines}")

    # Below the rows, the menu offers the user's lists alone.
    below = (rect.left + 60, snap.row_rects[catalogue(s)][1].bottom + 40)
    open_menu(s, below)
    s.screenshot(f"{s.step}-menu-below-rows")
    choose(s, "最近播放", BELOW_ROWS)
    latest = s.played.title[len(PLAYING_TITLE):]
    snap = s.settled("the recently played",
                     lambda snap: snap.row_counts[catalogue(s)] >= 2
                     and snap.cell(catalogue(s), 0, 0) == latest, rows=5)
    return (f"{len(added)} favourites kept in {s.user_lists()}; "
            f"{snap.row_counts[catalogue(s)]} recently played, {latest} first")


SAMPLE = 40
def playlist_dialog(s, keys, title):
    """Presses `keys` and waits for the dialog titled `title`."""
    s.key(*keys)
    s.wait(title, lambda snap: any(w.title == title for w in snap.toplevels_of("#32770")),
           rows=0)
    time.sleep(0.5)


def own_playlists(s):
    """Ctrl+L, an address typed into its dialog and Enter open the playlist
    there; Ctrl+O, a path typed into the system's file dialog and Enter open
    a playlist file; the rows are what the service says each must give."""
    address = f"http://{SERVICE}/playlists/basic.m3u8"
    expected = s.expected_rows("/playlists/basic.m3u8")
    playlist_dialog(s, ["ctrl+l"], "打开播放列表地址")
    s.key("ctrl+a")
    s.xdotool("type", "--delay", 30, address)
    s.key("Return")
    s.settled("the address's playlist", lambda snap: snap.rows(catalogue(s)) == expected)
    s.screenshot(f"{s.step}-address")

    plain = s.shots / "plain.txt"
    plain.write_bytes(s.service("/playlists/plain.txt"))
    expected_plain = s.expected_rows("/playlists/plain.txt")
    playlist_dialog(s, ["ctrl+o"], "打开播放列表文件")
    s.xdotool("type", "--delay", 30, "Z:" + str(plain).replace("/", "\\"))
    s.key("Return")
    s.settled("the file's playlist", lambda snap: snap.rows(catalogue(s)) == expected_plain)
    return f"{len(expected)} rows from the address, {len(expected_plain)} from the file"


STEPS = [system_player, title_keys, find_title, favourites, own_playlists]
