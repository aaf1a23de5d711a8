#include "form1.h"
#include "layout.h"
#include "message_boxes.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

using namespace vspace;

namespace {

class RecordingBoxes : public MessageBoxes
{
public:
    QStringList shown; // "title: text"
    void information(QWidget *, const QString &text, const QString &title) override
    {
        shown.append(title + QStringLiteral(": ") + text);
    }
};

QStringList itemsOf(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}

} // namespace

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUpState();
    void storedLayout_data();
    void storedLayout();
    void framesClipAndStack();
    void enterMovesToNextField_data();
    void enterMovesToNextField();
    void enterInSixthField_data();
    void enterInSixthField();
    void tabOrder();
    void accessKeys();
    void negativeGreyedUntilFirstPositive();
    void wholeSessionFromTheKeyboard();
    void clearKeepsFocusAndEmptiesEverything();
    void exportWritesTheBytes();
    void exportFailure_data();
    void exportFailure();
    void realMessageBox();
    void awkwardValuesKeptByteForByte_data();
    void awkwardValuesKeptByteForByte();

private:
    QWidget *focused() const { return QApplication::focusWidget(); }
    QString focusedName() const { return focused() ? focused()->objectName() : QString(); }
    template<typename T> T *child(const QString &name) const
    {
        T *widget = m_form->findChild<T *>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }
    QLineEdit *field(const char *array, int index) const
    {
        return child<QLineEdit>(QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(index));
    }
    QPushButton *button(int n) const { return child<QPushButton>(QStringLiteral("Command%1").arg(n)); }
    QListWidget *list(int n) const { return child<QListWidget>(QStringLiteral("List%1").arg(n)); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focused(), key, modifiers);
    }
    // Types six values into the fields from the focused one on, Enter after each.
    void typeInstance(const QStringList &values)
    {
        for (const QString &value : values) {
            QTest::keyClicks(focused(), value);
            key(Qt::Key_Return);
        }
    }
    QString exportPath() const { return m_dir.filePath(QStringLiteral("Desktop/hypothesis.txt")); }

    QTemporaryDir m_dir;
    RecordingBoxes m_boxes;
    Form1 *m_form = nullptr;
};

void WindowTest::init()
{
    m_boxes.shown.clear();
    m_form = new Form1(exportPath(), &m_boxes);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
}

void WindowTest::cleanup()
{
    delete m_form;
    m_form = nullptr;
    QFile::remove(exportPath());
}

void WindowTest::startUpState()
{
    QCOMPARE(focusedName(), QStringLiteral("Text1_1"));
    QCOMPARE(itemsOf(list(1)), QStringList{QStringLiteral("?,?,?,?,?,?")});
    QCOMPARE(itemsOf(list(2)), QStringList{QStringLiteral("0,0,0,0,0,0")});
    QCOMPARE(list(3)->count(), 0);
    QCOMPARE(list(4)->count(), 0);
    QVERIFY(!button(2)->isEnabled());
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(m_form->size(), QSize(712, 509));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    for (QPushButton *b : m_form->findChildren<QPushButton *>())
        QVERIFY2(!b->isDefault(), qPrintable(b->objectName()));
}

void WindowTest::storedLayout_data()
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < kFormLayout.size(); ++i)
        QTest::newRow(qPrintable(kFormLayout[i].objectName())) << static_cast<int>(i);
}

