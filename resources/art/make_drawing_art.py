#!/usr/bin/env python3
"""Writes the outline pictures of the dimension drawings.

Run from anywhere:  python3 resources/art/make_drawing_art.py
It rewrites resources/art/drawings/*.svg and resources/drawings.qrc; commit
the result.

Each picture is drawn at exactly the size the drawings place it at, with
the features where the drawings' dimension and leader tables expect them
(positions below are offsets from the drawing's origin, which is the
picture's top-left corner unless noted).
"""

import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from drawing_art_kit import (DETAIL, LIGHT_FILL, OUTLINE, Picture, ball_valve, booster,  # noqa: E402
                             downstream_regulator, elbow, filter_regulator, flow_arrow, pilot_switch, pipe_h, pipe_v,
                             receiver_horizontal, relief_valve)

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "drawings")
PICTURES = {}


def picture(name, width, height):
    def register(draw):
        PICTURES[name] = (width, height, draw)
        return draw
    return register


# Models 1-3 ----------------------------------------------------------------

@picture("lrb_side_elevation", 128, 202)
def lrb_side_elevation(p):
    # Valve head 10..116 x 0..39 (7.00" and 1.46" start on its top edge),
    # barrel down to 158, pump head 158..197; the 1.63" valve cover sits on
    # the unit's port axis x = 71, the 2.25" runs from that axis to the
    # outlet fitting's face at 126.
    p.rect(18, 39, 108, 158)
    p.cylinder_shading_v(18, 108, 39, 158)
    for x in (12, 111):
        p.rect(x, 39, x + 3, 158, DETAIL)
        p.hex_side_v(x - 3, x + 6, 39, 45)
        p.hex_side_v(x - 3, x + 6, 152, 158)
    p.rect(10, 0, 116, 39)
    p.rect(49, 3, 93, 20, DETAIL)
    p.screw_head(54, 11)
    p.screw_head(88, 11)
    p.thin(10, 26, 49, 26)
    p.thin(93, 26, 116, 26)
    p.rect(58, 26, 70, 38, DETAIL)
    p.port(64, 32, 3.5)
    p.rect(10, 158, 116, 197)
    p.thin(10, 164, 116, 164)
    p.hex_side_h(159, 177, 116, 126, DETAIL)
    p.hidden(116, 165, 126, 165)
    p.hidden(116, 171, 126, 171)
    p.hidden(62, 197, 62, 184)
    p.hidden(80, 197, 80, 184)
    p.hidden(62, 184, 71, 179)
    p.hidden(80, 184, 71, 179)
    p.centre(71, 172, 71, 201)
    p.centre(71, 0, 71, 2)


@picture("lrb_plan", 118, 88)
def lrb_plan(p):
    # Valve head from above, 1..117 x 0..85 (4.85" by 3.25").
    p.rect(1, 0, 117, 85)
    p.circle(59, 42, 38, DETAIL, dash="3,2")
    p.rect(37, 30, 81, 55, DETAIL)
    p.screw_head(42, 42)
    p.screw_head(76, 42)
    for x, y in ((9, 8), (109, 8), (9, 77), (109, 77)):
        p.circle(x, y, 3.5, DETAIL)
    p.centre(59, 2, 59, 83)
    p.centre(3, 42, 115, 42)


# Model 4 --------------------------------------------------------------------

def rbw4_muffler(p, x1, x2):
    p.muffler_v(x1, x2, 1, 46, hex_h=6, nipple_h=5)


@picture("4rbw2_front", 280, 175)
def four_rbw2_front(p):
    # End caps 3..27 and 252..276 (12.875"), 46..172 high (5.00"), mufflers
    # up to the top edge (3.25" above the caps), tie-rod nuts at the right
    # end out to 282 - beyond the picture, so they stop at its edge.
    for x1, x2 in ((27, 115), (164, 252)):
        p.rect(x1, 56, x2, 162)
        p.cylinder_shading_h(56, 162, x1, x2)
    for y in (49, 165):
        p.rect(27, y, 252, y + 4, DETAIL)
    p.rect(115, 50, 164, 168)
    p.screw_head(121, 56)
    p.screw_head(158, 56)
    p.screw_head(121, 162)
    p.screw_head(158, 162)
    p.port(142, 106, 6)
    p.rect(3, 46, 27, 172)
    p.rect(252, 46, 276, 172)
    p.port(15, 108, 6.5)
    p.hex_side_h(46, 56, 276, 279)
    p.hex_side_h(162, 172, 276, 279)
    rbw4_muffler(p, 5, 25)
    rbw4_muffler(p, 254, 274)
    p.centre(0, 109, 274, 109)


@picture("4rbw2_side_elevation", 150, 175)
def four_rbw2_side(p):
    # The right end: cap 0..148 (5.50") by 46..172, muffler on top.
    p.rect(0, 46, 148, 172)
    for cx in (10, 138):
        for cy in (56, 162):
            p.hexagon(cx, cy, 6)
            p.circle(cx, cy, 2.5, 0.6)
    p.circle(74, 109, 30, OUTLINE)
    p.circle(74, 109, 22, DETAIL)
    p.hexagon(74, 109, 9)
    for cx, cy in ((52, 87), (96, 87), (52, 131), (96, 131)):
        p.screw_head(cx, cy)
    rbw4_muffler(p, 64, 84)
    p.centre(74, 60, 74, 158)
    p.centre(40, 109, 108, 109)


# Fixing-slot detail, models 5 to 14 -----------------------------------------

