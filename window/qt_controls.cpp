#include "qt_controls.h"

#include "list_view.h"
#include "message_boxes.h"

#include <QLineEdit>
#include <QPushButton>

#include <stdexcept>

namespace vspace {

namespace {

QString fromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QtControls::QtControls(const Widgets &widgets, MessageBoxes &boxes)
    : m_widgets(widgets)
    , m_boxes(boxes)
{}

QLineEdit *QtControls::field(FieldArray array, int index) const
{
    return (array == FieldArray::Text1 ? m_widgets.text1 : m_widgets.text2)[field_slot(index)];
}

ListView *QtControls::list(ListId list) const
{
    return m_widgets.lists[static_cast<std::size_t>(list)];
}

QPushButton *QtControls::button(ButtonId button) const
{
    return m_widgets.buttons[static_cast<std::size_t>(button)];
}

std::string QtControls::text(FieldArray array, int index) const
{
    return field(array, index)->text().toStdString();
}

void QtControls::setText(FieldArray array, int index, const std::string &text)
{
    field(array, index)->setText(fromUtf8(text));
}

void QtControls::setSelStart(FieldArray array, int index, int start)
{
    m_selStart[array == FieldArray::Text1 ? 0 : 1][field_slot(index)] = start;
    field(array, index)->setCursorPosition(start);
}

void QtControls::setSelLength(FieldArray array, int index, int length)
{
    QLineEdit *edit = field(array, index);
    const int start = m_selStart[array == FieldArray::Text1 ? 0 : 1][field_slot(index)];
    if (length > 0)
        edit->setSelection(start, length);
    else
        edit->setCursorPosition(start);
}

void QtControls::setFocus(FieldArray array, int index)
{
    field(array, index)->setFocus(Qt::OtherFocusReason);
}

void QtControls::clear(ListId id) { list(id)->clear(); }

void QtControls::append(ListId id, const std::string &item)
{
    // The newest learning-data entry is scrolled into view.
    list(id)->appendRow(fromUtf8(item), id == ListId::List3);
}

int QtControls::count(ListId id) const { return list(id)->count(); }

std::string QtControls::item(ListId id, int i) const
{
    const QListWidgetItem *entry = list(id)->item(i);
    if (!entry)
        throw std::out_of_range("list item " + std::to_string(i) + " does not exist");
    return entry->text().toStdString();
}

bool QtControls::enabled(ButtonId id) const { return button(id)->isEnabled(); }

void QtControls::setEnabled(ButtonId id, bool enabled) { button(id)->setEnabled(enabled); }

void QtControls::setFocus(ButtonId id) { button(id)->setFocus(Qt::OtherFocusReason); }

void QtControls::messageBox(const std::string &prompt, const std::string &title)
{
    m_boxes.information(m_widgets.window, fromUtf8(prompt), fromUtf8(title));
}

void QtControls::unload() { m_widgets.window->close(); }

} // namespace vspace
