#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# License: GNU General Public License, version 3 or any later version.
"""A theatre's evening with a cue system, by hand on a real X display (under Xvfb and openbox).

A cue system fires /lumetra/go every 0.3 s through a 300-line show (15 lines scrolling in, the
others each in a mode of its own) to a port of two lumetra-signs, while an operator, played by
xdotool, corrects line 151 in the caption list, changes line 200's mode from the open mode list
with the mouse and line 250's with the arrow keys. Afterwards it tells whether every line reached
both signs once, in order, each in its stored mode (the changed lines in their new modes), and
whether any GO was refused; the pictures along the way show the playhead's mark.
  scripts/cue-run-check.py OUT_DIR   (needs xvfb, openbox, xdotool, imagemagick; a built tree)
"""
import json, os, socket, struct, subprocess, sys, threading, time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CLIENT = (14, 46)  # the window's client area within its skinned frame
OSC_PORT = 9123


def show_lines():
    lines = []
    for i in range(300):
        if i % 20 == 7:
            lines.append((f"第{i + 1}句 这是一句很长的字幕，要从右向左移入，比显示屏宽得多 Line {i + 1}", 1))
        else:
            lines.append((f"第{i + 1}句字幕 Line {i + 1}", [0, 2, 3, 4, 5, 6, 9, 10, 11, 12, 14, 18, 19][i % 13]))
    return lines


def osc_go():
    return b"/lumetra/go\0" + b",\0\0\0"


def osc_decode(data):
    def string(at):
        end = data.index(b"\0", at)
        return data[at:end].decode("utf-8", "replace"), (end + 4) & ~3
    address, at = string(0)
    tags, at = string(at)
    args = []
    for tag in tags[1:]:
        if tag == "i":
            args.append(struct.unpack(">i", data[at:at + 4])[0])
            at += 4
        elif tag == "s":
            text, at = string(at)
            args.append(text)
    return address, args


