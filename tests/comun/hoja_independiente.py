#!/usr/bin/env python3
"""Reads and writes spreadsheet files with readers that owe nothing to the program, for its tests.

  hoja_independiente.py xlsx FICHERO
      Every sheet of a workbook read by openpyxl: a line {"hoja", "fijas"} per sheet,
      then a line {"celda", "tipo", "valor", "formato", "negrita"} per filled cell.
  hoja_independiente.py csv FICHERO SEPARADOR DECIMAL
      A CSV file read by the csv module: a line {"celda", "tipo", "valor"} per non-empty field,
      a number ("n") when the field reads as one with DECIMAL as its separator.
  hoja_independiente.py escribir FICHERO
      Writes a workbook with openpyxl from JSON lines on standard input: {"celda", "valor"}, a
      number or a text, in a first sheet named "Datos".

Numbers travel as repr() texts, the shortest that read back as the same double.
"""
import csv
import json
import sys

import openpyxl
from openpyxl.utils import get_column_letter


def numero(valor):
    return repr(float(valor))


def leer_xlsx(fichero):
    libro = openpyxl.load_workbook(fichero)
    for hoja in libro.worksheets:
        print(json.dumps({"hoja": hoja.title, "fijas": hoja.freeze_panes or ""}))
        for fila in hoja.iter_rows():
            for celda in fila:
                if celda.value is None:
                    continue
                es_numero = isinstance(celda.value, (int, float)) and not isinstance(celda.value, bool)
                print(json.dumps({
                    "celda": celda.coordinate,
                    "tipo": "n" if es_numero else "t",
                    "valor": numero(celda.value) if es_numero else str(celda.value),
                    "formato": celda.number_format,
                    "negrita": bool(celda.font and celda.font.b),
                }))


def leer_csv(fichero, separador, decimal):
    with open(fichero, newline="", encoding="utf-8-sig") as entrada:
        for f, fila in enumerate(csv.reader(entrada, delimiter=separador), start=1):
            for c, campo in enumerate(fila, start=1):
                if campo == "":
                    continue
                try:
                    valor, tipo = numero(campo.replace(decimal, ".") if decimal != "." else campo), "n"
                    if decimal != "." and "." in campo:
                        valor, tipo = campo, "t"
                except ValueError:
                    valor, tipo = campo, "t"
                print(json.dumps({"celda": f"{get_column_letter(c)}{f}", "tipo": tipo, "valor": valor}))


def escribir(fichero):
    libro = openpyxl.Workbook()
    hoja = libro.active
    hoja.title = "Datos"
    for linea in sys.stdin:
        if linea.strip():
            dato = json.loads(linea)
            hoja[dato["celda"]] = dato["valor"]
    libro.save(fichero)


if __name__ == "__main__":
    orden = sys.argv[1]
    if orden == "xlsx":
        leer_xlsx(sys.argv[2])
    elif orden == "csv":
        leer_csv(sys.argv[2], sys.argv[3], sys.argv[4])
    elif orden == "escribir":
        escribir(sys.argv[2])
    else:
        sys.exit("orden desconocida: " + orden)
