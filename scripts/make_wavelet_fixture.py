#!/usr/bin/python3
"""Writes tests/signal/fixtures/daubechies_pywt.txt from Debian's python3-pywt.

The fixture is the independent reference for the filter table compiled into the program: one line
per order, the synthesis low-pass filter (the orientation the program uses) to 17 significant
digits. Run once; its output is committed. Needs: apt-get install python3-pywt
"""
import pathlib
import pywt

out = pathlib.Path(__file__).resolve().parent.parent / "tests/signal/fixtures/daubechies_pywt.txt"
lines = []
for order in range(1, 11):
    coefficients = pywt.Wavelet("db%d" % order).rec_lo
    lines.append("%d %s" % (order, " ".join("%.17g" % c for c in coefficients)))
out.write_text("\n".join(lines) + "\n")
