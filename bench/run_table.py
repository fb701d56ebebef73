#!/usr/bin/env python3
"""The one table of bench/run: every figure against its target.

usage: bench/run_table.py RESULTS_DIR
RESULTS_DIR holds <bench>.json from each Google Benchmark executable,
startup.log, stopname_cpu.log, soak.log and gtfs_memory.log from the
scripts, and "failed", the runs that exited non-zero. Exits 1 when a figure
misses its target or is missing altogether; a figure skipped for want of the
GTFS feed it needs is shown as skipped.
"""
import json
import re
import sys
from pathlib import Path

# (source, benchmark or figure, field, label, unit, limit); a figure passes at
# or under its limit. The limits are the project's speed targets; None shows
# a figure that has no target of its own.
TARGETS = [
    ("panel_step_bench", "stepWithoutPreview", "median_ms", "step, click to board repainted (median)", "ms", 5),
    ("panel_step_bench", "stepWithPreview", "median_ms", "step with ticket preview (median)", "ms", 8),
    ("board_zoom_bench", "zoomChange/400", "real_time", "board zoom change to 400 %, repainted (median)", "ms", 50),
    ("remote_bench", "nextStopToRepainted", "median_ms", "remote next stop to board repainted (median)", "ms", 10),
    ("remote_bench", "nextStopToRepainted", "idle_ticks_3s", "program idle 3 s with its bus service (CPU ticks)", "ticks", 1),
    ("digit_redraw_bench", "fareDisplay/3", "real_time", "fare display redraw (median)", "ms", 0.150),
    ("digit_redraw_bench", "clockDisplay/2", "real_time", "clock field redraw, 2 digits (median)", "ms", 0.100),
    ("digit_redraw_bench", "clockDisplay/3", "real_time", "clock field redraw, 3 digits (median)", "ms", 0.100),
    ("stopname_bench", "setChimeiSevenCells", "real_time", "SetChimei, seven-cell name (median)", "ms", 2),
    ("stopname_bench", "setChimeiShort", "real_time", "SetChimei, short name (median)", "ms", 2),
    ("ticket_draw_bench", "drawTicketWithTwoBarcodes", "real_time", "ticket with two barcodes (median)", "ms", 2),
    ("fare_load_bench", "BM_LoadFareData301Stops", "real_time", "LoadFareData, 301 stops (median)", "ms", 0.3),
    ("sound_latency_bench", "BM_SndPlayToFirstSample", "median_ms", "SndPlay to first sample (median)", "ms", 25),
    ("sound_latency_bench", "BM_RenderTenSecondMidi", "median_ms", "render of 10 s of MIDI (median)", "ms", 150),
    ("sound_latency_bench", "BM_RenderTenSecondMidi", "first_render_ms", "first MIDI render, sound font load", "ms", None),
    ("sound_latency_bench", "BM_ReplayThreeMinuteMidi", "max_ms", "asynchronous replay of a 3-minute MIDI piece (max)", "ms", 5),
    ("sound_latency_bench", "BM_ReplayThreeMinuteMidi", "first_play_ms", "first play of it, rendering included", "ms", None),
    ("speech_bench", "BM_SpeakToFirstAudibleSample", "median_ms", "speak to first audible sample (median)", "ms", 40),
    ("speech_bench", "BM_EngineCreation", "first_in_process_ms", "speech engine, first creation", "ms", 50),
    ("speech_bench", "BM_EngineCreation", "median_ms", "speech engine, later creation (median)", "ms", 50),
    ("jtalk_bench", "BM_SpeakRenderedLineToFirstAudibleSample", "median_ms", "natural voice, rendered line: speak to first audible sample (median)", "ms", 20),
    ("jtalk_bench", "BM_SpeakNewLineToFirstAudibleSample", "median_ms", "natural voice, new 30-character line: speak to first audible sample (median)", "ms", 250),
    ("jtalk_bench", "BM_BackgroundRenderThirtyLines", "wall_s", "natural voice, 30-line route rendered in the background", "s", 10),
    ("jtalk_bench", "BM_BackgroundRenderThirtyLines", "cores", "natural voice, cores used rendering it", "cores", 1.0),
    ("jtalk_bench", "BM_PanelStepWhileRendering", "median_ms", "step while the natural voice renders a route (median)", "ms", 5),
    ("jtalk_bench", "BM_PanelStepWhileRendering", "steps_while_rendering", "steps measured while it rendered", "steps", None),
    ("startup.sh", "median", None, "start-up to board shown (median)", "ms", 300),
    ("stopname_cpu.sh", "Speed 5", None, "stop-name scroll CPU, Speed 5", "% of a core", 3),
    ("settings_bench", "saveIni", "real_time", "SaveIni (mean)", "ms", 5),
    ("settings_bench", "loadIniAndApply", "real_time", "LoadIni and applying it (mean)", "ms", 5),
    # Growth must stay under 2 MB: 2047 kB is the last passing figure.
    ("soak.sh", "growth", None, "soak RSS growth after warm-up", "kB", 2047),
    ("gtfs_bench", "list", "real_time", "hy3tool gtfs list, 74-route feed (median)", "ms", 300),
    ("gtfs_bench", "importRoute", "real_time", "hy3tool gtfs import of one route (median)", "ms", 300),
    ("gtfs_bench", "importAll", "real_time", "hy3tool gtfs import --all, 74 routes (median)", "ms", 2000),
    ("gtfs_memory.sh", "list", None, "hy3tool gtfs list, peak RSS", "kB", None),
    ("gtfs_memory.sh", "import one route", None, "hy3tool gtfs import of one route, peak RSS", "kB", None),
    ("gtfs_memory.sh", "import all", None, "hy3tool gtfs import --all, peak RSS", "kB", None),
]