@picture("fixing_plan", 160, 60)
def fixing_plan(p):
    # A mounting foot in plan, broken off at the right: its edges at 12 and
    # 50, the open slot's centre line at 26 carried out to the right edge
    # (the 1.00" and 2.00" dimensions stand beside it).
    p.path("M0.5,12.5 L150.5,12.5 C145,19 156,26 150.5,32 C146,38 155,45 150.5,50.5 L0.5,50.5 Z",
           fill="#fff")
    p.hidden(96, 13, 96, 50)
    p.path("M0.5,22.5 L40.5,22.5 A4,4 0 0 1 40.5,30.5 L0.5,30.5", DETAIL * 1.5)
    p.fill(0, 23, 0, 30)
    p.centre(2, 26, 159, 26)
    p.centre(40, 17, 40, 35)


# Models 5, 6 and 7 ---------------------------------------------------------

def rb_plan_view(p):
    # Plan 1..160 x 0..164: head 10..160 x 8..156 (9.25" deep), valve block
    # out to 2 (9.55" overall), slotted feet at the corners; the front-left
    # foot's slot opens at (0, 160) for the fixings note.
    for x1, x2, slot_left in ((1, 22, True), (139, 160, False)):
        for y1, y2 in ((0, 8), (156, 164)):
            p.rect(x1, y1, x2, y2, OUTLINE)
            sy = (y1 + y2) // 2
            if slot_left:
                p.path(f"M{x1 + 0.5},{sy - 1.5} L{x1 + 10.5},{sy - 1.5} A2,2 0 0 1 {x1 + 10.5},{sy + 2.5} "
                       f"L{x1 + 0.5},{sy + 2.5}", DETAIL)
                p.fill(x1, sy - 1, x1, sy + 2)
            else:
                p.path(f"M{x2 + 0.5},{sy - 1.5} L{x2 - 9.5},{sy - 1.5} A2,2 0 0 0 {x2 - 9.5},{sy + 2.5} "
                       f"L{x2 + 0.5},{sy + 2.5}", DETAIL)
                p.fill(x2, sy - 1, x2, sy + 2)
    p.rect(10, 8, 160, 156)
    p.rect(14, 12, 156, 152, DETAIL)
    p.circle(85, 82, 62, DETAIL, dash="3,2")
    for cx, cy in ((23, 21), (147, 21), (23, 143), (147, 143)):
        p.hexagon(cx, cy, 6.5)
        p.circle(cx, cy, 2.5, 0.6)
    p.circle(85, 82, 14, DETAIL)
    p.hexagon(85, 82, 7)
    p.rect(2, 40, 10, 110)
    p.screw_head(6, 48, 2)
    p.screw_head(6, 102, 2)
    p.rect(67, 117, 79, 129, DETAIL)
    p.port(73, 123, 4)
    p.centre(85, 4, 85, 160)
    p.centre(6, 82, 163, 82)


def rb_front_view(p, neck, port_r):
    # Front 219..378 x 0..235: drive head 229..378 from the top edge, valve
    # block 219..236 from 95 (9.75" overall), muffler hanging below it at
    # x 219, gas head 196..235 with the ports' lowest points at y 230.
    n1, n2 = neck
    p.rect(n1, 158, n2, 196)
    p.cylinder_shading_v(n1, n2, 158, 196)
    p.rect(236, 22, 371, 140)
    p.cylinder_shading_v(236, 371, 22, 140)
    for x in (231, 373):
        p.rect(x, 22, x + 3, 140, DETAIL)
    p.rect(229, 0, 378, 22)
    p.thin(229, 5, 378, 5)
    p.rect(229, 140, 378, 158)
    p.thin(229, 153, 378, 153)
    for x in (n1 - 7, n2 + 4):
        p.rect(x, 158, x + 3, 196, DETAIL)
    p.rect(229, 196, 378, 235)
    p.thin(229, 201, 378, 201)
    for cx in (245, 360):
        p.rect(cx - 10, 211, cx + 10, 232, DETAIL)
        p.port(cx, 229.5 - port_r, port_r)
    p.rect(219, 95, 236, 178)
    p.thin(219, 102, 236, 102)
    p.thin(219, 171, 236, 171)
    p.screw_head(227, 110, 2)
    p.screw_head(227, 163, 2)
    p.muffler_v(219, 235, 178, 214, hex_h=5, nipple_h=4, body_up=False)
    p.centre(303, 2, 303, 233)


@picture("rb8", 390, 240)
def rb8(p):
    rb_plan_view(p)
    rb_front_view(p, (281, 325), 7)


@picture("rb30", 390, 240)
def rb30(p):
    rb_plan_view(p)
    rb_front_view(p, (291, 315), 5.5)


# Model 8 ---------------------------------------------------------------------

@picture("rbw2", 470, 274)
def rbw2(p):
    # Side view 0..178: drive cylinder 5..171 from y 6, centre section
    # 95..170 with the muffler end on at (21, 114), valve block out to 178
    # from y 75, lower cylinder, base down to 264 and slotted feet to 273.
    p.rect(40, 170, 136, 250)
    p.cylinder_shading_v(40, 136, 170, 250)
    p.rect(72, 224, 84, 236, DETAIL)
    p.port(72, 230, 5.5)
    p.rect(12, 20, 164, 82)
    p.cylinder_shading_v(12, 164, 20, 82)
    p.rect(5, 6, 171, 20)
    p.thin(5, 11, 171, 11)
    p.rect(5, 82, 171, 95)
    p.rect(5, 95, 171, 170)
    p.muffler_end(30, 114, 9)
    p.screw_head(14, 160)
    p.screw_head(140, 103)
    p.rect(150, 75, 178, 190)
    p.thin(150, 82, 178, 82)
    p.thin(150, 183, 178, 183)
    p.screw_head(164, 90)
    p.screw_head(164, 175)
    p.rect(5, 250, 171, 264)
    for x1, x2 in ((0, 40), (136, 176)):
        p.rect(x1, 264, x2, 273)
    p.hidden(3, 264, 3, 273)
    p.hidden(9, 264, 9, 273)
    p.hidden(167, 264, 167, 273)
    p.hidden(173, 264, 173, 273)
    p.centre(88, 1, 88, 272)
    # Front view 257..469: drive cylinder 278..448 with a vent fitting up to
    # the top edge at its right, centre section 257..469 from 95 to 170
    # (inlet fitting out to 254, outlet port on the face at (464, 138)),
    # lower cylinder, base and feet down to 273.
    p.rect(318, 170, 408, 250)
    p.cylinder_shading_v(318, 408, 170, 250)
    p.rect(285, 20, 441, 82)
    p.cylinder_shading_v(285, 441, 20, 82)
    for x in (280, 443):
        p.rect(x, 20, x + 3, 82, DETAIL)
    p.rect(278, 6, 448, 20)
    p.thin(278, 11, 448, 11)
    p.hex_side_v(434, 448, 0, 6)
    p.rect(278, 82, 448, 95)
    p.rect(257, 95, 469, 170)
    p.thin(257, 101, 469, 101)
    p.thin(257, 164, 469, 164)
    p.hex_side_h(124, 136, 254, 257)
    p.hidden(257, 127, 268, 127)
    p.hidden(257, 133, 268, 133)
    p.rect(454, 120, 468, 134, DETAIL)
    p.port(461, 130.5, 6)
    p.screw_head(265, 110)
    p.screw_head(265, 156)
    p.rect(270, 250, 456, 264)
    for x1, x2 in ((270, 310), (416, 456)):
        p.rect(x1, 264, x2, 273)
    p.centre(363, 1, 363, 272)


