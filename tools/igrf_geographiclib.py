#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes IGRF-14 in GeographicLib's magnetic-model format, for comparing
ceravel-lote with GeographicLib's MagneticField on the same points
(bench/compara_geographiclib.sh). Not used by the programs.

Reads the IAGA table (data/igrf14coeffs.txt) and writes NAME.wmm (text
settings, WMMF-2) and NAME.wmm.cof (binary coefficients).

GeographicLib's multi-epoch model (MagneticModel::FieldGeocentric):
  * NumModels snapshots at Epoch + i*DeltaEpoch, i = 0..NumModels-1, each a
    full spherical-harmonic coefficient set (C = g, S = h, Schmidt
    semi-normalised, nT, reference radius Radius in metres);
  * one further coefficient set, number NumModels, which is the secular
    variation (nT/yr) applied after the last snapshot;
  * interval index n = clamp(floor((t-Epoch)/DeltaEpoch), 0, NumModels-1);
    for n < NumModels-1 the field is linearly interpolated between sets n
    and n+1 (rate = difference / DeltaEpoch); for n = NumModels-1 set n is
    extrapolated with the SV set.  Times before Epoch use interval 0
    (linear backward extrapolation).  MinTime/MaxTime are advisory only.
.cof layout: 8-byte ID, then for each of the NumModels+1 sets: int32 N,
int32 M (little endian), C[(M+1)(2N-M+2)/2] then S[C size - (N+1)] as
little-endian float64, column-major (m outer, n inner from n=m), S
without the m=0 column.  C00 must be 0.

Usage: python3 tools/igrf_geographiclib.py data/igrf14coeffs.txt PASTA [NOME]
"""
import struct
import sys
import os

NMAX = 13
MODEL_ID = "IGRF14A_"  # exactly 8 characters, must match ID in the .wmm


def read_iaga(path):
    epochs = None
    rows = []
    with open(path) as f:
        for line in f:
            w = line.split()
            if not w or w[0].startswith('#'):
                continue
            if w[0] == 'g/h':
                # "g/h n m 1900.0 ... 2025.0 2025-30": last word is the SV label
                epochs = [float(x) for x in w[3:-1]]
                continue
            if w[0] in ('g', 'h'):
                rows.append((w[0], int(w[1]), int(w[2]), [float(x) for x in w[3:]]))
    assert epochs is not None
    ne = len(epochs)
    # sets[k] for k < ne are snapshots, sets[ne] is the final SV
    g = [[[0.0] * (NMAX + 1) for _ in range(NMAX + 1)] for _ in range(ne + 1)]
    h = [[[0.0] * (NMAX + 1) for _ in range(NMAX + 1)] for _ in range(ne + 1)]
    for gh, n, m, vals in rows:
        assert len(vals) == ne + 1, (gh, n, m, len(vals))
        assert 1 <= n <= NMAX and 0 <= m <= n
        tgt = g if gh == 'g' else h
        for k, v in enumerate(vals):
            tgt[k][n][m] = v
    return epochs, g, h


def pack_set(g, h):
    out = [struct.pack('<ii', NMAX, NMAX)]
    C = [g[n][m] for m in range(NMAX + 1) for n in range(m, NMAX + 1)]
    S = [h[n][m] for m in range(1, NMAX + 1) for n in range(m, NMAX + 1)]
    assert len(C) == (NMAX + 1) * (NMAX + 2) // 2 and len(S) == NMAX * (NMAX + 1) // 2
    assert C[0] == 0.0
    out.append(struct.pack('<%dd' % len(C), *C))
    out.append(struct.pack('<%dd' % len(S), *S))
    return b''.join(out)


def main():
    src, outdir = sys.argv[1], sys.argv[2]
    name = sys.argv[3] if len(sys.argv) > 3 else 'igrf14'
    epochs, g, h = read_iaga(src)
    ne = len(epochs)
    step = epochs[1] - epochs[0]
    for a, b in zip(epochs, epochs[1:]):
        assert abs((b - a) - step) < 1e-9, 'epochs must be equally spaced'
    meta = f"""WMMF-2
# IGRF-14 converted from {os.path.basename(src)} by igrf_geographiclib.py
Name            {name}
Description     International Geomagnetic Reference Field 14th Generation (converted)
URL             https://www.ncei.noaa.gov/products/international-geomagnetic-reference-field
Publisher       IAGA
ConversionDate  local
DataVersion     1
Radius          6371200
NumModels       {ne}
Epoch           {epochs[0]:.1f}
DeltaEpoch      {step:g}
MinTime         {epochs[0]:.1f}
MaxTime         {epochs[-1] + step:.1f}
MinHeight       -1000
MaxHeight       600000
Normalization   Schmidt
ByteOrder       little
ID              {MODEL_ID}
"""
    os.makedirs(outdir, exist_ok=True)
    with open(os.path.join(outdir, name + '.wmm'), 'w') as f:
        f.write(meta)
    with open(os.path.join(outdir, name + '.wmm.cof'), 'wb') as f:
        f.write(MODEL_ID.encode('ascii'))
        for k in range(ne + 1):  # ne snapshots + final SV
            f.write(pack_set(g[k], h[k]))
    print(f'{name}: {ne} epochs {epochs[0]}..{epochs[-1]} step {step}, + SV; '
          f'{(ne + 1)} coefficient sets of degree {NMAX}')


if __name__ == '__main__':
    main()
