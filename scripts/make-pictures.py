#!/usr/bin/env python3
"""Draws every picture of the program folder's img/ (data/img/).

Needs only python3 and ImageMagick's `convert`. Each picture is drawn at several times its
size with ImageMagick's vector commands and scaled down by area averaging, which gives
smooth edges on the small icons. The pictures are committed, so the build never runs this;
run it again after changing a drawing:

    python3 scripts/make-pictures.py            # writes data/img/
    python3 scripts/make-pictures.py OUT_DIR    # writes elsewhere, e.g. for a look first
"""
import math
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "data", "img")

FONT_DIR = "/usr/share/fonts/truetype/dejavu"
FONT = os.path.join(FONT_DIR, "DejaVuSans.ttf")
FONT_BOLD = os.path.join(FONT_DIR, "DejaVuSans-Bold.ttf")

# Colours shared by the pictures, so that they read as one family.
GRASS_LIGHT = "#2f8a3e"
GRASS_DARK = "#297b37"
LINE = "#eef6ec"
INK = "#26323a"
GOLD = "#f3c21b"
GOLD_EDGE = "#9c6c05"
BLUE = "#2f6db3"
BLUE_EDGE = "#1d4679"
GREEN = "#2e9444"
GREEN_EDGE = "#1b5e2a"
RED = "#d8362b"
RED_EDGE = "#7c1510"
GREY = "#8b97a1"
GREY_EDGE = "#4b5660"


def render(name, width, height, mvg, scale=4, background="none", options=()):
    """Draws mvg (in target pixels) at `scale` times the size, then averages it down."""
    path = os.path.join(OUT, name)
    # The drawing goes on the command line: the usual ImageMagick policy forbids "@file".
    cmd = ["convert", "-size", f"{width * scale}x{height * scale}", f"xc:{background}",
           "-draw", f"affine {scale},0,0,{scale},0,0\n" + mvg,
           "-filter", "Box", "-resize", f"{width}x{height}!"]
    cmd += list(options)
    # Eight bits a channel: the screen shows no more, and a 16-bit PNG costs the program several
    # times as long to decode at every start.
    cmd += ["-strip", "PNG32:" + path if name.endswith(".png") else path]
    subprocess.run(cmd, check=True)
    print(f"{name}: {width} x {height}")


# GIF keeps one transparent colour only: a pixel is either drawn or not.
GIF_TRANSPARENT = ["-channel", "A", "-threshold", "50%", "+channel"]
GIF_OPAQUE = ["-alpha", "off", "+dither", "-colors", "255"]
# 32-bit bitmaps keep their alpha channel, which Qt reads.
BMP_ALPHA = ["-define", "bmp:format=bmp4"]
BMP_OPAQUE = ["-alpha", "off", "-type", "TrueColor"]


def polygon(points):
    return "polygon " + " ".join(f"{x:.3f},{y:.3f}" for x, y in points) + "\n"


def star_points(cx, cy, outer, inner, tips=5, turn=-90.0):
    pts = []
    for i in range(tips * 2):
        r = outer if i % 2 == 0 else inner
        a = math.radians(turn + i * 180.0 / tips)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def text(x, y, s, size, font=FONT, fill=INK, anchor="start"):
    s = s.replace("'", "\\'")
    return (f"push graphic-context\nfont '{font}'\nfont-size {size}\nfill '{fill}'\nstroke none\n"
            f"text-anchor {anchor}\ntext {x},{y} '{s}'\npop graphic-context\n")


