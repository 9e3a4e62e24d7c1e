#include "platform/rtf/RtfCodePage.h"

#include <array>
#include <bitset>
#include <cerrno>
#include <iconv.h>
#include <map>
#include <memory>
#include <vector>

namespace qm::rtf {

struct CodePageDecoder::Page {
    iconv_t cd = iconv_t(-1);
    std::array<char16_t, 256> single{};
    std::bitset<256> lead;
    std::bitset<256> trail; // bytes that follow some lead byte in a character
    std::vector<char16_t> pairs; // double-byte pages: lead * 256 + trail, 0 until first met

    ~Page()
    {
        if (cd != iconv_t(-1)) iconv_close(cd);
    }

    // Converts bytes as one character. Returns the UTF-16 units, or none
    // with *incomplete set when the bytes only start a character.
    QString convert(const char* bytes, size_t n, bool* incomplete = nullptr)
    {
        if (incomplete) *incomplete = false;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char16_t buffer[8];
        char* in = const_cast<char*>(bytes);
        char* out = reinterpret_cast<char*>(buffer);
        size_t inLeft = n;
        size_t outLeft = sizeof buffer;
        const size_t r = iconv(cd, &in, &inLeft, &out, &outLeft);
        if (r == size_t(-1) && errno == EINVAL && incomplete) *incomplete = true;
        if (r == size_t(-1) && errno != EINVAL) return QString(QChar(0xFFFD));
        // Pages that combine accents (1255, 1258) hold a base letter back.
        iconv(cd, nullptr, nullptr, &out, &outLeft);
        const auto units = qsizetype((sizeof buffer - outLeft) / 2);
        return QString(reinterpret_cast<const QChar*>(buffer), units);
    }
};

namespace {
const char* iconvName(int codePage, QByteArray& scratch)
{
    switch (codePage) {
    case 10000: return "MACINTOSH";
    case 10001: return "CP932"; // Mac Japanese: Shift-JIS, a few single bytes aside (see openPage)
    case 10007: return "MAC-CYRILLIC";
    case 10029: return "MAC-CENTRALEUROPE";
    case 1361: return "JOHAB";
    case 20127: return "ASCII";
    case 28591: return "ISO-8859-1";
    case 65001: return "UTF-8";
    default:
        scratch = "CP" + QByteArray::number(codePage);
        return scratch.constData();
    }
}

std::unique_ptr<CodePageDecoder::Page> openPage(int codePage)
{
    QByteArray scratch;
    iconv_t cd = iconv_open("UTF-16LE", iconvName(codePage, scratch));
    if (cd == iconv_t(-1)) return nullptr;
    auto page = std::make_unique<CodePageDecoder::Page>();
    page->cd = cd;
    const bool dbcs = IsDoubleByteCodePage(codePage);
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        bool incomplete = false;
        const QString s = page->convert(&byte, 1, &incomplete);
        if (incomplete && dbcs) page->lead.set(size_t(b));
        page->single[size_t(b)] = s.size() == 1 ? s[0].unicode() : u'\xFFFD';
    }
    if (codePage == 10001) {
        // Where Mac Japanese differs from Windows Shift-JIS in single bytes.
        page->single[0x5C] = u'\u00A5';
        page->single[0x80] = u'\\';
        page->single[0xA0] = u'\u00A0';
        page->single[0xFD] = u'\u00A9';
        page->single[0xFE] = u'\u2122';
        page->single[0xFF] = u'\u2026';
    }
    if (dbcs) {
        page->pairs.assign(65536, 0);
        for (int t = 0; t < 256; ++t) {
            for (int l = 0; l < 256 && !page->trail.test(size_t(t)); ++l) {
                if (!page->lead.test(size_t(l))) continue;
                const char two[2] = {char(l), char(t)};
                const QString s = page->convert(two, 2);
                if (s.size() >= 1 && s[0] != QChar(0xFFFD)) page->trail.set(size_t(t));
            }
        }
    }
    return page;
}

// Pages are opened once per thread and kept for its life.
CodePageDecoder::Page* pageFor(int codePage)
{
    thread_local std::map<int, std::unique_ptr<CodePageDecoder::Page>> pages;
    const auto it = pages.find(codePage);
    if (it != pages.end()) return it->second.get();
    auto page = openPage(codePage);
    CodePageDecoder::Page* p = page.get();
    pages.emplace(codePage, std::move(page));
    return p;
}
} // namespace