# Model 9 ---------------------------------------------------------------------

@picture("rbw5", 500, 225)
def rbw5(p):
    # End view: cap 7..135 x 8..138 (7.00" from its top edge), pilot valve
    # block out to 158 above the air-inlet note, slotted feet at the bottom
    # out to the picture's left edge.
    p.rect(0, 126, 30, 138)
    p.rect(112, 126, 158, 138)
    p.hidden(5, 126, 5, 138)
    p.hidden(11, 126, 11, 138)
    p.hidden(147, 126, 147, 138)
    p.hidden(153, 126, 153, 138)
    p.rect(7, 8, 135, 126)
    p.rect(13, 14, 129, 120, DETAIL)
    for cx, cy in ((21, 22), (121, 22), (21, 112), (121, 112)):
        p.hexagon(cx, cy, 6)
        p.circle(cx, cy, 2.5, 0.6)
    p.circle(71, 62, 26)
    p.circle(71, 62, 18, DETAIL)
    p.hexagon(71, 62, 8)
    p.rect(67, 97, 81, 109, DETAIL)
    p.port(75, 103, 5)
    p.rect(135, 14, 158, 48)
    p.thin(140, 14, 140, 48)
    p.screw_head(149, 21, 2)
    p.screw_head(149, 41, 2)
    p.centre(71, 30, 71, 94)
    p.centre(39, 62, 103, 62)
    # Front view: drive cylinder 259..403 over the full 12.25" height, gas
    # cylinders out to 179 and 479 on the axis, muffler on the left drive cap
    # out to x 228, tube fittings on the caps with their lowest points at 206.
    for x1, x2 in ((195, 259), (403, 463)):
        p.rect(x1, 78, x2, 138)
        p.cylinder_shading_h(78, 138, x1, x2)
    p.rect(179, 66, 195, 150)
    p.rect(463, 66, 479, 150)
    for y in (72, 142):
        p.rect(195, y, 259, y + 3, DETAIL)
        p.rect(403, y, 463, y + 3, DETAIL)
    p.rect(275, 8, 387, 208)
    p.cylinder_shading_h(8, 208, 275, 387)
    for y in (3, 211):
        p.rect(275, y - 1, 387, y + 2, DETAIL)
    p.rect(259, 0, 275, 216)
    p.rect(387, 0, 403, 216)
    for cx in (265, 393):
        p.hexagon(cx, 199, 7.5, flat_top=False)
        p.circle(cx, 199, 4.5, DETAIL)
        p.circle(cx, 199, 2.5, 0.6)
    p.muffler_h(163, 177, 228, 259, hex_w=5, nipple_w=4)
    p.screw_head(267, 14)
    p.screw_head(395, 14)
    p.centre(176, 108, 482, 108)
    p.centre(331, 2, 331, 214)


# Models 10 to 14: long double-acting units ------------------------------------

AXIS_10_14 = 70  # the unit's axis in the front view; drive caps 0..141


def long_unit_drive_section(p):
    # Drive cylinder 90..255 on the axis, caps the full 9.50" high, valve
    # block on the barrel by the right cap with the air drive inlet at
    # (238, 86); feet below with their slots 9.125" apart at 117 and 274.
    p.rect(114, 6, 231, 135)
    p.cylinder_shading_h(6, 135, 114, 231)
    for y in (2, 138):
        p.rect(114, y - 1, 231, y + 2, DETAIL)
    p.rect(90, 0, 114, 141)
    p.rect(231, 0, 255, 141)
    for x in (94, 235):
        p.thin(x, 0, x, 141)
    p.rect(220, 45, 256, 100)
    p.thin(220, 51, 256, 51)
    p.screw_head(227, 58, 2)
    p.screw_head(249, 58, 2)
    p.rect(231, 79, 245, 93, DETAIL)
    p.port(238, 86, 5.5)
    # the right foot carries the gas cylinder on a bracket
    p.rect(266, 80, 282, 141)
    p.thin(266, 86, 282, 86)
    for cx in (117, 274):
        p.rect(cx - 26, 141, cx + 26, 153)
        p.hidden(cx - 4, 141, cx - 4, 153)
        p.hidden(cx + 4, 141, cx + 4, 153)
        p.centre(cx, 137, cx, 153)


def gas_barrel(p, x1, x2, half):
    a = AXIS_10_14
    p.rect(x1, a - half, x2, a + half)
    p.cylinder_shading_h(a - half, a + half, x1, x2)