def _ball_faces():
    """The 32 patches of a ball (a truncated icosahedron on the unit sphere), one black
    patch facing the viewer: a list of (is_black, corner points)."""
    phi = (1 + 5 ** 0.5) / 2

    def even_perms(x, y, z):
        return [(x, y, z), (z, x, y), (y, z, x)]

    def signs(p):
        out = set()
        for sx in (1, -1):
            for sy in (1, -1):
                for sz in (1, -1):
                    out.add((p[0] * sx, p[1] * sy, p[2] * sz))
        return out

    corners = set()
    for base in ((0, 1, 3 * phi), (1, 2 + phi, 2 * phi), (phi, 2, 2 * phi + 1)):
        for p in even_perms(*base):
            corners |= signs(p)
    corners = [tuple(c / math.sqrt(sum(k * k for k in p)) for c in p) for p in corners]
    pent = set()
    for p in even_perms(0, 1, phi):
        pent |= signs(p)
    hexa = signs((1, 1, 1))
    for p in even_perms(0, phi, 1 / phi):
        hexa |= signs(p)

    # Turn the patch (0, 1, phi) towards the viewer (+z).
    n = (0.0, 1.0, phi)
    ln = math.sqrt(sum(k * k for k in n))
    ca, sa = n[2] / ln, n[1] / ln  # rotation about x by the angle between n and z

    def turn(p):
        x, y, z = p
        return (x, y * ca - z * sa, y * sa + z * ca)

    faces = []
    for black, normals in ((True, pent), (False, hexa)):
        for nrm in normals:
            l = math.sqrt(sum(k * k for k in nrm))
            u = tuple(k / l for k in nrm)
            dots = [sum(a * b for a, b in zip(c, u)) for c in corners]
            best = max(dots)
            face = [c for c, d in zip(corners, dots) if d > best - 1e-6]
            # Order the corners round the patch's centre.
            ref = face[0]
            e1 = tuple(a - b * sum(x * y for x, y in zip(ref, u)) for a, b in zip(ref, u))
            e2 = (u[1] * e1[2] - u[2] * e1[1], u[2] * e1[0] - u[0] * e1[2], u[0] * e1[1] - u[1] * e1[0])
            face.sort(key=lambda c: math.atan2(sum(a * b for a, b in zip(c, e2)),
                                               sum(a * b for a, b in zip(c, e1))))
            faces.append((black, [turn(c) for c in face]))
    return faces


def _sphere_outline(corners, steps=6):
    """The patch's outline with its edges bent onto the sphere, cut at the visible rim."""
    pts = []
    for i, a in enumerate(corners):
        b = corners[(i + 1) % len(corners)]
        for k in range(steps):
            t = k / steps
            p = tuple(x + (y - x) * t for x, y in zip(a, b))
            l = math.sqrt(sum(x * x for x in p))
            pts.append(tuple(x / l for x in p))
    clipped = []
    for i, p in enumerate(pts):
        q = pts[(i + 1) % len(pts)]
        if p[2] >= 0:
            clipped.append(p)
        if (p[2] >= 0) != (q[2] >= 0):
            t = p[2] / (p[2] - q[2])
            x, y = p[0] + (q[0] - p[0]) * t, p[1] + (q[1] - p[1]) * t
            l = math.hypot(x, y)
            clipped.append((x / l, y / l, 0.0))
    return clipped


def football(cx, cy, r, edge=INK, line_width=None, turn_deg=12.0):
    """A white ball with black patches, one of them facing the viewer."""
    lw = line_width if line_width is not None else max(r / 28.0, 0.45)
    rot = math.radians(turn_deg)
    m = f"push graphic-context\nstroke none\nfill white\ncircle {cx},{cy} {cx + r},{cy}\n"
    m += f"stroke '{edge}'\nstroke-width {lw}\nstroke-linejoin round\n"
    for black, corners in _ball_faces():
        outline = _sphere_outline(corners)
        if len(outline) < 3:
            continue
        pts = [(cx + r * (x * math.cos(rot) - y * math.sin(rot)),
                cy - r * (x * math.sin(rot) + y * math.cos(rot))) for x, y, _ in outline]
        m += f"fill '{edge if black else 'white'}'\n" + polygon(pts)
    m += f"fill none\nstroke-width {lw * 1.6}\ncircle {cx},{cy} {cx + r - lw * 0.8},{cy}\n"
    m += "pop graphic-context\n"
    return m


# ---------------------------------------------------------------- the board's pitch

def segments(points):
    """An open line through the points, drawn as single segments: ImageMagick strokes a
    scaled polyline or arc path as a filled shape, but single lines come out right."""
    return "".join(f"line {x0:.2f},{y0:.2f} {x1:.2f},{y1:.2f}\n"
                   for (x0, y0), (x1, y1) in zip(points, points[1:]))


