#!/usr/bin/env python3
"""Counts the #include "folder/..." lines between the folders of src/ and checks they point down.

    scripts/include_graph.py [--check]

Prints a table of folder -> folder include counts. With --check, exits 1 when any include points
from a folder to one above it or beside it (or to a folder that is not in the layer list below).
A folder split into sub-folders (src/platform) counts each sub-folder as a folder of its own,
named with both levels ("platform/widgets"); its files outside the sub-folders are "platform".
"""
import pathlib
import re
import sys

# Lowest first. A folder may include its own files and those of any folder in a lower layer.
LAYERS = [
    ["platform"],
    ["platform/widgets", "platform/audio", "platform/storage", "platform/images", "platform/modules"],
    ["core"],
    ["letters", "pictures", "sound", "progress"],
    ["games", "colouring", "corner", "slogi"],
    ["app"],
]
RANK = {folder: rank for rank, layer in enumerate(LAYERS) for folder in layer}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([A-Za-z_]+(?:/[A-Za-z_]+)*)/[^/"]+"')


def folder_of(src: pathlib.Path, parts) -> str:
    """The folder a path inside src/ (as its parts, the file's name last) belongs to."""
    if len(parts) > 2 and (src / parts[0] / parts[1]).is_dir():
        return f"{parts[0]}/{parts[1]}"
    return parts[0]


def edges(src: pathlib.Path):
    counts = {}
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp") or path.parent == src:
            continue
        origin = folder_of(src, path.relative_to(src).parts)
        for line in path.read_text(encoding="utf-8").splitlines():
            m = INCLUDE.match(line)
            if not m:
                continue
            target = folder_of(src, m.group(1).split("/") + ["file"])
            if target != origin:
                key = (origin, target)
                counts[key] = counts.get(key, 0) + 1
    return counts


def main() -> int:
    src = pathlib.Path(__file__).resolve().parent.parent / "src"
    counts = edges(src)
    upward = [(a, b, n) for (a, b), n in sorted(counts.items())
              if a not in RANK or b not in RANK or RANK[b] >= RANK[a]]
    print(f"{'from':<18} {'to':<18} {'includes':>8}")
    for (a, b), n in sorted(counts.items()):
        mark = "  <- upward or sideways" if (a, b, n) in upward else ""
        print(f"{a:<18} {b:<18} {n:>8}{mark}")
    if "--check" in sys.argv[1:] and upward:
        print(f"{len(upward)} folder edge(s) point upward or sideways", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
