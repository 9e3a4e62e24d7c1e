#pragma once
#include <QTableWidget>

namespace qm {

// One of the progress window's two lists: one column of titles without
// headers, viewed rows in their own colour and regular weight, the others
// bold. The hovered row of the module list is shown as a selection in
// colours the window chooses; the highlight can be switched off.
class ProgressGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit ProgressGrid(QWidget* parent = nullptr);

    static constexpr int kColumnWidth = 513; // 7695 twips
    static constexpr quint32 kViewedColor = 0x663399;

    void clearRows();
    void addRow(const QString& text);
    void markViewed(int row);
    QString rowText(int row) const;
    quint32 rowColor(int row) const;
    bool rowBold(int row) const;

    // The row under a point of the list, counted from the top visible row;
    // rowCount() or more below the last row.
    int rowAtY(int y) const;

    void setHighlight(bool on);
    bool highlight() const { return highlight_; }
    void setSelectionColors(quint32 back, quint32 fore);
    quint32 selectionBack() const { return selBack_; }
    quint32 selectionFore() const { return selFore_; }
    // Selects row alone and makes it current.
    void selectRowAlone(int row);

signals:
    void mouseMovedAt(int y);

protected:
    bool viewportEvent(QEvent* e) override;

private:
    bool highlight_ = true;
    quint32 selBack_ = 0xFFFFFF;
    quint32 selFore_ = 0x000000;
};

} // namespace qm
