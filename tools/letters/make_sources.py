#!/usr/bin/env python3
"""Writes the flat ODF sources of the three letter templates (letter, address
labels, envelope) into this folder. Their merge fields are named after the
columns of the mail-merge data file Serienbrief.txt.

The label sheet needs Word's "next record" field between labels. LibreOffice
does not write that field into .doc files, so each label after the first
starts with a stand-in merge field named NXTREC, which next_record.py turns
into a real NEXT field after the conversion.
"""
from pathlib import Path
from xml.sax.saxutils import escape

HERE = Path(__file__).resolve().parent
NEXT_STAND_IN = "NXTREC"

NS = (
    'xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
    'xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" '
    'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
    'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
    'xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" '
    'xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0" '
    'xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0" '
    'xmlns:meta="urn:oasis:names:tc:opendocument:xmlns:meta:1.0" '
    'xmlns:dc="http://purl.org/dc/elements/1.1/"'
)


def field(column):
    """A mail-merge field of the data source Serienbrief (Serienbrief.txt)."""
    return (f'<text:database-display text:database-name="Serienbrief" '
            f'text:table-name="Serienbrief" text:table-type="table" '
            f'text:column-name="{column}">&lt;{column}&gt;</text:database-display>')


def p(style, *parts):
    return f'<text:p text:style-name="{style}">{"".join(parts)}</text:p>'


def t(text):
    return escape(text)


COMMON_STYLES = """
  <style:default-style style:family="paragraph">
   <style:paragraph-properties fo:margin-top="0mm" fo:margin-bottom="0mm"/>
   <style:text-properties style:font-name="Liberation Sans" fo:font-family="'Liberation Sans'"
     style:font-family-generic="swiss" fo:font-size="11pt" fo:language="de" fo:country="DE"/>
  </style:default-style>
  <style:style style:name="Standard" style:family="paragraph" style:class="text"/>
"""


def document(title, page_layout, auto_styles, body, date_style=""):
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<office:document {NS} office:version="1.3"
  office:mimetype="application/vnd.oasis.opendocument.text">
 <office:meta><dc:title>{t(title)}</dc:title><dc:language>de-DE</dc:language></office:meta>
 <office:font-face-decls>
  <style:font-face style:name="Liberation Sans" svg:font-family="'Liberation Sans'"
    style:font-family-generic="swiss" style:font-pitch="variable"/>
 </office:font-face-decls>
 <office:styles>{COMMON_STYLES}{date_style}</office:styles>
 <office:automatic-styles>
  {page_layout}
  {auto_styles}
 </office:automatic-styles>
 <office:master-styles>
  <style:master-page style:name="Standard" style:page-layout-name="pm1"/>
 </office:master-styles>
 <office:body><office:text>
{body}
 </office:text></office:body>
