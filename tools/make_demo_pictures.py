#!/usr/bin/env python3
"""Draws the demo game's pictures as PNG files into OUTPUT/<folder>/ and
writes their flat colours as a C++ header for the tests.

    make_demo_pictures.py OUTPUT HEADER

Pictures whose pixels the tests read are flat colours without an alpha
channel, most inside a darker frame; COLOURS lists those colours, and the
header repeats them as kDemo<Name> constants (0x00RRGGBB).
"""
import math
import os
import struct
import sys
import zlib

# The flat inner colours (0xRRGGBB) that the tests read back.
COLOURS = {
    "sky": 0x2E4A7A,
    "ground": 0x3C6E47,
    "lantern": 0xD8553A,
    "coin": 0xE8B84A,
    "leaf": 0x4FA35E,
    "veil": 0xF0E6D2,
    "skip": 0x5C8AC0,
    "clip": 0x5CA08A,
    "system": 0xB08A5C,
    "dawn": 0xA8C8E0,
    "field": 0x7FA36B,
    "dusk": 0x3E2A5C,
    "sun": 0xF0A040,
    "lake": 0x3A78B0,
    "hill": 0x9A8A3C,
    "shore": 0x6CB4D8,
    "summit": 0xC8B070,
    "textbox": 0x233350,
    "glow": 0xF2C14E,
    "panel": 0x5A6E8C,
    "boat": 0xE0A050,
    "stripe": 0x58B0A0,
    "knob": 0x4C5A78,
    "beam": 0x50C878,
    "press": 0xE05048,
    "lamp": 0xF0D040,
    "bell": 0xC07AD0,
    "parchment": 0xEFE6CF,
    "gem": 0x2FA89A,
    "speaker": 0x8C5A9E,
    "night": 0x101828,
}

# The bars of the colourful picture "pic/Bars.png", left to right, each 100
# pixels wide; the header lists them as kDemoBars.
BARS = [0xE03C3C, 0xF0A030, 0xE8E040, 0x50C050, 0x40B0C0, 0x4070E0, 0x9050D0, 0xE060A0]


def rgb(value):
    return ((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF)


def darker(value, factor=0.45):
    r, g, b = rgb(value)
    return (int(r * factor) << 16) | (int(g * factor) << 8) | int(b * factor)


def write_png(path, width, height, pixel, alpha=False):
    """pixel(x, y) gives (r, g, b) or, with alpha, (r, g, b, a)."""
    rows = bytearray()
    for y in range(height):
        rows.append(0)  # no filter
        for x in range(width):
            rows.extend(pixel(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    colour_type = 6 if alpha else 2
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    data = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(rows), 9))
            + chunk(b"IEND", b""))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def framed(width, height, inner, border=6):
    """A flat colour inside a frame of its darker shade."""
    edge = rgb(darker(inner, 0.6))
    face = rgb(inner)

    def pixel(x, y):
        if x < border or y < border or x >= width - border or y >= height - border:
            return edge
        return face
    return pixel


# A 5 x 7 pixel font for the few words drawn into pictures whose label the
# engine gives no place for: each letter is seven rows of five bits, the
# leftmost pixel the highest bit.
LETTERS = {
    " ": (0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00),
    "A": (0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11),
    "B": (0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E),
    "C": (0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E),
    "D": (0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E),
    "E": (0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F),
    "G": (0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F),
    "K": (0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11),
    "L": (0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F),
    "O": (0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E),
    "P": (0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10),
    "R": (0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11),
    "S": (0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E),
    "V": (0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04),
    "1": (0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E),
    "2": (0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F),
    "3": (0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E),
}
# The colours of every word drawn with it.
LABEL_INK = 0xF0F0F0
LABEL_SHADOW = 0x202020


