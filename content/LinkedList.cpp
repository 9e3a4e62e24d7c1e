#include "content/LinkedList.h"
#include "platform/ContentPath.h"
#include "platform/ContentName.h"
#include "platform/TextFile.h"


namespace qm {

void LinkedList::Chain::reset()
{
    clear();
    nodes.push_back(std::make_unique<Node>());
    tail = nodes.front().get();
}

void LinkedList::Chain::clear()
{
    for (auto& n : nodes) n->Prev = n->Next = nullptr;
    nodes.clear();
    tail = nullptr;
}

Node* LinkedList::Chain::append(const QString& name, const QString& type, const QString& topic)
{
    if (nodes.empty()) reset();
    auto node = std::make_unique<Node>();
    node->Name = name;
    node->Type = type;
    node->TopicTitle = topic;
    node->Prev = tail;
    tail->Next = node.get();
    tail = node.get();
    nodes.push_back(std::move(node));
    return tail;
}

LinkedList::LinkedList() { InitLinedList(); }
LinkedList::~LinkedList() = default;

void LinkedList::CleanUp()
{
    list0_.clear();
    current_ = nullptr;
}

void LinkedList::InitLinedList()
{
    list0_.reset();
    current_ = list0_.head();
}

void LinkedList::InitSearchLinkedList() { list1_.reset(); }

void LinkedList::Add_Page(const QString& name, const QString& type, const QString& topicTitle, bool)
{
    current_ = list0_.append(name, type, topicTitle);
}

void LinkedList::AddToSearchLinkedList(const QString& name, const QString& type, const QString& topicTitle, bool)
{
    list1_.append(name, type, topicTitle);
}

bool ParsePageLine(QString line, QString& name, QString& type, QString& topicTitle, bool& skip)
{
    skip = false;
    if (line.startsWith(QChar(10))) line.remove(0, 1);
    if (line.startsWith(QChar(13))) line.remove(0, 1);
    if (line.isEmpty()) {
        skip = true;
        return true;
    }
    const qsizetype star = line.indexOf('*');
    if (star < 0) return false;
    name = line.left(star);
    const QString rest = line.mid(star + 1);
    const qsizetype star2 = rest.indexOf('*');
    QString remaining;
    if (star2 < 0) {
        type = rest;
        remaining = rest;
    } else {
        type = rest.left(star2);
        remaining = rest.mid(star2 + 1);
    }
    topicTitle = (type == QLatin1String("Topic") && !remaining.isEmpty()) ? remaining : QString();
    return true;
}

namespace {
// Why a page line is refused (a line without "*", or a page name that
// cannot become a path in the module's folder).
QString lineRefusal(const QString& path, int lineNo, bool hasStar, const QString& name)
{
    if (!hasStar)
        return QStringLiteral("Invalid procedure call or argument: %1, line %2 has no \"*\"").arg(path).arg(lineNo);
    return QStringLiteral("Invalid procedure call or argument: %1, line %2: the page name \"%3\" "
                          "is not a plain file name")
        .arg(path)
        .arg(lineNo)
        .arg(name);
}
} // namespace

bool LinkedList::load(const QString& path, QString& moduleTitle, QString* error, QStringList* refused, Adder add)
{
    QString text;
    QString why;
    ContentRead outcome = ContentRead::Done;
    if (!ReadContentText(path, text, kMaxPageMapBytes, &why, &outcome)) {
        if (outcome == ContentRead::TooLarge && refused) refused->append(why);
        if (error) *error = why;
        return false;
    }
    const QStringList lines = SplitLines(text);
    if (lines.size() < 3) {
        if (error) *error = QStringLiteral("Input past end of file: %1").arg(path);
        return false;
    }
    moduleTitle = lines[1];
    QString onDisk; // named the way an author finds it, found once
    for (int i = 3; i < lines.size(); ++i) {
        QString name, type, topic;
        bool skip = false;
        const bool hasStar = ParsePageLine(lines[i], name, type, topic, skip);
        if (skip) continue;
        if (!hasStar || !IsPlainContentName(name)) {
            // One refused line costs only itself.
            if (refused) {
                if (onDisk.isEmpty()) onDisk = ResolveContentPath(path);
                refused->append(lineRefusal(onDisk, i + 1, hasStar, name));
            }
            continue;
        }
        (this->*add)(name, type, topic, false);
    }
    if (add == &LinkedList::Add_Page) current_ = firstPage();
    return true;
}

bool LinkedList::LoadExistingList(const QString& path, QString& moduleTitle, QString* error, QStringList* refused)
{
    if (list0_.nodes.empty()) InitLinedList();
    return load(path, moduleTitle, error, refused, &LinkedList::Add_Page);
}

bool LinkedList::LoadNewSearchList(const QString& path, QString& moduleTitle, QString* error, QStringList* refused)
{
    if (list1_.nodes.empty()) InitSearchLinkedList();
    return load(path, moduleTitle, error, refused, &LinkedList::AddToSearchLinkedList);
}

Node* LinkedList::firstPage() const
{
    Node* head = list0_.head();
    return head ? head->Next : nullptr;
}

void LinkedList::NextPage()
{
    if (isPage(current_) && current_->Next) current_ = current_->Next;
}

QString LinkedList::GetNextPageName() const
{
    if (isPage(current_) && current_->Next) return current_->Next->Name;
    return QString();
}

void LinkedList::PreviousPage()
{
    if (isPage(current_) && isPage(current_->Prev)) current_ = current_->Prev;
}

QString LinkedList::GetPrevPageName() const
{
    if (isPage(current_) && isPage(current_->Prev)) return current_->Prev->Name;
    return QString();
}

QString LinkedList::GetCurrentPageName() const { return isPage(current_) ? current_->Name : QString(); }

QString LinkedList::GetCurrentPageTpye() const { return isPage(current_) ? current_->Type : QString(); }

void LinkedList::GetAllPageInfo(int& count, QStringList& names, QStringList& types, QStringList& topicTitles) const
{
    names = QStringList{QString()};
    types = QStringList{QString()};
    topicTitles = QStringList{QString()};
    count = 0;
    for (Node* n = firstPage(); n; n = n->Next) {
        ++count;
        names.append(n->Name);
        types.append(n->Type);
        topicTitles.append(n->TopicTitle);
    }
}

QString LinkedList::GetCurrentPageTopName() const
{
    for (Node* n = current_; isPage(n); n = n->Prev) {
        if (!n->TopicTitle.isEmpty()) return n->TopicTitle;
    }
    return QString();
}

bool LinkedList::PageExist(const QString& pageName) const
{
    if (pageName.isEmpty()) return false;
    for (Node* n = firstPage(); n; n = n->Next)
        if (n->Name == pageName) return true;
    return false;
}

void LinkedList::SetPageAsCurrent(const QString& pageName)
{
    for (Node* n = firstPage(); n; n = n->Next) {
        if (n->Name == pageName) {
            current_ = n;
            return;
        }
    }
}

void LinkedList::GoToFirstPage() { current_ = firstPage(); }

void LinkedList::GoToLastPage() { current_ = list0_.tail; }

void LinkedList::GoToTopic(const QString& topicTitle)
{
    for (Node* n = firstPage(); n; n = n->Next) {
        if (n->TopicTitle == topicTitle) {
            current_ = n;
            return;
        }
    }
}

void LinkedList::GetTopics(int& count, QStringList& titles) const
{
    count = 0;
    QStringList found;
    Node* head = list1_.head();
    for (Node* n = head ? head->Next : nullptr; n; n = n->Next)
        if (!n->TopicTitle.isEmpty()) found.append(n->TopicTitle);
    count = int(found.size());
    if (!found.isEmpty()) titles = found;
}

} // namespace qm