void WindowTest::storedLayout()
{
    QFETCH(int, row);
    const ControlLayout &control = kFormLayout[static_cast<std::size_t>(row)];
    QWidget *widget = child<QWidget>(control.objectName());
    QCOMPARE(widget->geometry(), control.pixels());
    QCOMPARE(widget->parentWidget()->objectName(),
             control.container ? QString::fromLatin1(control.container) : QStringLiteral("Form1"));
    QVERIFY(widget->isVisible());
    QVERIFY(!widget->accessibleName().isEmpty());
    QVERIFY(widget->font().bold());
    QCOMPARE(widget->font().pointSizeF(), 8.25);
    QVERIFY(QFontInfo(widget->font()).bold());

    const QString caption = QString::fromUtf8(control.caption);
    switch (control.kind) {
    case ControlLayout::Kind::Frame:
        QCOMPARE(qobject_cast<QGroupBox *>(widget)->title(), caption);
        QCOMPARE(widget->accessibleName(), caption);
        break;
    case ControlLayout::Kind::Label:
        QCOMPARE(qobject_cast<QLabel *>(widget)->text(), caption);
        break;
    case ControlLayout::Kind::Button:
        QCOMPARE(qobject_cast<QPushButton *>(widget)->text(), caption);
        QCOMPARE(widget->accessibleName(), QString(caption).remove(QLatin1Char('&')));
        break;
    case ControlLayout::Kind::EntryField:
        QVERIFY(qobject_cast<QLineEdit *>(widget)->text().isEmpty());
        QCOMPARE(widget->accessibleName(),
                 QStringLiteral("%1 value %2")
                     .arg(QLatin1String(control.name) == QLatin1String("Text1") ? "Training" : "Unseen")
                     .arg(control.index));
        break;
    case ControlLayout::Kind::ListView:
        QVERIFY(qobject_cast<QListWidget *>(widget));
        break;
    }
}

void WindowTest::framesClipAndStack()
{
    // "Gen Text" lies on frame "Hypothesis" and is in front of it.
    QPushButton *genText = button(4);
    QCOMPARE(m_form->childAt(genText->geometry().center()), genText);
    // The frame cuts off the bottom of the learning-data list.
    QWidget *frame2 = child<QWidget>(QStringLiteral("Frame2"));
    QListWidget *list3 = list(3);
    QVERIFY(list3->geometry().bottom() > frame2->height());
    QCOMPARE(list3->visibleRegion().boundingRect().bottom(), frame2->height() - 1 - list3->y());
    // Labels do not cover the lists beneath them.
    QWidget *frame1 = child<QWidget>(QStringLiteral("Frame1"));
    const QPoint overlap(list(2)->x() + 130, list(2)->y() + 2); // under the bottom of "Specific"
    QCOMPARE(frame1->childAt(overlap), list(2)->viewport());
}

void WindowTest::enterMovesToNextField_data()
{
    QTest::addColumn<QString>("array");
    QTest::addColumn<int>("index");
    for (const char *array : {"Text1", "Text2"}) {
        for (int index = 1; index <= 5; ++index)
            QTest::addRow("%s(%d)", array, index) << QString::fromLatin1(array) << index;
    }
}

void WindowTest::enterMovesToNextField()
{
    QFETCH(QString, array);
    QFETCH(int, index);
    const QByteArray name = array.toLatin1();
    field(name, index)->setText(QStringLiteral("abc"));
    field(name, index + 1)->setText(QStringLiteral("xyz"));
    field(name, index)->setFocus();
    key(Qt::Key_Return);
    QCOMPARE(focused(), field(name, index + 1));
    QCOMPARE(field(name, index + 1)->selectedText(), QStringLiteral("xyz"));
    QCOMPARE(field(name, index)->text(), QStringLiteral("abc"));
    QTest::keyClicks(focused(), QStringLiteral("Q"));
    QCOMPARE(field(name, index + 1)->text(), QStringLiteral("Q"));
    QVERIFY(m_boxes.shown.isEmpty());

    field(name, index + 1)->clear();
    field(name, index)->setFocus();
    key(Qt::Key_Return);
    QCOMPARE(focused(), field(name, index + 1));
    QVERIFY(!field(name, index + 1)->hasSelectedText());
}

void WindowTest::enterInSixthField_data()
{
    QTest::addColumn<QString>("array");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("afterSecondEnter");
    QTest::newRow("training") << QStringLiteral("Text1") << 1 << QString();
    QTest::newRow("unseen") << QStringLiteral("Text2") << 3
                            << QStringLiteral("Cannot Predict: Please input Data to Learning Before "
                                              "Predicting Unseen Data");
}

void WindowTest::enterInSixthField()
{
    QFETCH(QString, array);
    QFETCH(int, target);
    QFETCH(QString, afterSecondEnter);
    field(array.toLatin1(), 1)->setFocus();
    typeInstance({"a", "b", "c", "d", "e", "f"});
    QCOMPARE(focused(), button(target));
    QVERIFY(m_boxes.shown.isEmpty());
    QCOMPARE(list(3)->count(), 0);
    key(Qt::Key_Return);
    if (afterSecondEnter.isEmpty()) {
        QCOMPARE(itemsOf(list(3)), QStringList{QStringLiteral("a,b,c,d,e,f,+")});
        QCOMPARE(focusedName(), QStringLiteral("Text1_1"));
    } else {
        QCOMPARE(m_boxes.shown, QStringList{afterSecondEnter});
        QCOMPARE(focusedName(), QStringLiteral("Text2_1"));
    }
}

