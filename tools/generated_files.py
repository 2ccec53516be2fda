"""Writing or checking the data files a generator in tools/ produces (shared by the generators)."""

import os


def data_dir():
    """The repository's data/ folder."""
    return os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data")


def write_or_check(files, argv):
    """files: name -> text. With --check in argv, lists the shipped files that differ and returns 1
    when any does; otherwise writes them all (UTF-8, LF) and returns 0."""
    folder = data_dir()
    if "--check" in argv:
        stale = []
        for name, text in files.items():
            path = os.path.join(folder, name)
            if not os.path.exists(path) or open(path, encoding="utf-8").read() != text:
                stale.append(name)
                print("differs: " + name)
        return 1 if stale else 0
    for name, text in files.items():
        with open(os.path.join(folder, name), "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
    return 0
