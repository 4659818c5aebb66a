"""The 8-bit colour-mix tables: entry [a * 256 + b] is the palette index whose colour lies
nearest the colour halfway between colours a and b. The game blends translucent pictures and
tints through them in 256-colour mode, one table per colour variation.

The answer is searched among the line and user colours (10-207) only: those never cycle and
are never transparent, so a blend stays still and opaque. Mixing a colour with itself gives
the colour back. Distances are plain squared RGB distances; of equally near colours the
lowest index wins."""

from palette import FIRST_USER, LAST_USER

CANDIDATES = range(10, LAST_USER + 1)
assert CANDIDATES[0] < FIRST_USER


def _nearest_colours(mid2, colours):
    """The candidate colours nearest to a doubled midpoint (all of them on a tie)."""
    mr, mg, mb = mid2
    best, found = None, []
    for c in colours:
        dr, dg, db = 2 * c[0] - mr, 2 * c[1] - mg, 2 * c[2] - mb
        d = dr * dr + dg * dg + db * db
        if best is None or d < best:
            best, found = d, [c]
        elif d == best:
            found.append(c)
    return found


class MixTableMaker:
    """Makes tables for several palettes, sharing the nearest-colour searches of palettes that
    offer the same candidate colours (the rotated variations do)."""

    def __init__(self):
        self._cache = {}

    def make(self, colours):
        lowest = {}
        for i in CANDIDATES:
            lowest.setdefault(colours[i], i)
        offered = frozenset(lowest)
        cache = self._cache.setdefault(offered, {})
        ordered = sorted(offered)
        table = bytearray(65536)
        for a in range(256):
            table[a * 256 + a] = a
            ca = colours[a]
            for b in range(a + 1, 256):
                cb = colours[b]
                mid2 = (ca[0] + cb[0], ca[1] + cb[1], ca[2] + cb[2])
                near = cache.get(mid2)
                if near is None:
                    near = cache[mid2] = _nearest_colours(mid2, ordered)
                index = min(lowest[c] for c in near)
                table[a * 256 + b] = index
                table[b * 256 + a] = index
        return bytes(table)
