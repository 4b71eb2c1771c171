#!/usr/bin/python3
"""Turns the stand-in merge fields "MERGEFIELD NXTREC" of a Word 97 .doc file
into "NEXT" fields (Word's "next record"), in place.

LibreOffice writes merge fields into .doc files but drops the next-record
field, which a label sheet needs between its labels. The stand-in has the
same structure as the wanted field, so the patch keeps every length: the
field code text is overwritten with "NEXT" padded with blanks, the shown
result with blanks, and the field's type byte in the field table becomes the
type of NEXT. Needs python3-olefile.
"""
import re
import struct
import sys

import olefile

FLT_MERGEFIELD = 59
FLT_NEXT = 41
STAND_IN = re.compile(r"^\s*MERGEFIELD\s+NXTREC\s*$")


def fib_pair(word, index):
    # FibRgFcLcb97 starts at byte 154 of the FIB; each entry is fc, lcb.
    return struct.unpack_from("<II", word, 154 + 8 * index)


def pieces(word, table):
    """Piece table: list of (cp_start, cp_end, file offset, bytes per char)."""
    fc, lcb = fib_pair(word, 33)  # fcClx
    clx = table[fc:fc + lcb]
    pos = 0
    while clx[pos] == 0x01:  # Prc entries come first
        pos += 3 + struct.unpack_from("<H", clx, pos + 1)[0]
    if clx[pos] != 0x02:
        raise ValueError("no piece table")
    size = struct.unpack_from("<I", clx, pos + 1)[0]
    plc = clx[pos + 5:pos + 5 + size]
    count = (size - 4) // 12
    cps = struct.unpack_from(f"<{count + 1}I", plc, 0)
    result = []
    for i in range(count):
        fc_piece = struct.unpack_from("<I", plc, 4 * (count + 1) + 8 * i + 2)[0]
        if fc_piece & 0x40000000:
            result.append((cps[i], cps[i + 1], (fc_piece & ~0x40000000) // 2, 1))
        else:
            result.append((cps[i], cps[i + 1], fc_piece, 2))
    return result


def char_offset(piece_list, cp):
    for start, end, offset, width in piece_list:
        if start <= cp < end:
            return offset + (cp - start) * width, width
    raise ValueError(f"cp {cp} outside the text")


def read_text(word, piece_list, cp_from, cp_to):
    chars = []
    for cp in range(cp_from, cp_to):
        off, width = char_offset(piece_list, cp)
        raw = word[off:off + width]
        chars.append(raw.decode("utf-16-le" if width == 2 else "cp1252"))
    return "".join(chars)


def write_text(word, piece_list, cp_from, text):
    for i, ch in enumerate(text):
        off, width = char_offset(piece_list, cp_from + i)
        word[off:off + width] = ch.encode("utf-16-le" if width == 2 else "cp1252")


def patch(path):
    ole = olefile.OleFileIO(path, write_mode=True)
    word = bytearray(ole.openstream("WordDocument").read())
    if struct.unpack_from("<H", word, 0)[0] != 0xA5EC:
        raise ValueError(f"{path}: not a Word 97 document")
    table_name = "1Table" if struct.unpack_from("<H", word, 0x0A)[0] & 0x0200 else "0Table"
    table = bytearray(ole.openstream(table_name).read())
    piece_list = pieces(word, table)

    fc, lcb = fib_pair(word, 16)  # fcPlcfFldMom: fields of the main text
    count = (lcb - 4) // 6
    cps = struct.unpack_from(f"<{count + 1}I", table, fc)
    fld_base = fc + 4 * (count + 1)
    patched = 0
    i = 0
    while i < count:
        ch = table[fld_base + 2 * i] & 0x1F
        flt = table[fld_base + 2 * i + 1]
        if ch != 0x13 or flt != FLT_MERGEFIELD:
            i += 1
            continue
        # The stand-in is never nested: separator and end follow directly.
        sep, end = i + 1, i + 2
        if end >= count + 1 or (table[fld_base + 2 * sep] & 0x1F) != 0x14:
            i += 1
            continue
        code_from, code_to = cps[i] + 1, cps[sep]
        code = read_text(word, piece_list, code_from, code_to)
        if STAND_IN.match(code):
            write_text(word, piece_list, code_from, " NEXT".ljust(len(code)))
            res_from, res_to = cps[sep] + 1, cps[end]
            write_text(word, piece_list, res_from, "".ljust(res_to - res_from))
            table[fld_base + 2 * i + 1] = FLT_NEXT
            patched += 1
        i += 3
    ole.write_stream("WordDocument", bytes(word))
    ole.write_stream(table_name, bytes(table))
    ole.close()
    return patched


if __name__ == "__main__":
    for name in sys.argv[1:]:
        print(f"{name}: {patch(name)} next-record fields")
