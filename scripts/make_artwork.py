#!/usr/bin/python3
"""Generates the program's artwork (SVG) under resources/art and the resource list
resources/artwork.qrc. Run once after a change; the output is committed."""
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent / "resources"
ART = ROOT / "art"
FONT = "font-family='DejaVu Sans, Arial, sans-serif'"
files = {}


def svg(name, w, h, body):
    files[name] = (f"<svg xmlns='http://www.w3.org/2000/svg' width='{w}' height='{h}' viewBox='0 0 {w} {h}'>"
                   f"<defs>{DEFS}</defs>{body}</svg>\n")


DEFS = ("<linearGradient id='bg' x1='0' y1='0' x2='0' y2='1'><stop offset='0' stop-color='#10263f'/>"
        "<stop offset='1' stop-color='#0b1a2c'/></linearGradient>"
        "<linearGradient id='panel' x1='0' y1='0' x2='0' y2='1'><stop offset='0' stop-color='#1d3b5e'/>"
        "<stop offset='1' stop-color='#162f4c'/></linearGradient>"
        "<linearGradient id='btn' x1='0' y1='0' x2='0' y2='1'><stop offset='0' stop-color='#3d8bfd'/>"
        "<stop offset='1' stop-color='#2463c9'/></linearGradient>"
        "<linearGradient id='go' x1='0' y1='0' x2='0' y2='1'><stop offset='0' stop-color='#34c06b'/>"
        "<stop offset='1' stop-color='#1f8f4c'/></linearGradient>"
        "<linearGradient id='tool' x1='0' y1='0' x2='0' y2='1'><stop offset='0' stop-color='#2a4d77'/>"
        "<stop offset='1' stop-color='#1f3c5f'/></linearGradient>")


def text(x, y, s, size=12, fill="#dbe8f7", weight="normal", anchor="start", style="normal"):
    return (f"<text x='{x}' y='{y}' {FONT} font-size='{size}' fill='{fill}' font-weight='{weight}' "
            f"font-style='{style}' text-anchor='{anchor}'>{s}</text>")


def panel(x, y, w, h, title=None, step=None):
    out = f"<rect x='{x}' y='{y}' width='{w}' height='{h}' rx='8' fill='url(#panel)' stroke='#2f5684'/>"
    if step:
        out += f"<circle cx='{x + 16}' cy='{y + 16}' r='10' fill='#3d8bfd'/>" + text(x + 16, y + 20, step, 12, "#fff", "bold", "middle")
    if title:
        out += text(x + (32 if step else 12), y + 21, title, 13, "#ffffff", "bold")
    return out


# --- the calculation window's background, 1000 x 649 ---
bg = "<rect width='1000' height='649' fill='url(#bg)'/>"
bg += text(16, 30, "Vantrell", 22, "#ffffff", "bold") + text(16, 46, "neural trading signals", 11, "#8fb3dc")
bg += panel(6, 54, 988, 112)
bg += "<circle cx='322' cy='71' r='10' fill='#3d8bfd'/>" + text(322, 75, "1", 12, "#fff", "bold", "middle")
bg += text(338, 76, "Enter prices", 13, "#ffffff", "bold")
bg += text(16, 82, "Short term", 12, "#cfe3ff", "bold") + text(110, 82, "10 closes", 11, "#8fb3dc")
bg += text(16, 130, "Long term", 12, "#cfe3ff", "bold") + text(110, 130, "10 peaks", 11, "#8fb3dc")
bg += text(440, 76, "oldest  \u2192  newest (the last is the current price)", 11, "#8fb3dc")
bg += text(784, 80, "Add a price", 11, "#8fb3dc")
bg += panel(6, 172, 548, 130, "Set parameters", "2")
for y, label in ((223, "Time frame"), (247, "Currency"), (271, "Market")):
    bg += text(20, y, label, 12)
for x, label in ((296, "Stop loss"), (392, "Take profit"), (490, "Decimals")):
    bg += text(x, 212, label, 11, "#8fb3dc")
bg += panel(560, 172, 434, 130, "Results", "3")
bg += text(656, 230, "Short", 12, "#cfe3ff", "bold") + text(872, 230, "Long", 12, "#cfe3ff", "bold")
for y, label in ((247, "Stop loss"), (269, "Take profit"), (291, "Predicted")):
    bg += text(572, y, label, 11, "#8fb3dc")
