"""Drawing kit for the outline pictures of the dimension drawings.

Coordinates are pixel indexes of the finished picture: a line "on" column c
is stroked along c + 0.5, so a 1.3 px outline fills that column and the
dimension lines the program draws over the picture (on whole pixels) meet it
exactly. Every picture is black line art on white, drawn at 1:1.
"""

import math

OUTLINE = 1.3
DETAIL = 0.8
HIDDEN_DASH = "3,2"
CENTRE_DASH = "9,2,2,2"
SHADE = "#9c9c9c"
LIGHT_FILL = "#efefef"
HATCH = "#b4b4b4"


def _num(v):
    text = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def _c(v):
    """Pixel index to stroke position."""
    return v + 0.5


class Picture:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.items = []

    # Raw elements -------------------------------------------------------
    def _stroke(self, width, dash=None, colour="#000"):
        attrs = f'stroke="{colour}" stroke-width="{_num(width)}"'
        if dash:
            attrs += f' stroke-dasharray="{dash}"'
        return attrs

    def element(self, text):
        self.items.append(text)

    def shift(self, dx, dy):
        """Everything drawn until end_shift() moves by whole pixels."""
        self.items.append(f'<g transform="translate({dx},{dy})">')

    def end_shift(self):
        self.items.append("</g>")

    # Lines --------------------------------------------------------------
    def line(self, x1, y1, x2, y2, width=OUTLINE, dash=None, colour="#000"):
        self.items.append(
            f'<line x1="{_num(_c(x1))}" y1="{_num(_c(y1))}" x2="{_num(_c(x2))}" y2="{_num(_c(y2))}" '
            f'{self._stroke(width, dash, colour)} stroke-linecap="square"/>')

    def thin(self, x1, y1, x2, y2):
        self.line(x1, y1, x2, y2, DETAIL)

    def hidden(self, x1, y1, x2, y2):
        self.items.append(
            f'<line x1="{_num(_c(x1))}" y1="{_num(_c(y1))}" x2="{_num(_c(x2))}" y2="{_num(_c(y2))}" '
            f'{self._stroke(DETAIL, HIDDEN_DASH)}/>')

    def centre(self, x1, y1, x2, y2):
        self.items.append(
            f'<line x1="{_num(_c(x1))}" y1="{_num(_c(y1))}" x2="{_num(_c(x2))}" y2="{_num(_c(y2))}" '
            f'{self._stroke(0.6, CENTRE_DASH, "#333")}/>')

    def shade(self, x1, y1, x2, y2, colour=SHADE):
        self.line(x1, y1, x2, y2, 0.6, colour=colour)

    def polyline(self, points, width=OUTLINE, closed=False, fill="none", dash=None):
        pts = " ".join(f"{_num(_c(x))},{_num(_c(y))}" for x, y in points)
        tag = "polygon" if closed else "polyline"
        self.items.append(f'<{tag} points="{pts}" fill="{fill}" {self._stroke(width, dash)} '
                          f'stroke-linejoin="miter"/>')

    def path(self, d, width=OUTLINE, fill="none", dash=None, colour="#000"):
        self.items.append(f'<path d="{d}" fill="{fill}" {self._stroke(width, dash, colour)}/>')

    # Shapes -------------------------------------------------------------
    def rect(self, x1, y1, x2, y2, width=OUTLINE, fill="#fff", radius=0, dash=None):
        r = f' rx="{_num(radius)}"' if radius else ""
        self.items.append(
            f'<rect x="{_num(_c(x1))}" y="{_num(_c(y1))}" width="{_num(x2 - x1)}" height="{_num(y2 - y1)}"{r} '
            f'fill="{fill}" {self._stroke(width, dash)}/>')

    def fill(self, x1, y1, x2, y2, colour="#fff"):
        """A borderless fill covering pixels x1..x2, y1..y2 inclusive."""
        self.items.append(f'<rect x="{_num(x1)}" y="{_num(y1)}" width="{_num(x2 - x1 + 1)}" '
                          f'height="{_num(y2 - y1 + 1)}" fill="{colour}" stroke="none"/>')

    def circle(self, cx, cy, r, width=OUTLINE, fill="#fff", dash=None):
        self.items.append(f'<circle cx="{_num(_c(cx))}" cy="{_num(_c(cy))}" r="{_num(r)}" fill="{fill}" '
                          f'{self._stroke(width, dash)}/>')

    def ellipse(self, cx, cy, rx, ry, width=OUTLINE, fill="#fff"):
        self.items.append(f'<ellipse cx="{_num(_c(cx))}" cy="{_num(_c(cy))}" rx="{_num(rx)}" ry="{_num(ry)}" '
                          f'fill="{fill}" {self._stroke(width)}/>')

    def arc(self, cx, cy, r, start_deg, end_deg, width=DETAIL):
        """An arc counter-clockwise on screen from start to end (degrees, 0 = right, 90 = up)."""
        a0, a1 = math.radians(start_deg), math.radians(end_deg)
        x0, y0 = _c(cx) + r * math.cos(a0), _c(cy) - r * math.sin(a0)
        x1, y1 = _c(cx) + r * math.cos(a1), _c(cy) - r * math.sin(a1)
        large = 1 if (end_deg - start_deg) % 360 > 180 else 0
        self.path(f"M{_num(x0)},{_num(y0)} A{_num(r)},{_num(r)} 0 {large} 0 {_num(x1)},{_num(y1)}", width)

    def hexagon(self, cx, cy, r, width=DETAIL, flat_top=True, fill="#fff"):
        """A hexagon seen face on: r is the radius to the corners."""
        start = 0 if flat_top else 30
        pts = []
        for k in range(6):
            a = math.radians(start + 60 * k)
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
        self.polyline(pts, width, closed=True, fill=fill)

    def hatch_rect(self, x1, y1, x2, y2, spacing=4, colour=HATCH):
        """45-degree hatching inside a rectangle (pixel indexes, inclusive)."""
        left, top, right, bottom = x1 + 0.5, y1 + 0.5, x2 + 0.5, y2 + 0.5
        k = left - (bottom - top)
        segs = []
        while k < right:
            # line x - (bottom - y) = k  ->  from (k, bottom) rising to the right
            xa, ya = k, bottom
            if xa < left:
                ya = bottom - (left - xa)
                xa = left
            xb, yb = k + (bottom - top), top
            if xb > right:
                yb = top + (xb - right)
                xb = right
            if ya > yb:
                segs.append(f"M{_num(xa)},{_num(ya)} L{_num(xb)},{_num(yb)}")
            k += spacing
        if segs:
            self.path(" ".join(segs), 0.5, colour=colour)

    # Engineering parts ---------------------------------------------------
    def cylinder_shading_v(self, x1, x2, y1, y2):
        """Shading lines of a cylinder whose axis runs up the page, edges x1 and x2."""
        w = x2 - x1
        for f in (0.07, 0.14, 0.86, 0.93):
            x = round(x1 + f * w)
            self.shade(x, y1 + 1, x, y2 - 1)

    def cylinder_shading_h(self, y1, y2, x1, x2):
        """Shading lines of a cylinder whose axis runs across the page, edges y1 and y2."""
        h = y2 - y1
        for f in (0.07, 0.14, 0.86, 0.93):
            y = round(y1 + f * h)
            self.shade(x1 + 1, y, x2 - 1, y)

    def port(self, cx, cy, r):
        """A threaded port seen face on: bore, thread and spot face."""
        self.circle(cx, cy, r, OUTLINE)
        self.circle(cx, cy, r * 0.55, DETAIL)
        self.arc(cx, cy, r * 0.75, 110, 380, 0.6)

    def screw_head(self, cx, cy, r=2.5):
        self.circle(cx, cy, r, 0.7)
        self.thin(cx - r * 0.6, cy, cx + r * 0.6, cy)

    def hex_side_v(self, x1, x2, y1, y2, width=DETAIL):
        """A hexagon nut or fitting seen from the side, its axis up the page."""
        self.rect(x1, y1, x2, y2, width)
        q = (x2 - x1) / 4
        self.thin(x1 + q, y1, x1 + q, y2)
        self.thin(x2 - q, y1, x2 - q, y2)

    def hex_side_h(self, y1, y2, x1, x2, width=DETAIL):
        """A hexagon nut or fitting seen from the side, its axis across the page."""
        self.rect(x1, y1, x2, y2, width)
        q = (y2 - y1) / 4
        self.thin(x1, y1 + q, x2, y1 + q)
        self.thin(x1, y2 - q, x2, y2 - q)

    def muffler_v(self, x1, x2, top, bottom, hex_h=6, nipple_h=5, body_up=True):
        """A sintered exhaust muffler on a vertical axis: domed body, hexagon,
        threaded nipple; the body at the top end when body_up, else hanging down."""
        body_len = bottom - top - hex_h - nipple_h
        if body_up:
            body = (top, top + body_len)
            hexy = (body[1], body[1] + hex_h)
            nip = (hexy[1], bottom)
        else:
            nip = (top, top + nipple_h)
            hexy = (nip[1], nip[1] + hex_h)
            body = (hexy[1], bottom)
        r = min(4, (x2 - x1) / 4)
        self.rect(x1, body[0], x2, body[1], OUTLINE, fill=LIGHT_FILL, radius=r)
        for y in range(body[0] + 4, body[1] - 1, 3):
            self.shade(x1 + 2, y, x2 - 2, y, "#8a8a8a")
        inset = max(1, (x2 - x1) // 8)
        self.hex_side_v(x1 + inset, x2 - inset, hexy[0], hexy[1])
        n = (x2 - x1) // 4
        self.rect(x1 + n, nip[0], x2 - n, nip[1], DETAIL)

    def muffler_h(self, y1, y2, left, right, hex_w=6, nipple_w=5, towards_left=True):
        """An exhaust muffler lying across the page, its body at the far end."""
        if towards_left:
            body = (left, right - hex_w - nipple_w)
            hexx = (body[1], body[1] + hex_w)
            nip = (hexx[1], right)
        else:
            body = (left + hex_w + nipple_w, right)
            hexx = (left + nipple_w, left + nipple_w + hex_w)
            nip = (left, left + nipple_w)
        r = min(4, (y2 - y1) / 4)
        self.rect(body[0], y1, body[1], y2, OUTLINE, fill=LIGHT_FILL, radius=r)
        for x in range(body[0] + 4, body[1] - 1, 3):
            self.shade(x, y1 + 2, x, y2 - 2, "#8a8a8a")
        inset = max(1, (y2 - y1) // 8)
        self.hex_side_h(y1 + inset, y2 - inset, hexx[0], hexx[1])
        n = (y2 - y1) // 4
        self.rect(nip[0], y1 + n, nip[1], y2 - n, DETAIL)

    def muffler_end(self, cx, cy, r):
        """A muffler seen end on: element ring with its sintered face."""
        self.circle(cx, cy, r, OUTLINE, fill=LIGHT_FILL)
        self.circle(cx, cy, r * 0.7, 0.6)
        for k in range(8):
            a = math.radians(22.5 + 45 * k)
            self.shade(cx + r * 0.3 * math.cos(a), cy + r * 0.3 * math.sin(a),
                       cx + r * 0.62 * math.cos(a), cy + r * 0.62 * math.sin(a), "#8a8a8a")

    def gauge(self, cx, cy, r, needle_deg=60):
        """A pressure gauge seen face on: bezel, dial with ticks, needle."""
        self.circle(cx, cy, r, OUTLINE)
        self.circle(cx, cy, r - 2, 0.6)
        for k in range(11):
            a = math.radians(225 - 27 * k)
            self.line(cx + (r - 3) * math.cos(a), cy - (r - 3) * math.sin(a),
                      cx + (r - 5.5) * math.cos(a), cy - (r - 5.5) * math.sin(a), 0.6)
        a = math.radians(needle_deg)
        self.line(cx, cy, cx + (r - 5) * math.cos(a), cy - (r - 5) * math.sin(a), 1.0)
        self.circle(cx, cy, 1.2, 0.6, fill="#000")

    def svg(self):
        body = "\n  ".join(self.items)
        return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{self.width}" height="{self.height}" '
                f'viewBox="0 0 {self.width} {self.height}">\n  {body}\n</svg>\n')


# Assemblies used by the accessory pictures -------------------------------------

def pipe_h(p, x1, x2, y, bore=4):
    """A pipe or tube across the page, centred on row y."""
    p.rect(x1, y - bore // 2, x2, y + bore - bore // 2, DETAIL)


def pipe_v(p, x, y1, y2, bore=4):
    p.rect(x - bore // 2, y1, x + bore - bore // 2, y2, DETAIL)


def elbow(p, cx, cy, size=8):
    """A pipe elbow or tee body seen from the front."""
    p.rect(cx - size // 2, cy - size // 2, cx + size - size // 2, cy + size - size // 2, DETAIL)


def booster(p, x1, x2, yc, cap_h, barrel_h, caps=14, centre_w=None, mufflers=True, muffler_h=None):
    """A double-acting booster lying across the page: end caps, barrels with
    tie rods, centre block, mufflers standing on the caps."""
    centre_w = centre_w or max(10, (x2 - x1) // 7)
    mid = (x1 + x2) // 2
    c1, c2 = mid - centre_w // 2, mid + centre_w - centre_w // 2
    top, bottom = yc - barrel_h // 2, yc + barrel_h - barrel_h // 2
    for bx1, bx2 in ((x1 + caps, c1), (c2, x2 - caps)):
        p.rect(bx1, top, bx2, bottom)
        p.cylinder_shading_h(top, bottom, bx1, bx2)
    rod_top, rod_bottom = top - 3, bottom + 1
    for y in (rod_top, rod_bottom):
        p.rect(x1 + caps, y, x2 - caps, y + 2, DETAIL)
    ctop, cbottom = yc - (cap_h - 4) // 2, yc + (cap_h - 4) - (cap_h - 4) // 2
    p.rect(c1, ctop, c2, cbottom)
    ctop2, cbottom2 = yc - cap_h // 2, yc + cap_h - cap_h // 2
    p.rect(x1, ctop2, x1 + caps, cbottom2)
    p.rect(x2 - caps, ctop2, x2, cbottom2)
    p.screw_head(c1 + 4, ctop + 5, 2)
    p.screw_head(c2 - 4, ctop + 5, 2)
    if mufflers:
        mh = muffler_h or cap_h // 2
        inset = max(1, caps // 8)
        p.muffler_v(x1 + inset, x1 + caps - inset, ctop2 - mh, ctop2, hex_h=max(3, mh // 7),
                    nipple_h=max(3, mh // 8))
        p.muffler_v(x2 - caps + inset, x2 - inset, ctop2 - mh, ctop2, hex_h=max(3, mh // 7),
                    nipple_h=max(3, mh // 8))
    return ctop2, cbottom2


def filter_regulator(p, cx, top, width=30, gauge_left=True):
    """A filter-regulator standing up: adjusting knob, bonnet, body with the
    gauge on a side port, filter bowl and drain below. Returns the body's
    mid-height (where its in and out ports are)."""
    w = width
    knob = (cx - w // 4, top, cx + w // 4, top + w // 5)
    p.rect(*knob, DETAIL)
    for k in range(1, 4):
        x = knob[0] + k * (knob[2] - knob[0]) / 4
        p.shade(x, knob[1] + 1, x, knob[3] - 1, "#777")
    bonnet_top = knob[3]
    body_top = bonnet_top + w // 2
    p.polyline([(cx - w // 4, bonnet_top), (cx + w // 4, bonnet_top), (cx + w // 2 - 2, body_top),
                (cx - w // 2 + 2, body_top)], OUTLINE, closed=True, fill="#fff")
    body_bottom = body_top + int(w * 0.8)
    p.rect(cx - w // 2, body_top, cx + w // 2, body_bottom)
    ports_y = (body_top + body_bottom) // 2
    p.thin(cx - w // 2, ports_y - 4, cx + w // 2, ports_y - 4)
    p.thin(cx - w // 2, ports_y + 4, cx + w // 2, ports_y + 4)
    collar = body_bottom + 4
    p.rect(cx - w // 2 + 2, body_bottom, cx + w // 2 - 2, collar, DETAIL)
    bowl_bottom = collar + int(w * 1.2)
    r = w // 2 - 3
    p.path(f"M{cx - r + 0.5},{collar + 0.5} L{cx - r + 0.5},{bowl_bottom - r + 0.5} "
           f"C{cx - r + 0.5},{bowl_bottom + 0.5} {cx + r + 0.5},{bowl_bottom + 0.5} {cx + r + 0.5},"
           f"{bowl_bottom - r + 0.5} L{cx + r + 0.5},{collar + 0.5}", fill=LIGHT_FILL)
    p.shade(cx - r + 3, collar + 4, cx - r + 3, bowl_bottom - r)
    p.rect(cx - 2, bowl_bottom - 1, cx + 2, bowl_bottom + 5, DETAIL)
    gx = cx - w // 2 - w // 2 if gauge_left else cx + w // 2 + w // 2
    stem_from = cx - w // 2 if gauge_left else cx + w // 2
    p.rect(min(gx, stem_from), body_top + 3, max(gx, stem_from), body_top + 7, DETAIL)
    p.gauge(gx, body_top + 5 - int(w * 0.45) - 2, int(w * 0.45))
    return ports_y, bowl_bottom + 5


def ball_valve(p, cx, cy, size=16, lever=True):
    """A ball valve seen from the front: hexagon ends, body, lever handle."""
    s = size
    p.hex_side_h(cy - s // 3, cy + s // 3, cx - s, cx - s // 2)
    p.hex_side_h(cy - s // 3, cy + s // 3, cx + s // 2, cx + s)
    p.rect(cx - s // 2, cy - s // 2, cx + s // 2, cy + s // 2)
    p.rect(cx - 2, cy - s // 2 - 4, cx + 2, cy - s // 2, DETAIL)
    if lever:
        p.rect(cx - 3, cy - s // 2 - 9, cx + int(s * 1.4), cy - s // 2 - 4, DETAIL, fill=LIGHT_FILL)


def relief_valve(p, cx, base, height=30, width=12):
    """A safety relief valve standing on a port: threaded body, spring
    housing, cap and pull ring."""
    h, w = height, width
    p.hex_side_v(cx - w // 2, cx + w // 2, base - h // 5, base)
    p.rect(cx - w // 2 + 2, base - h * 4 // 5, cx + w // 2 - 2, base - h // 5)
    for k in range(3):
        y = base - h // 5 - 4 - k * 4
        p.shade(cx - w // 2 + 3, y, cx + w // 2 - 3, y)
    p.rect(cx - w // 4, base - h + 2, cx + w // 4, base - h * 4 // 5, DETAIL)
    p.circle(cx, base - h - 1, 3, DETAIL)
    p.rect(cx + w // 2, base - h // 2 - 2, cx + w // 2 + 6, base - h // 2 + 2, DETAIL)


def pilot_switch(p, x1, y1, x2, y2):
    """An air pilot switch: a block with its adjusting screw, signal port and
    a conduit fitting."""
    p.rect(x1, y1, x2, y2)
    p.thin(x1, y1 + 5, x2, y1 + 5)
    cx = (x1 + x2) // 2
    p.rect(cx - 3, y1 - 6, cx + 3, y1, DETAIL)
    p.thin(cx, y1 - 6, cx, y1 - 9)
    p.screw_head(x1 + 5, y2 - 5, 2)
    p.screw_head(x2 - 5, y2 - 5, 2)
    p.hex_side_v(cx - 5, cx + 5, y2, y2 + 6)


def receiver_horizontal(p, x1, x2, y1, y2, saddles=True, base=None):
    """A horizontal air receiver: saddles, shell, dished heads."""
    head = max(8, (y2 - y1) // 4)
    if saddles:
        bottom = base if base is not None else y2 + (y2 - y1) // 4
        w = (x2 - x1) // 8
        for sx in (x1 + (x2 - x1) // 4, x2 - (x2 - x1) // 4):
            p.polyline([(sx - w // 2, y2 - 6), (sx + w // 2, y2 - 6), (sx + w // 2 + 4, bottom),
                        (sx - w // 2 - 4, bottom)], OUTLINE, closed=True, fill="#fff")
            p.rect(sx - w // 2 - 8, bottom, sx + w // 2 + 8, bottom + 4, DETAIL)
    p.path(f"M{x1 + head + 0.5},{y1 + 0.5} L{x2 - head + 0.5},{y1 + 0.5} "
           f"C{x2 + 0.5},{y1 + 0.5} {x2 + 0.5},{y2 + 0.5} {x2 - head + 0.5},{y2 + 0.5} "
           f"L{x1 + head + 0.5},{y2 + 0.5} C{x1 + 0.5},{y2 + 0.5} {x1 + 0.5},{y1 + 0.5} "
           f"{x1 + head + 0.5},{y1 + 0.5} Z", fill="#fff")
    p.thin(x1 + head, y1, x1 + head, y2)
    p.thin(x2 - head, y1, x2 - head, y2)
    p.cylinder_shading_h(y1, y2, x1 + head, x2 - head)


def flow_arrow(p, x1, x2, y):
    """The flow-direction arrow cast on a valve body."""
    p.thin(x1, y, x2 - 4, y)
    p.polyline([(x2, y), (x2 - 5, y - 3), (x2 - 5, y + 3)], DETAIL, closed=True, fill="#000")


def downstream_regulator(p, cx, ports_y, k=1.0, gauges=True, pipe_len=150):
    """An in-line pressure regulator: handwheel, bonnet, body with the flow
    arrow, inlet and outlet gauges, pipes with unions; k scales it."""
    def n(v):
        return int(round(v * k))
    top = ports_y - n(136)
    p.rect(cx - n(10), top, cx + n(10), top + n(20), DETAIL)
    p.rect(cx - n(36), top + n(20), cx + n(36), top + n(30))
    for j in range(1, 8):
        x = cx - n(36) + j * n(72) / 8
        p.shade(x, top + n(20) + 1, x, top + n(30) - 1, "#777")
    p.rect(cx - n(8), top + n(30), cx + n(8), top + n(50), DETAIL)
    p.polyline([(cx - n(30), top + n(50)), (cx + n(30), top + n(50)), (cx + n(50), top + n(100)),
                (cx - n(50), top + n(100))], OUTLINE, closed=True, fill="#fff")
    p.rect(cx - n(56), top + n(100), cx + n(56), top + n(106), DETAIL)
    p.rect(cx - n(46), top + n(106), cx + n(46), ports_y + n(30))
    flow_arrow(p, cx - n(20), cx + n(20), ports_y)
    p.rect(cx - n(30), ports_y + n(30), cx + n(30), ports_y + n(44), DETAIL)
    p.rect(cx - n(6), ports_y + n(44), cx + n(6), ports_y + n(56), DETAIL)
    for side in (-1, 1):
        x0 = cx + side * n(46)
        x1 = cx + side * n(pipe_len)
        pipe_h(p, min(x0, x1), max(x0, x1), ports_y, max(4, n(14)))
        ux = cx + side * n(100)
        p.hex_side_h(ports_y - n(14), ports_y + n(14), ux - n(10), ux + n(10))
        p.thin(ux, ports_y - n(14), ux, ports_y + n(14))
        if gauges:
            gx = cx + side * n(72)
            pipe_v(p, gx, ports_y - n(60), ports_y - n(7), max(3, n(6)))
            p.gauge(gx, ports_y - n(88), n(26), needle_deg=90 - side * 30)
