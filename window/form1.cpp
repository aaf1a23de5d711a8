#include "form1.h"

#include "layout.h"
#include "list_view.h"
#include "message_boxes.h"

#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>
#include <vector>

namespace vspace {

namespace {

constexpr std::int16_t kEnterKey = 13;
constexpr auto kArrayProperty = "vspaceArray";
constexpr auto kIndexProperty = "vspaceIndex";

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

QString accessibleNameOf(const ControlLayout &control)
{
    const QString name = QString::fromLatin1(control.name);
    if (name == QLatin1String("Text1"))
        return QStringLiteral("Training value %1").arg(control.index);
    if (name == QLatin1String("Text2"))
        return QStringLiteral("Unseen value %1").arg(control.index);
    if (name == QLatin1String("List1"))
        return QStringLiteral("General");
    if (name == QLatin1String("List2"))
        return QStringLiteral("Specific");
    if (name == QLatin1String("List3"))
        return QStringLiteral("Learning Data");
    if (name == QLatin1String("List4"))
        return QStringLiteral("Version Space");
    return QString::fromLatin1(control.caption).remove(QLatin1Char('&'));
}

// The character code of a key press, as a field's key-press event passes it; 0 when the key
// types no character.
std::int16_t characterCode(const QKeyEvent &event)
{
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return kEnterKey;
    const QString text = event.text();
    if (text.isEmpty() || text.at(0).unicode() > std::numeric_limits<std::int16_t>::max())
        return 0;
    return static_cast<std::int16_t>(text.at(0).unicode());
}

} // namespace

Form1::Form1(QString exportPath, MessageBoxes *boxes, QWidget *parent)
    : QWidget(parent)
    , m_exportFile(std::move(exportPath))
{
    if (!boxes) {
        m_ownBoxes = std::make_unique<ModalMessageBoxes>();
        boxes = m_ownBoxes.get();
    }
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    setFixedSize(kClientWidthTwips / kTwipsPerPixel, kClientHeightTwips / kTwipsPerPixel);
    // Frames draw their title on their top line, as classic frames do, clear of what they hold.
    setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid palette(mid); margin-top: 0.5em; }"
                                 "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
    buildControls();
    m_controls = std::make_unique<QtControls>(m_widgets, *boxes);
    m_engine = std::make_unique<Engine>(*m_controls);
    wireEvents();
    m_engine->Form_Load();
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    m_widgets.window = this;
    QHash<QString, QWidget *> containers;
    std::vector<std::pair<int, QWidget *>> tabOrder;
    const QFont font = controlFont();

    for (const ControlLayout &control : kFormLayout) {
        QWidget *container = control.container
                                 ? containers.value(QString::fromLatin1(control.container))
                                 : this;
        const QString caption = QString::fromUtf8(control.caption);
        QWidget *widget = nullptr;
        switch (control.kind) {
        case ControlLayout::Kind::Frame:
            widget = new QGroupBox(caption, container);
            containers.insert(QString::fromLatin1(control.name), widget);
            break;
        case ControlLayout::Kind::Label: {
            auto *label = new QLabel(caption, container);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget = label;
            break;
        }
        case ControlLayout::Kind::EntryField: {
            auto *edit = new QLineEdit(container);
            edit->setMaxLength(std::numeric_limits<int>::max());
            const bool training = QLatin1String(control.name) == QLatin1String("Text1");
            edit->setProperty(kArrayProperty, training ? 1 : 2);
            edit->setProperty(kIndexProperty, control.index);
            edit->installEventFilter(this);
            (training ? m_widgets.text1 : m_widgets.text2)[static_cast<std::size_t>(control.index - 1)] = edit;
            widget = edit;
            break;
        }
        case ControlLayout::Kind::ListView: {
            auto *list = new ListView(container);
            m_widgets.lists[static_cast<std::size_t>(control.name[4] - '1')] = list;
            // A frame shows its contents down to the inset its first column has on the left; a
            // list that reaches further keeps what it shows in that part.
            list->setGeometry(control.pixels());
            if (container != this)
                list->setVisibleHeight(container->height() - list->y() - kFrameInsetTwips / kTwipsPerPixel);
            widget = list;
            break;
        }
        case ControlLayout::Kind::Button: {
            auto *button = new QPushButton(caption, container);
            // Enter on a focused button presses it; no button is the window's default.
            button->setAutoDefault(true);
            m_widgets.buttons[static_cast<std::size_t>(control.name[7] - '1')] = button;
            widget = button;
            break;
        }
        }
        widget->setObjectName(control.objectName());
        widget->setAccessibleName(accessibleNameOf(control));
        widget->setFont(font);
        widget->setGeometry(control.pixels());
        if (control.kind != ControlLayout::Kind::Frame && control.kind != ControlLayout::Kind::Label)
            tabOrder.emplace_back(control.tabIndex, widget);
    }

    // Labels are drawn behind the lists they head; "Gen Text" in front of the frame it lies on.
    for (QLabel *label : findChildren<QLabel *>())
        label->lower();
    m_widgets.buttons[3]->raise();

    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

void Form1::wireEvents()
{
    const auto &buttons = m_widgets.buttons;
    connect(buttons[0], &QPushButton::clicked, this, [this] { m_engine->Command1_Click(); });
    connect(buttons[1], &QPushButton::clicked, this, [this] { m_engine->Command2_Click(); });
    connect(buttons[2], &QPushButton::clicked, this, [this] { m_engine->Command3_Click(); });
    connect(buttons[3], &QPushButton::clicked, this,
            [this] { m_engine->Command4_Click(m_exportFile); });
    connect(buttons[4], &QPushButton::clicked, this, [this] { m_engine->Command5_Click(); });
    connect(buttons[5], &QPushButton::clicked, this, [this] { m_engine->Command6_Click(); });
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const QVariant array = watched->property(kArrayProperty);
        if (array.isValid()) {
            std::int16_t keyCode = characterCode(*static_cast<QKeyEvent *>(event));
            if (keyCode != 0) {
                const auto index = static_cast<std::int16_t>(watched->property(kIndexProperty).toInt());
                if (array.toInt() == 1)
                    m_engine->Text1_KeyPress(index, keyCode);
                else
                    m_engine->Text2_KeyPress(index, keyCode);
                if (keyCode == 0)
                    return true; // the procedure consumed the key
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        m_widgets.text1[0]->setFocus(Qt::OtherFocusReason);
    }
    // Take the keyboard focus also where no window manager hands it over.
    activateWindow();
}

} // namespace vspace
