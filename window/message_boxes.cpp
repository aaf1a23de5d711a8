#include "message_boxes.h"

#include "qt_controls.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

namespace vspace {

namespace {

// The least width of a box whose title bar shows `title` whole.
int titleWidth(const QString &title)
{
    // A title bar's font is the desktop's and its buttons vary: room for the text in a font a
    // fifth wider than the application's, an icon and three buttons.
    return QFontMetrics(QApplication::font()).horizontalAdvance(title) * 6 / 5 + 4 * 32;
}

} // namespace

void ModalMessageBoxes::information(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);
    // A translation names the button in the user's language; English keeps Qt's own.
    if (const QString ok = translated(Text::OkButton); ok != QLatin1String("OK"))
        box.button(QMessageBox::Ok)->setText(ok);
    // The box sizes itself to its text, which may be narrower than a window manager needs to
    // show the title whole beside its buttons.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        grid->addItem(new QSpacerItem(titleWidth(title), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
}

} // namespace vspace