def chamfered_head(p, x1, x2, top, bottom, chamfer, inner_side):
    """A gas head whose corner towards the drive is chamfered (keeps it clear
    of the note above it)."""
    if inner_side == "left":
        pts = [(x1, top + chamfer), (x1 + chamfer, top), (x2, top), (x2, bottom), (x1, bottom)]
    else:
        pts = [(x1, top), (x2 - chamfer, top), (x2, top + chamfer), (x2, bottom), (x1, bottom)]
    p.polyline(pts, OUTLINE, closed=True, fill="#fff")


def end_view_10_14(p, right_edge, valve_block, feet_right):
    # End view from x 375: drive cap 392.. with the muffler on its back out
    # to 375 (from y 95), gas head in front with both ports' lowest points at
    # y 89, feet along the bottom as far right as the picture allows.
    cap_right = right_edge
    p.rect(392, 0, cap_right, 141)
    p.rect(397, 5, cap_right - 5, 136, DETAIL)
    for cx, cy in ((404, 12), (cap_right - 12, 12), (404, 129), (cap_right - 12, 129)):
        p.hexagon(cx, cy, 6)
        p.circle(cx, cy, 2.5, 0.6)
    p.muffler_h(95, 113, 375, 392, hex_w=4, nipple_w=3)
    p.rect(405, 50, 515, 91)
    p.thin(405, 56, 515, 56)
    for cx in (435, 500):
        p.port(cx, 83, 5.5)
    p.screw_head(412, 84, 2)
    p.screw_head(468, 84, 2)
    if valve_block:
        valve_block(p)
    p.rect(375, 141, feet_right, 153)
    for cx in (385, feet_right - 10):
        p.hidden(cx - 4, 141, cx - 4, 153)
        p.hidden(cx + 4, 141, cx + 4, 153)


@picture("rbw15", 528, 154)
def rbw15(p):
    # Front view 0..345: gas heads at both ends reaching up to y 50 (under
    # the 21.625"/20.50" extension lines), gas cylinders kept below the
    # air-inlet note (rows 31..60 from x 274).
    a = AXIS_10_14
    gas_barrel(p, 12, 90, 10)
    gas_barrel(p, 255, 333, 10)
    for x1, x2 in ((0, 12), (333, 345)):
        p.rect(x1, 50, x2, 91)
    p.port(6, 80, 3)
    p.port(339, 80, 3)
    long_unit_drive_section(p)
    p.centre(0, a, 345, a)

    def valve_block(p):
        p.rect(519, 45, 526, 100)
    end_view_10_14(p, 519, valve_block, 526)


@picture("rbz15", 562, 155)
def rbz15(p):
    # Two-stage: second stage on the left (outlet port at (17, 85)), first
    # stage on the right (inlet port at (328, 85)); the heads' inner top
    # corners are chamfered to keep clear of the air-inlet note.
    a = AXIS_10_14
    gas_barrel(p, 30, 90, 7)
    gas_barrel(p, 255, 315, 10)
    chamfered_head(p, 0, 30, 50, 92, 10, "right")
    chamfered_head(p, 315, 345, 50, 92, 12, "left")
    p.rect(10, 77, 24, 91, DETAIL)
    p.port(17, 84.5, 6)
    p.rect(321, 77, 335, 91, DETAIL)
    p.port(328, 84.5, 6)
    long_unit_drive_section(p)
    p.centre(0, a, 345, a)

    def valve_block(p):
        p.rect(530, 58, 557, 112)
        p.thin(535, 58, 535, 112)
        p.screw_head(546, 66, 2)
        p.screw_head(546, 104, 2)
    end_view_10_14(p, 530, valve_block, 540)


# Model 15 --------------------------------------------------------------------

def skid_channel_end(p, x1, x2, web_left):
    """A base channel seen end on, 175..197 high."""
    if web_left:
        pts = [(x1, 175), (x2, 175), (x2, 179), (x1 + 4, 179), (x1 + 4, 193), (x2, 193), (x2, 197), (x1, 197)]
    else:
        pts = [(x1, 175), (x2, 175), (x2, 197), (x1, 197), (x1, 193), (x2 - 4, 193), (x2 - 4, 179), (x1, 179)]
    p.polyline(pts, OUTLINE, closed=True, fill="#fff")


