#!/usr/bin/env python3
"""Writes the text files of the installation data: the catalogue, the stock
database's descriptor and companion files, the templates for new databases,
the greeting rules, the version file and the letters folder's template list.

All of them are Windows-1252 with CR LF line ends, as the program reads them.
Run from anywhere; the files are written below the repository root.
"""
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
INSTALL = ROOT / "install"
DATA = INSTALL / "Data"
LETTERS = ROOT / "letters"


def write_lines(path: Path, lines):
    path.parent.mkdir(parents=True, exist_ok=True)
    data = "".join(line + "\r\n" for line in lines).encode("cp1252")
    path.write_bytes(data)


# Display name and descriptor of the stock database; the table is "Database".
STOCK_DISPLAY_NAME = "Adressen (Standard)"
STOCK_TABLE = "Database"

CATALOGUE = [
    "ANZEIGENAME|BILD|BESCHREIBUNG",
    f"{STOCK_DISPLAY_NAME}| cddrive.bmp|{STOCK_TABLE}.ini",
]

DESCRIPTOR = [
    "TABLE        TABELNAME",
    f"Table1      |{STOCK_TABLE}",
]

# Field name, type, required, size, indexed, sortable, display name.
# Each indexed field gets a secondary index named like the field, as the
# program does for the fields a user adds; ID carries the primary index.
BASE_FIELDS = [
    ("ID", "ftAutoInc", 0, "primary", False, "ID"),
    ("Selected", "ftBoolean", 0, None, False, "Markiert"),
    ("Invalid", "ftBoolean", 0, None, False, "Ungültig"),
    ("LetztesMail", "ftString", 20, None, False, "Letzte Mail"),
    ("Mail", "ftString", 80, "secondary", True, "E-Mail"),
    ("Anrede", "ftString", 30, None, False, "Anrede"),
    ("Betreff", "ftString", 60, None, False, "Betreff"),
    ("Name", "ftString", 60, "secondary", True, "Name"),
    ("Vorname", "ftString", 50, "secondary", True, "Vorname"),
    ("Ansprechpartner", "ftString", 60, None, False, "Ansprechpartner"),
    ("Str", "ftString", 60, None, False, "Straße"),
    ("PLZ", "ftString", 10, "secondary", True, "PLZ"),
    ("Ort", "ftString", 50, "secondary", True, "Ort"),
    ("Land", "ftString", 40, "secondary", True, "Land"),
    ("Tel", "ftString", 30, None, False, "Telefon"),
    ("Fax", "ftString", 30, None, False, "Fax"),
    ("Kategorie", "ftString", 40, "secondary", True, "Kategorie"),
]

# Column widths match the layout of the lines the program appends for user
# fields, so the file stays readable in a text editor.
W = [16, 12, 10, 9, 17, 17, 12, 12]


def pro_line(cols):
    parts = []
    for i, c in enumerate(cols[:-1]):
        text = c if i == 0 else " " + c
        parts.append(text.ljust(W[i]))
    parts.append(" " + cols[-1])
    return "|".join(parts)


def field_definitions():
    lines = [
        pro_line(["FELDNAME", "FELDTYP", "PFLICHT", "GROESSE", "INDEXNAME",
                  "INDEXFELDER", "PRIMAER", "SORTIERBAR", "ANZEIGENAME"])
    ]
    for name, ftype, size, index, sortable, display in BASE_FIELDS:
        index_name = name if index else " "
        index_fields = name if index else " "
        primary = "ixPrimary" if index == "primary" else " "
        lines.append(pro_line([name, ftype, "False", str(size), index_name,
                               index_fields, primary,
                               "TRUE" if sortable else "FALSE", display]))
    return lines


