#include "platform/TextControl.h"
#include "platform/ContentPath.h"
#include "platform/TextFile.h"
#include "platform/rtf/RtfObjectPlaceholder.h"
#include "platform/rtf/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace qm {
namespace {
// Course pages are small. The reader is linear, but the costliest pages per
// byte (long tables, runs of formats) show their first screen in most of a second.
constexpr qint64 kMaxFileBytes = qint64(3) << 20;
// A long page of running text is shown after this much reading; the rest is
// read in parts of the next length, each followed by a turn of the event loop.
constexpr qint64 kFirstPartMs = 40;
constexpr qint64 kPartMs = 25;

QString cutAtNul(const QString& s)
{
    const qsizetype nul = s.indexOf(QChar(0));
    return nul < 0 ? s : s.left(nul);
}
} // namespace

TextControl::TextControl(QWidget* parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setUndoRedoEnabled(false);
    // Words are never broken inside (a table column widens for its longest).
    setWordWrapMode(QTextOption::WordWrap);
    connect(this, &QTextBrowser::anchorClicked, this, &TextControl::onAnchorClicked);
    rtf::RegisterPlaceholderHandler(*document());
    readTimer_.setInterval(0);
    connect(&readTimer_, &QTimer::timeout, this, &TextControl::readMore);
}

TextControl::~TextControl() = default;

qint64 TextControl::maxPageBytes() { return kMaxFileBytes; }

bool TextControl::readPage(const QString& file, QByteArray& bytes, QString* error)
{
    QString why;
    if (cutAtNul(file).isEmpty()) why = QStringLiteral("File not found: %1").arg(file);
    else if (ReadContentBytes(file, bytes, kMaxFileBytes, &why)) return true;
    if (error) *error = why;
    return false;
}

bool TextControl::load(const QString& path, LoadKind kind)
{
    QString file = cutAtNul(path);
    if (kind == LoadKind::LinkedPage && !file.isEmpty() && QFileInfo(file).isRelative() && !path_.isEmpty())
        file = JoinPath(QFileInfo(path_).absolutePath(), file);

    QByteArray bytes;
    if (!readPage(file.isEmpty() ? path : file, bytes, &error_)) return false;

    int answer = 12;
    emit itemQuery(0, &answer);
    auto* doc = new QTextDocument(this);
    doc->setDefaultFont(font());
    rtf::RtfContent content;
    std::unique_ptr<rtf::PartReader> rest;
    if (rtf::LooksLikeRtf(bytes)) {
        rtf::RtfReadOptions options;
        options.defaultPointSize = qBound(1, answer, 200);
        if (rtf::ReadableInParts(bytes)) {
            rest = std::make_unique<rtf::PartReader>(std::move(bytes), *doc, options);
            if (rest->readFor(kFirstPartMs)) content = std::exchange(rest, nullptr)->finish();
        } else {
            content = rtf::ReadRtf(bytes, *doc, options);
        }
    } else {
        doc->setUndoRedoEnabled(false);
        doc->setPlainText(DecodeText(bytes));
        rtf::RegisterPlaceholderHandler(*doc);
    }
    adopt(doc, std::move(content), QFileInfo(ResolveContentPath(file)).absoluteFilePath());
    if (rest) {
        reader_ = std::move(rest);
        readTimer_.start();
    }
    announceObjects();
    return true;
}

void TextControl::readMore()
{
    if (reader_ && !reader_->readFor(kPartMs)) return;
    completeRead();
}

void TextControl::completeRead() const
{
    auto* self = const_cast<TextControl*>(this);
    self->readTimer_.stop();
    if (!reader_) return;
    // Pages read in parts hold no links, marks or objects.
    self->content_ = std::exchange(self->reader_, nullptr)->finish();
}

void TextControl::clearDocument()
{
    auto* doc = new QTextDocument(this);
    doc->setDefaultFont(font());
    doc->setUndoRedoEnabled(false);
    rtf::RegisterPlaceholderHandler(*doc);
    adopt(doc, rtf::RtfContent{}, QString());
}

void TextControl::adoptDocument(QTextDocument* doc)
{
    doc->setParent(this);
    rtf::RegisterPlaceholderHandler(*doc);
    adopt(doc, rtf::RtfContent{}, QString());
}

