#pragma once
#include <QString>

namespace qm {

// One page of a page list. The list that holds a node owns it.
class Node {
public:
    QString Name;       // page file name, e.g. "0001.txm"
    QString Type;       // "Topic", "Test" or any other (ordinary) type
    QString TopicTitle; // empty except on topic pages
    Node* Prev = nullptr;
    Node* Next = nullptr;
};

} // namespace qm
