#!/usr/bin/env python3
"""Installs the Debian package with dpkg (root only), checks the installed
tree and a run of the installed program, and purges the package again without
leftovers."""

import argparse
import configparser
import os
import signal
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "e2e"))
import harness  # noqa: E402

PACKAGE = "velmo-newspaper"
PROGRAM_DIR = "lib/velmo-newspaper"
PICTURES = {name for names in harness.PICTURE_SLOTS.values() for name in names}


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def run(*command):
    result = subprocess.run(command, capture_output=True, text=True,
                            env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))
    check(result.returncode == 0, f"{' '.join(map(str, command))} exited with {result.returncode}:\n"
                                  f"{result.stdout}{result.stderr}")
    return result.stdout


def check_tree(prefix, app_id):
    link, program = prefix / "bin" / PACKAGE, prefix / PROGRAM_DIR / PACKAGE
    check(link.is_symlink() and os.readlink(link) == f"../{PROGRAM_DIR}/{PACKAGE}",
          f"{link} is not a link to the program relative to itself")
    check(program.is_file() and os.access(program, os.X_OK), f"{program} is not an executable file")
    beside = {p.name for p in (prefix / PROGRAM_DIR).iterdir()} - {PACKAGE}
    check(beside == PICTURES, f"{prefix / PROGRAM_DIR} holds the wrong pictures: missing "
                              f"{sorted(PICTURES - beside)}, unexpected {sorted(beside - PICTURES)}")

    # Desktop entry, icons and AppStream data go by the reverse domain name;
    # the command keeps the package's name.
    desktop = prefix / "share/applications" / f"{app_id}.desktop"
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str
    check(parser.read(desktop, encoding="utf-8"), f"{desktop} is missing")
    entry = parser["Desktop Entry"]
    for key, value in (("Exec", PACKAGE), ("Name", harness.TITLE), ("Icon", app_id)):
        check(entry.get(key) == value, f"the desktop entry's {key} is {entry.get(key)!r}")
    for path in [f"icons/hicolor/{size}x{size}/apps/{app_id}.png" for size in (16, 32, 48, 64, 128)] + [
            f"icons/hicolor/scalable/apps/{app_id}.svg", f"man/man6/{PACKAGE}.6.gz", f"doc/{PACKAGE}/copyright"]:
        check((prefix / "share" / path).is_file(), f"share/{path} is missing")
    metainfo = prefix / "share/metainfo" / f"{app_id}.metainfo.xml"
    text = metainfo.read_text(encoding="utf-8") if metainfo.is_file() else ""
    check(f"<id>{app_id}</id>" in text and f'<launchable type="desktop-id">{desktop.name}</launchable>' in text,
          f"{metainfo} is missing or does not name the desktop entry")
    return entry


def check_program(prefix, entry):
    harness.session = harness.Session()
    try:
        with harness.Program(prefix / "bin") as program:
            page = program.page(timeout=30)
            classes = harness.run_tool(["xprop", "-id", str(page.id), "WM_CLASS"], harness.session.tool_env).stdout.decode()
            check(f'"{entry.get("StartupWMClass")}"' in classes, f"the desktop entry's StartupWMClass is not in {classes}")
            program.open_menu(page, "記事1")
            harness.session.key("q")
            check(program.exit_status() == 0, f"the program exited with {program.process.returncode}")
    finally:
        harness.session.close()


def package_status():
    result = subprocess.run(["dpkg-query", "-W", "-f=${Status}", PACKAGE], capture_output=True, text=True)
    return "" if result.returncode != 0 or result.stdout == "unknown ok not-installed" else result.stdout


def test_package(args, scratch):
    if os.geteuid() != 0:
        print("SKIPPED: installing the Debian package needs root")
        return 77
    check(not package_status(), f"{PACKAGE} is already installed; remove it with `dpkg -P {PACKAGE}` first")
    run(args.cpack, "-G", "DEB", "-B", scratch, "--config", Path(args.build) / "CPackConfig.cmake")
    debs = list(scratch.glob(f"{PACKAGE}_*.deb"))
    check(len(debs) == 1, f"cpack made {[d.name for d in debs]}")
    deb = debs[0]
    fields = {name: run("dpkg-deb", "-f", deb, name).strip() for name in ("Depends", "Recommends")}
    check("libqt6widgets6" in fields["Depends"] and "fonts-ipafont-gothic | fonts-noto-cjk" in fields["Depends"]
          and "fonts-kouzan-mouhitsu" in fields["Recommends"], f"Qt and a font with all of the page's text are "
                                                               f"dependencies, the brush fonts recommended: {fields}")

    # Paths new with the package must be gone after the purge.
    contents = [line.split(maxsplit=5)[5].split(" -> ")[0] for line in run("dpkg-deb", "-c", deb).splitlines()]
    new_paths = [str(Path("/", path)) for path in contents if path.strip("./")]
    new_paths = [path for path in new_paths if not os.path.lexists(path)]
    try:
        run("dpkg", "-i", deb)
        listed = run("dpkg", "-L", PACKAGE).splitlines()
        check(all(path == "/." or path.startswith("/usr") for path in listed), "the package installs outside /usr")
        check_program(Path("/usr"), check_tree(Path("/usr"), args.app_id))
        files = [path for path in listed if os.path.islink(path) or not os.path.isdir(path)]
        run("dpkg", "-r", PACKAGE)
        check(not [p for p in files if os.path.lexists(p)], "files left behind after removing the package: "
                                                            f"{[p for p in files if os.path.lexists(p)]}")
        run("dpkg", "-P", PACKAGE)
    finally:
        if package_status():
            subprocess.run(["dpkg", "-P", PACKAGE], capture_output=True)
    left = [path for path in new_paths if os.path.lexists(path)]
    check(not left, f"left behind after purging the package: {left}")
    check(not package_status(), f"dpkg still knows {PACKAGE}: {package_status()}")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", required=True, help="the build folder")
    parser.add_argument("--cpack", default="cpack")
    parser.add_argument("--app-id", required=True, help="the name of the desktop entry, icons and AppStream data")
    args = parser.parse_args()

    # A termination by CTest's time-out should still clean up.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))
    with tempfile.TemporaryDirectory(prefix="velmo-install-") as scratch:
        try:
            return test_package(args, Path(scratch)) or 0
        except (AssertionError, RuntimeError) as failure:
            print(f"FAILED: {failure}")
            return 1


if __name__ == "__main__":
    sys.exit(main())