@picture("8rbw2", 555, 200)
def eight_rbw2(p):
    # End view 0..124: control manifold across the top (9.60" wide, 15.40"
    # from its top edge to the skid's foot), valve body down to the cylinder
    # with the air drive inlet on its face at (64, 64), cylinder end from
    # y 66 (10.20"), skid channels 4..29 and 95..118 with fixing holes on 12
    # and 112 (7.00", 4.30" between the flange tips, 8.40" over the webs).
    # The 15.40" text covers x 0..16 at y 21..36, so the parts there stay
    # clear of it.
    for x1, x2 in ((30, 48), (80, 98)):
        p.rect(x1, 146, x2, 175)
    skid_channel_end(p, 4, 29, True)
    skid_channel_end(p, 95, 118, False)
    for cx in (12, 112):
        p.centre(cx, 171, cx, 199)
    p.rect(24, 66, 104, 146)
    p.rect(29, 71, 99, 141, DETAIL)
    for cx, cy in ((34, 76), (94, 76), (34, 136), (94, 136)):
        p.hexagon(cx, cy, 5)
    p.circle(64, 106, 24)
    p.circle(64, 106, 16, DETAIL)
    p.hexagon(64, 106, 7)
    p.rect(28, 15, 64, 66)
    p.thin(28, 22, 64, 22)
    p.rect(56, 57, 64, 71, DETAIL)
    p.rect(0, 0, 124, 15)
    p.thin(0, 4, 124, 4)
    p.rect(100, 15, 124, 35)
    p.thin(100, 20, 124, 20)
    p.screw_head(36, 44)
    p.screw_head(8, 9, 2)
    p.screw_head(116, 9, 2)
    p.centre(64, 78, 64, 134)
    p.centre(36, 106, 92, 106)
    # Front view 186..553: muffler at the top left out to 186 (its top at
    # y 5), valve body, cylinders 250..553 from y 56 with their undersides
    # on 133, centre section with the outlet port's top at (421, 129),
    # saddles down to the skid 254..553 x 175..197 whose fixing holes sit
    # on 292 and 542. The gaps at x 205..250 and 241..299 carry the 11.00"
    # and 4.80" dimension texts.
    for x1, x2 in ((305, 335), (470, 500)):
        p.polyline([(x1 - 6, 175), (x1, 133), (x2, 133), (x2 + 6, 175)], OUTLINE, closed=True, fill="#fff")
    p.rect(254, 175, 553, 197)
    p.thin(254, 179, 553, 179)
    p.thin(254, 193, 553, 193)
    for cx in (292, 360, 475, 542):
        p.hidden(cx - 4, 179, cx - 4, 197)
        p.hidden(cx + 4, 179, cx + 4, 197)
    for cx in (292, 542):
        p.centre(cx, 171, cx, 199)
    for x1, x2 in ((276, 382), (440, 527)):
        p.rect(x1, 59, x2, 133)
        p.cylinder_shading_h(59, 133, x1, x2)
        p.rect(x1, 61, x2, 64, DETAIL)
        p.rect(x1, 128, x2, 131, DETAIL)
    p.rect(382, 56, 440, 142)
    p.thin(382, 62, 440, 62)
    p.screw_head(390, 70)
    p.screw_head(432, 70)
    p.rect(411, 125, 431, 145, DETAIL)
    p.port(421, 135, 6)
    for x1, x2 in ((250, 276), (527, 553)):
        p.rect(x1, 56, x2, 136)
        p.thin(x1 + 4, 56, x1 + 4, 136)
    p.rect(226, 10, 300, 56)
    p.thin(226, 17, 300, 17)
    p.rect(300, 24, 322, 46, DETAIL)
    p.port(311, 35, 6)
    p.muffler_h(5, 21, 186, 226, hex_w=6, nipple_w=5)
    p.screw_head(234, 48)
    p.screw_head(292, 48)
    p.centre(246, 96, 554, 96)


# Option 6: receiver and controls for models 1-3 ------------------------------

def regulator_front(p, x1, y1, x2, y2):
    """A pressure regulator body seen from the front, adjusting knob below."""
    p.rect(x1, y1, x2, y2, fill="#fff")
    p.thin(x1, y1 + 6, x2, y1 + 6)
    p.thin(x1, y2 - 6, x2, y2 - 6)


@picture("option_61301", 464, 326)
def option_61301(p):
    # Front view 34..230: receiver 10..100 (10.61" over it, 8.00" from its
    # underside to the wall-mounting holes on 243), wall plate behind with
    # its holes, the booster, a regulator 149..230 x 200..274 (6.42" and
    # 1.88" to the foot) with the air inlet fitting ending at (154, 196) and
    # the outlet fitting's foot at (194, 284), base plate to y 307 (3.50")
    # from x 35, feet 47..87 and 184..224 on mounting holes 67 and 204.
    p.rect(42, 100, 228, 290)
    for cx, cy in ((67, 115), (204, 115), (67, 243)):
        p.circle(cx, cy, 3, DETAIL)
        p.centre(cx - 8, cy, cx + 8, cy)
        p.centre(cx, cy - 8, cx, cy + 8)
    p.circle(204, 243, 3, DETAIL, dash="2,1.5")
    for x1, x2 in ((47, 87), (184, 224)):
        p.rect(x1, 307, x2, 318)
    p.rect(35, 290, 235, 307)
    for cx in (67, 204):
        p.hidden(cx - 5, 290, cx - 5, 318)
        p.hidden(cx + 5, 290, cx + 5, 318)
        p.centre(cx, 286, cx, 322)
    # booster standing on the base, piped up into the receiver
    p.rect(84, 140, 132, 150)
    p.rect(88, 150, 128, 250)
    p.cylinder_shading_v(88, 128, 150, 250)
    p.rect(84, 250, 132, 290)
    p.rect(104, 100, 112, 140, DETAIL)
    p.rect(60, 170, 84, 180, DETAIL)
    p.port(96, 270, 4)
    # regulator with gauge, inlet fitting on top, outlet fitting below
    regulator_front(p, 149, 200, 230, 274)
    p.gauge(176, 237, 17)
    p.circle(213, 237, 10, DETAIL)
    p.circle(213, 237, 6, 0.6)
    p.hex_side_v(143, 154, 186, 200)
    p.hex_side_h(184, 192, 140, 154)
    p.hex_side_v(188, 200, 274, 284)
    # receiver with its seams, fittings and drain
    p.rect(34, 10, 230, 100, radius=3)
    p.thin(46, 10, 46, 100)
    p.thin(218, 10, 218, 100)
    p.hex_side_v(127, 139, 2, 10)
    p.rect(128, 100, 138, 105, DETAIL)
    p.centre(30, 55, 234, 55)
    # Side view: receiver 255..345 from y 10 (12.79" to the wall face at
    # 461), booster 334..404 from y 125 (7.60"), mounting panel 404..410 down
    # to 265 (3.00" to the wall), wall plate 455..461, base 340..461 with
    # feet to 318 on holes 360 and 440 (5.00").
    p.rect(455, 0, 461, 318)
    p.rect(404, 60, 410, 265)
    p.rect(345, 40, 455, 50, DETAIL)
    p.rect(410, 255, 455, 265, DETAIL)
    p.rect(334, 125, 404, 137)
    p.rect(340, 137, 398, 237)
    p.cylinder_shading_v(340, 398, 137, 237)
    p.rect(334, 237, 404, 265)
    p.rect(360, 265, 380, 290, DETAIL)
    p.rect(340, 290, 455, 307)
    p.rect(340, 307, 461, 318)
    for cx in (360, 440):
        p.hidden(cx - 5, 290, cx - 5, 318)
        p.hidden(cx + 5, 290, cx + 5, 318)
        p.centre(cx, 286, cx, 322)
    p.rect(255, 10, 345, 100, radius=3)
    p.thin(255, 22, 345, 22)
    p.thin(255, 88, 345, 88)
    p.hex_side_v(294, 306, 2, 10)
    p.rect(295, 100, 305, 105, DETAIL)
    p.centre(300, 6, 300, 104)


