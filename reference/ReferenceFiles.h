#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

namespace qm {

// A document as its folder lists it: the name as shown, and the file name's
// own bytes, which need not be UTF-8 (a name that is not is shown with
// replacement characters).
struct ReferenceDocument {
    QString shown;
    QByteArray bytes;
};

// The documents of a course's reference folder: files only, no hidden ones,
// sorted without regard to case.
QList<ReferenceDocument> ReferenceDocuments(const QString& folder);

// The path by which a listed document is opened, copied and printed; empty for
// a name that is not one file name. Paths are text here, so a name that is
// not UTF-8 is reached through a link, named as shown, to the file itself.
QString ListedDocumentPath(const QString& folder, const QByteArray& name);
// Whether the folder holds a file of that name.
bool HoldsDocument(const QString& folder, const QByteArray& name);

} // namespace qm
