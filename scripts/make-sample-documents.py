#!/usr/bin/env python3
"""Writes the small PDF reference documents of the sample courses.

The files are plain-text PDF (one page, Helvetica), so they stay readable in
the repository and any PDF viewer or printer takes them. Run it again after
changing a text below; it rewrites samples/program/Repository/*/*.pdf.
"""
import os

DOCUMENTS = {
    "12/display_screen_checklist.pdf": (
        "Display screen checklist",
        [
            "Top of the screen at or slightly below eye level.",
            "Screen about an arm's length away.",
            "Feet flat on the floor or on a footrest.",
            "Wrists straight while typing.",
            "A short break from the screen every hour.",
        ],
    ),
    "14/data_breach_contacts.pdf": (
        "Data breach contacts",
        [
            "Tell your line manager at once.",
            "Call the privacy desk on extension 4455.",
            "Out of hours: the duty manager, extension 4000.",
            "Write down what happened, when, and who was told.",
        ],
    ),
}


def escape(text):
    return text.replace("\\", "\\\\").replace("(", "\\(").replace(")", "\\)")


def pdf(title, lines):
    stream = ["BT", "/F1 18 Tf", "72 770 Td", "(%s) Tj" % escape(title), "/F1 12 Tf", "0 -36 Td"]
    for line in lines:
        stream += ["(%s) Tj" % escape(line), "0 -20 Td"]
    stream.append("ET")
    content = "\n".join(stream).encode("latin-1")
    objects = [
        b"<< /Type /Catalog /Pages 2 0 R >>",
        b"<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] "
        b"/Resources << /Font << /F1 4 0 R >> >> /Contents 5 0 R >>",
        b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
        b"<< /Length %d >>\nstream\n" % len(content) + content + b"\nendstream",
    ]
    out = bytearray(b"%PDF-1.4\n")
    offsets = []
    for number, body in enumerate(objects, 1):
        offsets.append(len(out))
        out += b"%d 0 obj\n" % number + body + b"\nendobj\n"
    xref = len(out)
    out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
    for offset in offsets:
        out += b"%010d 00000 n \n" % offset
    out += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, xref)
    return bytes(out)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "samples", "program", "Repository")
    for name, (title, lines) in DOCUMENTS.items():
        path = os.path.join(root, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(pdf(title, lines))


if __name__ == "__main__":
    main()
