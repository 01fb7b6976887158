#!/usr/bin/env python3
"""Draws the program's artwork as 24-bit BMP files and writes artwork.rc.

Usage: gen_art.py OUTDIR   (normally resources/app)

Everything is drawn from code, so the pictures can be rebuilt or restyled. The
colours follow the main window's title strip: deep violet (64,0,128), slate blue
(112,133,190) and pale lavender (174,187,219). Glyphs use magenta (255,0,255) as
their transparent colour, in the top-left pixel as the buttons expect.
"""
import math
import os
import struct
import sys

KEY = (255, 0, 255)
VIOLET = (64, 0, 128)
SLATE = (112, 133, 190)
LAVENDER = (174, 187, 219)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


class Canvas:
    def __init__(self, w, h, fill=KEY):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def get(self, x, y):
        return self.px[y][x]

    def rect(self, x0, y0, x1, y1, c):  # inclusive corners
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.set(x, y0, c)
            self.set(x, y1, c)
        for y in range(y0, y1 + 1):
            self.set(x0, y, c)
            self.set(x1, y, c)

    def line(self, x0, y0, x1, y1, c, width=1):
        n = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(n + 1):
            x = x0 + (x1 - x0) * i / n
            y = y0 + (y1 - y0) * i / n
            for dx in range(width):
                for dy in range(width):
                    self.set(int(round(x)) + dx, int(round(y)) + dy, c)

    def polygon(self, pts, c):
        ys = [p[1] for p in pts]
        for y in range(int(min(ys)), int(max(ys)) + 1):
            for x in range(self.w):
                if inside(pts, x + 0.5, y + 0.5):
                    self.set(x, y, c)

    def disc(self, cx, cy, r, c):
        for y in range(int(cy - r) - 1, int(cy + r) + 2):
            for x in range(int(cx - r) - 1, int(cx + r) + 2):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.set(x, y, c)

    def blit(self, other, ox, oy, skip=None):
        for y in range(other.h):
            for x in range(other.w):
                c = other.px[y][x]
                if c != skip:
                    self.set(ox + x, oy + y, c)

    def map(self, fn):
        out = Canvas(self.w, self.h)
        for y in range(self.h):
            for x in range(self.w):
                c = self.px[y][x]
                out.px[y][x] = c if c == KEY else fn(c)
        return out

    def save(self, path):
        row = (self.w * 3 + 3) & ~3
        data = bytearray()
        for y in range(self.h - 1, -1, -1):
            line = bytearray()
            for r, g, b in self.px[y]:
                line += bytes((b, g, r))
            line += b"\0" * (row - len(line))
            data += line
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        with open(path, "wb") as f:
            f.write(header + info + data)