# Option 14: receiver and controls for model 4 ----------------------------------

@picture("option_61303", 567, 387)
def option_61303(p):
    # Front view: the booster on top (mufflers up to y 2, caps from y 27 -
    # 27.19" and 23.75" to the base), its air drive inlet fitting ending at
    # (93, 25), air controls out to x 168 from y 15 (23.25" from the left
    # cap at x 2), the receiver on legs whose outer faces are 10.5" apart
    # (52, 128), base plate down to 203 with a mounting hole at x 130.
    p.rect(2, 195, 172, 203)
    for cx in (50, 130):
        p.hidden(cx - 3, 195, cx - 3, 203)
        p.hidden(cx + 3, 195, cx + 3, 203)
    for x1, x2 in ((52, 58), (122, 128)):
        p.rect(x1, 168, x2, 195)
    p.path("M52.5,80.5 C52.5,66 128.5,66 128.5,80.5 L128.5,172.5 C128.5,187 52.5,187 52.5,172.5 Z", fill="#fff")
    p.thin(52, 84, 128, 84)
    p.thin(52, 168, 128, 168)
    p.cylinder_shading_v(52, 128, 84, 168)
    p.rect(80, 183, 100, 189, DETAIL)
    p.rect(128, 120, 136, 132, DETAIL)
    p.rect(136, 118, 152, 134, DETAIL)
    p.thin(144, 112, 144, 118)
    p.rect(136, 108, 152, 112, DETAIL)
    p.rect(152, 121, 158, 131, DETAIL)
    p.gauge(90, 130, 12)
    p.rect(30, 64, 80, 70, DETAIL)
    p.rect(100, 64, 130, 70, DETAIL)
    # booster
    for x1, x2 in ((16, 48), (60, 92)):
        p.rect(x1, 31, x2, 60)
        p.cylinder_shading_h(31, 60, x1, x2)
    p.rect(48, 29, 60, 62)
    p.rect(2, 27, 16, 64)
    p.rect(92, 27, 106, 64)
    p.muffler_v(3, 15, 2, 27, hex_h=4, nipple_h=3)
    p.muffler_v(93, 105, 2, 27, hex_h=4, nipple_h=3)
    p.hex_side_v(85, 92, 19, 31)
    p.port(9, 46, 3)
    p.port(54, 46, 2.5)
    # air controls: regulator (its body's top on the 23.75" line, its bonnet
    # the right end of the 23.25") and filter bowl, piped to the booster
    p.rect(106, 38, 136, 42, DETAIL)
    p.rect(140, 15, 168, 27)
    p.thin(140, 21, 168, 21)
    p.rect(136, 27, 172, 52)
    p.circle(154, 39, 7, DETAIL)
    p.rect(144, 52, 164, 56, DETAIL)
    p.path("M146.5,56.5 L146.5,66.5 C146.5,74 162.5,74 162.5,66.5 L162.5,56.5", fill=LIGHT_FILL)
    p.centre(90, 60, 90, 200)
    # Plan: base plate 2..172 x 278..359 (11.00"), the receiver centred 5.00"
    # from the back edge, the booster over it, the air controls at the right.
    p.rect(2, 278, 172, 359)
    for cx in (50, 130):
        for cy in (288, 349):
            p.circle(cx, cy, 3, DETAIL)
    p.circle(90, 315, 38, DETAIL, dash="3,2")
    p.rect(2, 297, 106, 333)
    p.rect(16, 300, 48, 330, DETAIL)
    p.rect(60, 300, 92, 330, DETAIL)
    p.thin(16, 297, 16, 333)
    p.thin(92, 297, 92, 333)
    p.circle(9, 315, 4, DETAIL)
    p.circle(99, 315, 4, DETAIL)
    p.rect(106, 313, 140, 317, DETAIL)
    p.rect(140, 301, 168, 329)
    p.circle(154, 315, 8, DETAIL)
    p.centre(40, 315, 162, 315)
    p.centre(90, 274, 90, 363)


# Accessory pictures (shown without dimensions) ----------------------------------

@picture("option_air_controls", 400, 302)
def option_air_controls(p):
    # Filter-regulator with gauge, shut-off valve on the supply, elbow down
    # to the amplifier's air drive inlet.
    ports_y, _ = filter_regulator(p, 200, 22, width=68, gauge_left=False)
    pipe_h(p, 60, 166, ports_y, 10)
    ball_valve(p, 104, ports_y, 28)
    p.hex_side_h(ports_y - 9, ports_y + 9, 40, 60)
    pipe_h(p, 234, 330, ports_y, 10)
    elbow(p, 338, ports_y, 18)
    pipe_v(p, 338, ports_y + 9, 250, 10)
    p.hex_side_v(328, 348, 250, 266)
    p.rect(332, 266, 344, 280, DETAIL)
    flow_arrow(p, 184, 216, ports_y)