void WindowTest::tabOrder()
{
    const QStringList withoutNegative{
        "Text1_2", "Text1_3", "Text1_4", "Text1_5", "Text1_6", "Command1", "List1", "List2",
        "List3", "List4", "Command3", "Text2_1", "Text2_2", "Text2_3", "Text2_4", "Text2_5",
        "Text2_6", "Command4", "Command5", "Command6", "Text1_1"};
    QStringList visited;
    for (int i = 0; i < withoutNegative.size(); ++i) {
        key(Qt::Key_Tab);
        visited.append(focusedName());
    }
    QCOMPARE(visited, withoutNegative);

    button(1)->click(); // six empty values, learnt: "Negative" is now enabled
    QStringList withNegative = withoutNegative;
    withNegative.insert(withNegative.indexOf("Command1") + 1, "Command2");
    visited.clear();
    for (int i = 0; i < withNegative.size(); ++i) {
        key(Qt::Key_Tab);
        visited.append(focusedName());
    }
    QCOMPARE(visited, withNegative);

    // Shift+Tab from Text1(1) goes the same way back.
    visited.clear();
    for (int i = 0; i < withNegative.size(); ++i) {
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        visited.append(focusedName());
    }
    QStringList backwards = withNegative.mid(0, withNegative.size() - 1);
    std::reverse(backwards.begin(), backwards.end());
    backwards.append("Text1_1");
    QCOMPARE(visited, backwards);
}