def arc(cx, cy, r, a0, a1, steps=24):
    """A circle arc from angle a0 to a1 (degrees, clockwise on screen)."""
    return segments([(cx + r * math.cos(math.radians(a0 + (a1 - a0) * k / steps)),
                      cy + r * math.sin(math.radians(a0 + (a1 - a0) * k / steps)))
                     for k in range(steps + 1)])


def grass_stripes(width, height, band):
    m = f"fill '{GRASS_DARK}'\nstroke none\nrectangle 0,0 {width},{height}\nfill '{GRASS_LIGHT}'\n"
    for i, y in enumerate(range(0, height, band)):
        if i % 2 == 0:
            m += f"rectangle 0,{y} {width},{min(y + band, height)}\n"
    return m


def make_fond():
    # The board panel is 611 x 401 with the keeper's goal at the top. The lines keep to the
    # gaps between the rows and columns of boxes and star strips, so they never run through
    # a star strip: a tactics board, not a survey. Columns of the board: 5-145, 157-297,
    # 309-449, 461-601 (centre 303); rows: keeper 21-57, defenders 85-146, midfield 175-236,
    # forwards 262-323, logo 328-398.
    w, h = 611, 401
    cx = 303
    goal_line, halfway = 12, 249
    left, right = 2, 604
    m = grass_stripes(w, h, 29)
    m += f"push graphic-context\nfill none\nstroke '{LINE}'\nstroke-width 2\nstroke-linecap round\n"
    m += f"rectangle {left},{goal_line} {right},{h + 10}\n"
    m += f"line {left},{halfway} {right},{halfway}\n"
    m += f"rectangle 151,{goal_line} 455,160\n"           # penalty area, sides in the gutters
    m += f"rectangle 225,{goal_line} 381,62\n"            # goal area, round the keeper's box
    meet = math.degrees(math.asin((160 - 110) / 62))       # where the arc meets the area
    m += arc(cx, 110, 62, meet, 180 - meet)                # the arc outside the area
    m += arc(left, goal_line, 9, 0, 90)                   # corners
    m += arc(right, goal_line, 9, 90, 180)
    m += "pop graphic-context\n"
    m += f"push graphic-context\nfill '{LINE}'\nstroke none\n"
    m += f"circle {cx},110 {cx + 2.4},110\n"             # penalty spot, between the centre backs
    m += f"circle {cx},{halfway} {cx + 2.8},{halfway}\n"   # centre spot, between the forwards
    m += "pop graphic-context\n"
    # The goal behind its line, with a light net.
    gx0, gx1 = cx - 32, cx + 32
    m += f"push graphic-context\nfill '#9fc3a2'\nstroke none\nrectangle {gx0},3 {gx1},{goal_line}\npop graphic-context\n"
    m += f"push graphic-context\nfill none\nstroke '#d5e6d3'\nstroke-width 0.7\n"
    for x in range(gx0 + 4, gx1, 4):
        m += f"line {x},3 {x},{goal_line}\n"
    m += f"line {gx0},7.5 {gx1},7.5\n"
    m += f"stroke '{LINE}'\nstroke-width 2\nstroke-linecap round\n"
    m += segments([(gx0, goal_line), (gx0, 3), (gx1, 3), (gx1, goal_line)])
    m += "pop graphic-context\n"
    render("fond.gif", w, h, m, scale=2, options=GIF_OPAQUE)


def make_logo():
    # A touchline board: the tool's name beside a ball, over a see-through dark plate.
    w, h = 250, 70
    # ImageMagick turns "fill none" after a fill opacity into a see-through black, so every
    # opacity stays inside its own graphic context.
    m = "push graphic-context\nfill '#0c3d1a'\nfill-opacity 0.62\nstroke none\n"
    m += "roundrectangle 1,1 249,69 12,12\npop graphic-context\n"
    m += f"push graphic-context\nfill none\nstroke '{LINE}'\nstroke-width 1.5\n"
    m += "roundrectangle 4,4 246,66 9,9\npop graphic-context\n"
    m += football(38, 35, 22)
    m += text(156, 36, "SQUADWRIGHT", 18.5, FONT_BOLD, "#ffffff", "middle")
    m += f"push graphic-context\nstroke '{GOLD}'\nstroke-width 1.5\nline 84,44 228,44\npop graphic-context\n"
    m += text(156, 58, "lineup tools for Velmorra", 11.5, FONT, "#d9eed9", "middle")
    render("logo_velmorra3.bmp", w, h, m, scale=4, options=BMP_ALPHA)