@picture("option_61302", 438, 313)
def option_61302(p):
    # The amplifier with its no-load run-away valve on the centre block,
    # piloted from the outlet, and a regulator on the air drive supply.
    top, bottom = booster(p, 40, 330, 200, 110, 90, caps=28, centre_w=56, muffler_h=50)
    p.port(54, 200, 7)
    p.port(185, 225, 7)
    p.rect(160, 112, 210, 143)
    p.thin(160, 120, 210, 120)
    p.rect(175, 100, 195, 112, DETAIL)
    p.screw_head(166, 135, 2)
    p.screw_head(204, 135, 2)
    pipe_v(p, 216, 130, 268, 4)
    pipe_h(p, 185, 216, 268, 4)
    pipe_v(p, 185, 232, 268, 4)
    elbow(p, 216, 128, 8)
    pipe_h(p, 210, 216, 128, 4)
    ports_y, bowl = filter_regulator(p, 388, 90, width=34, gauge_left=True)
    pipe_h(p, 54, 373, 275, 6)
    pipe_v(p, 54, 208, 275, 6)
    elbow(p, 54, 275, 10)
    pipe_h(p, 407, 430, ports_y, 6)
    pipe_v(p, 356, ports_y, 275, 6)
    pipe_h(p, 356, 371, ports_y, 6)
    elbow(p, 356, ports_y, 10)
    elbow(p, 356, 275, 10)


@picture("option_qp1", 510, 375)
def option_qp1(p):
    # External pilot modification with the air pilot switch: the pilot
    # valve on the centre block, the switch sensing the outlet line.
    booster(p, 40, 380, 210, 120, 96, caps=30, centre_w=60, muffler_h=56)
    p.port(55, 210, 8)
    p.port(210, 238, 8)
    p.rect(184, 118, 236, 148)
    p.thin(184, 126, 236, 126)
    p.rect(200, 106, 220, 118, DETAIL)
    p.screw_head(190, 140, 2)
    p.screw_head(230, 140, 2)
    pipe_v(p, 210, 246, 300, 6)
    elbow(p, 210, 304, 12)
    pipe_h(p, 216, 452, 304, 6)
    elbow(p, 456, 304, 12)
    pipe_v(p, 456, 250, 298, 6)
    pilot_switch(p, 430, 190, 482, 244)
    pipe_h(p, 462, 500, 304, 6)
    pipe_v(p, 238, 112, 132, 4)
    pipe_h(p, 236, 456, 112, 4)
    pipe_v(p, 456, 112, 184, 4)


@picture("option_61306", 254, 277)
def option_61306(p):
    # The booster package: an RBW-2 standing on its storage tank, the
    # output regulator with gauge and the safety relief valve. Everything
    # stays left of x 225 below y 40, where the description is written.
    receiver_horizontal(p, 8, 222, 176, 236, base=264)
    relief_valve(p, 40, 176, 36, 12)
    # booster, upright
    p.rect(80, 120, 140, 176)
    p.cylinder_shading_v(80, 140, 120, 176)
    p.rect(60, 84, 160, 120)
    p.thin(60, 90, 160, 90)
    p.port(67, 102, 4)
    p.port(153, 102, 4)
    p.rect(66, 20, 154, 76)
    p.cylinder_shading_v(66, 154, 20, 76)
    p.rect(62, 12, 158, 20)
    p.rect(62, 76, 158, 84)
    p.muffler_h(44, 56, 30, 62, hex_w=4, nipple_w=3)
    # output regulator on the tank's end, gauge beside it
    ports_y, _ = filter_regulator(p, 198, 88, width=26, gauge_left=True)
    pipe_v(p, 198, ports_y + 40, 176, 6)


@picture("option_61304", 398, 320)
def option_61304(p):
    # A downstream pressure regulator: unions on the inlet and outlet
    # pipes, inlet and outlet gauges, handwheel adjuster, end fittings.
    downstream_regulator(p, 199, 204)
    p.hex_side_h(192, 216, 20, 49)
    p.hex_side_h(192, 216, 349, 378)


@picture("option_61305", 438, 377)
def option_61305(p):
    # RBW-5 with the outlet regulator, the air pilot switch and the relief
    # valve on its outlet line.
    a = 150
    for x1, x2 in ((40, 110), (250, 320)):
        p.rect(x1, a - 28, x2, a + 28)
        p.cylinder_shading_h(a - 28, a + 28, x1, x2)
    p.rect(22, a - 42, 40, a + 42)
    p.rect(320, a - 42, 338, a + 42)
    p.rect(126, 50, 234, 250)
    p.cylinder_shading_h(50, 250, 126, 234)
    p.rect(110, 40, 126, 260)
    p.rect(234, 40, 250, 260)
    p.muffler_h(222, 238, 70, 110, hex_w=6, nipple_w=5)
    for cx in (118, 242):
        p.hexagon(cx, 246, 7, flat_top=False)
        p.circle(cx, 246, 4, DETAIL)
    p.centre(16, a, 344, a)
    # outlet line: relief valve and pilot switch on tees, then the
    # downstream regulator
    pipe_v(p, 242, 253, 310, 6)
    elbow(p, 242, 314, 12)
    pipe_h(p, 248, 300, 314, 6)
    elbow(p, 268, 314, 12)
    relief_valve(p, 268, 308, 40, 14)
    elbow(p, 296, 314, 12)
    pipe_v(p, 296, 320, 330, 6)
    pilot_switch(p, 272, 336, 320, 366)
    downstream_regulator(p, 370, 314, k=0.5, pipe_len=130)


@picture("option_8rbw_controls", 369, 338)
def option_8rbw_controls(p):
    # The larger air controls of the 8RBW: full-bore shut-off valve, filter-
    # regulator with gauge, elbow down to the air drive inlet flange.
    ports_y, _ = filter_regulator(p, 170, 28, width=80, gauge_left=False)
    pipe_h(p, 40, 130, ports_y, 16)
    ball_valve(p, 80, ports_y, 36)
    p.hex_side_h(ports_y - 14, ports_y + 14, 16, 40)
    pipe_h(p, 210, 310, ports_y, 16)
    elbow(p, 320, ports_y, 26)
    pipe_v(p, 320, ports_y + 13, 290, 16)
    p.rect(300, 290, 340, 298)
    p.rect(306, 298, 334, 312, DETAIL)
    flow_arrow(p, 150, 190, ports_y)


