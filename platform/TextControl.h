#pragma once
#include "platform/TextPrinting.h"
#include "platform/rtf/RtfContent.h"

#include <QPointer>
#include <QTextBrowser>
#include <QTimer>
#include <memory>
#include <vector>

class QPrinter;

namespace qm {
namespace rtf {
class PartReader;
}

// The formatted-text view used for course pages, trademark pages, help files
// and the printable glossary. It reads RTF (see docs/page-authoring.md) and
// plain text, shows links, text marks and object placeholders, and reports
// what the learner does through the signals below.
//
// Signals take by-reference arguments as pointers; connect them directly (the
// default for objects in the same thread) so the handler runs inside the emit.
class TextControl : public QTextBrowser {
    Q_OBJECT
public:
    // What a load is for. A relative path of a LinkedPage (a page named in a
    // link, "0003.txm#mark") is taken from the folder of the document on view;
    // other relative paths from the process's current folder.
    enum class LoadKind { Page, LinkedPage, RichText };

    explicit TextControl(QWidget* parent = nullptr);
    ~TextControl() override;

    // Replaces the whole document with the file and shows it from its top,
    // then announces its object placeholders (objectWindowRequest, then
    // objectLoad, for each in document order). A path ends at its first NUL.
    // Files that do not start like RTF are shown as plain text. On failure the
    // document on view stays, and errorText() holds the platform's wording,
    // such as "File not found: <path>".
    bool load(const QString& path, LoadKind kind = LoadKind::Page);
    QString errorText() const { return error_; }
    // A long page of running text is shown when its first part is read; the
    // rest is read while the event loop runs. True until then.
    bool reading() const { return reader_ != nullptr; }
    QString documentPath() const { return path_; } // of the loaded file; empty when none
    // Larger files are refused: reading and showing the first screen of a page
    // of this size, whatever its shape, takes up to most of a second.
    static qint64 maxPageBytes();
    // Reads a file as load() would, without showing it: false, with the same
    // wording as errorText(), when load() would refuse it.
    static bool readPage(const QString& file, QByteArray& bytes, QString* error);
    void clearDocument();
    // Shows a document built elsewhere and takes it over. A long document is
    // built faster away from the view, which would lay it out on every edit.
    void adoptDocument(QTextDocument* doc);

    // Scrolls the text mark to the top of the view and puts the cursor there.
    // The name ends at its first NUL; a name that does not match exactly
    // matches without regard to case. False (and no move) for unknown marks.
    bool goToMark(const QString& name);
    QStringList markNames() const;

    // Object placeholders, numbered from 1 in document order.
    int objectCount() const { return int(content_.objects.size()); }
    QString objectData(int number) const;
    QRect objectRect(int number) const; // the placeholder's box in viewport coordinates
    QWidget* objectHost(int number) const;
    // The current object gets the keyboard focus (its host, when it has one);
    // 0 means none. Numbers that name no object count as 0.
    void setCurrentObject(int number);
    int currentObject() const { return currentObject_; }

    // Links, numbered from 1 in document order (the item of hyperlinkClick).
    int linkCount() const { return int(content_.links.size()); }
    QRect linkRect(int item) const; // the link's first character, viewport coordinates
    // The visible text of the link clicked last.
    QString clickedLinkText() const { return clickedLinkText_; }

    // Repaints the view and puts object hosts back over their placeholders.
    void refresh();

    // Printing and the glossary's document. Page measures are in twips; the
    // page count and printing use them (the view itself wraps at its width).
    void setPageWidth(int twips) { pageSetup_.widthTwips = twips; }
    int pageWidth() const { return pageSetup_.widthTwips; }
    void setPageHeight(int twips) { pageSetup_.heightTwips = twips; }
    int pageHeight() const { return pageSetup_.heightTwips; }
    int pageCount() const;
    // The document's text; every paragraph break is one "\n", so positions in
    // it are the positions that the selection members use.
    QString text() const;
    int textLength() const;
    void setSelection(int start, int length); // clamped to the text
    int selectionStart() const;
    int selectionLength() const;
    QString selectedText() const;
    // Replaces the selection with text in the document's plain format (not the
    // neighbouring characters'); CR LF, LF CR, CR and LF each make one
    // paragraph break. The cursor ends after the new text with no selection.
    void replaceSelection(const QString& text);
    void setSelectionBold(bool bold);
    void setSelectionFontSize(qreal points);
    void setSelectionColor(quint32 bgr); // 0xBBGGRR
    // Prints pages fromPage..toPage (clamped) in copies under jobName.
    bool printPages(QPrinter& printer, int fromPage, int toPage, int copies, const QString& jobName);

signals:
    // A click on link `item`. kind 1: a link with a target; kind 2: a link to
    // a text mark of this page (target = the mark name). The target ends in
    // one NUL, as a C string buffer would; the handler may change it. After a
    // kind 2 link the view goes to the mark itself unless the handler sets
    // *followMark to false, loads a document or goes to a mark itself.
    void hyperlinkClick(int item, int kind, QString* target, bool* followMark);
    // A click in the text that is neither on a link nor on an object.
    void textClick();
    // A click on object `number` (on its placeholder or on its host window).
    void objectClick(int number);
    // Asked before every load: the size in points of text whose size the file
    // does not give. *answer comes preset to 12 (the RTF default).
    void itemQuery(int item, int* answer);
    // Asks for a window to show object `number`. A handler that sets *host
    // to a widget it created lends it to the view: the view reparents it into
    // its viewport, sizes it to the placeholder once, shows it and keeps it
    // over the placeholder as the view scrolls or rewraps. The handler keeps
    // ownership and may delete it at any time (keep it in a QPointer: it dies
    // with the view). The next load hides the hosts of the previous document.
    void objectWindowRequest(int number, QWidget** host);
    // Object `number`'s data string, raised right after its window request.
    void objectLoad(int number, const QString& data);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Copies and drags carry the text as the learner sees it.
    QMimeData* createMimeDataFromSelection() const override;

private:
    void adopt(QTextDocument* doc, rtf::RtfContent content, const QString& path);
    void readMore();
    // Everything that reads, prints or changes the document first has the
    // rest of a long page read. Scrolling, clicks and keys do not wait: the
    // page grows at its end, and pages read in parts hold no links.
    void completeRead() const;
    void releaseHosts();
    void announceObjects();
    void placeHosts();
    void schedulePlaceHosts();
    void onAnchorClicked(const QUrl& url);
    void dispatchLink(int item);
    int objectAt(const QPoint& viewportPos) const;
    QRect characterRect(int position) const;

    rtf::RtfContent content_;
    // A long page shown before it was all read, and the timer that reads
    // the rest from the event loop.
    std::unique_ptr<rtf::PartReader> reader_;
    QTimer readTimer_;
    std::vector<QPointer<QWidget>> hosts_;
    QPointer<QTextDocument> ownDoc_;
    PrintPageSetup pageSetup_;
    QString path_;
    QString error_;
    QString clickedLinkText_;
    QString pressAnchor_;
    quint64 generation_ = 0; // counts loads and mark jumps
    int currentObject_ = 0;
    int pendingLink_ = 0;
    bool inRelease_ = false;
    bool linkByKeys_ = false; // Tab put the focus on the link selected
    bool placePending_ = false;
};

} // namespace qm
