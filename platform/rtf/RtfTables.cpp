#include "platform/rtf/RtfTables.h"

namespace qm::rtf {
namespace {
constexpr int kMaxFonts = 4096;
constexpr int kMaxColors = 4096;
constexpr int kMaxNameLength = 256;
} // namespace

void FontTable::begin(int number)
{
    if (int(fonts_.size()) >= kMaxFonts && !fonts_.count(number)) {
        current_ = -1;
        return;
    }
    current_ = number;
    fonts_[number] = Entry{};
}

void FontTable::setCharset(int charset)
{
    const auto it = fonts_.find(current_);
    if (it != fonts_.end()) it->second.charset = charset;
}

void FontTable::setCodePage(int codePage)
{
    const auto it = fonts_.find(current_);
    if (it != fonts_.end()) it->second.codePage = codePage;
}

void FontTable::addText(const QString& text)
{
    auto it = fonts_.find(current_);
    if (it == fonts_.end() || it->second.named) return;
    Entry& e = it->second;
    const qsizetype semi = text.indexOf(';');
    e.name += semi < 0 ? text : text.left(semi);
    if (e.name.size() > kMaxNameLength) e.name.truncate(kMaxNameLength);
    if (semi >= 0) {
        e.name = e.name.trimmed();
        e.named = true;
    }
}

QString FontTable::family(int number) const
{
    const auto it = fonts_.find(number);
    return it == fonts_.end() ? QString() : it->second.name.trimmed();
}

int FontTable::charset(int number) const
{
    const auto it = fonts_.find(number);
    return it == fonts_.end() ? -1 : it->second.charset;
}

int FontTable::codePage(int number) const
{
    const auto it = fonts_.find(number);
    return it == fonts_.end() ? 0 : it->second.codePage;
}

void ColorTable::setRed(int v) { r_ = qBound(0, v, 255); any_ = true; }
void ColorTable::setGreen(int v) { g_ = qBound(0, v, 255); any_ = true; }
void ColorTable::setBlue(int v) { b_ = qBound(0, v, 255); any_ = true; }

void ColorTable::endEntry()
{
    if (int(colors_.size()) < kMaxColors) colors_.push_back(any_ ? QColor(r_, g_, b_) : QColor());
    r_ = g_ = b_ = 0;
    any_ = false;
}

QColor ColorTable::color(int index) const
{
    if (index < 0 || index >= int(colors_.size())) return QColor();
    return colors_[size_t(index)];
}

} // namespace qm::rtf
