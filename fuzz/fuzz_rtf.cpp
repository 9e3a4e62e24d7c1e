// Feeds arbitrary bytes to the RTF reader and lays the result out.
#include "platform/rtf/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>

// Qt keeps font and glyph caches for the life of the process; they are not
// leaks of the reader.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_rtf";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QTextDocument doc;
    const qm::rtf::RtfContent content =
        qm::rtf::ReadRtf(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), doc);
    doc.setTextWidth(400);
    (void)doc.documentLayout()->documentSize();
    const int length = doc.characterCount();
    for (const auto& m : content.marks)
        if (m.position < 0 || m.position >= length) __builtin_trap();
    for (const auto& o : content.objects)
        if (o.position < 0 || o.position >= length) __builtin_trap();
    return 0;
}