def make_stars():
    # Ten stars of 14 pixels: the board clips the strip to show n and a half stars.
    m = f"stroke '{GOLD_EDGE}'\nstroke-width 0.9\nstroke-linejoin round\nfill '{GOLD}'\n"
    for i in range(10):
        m += polygon(star_points(7 + 14 * i, 7.6, 6.6, 2.75))
    m += "fill '#fff3b0'\nstroke none\n"
    for i in range(10):
        # A small highlight on the upper left arm.
        m += polygon([(4.9 + 14 * i, 6.0), (6.3 + 14 * i, 2.9), (7.0 + 14 * i, 5.2)])
    render("stars.gif", 140, 14, m, scale=8, options=GIF_TRANSPARENT)


def card(x0, y0, x1, y1, fill, edge, angle=0.0):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    m = f"push graphic-context\ntranslate {cx},{cy}\nrotate {angle}\n"
    m += f"fill '{fill}'\nstroke '{edge}'\nstroke-width 0.9\n"
    m += f"roundrectangle {x0 - cx},{y0 - cy} {x1 - cx},{y1 - cy} 1.3,1.3\n"
    m += "fill white\nfill-opacity 0.35\nstroke none\n"
    m += f"polygon {x0 - cx + 1.2},{y0 - cy + 1.2} {x0 - cx + 3.6},{y0 - cy + 1.2} {x0 - cx + 1.2},{y0 - cy + 5}\n"
    m += "pop graphic-context\n"
    return m


def make_cards():
    yellow, yellow_edge = "#ffd21a", "#8a6a00"
    red, red_edge = "#e0261d", "#6e0c08"
    render("YCard1.gif", 10, 16, card(1, 1, 9, 15, yellow, yellow_edge), scale=8,
           options=GIF_TRANSPARENT)
    two = card(1.2, 1.5, 9.2, 14.5, yellow, yellow_edge, -10) + card(6.3, 1.5, 14.3, 14.5, yellow, yellow_edge, 8)
    render("YCard2.gif", 16, 16, two, scale=8, options=GIF_TRANSPARENT)
    render("RCard.gif", 10, 16, card(1, 1, 9, 15, red, red_edge), scale=8, options=GIF_TRANSPARENT)


def make_injuries():
    # A plaster across the picture: light injury.
    m = "push graphic-context\ntranslate 8,8\nrotate -45\n"
    m += "fill '#e9b98b'\nstroke '#9a6335'\nstroke-width 0.8\nroundrectangle -7.6,-3.2 7.6,3.2 3,3\n"
    m += "fill '#f8e6cd'\nstroke '#c89565'\nstroke-width 0.5\nrectangle -2.6,-2.3 2.6,2.3\n"
    m += "fill '#b67d4c'\nstroke none\n"
    for x in (-5.4, -4.0, 4.0, 5.4):
        for y in (-1.1, 1.1):
            m += f"circle {x},{y} {x + 0.38},{y}\n"
    m += "pop graphic-context\n"
    render("pansement.bmp", 16, 16, m, scale=8, options=BMP_ALPHA)

    # A red cross: injured for days.
    arm = 2.7
    pts = [(8 - arm, 1.5), (8 + arm, 1.5), (8 + arm, 8 - arm), (14.5, 8 - arm), (14.5, 8 + arm),
           (8 + arm, 8 + arm), (8 + arm, 14.5), (8 - arm, 14.5), (8 - arm, 8 + arm), (1.5, 8 + arm),
           (1.5, 8 - arm), (8 - arm, 8 - arm)]
    m = f"fill '{RED}'\nstroke '{RED_EDGE}'\nstroke-width 1\nstroke-linejoin round\n" + polygon(pts)
    m += "fill white\nfill-opacity 0.3\nstroke none\n"
    m += f"rectangle {8 - arm + 0.9},2.4 {8 - arm + 2.1},{8 - arm + 0.5}\n"
    render("croixR.bmp", 16, 16, m, scale=8, options=BMP_ALPHA)


