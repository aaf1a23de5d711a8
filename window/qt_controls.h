#pragma once

#include "controls.h"

#include <QString>

#include <array>

class QLineEdit;
class QPushButton;
class QWidget;

namespace vspace {

class ListView;
class MessageBoxes;

// The text `id` in the user's language, as the installed translations have it.
QString translated(Text id);

// The controls of the main window as the engine sees them: real widgets, UTF-8 texts.
class QtControls : public Controls
{
public:
    struct Widgets
    {
        QWidget *window = nullptr;
        std::array<std::array<QLineEdit *, kFieldCount>, 2> fields{}; // training, unseen
        std::array<ListView *, kListCount> lists{};
        std::array<QPushButton *, kButtonCount> buttons{};

        QLineEdit *field(Field field) const;
        ListView *list(List list) const { return lists[static_cast<std::size_t>(list)]; }
        QPushButton *button(Button button) const
        {
            return buttons[static_cast<std::size_t>(button)];
        }
    };

    QtControls(const Widgets &widgets, MessageBoxes &boxes);

    std::string text(Field field) const override;
    void setText(Field field, const std::string &text) override;
    void setSelection(Field field, int start, int length) override;
    void setFocus(Field field) override;

    void clear(List list) override;
    void append(List list, std::string row) override;
    void truncate(List list, int rows) override;

    bool enabled(Button button) const override;
    void setEnabled(Button button, bool enabled) override;
    void setFocus(Button button) override;
    Focus focused() const override;

    void messageBox(const std::string &text, const std::string &title) override;
    void close() override;

    std::string phrase(Text id) const override;

private:
    Widgets m_widgets;
    MessageBoxes &m_boxes;
};

} // namespace vspace