void TextControl::adopt(QTextDocument* doc, rtf::RtfContent content, const QString& path)
{
    readTimer_.stop();
    reader_.reset(); // it writes into the document going away
    releaseHosts();
    QTextDocument* old = ownDoc_;
    setDocument(doc);
    ownDoc_ = doc;
    // The old document may still be in use further up the stack (a link
    // handler that loads the next page), so it goes later.
    if (old) old->deleteLater();
    // The layout reports size changes while it works (it lays out long pages
    // in steps); hosts are moved once it has returned to the event loop.
    connect(doc->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            &TextControl::schedulePlaceHosts);

    content_ = std::move(content);
    hosts_.assign(content_.objects.size(), QPointer<QWidget>());
    path_ = path;
    error_.clear();
    currentObject_ = 0;
    linkByKeys_ = false;
    ++generation_;
    moveCursor(QTextCursor::Start);
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void TextControl::releaseHosts()
{
    for (QPointer<QWidget>& h : hosts_) {
        if (!h) continue;
        h->removeEventFilter(this);
        h->hide();
    }
    hosts_.clear();
}

void TextControl::announceObjects()
{
    const quint64 generation = generation_;
    for (int n = 1; n <= objectCount(); ++n) {
        QWidget* host = nullptr;
        emit objectWindowRequest(n, &host);
        if (generation != generation_) return; // the handler replaced the document
        if (host) {
            if (host->parentWidget() != viewport()) host->setParent(viewport());
            host->setGeometry(objectRect(n));
            host->installEventFilter(this);
            host->show();
            hosts_[size_t(n - 1)] = host;
        }
        const QString data = content_.objects[size_t(n - 1)].data;
        emit objectLoad(n, data);
        if (generation != generation_) return;
    }
}

void TextControl::schedulePlaceHosts()
{
    if (placePending_ || hosts_.empty()) return;
    placePending_ = true;
    QMetaObject::invokeMethod(this, [this] {
        placePending_ = false;
        placeHosts();
    }, Qt::QueuedConnection);
}

void TextControl::placeHosts()
{
    for (size_t i = 0; i < hosts_.size(); ++i)
        if (hosts_[i]) hosts_[i]->move(objectRect(int(i) + 1).topLeft());
}

QString TextControl::objectData(int number) const
{
    if (number < 1 || number > objectCount()) return QString();
    return content_.objects[size_t(number - 1)].data;
}

QWidget* TextControl::objectHost(int number) const
{
    if (number < 1 || number > int(hosts_.size())) return nullptr;
    return hosts_[size_t(number - 1)];
}

QRect TextControl::objectRect(int number) const
{
    if (number < 1 || number > objectCount()) return QRect();
    const rtf::RtfObject& o = content_.objects[size_t(number - 1)];
    const QTextBlock block = document()->findBlock(o.position);
    const QRectF blockRect = document()->documentLayout()->blockBoundingRect(block);
    const QTextLayout* layout = block.layout();
    if (!block.isValid() || !layout) return QRect();
    const int offset = o.position - block.position();
    const QTextLine line = layout->lineForTextPosition(offset);
    if (!line.isValid()) return QRect();
    // An inline object stands on the line's baseline.
    const qreal x = blockRect.left() + line.cursorToX(offset);
    const qreal y = blockRect.top() + line.y() + line.ascent() - o.size.height();
    return QRect(QPoint(qRound(x) - horizontalScrollBar()->value(), qRound(y) - verticalScrollBar()->value()),
                 o.size);
}

void TextControl::setCurrentObject(int number)
{
    if (number < 1 || number > objectCount()) number = 0;
    currentObject_ = number;
    if (QWidget* host = objectHost(number)) host->setFocus(Qt::OtherFocusReason);
}

QRect TextControl::characterRect(int position) const
{
    QTextCursor a(document());
    a.setPosition(position);
    QTextCursor b(a);
    b.movePosition(QTextCursor::NextCharacter);
    const QRect ra = cursorRect(a);
    const QRect rb = cursorRect(b);
    const int right = rb.top() == ra.top() && rb.left() > ra.left() ? rb.left() : ra.left() + 1;
    return QRect(QPoint(ra.left(), ra.top()), QPoint(right - 1, ra.bottom()));
}

QRect TextControl::linkRect(int item) const
{
    const QString href = QString::fromLatin1(rtf::kLinkScheme) + QString::number(item);
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorHref() == href) return characterRect(it.fragment().position());
    return QRect();
}

QStringList TextControl::markNames() const
{
    completeRead();
    QStringList names;
    for (const rtf::RtfMark& m : content_.marks) names.append(m.name);
    return names;
}