</office:document>
"""


def letter():
    layout = """<style:page-layout style:name="pm1">
   <style:page-layout-properties fo:page-width="210mm" fo:page-height="297mm"
     style:print-orientation="portrait" fo:margin-top="17mm" fo:margin-bottom="20mm"
     fo:margin-left="25mm" fo:margin-right="20mm"/>
  </style:page-layout>"""
    styles = """
  <style:style style:name="Sender" style:family="paragraph" style:parent-style-name="Standard">
   <style:paragraph-properties fo:text-align="end"/>
   <style:text-properties fo:font-size="10pt" fo:color="#404040"/>
  </style:style>
  <style:style style:name="SenderName" style:family="paragraph" style:parent-style-name="Standard">
   <style:paragraph-properties fo:text-align="end"/>
   <style:text-properties fo:font-size="14pt" fo:font-weight="bold" fo:color="#10355e"/>
  </style:style>
  <style:style style:name="ReturnLine" style:family="paragraph" style:parent-style-name="Standard">
   <style:paragraph-properties fo:margin-top="14mm" fo:margin-bottom="3mm"/>
   <style:text-properties fo:font-size="7pt" style:text-underline-style="solid"
     style:text-underline-width="auto" style:text-underline-color="font-color"/>
  </style:style>
  <style:style style:name="Address" style:family="paragraph" style:parent-style-name="Standard"/>
  <style:style style:name="Date" style:family="paragraph" style:parent-style-name="Standard">
   <style:paragraph-properties fo:text-align="end" fo:margin-top="18mm" fo:margin-bottom="8mm"/>
  </style:style>
  <style:style style:name="Subject" style:family="paragraph" style:parent-style-name="Standard">
   <style:paragraph-properties fo:margin-bottom="8mm"/>
   <style:text-properties fo:font-weight="bold"/>
  </style:style>
  <style:style style:name="Body" style:family="paragraph" style:parent-style-name="Standard">
   <style:paragraph-properties fo:margin-bottom="4mm" fo:line-height="115%" fo:text-align="justify"/>
  </style:style>
  <style:style style:name="Closing" style:family="paragraph" style:parent-style-name="Standard">
   <style:paragraph-properties fo:margin-top="4mm" fo:margin-bottom="16mm"/>
  </style:style>
  <style:style style:name="Hint" style:family="text">
   <style:text-properties fo:color="#a03020" fo:font-style="italic"/>
  </style:style>"""
    date_style = """
  <number:date-style style:name="DateLong" number:automatic-order="true">
   <number:day/><number:text>. </number:text><number:month number:style="long" number:textual="true"/>
   <number:text> </number:text><number:year number:style="long"/>
  </number:date-style>"""
    hint = lambda s: f'<text:span text:style-name="Hint">{t(s)}</text:span>'
    body = "\n".join([
        p("SenderName", hint("[Ihr Name oder Firmenname]")),
        p("Sender", hint("[Straße Hausnummer]")),
        p("Sender", hint("[PLZ Ort]")),
        p("Sender", hint("[Telefon] · [E-Mail]")),
        p("ReturnLine", t("[Ihr Name] · [Straße Hausnummer] · [PLZ Ort]")),
        p("Address", field("Vorname"), " ", field("Name")),
        p("Address", field("Str")),
        p("Address", field("PLZ"), " ", field("Ort")),
        p("Address", field("Land")),
        p("Date", t("[Ort], den "),
          '<text:date style:data-style-name="DateLong" text:fixed="false">'
          '</text:date>'),
        p("Subject", field("Betreff")),
        p("Body", field("Anrede"), " ", field("Name"), ","),
        p("Body", hint(
            "hier steht der Text Ihres Briefes. Die Felder in spitzen Klammern "
            "werden beim Serienbrief-Druck durch die Daten der markierten "
            "Adressen ersetzt. Die Grußformel im Feld <Anrede> stellt Lorvane "
            "aus den Regeln im Menü „Grußformel“ zusammen, zum Beispiel "
            "„Sehr geehrte Frau“ für die Anrede „Frau“.")),
        p("Body", hint(
            "Speichern Sie Ihren fertigen Brief unter einem neuen Namen in "
            "diesem Ordner. Die Vorlage selbst ist schreibgeschützt.")),
        p("Closing", t("Mit freundlichen Grüßen")),
        p("Standard", hint("[Ihr Name]")),
    ])
    return document("Brief-Vorlage", layout, styles, body, date_style)


def address_lines(first):
    """Paragraphs of one label; every label after the first moves on to the
    next record before it shows its fields."""
    lead = "" if first else field(NEXT_STAND_IN)
    return [
        p("Label", lead, field("Vorname"), " ", field("Name")),
        p("Label", field("Str")),
        p("LabelCity", field("PLZ"), " ", field("Ort")),
        p("Label", field("Land")),
    ]


def labels():
    # A4 sheet of 3 x 8 labels, 70 x 37 mm each (common 24-up format).
    layout = """<style:page-layout style:name="pm1">
   <style:page-layout-properties fo:page-width="210mm" fo:page-height="297mm"
     style:print-orientation="portrait" fo:margin-top="0.5mm" fo:margin-bottom="0mm"
     fo:margin-left="0mm" fo:margin-right="0mm"/>
  </style:page-layout>"""
    styles = """
  <style:style style:name="Sheet" style:family="table">
   <style:table-properties style:width="210mm" table:align="left"/>
  </style:style>
  <style:style style:name="Col" style:family="table-column">
   <style:table-column-properties style:column-width="70mm"/>
  </style:style>
  <style:style style:name="Row" style:family="table-row">
   <style:table-row-properties style:min-row-height="37mm" style:row-height="37mm"
     fo:keep-together="always"/>
  </style:style>
  <style:style style:name="Cell" style:family="table-cell">
   <style:table-cell-properties fo:padding-left="7mm" fo:padding-right="3mm"
     fo:padding-top="8mm" fo:padding-bottom="2mm" fo:border="none"
     style:vertical-align="top"/>
  </style:style>
  <style:style style:name="Label" style:family="paragraph" style:parent-style-name="Standard">
   <style:text-properties fo:font-size="10pt"/>
  </style:style>
  <style:style style:name="LabelCity" style:family="paragraph" style:parent-style-name="Standard">
   <style:text-properties fo:font-size="10pt" fo:font-weight="bold"/>
  </style:style>"""
    rows = []
    first = True
    for _ in range(8):
        cells = []
        for _ in range(3):
            cells.append('<table:table-cell table:style-name="Cell" office:value-type="string">'
                         + "".join(address_lines(first)) + "</table:table-cell>")
            first = False
        rows.append('<table:table-row table:style-name="Row">' + "".join(cells)
                    + "</table:table-row>")
    body = ('<table:table table:name="Etiketten" table:style-name="Sheet">'
            '<table:table-column table:style-name="Col" table:number-columns-repeated="3"/>'
            + "\n".join(rows) + "</table:table>"
            + p("Tiny", ""))
    styles += """
  <style:style style:name="Tiny" style:family="paragraph" style:parent-style-name="Standard">
   <style:text-properties fo:font-size="1pt"/>
  </style:style>"""
    return document("Adress-Etikett", layout, styles, body)


def envelope():
    # DIN lang (DL) envelope, 220 x 110 mm, landscape, window-free layout.
    layout = """<style:page-layout style:name="pm1">
   <style:page-layout-properties fo:page-width="220mm" fo:page-height="110mm"
     style:print-orientation="landscape" fo:margin-top="10mm" fo:margin-bottom="8mm"
     fo:margin-left="15mm" fo:margin-right="15mm"/>
  </style:page-layout>"""
    styles = """
  <style:style style:name="Sender" style:family="paragraph" style:parent-style-name="Standard">
   <style:text-properties fo:font-size="8pt" fo:color="#404040"/>
  </style:style>
  <style:style style:name="AddressFirst" style:family="paragraph" style:parent-style-name="Standard">
   <style:paragraph-properties fo:margin-left="95mm" fo:margin-top="30mm"/>
   <style:text-properties fo:font-size="12pt"/>
  </style:style>
  <style:style style:name="Address" style:family="paragraph" style:parent-style-name="Standard">
   <style:paragraph-properties fo:margin-left="95mm"/>
   <style:text-properties fo:font-size="12pt"/>
  </style:style>
  <style:style style:name="AddressCity" style:family="paragraph" style:parent-style-name="Standard">
   <style:paragraph-properties fo:margin-left="95mm"/>
   <style:text-properties fo:font-size="12pt" fo:font-weight="bold"/>
  </style:style>"""
    body = "\n".join([
        p("Sender", t("[Ihr Name] · [Straße Hausnummer] · [PLZ Ort]")),
        p("AddressFirst", field("Vorname"), " ", field("Name")),
        p("Address", field("Str")),
        p("AddressCity", field("PLZ"), " ", field("Ort")),
        p("Address", field("Land")),
    ])
    return document("Briefumschlag", layout, styles, body)


def main():
    for name, make in (("Brief-Vorlage", letter), ("Adress-Etikett", labels),
                       ("Briefumschlag", envelope)):
        (HERE / f"{name}.fodt").write_text(make(), encoding="utf-8")


if __name__ == "__main__":
    main()
