#pragma once
#include <QTextBrowser>
// TEMPORARY stand-in until the real component merges.
namespace qm {
class TextControl : public QTextBrowser {
    Q_OBJECT
public:
    explicit TextControl(QWidget* parent = nullptr) : QTextBrowser(parent) {}
    bool load(const QString& path, QString* error);
    void refresh() {}
};
}