@picture("option_61307", 321, 277)
def option_61307(p):
    # The no-load run-away valve fitted to the 8RBW's end cap (the cap is
    # broken off): a pilot-operated spool valve on an adaptor plate, its
    # pilot tube from the outlet port.
    p.path("M10.5,40.5 L120.5,40.5 L120.5,250.5 L10.5,250.5 C18,215 4,180 12,145 C18,110 4,75 10.5,40.5 Z",
           fill="#fff")
    p.thin(100, 40, 100, 250)
    for cy in (56, 234):
        p.hexagon(32, cy, 8)
        p.circle(32, cy, 3.5, 0.6)
    p.port(60, 196, 9)
    p.rect(120, 90, 140, 200)
    for y in (98, 192):
        p.hex_side_h(y - 5, y + 5, 140, 146)
    p.rect(146, 70, 250, 220)
    p.thin(146, 84, 250, 84)
    p.thin(146, 206, 250, 206)
    for cx, cy in ((160, 100), (236, 190)):
        p.hexagon(cx, cy, 6)
        p.circle(cx, cy, 2.5, 0.6)
    p.port(198, 150, 11)
    p.rect(172, 44, 224, 70)
    p.thin(172, 52, 224, 52)
    p.screw_head(180, 62, 2.5)
    p.screw_head(216, 62, 2.5)
    p.rect(250, 108, 276, 182)
    for y in (116, 174):
        p.screw_head(263, y, 2.5)
    p.hex_side_h(136, 154, 276, 284)
    p.rect(284, 140, 304, 150, DETAIL)
    p.thin(290, 140, 290, 150)
    p.thin(296, 140, 296, 150)
    # pilot tube from the outlet port up to the pilot cap
    pipe_v(p, 60, 205, 250, 6)
    p.hex_side_v(54, 66, 205, 213)
    elbow(p, 60, 256, 12)
    pipe_h(p, 66, 306, 256, 6)
    elbow(p, 312, 256, 12)
    pipe_v(p, 312, 30, 250, 6)
    elbow(p, 312, 24, 12)
    pipe_h(p, 198, 306, 24, 6)
    pipe_v(p, 198, 30, 44, 6)
    p.hex_side_v(192, 204, 34, 44)


@picture("option_61308", 420, 295)
def option_61308(p):
    # The no-load run-away valve with its own air controls: filter-regulator
    # and shut-off valve feeding the valve block on the end cap.
    p.path("M10.5,60.5 L100.5,60.5 L100.5,270.5 L10.5,270.5 C18,235 4,200 12,165 C18,130 4,95 10.5,60.5 Z",
           fill="#fff")
    p.thin(82, 60, 82, 270)
    p.port(50, 230, 8)
    p.rect(100, 110, 118, 220)
    for y in (120, 210):
        p.screw_head(109, y, 3)
    p.rect(118, 90, 218, 240)
    p.thin(118, 104, 218, 104)
    p.thin(118, 226, 218, 226)
    p.rect(218, 130, 244, 200)
    p.rect(140, 62, 190, 90)
    p.thin(140, 70, 190, 70)
    p.port(168, 165, 9)
    ports_y, _ = filter_regulator(p, 320, 40, width=44, gauge_left=False)
    pipe_h(p, 232, 298, ports_y, 8)
    pipe_v(p, 232, ports_y, 130, 8)
    pipe_h(p, 342, 400, ports_y, 8)
    ball_valve(p, 376, ports_y, 20)
    pipe_v(p, 50, 238, 282, 6)
    pipe_h(p, 50, 160, 282, 6)
    pipe_v(p, 160, 240, 282, 6)


@picture("option_61309", 545, 293)
def option_61309(p):
    # The 8RBW on its receiver: the amplifier on a frame over the tank, air
    # controls on its drive inlet, output regulator, relief and drain valves.
    receiver_horizontal(p, 20, 525, 170, 250, base=280)
    relief_valve(p, 60, 170, 44, 16)
    p.rect(120, 150, 130, 170, DETAIL)
    p.rect(410, 150, 420, 170, DETAIL)
    p.rect(100, 144, 440, 150, DETAIL)
    booster(p, 110, 430, 100, 80, 62, caps=26, centre_w=64, mufflers=False)
    p.port(270, 112, 7)
    p.muffler_h(28, 44, 150, 200, hex_w=6, nipple_w=5)
    p.rect(200, 20, 260, 60)
    p.thin(200, 27, 260, 27)
    pipe_v(p, 230, 60, 70, 8)
    ports_y, _ = filter_regulator(p, 75, 20, width=30, gauge_left=True)
    pipe_h(p, 90, 200, ports_y, 6)
    downstream_regulator(p, 480, 130, k=0.45, pipe_len=100, gauges=True)
    elbow(p, 440, 130, 10)
    pipe_v(p, 440, 135, 170, 6)
    ball_valve(p, 272, 262, 16, lever=False)

def write_qrc():
    lines = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '  <qresource prefix="/art">']
    for name in sorted(PICTURES):
        lines.append(f'    <file alias="drg_{name}.svg">art/drawings/{name}.svg</file>')
    lines += ['  </qresource>', '</RCC>', '']
    with open(os.path.join(HERE, "..", "..", "drawings.qrc"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


def main():
    os.makedirs(HERE, exist_ok=True)
    for name, (width, height, draw) in PICTURES.items():
        p = Picture(width, height)
        draw(p)
        with open(os.path.join(HERE, name + ".svg"), "w", encoding="utf-8") as f:
            f.write(p.svg())
    write_qrc()
    print(f"wrote {len(PICTURES)} pictures to {HERE}")


if __name__ == "__main__":
    main()
