#!/usr/bin/env python3
"""Fails when the editor's shell (editor/shell) stops running one way.

The shell stands in layers; a file includes files of its own layer and of the layers below it,
never one above, and the files include each other in no circle:

    base      ids and resources, the windows' placement slots, project folders, the memory probe,
              sound, the system bitmaps, the drawing of elements and their graphic ranges, the
              cells a line or rectangle of cells reaches
    document  the stage document and its undo history, the editor's project objects and their
              files: they know no window, not even the framework's window classes
    canvas    the stage canvas and its painting
    windows   the shared window state, the main window with its menu and toolbar, the frame, the
              stage settings sheet and its pages, the test play
    app       start-up, the message loop and shut-down

Only the app layer includes the editor's other libraries (palette, database, flow, world): they
stand above the shell. A file that no layer lists fails as well, so that each new file takes its
place here. In the palette, database, world and flow libraries, too, no files include each other
in a circle: a window includes its sheets, pages and palettes, and they reach it through small
headers of their own.

    check_layers.py [ROOT]      checks ROOT/editor/shell (ROOT: the repository)
    check_layers.py --self-test checks the rules on small trees made for the purpose
"""
import pathlib
import re
import sys
import tempfile

LAYERS = [
    ("base", ["EditorIds", "StageSettingIds", "Editor", "StageSettings", "AvailMemory", "ProjectFolders",
              "EditorSound", "SystemBitmaps", "DrawObject", "GraphicRanges", "CanvasWalk", "WindowPlaces"]),
    ("document", ["UndoHistory", "StageDoc", "EditorProject", "EditorFiles", "LoadProject", "StageFiles"]),
    ("canvas", ["CanvasPaint", "StageCanvas"]),
    ("windows", ["EditorState", "EditorOpeners", "MainMenuStates", "TestPlay", "StagePage", "StageAdvancedPages",
                 "BackLayerDlg", "StageBasicPage", "StageSettingSheet", "EditWnd", "FrameWnd"]),
    ("app", ["App", "WinMain"]),
]
# The framework's window classes, which the layers below the canvas do without.
WINDOW_CLASSES = {"ChildWnd.h", "Page.h", "PropSheet.h", "TopWnd.h", "Ctrl.h"}
OTHER_LIBRARIES = ("palette", "database", "flow", "world")
# The libraries whose files, besides the shell's, include each other in no circle.
ONE_WAY_LIBRARIES = ("palette", "database", "world", "flow")

include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def check(root):
    """The faults of ROOT/editor/shell, one line each."""
    level = {stem: n for n, (_, stems) in enumerate(LAYERS) for stem in stems}
    names = [name for name, _ in LAYERS]
    shell = root / "editor" / "shell"
    faults = []
    edges = {}
    for path in sorted(shell.iterdir()):
        if path.suffix not in (".h", ".cpp", ".rc"):
            continue
        stem = path.stem
        where = f"editor/shell/{path.name}"
        if stem not in level:
            faults.append(f"{where}: in no layer (add it to one in tests/shell/check_layers.py)")
            continue
        mine = level[stem]
        for target in include.findall(path.read_text(encoding="utf-8", errors="replace")):
            parts = target.split("/")
            if parts[:2] == ["editor", "shell"] and len(parts) == 3:
                other = pathlib.PurePosixPath(parts[2]).stem
                if other == stem:
                    continue
                edges.setdefault(stem, set()).add(other)
                if other in level and level[other] > mine:
                    faults.append(f"{where} includes {target}: the {names[mine]} layer may not include the "
                                  f"{names[level[other]]} layer")
            elif parts[0] == "editor" and len(parts) > 1 and parts[1] in OTHER_LIBRARIES and mine < len(LAYERS) - 1:
                faults.append(f"{where} includes {target}: only the app layer includes the libraries above the shell")
            elif parts[0] == "framework" and parts[-1] in WINDOW_CLASSES and mine <= names.index("document"):
                faults.append(f"{where} includes {target}: the {names[mine]} layer knows no window")
    faults.extend(f"editor/shell: files that include each other in a circle: {', '.join(c)}" for c in circles(edges))
    for library in ONE_WAY_LIBRARIES:
        faults.extend(f"editor/{library}: files that include each other in a circle: {', '.join(c)}"
                      for c in circles(folder_edges(root / "editor" / library)))
    return faults