void WindowTest::accessKeys()
{
    typeInstance({"a", "b", "c", "d", "e", "f"});
    key(Qt::Key_Return);
    QCOMPARE(list(3)->count(), 1);
    field("Text2", 4)->setFocus();
    QTest::keyClicks(focused(), QStringLiteral("kept?"));
    key(Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(list(3)->count(), 0);
    QCOMPARE(field("Text2", 4)->text(), QString());
    QVERIFY(!button(2)->isEnabled());

    field("Text1", 2)->setFocus();
    key(Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(!m_form->isVisible());
}

void WindowTest::negativeGreyedUntilFirstPositive()
{
    field("Text1", 1)->setText(QStringLiteral("x"));
    QTest::mouseClick(button(2), Qt::LeftButton);
    QCOMPARE(list(3)->count(), 0);
    QCOMPARE(field("Text1", 1)->text(), QStringLiteral("x"));
    QTest::mouseClick(button(1), Qt::LeftButton);
    QVERIFY(button(2)->isEnabled());
    field("Text1", 1)->setText(QStringLiteral("y"));
    QTest::mouseClick(button(2), Qt::LeftButton);
    QTest::mouseClick(button(2), Qt::LeftButton); // six empty values: not learnt before
    QCOMPARE(itemsOf(list(3)), (QStringList{"x,,,,,,+", "y,,,,,,-", ",,,,,,-"}));
    QTest::mouseClick(button(2), Qt::LeftButton);
    QCOMPARE(m_boxes.shown, QStringList{"Data not correct: Duplicate Data"});
    QVERIFY(button(2)->isEnabled());
}

void WindowTest::wholeSessionFromTheKeyboard()
{
    typeInstance({"Sunny", "Warm", "Normal", "Strong", "Warm", "Same"});
    key(Qt::Key_Return);
    typeInstance({"Sunny", "Warm", "High", "Strong", "Warm", "Same"});
    key(Qt::Key_Space);
    typeInstance({"Rainy", "Cold", "High", "Strong", "Warm", "Change"});
    key(Qt::Key_Tab);
    QCOMPARE(focused(), button(2));
    key(Qt::Key_Return);
    typeInstance({"Sunny", "Warm", "High", "Strong", "Cool", "Change"});
    key(Qt::Key_Return);
    QVERIFY(m_boxes.shown.isEmpty());
    QCOMPARE(itemsOf(list(1)), (QStringList{"Sunny,?,?,?,?,?", "?,Warm,?,?,?,?"}));
    QCOMPARE(itemsOf(list(2)), QStringList{"Sunny,Warm,?,Strong,?,?"});
    QCOMPARE(itemsOf(list(3)), (QStringList{"Sunny,Warm,Normal,Strong,Warm,Same,+",
                                            "Sunny,Warm,High,Strong,Warm,Same,+",
                                            "Rainy,Cold,High,Strong,Warm,Change,-",
                                            "Sunny,Warm,High,Strong,Cool,Change,+"}));
    QCOMPARE(itemsOf(list(4)),
             (QStringList{"Sunny,Warm,?,?,?,?", "Sunny,?,?,Strong,?,?", "?,Warm,?,Strong,?,?"}));

    field("Text2", 1)->setFocus();
    typeInstance({"Sunny", "Warm", "Normal", "Strong", "Cool", "Change"});
    key(Qt::Key_Return);
    field("Text2", 1)->setFocus();
    typeInstance({"Rainy", "Cold", "Normal", "Light", "Warm", "Same"});
    key(Qt::Key_Return);
    QCOMPARE(m_boxes.shown, (QStringList{"Result: Your Data is Positive , Result is +",
                                         "Result: Your Data is Negative ,Result is -"}));
    QCOMPARE(focusedName(), QStringLiteral("Text2_1"));
    QCOMPARE(field("Text2", 6)->text(), QStringLiteral("Same"));
}

void WindowTest::clearKeepsFocusAndEmptiesEverything()
{
    typeInstance({"a", "b", "c", "d", "e", "f"});
    key(Qt::Key_Return);
    field("Text2", 1)->setText(QStringLiteral("u"));
    field("Text1", 3)->setText(QStringLiteral("v"));
    QTest::mouseClick(button(6), Qt::LeftButton);
    QCOMPARE(focusedName(), QStringLiteral("Command6"));
    for (int i = 1; i <= 6; ++i) {
        QVERIFY(field("Text1", i)->text().isEmpty());
        QVERIFY(field("Text2", i)->text().isEmpty());
    }
    QCOMPARE(itemsOf(list(1)), QStringList{"?,?,?,?,?,?"});
    QCOMPARE(itemsOf(list(2)), QStringList{"0,0,0,0,0,0"});
    QCOMPARE(list(3)->count() + list(4)->count(), 0);
    QVERIFY(!button(2)->isEnabled());
}

void WindowTest::exportWritesTheBytes()
{
    QTest::mouseClick(button(4), Qt::LeftButton);
    QFile file(exportPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray());
    file.close();

    // A quotation mark and non-ASCII text are written as they stand, in UTF-8.
    const QStringList values{"Say \"hi\"", "s\u00fbr", "c", "d", "e", "f"};
    for (int i = 1; i <= 6; ++i)
        field("Text1", i)->setText(values[i - 1]);
    button(1)->click();
    field("Text1", 1)->setText(QStringLiteral("x"));
    for (int i = 2; i <= 6; ++i)
        field("Text1", i)->setText(values[i - 1]);
    button(2)->click();
    QTest::mouseClick(button(4), Qt::LeftButton);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\"Say \"hi\",s\xC3\xBBr,?,?,?,?\"\r\n"
                                        "\"Say \"hi\",?,c,?,?,?\"\r\n"
                                        "\"Say \"hi\",?,?,d,?,?\"\r\n"
                                        "\"Say \"hi\",?,?,?,e,?\"\r\n"
                                        "\"Say \"hi\",?,?,?,?,f\"\r\n"));
    file.close();
    QCOMPARE(m_boxes.shown, (QStringList{"Text File: Your TextFile Generate in Desktop is Hypothesis.txt",
                                         "Text File: Your TextFile Generate in Desktop is Hypothesis.txt"}));

    // Fewer rows replace the whole file.
    button(6)->click();
    QTest::mouseClick(button(4), Qt::LeftButton);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.size(), 0);
}

void WindowTest::exportFailure_data()
{
    QTest::addColumn<QString>("blocker"); // what stands where a folder or the file should be
    QTest::newRow("desktop is a file") << QStringLiteral("Desktop");
}