COMBO_LISTS = [
    "FELDNAME|EINTRAEGE",
    "Anrede|Herr;Frau;Familie;Firma;Herr Dr.;Frau Dr.;Herr Prof.;Frau Prof.;"
    "Herr Prof. Dr.;Frau Prof. Dr.",
    "Land|Deutschland;Österreich;Schweiz;Liechtenstein;Luxemburg;Belgien;"
    "Niederlande;Frankreich;Italien;Spanien;Portugal;Dänemark;Schweden;"
    "Norwegen;Finnland;Polen;Tschechien;Slowakei;Ungarn;Slowenien;Kroatien;"
    "Griechenland;Irland;Großbritannien;Vereinigte Staaten;Kanada",
    "Kategorie|Kunde;Interessent;Lieferant;Partner;Mitglied;Presse;Privat;"
    "Familie;Freunde;Sonstige",
]

FILTER_PRESETS = [
    "BEZEICHNUNG|FILTERAUSDRUCK",
    "Alle| ",
    "Nur markierte|Selected = 'True'",
    "Markierte mit E-Mail|Selected = 'True' AND Mail <> NULL",
    "Ungültige Adressen|Invalid = 'True'",
    "Mit E-Mail|Mail <> NULL",
    "Ohne E-Mail|Mail = NULL",
    "Unvollständige Anschrift|Str = NULL OR PLZ = NULL OR Ort = NULL",
    "Kunden|Kategorie = 'Kunde'",
    "Interessenten|Kategorie = 'Interessent'",
    "Lieferanten|Kategorie = 'Lieferant'",
    "Partner|Kategorie = 'Partner'",
    "Mitglieder|Kategorie = 'Mitglied'",
    "Privat|Kategorie = 'Privat' OR Kategorie = 'Familie' OR Kategorie = 'Freunde'",
    "Ohne Kategorie|Kategorie = NULL",
    "Deutschland|Land = 'Deutschland'",
    "Österreich|Land = 'Österreich'",
    "Schweiz|Land = 'Schweiz'",
    "Ausland|Land <> NULL AND Land <> 'Deutschland'",
] + [f"PLZ-Gebiet {d}|PLZ = '{d}*' AND (Land = NULL OR Land = 'Deutschland')"
     for d in range(10)]

# Last matching rule wins, and a rule matches every value that begins with its
# key, so the titled forms come after the plain ones.
GREETINGS = [
    "Herr|Sehr geehrter Herr",
    "Frau|Sehr geehrte Frau",
    "Familie|Sehr geehrte Familie",
    "Firma|Sehr geehrte Damen und Herren der Firma",
    "Herr Dr.|Sehr geehrter Herr Dr.",
    "Frau Dr.|Sehr geehrte Frau Dr.",
    "Herr Prof.|Sehr geehrter Herr Prof.",
    "Frau Prof.|Sehr geehrte Frau Prof.",
]

TEMPLATES = ["Brief-Vorlage.doc", "Adress-Etikett.doc", "Briefumschlag.doc"]


def main():
    write_lines(INSTALL / "Buttons.ini", CATALOGUE)
    write_lines(INSTALL / "ver.ini", ["1.0.0"])
    write_lines(INSTALL / "Serienbrief.ini", [
        "[Serienbrief]",
        "Datenquelle=~/MyLetters/Serienbrief.txt",
        "Trennzeichen=|",
    ])
    write_lines(INSTALL / "Grussformel.txt", GREETINGS)

    pro = field_definitions()
    write_lines(DATA / f"{STOCK_TABLE}.ini", DESCRIPTOR)
    # The stock database and the templates for new databases hold the same
    # lines, so a lookup that ignores letter case finds the same content
    # whichever of the two names it resolves to.
    for base in (STOCK_TABLE, "database"):
        write_lines(DATA / f"{base}.pro", pro)
        write_lines(DATA / f"{base}.cb", COMBO_LISTS)
        write_lines(DATA / f"{base}.fil", FILTER_PRESETS)

    write_lines(LETTERS / "Vorlagen.ini", TEMPLATES)


if __name__ == "__main__":
    main()
