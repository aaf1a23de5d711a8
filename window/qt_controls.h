#pragma once

#include "controls.h"

#include <array>

class QLineEdit;
class QPushButton;
class QWidget;

namespace vspace {

class ListView;
class MessageBoxes;

// The controls of the main window as the engine sees them: real widgets, UTF-8 texts.
class QtControls : public Controls
{
public:
    struct Widgets
    {
        QWidget *window = nullptr;
        std::array<QLineEdit *, 6> text1{};
        std::array<QLineEdit *, 6> text2{};
        std::array<ListView *, 4> lists{};
        std::array<QPushButton *, 6> buttons{};
    };

    QtControls(const Widgets &widgets, MessageBoxes &boxes);

    std::string text(FieldArray array, int index) const override;
    void setText(FieldArray array, int index, const std::string &text) override;
    void setSelStart(FieldArray array, int index, int start) override;
    void setSelLength(FieldArray array, int index, int length) override;
    void setFocus(FieldArray array, int index) override;

    void clear(ListId list) override;
    void append(ListId list, const std::string &item) override;
    int count(ListId list) const override;
    std::string item(ListId list, int i) const override;

    bool enabled(ButtonId button) const override;
    void setEnabled(ButtonId button, bool enabled) override;
    void setFocus(ButtonId button) override;

    void messageBox(const std::string &prompt, const std::string &title) override;
    void unload() override;

private:
    QLineEdit *field(FieldArray array, int index) const;
    ListView *list(ListId list) const;
    QPushButton *button(ButtonId button) const;

    Widgets m_widgets;
    MessageBoxes &m_boxes;
    // Selection start last set per field, the start of the next selection length.
    std::array<std::array<int, 6>, 2> m_selStart{};
};

} // namespace vspace