def make_status():
    render("status.png", 16, 16, football(8, 8, 7.4, INK, 0.45), scale=8)


# ---------------------------------------------------------------- tool bar icons (24 x 24)

def arrow(x0, y0, x1, y1, width, head, fill, edge):
    """A thick arrow from (x0, y0) to (x1, y1) as one outlined polygon."""
    dx, dy = x1 - x0, y1 - y0
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length
    nx, ny = -uy, ux
    bx, by = x1 - ux * head, y1 - uy * head
    w2, h2 = width / 2, head * 0.75
    pts = [(x0 + nx * w2, y0 + ny * w2), (bx + nx * w2, by + ny * w2), (bx + nx * h2, by + ny * h2),
           (x1, y1), (bx - nx * h2, by - ny * h2), (bx - nx * w2, by - ny * w2),
           (x0 - nx * w2, y0 - ny * w2)]
    return f"fill '{fill}'\nstroke '{edge}'\nstroke-width 1\nstroke-linejoin round\n" + polygon(pts)


def icon_quitter():
    m = f"fill '#e9edf0'\nstroke '{GREY_EDGE}'\nstroke-width 1\nrectangle 3.5,2.5 14.5,21.5\n"
    # The door, swung open towards us.
    m += f"fill '#b0703a'\nstroke '#5e3512'\nstroke-linejoin round\n"
    m += polygon([(3.5, 2.5), (10.5, 4.5), (10.5, 23), (3.5, 21.5)])
    m += "fill '#f1d27a'\nstroke '#5e3512'\nstroke-width 0.6\ncircle 8.8,13.5 9.5,13.5\n"
    m += arrow(11, 12, 22.5, 12, 3.4, 5.5, RED, RED_EDGE)
    return m


def icon_download():
    m = f"fill '#dfe4e8'\nstroke '{GREY_EDGE}'\nstroke-width 1\nstroke-linejoin round\n"
    m += polygon([(2.5, 15.5), (6.5, 15.5), (8, 18.5), (16, 18.5), (17.5, 15.5), (21.5, 15.5),
                  (21.5, 21.5), (2.5, 21.5)])
    m += arrow(12, 1.5, 12, 17, 5, 8, BLUE, BLUE_EDGE)
    return m


def icon_parameters():
    teeth = 8
    pts = []
    for i in range(teeth * 4):
        a = math.radians(i * 360.0 / (teeth * 4) + 360.0 / (teeth * 8))
        r = 10.5 if (i % 4) in (0, 1) else 7.6
        pts.append((12 + r * math.cos(a), 12 + r * math.sin(a)))
    m = f"fill '{GREY}'\nstroke '{GREY_EDGE}'\nstroke-width 1\nstroke-linejoin round\n" + polygon(pts)
    m += f"fill '#c3cbd2'\nstroke none\ncircle 12,12 18.2,12\n"
    m += f"fill white\nstroke '{GREY_EDGE}'\nstroke-width 1\ncircle 12,12 15.2,12\n"
    return m


def icon_calcule():
    # A small pitch with a lightning bolt: the best lineup in one stroke.
    m = f"fill '{GREEN}'\nstroke '{GREEN_EDGE}'\nstroke-width 1\nroundrectangle 1.5,6.5 22.5,22.5 2,2\n"
    m += f"fill none\nstroke '{LINE}'\nstroke-width 0.8\nline 12,7.2 12,21.8\ncircle 12,14.5 15,14.5\n"
    m += "rectangle 2.2,10.5 5.5,18.5\nrectangle 18.5,10.5 21.8,18.5\n"
    m += f"fill '{GOLD}'\nstroke '{GOLD_EDGE}'\nstroke-width 1\nstroke-linejoin round\n"
    m += polygon([(14.5, 0.8), (6.5, 12.5), (11.3, 12.5), (8.5, 23.2), (17.8, 9.8), (12.8, 9.8), (16.8, 0.8)])
    return m


