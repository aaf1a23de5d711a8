#pragma once

#include "engine.h"
#include "hypothesis_file.h"
#include "qt_controls.h"

#include <QWidget>

#include <memory>

namespace vspace {

class MessageBoxes;

// The main window: the stored layout, every event wired to its engine procedure, and the engine
// state it owns. The window's load event (Form_Load) runs when it is constructed.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // "Gen Text" writes to `exportPath`; message boxes go through `boxes`, real modal ones
    // when it is null.
    explicit Form1(QString exportPath = HypothesisFile::desktopPath(),
                   MessageBoxes *boxes = nullptr, QWidget *parent = nullptr);
    ~Form1() override;

    Engine &engine() { return *m_engine; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void wireEvents();

    std::unique_ptr<MessageBoxes> m_ownBoxes;
    QtControls::Widgets m_widgets;
    std::unique_ptr<QtControls> m_controls;
    std::unique_ptr<Engine> m_engine;
    HypothesisFile m_exportFile;
    bool m_shown = false;
};

} // namespace vspace
