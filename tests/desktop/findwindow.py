# SPDX-FileCopyrightText: The Unitavo developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Finds a window's picture, as the X server holds it (an xwd file), in a screenshot.

    findwindow.py WINDOW.xwd SCREENSHOT [X Y]

Prints where the window's picture matches best and how far its colours are from the screenshot's
there (mean absolute difference per channel, 0 to 255). Exits 0 when that difference is below a
bound that allows for JPEG on the way, and, when X and Y are given, the match stands there to
within two pixels; 1 otherwise.
"""
import struct
import sys

import numpy as np
from PIL import Image

MAX_DIFFERENCE = 16.0


def read_xwd(path):
    """The RGB pixels of a ZPixmap xwd file with 24 or 32 bits per pixel."""
    data = open(path, "rb").read()
    fields = struct.unpack(">25I", data[:100])
    header_size, _, pixmap_format, _, width, height = fields[:6]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    masks = fields[14:17]
    ncolors = fields[19]
    if pixmap_format != 2 or bits_per_pixel not in (24, 32):
        raise SystemExit(f"{path}: not a 24- or 32-bit ZPixmap picture")
    start = header_size + 12 * ncolors
    rows = np.frombuffer(data, np.uint8, height * bytes_per_line, start).reshape(height, bytes_per_line)
    step = bits_per_pixel // 8
    pixels = rows[:, : width * step].reshape(height, width, step).astype(np.uint32)
    if byte_order == 0:  # least significant byte first
        value = sum(pixels[:, :, i] << (8 * i) for i in range(step))
    else:
        value = sum(pixels[:, :, i] << (8 * (step - 1 - i)) for i in range(step))

    def channel(mask):
        shift = (mask & -mask).bit_length() - 1
        return ((value & mask) >> shift).astype(np.uint8)

    return np.dstack([channel(m) for m in masks])


def best_match(template, image):
    """The offset (x, y) where template differs least from image, by sums of squared grey
    differences computed for every offset at once through the Fourier transform."""
    t = template.astype(np.float64).mean(axis=2)
    i = image.astype(np.float64).mean(axis=2)
    h, w = t.shape
    H, W = i.shape
    shape = (H + h, W + w)
    correlation = np.fft.irfft2(np.fft.rfft2(i, shape) * np.conj(np.fft.rfft2(t, shape)), shape)
    correlation = correlation[: H - h + 1, : W - w + 1]
    integral = np.zeros((H + 1, W + 1))
    integral[1:, 1:] = np.cumsum(np.cumsum(i * i, axis=0), axis=1)
    window = integral[h:, w:] - integral[:-h, w:] - integral[h:, :-w] + integral[:-h, :-w]
    ssd = window - 2 * correlation + (t * t).sum()
    y, x = np.unravel_index(np.argmin(ssd), ssd.shape)
    return int(x), int(y)


def main():
    if len(sys.argv) not in (3, 5):
        raise SystemExit(__doc__)
    template = read_xwd(sys.argv[1])
    image = np.asarray(Image.open(sys.argv[2]).convert("RGB"))
    h, w = template.shape[:2]
    if image.shape[0] < h or image.shape[1] < w:
        print("the screenshot is smaller than the window")
        return 1
    x, y = best_match(template, image)
    region = image[y : y + h, x : x + w].astype(np.int32)
    difference = float(np.abs(region - template.astype(np.int32)).mean())
    print(f"{w}x{h} window found at {x},{y}; mean colour difference {difference:.1f}")
    ok = difference < MAX_DIFFERENCE
    if len(sys.argv) == 5:
        ex, ey = int(sys.argv[3]), int(sys.argv[4])
        if abs(x - ex) > 2 or abs(y - ey) > 2:
            print(f"expected at {ex},{ey}")
            ok = False
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
