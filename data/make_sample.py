#!/usr/bin/env python3
"""Makes the bundled sample data set: one landslide cross-section with its
measurement points, four surveys of displacements and an analysis file naming both.

The geometry is made up: a slope falling from about 100 m to 55 m over 150 m,
with a head scarp near x = 27 m and a toe bulge near x = 128 m. The displacements
follow one slip surface, a circular arc through both ground-surface boundary
points that stays below the ground between them: each point moves along its
tangent, steeply downward near the head, about level in the middle, rising at
the toe, growing with each survey. Directions that fit one surface make every
analysis method find a slip line below the ground; the head is steep enough that
the polygon methods' first segment also passes below the foot of the scarp.
Files are CP932 with CR LF, as the programs write them."""

import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))


def ground_y(x):
    """Ground elevation of the made-up section."""
    y = 100.0 - 0.30 * x
    if x > 24.0:
        y -= 6.0 * min(1.0, (x - 24.0) / 6.0)        # head scarp
    if x > 110.0:
        y += 3.0 * math.exp(-((x - 128.0) / 7.0) ** 2)  # toe bulge
    return y


HEAD_X, TOE_X = 27.0, 134.0   # the ground-surface boundary points
SLIP_RADIUS = 65.0            # of the circular slip surface of the rotational slide


def slip_centre():
    """Centre of the slip circle: above the chord between the boundary points,
    on its perpendicular bisector, so that the circle passes through both."""
    head_y, toe_y = round(ground_y(HEAD_X), 3), round(ground_y(TOE_X), 3)
    dx, dy = TOE_X - HEAD_X, toe_y - head_y
    half = math.hypot(dx, dy) / 2.0
    rise = math.sqrt(SLIP_RADIUS ** 2 - half ** 2)
    return ((HEAD_X + TOE_X) / 2.0 - dy / (2.0 * half) * rise,
            (head_y + toe_y) / 2.0 + dx / (2.0 * half) * rise)


def slip_y(x):
    """Elevation of the slip surface (the lower arc of the circle)."""
    cx, cy = slip_centre()
    return cy - math.sqrt(SLIP_RADIUS ** 2 - (x - cx) ** 2)


def slip_slope(x):
    """Gradient dz/dx of the slip surface."""
    cx, _ = slip_centre()
    return (x - cx) / math.sqrt(SLIP_RADIUS ** 2 - (x - cx) ** 2)


def check_slip_below_ground(ground):
    """The slip surface must lie below the written ground line (straight between its
    points, as the programs draw it) strictly between the boundary points."""
    steps = 10700
    for i in range(1, steps):
        x = HEAD_X + (TOE_X - HEAD_X) * i / steps
        k = max(j for j, (_, gx, _) in enumerate(ground) if gx <= x)
        (_, x0, y0), (_, x1, y1) = ground[k], ground[k + 1]
        ground_at_x = y0 + (y1 - y0) * (x - x0) / (x1 - x0)
        assert slip_y(x) < ground_at_x, "slip surface above the ground at x = %.2f" % x


def f3(v):
    return "%10.3f" % v


def f4(v):
    return "%10.4f" % v


def title_line(title, tag):
    raw = title.encode("cp932")
    assert len(raw) <= 50
    return b"TITLE     " + raw + b" " * (50 - len(raw)) + tag.encode()


def write(name, lines):
    data = b"".join((l if isinstance(l, bytes) else l.encode("cp932")) + b"\r\n" for l in lines)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


# Ground line: 45 points, denser around the scarp and the toe.
xs = sorted(set([round(i * 150.0 / 44, 3) for i in range(45)] + [24.0, 27.0, 30.0]))[:45]
ground = [(i + 1, x, round(ground_y(x), 3)) for i, x in enumerate(xs)]

site_x = [36.0, 48.0, 60.0, 72.0, 84.0, 96.0, 108.0, 120.0]
sites = [(i + 1, x, round(ground_y(x), 3), "計測点%d" % (i + 1)) for i, x in enumerate(site_x)]
bounds = [(1, 3, HEAD_X, round(ground_y(HEAD_X), 3), "左地表端"),
          (2, 4, TOE_X, round(ground_y(TOE_X), 3), "右地表端")]

sec = [title_line("地すべり断面 A-A' (サンプル)", "MERDOK001"),
       "MSIZE     " + f3(0.0) + f3(150.0) + f3(40.0) + f3(110.0),
       "NODE"]
sec += ["%5d%5d%s%s" % (n, 0, f3(x), f3(y)) for n, x, y in ground]
sec.append("LINE")
numbers = [n for n, _, _ in ground]
for i in range(0, len(numbers), 10):
    sec.append("".join("%5d" % n for n in numbers[i:i + 10]))
sec.append("SITE")
sec += ["%5d%5d%s%s     %s" % (n, 1, f3(x), f3(y), name) for n, x, y, name in sites]
sec.append("BOUND")
sec += ["%5d%5d%s%s     %s" % (n, k, f3(x), f3(y), name) for n, k, x, y, name in bounds]
sec.append("END")
write("sample.sec", sec)

# Four surveys; displacement in mm along the slip surface's tangent under each point.
check_slip_below_ground(ground)
dates = ["2026,4,10,10,0", "2026,6,12,14,30", "2026,8,20,9,15", "2026,10,28,11,0"]
growth = [0.0, 0.35, 0.70, 1.0]
dis = [title_line("計測変位 A-A' 2026年", "GOLMIR001"), "ANGLE     " + " " * 10, "DATE"] + dates
for n, x, y, name in sites:
    t = (x - 30.0) / 105.0                    # 0 at the head, 1 at the toe
    angle = math.atan(slip_slope(x))          # about -57 deg at the head to +27 deg at the toe
    total = 42.0 + 20.0 * math.sin(math.pi * t)
    dis.append("DISP      %5d%s" % (0, name))
    for g in growth:
        ds = total * g * math.cos(angle) + 0.0
        dz = total * g * math.sin(angle) + 0.0  # + 0.0 turns -0.0 into 0.0
        # A first survey of zero displacement is written as 0.00 (the reference reading).
        dis.append("%10.2f%10.2f" % (ds, dz))
dis.append("END")
write("sample.dis", dis)

# The analysis file names both; the polygon parallel method, no block lines yet.
slo = [title_line("地すべり解析 A-A' (サンプル)", "TORVAN002"),
       "SEFIL     sample.sec",
       "DSFIL     sample.dis",
       "CALCF%5d%5d     %s%s%s" % (0, 0, f3(18.0), f3(10.0), f3(25.0)),
       "DSCAL     " + f3(0.02),  # metres of displacement drawn 1 cm long in the whole view
       "BLINE%5d" % 0,
       "BOUND%5d" % len(bounds)]
for n, k, x, y, name in bounds:
    slo.append("%5d%5d%s%s%s%s%5d%s" % (n, k, f3(x), f3(y), f4(1.0), " " * 10, 3, name))
slo.append("EXCPT%5d" % len(sites))
for n, x, y, name in sites:
    slo.append("     %5d%5d     %s%s" % (1, 0, f4(1.0), name))
slo += ["QOBRE%5d" % 0, "END"]
write("sample.slo", slo)