TIME_UNITS_IN_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1000.0}


def benchmark_key(run_name):
    """clockDisplay/2/repeats:5 -> clockDisplay/2; options of the run dropped."""
    parts = [p for p in run_name.split("/") if not re.fullmatch(r"(repeats|iterations|min_time):.*|manual_time|real_time", p)]
    return "/".join(parts)


def load_benchmarks(path):
    """{key: entry}, the median aggregate when the run was repeated."""
    found = {}
    for entry in json.loads(path.read_text())["benchmarks"]:
        if entry.get("run_type") == "aggregate" and entry.get("aggregate_name") != "median":
            continue
        found[benchmark_key(entry["run_name"])] = entry
    return found


def script_figure(results, source, name):
    """The number a script printed for a figure, or None."""
    log = results / source.replace(".sh", ".log")
    if not log.exists():
        return None
    patterns = {
        "startup.sh": r"^median: (\d+) ms",
        "stopname_cpu.sh": r"^Speed 5: .* = ([\d.]+) % of one core",
        "soak.sh": r"^soak: growth (-?\d+) kB",
        "gtfs_memory.sh": rf"^{re.escape(name)}: (\d+) kB peak RSS",
    }
    match = re.search(patterns[source], log.read_text(), re.MULTILINE)
    return float(match.group(1)) if match else None


def number(v):
    """Three significant digits, never in exponent form."""
    return f"{v:.0f}" if abs(v) >= 100 else f"{v:.3g}" if abs(v) >= 0.001 else f"{v:.2e}"


def skipped(results, source, entry):
    """Why a figure was skipped for want of what it measures, or None."""
    if entry is not None:
        message = entry.get("error_message", "") if entry.get("error_occurred") else ""
        return message if message.startswith("skipped") else None
    log = results / source.replace(".sh", ".log")
    match = re.search(r"^(skipped.*)$", log.read_text(), re.MULTILINE) if log.exists() else None
    return match.group(1) if match else None


def bench_figure(entry, field):
    if entry.get("error_occurred"):
        return None
    if field == "real_time":
        return entry["real_time"] * TIME_UNITS_IN_MS[entry["time_unit"]]
    return entry.get(field)


def main():
    results = Path(sys.argv[1])
    failed_runs = set((results / "failed").read_text().split()) if (results / "failed").exists() else set()
    benches = {p.stem: load_benchmarks(p) for p in sorted(results.glob("*.json"))}

    rows, failures = [], 0
    covered = set()
    for source, name, field, label, unit, limit in TARGETS:
        entry = None
        if source.endswith(".sh"):
            value = script_figure(results, source, name)
        else:
            entry = benches.get(source, {}).get(name, {})
            covered.add((source, name))
            value = bench_figure(entry, field) if entry else None
        if value is None and skipped(results, source, entry):
            verdict = "skipped (see its log)"
        elif value is None:
            verdict = "FAIL (no figure" + (", run failed)" if source in failed_runs else ")")
        else:
            verdict = "no target" if limit is None else "pass" if value <= limit else "FAIL"
        failures += verdict.startswith("FAIL")
        shown = "—" if value is None else f"{number(value)} {unit}"
        rows.append((label, source, shown, "—" if limit is None else f"≤ {number(limit)} {unit}", verdict))

    # A benchmark nobody gave a target still shows, so a new one is not missed.
    for source, entries in benches.items():
        for name, entry in entries.items():
            if (source, name) in covered:
                continue
            value = bench_figure(entry, "real_time")
            rows.append((name, source, "—" if value is None else f"{number(value)} ms", "—", "no target"))
    # A run that failed without a failing figure to show for it.
    for source in sorted(failed_runs):
        if not any(r[1] == source and r[4].startswith("FAIL") for r in rows):
            rows.append(("(exit status)", source, "non-zero", "0", "FAIL"))
            failures += 1
    targeted = sum(r[3] != "—" and not r[4].startswith("skipped") for r in rows)

    header = ("figure", "from", "measured", "target", "result")
    widths = [max(len(str(r[i])) for r in rows + [header]) for i in range(5)]
    line = lambda r: "  ".join(str(c).ljust(w) for c, w in zip(r, widths)).rstrip()
    print(line(header))
    print(line(tuple("-" * w for w in widths)))
    for row in rows:
        print(line(row))
    print(f"\n{failures} of {targeted} checks FAIL" if failures else f"\nall {targeted} figures meet their targets")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
