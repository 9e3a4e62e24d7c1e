#pragma once
#include <QByteArrayView>
#include <QString>

namespace qm::rtf {

// The Windows code page of an RTF font character set (\fcharsetN); 0 when
// the set names none, and the document's code page applies.
int CodePageOfCharset(int charset);

// True for the code pages whose characters may take two bytes.
bool IsDoubleByteCodePage(int codePage);
// True when the byte starts a two-byte character in the code page.
bool IsLeadByte(int codePage, unsigned char byte);

// Turns bytes of one Windows code page into text. Single-byte pages decode
// through a table that the system's converter (iconv) fills once per page;
// in double-byte pages a lead byte waits for its trail byte, which may come
// in the next call, and is read on its own when a byte that cannot be a
// trail byte follows. UTF-8 (65001) sequences are gathered the same way.
// Unknown code pages read as Windows-1252.
class CodePageDecoder {
public:
    CodePageDecoder();
    // Switching to another page drops a lead byte still waiting.
    void setCodePage(int codePage);
    int codePage() const { return codePage_; }
    void decode(QByteArrayView bytes, QString& out);
    void decodeByte(unsigned char byte, QString& out);
    // Forgets a lead byte still waiting for its trail byte.
    void reset() { lead_ = -1; utf8Have_ = utf8Need_ = 0; }
    bool pending() const { return lead_ >= 0 || utf8Need_ > 0; }
    // The bytes end here: a lead byte still waiting is read on its own, and
    // a UTF-8 sequence cut short shows as U+FFFD, as each does when a byte
    // that cannot continue it follows.
    void flush(QString& out);

    struct Page; // one code page's converter and tables (RtfCodePage.cpp)

private:
    void decodeUtf8(unsigned char byte, QString& out);

    Page* page_ = nullptr;
    char utf8_[4] = {};
    int utf8Have_ = 0, utf8Need_ = 0;
    int codePage_ = 0;
    int lead_ = -1;
};

} // namespace qm::rtf
