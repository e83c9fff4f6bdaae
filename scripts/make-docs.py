#!/usr/bin/env python3
"""Writes the user guides and the read-me of data/doc/ from their plain-text sources in scripts/doc/.

The sources use a small markup, one block per paragraph (blocks are separated by blank lines):
    # Title                 the document title
    ## Heading              a section heading
    ### Heading             a sub-heading
    - item                  a bullet item; following lines indented by two blanks continue it
    > line                  an example line, kept as written (consecutive lines form one block)
    plain lines             a paragraph; its lines are joined with blanks
Inside text: **bold**, *italic*, `program text` (shown in colour).

The RTF written uses only what the program's own reader knows: \\pard \\par \\line \\tab \\b \\i \\ul
\\plain \\fsN \\cfN, \\'hh for Windows-1252 characters and \\uN? for the others. Run it after editing a source:
    python3 scripts/make-docs.py
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCES = {
    "guide.fr.txt": "Velmorrafr.rtf",
    "guide.en.txt": "Velmorra.rtf",
    "readme.txt": "readme.rtf",
}

HEADER = ("{\\rtf1\\ansi\\ansicpg1252\\deff0 {\\fonttbl{\\f0\\fswiss Arial;}}"
          "{\\colortbl;\\red0\\green0\\blue0;\\red20\\green60\\blue130;\\red0\\green100\\blue50;}\n")
BODY = "\\plain\\fs20 "          # text: 10 points, black
TITLE = "\\plain\\fs36\\b\\cf2 "  # 18 points
HEAD = "\\plain\\fs28\\b\\cf2 "   # 14 points
SUB = "\\plain\\fs22\\b\\cf2 "    # 11 points
CODE = "\\plain\\fs20\\cf3 "


def escape(text):
    out = []
    for ch in text:
        code = ord(ch)
        if ch in "\\{}":
            out.append("\\" + ch)
        elif 32 <= code < 127:
            out.append(ch)
        elif ch == "\t":
            out.append("\\tab ")
        else:
            try:
                byte = ch.encode("cp1252")
                out.append("\\'%02x" % byte[0])
            except UnicodeEncodeError:
                if code > 0xFFFF:
                    raise SystemExit("character outside the 16-bit range: %r" % ch)
                out.append("\\u%d?" % (code - 65536 if code > 32767 else code))
    return "".join(out)


INLINE = re.compile(r"\*\*(.+?)\*\*|\*(.+?)\*|`(.+?)`")


def inline(text):
    out, pos = [], 0
    for m in INLINE.finditer(text):
        out.append(escape(text[pos:m.start()]))
        if m.group(1) is not None:
            out.append("\\b " + escape(m.group(1)) + "\\b0 ")
        elif m.group(2) is not None:
            out.append("\\i " + escape(m.group(2)) + "\\i0 ")
        else:
            out.append("\\cf3 " + escape(m.group(3)) + "\\cf0 ")
        pos = m.end()
    out.append(escape(text[pos:]))
    return "".join(out)


def blocks(lines):
    block = []
    for line in lines:
        if line.strip():
            block.append(line.rstrip())
        elif block:
            yield block
            block = []
    if block:
        yield block


def convert(source):
    out = [HEADER]
    for block in blocks(source.splitlines()):
        first = block[0]
        if first.startswith("### "):
            out.append("\\pard" + SUB + inline(first[4:]) + "\\par\n")
        elif first.startswith("## "):
            out.append("\\pard" + HEAD + inline(first[3:]) + "\\par\n")
        elif first.startswith("# "):
            out.append("\\pard" + TITLE + inline(first[2:]) + "\\par\n")
        elif first.startswith("> "):
            lines = [escape(l[2:]) for l in block]
            out.append("\\pard" + CODE + "\\line\n".join(lines) + "\\par\n")
        elif first.startswith("- "):
            items = []
            for line in block:
                if line.startswith("- "):
                    items.append(line[2:].strip())
                else:
                    items[-1] += " " + line.strip()
            for item in items:
                out.append("\\pard" + BODY + "\\'95\\tab " + inline(item) + "\\par\n")
        else:
            out.append("\\pard" + BODY + inline(" ".join(l.strip() for l in block)) + "\\par\n")
        if not first.startswith("#"):
            out.append("\\pard" + BODY + "\\par\n")
    out.append("}\n")
    return "".join(out)


def main():
    for name, target in SOURCES.items():
        source = (ROOT / "scripts" / "doc" / name).read_text(encoding="utf-8")
        rtf = convert(source)
        rtf.encode("ascii")  # RTF is 7-bit: every other character is escaped above
        path = ROOT / "data" / "doc" / target
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(rtf.replace("\n", "\r\n").encode("ascii"))
        print("%s: %d bytes" % (path.relative_to(ROOT), path.stat().st_size))
    return 0


if __name__ == "__main__":
    sys.exit(main())
