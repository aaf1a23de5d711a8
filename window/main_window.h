#pragma once

#include "form.h"
#include "hypothesis_file.h"
#include "qt_controls.h"

#include <QHash>
#include <QWidget>

#include <memory>

namespace vspace {

struct ControlEntry;
class MessageBoxes;

// The main window: the controls of the control table at their stored places, every button press
// and every key typed into an entry field handed to the form.
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
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    QWidget *createControl(const ControlEntry &entry, QWidget *container);

    std::unique_ptr<MessageBoxes> m_ownBoxes;
    QtControls::Widgets m_widgets;
    QHash<QObject *, Field> m_fieldOf;
    std::unique_ptr<QtControls> m_controls;
    HypothesisFile m_exportFile;
    std::unique_ptr<Form> m_form;
    bool m_shown = false;
};

} // namespace vspace
