#include "main_window.h"

#include "control_table.h"
#include "list_view.h"
#include "message_boxes.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>
#include <vector>

namespace vspace {

namespace {

// The stored font is "MS Sans Serif"; these faces have its width, where the face itself is not
// installed. Thai values fall back to a Thai face (Loma, from fonts-thai-tlwg).
QFont controlFont()
{
    static const bool substituted = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("Nimbus Sans"), QStringLiteral("Loma")});
        return true;
    }();
    Q_UNUSED(substituted)
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Bold);
    return font;
}

QRect pixels(const Twips &twips)
{
    return QRect(twips.left / kTwipsPerPixel, twips.top / kTwipsPerPixel,
                 twips.width / kTwipsPerPixel, twips.height / kTwipsPerPixel);
}

// A caption read for its access key, its text and the caption as Qt marks it: the key after a
// single "&", every other "&" doubled.
struct Caption
{
    QString text, marked;
};

Caption caption(Text id)
{
    const AccessKey parsed = accessKey(translated(id).toStdString());
    const auto escaped = [](const std::string &part) {
        return QString::fromStdString(part).replace(QLatin1Char('&'), QStringLiteral("&&"));
    };
    return {QString::fromStdString(parsed.text()),
            escaped(parsed.before) + (parsed.key.empty() ? QString() : QStringLiteral("&"))
                    + escaped(parsed.key) + escaped(parsed.after)};
}

QString accessibleNameOf(const ControlEntry &entry)
{
    if (const Field *field = std::get_if<Field>(&entry.role))
        return QString::fromStdString(format(translated(*entry.accessibleName).toStdString(),
                                             {std::to_string(field->index)}));
    if (entry.accessibleName)
        return translated(*entry.accessibleName);
    return caption(*entry.caption).text;
}

// A caption too wide for its control, as a translation may make it: the control keeps its stored
// size, and its font shrinks, down to 6.5 points; what still does not fit is elided in the middle,
// the whole caption in the tooltip.
void fitCaption(QWidget *widget, const QString &plain)
{
    const int margin = qobject_cast<QPushButton *>(widget) ? 8 : 0;
    const int room = widget->width() - margin;
    QFont font = widget->font();
    while (QFontMetrics(font).horizontalAdvance(plain) > room && font.pointSizeF() > 6.5)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    widget->setFont(font);
    if (QFontMetrics(font).horizontalAdvance(plain) <= room)
        return;
    const QString elided = QFontMetrics(font).elidedText(plain, Qt::ElideMiddle, room);
    if (auto *button = qobject_cast<QPushButton *>(widget))
        button->setText(elided);
    else if (auto *label = qobject_cast<QLabel *>(widget))
        label->setText(elided);
    widget->setToolTip(plain);
}

// The character code of a key press, as an entry field's key-press event passes it; 0 when the
// key types no character.
int characterCode(const QKeyEvent &event)
{
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return kEnterKey;
    const QString text = event.text();
    return text.isEmpty() ? 0 : text.at(0).unicode();
}

} // namespace