def icon_test():
    m = f"fill '#b07b45'\nstroke '#5e3b16'\nstroke-width 1\nroundrectangle 3.5,3.5 20.5,22.5 2,2\n"
    m += f"fill white\nstroke '{GREY_EDGE}'\nstroke-width 0.7\nrectangle 5.5,6 18.5,20.5\n"
    m += f"fill '#c8ced3'\nstroke '{GREY_EDGE}'\nstroke-width 1\nroundrectangle 8.5,1.5 15.5,6.5 1.5,1.5\n"
    m += f"fill none\nstroke '{GREEN}'\nstroke-width 1.4\nstroke-linecap round\nstroke-linejoin round\n"
    for y in (9.8, 14, 18.2):
        m += segments([(7, y), (8.2, y + 1.2), (10.2, y - 1.3)])
    m += f"stroke '{GREY}'\nstroke-width 1.1\n"
    for y in (10, 14.2, 18.4):
        m += f"line 11.8,{y} 16.8,{y}\n"
    return m


def icon_apropos():
    m = f"fill '{BLUE}'\nstroke '{BLUE_EDGE}'\nstroke-width 1\ncircle 12,12 22.5,12\n"
    m += "fill white\nstroke none\ncircle 12,6.8 13.7,6.8\n"
    m += polygon([(9.5, 10), (13.6, 10), (13.6, 17.5), (15, 17.5), (15, 19.3), (9.2, 19.3),
                  (9.2, 17.5), (10.6, 17.5), (10.6, 11.8), (9.5, 11.8)])
    return m


def icon_check_updates():
    # Two arrows chasing each other round a circle.
    m = ""
    for start in (200.0, 20.0):
        pts_out, pts_in = [], []
        for i in range(15):
            a = math.radians(start + i * 9.5)
            pts_out.append((12 + 9.6 * math.cos(a), 12 + 9.6 * math.sin(a)))
            pts_in.append((12 + 5.6 * math.cos(a), 12 + 5.6 * math.sin(a)))
        end = math.radians(start + 14 * 9.5)
        tip_a = math.radians(start + 14 * 9.5 + 26)
        tip = (12 + 7.6 * math.cos(tip_a), 12 + 7.6 * math.sin(tip_a))
        wing_out = (12 + 11.9 * math.cos(end), 12 + 11.9 * math.sin(end))
        wing_in = (12 + 3.3 * math.cos(end), 12 + 3.3 * math.sin(end))
        pts = pts_out + [wing_out, tip, wing_in] + pts_in[::-1]
        m += f"fill '{GREEN}'\nstroke '{GREEN_EDGE}'\nstroke-width 1\nstroke-linejoin round\n" + polygon(pts)
    return m


def icon_doc():
    m = f"fill '#f4f1e8'\nstroke '{GREY_EDGE}'\nstroke-width 0.8\nrectangle 6,3.5 21,21.5\n"
    m += f"fill '{BLUE}'\nstroke '{BLUE_EDGE}'\nstroke-width 1\nstroke-linejoin round\n"
    m += polygon([(3.5, 4.5), (5.5, 2), (19.5, 2), (19.5, 19.5), (5.5, 19.5), (3.5, 22)])
    m += f"fill '{BLUE_EDGE}'\nstroke none\nrectangle 3.5,4.5 5.2,22\n"
    m += f"fill none\nstroke '#e8eef7'\nstroke-width 0.8\nrectangle 8,4.5 17.5,9.5\n"
    m += football(12.75, 14.2, 3.6, INK, 0.5)
    m += f"fill '{RED}'\nstroke '{RED_EDGE}'\nstroke-width 0.6\n"
    m += polygon([(15.5, 19.5), (18, 19.5), (18, 23), (16.75, 21.8), (15.5, 23)])
    return m


def icon_clear():
    # An eraser wiping a smudge.
    m = f"fill none\nstroke '{GREY}'\nstroke-width 1.2\nstroke-linecap round\n"
    m += "line 3,21.5 12,21.5\nline 5,19.2 8.5,19.2\n"
    m += "push graphic-context\ntranslate 13.5,11\nrotate -40\n"
    m += f"fill '#f0f3f5'\nstroke '{GREY_EDGE}'\nstroke-width 1\nroundrectangle -9,-4.5 0,4.5 1.2,1.2\n"
    m += f"fill '#e2585a'\nstroke '#7c1c1e'\nroundrectangle 0,-4.5 9,4.5 1.2,1.2\n"
    m += "fill white\nfill-opacity 0.35\nstroke none\nrectangle 1,-3.6 8,-2.4\n"
    m += "pop graphic-context\n"
    return m


