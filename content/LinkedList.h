#pragma once
#include "content/Node.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace qm {

// The pages of one module in reading order (list 0, with a current position)
// and a forward-only scratch list (list 1) used to collect another module's
// topic titles. Both start with an empty head node that is not a page.
class LinkedList {
public:
    LinkedList();
    ~LinkedList();
    LinkedList(const LinkedList&) = delete;
    LinkedList& operator=(const LinkedList&) = delete;

    void CleanUp();
    void InitLinedList();
    void InitSearchLinkedList();
    void Add_Page(const QString& name, const QString& type, const QString& topicTitle, bool unused = false);
    void AddToSearchLinkedList(const QString& name, const QString& type, const QString& topicTitle, bool unused = false);

    // Read a page map. A line without "*", or whose page name is not a plain
    // file name (IsPlainContentName), is refused: it is left out and the
    // lines after it are read. False, with the reason in error, when the map
    // cannot be read (missing, fewer than three lines, over its cap).
    // refused, when given, gets what the learner is to be told: one message
    // for each refused line, naming the map as it is on disk and the line,
    // or one for a map over its cap.
    bool LoadExistingList(const QString& path, QString& moduleTitle, QString* error = nullptr,
                          QStringList* refused = nullptr);
    bool LoadNewSearchList(const QString& path, QString& moduleTitle, QString* error = nullptr,
                           QStringList* refused = nullptr);

    void NextPage();
    QString GetNextPageName() const;
    void PreviousPage();
    QString GetPrevPageName() const;
    QString GetCurrentPageName() const;
    void GetAllPageInfo(int& count, QStringList& names, QStringList& types, QStringList& topicTitles) const;
    QString GetCurrentPageTpye() const;
    QString GetCurrentPageTopName() const;
    bool PageExist(const QString& pageName) const;
    void SetPageAsCurrent(const QString& pageName);
    void GoToFirstPage();
    void GoToLastPage();
    void GoToTopic(const QString& topicTitle);
    void GetTopics(int& count, QStringList& titles) const;

private:
    struct Chain {
        std::vector<std::unique_ptr<Node>> nodes; // nodes[0] is the head
        Node* tail = nullptr;
        Node* head() const { return nodes.empty() ? nullptr : nodes.front().get(); }
        void reset();
        void clear();
        Node* append(const QString& name, const QString& type, const QString& topic);
    };
    using Adder = void (LinkedList::*)(const QString&, const QString&, const QString&, bool);
    bool load(const QString& path, QString& moduleTitle, QString* error, QStringList* refused, Adder add);
    Node* firstPage() const;
    bool isPage(const Node* n) const { return n && n != list0_.head(); }

    Chain list0_;
    Chain list1_;
    Node* current_ = nullptr;
};

// Splits one page-map line into its three fields. Returns false for a line
// without "*". An empty line (after a leading LF or CR is dropped) gives
// skip = true.
bool ParsePageLine(QString line, QString& name, QString& type, QString& topicTitle, bool& skip);

} // namespace qm