bool TextControl::goToMark(const QString& name)
{
    completeRead();
    const QString wanted = cutAtNul(name).trimmed();
    const rtf::RtfMark* found = nullptr;
    for (const rtf::RtfMark& m : content_.marks)
        if (m.name == wanted) { found = &m; break; }
    if (!found)
        for (const rtf::RtfMark& m : content_.marks)
            if (m.name.compare(wanted, Qt::CaseInsensitive) == 0) { found = &m; break; }
    if (!found) return false;

    ++generation_;
    QTextCursor c(document());
    c.setPosition(qBound(0, found->position, document()->characterCount() - 1));
    setTextCursor(c);
    verticalScrollBar()->setValue(verticalScrollBar()->value() + cursorRect(c).top());
    return true;
}

void TextControl::refresh()
{
    viewport()->update();
    placeHosts();
}

void TextControl::onAnchorClicked(const QUrl& url)
{
    const QString s = url.toString();
    const QString scheme = QString::fromLatin1(rtf::kLinkScheme);
    if (!s.startsWith(scheme)) return;
    bool ok = false;
    const int item = s.mid(scheme.size()).toInt(&ok);
    if (!ok || item < 1 || item > linkCount()) return;
    // A mouse click is handled once the view has finished with the release,
    // since the handler may replace the document.
    if (inRelease_) pendingLink_ = item;
    else dispatchLink(item);
}

void TextControl::dispatchLink(int item)
{
    const rtf::RtfLink link = content_.links[size_t(item - 1)];
    clickedLinkText_ = link.text;
    QString target = link.target + QChar(0);
    bool follow = true;
    const quint64 generation = generation_;
    emit hyperlinkClick(item, link.kind, &target, &follow);
    if (link.kind == 2 && follow && generation == generation_) goToMark(link.target);
}

int TextControl::objectAt(const QPoint& pos) const
{
    for (int n = 1; n <= objectCount(); ++n)
        if (objectRect(n).contains(pos)) return n;
    return 0;
}

void TextControl::mousePressEvent(QMouseEvent* e)
{
    linkByKeys_ = false;
    pressAnchor_ = anchorAt(e->position().toPoint());
    QTextBrowser::mousePressEvent(e);
}

void TextControl::mouseReleaseEvent(QMouseEvent* e)
{
    pendingLink_ = 0;
    inRelease_ = true;
    QTextBrowser::mouseReleaseEvent(e);
    inRelease_ = false;
    if (const int item = pendingLink_) {
        pendingLink_ = 0;
        dispatchLink(item);
        return;
    }
    if (e->button() != Qt::LeftButton) return;
    const QPoint pos = e->position().toPoint();
    if (const int object = objectAt(pos)) {
        emit objectClick(object);
        return;
    }
    if (pressAnchor_.isEmpty() && anchorAt(pos).isEmpty()) emit textClick();
}

bool TextControl::focusNextPrevChild(bool next)
{
    const bool done = QTextBrowser::focusNextPrevChild(next);
    linkByKeys_ = hasFocus() && textCursor().hasSelection();
    return done;
}

void TextControl::keyPressEvent(QKeyEvent* e)
{
    // A link clicked stays selected in the view: Enter opens a link only
    // where Tab has put the focus, never the one the mouse chose last.
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && !(linkByKeys_ && textCursor().hasSelection())) {
        e->ignore();
        return;
    }
    QTextBrowser::keyPressEvent(e);
}

void TextControl::resizeEvent(QResizeEvent* e)
{
    QTextBrowser::resizeEvent(e);
    placeHosts();
}

void TextControl::scrollContentsBy(int dx, int dy)
{
    QTextBrowser::scrollContentsBy(dx, dy);
    placeHosts();
}

bool TextControl::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (size_t i = 0; i < hosts_.size(); ++i)
            if (hosts_[i] == watched) emit objectClick(int(i) + 1);
    }
    return QTextBrowser::eventFilter(watched, event);
}

// ---- printing and the glossary's document

int TextControl::pageCount() const
{
    completeRead();
    return CountPages(*document(), pageSetup_);
}

bool TextControl::printPages(QPrinter& printer, int fromPage, int toPage, int copies, const QString& jobName)
{
    completeRead();
    return PrintPageRange(*document(), pageSetup_, printer, fromPage, toPage, copies, jobName);
}

} // namespace qm