def make_toolbar():
    icons = {
        "quitter": icon_quitter, "download": icon_download, "Parameters": icon_parameters,
        "Calcule": icon_calcule, "Test": icon_test, "Apropos": icon_apropos,
        "Check_Updates": icon_check_updates, "DocVelmorra": icon_doc, "clear": icon_clear,
    }
    for action, draw in icons.items():
        render(f"tb_{action}.png", 24, 24, draw(), scale=8)


# ---------------------------------------------------------------- splash (400 x 200)

def make_splash():
    w, h = 400, 200
    # Upper part: a pitch under the name. Lower part calm and light, where the version label
    # (8, 128, 297 x 16) and the progress bar (24, 152, 273 x 16) sit; a small tactics
    # board fills the corner to their right.
    m = "fill '#226b32'\nstroke none\nrectangle 0,0 400,116\nfill '#267539'\n"
    for x in range(0, 400, 50):
        m += f"rectangle {x},0 {x + 25},116\n"
    # Halfway line and centre circle, faint, with the ball on the centre spot.
    m += "push graphic-context\nfill none\nstroke '#5f9c6b'\nstroke-width 1.6\n"
    m += "line 344,0 344,116\n" + arc(344, 58, 40, 0, 360, 72) + "pop graphic-context\n"
    m += football(344, 58, 21, "#1d2a30")
    # The name and the subtitle.
    m += text(19, 57, "Squadwright", 36, FONT_BOLD, "#0f3a1b")
    m += text(17.5, 55.5, "Squadwright", 36, FONT_BOLD, "#ffffff")
    m += f"push graphic-context\nstroke '{GOLD}'\nstroke-width 2\nline 19,68 250,68\npop graphic-context\n"
    m += text(19, 89, "Lineup assistant for Velmorra managers", 12.5, FONT, "#e3f2e3")
    # Lower part, with a gold edge under the pitch.
    m += "fill '#f3f6f1'\nstroke none\nrectangle 0,116 400,200\n"
    m += f"fill '{GOLD}'\nrectangle 0,116 400,118.5\n"
    # The tactics board: a 4-4-2 in yellow shirts on a small pitch.
    bx0, by0, bx1, by1 = 318, 127, 388, 190
    m += f"fill '{GRASS_LIGHT}'\nstroke '{GREEN_EDGE}'\nstroke-width 1\nroundrectangle {bx0},{by0} {bx1},{by1} 3,3\n"
    m += f"push graphic-context\nfill none\nstroke '{LINE}'\nstroke-width 0.8\n"
    m += f"rectangle {bx0 + 4},{by0 + 4} {bx1 - 4},{by1 - 4}\n"
    m += f"rectangle 340,{by0 + 4} 366,{by0 + 13}\nline {bx0 + 4},{by1 - 4} {bx1 - 4},{by1 - 4}\n"
    m += arc(353, by1 - 4, 8, 180, 360, 24) + "pop graphic-context\n"
    shirts = [(353, 133)] + [(x, 149) for x in (328, 344, 362, 378)] + \
             [(x, 165) for x in (328, 344, 362, 378)] + [(345, 179), (361, 179)]
    m += f"fill '{GOLD}'\nstroke '{GOLD_EDGE}'\nstroke-width 0.8\n"
    for x, y in shirts:
        m += f"circle {x},{y} {x + 3},{y}\n"
    m += "fill none\nstroke '#1b5e2a'\nstroke-width 2\nrectangle 1,1 399,199\n"
    render("splash.png", w, h, m, scale=4)


