"""The steps of the end-to-end run, in order. Each acts only through the
pointer and the keys, then checks what the window shows; it returns a short
note of what it saw."""

import json
import time

from e2e_session import SERVICE, check, wine_processes

INITIAL_TITLE = "Nuvri福利视频播放器"
PLAYING_TITLE = "Nuvri福利播放器| 正在播放："
PLAYER_PAGE = f"http://{SERVICE}/player.html?c=0&p=1&f="
INFORMATION_PAGE = f"http://{SERVICE}/vovu.php.html"
DOWNLOAD_JOIN = "-Nuvri福利下载-"
# The list paths behind the menu entries the run clicks.
LIST_PATHS = {"英雄联盟": "/zb/douyu.php?p=4", "热门美女": "/xiu/163.php",
              "今日热播": "/dy/mg.php?p=1"}
# The film playlist built into the program fills this many rows.
FILM_ROWS = 1020
# Route items 0 and 1: the collection and route playlist 1.
ROUTE_ROWS = [1489, 799]
MIN_SIZE = (800, 444)


class RollupMenu:
    """Where the roll-up menu's headers and entries are: headers up to the
    open group at the top, the later ones at the bottom, the open group's
    entries between them, scroll buttons at the right of the entry area.
    Heights in pixels at the 96 DPI of the prefix."""
    HEADER = 24
    ENTRY = 22
    WHEEL_LINES = 3  # entries a wheel notch scrolls, as the system sets it

    def __init__(self, session, area):
        self.session = session
        self.area = area  # the client area on the screen, while the window keeps its size
        self.open_group = 0
        self.first_entry = 0

    def header_point(self, group):
        area, count = self.area, len(self.session.template.groups)
        top = (group * self.HEADER if group <= self.open_group
               else area.height - (count - group) * self.HEADER)
        return area.left + area.width // 3, area.top + top + self.HEADER // 2

    def entries_bottom(self, area):
        count = len(self.session.template.groups)
        return area.height - (count - self.open_group - 1) * self.HEADER

    def visible_entries(self):
        area = self.area
        return (self.entries_bottom(area) - (self.open_group + 1) * self.HEADER) // self.ENTRY

    def open(self, caption):
        group = self.session.template.group(caption)
        self.session.click(*self.header_point(group))
        if group != self.open_group:
            self.open_group, self.first_entry = group, 0
        return group

    def wheel_up(self):
        area = self.area
        self.session.xdotool("mousemove", area.left + area.width // 3, area.centre[1])
        self.session.xdotool("click", 4)
        self.first_entry = max(0, self.first_entry - self.WHEEL_LINES)

    def click_entry(self, caption):
        """Clicks the entry of the open group, scrolling it into view with
        the scroll-down button first when it is below the visible ones."""
        entry = self.session.template.entry(self.open_group, caption)
        area = self.area
        while entry >= self.first_entry + self.visible_entries():
            self.session.click(area.right - 10,
                               area.top + self.entries_bottom(area) - 10)
            self.first_entry += 1
        top = (self.open_group + 1) * self.HEADER + (entry - self.first_entry) * self.ENTRY
        self.session.click(area.left + area.width // 3, area.top + top + self.ENTRY // 2)


def catalogue(s):
    return s.id("超级列表框1")


def downloads(s):
    return s.id("超级列表框2")


def player(s):
    return s.id("超文本浏览框1")


def address(snap, s):
    return snap.controls[player(s)].text


def first_difference(found, expected):
    for row, (a, b) in enumerate(zip(found, expected)):
        if a != b:
            return f"row {row}: {a} != {b}"
    return f"{len(found)} rows, {len(expected)} expected"


def fill_from_menu(s, menu, group, entry, unchanged_title):
    """Clicks a remote list entry: the list shows the service's rows, browser
    view 1 the information page; the title and the download list stay."""
    menu.open(group)
    menu.click_entry(entry)
    expected = s.expected_rows(LIST_PATHS[entry])
    check(len(expected) >= 4, f"the service has too few rows for {entry}")
    snap = s.settled(f"the rows of {entry}",
                     lambda snap: snap.rows(catalogue(s)) == expected
                     and address(snap, s) == INFORMATION_PAGE)
    check(snap.title == unchanged_title, f"the title changed: {snap.title}")
    check(snap.row_counts[downloads(s)] == 0, "the download list changed")
    return f"{entry}: {len(expected)} rows as served"


def start(s):
    snap = s.wait("the main window", lambda snap: snap.title is not None, timeout=120, rows=0)
    s.service("/__control/reset")
    s.menu = RollupMenu(s, snap.controls[s.id("卷帘式菜单1")].client)
    s.initial = snap
    check(snap.title == INITIAL_TITLE, f"title {snap.title}")
    check((snap.window.width, snap.window.height) == (960, 706), f"window {snap.window}")
    check((snap.window.left, snap.window.top) == ((1280 - 960) // 2, (800 - 706) // 2),
          f"not centred: {snap.window}")
    check(snap.row_counts[catalogue(s)] == 0 and snap.row_counts[downloads(s)] == 0,
          "a list has rows at start")
    check(address(snap, s) == f"http://{SERVICE}/Nuvri公告.txt", address(snap, s))
    return f"window {snap.window}, display {s.display}"


def game_category(s):
    return fill_from_menu(s, s.menu, "游戏直播", "英雄联盟", INITIAL_TITLE)


def show_category(s):
    return fill_from_menu(s, s.menu, "美女直播", "热门美女", INITIAL_TITLE)


def film_category(s):
    note = fill_from_menu(s, s.menu, "热门电影", "今日热播", INITIAL_TITLE)
    s.menu.click_entry("线路2超多影片")
    s.wait("the film playlist's rows",
           lambda snap: snap.row_counts[catalogue(s)] == FILM_ROWS, rows=0)
    snap = s.settled("the film playlist",
                     lambda snap: snap.row_counts[catalogue(s)] == FILM_ROWS)
    rows = snap.rows(catalogue(s), (0, 1, 2))
    check(all(title and media.startswith("http") and not empty
              for title, media, empty in rows),
          "a film row lacks its title or address, or fills column 2")
    check(address(snap, s) == INFORMATION_PAGE, address(snap, s))
    return f"{note}; 线路2超多影片: {FILM_ROWS} rows"


# Enough rows to tell one fill from another.
SAMPLE_ROWS = 40


def television_channel(s):
    before = s.probe(rows=SAMPLE_ROWS).rows(catalogue(s))
    s.menu.open("电视直播")
    check(s.menu.visible_entries() <= 18, "the last channels are in view without scrolling")
    notes = []
    for caption, channel in [("CCTV-12 社会与法", "cctv12"), ("北京卫视", "btv1")]:
        if s.menu.first_entry > 0:
            s.menu.wheel_up()
        s.menu.click_entry(caption)
        page = f"{PLAYER_PAGE}http://{SERVICE}/zb/cn.php?v={channel}"
        snap = s.settled(f"the page of {caption}", lambda snap: address(snap, s) == page,
                         rows=SAMPLE_ROWS)
        check(snap.rows(catalogue(s)) == before, "the channel changed the list")
        check(snap.title == INITIAL_TITLE, snap.title)
        notes.append(f"{caption} (first entry in view {s.menu.first_entry}): {page}")
    return "; ".join(notes)


def music_box(s):
    before = s.probe(rows=SAMPLE_ROWS).rows(catalogue(s))
    s.menu.open("Nuvri轻声音乐盒子")
    s.menu.click_entry("Nuvri音乐盒子")
    page = f"http://{SERVICE}/outside-files/dy8/1.swf"
    snap = s.settled("the music box", lambda snap: address(snap, s) == page,
                     rows=SAMPLE_ROWS)
    check(snap.rows(catalogue(s)) == before, "the music box changed the list")
    return page


def double_click_title(s):
    snap = s.probe(rows=SAMPLE_ROWS)
    rects = snap.row_rects[catalogue(s)]
    row = min(rects) + 3
    title, media = snap.cell(catalogue(s), row, 0), snap.cell(catalogue(s), row, 1)
    s.double_click(rects[row].left + 60, rects[row].centre[1])
    snap = s.settled("the played title",
                     lambda snap: snap.title == PLAYING_TITLE + title
                     and address(snap, s) == PLAYER_PAGE + media, rows=0)
    check(snap.selected[catalogue(s)] == row, f"row {snap.selected[catalogue(s)]} selected")
    s.played = snap
    return f"row {row} {title}"


def route_by_keyboard(s):
    """Tab walks the controls in their stacking order, which the re-layout
    has set; the route selector comes round in the cycle."""
    route = s.id("组合框2")
    snap = s.probe(rows=0)
    check(snap.focus == catalogue(s), f"focus on {snap.focus}")
    box = snap.controls[s.id("分组框1")].client
    check(snap.controls[route].rect.top >= box.bottom, "the route selector is in view")
    path = []
    while snap.focus != route:
        check(len(path) < 12, f"Tab never reached the route selector: {path}")
        s.key("Tab")
        snap = s.probe(rows=0)
        path.append(snap.focus)
    notes = [f"Tab through {path}"]
    for item, count in enumerate(ROUTE_ROWS):
        s.key("Down")
        s.wait(f"route item {item}'s rows", lambda snap: snap.combos[route][0] == item
               and snap.row_counts[catalogue(s)] == count, rows=0)
        snap = s.settled(f"route item {item}",
                         lambda snap: snap.combos[route][0] == item
                         and snap.row_counts[catalogue(s)] == count)
        titles = [title for title, _ in snap.rows(catalogue(s))]
        if item == 0:
            check(all(t.startswith(">") for t in titles), "a collection title lacks its >")
        check(all(titles), f"route item {item} has a row without a title")
        check(snap.title == s.played.title, "the route changed the title")
        check(address(snap, s) == address(s.played, s), "the route changed the view")
        notes.append(f"item {item}: {count} rows")
    return ", ".join(notes)


def served_download_rows(s, path, separator):
    """The rows of the list file as the user must see them: numbered lines,
    title and address split at the separator, the title with the join."""
    lines = s.service(path).decode("gbk").split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    rows = []
    for number, line in enumerate(lines, 1):
        pieces = line.split(separator)
        title, link = (pieces[0] + DOWNLOAD_JOIN, pieces[1]) if len(pieces) >= 2 else ("", "")
        rows.append((str(number), title, link))
    return rows


def open_download_choices(s):
    """Clicks the download-source selector's drop-down button."""
    combo = s.id("组合框3")
    field = s.probe(rows=0).controls[combo].rect
    s.click(field.right - 8, field.centre[1])
    return open_list(s, combo)


def open_list(s, combo):
    """The open list of `combo` on the screen, once it shows."""
    snap = s.wait("the open choices",
                  lambda snap: snap.combos[combo][1] == 1 and snap.toplevels_of("ComboLBox"),
                  rows=0)
    return [w for w in snap.toplevels_of("ComboLBox") if w.process == snap.process][0]


def click_in_list(s, combo, choices, item):
    height = s.probe(rows=0).combos[combo][2]
    s.click(choices.rect.left + 30, choices.rect.top + 1 + height * item + height // 2)


def choose_download_list(s, item):
    choices = open_download_choices(s)
    s.screenshot(f"{s.step}-choices")
    click_in_list(s, s.id("组合框3"), choices, item)


def route_by_mouse(s):
    """The route selector, opened with F4 (it lies outside the visible part
    of its group box), takes a click in its list: one fill. A step in the
    open list left with Esc fills nothing and puts back the route shown."""
    route = s.id("组合框2")
    check(s.probe(rows=0).focus == route, "the route selector lost the focus")
    rows_seen = s.watch_rows(catalogue(s), 15000)
    s.key("F4")
    click_in_list(s, route, open_list(s, route), 0)
    s.settled("route item 0 by the mouse", lambda snap: snap.combos[route][0] == 0
              and snap.row_counts[catalogue(s)] == ROUTE_ROWS[0], rows=0)
    clicked = rows_seen()
    # A fill empties the list and lets the window answer while it reads its
    # playlist, so the watch may see the empty list once; it need not, when
    # the reading is quicker than the watch's polling. Two fills show it
    # twice, or some other count on the way.
    check(clicked.count(0) <= 1 and set(clicked) <= {0, ROUTE_ROWS[1], ROUTE_ROWS[0]}
          and clicked[-1] == ROUTE_ROWS[0],
          f"a click filled the list other than once: row counts {clicked}")
    rows_seen = s.watch_rows(catalogue(s), 8000)
    s.key("F4", "Down", "Escape")
    snap = s.settled("the route put back", lambda snap: snap.combos[route][0] == 0
                     and snap.combos[route][1] == 0, rows=0)
    counts = rows_seen()
    check(counts == [ROUTE_ROWS[0]], f"Esc after a step changed the list: row counts {counts}")
    return f"a click: row counts {clicked}; Esc after a step: item 0 kept, no fill"


DOWNLOAD_SOURCES = [("/33.txt", "Nuvri福利下载"), ("/2.txt", DOWNLOAD_JOIN)]


def fetches(s):
    """How often the program asked the service for each download list since
    the last reset (the test's own requests are Python's)."""
    paths = [r["path"] for r in json.loads(s.service("/__control/requests"))
             if not any(name.lower() == "user-agent" and value.startswith("Python")
                        for name, value in r["headers"])]
    return tuple(paths.count(path) for path, _ in DOWNLOAD_SOURCES)


def download_settled(s, item, what):
    path, separator = DOWNLOAD_SOURCES[item]
    expected = served_download_rows(s, path, separator)
    snap = s.settled(f"{what}: download list {path}",
                     lambda snap: snap.rows(downloads(s), (0, 1, 2)) == expected
                     and snap.combos[s.id("组合框3")][0] == item, rows=SAMPLE_ROWS)
    check(snap.title == s.played.title, "the download list changed the title")
    return snap, expected


def download_lists(s):
    """One mouse choice, one fetch: the service counts them."""
    notes = []
    for item, (path, _) in enumerate(DOWNLOAD_SOURCES):
        s.service("/__control/reset")
        choose_download_list(s, item)
        _, expected = download_settled(s, item, "a click")
        time.sleep(1)
        asked = fetches(s)
        check(asked[item] == 1 and sum(asked) == 1,
              f"a click on item {item} fetched {asked} times (/33.txt, /2.txt)")
        notes.append(f"{path}: {len(expected)} rows, fetched once")
        if item == 0:
            s.screenshot(f"{s.step}-video")
    return ", ".join(notes)


def download_keys(s):
    """The keyboard on the download-source selector: Enter in the open list
    and an arrow on the closed box each fetch once; a step in the open list
    left without Enter fetches nothing and the box shows again the item that
    last acted."""
    combo = s.id("组合框3")
    notes = []
    # The box shows item 1 (the last click); each way out after a step up.
    for way in ("Escape", "Tab", "F4", "alt+Up", "click"):
        s.service("/__control/reset")
        open_download_choices(s)
        s.key("Up")
        if way == "click":
            area = s.probe(rows=0).controls[s.id("分组框3")].rect
            s.click(area.right - 40, area.top + 4)
        else:
            s.key(way)
        s.wait("the closed list", lambda snap: snap.combos[combo][1] == 0, rows=0)
        time.sleep(1.5)
        download_settled(s, 1, f"{way} after a step")
        check(fetches(s) == (0, 0), f"{way} after a step fetched {fetches(s)}")
        notes.append(f"{way}: back to item 1")
    s.service("/__control/reset")
    open_download_choices(s)
    s.key("Up", "Return")
    download_settled(s, 0, "Enter in the open list")
    time.sleep(1)
    check(fetches(s) == (1, 0), f"Enter fetched {fetches(s)}")
    s.service("/__control/reset")
    s.key("Down")
    download_settled(s, 1, "an arrow on the closed box")
    time.sleep(1)
    check(fetches(s) == (0, 1), f"an arrow fetched {fetches(s)}")
    notes.append("Enter and an arrow: one fetch each")
    return ", ".join(notes)


def menu_entry(s, row, position):
    """Right-clicks download row `row` and clicks the menu's entry at
    1-based `position`; the menu opens at the pointer."""
    snap = s.probe(rows=0)
    rect = snap.row_rects[downloads(s)][row]
    pointer = (rect.left + 80, rect.centre[1])
    s.click(*pointer, button=3)
    snap = s.wait("the download menu", lambda snap: snap.toplevels_of("#32768"), rows=0)
    menu = snap.toplevels_of("#32768")[0].rect
    check(abs(menu.left - pointer[0]) <= 2 and abs(menu.top - pointer[1]) <= 2,
          f"menu at {menu}, pointer at {pointer}")
    s.screenshot(f"{s.step}-menu-{position}")
    count = len(s.template.menu_items)
    s.click(menu.left + 30, menu.top + menu.height * (2 * position - 1) // (2 * count))
    return s.wait("the menu closed", lambda snap: not snap.toplevels_of("#32768"),
                  rows=SAMPLE_ROWS)


def clipboard_text(s):
    seen = s.probe("clipboard").clipboard
    ansi = bytes.fromhex(seen.get("ansi-hex", "")).decode("gbk", errors="replace")
    check(seen.get("unicode") == ansi, f"the clipboard's texts differ: {seen}")
    return ansi


def copy_entry(s):
    copy = s.template.menu_items.index("复制地址+名称") + 1
    snap = menu_entry(s, 1, copy)
    check(snap.selected[downloads(s)] == 1, "the right click did not select its row")
    check(snap.selected[catalogue(s)] == -1, "a catalogue row is selected")
    expected = snap.cell(downloads(s), 1, 1) + DOWNLOAD_JOIN + snap.cell(downloads(s), 1, 2)
    text = clipboard_text(s)
    check(text == expected, f"clipboard {text!r}, expected {expected!r}")

    # With a catalogue row selected, its media address takes the title's place.
    rects = s.probe(rows=0).row_rects[catalogue(s)]
    row = min(rects) + 2
    s.click(rects[row].left + 60, rects[row].centre[1])
    snap = menu_entry(s, 0, copy)
    check(snap.selected[catalogue(s)] == row, "the catalogue row lost its selection")
    with_media = snap.cell(catalogue(s), row, 1) + DOWNLOAD_JOIN + snap.cell(downloads(s), 0, 2)
    text = clipboard_text(s)
    check(text == with_media, f"clipboard {text!r}, expected {with_media!r}")
    return f"{expected!r}; then {with_media!r}"


def open_entry(s):
    """Opening a download address hands it to the shell: the program must
    carry on, with no new window and nothing it started left running."""
    s.service("/__control/reset")
    before = set(wine_processes(s.prefix))
    snap = s.probe(rows=SAMPLE_ROWS)
    windows = sorted((w.kind, w.title) for w in snap.toplevels)
    link = snap.cell(downloads(s), 0, 2)
    snap = menu_entry(s, 0, s.template.menu_items.index("打开下载网址") + 1)
    time.sleep(5)
    snap = s.probe(rows=0)
    check(sorted((w.kind, w.title) for w in snap.toplevels) == windows,
          f"the windows changed: {[(w.kind, w.title) for w in snap.toplevels]}")
    check(snap.title == s.played.title, "the title changed")
    left = {pid: line for pid, line in wine_processes(s.prefix).items()
            if pid not in before and "window_probe" not in line}
    check(not left, f"still running after the open: {left}")
    fetched = [r["path"] for r in json.loads(s.service("/__control/requests"))
               if r["path"].startswith("/download/")]
    return f"{link}: nothing left running; the service saw {fetched or 'no download request'}"


def clear_entry(s):
    snap = menu_entry(s, 0, s.template.menu_items.index("清空") + 1)
    snap = s.settled("the emptied download list",
                     lambda snap: snap.row_counts[downloads(s)] == 0, rows=0)
    check(snap.row_counts[catalogue(s)] > 0, "the catalogue was emptied too")
    check(snap.title == s.played.title, "the title changed")
    return "download list empty"


def check_layout(s, snap):
    """Every control keeps its place and size as fractions of its parent's
    client area; combo boxes keep their height."""
    def relative(shot, control_id):
        control = shot.controls[control_id]
        parent = shot.controls[control.parent].client if control.parent else shot.client
        r = control.rect
        return (r.left - parent.left, r.top - parent.top, r.width, r.height), parent

    for control_id, control in s.initial.controls.items():
        (x, y, w, h), parent = relative(s.initial, control_id)
        now, new_parent = relative(snap, control_id)
        fx, fy = new_parent.width / parent.width, new_parent.height / parent.height
        wanted = (x * fx, y * fy, w * fx, h if control.kind == "ComboBox" else h * fy)
        check(all(abs(a - b) <= 2 for a, b in zip(now, wanted)),
              f"control {control_id} ({control.kind}) at {now}, expected about {wanted}")
    route = snap.controls[s.id("组合框2")]
    check(route.rect.top >= snap.controls[s.id("分组框1")].client.bottom,
          "the route selector came into view")


def resize(s):
    snap = s.probe(rows=0)
    corner = snap.hits["bottomright"]
    s.drag(corner, (snap.window.left + 300, snap.window.top + 200))
    small = s.settled("the smallest size",
                      lambda snap: (snap.window.width, snap.window.height) == MIN_SIZE,
                      rows=0)
    check_layout(s, small)
    s.screenshot(f"{s.step}-minimum")

    # Out to the screen's corners: the top left corner first, then the other.
    s.drag(small.hits["topleft"], (0, 0))
    s.wait("the top left corner at the screen's", lambda snap: snap.window.top <= 2, rows=0)
    snap = s.probe(rows=0)
    corner = snap.hits["bottomright"]
    s.drag(corner, (1279, 799))
    wanted_right = snap.window.right + 1279 - corner[0]
    wanted_bottom = snap.window.bottom + 799 - corner[1]
    large = s.settled("the large size",
                      lambda snap: abs(snap.window.right - wanted_right) <= 2
                      and abs(snap.window.bottom - wanted_bottom) <= 2, rows=0)
    check(large.window.width >= 1270 and large.window.height >= 790, f"{large.window}")
    check(large.title == s.played.title, "the resize changed the title")
    check_layout(s, large)
    return f"{small.window.width}x{small.window.height}, then {large.window}"


def close(s):
    snap = s.probe(rows=0)
    program = snap.process
    s.click(*snap.hits["close"])
    code = s.wait_for_exit(60)
    check(code is not None, "run.sh did not return after the window closed")
    check(code == 0, f"run.sh returned {code}")
    left = [line for line in wine_processes(s.prefix).values() if "nuvri.exe" in line]
    check(not left, f"the program still runs: {left}")
    return f"process {program} gone, run.sh returned {code}"


STEPS = [start, game_category, show_category, film_category, television_channel, music_box,
         double_click_title, route_by_keyboard, route_by_mouse, download_lists, download_keys,
         copy_entry, open_entry, clear_entry, resize, close]

