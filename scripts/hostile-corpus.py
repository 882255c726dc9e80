#!/usr/bin/env python3
"""Writes car files built to be mean into a folder: huge counts with sparse and
with full numbered blocks, deep nesting, long lines, many keys, long and cyclic
inheritance, binary, NUL, CR-only and BOMs. Each is a few bytes to a few
megabytes; a sound program loads, checks and saves each in well under a second.

    scripts/hostile-corpus.py FOLDER [SCALE]

SCALE (default 1) multiplies the sizes, for benchmarks."""
import os
import sys

CAR = b"car\n{\n   wheels=4\n}\n"


def numbered(stem, count, body):
    return b"".join(b"%s%d\n{\n%s}\n" % (stem, i, body) for i in range(count))


def files(scale):
    n = 500 * scale
    yield "arb-huge-count-sparse", CAR + b"antirollbar\n{\n   count=2147483647\n   arb2147483646\n   {\n   }\n}\n"
    yield "arb-huge-count-full", CAR + b"antirollbar\n{\ncount=2147483647\n" + numbered(b"arb", n, b"susp_left=2\nsusp_right=3\nk=1\n") + b"}\n"
    yield "wings-huge-count", CAR + b"aero\n{\nwings=2147483647\n" + numbered(b"wing", n, b"span=1\n") + b"}\n"
    yield "gears-huge-count", CAR + b"gearbox\n{\ngears=2147483647\n" + numbered(b"gear", n, b"ratio=1\ninertia=1\n") + b"}\n"
    yield "gears-sparse", CAR + b"gearbox\n{\ngears=2147483647\ngear2147483646\n{\n}\ngear9\n{\n}\n}\n"
    chain = b"".join(b"b%d~b%d\n{\n}\n" % (i, i + 1) for i in range(n))
    yield "inherit-long-chain", CAR + chain + b"b%d\n{\nmass=1\n}\nwheel0~b0\n{\n}\n" % n
    grow = b"".join(b"r%d~r%d.x\n{\n}\n" % (i, (i + 1) % (100 * scale)) for i in range(100 * scale))
    yield "inherit-growing-cycle", CAR + grow + b"wheel0~r0\n{\n}\nantirollbar~r0\n{\n}\n"
    yield "inherit-self", CAR + b"gearbox~gearbox\n{\n}\naero~aero.x\n{\n}\n"
    yield "inherit-fan-in", CAR + b"base\n{\n}\n" + b"".join(b"k%d~base\n{\n}\n" % i for i in range(n))
    yield "many-top-keys", CAR + b"".join(b"key%d=%d\n" % (i, i) for i in range(10 * n))
    depth = 2000 * scale
    yield "deep-nesting", CAR + b"a\n{\n" * depth + b"}\n" * depth
    yield "deep-unclosed", CAR + b"a\n{\n" * depth
    yield "long-value-line", CAR + b"car\n{\nname=" + b"x" * (4 << 20) * scale + b"\n}\n"
    yield "long-name-line", CAR + b"\x1b[31m" + b"y" * (4 << 20) * scale + b"\n"
    yield "many-bad-lines", CAR + b"stray \x1b]0;title\x07\n" * n
    yield "binary", bytes((i * 7919 + 13) % 256 for i in range(1 << 16))
    yield "nul-bytes", CAR + b"engine\n{\nmax_rpm=7\x0000\n\x00\n}\n"
    yield "cr-only", CAR.replace(b"\n", b"\r") + b"gearbox\r{\rgears=3\r}\r"
    yield "bom-utf8", b"\xef\xbb\xbf" + CAR
    yield "bom-utf16", b"\xff\xfe" + CAR.decode().encode("utf-16-le")
    yield "braces-only", b"}\n" * n + b"{\n" * n
    name = b"n" * (4 << 20) * scale
    yield "inherit-long-name-cycle", CAR + b"wheel0~" + name + b"\n{\n}\n" + name + b"~wheel0\n{\n}\naero~" + name + b"\n{\n}\n"
    yield "many-empty-lines", CAR + b"\n" * (3 << 20) * scale
    yield "many-bare-words", CAR + b"w\n" * (1 << 20) * scale
    yield "many-gears", CAR + b"gearbox\n{\ngears=%d\n" % (100 * n) + numbered(b"gear", 100 * n, b"ratio=1\n") + b"}\n"
    yield "many-wings", CAR + b"aero\n{\nwings=%d\n" % (100 * n) + numbered(b"wing", 100 * n, b"span=1\n") + b"}\n"
    yield "tilde-in-value", CAR.replace(b"}", b"   name=Kestrel Mk~II\n}") + b"sounds\n{\n   file=KESTRE~1.DOF\n}\n"
    yield "text-after-brace", CAR + b"extra\n{\n   a=1\n} ; end of extra\nmore\n{\n   b=2\n}}\n"
    yield "misread-numbers", CAR + b"engine\n{\n   max_rpm=7400 ; redline\n   idle_rpm=0x900\n   inertia=0,25\n   friction=1e39\n}\nwheel0\n{\n   mass=18.5\n}\n"
    yield "<font color=red size=7>SPOOFED", CAR
    yield "n" * 251, CAR


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    folder = sys.argv[1]
    scale = int(sys.argv[2]) if len(sys.argv) == 3 else 1
    os.makedirs(folder, exist_ok=True)
    for name, data in files(scale):
        with open(os.path.join(folder, name + ".ini"), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
