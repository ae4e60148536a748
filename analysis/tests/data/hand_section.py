#!/usr/bin/env python3
"""Slip lines of the small section of SlipLineHandTest.cpp, computed independently of the
program: plain line algebra, a crossing-number point-in-polygon test and the block-by-block
trace written out from the method descriptions. Prints the numbers the test holds."""

import math

GROUND = [(0, 20), (10, 18), (20, 15), (30, 11), (40, 10)]
SITES = [(10, 18), (20, 15), (30, 11)]


def extent(points):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return min(xs), max(xs), min(ys), max(ys)


def band(points):
    x0, x1, y0, y1 = extent(points)
    mx, my = 0.1 * (x1 - x0), 0.1 * (y1 - y0)
    return x0 - mx, x1 + mx, y1 + my, y0 - my  # left frame, right frame, top, bottom


def parallel_lines(top, bottom):
    return [((a[0] + b[0]) / 2, top, (a[0] + b[0]) / 2, bottom) for a, b in zip(SITES, SITES[1:])]


def normal(site, v):
    """(kind, slope, intercept): 'h' y = const, 'v' x = const, 's' sloped."""
    if v[0] == 0:
        return ('h', 0, site[1])
    if v[1] == 0:
        return ('v', 0, site[0])
    s = -v[0] / v[1]
    return ('s', s, site[1] - s * site[0])


def cross(n1, n2):
    if n1[0] == 'v':
        n1, n2 = n2, n1
    if n2[0] == 'v':
        x = n2[2]
        return x, (n1[2] if n1[0] == 'h' else n1[1] * x + n1[2])
    if n1[0] == 'h':
        n1, n2 = n2, n1
    if n2[0] == 'h':
        y = n2[2]
        return (y - n1[2]) / n1[1], y
    x = (n2[2] - n1[2]) / (n1[1] - n2[1])
    return x, n1[1] * x + n1[2]


def rotation_lines(vectors, top, bottom):
    lines = []
    for (p, vp), (q, vq) in zip(zip(SITES, vectors), list(zip(SITES, vectors))[1:]):
        np_, nq = normal(p, vp), normal(q, vq)
        cx, cy = cross(np_, nq)
        if {np_[0], nq[0]} == {'h', 'v'}:
            lines.append((cx, top, cx, bottom))
            continue
        ap = math.atan2(p[1] - cy, p[0] - cx) % (2 * math.pi)
        aq = math.atan2(q[1] - cy, q[0] - cx) % (2 * math.pi)
        t = math.tan((ap + aq) / 2)
        c = cy - t * cx
        lines.append(((top - c) / t, top, (bottom - c) / t, bottom))
    return lines


def blocks(lines, left, right, top, bottom):
    frame = [(left, top, left, bottom)] + lines + [(right, top, right, bottom)]
    return [[(l[0], l[1]), (l[2], l[3]), (r[2], r[3]), (r[0], r[1])] for l, r in zip(frame, frame[1:])]


def on_edge(poly, x, y):
    for (ax, ay), (bx, by) in zip(poly, poly[1:] + poly[:1]):
        if (bx - ax) * (y - ay) == (by - ay) * (x - ax) and min(ax, bx) <= x <= max(ax, bx) \
                and min(ay, by) <= y <= max(ay, by):
            return True
    return False


def inside(poly, x, y):
    """A point on an edge counts as inside: a point on a block line is in both blocks."""
    if on_edge(poly, x, y):
        return True
    hit = False
    for (ax, ay), (bx, by) in zip(poly, poly[1:] + poly[:1]):
        if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
            hit = not hit
    return hit


def block_of(polys, p):
    return next(i for i, poly in enumerate(polys) if inside(poly, *p))


def meet(p, v, a, b):
    """Line through p along v with the infinite line through a and b."""
    dx, dy = b[0] - a[0], b[1] - a[1]
    den = v[0] * dy - v[1] * dx
    s = ((a[0] - p[0]) * dy - (a[1] - p[1]) * dx) / den
    return p[0] + s * v[0], p[1] + s * v[1]


def vector_in(polys, vectors, k):
    return next(v for s, v in zip(SITES, vectors) if inside(polys[k], *s))


def trace(polys, vectors, start, first, last, step):
    out, p, k = [], start, first
    while 0 <= k < len(polys) and (last is None or (k <= last if step > 0 else k >= last)):
        poly = polys[k]
        a, b = (poly[2], poly[3]) if step > 0 else (poly[0], poly[1])
        p = meet(p, vector_in(polys, vectors, k), a, b)
        out.append(p)
        k += step
    return out


def two_points(polys, vectors, left, right, option):
    kl, kr = block_of(polys, left), block_of(polys, right)
    a = [left] + trace(polys, vectors, left, kl, kr, +1)[:-1] + [right]
    b = [left] + list(reversed(trace(polys, vectors, right, kr, kl, -1)))[1:] + [right]
    if option == 1:
        return [((p[0] + q[0]) / 2, (p[1] + q[1]) / 2) for p, q in zip(a, b)]
    span = abs(a[-1][0] - a[0][0])
    out = [a[0]]
    for p, q in zip(a[1:-1], b[1:-1]):
        t = (p[0] + q[0]) / 2 - a[0][0]
        out.append((p[0] + (q[0] - p[0]) * t / span, p[1] + (q[1] - p[1]) * t / span))
    return out + [a[-1]]


def show(label, points):
    print(label + ": " + ", ".join("(%.12g, %.12g)" % p for p in points))


LEFT, RIGHT = (4, 19.2), (36, 10.4)
frame_l, frame_r, top, bottom = band(GROUND + SITES + [LEFT, RIGHT])
print("band", frame_l, frame_r, top, bottom)

parallel = [(1, -1), (2, -1), (1, 0.5)]
polys = blocks(parallel_lines(top, bottom), frame_l, frame_r, top, bottom)
show("parallel weighted", two_points(polys, parallel, LEFT, RIGHT, 0))
show("parallel simple", two_points(polys, parallel, LEFT, RIGHT, 1))
show("parallel weighted, left point on the line x = 15", two_points(polys, parallel, (15, 16.5), RIGHT, 0))
horizontal = [(1, -1), (1, 0), (1, 0.5)]
show("parallel, horizontal middle vector, left only",
     [LEFT] + trace(polys, horizontal, LEFT, block_of(polys, LEFT), None, +1))

rotation = [(1, -1), (0, -1), (1, -0.5)]
lines = rotation_lines(rotation, top, bottom)
show("rotation lines (upper, lower)", [pt for l in lines for pt in ((l[0], l[1]), (l[2], l[3]))])
polys = blocks(lines, frame_l, frame_r, top, bottom)
show("rotation weighted", two_points(polys, rotation, LEFT, RIGHT, 0))
show("rotation simple", two_points(polys, rotation, LEFT, RIGHT, 1))

mixed = [(1, -1), (0, -1), (1, 0)]
lines = rotation_lines(mixed, top, bottom)
show("rotation lines, vertical then horizontal vector", [pt for l in lines for pt in ((l[0], l[1]), (l[2], l[3]))])

INNER = (20, 8)
frame_l, frame_r, top, bottom = band(GROUND + SITES + [INNER])
print("band with the inner point", frame_l, frame_r, top, bottom)
polys = blocks(parallel_lines(top, bottom), frame_l, frame_r, top, bottom)
k = block_of(polys, INNER)
left_part = list(reversed(trace(polys, parallel, INNER, k, None, -1)))
right_part = trace(polys, parallel, INNER, k, None, +1)
show("inner point, before the ground clip", left_part + [INNER] + right_part)
