#!/usr/bin/env python3
"""Writes the camera marker mesh (ui_widgets/platform/host/resources/meshes/3d_camera.obj).

A movie camera about one unit long, centred on the origin and looking along +Z: a box body, a
lens that flares towards the front and two film reels on top. Every part is a closed surface
whose triangles turn counter-clockwise when seen from outside.
"""
import math
import sys

vertices = []
faces = []


def vertex(p):
    vertices.append(p)
    return len(vertices)  # OBJ indices start at 1


def box(lo, hi):
    corners = [vertex((hi[0] if i & 1 else lo[0], hi[1] if i & 2 else lo[1], hi[2] if i & 4 else lo[2]))
               for i in range(8)]
    # Corner i has x from bit 0, y from bit 1, z from bit 2; each quad is listed counter-clockwise
    # as seen from outside.
    quads = [(0, 2, 3, 1), (4, 5, 7, 6),  # -z, +z
             (0, 4, 6, 2), (1, 3, 7, 5),  # -x, +x
             (0, 1, 5, 4), (2, 6, 7, 3)]  # -y, +y
    for a, b, c, d in quads:
        faces.append((corners[a], corners[b], corners[c]))
        faces.append((corners[a], corners[c], corners[d]))


def frustum(base, u, v, w, length, base_radius, top_radius, segments):
    """A closed frustum around the axis w (with u x v = w), from base to base + length * w."""
    def ring(offset, radius):
        return [vertex(tuple(base[k] + offset * w[k]
                             + radius * (math.cos(a) * u[k] + math.sin(a) * v[k]) for k in range(3)))
                for a in (2 * math.pi * i / segments for i in range(segments))]

    bottom = ring(0.0, base_radius)
    top = ring(length, top_radius)
    for i in range(segments):
        j = (i + 1) % segments
        faces.append((bottom[i], bottom[j], top[j]))
        faces.append((bottom[i], top[j], top[i]))
    for i in range(1, segments - 1):
        faces.append((top[0], top[i], top[i + 1]))
        faces.append((bottom[0], bottom[i + 1], bottom[i]))


box((-0.5, -0.3, -0.4), (0.5, 0.3, 0.4))
frustum((0.0, 0.0, 0.4), (1, 0, 0), (0, 1, 0), (0, 0, 1), 0.3, 0.18, 0.26, 24)
for z in (-0.21, 0.21):
    frustum((-0.05, 0.48, z), (0, 1, 0), (0, 0, 1), (1, 0, 0), 0.1, 0.2, 0.2, 16)

out = open(sys.argv[1], "w") if len(sys.argv) > 1 else sys.stdout
out.write("# Camera marker: box body, lens along +Z, two film reels on top\n")
for p in vertices:
    out.write("v %.4f %.4f %.4f\n" % p)
for f in faces:
    out.write("f %d %d %d\n" % f)