def lettered(width, height, base, word, left=0, top=0, right=None, bottom=None):
    """The picture base(x, y) with the word written in LABEL_INK, centred in
    the area (left, top)-(right, bottom) (the whole picture by default), each
    font pixel drawn as a square as large as still fits with a margin, and
    a dark shadow one pixel below and right of it, so that the word reads on
    light faces too."""
    right = width if right is None else right
    bottom = height if bottom is None else bottom
    scale = max(1, min((right - left - 4) // (6 * len(word) - 1), (bottom - top - 4) // 7, 3))
    advance = 6 * scale
    left += (right - left - (advance * len(word) - scale)) // 2
    top += (bottom - top - 7 * scale) // 2

    def inked(x, y):
        column, row = (x - left) // scale, (y - top) // scale
        index, bit = divmod(column, 6)
        return (x >= left and y >= top and row < 7 and index < len(word) and bit < 5
                and LETTERS[word[index]][row] & (0x10 >> bit))

    def pixel(x, y):
        under = base(x, y)
        if inked(x, y):
            return rgb(LABEL_INK) + under[3:]
        if inked(x - 1, y - 1):
            return rgb(LABEL_SHADOW) + under[3:]
        return under
    return pixel


def background(x, y):
    """Dusk sky over moss ground; a pale moon high on the right, away from
    the points the tests read."""
    if y >= 400:
        return rgb(COLOURS["ground"])
    if math.hypot(x - 700, y - 70) < 36:
        return (236, 232, 200)
    return rgb(COLOURS["sky"])


def dawn(x, y):
    """A pale sky over a field."""
    return rgb(COLOURS["field"] if y >= 420 else COLOURS["dawn"])


def dusk(x, y):
    """A low sun on a dark sky."""
    return rgb(COLOURS["sun"] if math.hypot(x - 400, y - 260) < 110 else COLOURS["dusk"])


def spark(size):
    """A soft four-pointed star with an alpha channel."""
    def pixel(x, y):
        u = (x + 0.5) / size * 2 - 1
        v = (y + 0.5) / size * 2 - 1
        d = abs(u) ** 0.5 + abs(v) ** 0.5
        a = max(0.0, min(1.0, (1.4 - d) / 0.4))
        return (255, 244, 190, int(a * 255))
    return pixel


def wait_icon(size):
    """A ring, drawn with an alpha channel."""
    def pixel(x, y):
        d = math.hypot(x + 0.5 - size / 2, y + 0.5 - size / 2)
        a = 255 if size * 0.28 <= d <= size * 0.45 else 0
        return (240, 240, 250, a)
    return pixel


def write_text_pictures(pic):
    """The text chapter's box and the small picture typed among its glyphs."""
    write_png(os.path.join(pic, "TextBox.png"), 720, 190, framed(720, 190, COLOURS["textbox"]))
    write_png(os.path.join(pic, "Glow.png"), 28, 28, framed(28, 28, COLOURS["glow"], 4))


def composite_pictures(pic):
    """The composite chapter's pictures: the framed panel and the boat that
    sails inside it, the porthole mask (a white disc on black, its edge
    softened) and the stripes behind it, the bell shown over the hit area,
    the button's three faces and its lamp."""
    write_png(os.path.join(pic, "CmpPanel.png"), 240, 160, framed(240, 160, COLOURS["panel"]))
    write_png(os.path.join(pic, "CmpBoat.png"), 100, 60, framed(100, 60, COLOURS["boat"]))

    def porthole(x, y):
        d = math.hypot(x + 0.5 - 100, y + 0.5 - 75)
        level = int(max(0.0, min(1.0, (70 - d) / 6)) * 255)
        return (level, level, level)
    write_png(os.path.join(pic, "CmpMask.png"), 200, 150, porthole)

    def stripes(x, y):
        return rgb(COLOURS["stripe"] if (x // 30) % 2 == 0 else darker(COLOURS["stripe"]))
    write_png(os.path.join(pic, "CmpStripes.png"), 360, 150, stripes)
    write_png(os.path.join(pic, "CmpBell.png"), 180, 100, framed(180, 100, COLOURS["bell"]))
    for title, name in (("Normal", "knob"), ("Highlight", "beam"), ("Down", "press")):
        write_png(os.path.join(pic, "Cmp" + title + ".png"), 160, 50, framed(160, 50, COLOURS[name], 4))
    write_png(os.path.join(pic, "CmpLamp.png"), 40, 40, framed(40, 40, COLOURS["lamp"], 4))


def log_pictures(pic):
    """The log chapter's window under its text, and the gem that sits
    inline in a line of it."""
    write_png(os.path.join(pic, "LogPanel.png"), 680, 220, framed(680, 220, COLOURS["parchment"], 4))
    write_png(os.path.join(pic, "Gem.png"), 24, 24, framed(24, 24, COLOURS["gem"], 3))


def balloon_pictures(pic):
    """The balloon chapter's speaker, whom the balloons' tails point at."""
    write_png(os.path.join(pic, "Speaker.png"), 120, 200, framed(120, 200, COLOURS["speaker"]))


def lighter(value, factor=0.5):
    r, g, b = rgb(value)
    return (int(r + (255 - r) * factor) << 16) | (int(g + (255 - g) * factor) << 8) | int(b + (255 - b) * factor)


# The menu's panels: the colour of each panel's items. An item's Normal
# picture is that colour, Highlight a lighter shade with a bright edge, Down
# a dark shade, and the Invalid picture a grey with stripes, so that every
# state tells itself apart at a glance and in the tests.
PANEL_COLOURS = {
    "se": 0x4C7FC0,
    "bgm": 0x8A5CC0,
    "graphic": 0x4CA070,
    "screen": 0xC0904C,
    "exit": 0xC05050,
    "config": 0x5C6C80,
    "question": 0x5C8060,
    "saveload": 0x808080,
}
PANEL_BACK = 0x1E2632
# The quick-load caution's inside: light, under the slot's dark blue comment
# and date.
CAUTION_BACK = 0xE8E4D8


def item_states(width, height, colour):
    """The Normal (a), Down (b), Highlight (c) pictures of an item."""
    return {
        "a": framed(width, height, colour, 3),
        "b": framed(width, height, darker(colour, 0.4), 3),
        "c": framed(width, height, lighter(colour, 0.6), 3),
    }


def striped(width, height):
    """The Invalid picture: grey with dark diagonal stripes."""
    def pixel(x, y):
        return (60, 60, 60) if (x + y) // 4 % 2 else (128, 128, 128)
    return pixel


def framed_in(width, height, inner, edge, border=4):
    """A flat colour inside a frame of another."""
    def pixel(x, y):
        on_edge = x < border or y < border or x >= width - border or y >= height - border
        return rgb(edge if on_edge else inner)
    return pixel


def panel_back(width, height, accent):
    """A dark panel inside an edge of the panel's colour."""
    return framed_in(width, height, PANEL_BACK, accent)


def cannot_use(width, height):
    """A panel crossed out: no sound device."""
    def pixel(x, y):
        if abs(x * height - y * width) < 3 * width or abs((width - x) * height - y * width) < 3 * width:
            return (160, 40, 40)
        return rgb(PANEL_BACK)
    return pixel


def write_menu_panels(mn):
    """Every picture that the menu's sub-screens name."""
    back_w, back_h = 240, 330
    for group in ("se", "bgm"):
        write_png(os.path.join(mn, group + "_back.png"), back_w, back_h, panel_back(back_w, back_h, PANEL_COLOURS[group]))
        write_png(os.path.join(mn, group + "_cannotuse.png"), back_w, back_h, cannot_use(back_w, back_h))
        for level in range(6):
            for state, pixel in item_states(36, 36, PANEL_COLOURS[group]).items():
                write_png(os.path.join(mn, "%s_%02d_%s.png" % (group, level, state)), 36, 36, pixel)
    write_png(os.path.join(mn, "graphic_back.png"), back_w, back_h, panel_back(back_w, back_h, PANEL_COLOURS["graphic"]))
    for item in ("on", "off"):
        for state, pixel in item_states(100, 60, PANEL_COLOURS["graphic"]).items():
            write_png(os.path.join(mn, "graphic_%s_%s.png" % (item, state)), 100, 60, pixel)
    write_png(os.path.join(mn, "screen_back.png"), back_w, back_h, panel_back(back_w, back_h, PANEL_COLOURS["screen"]))
    write_png(os.path.join(mn, "screen_bar.png"), 120, 22, striped(120, 22))
    for item in ("16", "24", "32", "window"):
        states = item_states(120, 22, PANEL_COLOURS["screen"])
        if item != "window":
            states["d"] = states.pop("c")
        for state, pixel in states.items():
            write_png(os.path.join(mn, "screen_%s_%s.png" % (item, state)), 120, 22, pixel)
    write_png(os.path.join(mn, "saveload_cannotuse3.png"), back_w, back_h, panel_back(back_w, back_h, PANEL_COLOURS["saveload"]))
    write_png(os.path.join(mn, "exit_back3.png"), back_w, back_h, panel_back(back_w, back_h, PANEL_COLOURS["exit"]))
    for state, pixel in item_states(100, 60, PANEL_COLOURS["exit"]).items():
        write_png(os.path.join(mn, "exit_exit_%s.png" % state), 100, 60, pixel)
    # The menu script's own items: the configuration panel's entries, the
    # questions' Yes and No, the quick-load entry and the caution panel.
    for name, size, colour in (("Config", (100, 28), "config"), ("Answer", (80, 32), "question"),
                               ("ClipLoad", (120, 40), "question")):
        for state, pixel in item_states(size[0], size[1], PANEL_COLOURS[colour]).items():
            write_png(os.path.join(mn, "%s_%s.png" % (name, state)), size[0], size[1], pixel)
    write_png(os.path.join(mn, "ConfigBack.png"), 740, 40, panel_back(740, 40, PANEL_COLOURS["config"]))
    write_png(os.path.join(mn, "Question.png"), 300, 140, panel_back(300, 140, PANEL_COLOURS["question"]))
    write_png(os.path.join(mn, "Caution.png"), 400, 160, framed_in(400, 160, CAUTION_BACK, PANEL_COLOURS["question"]))
    write_png(os.path.join(mn, "SkipMark.png"), 12, 12, framed(12, 12, COLOURS["skip"], 2))


# A slot's thumbnail: low enough that the comment and date fit between it
# and the slot's number below it.
THUMB_W, THUMB_H = 84, 36


def write_thumbnails(system):
    """The save points' thumbnails, one per chapter: above the comment and
    date in a slot's panel, and at half size beside them in the caution."""
    for name, colour in (("Motion", COLOURS["lantern"]), ("Transitions", COLOURS["dusk"]),
                         ("Sound", COLOURS["lake"]), ("Choice", COLOURS["hill"]),
                         ("Objects", COLOURS["glow"]), ("Text", COLOURS["textbox"]),
                         ("Composite", COLOURS["boat"]), ("Log", COLOURS["parchment"]),
                         ("Balloons", COLOURS["speaker"]), ("Movies", COLOURS["coin"]),
                         ("Effects", COLOURS["night"])):
        write_png(os.path.join(system, "Thumb%s.png" % name), THUMB_W, THUMB_H, framed(THUMB_W, THUMB_H, colour, 4))


def outline(width, height, colour, border):
    """A frame of the colour around a transparent middle."""
    r, g, b = rgb(colour)

    def pixel(x, y):
        edge = x < border or y < border or x >= width - border or y >= height - border
        return (r, g, b, 255 if edge else 0)
    return pixel


# The pages' colours: each page's tab and title.
PAGE_COLOURS = (0x4C7FC0, 0x4CA070, 0xC0904C)


def write_gallery(system):
    """The load and save screens: their backdrop, tabs, titles, buttons,
    panels as wide as the 107 x 107 squares, the empty slot's thumbnail, the
    flash, the balloon, the marks of a chosen and a hovered panel, and the
    question with Yes and No."""
    def png(name, width, height, pixel, alpha=False):
        write_png(os.path.join(system, name), width, height, pixel, alpha)

    png("GalleryBack.png", 800, 600, lambda x, y: rgb(0x1E2630))
    # The three page tabs stand at one place, so each picture holds its own
    # tab at its own height of a column left of the pad and is clear
    # elsewhere: every tab shows and takes its own clicks.
    tab_w, tab_h, tab_step = 50, 24, 28
    for page, colour in enumerate(PAGE_COLOURS):
        top = page * tab_step
        tab = framed(tab_w, tab_h, colour, 3)

        def tab_pixel(x, y, top=top, tab=tab):
            if top <= y < top + tab_h:
                return tab(x, y - top) + (255,)
            return (0, 0, 0, 0)
        png("graphic_tab%02d.png" % (page + 1), tab_w, tab_step * 2 + tab_h,
            lettered(tab_w, tab_step * 2 + tab_h, tab_pixel, str(page + 1), 0, top, tab_w, top + tab_h), alpha=True)
        png("save_page%02d.png" % (page + 1), 200, 32,
            lettered(200, 32, framed(200, 32, colour, 3), "PAGE %d" % (page + 1)))
    png("load_title.png", 200, 36, lettered(200, 36, framed(200, 36, 0x5C8060, 3), "LOAD"))
    png("save_title.png", 200, 36, lettered(200, 36, framed(200, 36, 0x8A5CC0, 3), "SAVE"))
    for state, pixel in item_states(100, 20, PANEL_COLOURS["config"]).items():
        png("position_s_%s.png" % state, 100, 20, lettered(100, 20, pixel, "SAVE ORDER"))
    for state, pixel in item_states(100, 20, PANEL_COLOURS["exit"]).items():
        png("exit_s_%s.png" % state, 100, 20, lettered(100, 20, pixel, "BACK"))
    png("bar_i.png", 100, 20, striped(100, 20))
    # A panel is a row step tall, so the slot's number and its comment and
    # date below the thumbnail stay on it.
    png("save_panel.png", 107, 115, framed(107, 115, 0x5C6C80, 5))
    png("save_panel2.png", 107, 115, framed(107, 115, 0xB08A5C, 5))
    png("save_clippanel.png", 107, 115, framed(107, 115, 0x5CA08A, 5))
    png("thumb_save_nodata.png", THUMB_W, THUMB_H, framed(THUMB_W, THUMB_H, 0x30343C, 4))
    png("flash_panel.png", 107, 115, lambda x, y: (255, 255, 255))
    png("balloon_base.png", 220, 70, framed(220, 70, 0xF0E6D2, 3))
    png("playdata_logo.png", 80, 16, framed(80, 16, 0x5C8AC0, 2))
    png("Wave.png", 107, 115, outline(107, 115, 0xF0C040, 4), alpha=True)
    png("Focus.png", THUMB_W + 8, THUMB_H + 8, outline(THUMB_W + 8, THUMB_H + 8, 0xF0F0F0, 2), alpha=True)
    # Light, under the screens' dark blue confirmation texts.
    png("Caution.png", 400, 160, framed(400, 160, 0xE8E4D8, 4))
    for state, pixel in item_states(80, 32, PANEL_COLOURS["question"]).items():
        png("Answer_%s.png" % state, 80, 32, pixel)
def write_bmp(path, width, height, pixel):
    """A 24-bit bottom-up BMP; pixel(x, y) gives (r, g, b)."""
    row_bytes = (width * 3 + 3) & ~3
    rows = bytearray()
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row.extend((b, g, r))
        rows.extend(row + bytes(row_bytes - len(row)))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 0, 0, 0, 0)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(header + info + rows)


def glow(colour, size, sharpness=2.0):
    """A soft round dot of the colour on black, for additive drawing."""
    r, g, b = rgb(colour)

    def pixel(x, y):
        d = math.hypot(x + 0.5 - size / 2, y + 0.5 - size / 2) / (size / 2)
        a = max(0.0, 1.0 - d) ** (1.0 / sharpness)
        return (int(r * a), int(g * a), int(b * a))
    return pixel


def bubble_frames(x, y):
    """Eight 16 x 16 frames of a bubble ring whose highlight goes round."""
    frame, u, v = x // 16, x % 16 + 0.5 - 8, y + 0.5 - 8
    d = math.hypot(u, v)
    ring = max(0.0, 1.0 - abs(d - 6) / 1.5)
    angle = 2 * math.pi * frame / 8
    spot = max(0.0, 1.0 - math.hypot(u - 4 * math.cos(angle), v - 4 * math.sin(angle)) / 2.5)
    level = min(1.0, ring * 0.7 + spot)
    return (int(150 * level), int(200 * level), int(255 * level))


def noise_frames(width, height):
    """Grey speckles, a fixed pseudo-random pattern (so every build draws
    the same pictures)."""
    seed = 12345
    values = []
    for _ in range(width * height):
        seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF
        values.append((seed >> 16) & 0xFF)

    def pixel(x, y):
        v = values[y * width + x]
        v = v if v > 200 else v // 8
        return (v, v, v)
    return pixel


def ground(x, y):
    """Fields in a checker of two greens, furrowed."""
    shade = 1.0 - 0.25 * ((y // 4) % 2)
    base = (90, 150, 70) if (x // 32 + y // 32) % 2 else (60, 120, 50)
    return tuple(int(c * shade) for c in base)


def cloud_sea(x, y):
    """White cloud banks on a blue sky."""
    v = 0.5 + 0.25 * math.sin(x * 2 * math.pi / 64) * math.sin(y * 2 * math.pi / 32) \
        + 0.25 * math.sin((x + y) * 2 * math.pi / 128)
    return (int(110 + 140 * v), int(150 + 100 * v), 250)


def starry_sky(x, y):
    """A dark sky with scattered stars."""
    h = (x * 73856093 ^ y * 19349663) & 0xFFFF
    if h % 97 == 0:
        return (255, 250, 220)
    return (10, 14, 40 + (y * 40) // 256)


def deep_water(x, y):
    """Water darkening with the depth."""
    t = y / 600
    return (int(24 - 16 * t), int(70 - 46 * t), int(112 - 68 * t))


def effect_pictures(out):
    """The effect painters' pictures ("EI") and the warps' textures
    ("Image", named in Japanese: ground, sea of clouds, starry sky), and the
    colourful picture under the filters."""
    ei = os.path.join(out, "EI")
    write_bmp(os.path.join(ei, "Snow.bmp"), 32, 32, glow(0xFFFFFF, 32, 1.5))
    write_bmp(os.path.join(ei, "Bubble.bmp"), 128, 16, bubble_frames)
    for name, colour in (("Red", 0xFF4040), ("Green", 0x40FF60), ("Blue", 0x4080FF), ("Yellow", 0xFFE040),
                         ("Ex", 0xC0FFFF), ("Ex2", 0xFFFFFF)):
        write_bmp(os.path.join(ei, name + ".bmp"), 16, 16, glow(colour, 16))
    write_bmp(os.path.join(ei, "Noise.bmp"), 1024, 64, noise_frames(1024, 64))
    image = os.path.join(out, "Image")
    write_bmp(os.path.join(image, "地面.bmp"), 256, 256, ground)
    write_bmp(os.path.join(image, "雲海.bmp"), 256, 256, cloud_sea)
    write_bmp(os.path.join(image, "星空.bmp"), 256, 256, starry_sky)
    pic = os.path.join(out, "pic")
    write_png(os.path.join(pic, "Bars.png"), 800, 600, lambda x, y: rgb(BARS[x // 100]))
    write_png(os.path.join(pic, "Night.png"), 800, 600, lambda x, y: rgb(COLOURS["night"]))
    write_png(os.path.join(pic, "Deep.png"), 800, 600, deep_water)


def write_header(path):
    lines = ["// Drawn by tools/make_demo_pictures.py: the flat colours of the demo's",
             "// pictures, 0x00RRGGBB.", "#pragma once", "", "#include <cstdint>", ""]
    for name, value in COLOURS.items():
        lines.append("constexpr uint32_t kDemo%s = 0x%06X;" % (name.capitalize(), value))
        if name in ("skip", "clip", "system"):
            lines.append("constexpr uint32_t kDemo%sOff = 0x%06X;" % (name.capitalize(), darker(value)))
    # The menu panels' edges and inside.
    for name, value in PANEL_COLOURS.items():
        lines.append("constexpr uint32_t kDemoPanel%s = 0x%06X;" % (name.capitalize(), value))
    lines.append("constexpr uint32_t kDemoPanelBack = 0x%06X;" % PANEL_BACK)
    lines.append("constexpr uint32_t kDemoCautionBack = 0x%06X;" % CAUTION_BACK)
    # The words drawn into pictures.
    lines.append("constexpr uint32_t kDemoLabelInk = 0x%06X;" % LABEL_INK)
    lines.append("constexpr uint32_t kDemoBars[] = {%s};" % ", ".join("0x%06X" % c for c in BARS))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


def main():
    out = sys.argv[1]
    write_header(sys.argv[2])
    pic = os.path.join(out, "pic")
    mn = os.path.join(out, "mn")
    write_png(os.path.join(pic, "Back.png"), 800, 600, background)
    write_png(os.path.join(pic, "Lantern.png"), 100, 100, framed(100, 100, COLOURS["lantern"]))
    write_png(os.path.join(pic, "Coin.png"), 80, 80, framed(80, 80, COLOURS["coin"]))
    write_png(os.path.join(pic, "Leaf.png"), 120, 120, framed(120, 120, COLOURS["leaf"]))
    write_png(os.path.join(pic, "Veil.png"), 800, 600, lambda x, y: rgb(COLOURS["veil"]))
    write_png(os.path.join(pic, "Spark.png"), 32, 32, spark(32), alpha=True)
    write_png(os.path.join(pic, "Dawn.png"), 800, 600, dawn)
    write_png(os.path.join(pic, "Dusk.png"), 800, 600, dusk)
    write_png(os.path.join(pic, "Lake.png"), 200, 150, framed(200, 150, COLOURS["lake"]))
    write_png(os.path.join(pic, "Hill.png"), 200, 150, framed(200, 150, COLOURS["hill"]))
    write_png(os.path.join(pic, "Shore.png"), 800, 600, lambda x, y: rgb(COLOURS["shore"]))
    write_png(os.path.join(pic, "Summit.png"), 800, 600, lambda x, y: rgb(COLOURS["summit"]))
    write_text_pictures(pic)
    for name in ("skip", "clip", "system"):
        title = name.capitalize()
        write_png(os.path.join(mn, title + ".png"), 80, 24, framed(80, 24, COLOURS[name], 3))
        write_png(os.path.join(mn, title + "Off.png"), 80, 24, framed(80, 24, darker(COLOURS[name]), 3))
    write_png(os.path.join(mn, "WaitIcon.png"), 24, 24, wait_icon(24), alpha=True)
    composite_pictures(pic)
    log_pictures(pic)
    balloon_pictures(pic)
    write_menu_panels(mn)
    write_thumbnails(os.path.join(out, "System"))
    write_gallery(os.path.join(out, "System"))
    effect_pictures(out)


if __name__ == "__main__":
    main()
