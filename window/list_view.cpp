#include "list_view.h"

#include <QFrame>
#include <QHelpEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTextBoundaryFinder>
#include <QToolTip>

namespace vspace {

namespace {

constexpr int kMaxToolTipCharacters = 4000;

} // namespace

QString rowToolTip(const QString &text, int width)
{
    QString shown = text;
    if (shown.size() > kMaxToolTipCharacters) {
        shown = shown.left(kMaxToolTipCharacters / 2) + QChar(0x2026)
                + shown.right(kMaxToolTipCharacters / 2);
    }
    // Rich text wraps at spaces and zero-width spaces: one goes in every `width` characters of
    // a run without spaces, between two characters as the user sees them.
    QString broken;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, shown);
    int run = 0;
    for (qsizetype start = 0, end; (end = characters.toNextBoundary()) != -1; start = end) {
        const QStringView character = QStringView(shown).mid(start, end - start);
        run = character.front().isSpace() ? 0 : run + 1;
        if (run > width) {
            broken += QChar(0x200B);
            run = 1;
        }
        broken += character.toString().toHtmlEscaped();
    }
    return QStringLiteral("<p style=\"white-space:pre-wrap\">") + broken + QStringLiteral("</p>");
}

namespace {

// Rows as wide as the list whatever their text, so that a long one is elided, not scrolled to;
// its height comes from one line of the font, without laying out a long text. A row's tooltip
// is made when it is asked for.
class RowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem line = option;
        initStyleOption(&line, index);
        line.text = QStringLiteral("X");
        const QWidget *list = line.widget;
        return {1, list->style()
                           ->sizeFromContents(QStyle::CT_ItemViewItem, &line, QSize(), list)
                           .height()};
    }

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override
    {
        if (event->type() != QEvent::ToolTip)
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        QToolTip::showText(event->globalPos(), rowToolTip(index.data().toString()), view,
                           option.rect);
        return true;
    }
};

} // namespace

ListView::ListView(QWidget *parent)
    : QListWidget(parent)
{
    setUniformItemSizes(true);
    setTextElideMode(Qt::ElideMiddle);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new RowDelegate(this));
}

void ListView::setVisibleHeight(int height)
{
    if (height >= this->height())
        return;
    // The list's own border and scroll bar would fall in the hidden part: a border drawn over
    // the visible part and a scroll bar in it take their place.
    const int frame = frameWidth();
    setFrameShape(QFrame::NoFrame);
    setBackgroundRole(QPalette::Base); // the strip kept for the scroll bar looks like the list
    setAutoFillBackground(true);
    setMask(QRegion(0, 0, width(), height));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *border = new QFrame(this);
    border->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    border->setAttribute(Qt::WA_TransparentForMouseEvents);
    border->setGeometry(0, 0, width(), height);
    m_bar = new QScrollBar(Qt::Vertical, this);
    const int barWidth = m_bar->sizeHint().width();
    m_bar->setGeometry(width() - frame - barWidth, frame, barWidth, height - 2 * frame);
    setViewportMargins(frame, frame, frame + barWidth, this->height() - height + frame);

    QScrollBar *own = verticalScrollBar();
    connect(own, &QScrollBar::rangeChanged, m_bar, [this, own](int minimum, int maximum) {
        m_bar->setRange(minimum, maximum);
        m_bar->setPageStep(own->pageStep());
        m_bar->setValue(own->value());
        m_bar->setVisible(maximum > minimum);
    });
    connect(own, &QScrollBar::valueChanged, m_bar, &QScrollBar::setValue);
    connect(m_bar, &QScrollBar::valueChanged, own, &QScrollBar::setValue);
    m_bar->hide();
    border->raise();
}

void ListView::appendRow(const QString &text, bool scrollTo)
{
    addItem(text);
    if (scrollTo)
        scrollToBottom();
}

void ListView::truncate(int rows)
{
    while (count() > rows)
        delete takeItem(count() - 1);
    scrollToBottom();
}

} // namespace vspace