def inside(pts, x, y):
    res = False
    j = len(pts) - 1
    for i in range(len(pts)):
        xi, yi = pts[i]
        xj, yj = pts[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            res = not res
        j = i
    return res


# A small 5 x 7 font for the few words the pictures carry.
FONT = {
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "C": ["01110", "10001", "10000", "10000", "10000", "10001", "01110"],
    "F": ["11111", "10000", "10000", "11110", "10000", "10000", "10000"],
    "G": ["01110", "10001", "10000", "10111", "10001", "10001", "01111"],
    "I": ["01110", "00100", "00100", "00100", "00100", "00100", "01110"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "(": ["00010", "00100", "01000", "01000", "01000", "00100", "00010"],
    ")": ["01000", "00100", "00010", "00010", "00010", "00100", "01000"],
    "2": ["01110", "10001", "00001", "00110", "01000", "10000", "11111"],
    "0": ["01110", "10011", "10101", "10101", "11001", "10001", "01110"],
    "6": ["00110", "01000", "10000", "11110", "10001", "10001", "01110"],
    " ": ["00000"] * 7,
}


def text(cv, s, x, y, c, scale=1):
    for ch in s:
        glyph = FONT[ch]
        for gy, row in enumerate(glyph):
            for gx, bit in enumerate(row):
                if bit == "1":
                    cv.rect(x + gx * scale, y + gy * scale, x + gx * scale + scale - 1,
                            y + gy * scale + scale - 1, c)
        x += 6 * scale
    return x


def text_width(s, scale=1):
    return len(s) * 6 * scale - scale


# ---- tiles -----------------------------------------------------------------

def form_tile(w, h):
    # A pale lavender weave: soft horizontal grain that repeats seamlessly.
    cv = Canvas(w, h)
    base = (226, 229, 240)
    for y in range(h):
        for x in range(w):
            t = 0.5 + 0.5 * math.sin(2 * math.pi * x / w * 5)
            c = mix(base, (214, 218, 234), 0.35 * t)
            if (x + 3 * y) % 7 == 0:
                c = mix(c, (200, 205, 226), 0.5)
            if y == 0:
                c = mix(c, WHITE, 0.25)
            cv.set(x, y, c)
    return cv


def strip_tile(w, h, vertical_panel):
    # Deep violet with a faint sheen; white captions stay readable on it.
    cv = Canvas(w, h)
    for y in range(h):
        for x in range(w):
            t = 0.5 + 0.5 * math.sin(2 * math.pi * x / w * (3 if vertical_panel else 2))
            c = mix((58, 26, 118), (84, 70, 150), 0.55 * t)
            if (x + y) % 5 == 0:
                c = mix(c, (96, 96, 170), 0.3)
            cv.set(x, y, c)
    return cv


def wallpaper(base, accent):
    cv = Canvas(64, 64)
    for y in range(64):
        for x in range(64):
            c = base
            if (x + y) % 16 == 0 or (x - y) % 16 == 0:
                c = mix(base, accent, 0.35)
            cv.set(x, y, c)
    return cv


def node_glyph(expand):
    cv = Canvas(10, 10, WHITE)
    if expand:
        cv.polygon([(1, 2), (9, 2), (5, 8)], (200, 24, 24))
    else:
        cv.polygon([(2, 1), (2, 9), (8, 5)], (24, 48, 200))
    return cv


# ---- glyphs ------------------------------------------------------------------

def page(cv, x, y, w, h, ink=(90, 90, 120)):
    cv.rect(x, y, x + w - 1, y + h - 1, WHITE)
    cv.frame(x, y, x + w - 1, y + h - 1, (70, 70, 100))
    for ly in range(y + 3, y + h - 2, 2):
        cv.line(x + 2, ly, x + w - 3, ly, ink)


def folder(cv, x, y, w, h):
    cv.rect(x, y + 2, x + 5, y + 3, (200, 150, 40))
    cv.rect(x, y + 3, x + w - 1, y + h - 1, (236, 196, 80))
    cv.frame(x, y + 3, x + w - 1, y + h - 1, (150, 105, 20))
    cv.line(x + 1, y + 4, x + w - 2, y + 4, (252, 228, 150))


def img_group_files():
    cv = Canvas(16, 16)
    page(cv, 5, 1, 9, 11)
    page(cv, 2, 4, 9, 11, (64, 0, 128))
    return cv


def img_group_autostart():
    cv = Canvas(16, 16)
    cv.disc(8, 8, 7, SLATE)
    cv.disc(8, 8, 6, (90, 110, 180))
    cv.polygon([(6, 4), (6, 12), (12, 8)], WHITE)
    return cv


def img_entry_file():
    cv = Canvas(16, 16)
    page(cv, 3, 1, 10, 14)
    cv.polygon([(10, 1), (13, 1), (13, 4)], (200, 205, 226))
    return cv


def img_entry_key():
    cv = Canvas(16, 16)
    for (x, y, c) in ((1, 7, (64, 0, 128)), (7, 7, SLATE), (4, 1, (120, 60, 170))):
        cv.rect(x, y, x + 6, y + 6, c)
        cv.frame(x, y, x + 6, y + 6, (30, 20, 60))
        cv.line(x + 1, y + 1, x + 5, y + 1, LAVENDER)
    return cv


def img_entry_folder():
    cv = Canvas(16, 16)
    folder(cv, 1, 2, 14, 12)
    return cv


def glyph_report():
    cv = Canvas(16, 16)
    page(cv, 2, 1, 11, 14)
    cv.rect(4, 9, 5, 12, (200, 40, 40))
    cv.rect(7, 6, 8, 12, (40, 140, 60))
    cv.rect(10, 8, 11, 12, (40, 70, 200))
    return cv


def glyph_about():
    cv = Canvas(16, 16)
    cv.disc(8, 8, 7.5, (40, 60, 170))
    cv.disc(8, 8, 6.5, (70, 110, 220))
    cv.rect(7, 3, 8, 4, WHITE)
    cv.rect(7, 6, 8, 12, WHITE)
    cv.rect(6, 12, 9, 12, WHITE)
    return cv


def glyph_lang():
    cv = Canvas(25, 25)
    cv.disc(12.5, 12.5, 11, (30, 80, 170))
    cv.disc(12.5, 12.5, 10, (60, 130, 220))
    land = (70, 170, 80)
    cv.polygon([(6, 6), (11, 5), (12, 9), (9, 12), (5, 10)], land)
    cv.polygon([(14, 12), (19, 11), (20, 16), (16, 20), (13, 17)], land)
    grid = (200, 220, 255)
    for a in range(0, 360, 4):  # a meridian ellipse
        cv.set(int(12.5 + 4.5 * math.cos(math.radians(a))), int(12.5 + 10 * math.sin(math.radians(a))), grid)
    cv.line(2, 12, 22, 12, (200, 220, 255))
    cv.line(12, 2, 12, 22, (200, 220, 255))
    return cv


def glyph_minimize():
    cv = Canvas(16, 16)
    cv.frame(1, 2, 14, 13, (40, 40, 80))
    cv.rect(2, 3, 13, 4, (64, 0, 128))
    cv.rect(2, 5, 13, 12, WHITE)
    cv.rect(4, 10, 11, 11, (40, 40, 80))
    return cv


def glyph_close():
    cv = Canvas(16, 16)
    red = (200, 30, 30)
    cv.line(3, 3, 11, 11, red, 2)
    cv.line(11, 3, 3, 11, red, 2)
    return cv


def glyph_save():
    cv = Canvas(16, 16)
    cv.rect(1, 1, 14, 14, (50, 60, 140))
    cv.rect(4, 1, 11, 6, WHITE)
    cv.rect(9, 2, 10, 5, (50, 60, 140))
    cv.rect(3, 9, 12, 14, (200, 205, 226))
    cv.frame(1, 1, 14, 14, (20, 20, 60))
    return cv


def glyph_ok():
    cv = Canvas(16, 16)
    green = (20, 140, 40)
    cv.line(2, 8, 6, 12, green, 2)
    cv.line(6, 12, 13, 3, green, 2)
    return cv


def glyph_print():
    cv = Canvas(16, 16)
    cv.rect(4, 1, 11, 6, WHITE)
    cv.frame(4, 1, 11, 6, (70, 70, 100))
    cv.rect(1, 6, 14, 12, (150, 150, 170))
    cv.frame(1, 6, 14, 12, (50, 50, 70))
    cv.rect(4, 10, 11, 14, WHITE)
    cv.frame(4, 10, 11, 14, (70, 70, 100))
    cv.set(12, 8, (40, 200, 40))
    return cv


def glyph_send():
    cv = Canvas(16, 16)
    cv.rect(1, 3, 14, 12, (250, 246, 230))
    cv.frame(1, 3, 14, 12, (90, 80, 60))
    cv.line(1, 3, 7, 8, (90, 80, 60))
    cv.line(14, 3, 8, 8, (90, 80, 60))
    return cv


def glyph_box(checked):
    cv = Canvas(16, 16)
    cv.rect(2, 2, 13, 13, WHITE)
    cv.frame(2, 2, 13, 13, (64, 0, 128))
    if checked:
        cv.line(4, 8, 6, 10, (20, 140, 40), 2)
        cv.line(6, 10, 11, 4, (20, 140, 40), 2)
    return cv


def hover(cv):
    # The hover image: the same picture, a little brighter and cleaner.
    return cv.map(lambda c: mix(c, WHITE, 0.18))


def leave(cv):
    # The leave image: muted toward the strip's slate, so it rests quietly on it.
    def f(c):
        g = int((c[0] * 30 + c[1] * 59 + c[2] * 11) / 100)
        return mix((g, g, g), SLATE, 0.35)
    return cv.map(f)


# ---- flags -------------------------------------------------------------------

def flag(code, w, h):
    cv = Canvas(w, h, WHITE)
    red, blue, white = (206, 17, 38), (0, 56, 147), WHITE
    if code == "CSY":
        cv.rect(0, 0, w - 1, h // 2 - 1, white)
        cv.rect(0, h // 2, w - 1, h - 1, (215, 20, 26))
        cv.polygon([(0, 0), (w * 0.5, h / 2), (0, h)], (17, 69, 126))
    elif code == "DE":
        for i, c in enumerate(((0, 0, 0), (221, 0, 0), (255, 206, 0))):
            cv.rect(0, i * h // 3, w - 1, (i + 1) * h // 3 - 1, c)
    elif code == "EN":
        cv.rect(0, 0, w - 1, h - 1, (1, 33, 105))
        cv.line(0, 0, w - 1, h - 1, white, 2)
        cv.line(0, h - 1, w - 1, 0, white, 2)
        cv.rect(0, h // 2 - 2, w - 1, h // 2 + 1, white)
        cv.rect(w // 2 - 2, 0, w // 2 + 1, h - 1, white)
        cv.rect(0, h // 2 - 1, w - 1, h // 2, (200, 16, 46))
        cv.rect(w // 2 - 1, 0, w // 2, h - 1, (200, 16, 46))
    elif code == "ES":
        cv.rect(0, 0, w - 1, h - 1, (170, 21, 27))
        cv.rect(0, h // 4, w - 1, h - h // 4 - 1, (241, 191, 0))
    elif code == "FR":
        for i, c in enumerate((blue, white, (239, 65, 53))):
            cv.rect(i * w // 3, 0, (i + 1) * w // 3 - 1, h - 1, c)
    elif code == "IT":
        for i, c in enumerate(((0, 146, 70), white, red)):
            cv.rect(i * w // 3, 0, (i + 1) * w // 3 - 1, h - 1, c)
    elif code == "RUS":
        for i, c in enumerate((white, (0, 57, 166), (213, 43, 30))):
            cv.rect(0, i * h // 3, w - 1, (i + 1) * h // 3 - 1, c)
    return cv


def framed_flag(code, w, h):
    inner = flag(code, w - 2, h - 2)
    cv = Canvas(w, h, (60, 60, 60))
    cv.blit(inner, 1, 1)
    return cv


def flag25(code):
    cv = Canvas(25, 25)
    cv.rect(3, 7, 23, 21, (120, 120, 140))  # shadow
    cv.blit(framed_flag(code, 21, 15), 1, 5)
    return cv


# ---- about box -----------------------------------------------------------------

def logo():
    n = 201
    cv = Canvas(n, n, (216, 208, 146))
    c = n / 2
    for y in range(n):
        for x in range(n):
            d = math.hypot(x + 0.5 - c, y + 0.5 - c)
            if d <= 92:
                t = (x + y) / (2 * n)
                col = mix(VIOLET, SLATE, t * 2) if t < 0.5 else mix(SLATE, LAVENDER, t * 2 - 1)
                if d > 86:
                    col = mix(col, WHITE, 0.55)
                cv.set(x, y, col)
    # A bold V with an i-dot: the suite's mark.
    cv.polygon([(52, 48), (76, 48), (100, 122), (124, 48), (148, 48), (112, 150), (88, 150)], WHITE)
    cv.disc(100, 40, 9, (250, 220, 120))
    s = "VORN INFO"
    text(cv, s, int(c - text_width(s, 2) / 2), 160, WHITE, 2)
    return cv


def copyright_picture():
    cv = Canvas(81, 13, (216, 208, 146))
    s = "(C) VORN INFO"
    text(cv, s, (81 - text_width(s)) // 2, 3, (64, 0, 128))
    return cv


# ---- output --------------------------------------------------------------------

def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "..", "resources", "app")
    art = os.path.join(out, "art")
    os.makedirs(art, exist_ok=True)
    entries = []

    def emit(rid, name, cv):
        cv.save(os.path.join(art, name + ".bmp"))
        entries.append((rid, name))

    emit("IDB_FORM_TILE_MAIN", "form_tile_main", form_tile(250, 8))
    emit("IDB_FORM_TILE", "form_tile", form_tile(245, 10))
    emit("IDB_STRIP_TILE_MAIN", "strip_tile_main", strip_tile(250, 8, False))
    emit("IDB_STRIP_TILE_PANEL", "strip_tile_panel", strip_tile(211, 8, True))
    emit("IDB_WALLPAPER_TREE", "wallpaper_tree", wallpaper((255, 251, 224), (216, 208, 146)))
    emit("IDB_WALLPAPER_CONTENT", "wallpaper_content", wallpaper((250, 250, 255), LAVENDER))
    emit("IDB_GLYPH_EXPAND", "glyph_expand", node_glyph(True))
    emit("IDB_GLYPH_CONTRACT", "glyph_contract", node_glyph(False))

    strip = Canvas(80, 16)
    for i, fn in enumerate((img_group_files, img_group_autostart, img_entry_file, img_entry_key,
                            img_entry_folder)):
        strip.blit(fn(), i * 16, 0)
    emit("IDB_IMAGELIST_MAIN", "imagelist_main", strip)

    for rid, name, fn in (("IDB_BTN_REPORT", "btn_report", glyph_report),
                          ("IDB_BTN_ABOUT", "btn_about", glyph_about),
                          ("IDB_BTN_LANG", "btn_lang", glyph_lang),
                          ("IDB_BTN_MINIMIZE", "btn_minimize", glyph_minimize),
                          ("IDB_BTN_CLOSE", "btn_close", glyph_close)):
        g = fn()
        emit(rid, name, g)
        emit(rid + "_NOFOCUS", name + "_nofocus", hover(g))
        emit(rid + "_DISABLED", name + "_disabled", leave(g))

    emit("IDB_BTN_SAVE", "btn_save", glyph_save())
    emit("IDB_BTN_CANCEL", "btn_cancel", glyph_close())
    emit("IDB_BTN_OK", "btn_ok", glyph_ok())
    emit("IDB_BTN_PRINT", "btn_print", glyph_print())
    emit("IDB_BTN_SEND", "btn_send", glyph_send())
    emit("IDB_MENU_SELALL", "menu_selall", glyph_box(True))
    emit("IDB_MENU_UNSELALL", "menu_unselall", glyph_box(False))

    for code in ("CSY", "DE", "EN", "ES", "FR", "IT", "RUS"):
        emit("IDB_FLAG_" + code, "flag_" + code.lower(), framed_flag(code, 19, 13))
        emit("IDB_FLAG25_" + code, "flag25_" + code.lower(), flag25(code))

    emit("IDB_ABOUT_LOGO", "about_logo", logo())
    emit("IDB_ABOUT_COPYRIGHT", "about_copyright", copyright_picture())

    with open(os.path.join(out, "artwork.rc"), "w", newline="\n") as f:
        f.write("// The program's artwork. Generated by tools/artwork/gen_art.py; rebuild with\n")
        f.write("// `python3 tools/artwork/gen_art.py resources/app`.\n")
        f.write('#include "app/ArtworkIds.h"\n\n')
        for rid, name in entries:
            f.write('%s BITMAP "art/%s.bmp"\n' % (rid, name))


if __name__ == "__main__":
    main()
