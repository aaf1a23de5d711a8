#include "qt_controls.h"

#include <QApplication>

#include "list_view.h"
#include "message_boxes.h"

#include <QCoreApplication>
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

QString translated(Text id)
{
    const CatalogEntry &entry = catalogEntry(id);
    return QCoreApplication::translate(entry.context, entry.english);
}

QLineEdit *QtControls::Widgets::field(Field field) const
{
    if (field.index < 1 || field.index > kFieldCount)
        throw std::out_of_range("entry field " + std::to_string(field.index) + " is not 1 to 6");
    return fields[static_cast<std::size_t>(field.row)][static_cast<std::size_t>(field.index - 1)];
}

QtControls::QtControls(const Widgets &widgets, MessageBoxes &boxes)
    : m_widgets(widgets)
    , m_boxes(boxes)
{}

std::string QtControls::text(Field field) const
{
    return m_widgets.field(field)->text().toStdString();
}

void QtControls::setText(Field field, const std::string &text)
{
    m_widgets.field(field)->setText(fromUtf8(text));
}

void QtControls::setSelection(Field field, int start, int length)
{
    QLineEdit *edit = m_widgets.field(field);
    if (length > 0)
        edit->setSelection(start, length);
    else
        edit->setCursorPosition(start);
}

void QtControls::setFocus(Field field)
{
    m_widgets.field(field)->setFocus(Qt::OtherFocusReason);
}

void QtControls::clear(List list)
{
    m_widgets.list(list)->clear();
}

void QtControls::append(List list, std::string row)
{
    // The newest learning-data entry is scrolled into view.
    m_widgets.list(list)->appendRow(fromUtf8(row), list == List::LearningData);
}

void QtControls::truncate(List list, int rows)
{
    m_widgets.list(list)->truncate(rows);
}

bool QtControls::enabled(Button button) const
{
    return m_widgets.button(button)->isEnabled();
}

void QtControls::setEnabled(Button button, bool enabled)
{
    m_widgets.button(button)->setEnabled(enabled);
}

void QtControls::setFocus(Button button)
{
    m_widgets.button(button)->setFocus(Qt::OtherFocusReason);
}

Focus QtControls::focused() const
{
    const QWidget *focus = QApplication::focusWidget();
    for (std::size_t row = 0; row < m_widgets.fields.size(); ++row) {
        for (std::size_t i = 0; i < m_widgets.fields[row].size(); ++i) {
            if (m_widgets.fields[row][i] == focus)
                return Field{static_cast<FieldRow>(row), static_cast<int>(i + 1)};
        }
    }
    for (std::size_t b = 0; b < m_widgets.buttons.size(); ++b) {
        if (m_widgets.buttons[b] == focus)
            return static_cast<Button>(b);
    }
    return {};
}

void QtControls::messageBox(const std::string &text, const std::string &title)
{
    m_boxes.information(m_widgets.window, fromUtf8(text), fromUtf8(title));
}

void QtControls::close()
{
    m_widgets.window->close();
}

std::string QtControls::phrase(Text id) const
{
    return translated(id).toStdString();
}

} // namespace vspace
