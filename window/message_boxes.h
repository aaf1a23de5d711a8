#pragma once

#include <QString>

class QWidget;

namespace vspace {

// Shows the information message boxes of the window. Tests put a recording implementation in
// its place.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // Shows `text` titled `title` with the information icon and one OK button, and returns
    // when the user has closed it.
    virtual void information(QWidget *parent, const QString &text, const QString &title) = 0;
};

// Real modal QMessageBox dialogs.
class ModalMessageBoxes : public MessageBoxes
{
public:
    void information(QWidget *parent, const QString &text, const QString &title) override;
};

} // namespace vspace