def main(out):
    if not os.environ.get("DISPLAY"):
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1280x800x24", sys.argv[0], out])
    out = os.path.abspath(out)
    work = os.path.join(out, "work")
    subprocess.run(["rm", "-rf", out])
    os.makedirs(work)
    env = dict(os.environ, XDG_STATE_HOME=f"{work}/state", XDG_CONFIG_HOME=f"{work}/config")
    procs = []

    def sign(name):
        p = subprocess.Popen([f"{ROOT}/build/src/sign/lumetra-sign", "--headless"], stdout=subprocess.PIPE, text=True)
        procs.append(p)
        device = p.stdout.readline().strip()

        def keep():
            with open(f"{out}/{name}.jsonl", "w") as report:
                for line in p.stdout:
                    report.write(line)
                    report.flush()
        threading.Thread(target=keep, daemon=True).start()
        return device

    env["LUMETRA_COM1"] = ",".join([sign("left"), sign("right")])
    body = ["1", "14", "255", "宋体"]
    for text, mode in show_lines():
        body += [text, "0", "5", str(mode)]
    open(f"{work}/lw1.ini", "wb").write(("\r\n".join(body) + "\r\n").encode("gb18030"))
    subprocess.run(["cp", f"{ROOT}/build/src/app/lumetra", work], check=True)
    procs.append(subprocess.Popen(["openbox"], stderr=subprocess.DEVNULL))
    time.sleep(1.5)
    procs.append(subprocess.Popen([f"{work}/lumetra", "--osc", f"127.0.0.1:{OSC_PORT}"], cwd=work, env=env,
                                  stderr=open(f"{out}/console.err", "w")))
    time.sleep(4)

    def xdo(*args):
        return subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True).stdout.strip()

    def geometry(window):
        return {k: int(v) for k, v in (line.split("=") for line in xdo("getwindowgeometry", "--shell", window).split("\n"))}

    window = geometry(xdo("search", "--name", "Lumetra2.0").split("\n")[0])
    cx, cy = window["X"] + CLIENT[0], window["Y"] + CLIENT[1]
    start = time.monotonic()

    def click(x, y):
        xdo("mousemove", cx + x, cy + y)
        time.sleep(0.05)
        xdo("click", 1)

    def shot(name):
        subprocess.run(["import", "-window", "root", f"{out}/{name}.png"])
        print(f"{time.monotonic() - start:6.2f} s: {out}/{name}.png", flush=True)

    def until(seconds):
        time.sleep(max(0, start + seconds - time.monotonic()))

    # The cue system fires on its own clock, never less than 0.3 s apart, whatever the answers.
    desk = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    desk.bind(("127.0.0.1", 0))
    desk.settimeout(30)
    sent_at, cues = [], []

    def fire():
        for k in range(300):
            due = start + 0.3 * k if not sent_at else max(start + 0.3 * k, sent_at[-1] + 0.3)
            time.sleep(max(0, due - time.monotonic()))
            sent_at.append(time.monotonic())
            desk.sendto(osc_go(), ("127.0.0.1", OSC_PORT))

    def hear():
        for k in range(300):
            answers = []
            while not answers or answers[-1][0] != "/lumetra/state":
                answers.append(osc_decode(desk.recv(65536)))
            cues.append({"at": sent_at[k] - start, "answered_in_ms": (time.monotonic() - sent_at[k]) * 1000,
                         "answers": answers})

    hearing = threading.Thread(target=hear)
    hearing.start()
    threading.Thread(target=fire).start()

    until(6); shot("01-start")
    # Line 151 corrected in the caption list, by keyboard from the list's first line.
    until(10); click(100, 100); xdo("key", "ctrl+Home"); xdo("key", "--delay", 5, "--repeat", 150, "Down")
    xdo("key", "End"); xdo("type", "--delay", 40, " (fixed)")
    until(18); shot("02-line-151-corrected")
    # Line 200's mode with the mouse: the line selected in the play list, a mode chosen from the list.
    click(380, 40); xdo("key", "Home"); xdo("key", "--delay", 5, "--repeat", 199, "Down")
    until(24); click(424, 290); time.sleep(0.8); shot("03-mode-list-open-for-line-200")
    for candidate in filter(None, xdo("search", "--onlyvisible", "--name", ".*").split("\n")):
        box = geometry(candidate)
        if box["WIDTH"] < 200 and 200 < box["HEIGHT"] < 400:  # the open list of 20 modes
            xdo("mousemove", box["X"] + 50, int(box["Y"] + 10.5 * box["HEIGHT"] / 20))
            time.sleep(0.1)
            xdo("click", 1)
    time.sleep(0.5); shot("04-line-200-in-mode-10")
    # Line 250's mode with the keyboard: two steps down the selector's list.
    until(30); click(380, 150); xdo("key", "Home"); xdo("key", "--delay", 5, "--repeat", 249, "Down")
    click(360, 290); xdo("key", "Down"); time.sleep(0.2); xdo("key", "Down")
    time.sleep(0.5); shot("05-line-250-two-modes-on")
    # The list scrolled back by the wheel to where the playhead stands; the selection stays.
    until(42); xdo("mousemove", cx + 380, cy + 120); xdo("click", "--repeat", 33, "--delay", 10, 4)
    shot("06-the-playhead-mark")
    hearing.join()
    time.sleep(1)
    for p in reversed(procs):
        p.terminate()
    json.dump(cues, open(f"{out}/cues.json", "w"), ensure_ascii=False, indent=0)

    log = [line.rstrip("\n").split("\t") for line in open(f"{work}/state/lumetra/sends.log", encoding="utf-8")]
    left = [json.loads(line) for line in open(f"{out}/left.jsonl")]
    right = [json.loads(line) for line in open(f"{out}/right.jsonl")]
    stored = show_lines()
    gaps = [b["at"] - a["at"] for a, b in zip(cues, cues[1:])]
    answered = sorted(c["answered_in_ms"] for c in cues)
    print(f"{len(cues)} GOs, {min(gaps) * 1000:.0f} to {max(gaps) * 1000:.0f} ms apart, answered within "
          f"{answered[-1]:.1f} ms (median {answered[len(answered) // 2]:.1f} ms); refused: "
          f"{[c for c in cues if c['answers'][0][0] == '/lumetra/refused']}")
    print(f"sends logged: {len(log)}; lines 1 to 300 once each, in order: {[int(f[2]) for f in log] == list(range(1, 301))}")
    print("sent in another mode than the show file's:",
          [(int(f[2]), stored[int(f[2]) - 1][1], int(f[3])) for f in log if int(f[3]) != stored[int(f[2]) - 1][1]])
    print("sent with another text than the show file's:", [f[7] for f in log if f[7] != stored[int(f[2]) - 1][0]])
    print(f"both signs got {len(left)} and {len(right)} packets, the same: {left == right}; their modes and pages "
          f"are the log's: {[(r['mode'], r['pages']) for r in left] == [(int(f[3]), int(f[4])) for f in log]}; "
          f"results not ok: {[f for f in log if f[6] != 'ok']}")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "cue-run")
