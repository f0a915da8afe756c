"""What window_probe.exe reports about the program's windows, parsed."""

from dataclasses import dataclass, field


def unescape(text):
    out, escaped = [], False
    for c in text:
        if escaped:
            out.append({"t": "\t", "r": "\r", "n": "\n"}.get(c, c))
            escaped = False
        elif c == "\\":
            escaped = True
        else:
            out.append(c)
    return "".join(out)


@dataclass
class Rect:
    left: int
    top: int
    right: int
    bottom: int

    @property
    def width(self):
        return self.right - self.left

    @property
    def height(self):
        return self.bottom - self.top

    @property
    def centre(self):
        return ((self.left + self.right) // 2, (self.top + self.bottom) // 2)

    def __str__(self):
        return f"({self.left},{self.top})-({self.right},{self.bottom})"


def rect(fields):
    return Rect(*(int(v) for v in fields[:4]))


@dataclass
class Control:
    kind: str
    parent: int  # the parent control's id, 0 for the window
    visible: bool
    rect: Rect  # on the screen
    client: Rect  # on the screen
    text: str = ""


@dataclass
class TopLevel:
    kind: str
    process: int
    rect: Rect
    title: str


@dataclass
class Snapshot:
    toplevels: list = field(default_factory=list)
    process: int = 0  # of the main window; 0 when there is none
    window: Rect = None
    client: Rect = None
    title: str = None
    focus: int = 0
    hits: dict = field(default_factory=dict)  # frame part -> (x, y)
    controls: dict = field(default_factory=dict)  # id -> Control
    row_counts: dict = field(default_factory=dict)
    selected: dict = field(default_factory=dict)
    row_rects: dict = field(default_factory=dict)  # id -> {row: Rect}
    cells: dict = field(default_factory=dict)  # id -> {(row, column): text}
    combos: dict = field(default_factory=dict)  # id -> (selection, dropped, item height)
    clipboard: dict = field(default_factory=dict)  # "unicode" / "ansi-hex" -> text

    def rows(self, list_id, columns=(0, 1)):
        cells = self.cells.get(list_id, {})
        return [tuple(cells.get((row, c), "") for c in columns)
                for row in range(self.row_counts.get(list_id, 0))]

    def cell(self, list_id, row, column):
        return self.cells.get(list_id, {}).get((row, column), "")

    def toplevels_of(self, kind):
        return [w for w in self.toplevels if w.kind == kind]


def parse(output):
    snap = Snapshot()
    for line in output.splitlines():
        fact, *f = line.split("\t")
        if fact == "toplevel":
            snap.toplevels.append(TopLevel(f[0], int(f[1]), rect(f[2:6]), unescape(f[6])))
        elif fact == "window":
            snap.process, snap.window, snap.client = int(f[0]), rect(f[1:5]), rect(f[5:9])
        elif fact == "title":
            snap.title = unescape(f[0])
        elif fact == "focus":
            snap.focus = int(f[0])
        elif fact == "hit":
            snap.hits[f[0]] = (int(f[1]), int(f[2]))
        elif fact == "control":
            snap.controls[int(f[0])] = Control(f[1], int(f[2]), f[3] == "1", rect(f[4:8]),
                                               rect(f[8:12]))
        elif fact == "text":
            snap.controls[int(f[0])].text = unescape(f[1])
        elif fact == "rows":
            snap.row_counts[int(f[0])] = int(f[1])
        elif fact == "selected":
            snap.selected[int(f[0])] = int(f[1])
        elif fact == "rowrect":
            snap.row_rects.setdefault(int(f[0]), {})[int(f[1])] = rect(f[2:6])
        elif fact == "cell":
            snap.cells.setdefault(int(f[0]), {})[(int(f[1]), int(f[2]))] = unescape(f[3])
        elif fact == "combo":
            snap.combos[int(f[0])] = tuple(int(v) for v in f[1:4])
        elif fact == "clipboard":
            snap.clipboard[f[0]] = unescape(f[1])
        elif fact in ("error", "usage"):
            raise ValueError(f"window_probe: {line}")
    return snap