def folder_edges(folder):
    """Which files (by name without extension) of the folder include which others of it."""
    edges = {}
    if not folder.is_dir():
        return edges
    prefix = f"editor/{folder.name}/"
    for path in sorted(folder.iterdir()):
        if path.suffix not in (".h", ".cpp"):
            continue
        for target in include.findall(path.read_text(encoding="utf-8", errors="replace")):
            if target.startswith(prefix) and target.count("/") == 2:
                other = pathlib.PurePosixPath(target).stem
                if other != path.stem:
                    edges.setdefault(path.stem, set()).add(other)
    return edges


def circles(edges):
    """The files of each circle of includes (each group of files that reach each other), sorted."""
    index, low, stack, on, found, counter = {}, {}, [], set(), [], [0]

    def visit(node):
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on.add(node)
        for nxt in sorted(edges.get(node, ())):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            group = []
            while True:
                top = stack.pop()
                on.discard(top)
                group.append(top)
                if top == node:
                    break
            if len(group) > 1:
                found.append(sorted(group))

    for node in sorted(edges):
        if node not in index:
            visit(node)
    return found


def self_test():
    """The rules on small trees: each case's files and whether the check finds a fault."""
    cases = [
        ("a window uses the document", {"EditWnd.cpp": ["editor/shell/StageDoc.h"]}, False),
        ("the document includes the main window", {"StageDoc.cpp": ["editor/shell/EditWnd.h"]}, True),
        ("the undo history includes the app", {"UndoHistory.h": ["editor/shell/App.h"]}, True),
        ("the canvas includes the frame", {"StageCanvas.cpp": ["editor/shell/FrameWnd.h"]}, True),
        ("the document includes a framework window", {"StageFiles.cpp": ["framework/Page.h"]}, True),
        ("the canvas includes a framework window", {"StageCanvas.cpp": ["framework/Page.h"]}, False),
        ("a window includes a palette window", {"EditWnd.cpp": ["editor/palette/DataWnd.h"]}, True),
        ("the entry includes a palette window", {"WinMain.cpp": ["editor/palette/DataWnd.h"]}, False),
        ("a file in no layer", {"Stray.cpp": []}, True),
        ("two windows in a circle", {"EditWnd.cpp": ["editor/shell/FrameWnd.h"],
                                     "FrameWnd.cpp": ["editor/shell/EditWnd.h"]}, True),
        ("a file with its own header", {"StageDoc.cpp": ["editor/shell/StageDoc.h"], "StageDoc.h": []}, False),
        ("a palette window and its sheet in a circle", {"palette/DataWnd.cpp": ["editor/palette/CharaSheet.h"],
                                                        "palette/CharaSheet.h": ["editor/palette/DataWnd.h"]}, True),
        ("a sheet through its page's own header", {"palette/DataWnd.cpp": ["editor/palette/CharaSheet.h"],
                                                   "palette/CharaSheet.h": ["editor/palette/DataSheetOwner.h"]}, False),
        ("a database page includes its window", {"database/DatabaseWnd.cpp": ["editor/database/DbPage.h"],
                                                 "database/DbPage.cpp": ["editor/database/DatabaseWnd.h"]}, True),
    ]
    failed = 0
    for name, files, faulty in cases:
        with tempfile.TemporaryDirectory() as folder:
            editor = pathlib.Path(folder) / "editor"
            (editor / "shell").mkdir(parents=True)
            for file, targets in files.items():
                # A bare name is a shell file; another library's file names its folder.
                path = editor / (file if "/" in file else f"shell/{file}")
                path.parent.mkdir(parents=True, exist_ok=True)
                path.write_text("".join(f'#include "{t}"\n' for t in targets), encoding="utf-8")
            found = check(pathlib.Path(folder))
        if bool(found) != faulty:
            failed += 1
            print(f"self-test '{name}': expected {'a fault' if faulty else 'none'}, found {found}")
    return failed


if __name__ == "__main__":
    if sys.argv[1:] == ["--self-test"]:
        sys.exit(1 if self_test() else 0)
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parents[2])
    faults = check(root)
    for fault in faults:
        print(fault)
    sys.exit(1 if faults else 0)
