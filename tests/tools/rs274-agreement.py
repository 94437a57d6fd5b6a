#!/usr/bin/env python3
"""Every golden program, in the dot form, read by LinuxCNC's interpreter (rs274) and by our
reader (`inspect --json --moves`): the interpreter must accept it whole, and both must put the
tool at the same places in the same order.
  rs274-agreement.py CLI GOLDEN_DIR
Both start at 0,0,0 (the reader's axes not yet written are taken there), and moves that end
where the tool already stands are left out on both sides (the interpreter reports a rapid to
the place the tool is at). Both read the
drilling cycles with LinuxCNC's back-off of 0,254 mm above the last peck."""
import json
import re
import subprocess
import sys
import tempfile
from pathlib import Path

CANON = re.compile(
    r"(STRAIGHT_TRAVERSE|STRAIGHT_FEED|ARC_FEED|SET_G5X_OFFSET|SET_G92_OFFSET)\(([^)]*)\)")
TOLERANCE = 1e-3


def dot_form(text):
    # numbers outside comments only: "X12,5" becomes "X12.5"
    out = []
    for line in text.splitlines():
        parts = re.split(r"(\([^)]*\))", line)
        out.append("".join(p if p.startswith("(") else re.sub(r"(\d),(\d)", r"\1.\2", p)
                           for p in parts))
    return "\n".join(out) + "\n"


def interpreter_places(ngc, work):
    out = work / "canon.txt"
    tools = work / "tools.tbl"
    if not tools.exists():  # the tools the wizards change to, each of some diameter
        tools.write_text("".join(f"T{n} P{n} D6\n" for n in range(1, 100)))
    run = subprocess.run(["rs274", "-t", str(tools), "-g", str(ngc), str(out)], stdin=subprocess.DEVNULL,
                         capture_output=True, text=True, errors="replace", timeout=120)
    canon = out.read_text(errors="replace") if out.exists() else ""
    if run.returncode != 0 or "error" in (run.stdout + run.stderr).lower():
        raise ValueError("rs274 refused it: " + (run.stdout + run.stderr).strip()[-300:])
    # the interpreter says where the tool goes in the work offset in force (G54..G59 and
    # G92 on top), the reader in the machine's coordinates
    places, g5x, g92 = [], [0.0] * 3, [0.0] * 3
    for kind, args in CANON.findall(canon):
        v = [float(a) for a in args.split(",")]
        if kind == "SET_G5X_OFFSET":
            g5x = v[1:4]
            continue
        if kind == "SET_G92_OFFSET":
            g92 = v[0:3]
            continue
        # an arc's first end, second end, ..., and its end on the axis (the XY plane)
        at = (v[0], v[1], v[5]) if kind == "ARC_FEED" else (v[0], v[1], v[2])
        places.append(tuple(a + b + c for a, b, c in zip(at, g5x, g92)))
    return places


def reader_places(cli, ngc):
    run = subprocess.run([cli, "inspect", str(ngc), "--json", "--moves", "--back-off=0.254",
                          "--decimal-separator=."], capture_output=True, text=True, timeout=120)
    if run.returncode == 2:
        raise ValueError("our reader could not read it: " + run.stderr.strip())
    report = json.loads(run.stdout)
    if report["warnings"]:
        raise ValueError("our reader warns: " + str(report["warnings"][:3]))
    # an axis not yet written: where the interpreter starts it, at 0
    return [tuple(0.0 if a is None else a for a in m["end"]) for m in report["move_list"]
            if m["kind"] in ("rapid", "feed", "arc")]


def distinct(places):
    kept = [(0.0, 0.0, 0.0)]  # where both start
    for p in places:
        if not same(p, kept[-1]):
            kept.append(p)
    return kept


def same(ours, theirs):
    return all(abs(a - b) <= TOLERANCE for a, b in zip(ours, theirs))


def compare(cli, tap, work):
    ngc = work / "program.ngc"
    ngc.write_text(dot_form(tap.read_bytes().decode("cp1250")), encoding="utf-8")
    theirs = distinct(interpreter_places(ngc, work))
    ours = distinct(reader_places(cli, ngc))
    for i, (o, t) in enumerate(zip(ours, theirs)):
        if not same(o, t):
            raise ValueError(f"move {i + 1}: reader {o}, interpreter {t}")
    if len(ours) != len(theirs):
        raise ValueError(f"{len(ours)} moves read, the interpreter made {len(theirs)}")
    return len(ours) - 1


def main():
    cli, golden = sys.argv[1], Path(sys.argv[2])
    failures, programs, moves = [], 0, 0
    with tempfile.TemporaryDirectory() as tmp:
        work = Path(tmp)
        for tap in sorted(golden.glob("*/*.tap")):
            if tap.with_suffix(".err").exists() and tap.with_suffix(".err").stat().st_size:
                continue  # a refused input: no program
            if not tap.stat().st_size:
                continue
            if b"#" in tap.read_bytes():
                continue  # the spiral's parametric form is QORIX's dialect (its "%"), not LinuxCNC's
            try:
                moves += compare(cli, tap, work)
                programs += 1
            except (ValueError, subprocess.TimeoutExpired) as e:
                failures.append(f"{tap.parent.name}/{tap.name}: {e}")
    print(f"{programs} programs, {moves} moves agree")
    for f in failures:
        print("DIFFERS " + f)
    return 1 if failures or not programs else 0


if __name__ == "__main__":
    sys.exit(main())