for x, title in ((6, "Short term chart"), (500, "Long term chart")):
    bg += panel(x, 310, 494, 333, title)
    cx = x + 24 if x == 6 else 544
    bg += (f"<rect x='{cx}' y='360' width='425' height='249' rx='4' fill='#0d2037' stroke='#2a4a70'/>")
    for i in range(1, 5):
        gy = 360 + i * 50
        bg += f"<line x1='{cx + 4}' y1='{gy}' x2='{cx + 421}' y2='{gy}' stroke='#1a3453' stroke-width='1'/>"
svg("background", 1000, 649, bg)


def button(name, w, h, label, fill="url(#btn)", size=13, icon=""):
    body = (f"<rect x='0.5' y='0.5' width='{w - 1}' height='{h - 1}' rx='{min(8, h // 3)}' fill='{fill}' "
            f"stroke='#0b1a2c' stroke-opacity='0.5'/>{icon}")
    body += text(w / 2 + (9 if icon else 0), h / 2 + size * 0.36, label, size, "#ffffff", "bold", "middle")
    svg(name, w, h, body)


def glyph(kind, x, y, s=16, color="#ffffff"):
    """Small line icons drawn in a box of size s at (x, y)."""
    c = f"stroke='{color}' stroke-width='2' fill='none' stroke-linecap='round' stroke-linejoin='round'"
    thin = c.replace("stroke-width='2'", "stroke-width='1.2'")
    if kind == "open":
        return f"<path d='M{x} {y + s * .25} h{s * .35} l{s * .12} {s * .12} h{s * .53} v{s * .63} h-{s} z' {c}/>"
    if kind == "save":
        return (f"<rect x='{x}' y='{y}' width='{s}' height='{s}' rx='2' {c}/>"
                f"<rect x='{x + s * .25}' y='{y}' width='{s * .5}' height='{s * .32}' {c}/>")
    if kind == "clear":
        return f"<path d='M{x + s * .2} {y + s * .2} L{x + s * .8} {y + s * .8} M{x + s * .8} {y + s * .2} L{x + s * .2} {y + s * .8}' {c}/>"
    if kind == "options":
        return (f"<circle cx='{x + s / 2}' cy='{y + s / 2}' r='{s * .22}' {c}/>"
                f"<circle cx='{x + s / 2}' cy='{y + s / 2}' r='{s * .45}' {c} stroke-dasharray='3 2.5'/>")
    if kind == "help":
        return (f"<circle cx='{x + s / 2}' cy='{y + s / 2}' r='{s * .46}' {c}/>"
                + text(x + s / 2, y + s * .74, "?", s * .7, color, "bold", "middle"))
    if kind == "new":
        return (f"<path d='M{x + s * .15} {y} h{s * .5} l{s * .2} {s * .2} v{s * .8} h-{s * .7} z' {c}/>"
                f"<path d='M{x + s * .5} {y + s * .4} v{s * .4} M{x + s * .3} {y + s * .6} h{s * .4}' {c}/>")
    if kind == "money":
        return (f"<circle cx='{x + s / 2}' cy='{y + s / 2}' r='{s * .46}' {c}/>"
                + text(x + s / 2, y + s * .72, "$", s * .62, color, "bold", "middle"))
    if kind == "lines":
        return (f"<path d='M{x} {y + s * .85} L{x + s * .3} {y + s * .55} L{x + s * .55} {y + s * .7} L{x + s} {y + s * .2}' {c}/>"
                f"<path d='M{x} {y + s * .45} L{x + s} {y} M{x} {y + s} L{x + s} {y + s * .55}' {thin} stroke-dasharray='2 2'/>")
    if kind == "ma":
        return (f"<path d='M{x} {y + s * .8} C{x + s * .3} {y + s * .2},{x + s * .6} {y + s},{x + s} {y + s * .25}' {c}/>"
                f"<path d='M{x} {y + s * .6} L{x + s} {y + s * .45}' {thin}/>")
    return ""


for name, label, kind in (("tool_load", "Load", "open"), ("tool_save", "Save", "save"), ("tool_clear", "Clear", "clear"),
                          ("tool_options", "Options", "options"), ("tool_help", "Help", "help")):
    button(name, 110, 34, label, "url(#tool)", 13, glyph(kind, 16, 9))
