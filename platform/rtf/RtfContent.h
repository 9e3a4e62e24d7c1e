#pragma once
#include <QSize>
#include <QString>
#include <QTextFormat>
#include <vector>

namespace qm::rtf {

// What a page holds besides its text: links, text marks and object
// placeholders, in document order.
struct RtfLink {
    int kind = 1;    // 1: a target (page, document, web address); 2: a text mark in the same page
    QString target;  // for kind 2 the mark name
    QString text;    // the link's visible text
    QString toolTip;
};

struct RtfMark {
    QString name;
    int position = 0; // document position of the marked place
};

struct RtfObject {
    QString data;     // the object's data string, e.g. "Intro.swf,loop"
    QSize size;       // in pixels (15 twips each)
    int position = 0; // document position of its placeholder character
};

struct RtfContent {
    std::vector<RtfLink> links;
    std::vector<RtfMark> marks;
    std::vector<RtfObject> objects;
};

// Links are anchors whose href is kLinkScheme followed by the link's number
// (1-based index into RtfContent::links).
inline constexpr char kLinkScheme[] = "qmlink:";
// Object placeholders are characters of this text object type; the property
// kObjectNumber holds the object's number (1-based), kObjectSize its size.
inline constexpr int kPlaceholderObjectType = QTextFormat::UserObject + 17;
inline constexpr int kObjectNumber = QTextFormat::UserProperty + 17;
inline constexpr int kObjectSize = QTextFormat::UserProperty + 18;
// While a page is read, text marks tag the format of the content that follows
// them with this property; their positions are read back once it is complete.
inline constexpr int kMarkGroup = QTextFormat::UserProperty + 19;

} // namespace qm::rtf
