#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes Brazil's border as a plain polygon file for the coefficient fit.

Reads countries-50m.json of the npm package world-atlas (Natural Earth
Admin 0 countries, 1:50m, public domain, as TopoJSON) and writes every ring of
Brazil (ISO 3166-1 numeric code 076) as "lon lat" lines, one blank line between
rings. Lines starting with '#' are comments.

Usage:
    npm pack world-atlas && tar xzf world-atlas-*.tgz
    python3 tools/brasil_contorno.py package/countries-50m.json data/brasil-contorno.txt
"""
import json
import sys

CODIGO_BRASIL = "076"


def decodifica_arcos(topologia):
    """Arcs in degrees: TopoJSON stores them quantized and delta-encoded."""
    escala = topologia["transform"]["scale"]
    origem = topologia["transform"]["translate"]
    arcos = []
    for arco in topologia["arcs"]:
        qx = qy = 0
        pontos = []
        for dx, dy in arco:
            qx += dx
            qy += dy
            pontos.append((qx * escala[0] + origem[0], qy * escala[1] + origem[1]))
        arcos.append(pontos)
    return arcos


def anel(indices, arcos):
    """Joins the arcs of one ring; a negative index ~i means arc i reversed,
    and each arc after the first repeats the previous arc's last point."""
    pontos = []
    for i in indices:
        trecho = arcos[~i][::-1] if i < 0 else arcos[i]
        pontos.extend(trecho if not pontos else trecho[1:])
    return pontos


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with open(sys.argv[1], encoding="utf-8") as f:
        topologia = json.load(f)
    arcos = decodifica_arcos(topologia)
    paises = topologia["objects"]["countries"]["geometries"]
    brasil = next(g for g in paises if g.get("id") == CODIGO_BRASIL)
    poligonos = brasil["arcs"] if brasil["type"] == "MultiPolygon" else [brasil["arcs"]]
    aneis = [anel(a, arcos) for poligono in poligonos for a in poligono]

    with open(sys.argv[2], "w", encoding="ascii", newline="\n") as saida:
        saida.write("# Brazil's border (every ring: mainland, islands, holes), longitude latitude\n")
        saida.write("# in decimal degrees, one point per line, rings separated by a blank line.\n")
        saida.write("# Source: Natural Earth Admin 0 countries 1:50m (public domain), as\n")
        saida.write("# countries-50m.json of the npm package world-atlas; written by\n")
        saida.write("# tools/brasil_contorno.py.\n")
        for n, pontos in enumerate(aneis):
            if n:
                saida.write("\n")
            for lon, lat in pontos:
                saida.write(f"{lon:.6f} {lat:.6f}\n")
    print(f"{len(aneis)} rings, {sum(len(p) for p in aneis)} points")


if __name__ == "__main__":
    main()