button("add", 90, 24, "Add", "url(#btn)", 12)
button("clear_row", 44, 18, "Clear", "#4a5f7a", 10)
button("calculate", 120, 34, "Calculate", "url(#go)", 14)
svg("help_small", 18, 18, "<circle cx='9' cy='9' r='8.5' fill='#f2c94c'/>" + text(9, 13.5, "?", 13, "#1b2a3a", "bold", "middle"))
svg("notice", 994, 64, "<rect x='0.5' y='0.5' width='993' height='63' rx='8' fill='#1f6f4a' stroke='#34c06b'/>")

# Signal pictures: large (Image4/Image5), chart badge 100 x 41, small icon 39 x 35.
SIGNALS = {"buy": ("#1f9d55", "#34c06b", "BUY"), "sell": ("#c0392b", "#e5533d", "SELL"),
           "notrade": ("#6b7a8c", "#8a99ab", "NO TRADE")}


def arrow(kind, cx, cy, size, color="#ffffff"):
    if kind == "buy":
        return (f"<path d='M{cx} {cy - size} L{cx + size * .9} {cy} H{cx + size * .35} V{cy + size} H{cx - size * .35} "
                f"V{cy} H{cx - size * .9} Z' fill='{color}'/>")
    if kind == "sell":
        return (f"<path d='M{cx} {cy + size} L{cx + size * .9} {cy} H{cx + size * .35} V{cy - size} H{cx - size * .35} "
                f"V{cy} H{cx - size * .9} Z' fill='{color}'/>")
    return (f"<rect x='{cx - size}' y='{cy - size * .28}' width='{size * 2}' height='{size * .56}' rx='{size * .2}' "
            f"fill='{color}'/>")


for kind, (dark, light, label) in SIGNALS.items():
    grad = (f"<linearGradient id='s{kind}' x1='0' y1='0' x2='0' y2='1'><stop offset='0' stop-color='{light}'/>"
            f"<stop offset='1' stop-color='{dark}'/></linearGradient>")
    size = 11 if kind != "notrade" else 10
    svg("signal_" + kind, 70, 52,
        f"<defs>{grad}</defs><rect x='1' y='1' width='68' height='50' rx='10' fill='url(#s{kind})' stroke='#0b1a2c' stroke-opacity='.4'/>"
        + arrow(kind, 35, 19, size) + text(35, 45, label, 11 if kind != "notrade" else 9, "#ffffff", "bold", "middle"))
    svg("badge_" + kind, 100, 41,
        f"<defs>{grad}</defs><rect x='1' y='1' width='98' height='39' rx='8' fill='url(#s{kind})' stroke='#0b1a2c' stroke-opacity='.4'/>"
        + (arrow(kind, 20, 20.5, 9) + text(62, 26, label, 13, "#ffffff", "bold", "middle") if kind != "notrade"
           else arrow(kind, 16, 20.5, 6) + text(60, 25, label, 10.5, "#ffffff", "bold", "middle")))
    svg("small_" + kind, 39, 35,
        f"<defs>{grad}</defs><rect x='1' y='1' width='37' height='33' rx='8' fill='url(#s{kind})' stroke='#0b1a2c' stroke-opacity='.4'/>"
        + arrow(kind, 19.5, 17.5, 10))

# Tool bar and menu icons, 24 x 24, dark strokes for a light tool bar.
for kind in ("new", "open", "save", "money", "lines", "ma", "help"):
    svg("icon_" + kind, 24, 24, glyph(kind, 3, 3, 18, "#1f4f86"))

# The about picture and window icon.
svg("logo", 96, 96,
    "<rect width='96' height='96' rx='20' fill='url(#bg)'/>"
    "<path d='M14 70 L34 50 L48 60 L80 24' stroke='#34c06b' stroke-width='7' fill='none' stroke-linecap='round' stroke-linejoin='round'/>"
    "<circle cx='80' cy='24' r='7' fill='#f2c94c'/>")

ART.mkdir(parents=True, exist_ok=True)
for name, content in files.items():
    (ART / f"{name}.svg").write_text(content)
qrc = "<RCC>\n  <qresource prefix=\"/\">\n" + "".join(
    f"    <file>art/{name}.svg</file>\n" for name in sorted(files)) + "  </qresource>\n</RCC>\n"
(ROOT / "artwork.qrc").write_text(qrc)