bool IsDoubleByteCodePage(int codePage)
{
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950 || codePage == 1361
        || codePage == 10001;
}

bool IsLeadByte(int codePage, unsigned char byte)
{
    if (!IsDoubleByteCodePage(codePage)) return false;
    const CodePageDecoder::Page* page = pageFor(codePage);
    return page && page->lead.test(byte);
}

int CodePageOfCharset(int charset)
{
    switch (charset) {
    case 0: return 1252;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 255: return 437;
    default: return 0;
    }
}

CodePageDecoder::CodePageDecoder() { setCodePage(1252); }

void CodePageDecoder::setCodePage(int codePage)
{
    if (codePage == codePage_ && page_) return;
    Page* page = codePage > 0 ? pageFor(codePage) : nullptr;
    if (!page) {
        codePage = 1252;
        page = pageFor(1252);
    }
    codePage_ = codePage;
    page_ = page;
    reset();
}

void CodePageDecoder::decodeUtf8(unsigned char b, QString& out)
{
    if (utf8Need_ > 0) {
        if ((b & 0xC0) == 0x80) {
            utf8_[utf8Have_++] = char(b);
            if (utf8Have_ == utf8Need_) {
                out += QString::fromUtf8(utf8_, utf8Have_); // overlong or surrogate forms become U+FFFD
                utf8Have_ = utf8Need_ = 0;
            }
            return;
        }
        out.append(QChar(0xFFFD)); // the sequence broke off; this byte starts afresh
        utf8Have_ = utf8Need_ = 0;
    }
    const int need = b < 0x80 ? 1 : b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
    if (need == 1) {
        out.append(QChar(char16_t(b)));
    } else if (need == 0) {
        out.append(QChar(0xFFFD));
    } else {
        utf8_[0] = char(b);
        utf8Have_ = 1;
        utf8Need_ = need;
    }
}

void CodePageDecoder::flush(QString& out)
{
    if (lead_ >= 0) out.append(QChar(page_->single[size_t(lead_)]));
    if (utf8Need_ > 0) out.append(QChar(0xFFFD));
    reset();
}

void CodePageDecoder::decodeByte(unsigned char b, QString& out)
{
    if (!page_) {
        out.append(QChar(char16_t(b)));
        return;
    }
    if (codePage_ == 65001) {
        decodeUtf8(b, out);
        return;
    }
    if (lead_ >= 0 && !page_->trail.test(b)) {
        // Not a trail byte: the lead byte stands on its own, and this byte
        // starts afresh (a blank after it stays a blank).
        out.append(QChar(page_->single[size_t(lead_)]));
        lead_ = -1;
    }
    if (lead_ >= 0) {
        const int key = lead_ * 256 + b;
        lead_ = -1;
        char16_t& cached = page_->pairs[size_t(key)];
        if (cached) {
            out.append(QChar(cached));
            return;
        }
        const char two[2] = {char(key >> 8), char(b)};
        const QString s = page_->convert(two, 2);
        if (s.size() == 1) cached = s[0].unicode();
        out.append(s.isEmpty() ? QString(QChar(0xFFFD)) : s);
        return;
    }
    if (page_->lead.test(b)) {
        lead_ = b;
        return;
    }
    out.append(QChar(page_->single[b]));
}

void CodePageDecoder::decode(QByteArrayView bytes, QString& out)
{
    if (page_ && page_->pairs.empty() && codePage_ != 65001) {
        // The common case: one table look-up per byte.
        const auto& table = page_->single;
        const qsizetype at = out.size();
        out.resize(at + bytes.size());
        QChar* to = out.data() + at;
        for (const char c : bytes) *to++ = QChar(table[static_cast<unsigned char>(c)]);
        return;
    }
    for (const char c : bytes) decodeByte(static_cast<unsigned char>(c), out);
}

} // namespace qm::rtf