MainWindow::MainWindow(const std::string &exportPath, MessageBoxes *boxes, QWidget *parent)
    : QWidget(parent)
    , m_exportFile(exportPath)
{
    if (!boxes) {
        m_ownBoxes = std::make_unique<ModalMessageBoxes>();
        boxes = m_ownBoxes.get();
    }
    setObjectName(QString::fromLatin1(kWindowTitle));
    setWindowTitle(QString::fromLatin1(kWindowTitle));
    setFixedSize(kClientWidthTwips / kTwipsPerPixel, kClientHeightTwips / kTwipsPerPixel);
    // Frames draw their title on their top line, as classic frames do, clear of what they hold.
    setStyleSheet(QStringLiteral(
            "QGroupBox { border: 1px solid palette(mid); margin-top: 0.5em; }"
            "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
    buildControls();
    m_controls = std::make_unique<QtControls>(m_widgets, *boxes);
    m_form = std::make_unique<Form>(*m_controls, m_exportFile);
    for (std::size_t b = 0; b < m_widgets.buttons.size(); ++b) {
        connect(m_widgets.buttons[b], &QPushButton::clicked, this,
                [this, b] { remembered([this, b] { m_form->press(static_cast<Button>(b)); }); });
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    m_widgets.window = this;
    QHash<QString, QWidget *> containers;
    std::vector<std::pair<int, QWidget *>> tabOrder;
    for (const ControlEntry &entry : kControlTable) {
        const QString container = QString::fromLatin1(entry.container.data(),
                                                      static_cast<qsizetype>(
                                                              entry.container.size()));
        QWidget *widget = createControl(entry,
                                        container.isEmpty() ? this : containers.value(container));
        if (entry.kind == ControlKind::Frame)
            containers.insert(widget->objectName(), widget);
        else if (entry.kind != ControlKind::Label)
            tabOrder.emplace_back(entry.tabIndex, widget);
    }

    // Labels are drawn behind the lists they head; "Gen Text" in front of the frame it lies on.
    for (QLabel *label : findChildren<QLabel *>())
        label->lower();
    m_widgets.button(Button::GenText)->raise();

    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

QWidget *MainWindow::createControl(const ControlEntry &entry, QWidget *container)
{
    const Caption shown = entry.caption ? caption(*entry.caption) : Caption();
    QWidget *widget = nullptr;
    if (entry.kind == ControlKind::Frame) {
        widget = new QGroupBox(shown.marked, container);
    } else if (entry.kind == ControlKind::Label) {
        auto *label = new QLabel(shown.marked, container);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget = label;
    } else if (const Field *field = std::get_if<Field>(&entry.role)) {
        auto *edit = new QLineEdit(container);
        edit->setMaxLength(std::numeric_limits<int>::max());
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { m_typedIn.insert(edit); });
        m_fieldOf.insert(edit, *field);
        m_widgets.fields[static_cast<std::size_t>(field->row)]
                        [static_cast<std::size_t>(field->index - 1)]
                = edit;
        widget = edit;
    } else if (const List *list = std::get_if<List>(&entry.role)) {
        auto *view = new ListView(container);
        m_widgets.lists[static_cast<std::size_t>(*list)] = view;
        view->setGeometry(pixels(entry.geometry));
        view->setVisibleHeight(visibleHeightTwips(entry) / kTwipsPerPixel);
        widget = view;
    } else {
        auto *button = new QPushButton(shown.marked, container);
        // Enter on a focused button presses it; no button is the window's default.
        button->setAutoDefault(true);
        m_widgets.buttons[static_cast<std::size_t>(std::get<Button>(entry.role))] = button;
        widget = button;
    }
    widget->setObjectName(QString::fromLatin1(entry.objectName.data(),
                                              static_cast<qsizetype>(entry.objectName.size())));
    widget->setAccessibleName(accessibleNameOf(entry));
    widget->setFont(controlFont());
    widget->setGeometry(pixels(entry.geometry));
    if (entry.kind == ControlKind::Button || entry.kind == ControlKind::Label)
        fitCaption(widget, shown.text);
    return widget;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const auto field = m_fieldOf.constFind(watched);
    const bool keyEvent = event->type() == QEvent::KeyPress
                          || event->type() == QEvent::ShortcutOverride;
    if (field == m_fieldOf.constEnd() || !keyEvent)
        return QWidget::eventFilter(watched, event);
    // Undo and redo of what was typed in a field since the last action come first; then those of
    // the last action.
    const auto *key = static_cast<QKeyEvent *>(event);
    const auto *edit = static_cast<QLineEdit *>(watched);
    const bool typed = m_typedIn.contains(edit);
    const bool history = (key->matches(QKeySequence::Undo) && !(typed && edit->isUndoAvailable()))
                         || (isRedo(*key) && !(typed && edit->isRedoAvailable()));
    if (history && event->type() == QEvent::ShortcutOverride) {
        event->accept(); // the window's, not the field's
        return true;
    }
    if (history) {
        stepThroughHistory(key->matches(QKeySequence::Undo));
        return true;
    }
    if (event->type() == QEvent::KeyPress)
        remembered([this, field, key] { m_form->keyPress(*field, characterCode(*key)); });
    return QWidget::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Undo) || isRedo(*event))
        return stepThroughHistory(event->matches(QKeySequence::Undo));
    QWidget::keyPressEvent(event);
}

bool MainWindow::isRedo(const QKeyEvent &event)
{
    return event.matches(QKeySequence::Redo)
           || event.keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)
           || event.keyCombination()
                      == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

void MainWindow::remembered(const std::function<void()> &action)
{
    const std::uint64_t known = m_form->undoName();
    action();
    if (m_form->undoName() != known)
        m_typedIn.clear();
}

void MainWindow::stepThroughHistory(bool undo)
{
    m_typedIn.clear();
    if (undo)
        m_form->undo();
    else
        m_form->redo();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        m_widgets.field({FieldRow::Training, 1})->setFocus(Qt::OtherFocusReason);
    }
    // Take the keyboard focus also where no window manager hands it over.
    activateWindow();
}

} // namespace vspace
