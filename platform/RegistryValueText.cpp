#include "platform/RegistryValueText.h"
#include "platform/TextFile.h"

#include <QStringDecoder>

namespace qm {
namespace {

bool isHexDigits(const QString& s, int maxLength)
{
    if (s.isEmpty() || s.size() > maxLength) return false;
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F'))) return false;
    }
    return true;
}

bool parseHexBytes(const QString& list, QByteArray& bytes, QString& error)
{
    bytes.clear();
    const QString trimmed = list.trimmed();
    if (trimmed.isEmpty()) return true;
    const QStringList parts = trimmed.split(',');
    for (int i = 0; i < parts.size(); ++i) {
        const QString p = parts[i].trimmed();
        if (p.isEmpty()) {
            // regedit leaves a comma before each line break; one at the very end is harmless.
            if (i == parts.size() - 1) break;
            error = QStringLiteral("empty byte in hex data");
            return false;
        }
        if (!isHexDigits(p, 2)) {
            error = QStringLiteral("bad byte \"%1\" in hex data").arg(p);
            return false;
        }
        bytes.append(char(p.toUInt(nullptr, 16)));
    }
    return true;
}

QString bytesToText(const QByteArray& bytes, bool ansi)
{
    QString text;
    if (ansi) {
        text = DecodeWindows1252(bytes);
    } else {
        QStringDecoder decode(QStringConverter::Utf16LE);
        text = decode(bytes.left(bytes.size() & ~qsizetype(1)));
    }
    // The stored terminator(s) are not part of the text.
    while (text.endsWith(QChar(0))) text.chop(1);
    return text;
}

QByteArray utf16Stored(const QString& text)
{
    QByteArray b(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    b.append(2, '\0');
    return b;
}

quint64 littleEndian(const QByteArray& bytes, int width)
{
    quint64 n = 0;
    for (int i = qMin<int>(width, int(bytes.size())) - 1; i >= 0; --i) n = (n << 8) | quint8(bytes[i]);
    return n;
}

} // namespace

bool ReadRegQuoted(const QString& text, qsizetype& pos, QString& out)
{
    out.clear();
    if (pos >= text.size() || text[pos] != '"') return false;
    for (qsizetype i = pos + 1; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == '\\' && i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == '"')) {
            out.append(text[++i]);
        } else if (c == '"') {
            pos = i + 1;
            return true;
        } else {
            out.append(c);
        }
    }
    return false;
}

bool ParseRegData(const QString& raw, bool ansi, RegValue& value, bool& remove, QString& error)
{
    value = RegValue();
    remove = false;
    const QString data = raw.trimmed();
    if (data.startsWith('"')) {
        qsizetype pos = 0;
        if (!ReadRegQuoted(data, pos, value.text)) {
            error = QStringLiteral("string without closing quote");
            return false;
        }
        if (!data.mid(pos).trimmed().isEmpty()) {
            error = QStringLiteral("unexpected text after the string");
            return false;
        }
        value.type = RegType::String;
        value.bytes = utf16Stored(value.text);
        return true;
    }
    if (data == QLatin1String("-")) {
        remove = true;
        return true;
    }
    if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        const QString digits = data.mid(6).trimmed();
        if (!isHexDigits(digits, 8)) {
            error = QStringLiteral("bad dword \"%1\"").arg(digits);
            return false;
        }
        const uint n = digits.toUInt(nullptr, 16);
        value.type = RegType::Dword;
        value.number = n;
        for (int i = 0; i < 4; ++i) value.bytes.append(char((n >> (8 * i)) & 0xFF));
        return true;
    }
    if (!data.startsWith(QLatin1String("hex"), Qt::CaseInsensitive)) {
        error = QStringLiteral("unknown value data \"%1\"").arg(data.left(20));
        return false;
    }
    uint kind = 3; // plain "hex:" is binary
    qsizetype colon = 3;
    if (data.size() > 3 && data[3] == '(') {
        const qsizetype close = data.indexOf(')', 4);
        const QString digits = close > 4 ? data.mid(4, close - 4) : QString();
        if (!isHexDigits(digits, 8)) {
            error = QStringLiteral("bad hex value type");
            return false;
        }
        kind = digits.toUInt(nullptr, 16);
        colon = close + 1;
    }
    if (colon >= data.size() || data[colon] != ':') {
        error = QStringLiteral("missing \":\" after hex");
        return false;
    }
    if (!parseHexBytes(data.mid(colon + 1), value.bytes, error)) return false;
    switch (kind) {
    case 1: value.type = RegType::String; break;
    case 2: value.type = RegType::ExpandString; break;
    case 3: value.type = RegType::Binary; break;
    case 4: value.type = RegType::Dword; break;
    case 7: value.type = RegType::MultiString; break;
    case 0xb: value.type = RegType::Qword; break;
    default: value.type = RegType::Other; break;
    }
    if (kind == 1 || kind == 2 || kind == 7) value.text = bytesToText(value.bytes, ansi);
    if (kind == 4) value.number = littleEndian(value.bytes, 4);
    if (kind == 0xb) value.number = littleEndian(value.bytes, 8);
    return true;
}

} // namespace qm
