#pragma once

#include "form.h"
#include "hypothesis_file.h"
#include "qt_controls.h"

#include <QHash>
#include <QSet>
#include <QWidget>

#include <functional>
#include <memory>

namespace vspace {

struct ControlEntry;
class MessageBoxes;

// The main window: the controls of the control table at their stored places, every button press
// and every key typed into an entry field handed to the form; Ctrl+Z and Ctrl+Shift+Z (or Ctrl+Y)
// undo and redo, what was typed in a field first.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    // "Gen Text" writes to `exportPath`; message boxes go through `boxes`, real modal ones
    // when it is null.
    explicit MainWindow(
            const std::string &exportPath = HypothesisFile::pathIn(HypothesisFile::desktopFolder()),
            MessageBoxes *boxes = nullptr, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The form behind the window, for benchmarks that put a state in place by hand.
    Form &form() { return *m_form; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    QWidget *createControl(const ControlEntry &entry, QWidget *container);
    static bool isRedo(const QKeyEvent &event);
    // Does `action`; when it made an action that can be undone, the typing before it is no
    // longer undone first.
    void remembered(const std::function<void()> &action);
    // Ctrl+Z undoes the last action, Ctrl+Shift+Z or Ctrl+Y does it again; the form puts the focus
    // back where it was.
    void stepThroughHistory(bool undo);

    std::unique_ptr<MessageBoxes> m_ownBoxes;
    QtControls::Widgets m_widgets;
    QHash<QObject *, Field> m_fieldOf;
    std::unique_ptr<QtControls> m_controls;
    HypothesisFile m_exportFile;
    std::unique_ptr<Form> m_form;
    QSet<const QObject *> m_typedIn; // fields typed in since the last action
    bool m_shown = false;
};

} // namespace vspace
