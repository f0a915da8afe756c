"""Names and menu groups of the main window, read from its template."""

import re


class WindowTemplate:
    # The program numbers its controls from 1000 in template order.
    FIRST_CONTROL_ID = 1000

    def __init__(self, path):
        self.ids = {}
        self.groups = []  # (caption, [entry captions]) of the roll-up menu
        self.menu_items = []
        quoted = re.compile(r'"((?:[^"\\]|\\.)*)"')
        for line in path.read_text(encoding="utf-8").splitlines():
            words = line.split()
            if not words:
                continue
            if words[0] == "control":
                self.ids[words[1]] = self.FIRST_CONTROL_ID + len(self.ids)
            elif words[0] == "group":
                self.groups.append((quoted.search(line).group(1), []))
            elif words[0] == "entry":
                self.groups[-1][1].append(quoted.search(line).group(1))
            elif words[0] == "menuitem":
                self.menu_items.append(quoted.search(line).group(1))

    def group(self, caption):
        return [g for g, _ in self.groups].index(caption)

    def entry(self, group, caption):
        return self.groups[group][1].index(caption)
