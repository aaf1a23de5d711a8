#pragma once

#include <QListWidget>

class QScrollBar;

namespace vspace {

// The tooltip of a row: the whole text, escaped for rich text, broken into lines of at most
// `width` characters where it has no spaces, and shortened in the middle beyond some thousands
// of characters.
QString rowToolTip(const QString &text, int width = 60);

// A list view of the main window. A row too long for the list is elided in the middle, so that
// the label at the end of a learning-data entry stays in view, and its tooltip holds the whole
// row, wrapped. There is no sideways scrolling.
class ListView : public QListWidget
{
public:
    explicit ListView(QWidget *parent);

    // Keeps the rows, the scroll bar and the border in the top `height` pixels of the list, for
    // a list taller than the part of it that its frame shows.
    void setVisibleHeight(int height);
    // Appends a row; with `scrollTo`, scrolls the list to it.
    void appendRow(const QString &text, bool scrollTo);
    // Keeps the first `rows` rows, and shows the last of them.
    void truncate(int rows);

private:
    QScrollBar *m_bar = nullptr; // stands for the list's own where the frame hides that one
};

} // namespace vspace
