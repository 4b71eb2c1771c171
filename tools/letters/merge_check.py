#!/usr/bin/python3
"""Checks the letter templates the way a user merges them: writes a sample
Serienbrief.txt in the program's format (Windows-1252, "|" after every
column, header line of field names), connects it as a text data source in a
headless LibreOffice, merges every template with it and prints the text of
the result. Needs python3-uno and libreoffice-base-drivers.

Usage: merge_check.py <folder with the .doc templates>
"""
import os
import subprocess
import sys
import tempfile
import time
from pathlib import Path

import uno
from com.sun.star.beans import PropertyValue

HEADER = ["Anrede", "Betreff", "Name", "Vorname", "Ansprechpartner", "Str",
          "PLZ", "Ort", "Land", "Tel", "Fax", "Kategorie"]
RECORDS = [
    ["Sehr geehrte Frau", "Einladung zum Sommerfest", "Müller", "Jürgen",
     " ", "Hauptstraße 5", "10115", "Berlin", "Deutschland", " ", " ", "Kunde"],
    ["Sehr geehrter Herr Dr.", "Ihre Anfrage", "Weiß", "Björn", " ",
     "Lindenallee 12a", "80331", "München", " ", " ", " ", "Partner"],
    ["Sehr geehrte Damen und Herren der Firma", " ", "Grün & Söhne GmbH", " ",
     "Frau Öztürk", "Am Markt 1", "1010", "Wien", "Österreich", " ", " ",
     "Lieferant"],
]


def prop(name, value):
    p = PropertyValue()
    p.Name, p.Value = name, value
    return p


def main(template_dir):
    work = Path(tempfile.mkdtemp(prefix="lorvane_merge_"))
    data = work / "data"
    data.mkdir()
    lines = ["|".join(HEADER) + "|"] + ["|".join(r) + "|" for r in RECORDS]
    (data / "Serienbrief.txt").write_bytes(
        "".join(l + "\r\n" for l in lines).encode("cp1252"))

    office = subprocess.Popen([
        "soffice", "--headless", "--invisible", "--norestore",
        f"-env:UserInstallation=file://{work}/profile",
        "--accept=socket,host=127.0.0.1,port=2083;urp;"])
    try:
        local = uno.getComponentContext()
        resolver = local.ServiceManager.createInstanceWithContext(
            "com.sun.star.bridge.UnoUrlResolver", local)
        for _ in range(60):
            try:
                ctx = resolver.resolve(
                    "uno:socket,host=127.0.0.1,port=2083;urp;"
                    "StarOffice.ComponentContext")
                break
            except Exception:
                time.sleep(0.5)
        else:
            raise RuntimeError("LibreOffice did not start")
        smgr = ctx.ServiceManager

        # The same settings the help page tells the user to choose.
        dbctx = smgr.createInstanceWithContext("com.sun.star.sdb.DatabaseContext", ctx)
        source = dbctx.createInstance()
        source.URL = "sdbc:flat:" + uno.systemPathToFileUrl(str(data))
        source.Info = (prop("Extension", "txt"), prop("HeaderLine", True),
                       prop("FieldDelimiter", "|"), prop("StringDelimiter", '"'),
                       prop("CharSet", "windows-1252"))
        odb = uno.systemPathToFileUrl(str(work / "Serienbrief.odb"))
        source.DatabaseDocument.storeAsURL(odb, ())
        dbctx.registerObject("Serienbrief", source)

        for doc in sorted(Path(template_dir).glob("*.doc")):
            out = work / doc.stem
            out.mkdir()
            merge = smgr.createInstanceWithContext("com.sun.star.text.MailMerge", ctx)
            merge.DataSourceName = "Serienbrief"
            merge.Command = "Serienbrief"
            merge.CommandType = 0  # table
            merge.DocumentURL = uno.systemPathToFileUrl(str(doc.resolve()))
            merge.OutputType = 2  # file
            merge.OutputURL = uno.systemPathToFileUrl(str(out))
            merge.SaveAsSingleFile = True
            merge.SaveFilter = "Text (encoded)"
            merge.FileNamePrefix = "merged"
            merge.execute(())
            for result in sorted(out.iterdir()):
                print(f"===== {doc.name} -> {result.name}")
                print(result.read_bytes().decode("utf-8", "replace"))
    finally:
        office.terminate()
        office.wait(timeout=30)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "..", "letters"))
