// Reading and laying out page files.
#include "Bench.h"
#include "SamplePages.h"
#include "platform/TextControl.h"
#include "platform/WholeLayout.h"
#include "platform/rtf/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QScrollBar>
#include <QTextDocument>
#include <memory>

namespace {
void readAndLayOut(const QByteArray& rtf)
{
    QTextDocument doc;
    qm::rtf::ReadRtf(rtf, doc);
    doc.setTextWidth(700); // about the page view's width
    qm::LayOutWhole(doc);
}

qmbench::Register typical("typical page: read and lay out", 10.0, [] {
    const QByteArray page = qmbench::TypicalPage();
    return [page] { readAndLayOut(page); };
});

qmbench::Register large("2 MB page: read and lay out", 200.0, [] {
    const QByteArray page = qmbench::LargePage(2 << 20);
    return [page] { readAndLayOut(page); };
});

qmbench::Register largeRead("2 MB page: read only (no layout)", 300.0, [] {
    const QByteArray page = qmbench::LargePage(2 << 20);
    return [page] {
        QTextDocument doc;
        qm::rtf::ReadRtf(page, doc);
    };
});

qmbench::Register view("typical page: load into the page view", 10.0, [] {
    const QString path = qmbench::ScratchFolder() + "/0004.txm";
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(qmbench::TypicalPage());
    f.close();
    auto control = std::make_shared<qm::TextControl>();
    control->resize(700, 500);
    return [control, path] {
        control->load(path);
        (void)control->document()->documentLayout()->documentSize();
    };
});
qmbench::Register largeView("2 MB page: load into the page view, first screen", 300.0, [] {
    const QString path = qmbench::ScratchFolder() + "/large.txm";
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(qmbench::LargePage(2 << 20));
    f.close();
    auto control = std::make_shared<qm::TextControl>();
    control->resize(700, 500);
    control->show();
    return [control, path] {
        control->load(path);
        control->viewport()->repaint(); // paints (and so lays out) what is on screen
    };
});
} // namespace
