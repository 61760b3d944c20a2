#!/usr/bin/env python3
"""Expected values for tst_revision and tst_sensitivity, computed here by code of its own.

Run: python3 tests/model/reference/ahp_reference.py
The rows it prints are pasted into the _data() tables of the tests. The matrices come from the
same small generator as the tests' (a 64-bit LCG), so a row names only its seed and its order.
"""
import math

RANDOM_INDEX = [0.58, 0.90, 1.12, 1.19, 1.24, 1.32, 1.35, 1.41, 1.45, 1.49, 1.51, 1.53, 1.56, 1.57, 1.59]
# The scale a generated judgement is drawn from, as cell texts.
SCALE = ["1/9", "1/8", "1/7", "1/6", "1/5", "1/4", "1/3", "1/2", "1", "2", "3", "4", "5", "6", "7", "8", "9"]
MASK = (1 << 64) - 1


class Lcg:
    def __init__(self, seed):
        self.state = seed & MASK

    def next(self):
        self.state = (self.state * 6364136223846793005 + 1442695040888963407) & MASK
        return self.state >> 33


def text_value(text):
    if text.startswith("1/"):
        return 1.0 / int(text[2:])
    return float(int(text))


def mirror_text(text):
    if text == "1":
        return "1"
    return text[2:] if text.startswith("1/") else "1/" + text


def random_matrix(gen, n):
    a = [[1.0] * n for _ in range(n)]
    for i in range(n):
        for j in range(i + 1, n):
            t = SCALE[gen.next() % len(SCALE)]
            a[i][j] = text_value(t)
            a[j][i] = text_value(mirror_text(t))
    return a


def weights_and_cr(a):
    n = len(a)
    roots = []
    for row in a:
        p = 1.0
        for v in row:
            p *= v
        roots.append(p ** (1.0 / n))
    s = sum(roots)
    w = [r / s for r in roots]
    lam = sum(sum(a[i][j] for i in range(n)) * w[j] for j in range(n))
    ci = abs(lam - n) / (n - 1) if n > 1 else 0.0
    ri = RANDOM_INDEX[n - 3] if 3 <= n <= 17 else 0.0
    return w, (ci / ri if ri > 0 else 0.0)


def nearest_text(x):
    values = [(text_value(t), t) for t in SCALE]  # increasing
    best = None
    for v, t in values:
        d = abs(math.log(x) - math.log(v))
        if best is None or d < best[0] - 1e-15:
            best = (d, t)
    return best[1]


def revisions(a, count):
    n = len(a)
    w, _ = weights_and_cr(a)
    rows = []
    for r in range(n):
        for c in range(r + 1, n):
            e = a[r][c] * w[c] / w[r]
            rows.append((max(e, 1 / e), r, c, w[r] / w[c]))
    rows.sort(key=lambda x: (-float("%.9e" % x[0]), x[1], x[2]))
    out = []
    for dev, r, c, cv in rows[:count]:
        t = nearest_text(cv)
        b = [row[:] for row in a]
        b[r][c] = text_value(t)
        b[c][r] = text_value(mirror_text(t))
        out.append((r, c, dev, cv, t, weights_and_cr(b)[1]))
    return out


def triples(a):
    n = len(a)
    found = []
    for i in range(n):
        for j in range(n):
            for k in range(n):
                if i < j and i < k and j != k and a[i][j] > 1 and a[j][k] > 1 and a[k][i] > 1:
                    found.append((i, j, k))
    return sorted(found)


def globals_of(w, local):
    return [sum(w[i] * local[i][j] for i in range(len(w))) for j in range(len(local[0]))]


def thresholds(w, local):
    """Per criterion: scan every other alternative's meeting point with the best one."""
    n, m = len(w), len(local[0])
    g = globals_of(w, local)
    b = max(range(m), key=lambda j: (g[j], -j))
    out = []
    for i in range(n):
        others = sum(w[k] for k in range(n) if k != i)
        share = [(w[k] / others if others > 0 else 1 / (n - 1)) if k != i else 0.0 for k in range(n)]

        def at(t, j):
            return t * local[i][j] + (1 - t) * sum(share[k] * local[k][j] for k in range(n))

        best = None
        for j in range(m):
            if j == b:
                continue
            if g[j] == g[b]:
                t = w[i]
            else:
                # the difference is linear in t: read it at both ends
                d0 = at(0.0, j) - at(0.0, b)
                d1 = at(1.0, j) - at(1.0, b)
                if d0 == d1 or n == 1:
                    continue
                t = d0 / (d0 - d1)
                if t < -1e-12 or t > 1 + 1e-12:
                    continue
                t = min(max(t, 0.0), 1.0)
            if best is None or abs(t - w[i]) < best[0] - 1e-12:
                best = (abs(t - w[i]), t, j)
        out.append((i, best is not None, best[1] if best else 0.0, best[2] if best else -1))
    return out


def most_critical(w, th):
    best = None
    for i, exists, t, _ in th:
        if not exists:
            continue
        rel = 0.0 if t == w[i] else (abs(t - w[i]) / w[i] if w[i] > 0 else math.inf)
        if best is None or rel < best[0] - 1e-12:
            best = (rel, i)
    return best[1] if best else -1


def decision(seed, n, m):
    gen = Lcg(seed)
    w, _ = weights_and_cr(random_matrix(gen, n))
    local = [weights_and_cr(random_matrix(gen, m))[0] for _ in range(n)]
    return w, local


def main():
    print("// revisions: seed, order, cr, top three (row col deviation suggested crAfter), triples (count, first, last)")
    for n in range(3, 16):
        seed = 1000 + n
        a = random_matrix(Lcg(seed), n)
        _, cr = weights_and_cr(a)
        revs = revisions(a, 3)
        tr = triples(a)
        rev_text = " ".join("%d,%d,%.12g,%s,%.12g" % (r, c, d, t, ca) for r, c, d, _, t, ca in revs)
        ends = "%s %s" % ("%d,%d,%d" % tr[0], "%d,%d,%d" % tr[-1]) if tr else "-"
        print('QTest::newRow("random %dx%d") << %d << %d << %.12g << QString("%s") << %d << QString("%s");'
              % (n, n, seed, n, cr, rev_text, len(tr), ends))
    print("// thresholds: seed, criteria, alternatives, then per criterion exists,weight,newBest; most critical")
    for n, m in [(2, 2), (3, 4), (5, 3), (7, 6), (10, 10), (15, 10), (15, 2), (4, 10)]:
        seed = 7000 + 100 * n + m
        w, local = decision(seed, n, m)
        th = thresholds(w, local)
        text = " ".join("%d,%.12g,%d" % (1 if e else 0, t, j) for _, e, t, j in th)
        print('QTest::newRow("random %dx%d") << %d << %d << %d << QString("%s") << %d;'
              % (n, m, seed, n, m, text, most_critical(w, th)))
    print("// the 4x4 with one reversed judgement")
    a = [[1, 2, 4, 1 / 8], [1 / 2, 1, 2, 4], [1 / 4, 1 / 2, 1, 2], [8, 1 / 4, 1 / 2, 1]]
    print(weights_and_cr(a), revisions(a, 3), triples(a))


main()