def make_about():
    # The about window's logo, on its white panel: the ball, the name and the subtitle.
    w, h = 360, 80
    m = football(40, 40, 28, INK)
    m += text(82, 44, "Squadwright", 34, FONT_BOLD, "#1b5e2a")
    m += f"push graphic-context\nstroke '{GOLD}'\nstroke-width 2\nline 84,54 340,54\npop graphic-context\n"
    m += text(84, 72, "Lineup assistant for Velmorra managers", 12.5, FONT, "#4b5660")
    render("Logo_SQW1.gif", w, h, m, scale=4, background="white", options=GIF_OPAQUE)
    # A small badge of the project (kept hidden by the about window).
    w, h = 88, 31
    m = f"fill '{GRASS_LIGHT}'\nstroke '{GREEN_EDGE}'\nstroke-width 1\nroundrectangle 0.5,0.5 87.5,30.5 4,4\n"
    m += football(16, 15.5, 10, INK, 0.6)
    m += text(56, 21, "SQW", 15, FONT_BOLD, "#ffffff", "middle")
    render("vldx_logo.gif", w, h, m, scale=4, background="white", options=GIF_OPAQUE)
# ---------------------------------------------------------------- quick setup wizard

def make_setup_header():
    # 48 x 48: a clipboard holding a small pitch with a 4-3-3 in gold, the manager's plan.
    m = f"fill '#b98a4e'\nstroke '#6e4d22'\nstroke-width 1.2\nroundrectangle 6,5 42,46 3,3\n"
    m += f"fill '{GRASS_LIGHT}'\nstroke '{GREEN_EDGE}'\nstroke-width 0.8\nrectangle 9.5,11 38.5,43\n"
    m += f"push graphic-context\nfill none\nstroke '{LINE}'\nstroke-width 0.8\n"
    m += "line 9.5,27 38.5,27\nrectangle 17,11 31,16\nrectangle 17,38 31,43\n"
    m += arc(24, 27, 4, 0, 360, 36) + "pop graphic-context\n"
    m += f"fill '{GREY}'\nstroke '{GREY_EDGE}'\nstroke-width 1\nroundrectangle 17,2.5 31,8.5 2,2\n"
    shirts = [(24, 40)] + [(x, 34) for x in (13.5, 20.5, 27.5, 34.5)] + \
             [(x, 24) for x in (16, 24, 32)] + [(x, 16) for x in (15, 24, 33)]
    m += f"fill '{GOLD}'\nstroke '{GOLD_EDGE}'\nstroke-width 0.6\n"
    for x, y in shirts:
        m += f"circle {x},{y} {x + 1.9},{y}\n"
    render("setup_header.png", 48, 48, m, scale=8)


def make_setup_watermark():
    # 164 x 314: the welcome page's tall picture, a pitch seen from above under the name; no
    # other words, so that it suits every language.
    w, h = 164, 314
    m = "fill '#226b32'\nstroke none\n" + f"rectangle 0,0 {w},{h}\n" + "fill '#267539'\n"
    for y in range(0, h, 40):
        m += f"rectangle 0,{y} {w},{y + 20}\n"
    m += f"push graphic-context\nfill none\nstroke '#6fae7a'\nstroke-width 1.6\n"
    m += f"rectangle 14,70 150,300\nline 14,185 150,185\n" + arc(82, 185, 22, 0, 360, 72)
    m += "rectangle 46,70 118,108\nrectangle 46,262 118,300\npop graphic-context\n"
    m += football(82, 185, 11, "#1d2a30")
    m += text(82, 34, "Squadwright", 21, FONT_BOLD, "#ffffff", "middle")
    m += f"push graphic-context\nstroke '{GOLD}'\nstroke-width 2\nline 22,44 142,44\npop graphic-context\n"
    shirts = [(82, 292), (40, 258), (66, 262), (98, 262), (124, 258),
              (50, 224), (82, 230), (114, 224), (44, 200), (82, 206), (120, 200)]
    m += f"fill '{GOLD}'\nstroke '{GOLD_EDGE}'\nstroke-width 1\n"
    for x, y in shirts:
        m += f"circle {x},{y} {x + 4.2},{y}\n"
    render("setup_watermark.png", w, h, m, scale=4)


def main():
    os.makedirs(OUT, exist_ok=True)
    make_fond()
    make_logo()
    make_stars()
    make_cards()
    make_injuries()
    make_status()
    make_toolbar()
    make_splash()
    make_about()
    make_setup_header()
    make_setup_watermark()


if __name__ == "__main__":
    main()
