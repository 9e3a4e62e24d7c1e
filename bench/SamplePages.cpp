#include "SamplePages.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace qmbench {
namespace {
QByteArray pictureHex()
{
    QImage img(64, 48, QImage::Format_RGB32);
    img.fill(QColor(230, 240, 255));
    QPainter p(&img);
    p.setBrush(QColor(0, 90, 160));
    p.drawEllipse(8, 6, 48, 36);
    p.end();
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    QByteArray hex;
    const QByteArray all = png.toHex();
    for (qsizetype i = 0; i < all.size(); i += 128) hex += all.mid(i, 128) + "\r\n";
    return hex;
}

const QByteArray kHeader =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033"
    "{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Arial;}{\\f1\\froman\\fprq2\\fcharset0 Times New Roman;}"
    "{\\f2\\fnil\\fcharset2 Symbol;}}\r\n"
    "{\\colortbl ;\\red0\\green0\\blue255;\\red0\\green51\\blue102;\\red221\\green235\\blue247;}\r\n"
    "{\\stylesheet{ Normal;}{\\s1 heading 1;}{\\s2 heading 2;}}\r\n"
    "{\\*\\generator Word processor;}\\viewkind4\\uc1\r\n";

QByteArray body(int n)
{
    const QByteArray k = QByteArray::number(n);
    QByteArray b;
    b += "\\pard\\s1\\sb240\\sa120\\b\\f0\\fs32\\cf2 Working safely with machines " + k + "\\cf0\\b0\\fs20\\par\r\n";
    b += "{\\*\\bkmkstart section" + k + "}{\\*\\bkmkend section" + k + "}";
    for (int i = 0; i < 4; ++i)
        b += "\\pard\\sa120\\sl276\\slmult1 Before you start a machine, check that every guard is fitted and "
             "that the area around it is clear. {\\b Never} reach into a running machine, and report any "
             "fault to your supervisor at once. Machines that have been {\\i isolated} carry a tag; the "
             "tag stays until the work is finished and checked \\u8212? only the person who fitted it "
             "removes it. Caf\\'e9 and workshop areas follow the same rule.\\par\r\n";
    b += "\\pard\\s2\\sb120\\sa60\\b\\fs24 Checklist\\b0\\fs20\\par\r\n";
    for (const char* item : {"Guards fitted and secure", "Emergency stop tested", "Area clear of tools",
                             "Protective equipment worn"})
        b += QByteArray("{\\pntext\\f2\\'b7\\tab}\\pard\\fi-360\\li720\\sa60 ") + item + "\\par\r\n";
    b += "\\trowd\\trgaph108\\trleft-108\\clbrdrt\\brdrs\\brdrw10 \\clbrdrl\\brdrs\\brdrw10 \\clbrdrb\\brdrs\\brdrw10 "
         "\\clbrdrr\\brdrs\\brdrw10 \\clcbpat3\\cellx3000\\clbrdrt\\brdrs\\brdrw10 \\clbrdrl\\brdrs\\brdrw10 "
         "\\clbrdrb\\brdrs\\brdrw10 \\clbrdrr\\brdrs\\brdrw10 \\clcbpat3\\cellx6000\r\n"
         "\\pard\\intbl\\b Hazard\\b0\\cell\\b Control\\b0\\cell\\row\r\n";
    for (const char* row : {"Moving parts\\cell Fixed guard", "Noise\\cell Ear defenders", "Dust\\cell Extraction",
                            "Hot surfaces\\cell Gloves and signs"})
        b += QByteArray("\\trowd\\trgaph108\\trleft-108\\cellx3000\\cellx6000\\pard\\intbl ") + row + "\\cell\\row\r\n";
    b += "\\pard\\sa120 Read the {\\field{\\*\\fldinst{HYPERLINK \"guarding.pdf\"}}{\\fldrslt{\\ul\\cf1 guarding guide}}}, "
         "go back to {\\field{\\*\\fldinst{HYPERLINK \\\\l \"section" + k + "\"}}{\\fldrslt{\\ul\\cf1 the top}}}, "
         "or continue with {\\field{\\*\\fldinst{HYPERLINK \"SAF101_0005.txm\"}}{\\fldrslt{\\ul\\cf1 the next page}}}. "
         "More at {\\field{\\*\\fldinst{HYPERLINK \"http://www.example.com/safety\"}}{\\fldrslt{\\ul\\cf1 our web site}}}.\\par\r\n";
    return b;
}
} // namespace

QByteArray TypicalPage()
{
    QByteArray page = kHeader + body(1);
    page += "\\pard\\qc{\\*\\shppict{\\pict\\pngblip\\picw64\\pich48\\picwgoal960\\pichgoal720\r\n" + pictureHex() + "}}\\par\r\n";
    return page + "}";
}

QByteArray LargePage(qsizetype bytes)
{
    QByteArray page = kHeader;
    const QByteArray picture = "\\pard\\qc{\\pict\\pngblip\\picwgoal960\\pichgoal720\r\n" + pictureHex() + "}\\par\r\n";
    for (int n = 1; page.size() < bytes; ++n) {
        page += body(n);
        if (n % 10 == 0) page += picture;
    }
    return page + "}";
}

QByteArray PageMap(int pages)
{
    QByteArray map = "SAF101\r\nWorking safely\r\n1\r\n";
    for (int i = 1; i <= pages; ++i) {
        const QByteArray name = QByteArray::number(i).rightJustified(4, '0') + ".txm";
        if (i % 10 == 1) map += name + "*Topic*Topic " + QByteArray::number(i / 10 + 1) + "\r\n";
        else if (i % 50 == 0) map += name + "*Test\r\n";
        else map += name + "*Page\r\n";
    }
    return map;
}

} // namespace qmbench
