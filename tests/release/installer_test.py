#!/usr/bin/env python3
"""The release files as a user meets them, the setup program under Wine.

    installer_test.py win32|win64 RELEASE_DIR VERSION PROGRAM WORK_DIR

RELEASE_DIR holds nuvri-VERSION-portable.zip and nuvri-VERSION-setup.exe (in
a win64 prefix the 64-bit files, named with "-x64"),
PROGRAM is the program file of the build; WORK_DIR gets a new Wine prefix on
every run. Needs a display (the ctest run has Xvfb's), xdotool and xprop.
"""
import os
import re
import subprocess
import sys
import time
import unittest
import zipfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
TITLE = "Nuvri福利视频播放器"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Nuvri"
DEFAULT_DIR = r"C:\Program Files\Nuvri"

arch = release_dir = version = program = prefix = None


def suffix():
    """What the release files of the build under test carry in their names."""
    return "-x64" if arch == "win64" else ""


def wine(*arguments, wait=True):
    """Runs a Windows program in the test prefix (made on first use)."""
    command = [str(ROOT / "tools" / "wine-exec.sh"), arch, str(prefix), *arguments]
    if not wait:
        return subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return subprocess.run(command, capture_output=True, timeout=120)


def typed(command_line):
    """Runs a command line as typed in cmd and gives its exit code: Wine would
    quote an argument with spaces, which /D= and _?= must not have."""
    batch = prefix / "drive_c" / "typed.cmd"
    batch.write_text(f"@{command_line}\r\n@exit /b %errorlevel%\r\n", encoding="ascii")
    return wine("cmd", "/c", r"C:\typed.cmd").returncode


def wait_for_prefix():
    """Waits until every process of the prefix has ended (uninstallers run a copy)."""
    subprocess.run(["wineserver", "-w"], env={**os.environ, "WINEPREFIX": str(prefix)},
                   timeout=120, check=True)


def host_path(windows_path):
    """Where a C: path of the prefix lies on this machine."""
    drive, rest = windows_path.split(":", 1)
    assert drive.upper() == "C", windows_path
    return prefix / "drive_c" / rest.lstrip("\\").replace("\\", "/")


def start_menu_shortcut():
    return host_path(r"C:\ProgramData\Microsoft\Windows\Start Menu\Programs") / f"{TITLE}.lnk"


def desktop_shortcut():
    return host_path(r"C:\users\Public\Desktop") / f"{TITLE}.lnk"


def uninstall_entry():
    """The values of the program's uninstall key, or None when there is no key.

    Read through an export (UTF-16), which keeps the Chinese whatever the
    host's locale; `reg query` prints through the console's code page."""
    exported = prefix / "uninstall-key.reg"
    exported.unlink(missing_ok=True)
    if wine("reg", "export", UNINSTALL_KEY, f"Z:{exported}", "/y").returncode != 0:
        return None
    values = {}
    for line in exported.read_text(encoding="utf-16").splitlines():
        match = re.match(r'^"([^"]+)"=(?:"(.*)"|dword:([0-9a-f]{8}))$', line)
        if match:
            name, text, number = match.groups()
            values[name] = int(number, 16) if number else text.replace("\\\\", "\\").replace(
                '\\"', '"')
    return values


def x_windows_named(title):
    found = subprocess.run(["xdotool", "search", "--name", f"^{re.escape(title)}$"],
                           capture_output=True, text=True)
    return found.stdout.split()


def x_window_icons(window):
    """The icons Wine gave an X window (_NET_WM_ICON): {side: [ARGB, ...]}."""
    shown = subprocess.run(["xprop", "-id", window, "-notype", "32c", "_NET_WM_ICON"],
                           capture_output=True, text=True).stdout
    numbers = [int(n) for n in re.findall(r"\d+", shown.partition("=")[2])]
    icons = {}
    while len(numbers) >= 2:
        width, height = numbers[:2]
        if width != height or width == 0:
            break
        icons[width] = numbers[2:2 + width * height]
        numbers = numbers[2 + width * height:]
    return icons


class PortableZipTest(unittest.TestCase):
    def test_holds_the_program_as_built_and_a_readme_windows_notepad_reads(self):
        with zipfile.ZipFile(release_dir / f"nuvri-{version}-portable{suffix()}.zip") as archive:
            names = sorted(archive.namelist())
            expected = ["LICENSE.txt", "README.txt", "nuvri.exe"]
            if not (ROOT / "LICENSE").exists():
                expected.remove("LICENSE.txt")
            self.assertEqual(names, expected)
            self.assertEqual(archive.read("nuvri.exe"), program.read_bytes())
            readme = archive.read("README.txt")
        self.assertTrue(readme.startswith(b"\xef\xbb\xbf"), "no UTF-8 BOM")
        self.assertNotIn(b"\n", readme.replace(b"\r\n", b""), "a line without CR")
        text = readme.decode("utf-8-sig")
        self.assertIn(f"{TITLE} {version}", text)
        self.assertIn(f"nuvri-{version}-setup{suffix()}.exe", text)
        self.assertIn("卸载", text)
        self.assertIn("uninstall", text)


class SetupTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        subprocess.run(["rm", "-rf", str(prefix)], check=True)
        subprocess.run([str(ROOT / "tools" / "wine-prefix.sh"), arch, str(prefix)], check=True)
        cls.setup = release_dir / f"nuvri-{version}-setup{suffix()}.exe"

    @classmethod
    def tearDownClass(cls):
        subprocess.run(["wineserver", "-k"], env={**os.environ, "WINEPREFIX": str(prefix)})

    def run_setup(self, options=""):
        windows_path = "Z:" + str(self.setup).replace("/", "\\")
        return typed(f'"{windows_path}" /S {options}')

    def install(self, options=""):
        self.assertEqual(self.run_setup(options), 0)

    def uninstall(self, folder):
        result = wine(folder + r"\uninstall.exe", "/S")
        self.assertEqual(result.returncode, 0, result.stderr.decode(errors="replace"))
        wait_for_prefix()

    def check_installed(self, folder):
        installed = host_path(folder)
        self.assertEqual((installed / "nuvri.exe").read_bytes(), program.read_bytes())
        self.assertTrue((installed / "uninstall.exe").is_file())
        shortcut = start_menu_shortcut().read_bytes()
        target = folder + r"\nuvri.exe"
        self.assertTrue(target.encode("utf-16-le") in shortcut or target.encode() in shortcut,
                        "the Start-menu shortcut does not lead to the program")
        self.assertFalse(desktop_shortcut().exists(), "a desktop shortcut nobody asked for")

        entry = uninstall_entry()
        self.assertIsNotNone(entry, "no uninstall key")
        self.assertEqual(entry.get("DisplayName"), TITLE)
        self.assertEqual(entry.get("DisplayVersion"), version)
        self.assertEqual(entry.get("Publisher"), "Nuvri")
        self.assertEqual(entry.get("InstallLocation"), folder)
        self.assertEqual(entry.get("UninstallString"), f'"{folder}\\uninstall.exe"')
        self.assertEqual(entry.get("DisplayIcon"), f"{folder}\\nuvri.exe,0")
        self.assertEqual(entry.get("NoModify"), 1)
        self.assertEqual(entry.get("NoRepair"), 1)
        size = (installed / "nuvri.exe").stat().st_size + (installed / "uninstall.exe").stat().st_size
        self.assertAlmostEqual(entry.get("EstimatedSize", 0), size / 1024, delta=8)

    def check_removed(self, folder):
        self.assertFalse(host_path(folder).exists(), f"{folder} is still there")
        self.assertFalse(start_menu_shortcut().exists(), "the Start-menu shortcut is still there")
        self.assertIsNone(uninstall_entry(), "the uninstall key is still there")

    def test_installs_for_every_user_runs_and_uninstalls_without_a_trace(self):
        self.install()
        self.check_installed(DEFAULT_DIR)

        running = wine(DEFAULT_DIR + r"\nuvri.exe", wait=False)
        try:
            # Wine names the X window first and gives it its icon a moment later.
            windows, icons = [], {}
            for _ in range(60):
                windows = x_windows_named(TITLE)
                icons = x_window_icons(windows[0]) if windows else {}
                if icons:
                    break
                time.sleep(0.5)
            self.assertTrue(windows, "the installed program shows no window titled " + TITLE)
            self.assertIn(32, icons, f"no 32 x 32 window icon, only {sorted(icons)}")
            big = icons[32]
            self.assertEqual(big[0] >> 24, 0, "the icon's corner is not transparent")
            self.assertEqual(big[16 * 32 + 18], 0xFFFFFFFF, "no white play mark in the middle")
            alpha, red, green, blue = big[2 * 32 + 16].to_bytes(4, "big")
            self.assertEqual(alpha, 255)
            self.assertTrue(red > green > blue, "the top of the icon is not orange")

            # While it runs, neither a setup nor the uninstaller goes ahead, and
            # both say so. (_?= runs the uninstaller in place, so it is waited for.)
            self.assertNotEqual(self.run_setup(), 0)
            self.assertNotEqual(typed(f'"{DEFAULT_DIR}\\uninstall.exe" /S _?={DEFAULT_DIR}'), 0)
            self.check_installed(DEFAULT_DIR)

            # taskkill without /f asks the windows to close, as a user's click does.
            wine("taskkill", "/im", "nuvri.exe")
            self.assertEqual(running.wait(timeout=30), 0)
        finally:
            if running.poll() is None:
                running.kill()

        self.uninstall(DEFAULT_DIR)
        self.check_removed(DEFAULT_DIR)

    def test_installs_into_a_chosen_folder_and_leaves_the_users_files_there(self):
        folder = r"C:\Apps\Nuvri Player"
        self.install("/D=" + folder)
        self.check_installed(folder)
        notes = host_path(folder) / "my notes.txt"
        notes.write_text("mine")

        self.uninstall(folder)
        self.assertTrue(host_path(folder).is_dir(), "the folder went with the user's file")
        self.assertEqual(sorted(p.name for p in host_path(folder).iterdir()), ["my notes.txt"])
        notes.unlink()
        host_path(folder).rmdir()
        self.check_removed(folder)


def main():
    global arch, release_dir, version, program, prefix
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    arch, release_dir, version, program, work = sys.argv[1], Path(sys.argv[2]), sys.argv[3], \
        Path(sys.argv[4]), Path(sys.argv[5])
    prefix = work / "wineprefix"
    unittest.main(argv=sys.argv[:1], verbosity=2)


if __name__ == "__main__":
    main()