void WindowTest::exportFailure()
{
    QFETCH(QString, blocker);
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.path());
    QFile file(m_dir.filePath(blocker));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    button(1)->click();
    const QStringList lists = itemsOf(list(1)) + itemsOf(list(2)) + itemsOf(list(3));
    QTest::mouseClick(button(4), Qt::LeftButton);
    QCOMPARE(m_boxes.shown.size(), 1);
    QVERIFY2(m_boxes.shown[0].startsWith(QStringLiteral("Text File: The hypothesis file ")
                                         + QDir::toNativeSeparators(exportPath())
                                         + QStringLiteral(" could not be written: ")),
             qPrintable(m_boxes.shown[0]));
    QCOMPARE(itemsOf(list(1)) + itemsOf(list(2)) + itemsOf(list(3)), lists);
    QVERIFY(m_form->isVisible());
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.path());
}

void WindowTest::realMessageBox()
{
    Form1 form(exportPath()); // real modal boxes
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QString seen;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        seen = box->windowTitle() + QStringLiteral(": ") + box->text();
        if (box->icon() != QMessageBox::Information || box->buttons().size() != 1
            || box->standardButtons() != QMessageBox::Ok)
            seen += QStringLiteral(" (wrong icon or buttons)");
        box->button(QMessageBox::Ok)->click();
    });
    poll.start(10);
    QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("Command3")), Qt::LeftButton);
    QCOMPARE(seen, QStringLiteral("Cannot Predict: Please input Data to Learning Before Predicting Unseen Data"));
    QVERIFY(form.focusWidget());
    QCOMPARE(form.focusWidget()->objectName(), QStringLiteral("Text2_1"));
}

void WindowTest::awkwardValuesKeptByteForByte_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("100,000 characters") << QString(99999, QLatin1Char('x')) + QLatin1Char('y');
    QTest::newRow("leading and trailing blanks") << QStringLiteral("  both ends  ");
    QTest::newRow("tabs and control characters") << QStringLiteral("a\tb\x01c\x1f\x7f");
    QTest::newRow("Thai") << QStringLiteral("\u0E20\u0E32\u0E29\u0E32\u0E44\u0E17\u0E22");
    QTest::newRow("accented") << QStringLiteral("Cr\u00E8me br\u00FBl\u00E9e");
    QTest::newRow("emoji") << QStringLiteral("\U0001F600\U0001F44D\U0001F3FD");
    QTest::newRow("combining marks") << QStringLiteral("e\u0301a\u0308\u0E01\u0E34");
    QTest::newRow("quotes and commas") << QStringLiteral("\"a\",b");
}

// Pasted into a field, learnt, shown, predicted and exported without a byte changed.
void WindowTest::awkwardValuesKeptByteForByte()
{
    QFETCH(QString, value);
    QApplication::clipboard()->setText(value);
    field("Text1", 1)->setFocus();
    QTest::keyClick(focused(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field("Text1", 1)->text(), value);
    const QStringList rest{"b", "c", "d", "e", "f"};
    for (int i = 2; i <= 6; ++i)
        field("Text1", i)->setText(rest[i - 2]);
    button(1)->click();
    const QString tail = QStringLiteral(",b,c,d,e,f");
    QCOMPARE(itemsOf(list(2)), QStringList{value + tail});
    QCOMPARE(itemsOf(list(3)), QStringList{value + tail + QStringLiteral(",+")});

    field("Text1", 1)->setText(QStringLiteral("x"));
    for (int i = 2; i <= 6; ++i)
        field("Text1", i)->setText(rest[i - 2]);
    button(2)->click();
    QCOMPARE(itemsOf(list(1)), QStringList{value + QStringLiteral(",?,?,?,?,?")});

    field("Text2", 1)->setFocus();
    QTest::keyClick(focused(), Qt::Key_V, Qt::ControlModifier);
    for (int i = 2; i <= 6; ++i)
        field("Text2", i)->setText(rest[i - 2]);
    button(3)->click();
    QCOMPARE(m_boxes.shown.value(0), QStringLiteral("Result: Your Data is Positive , Result is +"));
    QCOMPARE(field("Text2", 1)->text(), value);

    button(4)->click();
    QByteArray expected;
    for (const char *row : {",b,?,?,?,?", ",?,c,?,?,?", ",?,?,d,?,?", ",?,?,?,e,?", ",?,?,?,?,f"})
        expected += '"' + value.toUtf8() + row + "\"\r\n";
    QFile file(exportPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), expected);
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
