#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the borders of Brazil's neighbours for the map window.

Reads countries-50m.json of the npm package world-atlas (Natural Earth
Admin 0 countries, 1:50m, public domain, as TopoJSON), the same file that
tools/brasil_contorno.py reduces, and writes every ring of every country other
than Brazil that reaches the map's box (latitude -35 to 10, longitude -75 to
-30) as "lon lat" lines, one blank line between rings, each country's rings
after a comment line with its name. Whole rings are kept; the window clips them.

Usage:
    npm pack world-atlas@2.0.2 && tar xzf world-atlas-2.0.2.tgz
    python3 tools/vizinhos_contorno.py package/countries-50m.json data/vizinhos-contorno.txt
"""
import json
import sys

from brasil_contorno import CODIGO_BRASIL, anel, decodifica_arcos

# The map's box, one degree wider so that a ring just outside it still shows
# where it touches the edge.
LON_MIN, LON_MAX, LAT_MIN, LAT_MAX = -76.0, -29.0, -36.0, 11.0


def alcanca_caixa(pontos):
    lons = [p[0] for p in pontos]
    lats = [p[1] for p in pontos]
    # A ring across the antimeridian (Fiji) spans every longitude on paper.
    if max(lons) - min(lons) > 180:
        return False
    return min(lons) <= LON_MAX and max(lons) >= LON_MIN and min(lats) <= LAT_MAX and max(lats) >= LAT_MIN


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with open(sys.argv[1], encoding="utf-8") as f:
        topologia = json.load(f)
    arcos = decodifica_arcos(topologia)
    paises = []
    for g in topologia["objects"]["countries"]["geometries"]:
        if g.get("id") == CODIGO_BRASIL or g["type"] not in ("Polygon", "MultiPolygon"):
            continue
        poligonos = g["arcs"] if g["type"] == "MultiPolygon" else [g["arcs"]]
        aneis = [anel(a, arcos) for poligono in poligonos for a in poligono]
        aneis = [a for a in aneis if alcanca_caixa(a)]
        if aneis:
            paises.append((g["properties"]["name"], aneis))
    paises.sort()

    with open(sys.argv[2], "w", encoding="ascii", newline="\n") as saida:
        saida.write("# Borders of the countries around Brazil that reach the map (every ring that\n")
        saida.write("# meets latitude -36 to 11, longitude -76 to -29), longitude latitude in\n")
        saida.write("# decimal degrees, rings separated by a blank line.\n")
        saida.write("# Source: Natural Earth Admin 0 countries 1:50m (public domain), as\n")
        saida.write("# countries-50m.json of the npm package world-atlas; written by\n")
        saida.write("# tools/vizinhos_contorno.py.\n")
        primeiro = True
        for nome, aneis in paises:
            for pontos in aneis:
                if not primeiro:
                    saida.write("\n")
                primeiro = False
                saida.write(f"# {nome}\n")
                for lon, lat in pontos:
                    saida.write(f"{lon:.6f} {lat:.6f}\n")
    print(", ".join(f"{n} ({len(a)})" for n, a in paises))
    print(f"{sum(len(a) for _, a in paises)} rings, {sum(len(p) for _, a in paises for p in a)} points")


if __name__ == "__main__":
    main()
