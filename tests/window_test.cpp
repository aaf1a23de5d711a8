#include "language.h"
#include "list_view.h"
#include "main_window.h"
#include "message_boxes.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

class WindowTest : public QObject, public vspace::MessageBoxes
{
    Q_OBJECT

    void information(QWidget *, const QString &text, const QString &title) override
    {
        m_shown += title + ": " + text;
    }
    QString focused() const { return QApplication::focusWidget()->objectName(); }
    QLineEdit *field(int array, int index)
    {
        return m_form->findChild<QLineEdit *>(QStringLiteral("Text%1_%2").arg(array).arg(index));
    }
    QPushButton *button(int n)
    {
        return m_form->findChild<QPushButton *>(QStringLiteral("Command%1").arg(n));
    }
    QStringList items(int n)
    {
        QStringList items;
        for (QListWidgetItem *item :
             m_form->findChild<QListWidget *>(QStringLiteral("List%1").arg(n))
                     ->findItems("*", Qt::MatchWildcard))
            items += item->text();
        return items;
    }
    void key(Qt::Key key) // by its code alone, as an input method may send it, without text
    {
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), key, QString(), {});
    }

    QTemporaryDir m_dir;
    QStringList m_shown; // "title: text"
    std::unique_ptr<vspace::MainWindow> m_form;

private slots:
    void init()
    {
        m_shown.clear();
        m_form = std::make_unique<vspace::MainWindow>(m_dir.filePath("Desktop/hypothesis.txt")
                                                              .toStdString(),
                                                      this);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }

    void startUpState()
    {
        QCOMPARE(focused(), "Text1_1");
        QCOMPARE(items(1) + items(2) + items(3) + items(4),
                 (QStringList{"?,?,?,?,?,?", "0,0,0,0,0,0"}));
        QVERIFY(!button(2)->isEnabled() && QFontInfo(button(1)->font()).bold());
        // The stored layout, 15 twips a pixel, in a face as wide as the stored one.
        QCOMPARE(QFontInfo(button(1)->font()).family(), "Liberation Sans");
        QCOMPARE(QList({button(1)->geometry(), field(2, 6)->geometry(),
                        m_form->findChild<QWidget *>("Frame2")->geometry(),
                        m_form->findChild<QWidget *>("List3")->geometry()}),
                 QList({QRect(232, 88, 97, 33), QRect(432, 24, 81, 25), QRect(440, 88, 265, 361),
                        QRect(8, 16, 249, 381)}));
        QCOMPARE(m_form->windowTitle() + QString::number(m_form->width())
                         + QString::number(m_form->height()),
                 "Form1712509");
        QStringList names;
        for (const char *name :
             {"Text1_3", "Text2_6", "List1", "List2", "List3", "List4", "Command6", "Frame2"})
            names += m_form->findChild<QWidget *>(name)->accessibleName();
        QCOMPARE(names, (QStringList{"Training value 3", "Unseen value 6", "General", "Specific",
                                     "Learning Data", "Version Space", "Clear", "Learning Data"}));
        // In English every caption fits the stored layout, in the stored font.
        for (QWidget *control :
             m_form->findChildren<QWidget *>(QRegularExpression("^(Command|Label)")))
            QVERIFY2(control->font().pointSizeF() == 8.25 && control->toolTip().isEmpty(),
                     qPrintable(control->objectName()));
        // Tab goes through the controls in the stored tab order, passing over a greyed Negative.
        QStringList order;
        for (int i = 0; i < 24; ++i, key(Qt::Key_Tab))
            order += focused();
        QCOMPARE(order.join(' '), "Text1_1 Text1_2 Text1_3 Text1_4 Text1_5 Text1_6 Command1 List1 "
                                  "List2 List3 List4 Command3 "
                                  "Text2_1 Text2_2 Text2_3 Text2_4 Text2_5 Text2_6 Command4 "
                                  "Command5 Command6 Text1_1 Text1_2 Text1_3");
        button(5)->click(); // Exit
        QVERIFY(!m_form->isVisible());
    }

    // Enter moves to the next field with its text selected, from the sixth field to the button
    // that uses the instance, and on a focused button presses it.
    void enterMovesOnThenPresses()
    {
        for (int array : {1, 2}) {
            for (int index = 1; index <= 5; ++index) {
                field(array, index + 1)->setText(index % 2 ? "x\U0001F44Dz" : ""); // 4 UTF-16 units
                field(array, index)->setFocus();
                key(array == 1 ? Qt::Key_Return : Qt::Key_Enter); // Enter on the keypad too
                QCOMPARE(focused() + field(array, index + 1)->selectedText(),
                         QStringLiteral("Text%1_%2").arg(array).arg(index + 1)
                                 + (index % 2 ? "x\U0001F44Dz" : ""));
            }
            key(Qt::Key_Return);
            QCOMPARE(focused(), array == 1 ? "Command1" : "Command3");
        }
        key(Qt::Key_Return);
        QCOMPARE(m_shown, QStringList{"Cannot Predict: Please input Data to Learning Before "
                                      "Predicting Unseen Data"});
        button(1)->setFocus();
        key(Qt::Key_Return);
        QCOMPARE(items(3), QStringList{",x\U0001F44Dz,,x\U0001F44Dz,,x\U0001F44Dz,+"});
        QCOMPARE(focused(), "Text1_1");
    }

    // A training press empties the training fields alone and focuses the first; Predict keeps the
    // unseen fields and focuses their first; Clear empties all twelve and keeps the focus.
    void fieldsAndFocusAfterEachPress()
    {
        const auto texts = [this](int array) {
            QString all;
            for (int i = 1; i <= 6; ++i)
                all += field(array, i)->text() + '|';
            return all;
        };
        for (int i = 1; i <= 6; ++i)
            field(1, i)->setText(QString::number(i)), field(2, i)->setText(QString::number(i));
        for (const auto &[press, training, unseen, focus] :
             {std::tuple(1, "||||||", "1|2|3|4|5|6|", "Text1_1"),
              std::tuple(3, "||||||", "1|2|3|4|5|6|", "Text2_1"),
              std::tuple(6, "||||||", "||||||", "Command6")}) {
            button(press)->setFocus();
            key(Qt::Key_Space);
            QCOMPARE(texts(1) + texts(2) + focused(), training + QString(unseen) + focus);
        }
    }

    // Ctrl+Z undoes what was typed in a field since the last press, then the press, the focus
    // going back to where it was; Ctrl+Shift+Z and Ctrl+Y do it again; a new press forgets it.
    void undoAndRedo()
    {
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
        const auto chord = [](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        };
        for (int i = 1; i <= 6; ++i)
            field(1, i)->setText(QString::number(i));
        button(1)->setFocus();
        key(Qt::Key_Space);
        QTest::keyClicks(field(1, 1), "typed");
        const QStringList learnt{"1,2,3,4,5,6,+"};
        for (const auto &[keyPressed, modifiers, data, first, focus] :
             {std::tuple(Qt::Key_Z, ctrl, learnt, "", "Text1_1"),
              std::tuple(Qt::Key_Z, ctrl, QStringList{}, "1", "Command1"),
              std::tuple(Qt::Key_Z, ctrl, QStringList{}, "1", "Command1"),
              std::tuple(Qt::Key_Z, ctrl | shift, learnt, "", "Text1_1"),
              std::tuple(Qt::Key_Z, ctrl, QStringList{}, "1", "Command1"),
              std::tuple(Qt::Key_Y, ctrl, learnt, "", "Text1_1")}) {
            chord(keyPressed, modifiers);
            QCOMPARE(items(3) << field(1, 1)->text() << focused(), QStringList(data)
                                                                           << first << focus);
        }
        QCOMPARE(items(2), QStringList{"1,2,3,4,5,6"});
        chord(Qt::Key_Z, ctrl);
        button(6)->click();
        chord(Qt::Key_Y, ctrl);
        QCOMPARE(items(3) << field(1, 1)->text(), QStringList{""});
        chord(Qt::Key_Z, ctrl);
        QCOMPARE(field(1, 1)->text(), "1");
        // Typed in a field the press leaves as it is: Ctrl+Z there undoes the press, not the typing.
        const QStringList before = items(3);
        for (int i = 1; i <= 6; ++i)
            field(1, i)->setText(QString::number(i + 10));
        QTest::keyClicks(field(2, 1), "x");
        button(1)->click();
        field(2, 1)->setFocus();
        chord(Qt::Key_Z, ctrl);
        QCOMPARE(items(3) << field(2, 1)->text(), before + QStringList{"x"});
    }

    void awkwardValuesKeptByteForByte_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("100,000 characters") << QString(99999, 'x') + 'y';
        QTest::newRow("blanks, controls, quotes, commas") << QStringLiteral("  \"a\",\tb\x01\x7f ");
        QTest::newRow("Thai, marks, emoji")
                << QStringLiteral("\u0E20\u0E32\u0E29\u0E32e\u0301\U0001F44D\U0001F3FD");
    }

    // Pasted, learnt, shown, predicted and exported without a byte changed.
    void awkwardValuesKeptByteForByte()
    {
        QFETCH(QString, value);
        QApplication::clipboard()->setText(value);
        for (const auto &[array, second, press] :
             {std::tuple(1, "c", 1), std::tuple(1, "x", 2), std::tuple(2, "c", 3)}) {
            field(array, 1)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
            for (int i = 2; i <= 6; ++i)
                field(array, i)->setText(i == 2 ? second : QString(QChar('a' + i)));
            button(press)->click();
        }
        button(4)->click();
        QCOMPARE(items(3), (QStringList{value + ",c,d,e,f,g,+", value + ",x,d,e,f,g,-"}));
        QCOMPARE(field(2, 1)->text(), value);
        QFile file(m_dir.filePath("Desktop/hypothesis.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), "\"" + value.toUtf8()
                                         + ",c,?,?,?,?\"\r\n\"?,c,d,?,?,?\"\r\n\"?,c,?,e,?,?"
                                           "\"\r\n\"?,c,?,?,f,?\"\r\n\"?,c,?,?,?,g\"\r\n");
        QCOMPARE(m_shown,
                 (QStringList{"Result: Your Data is Positive , Result is +",
                              "Text File: Your TextFile Generate in Desktop is Hypothesis.txt"}));
    }

    void rowsReadableInWhatTheWindowShows_data()
    {
        QTest::addColumn<int>("examples");
        QTest::addColumn<int>("longValue"); // the length of the first value of example 3
        QTest::newRow("EnjoySport, every row whole") << 4 << 0;
        QTest::newRow("40 examples, one value of 200 characters") << 40 << 200;
    }

    // Every row lies in its list's visible part, no wider than it, whole or elided with its end
    // kept; the newest learning-data entry and the scroll bars lie inside the frame.
    void rowsReadableInWhatTheWindowShows()
    {
        QFETCH(int, examples);
        QFETCH(int, longValue);
        const QStringList enjoySport{"Sunny Warm Normal Strong Warm Same",
                                     "Sunny Warm High Strong Warm Same",
                                     "Rainy Cold High Strong Warm Change",
                                     "Sunny Warm High Strong Cool Change"};
        for (int i = 0; i < examples; ++i) {
            QStringList values
                    = enjoySport.value(i, QStringLiteral("R%1 Cold High Strong Warm Change").arg(i))
                              .split(' ');
            values[0] = i == 2 && longValue ? QString(longValue, 'L') : values[0];
            for (int a = 1; a <= 6; ++a)
                field(1, a)->setText(values[a - 1]);
            button(values[1] == "Cold" ? 2 : 1)->click();
        }
        for (auto *list : m_form->findChildren<QListWidget *>()) {
            const QRect shown(list->viewport()->mapTo(list->parentWidget(), QPoint()),
                              list->viewport()->size());
            QVERIFY(list->parentWidget()->rect().contains(shown));
            const int margins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
            for (int i = 0; i < list->count(); ++i) {
                const QRect row = list->visualItemRect(list->item(i));
                const QString text = list->item(i)->text(),
                              elided = list->fontMetrics().elidedText(text, list->textElideMode(),
                                                                      row.width() - margins);
                QVERIFY2(row.right() < shown.width() && (longValue || elided == text)
                                 && elided.right(2) == text.right(2),
                         qPrintable(elided));
            }
        }
        // List3's border around the part the frame shows, its rows and scroll bar inside it.
        auto *list3 = m_form->findChild<QListWidget *>("List3");
        const QRect shown3 = list3->mask().boundingRect();
        const auto *border = list3->findChild<QFrame *>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(border->geometry(), shown3);
        const int f = border->frameWidth();
        QVERIFY(shown3.adjusted(f, f, -f, -f).contains(list3->viewport()->geometry()));
        QVERIFY(list3->viewport()->rect().contains(
                list3->visualItemRect(list3->item(examples - 1))));
        for (auto *bar : list3->findChildren<QScrollBar *>()) {
            QVERIFY(!bar->isVisible()
                    || (shown3.contains(QRect(bar->mapTo(list3, QPoint()), bar->size()))
                        && bar->value() == bar->maximum()));
        }
    }

    void languageFromTheEnvironment_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("languages");
        QTest::newRow("LANG") << QStringList{"LANG=de_DE.UTF-8"} << QStringList{"de_DE", "de"};
        QTest::newRow("C ignores LANGUAGE")
                << QStringList{"LANG=C.UTF-8", "LANGUAGE=de"} << QStringList{};
        QTest::newRow("POSIX") << QStringList{"LC_ALL=POSIX", "LANG=de_DE"} << QStringList{};
        QTest::newRow("LC_ALL first") << QStringList{"LC_ALL=es_ES", "LC_MESSAGES=th", "LANG=de"}
                                      << QStringList{"es_ES", "es"};
        QTest::newRow("LC_MESSAGES next")
                << QStringList{"LC_MESSAGES=th_TH@x", "LANG=de"} << QStringList{"th_TH", "th"};
        QTest::newRow("LANGUAGE orders") << QStringList{"LANG=th_TH.UTF-8", "LANGUAGE=fr::de_AT:th"}
                                         << QStringList{"fr", "de_AT", "de", "th"};
    }

    void languageFromTheEnvironment()
    {
        QFETCH(QStringList, environment);
        QStringList got;
        for (const std::string &language : vspace::preferredLanguages([&](const char *name) {
                 return environment.filter(QString(name) + '=')
                         .value(0)
                         .section('=', 1)
                         .toStdString();
             }))
            got += QString::fromStdString(language);
        QTEST(got, "languages");
    }

    // Each language loads and translates every text of the catalog, with nothing unfinished or
    // obsolete left in its source; the desktop entry and the metainfo carry the same translations.
    void translationsCoverEveryText_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"de", "es", "th"})
            QTest::newRow(language) << language;
    }

    void translationsCoverEveryText()
    {
        QFETCH(QString, language);
        QCOMPARE(vspace::installTranslation({"en_GB", language.toStdString()},
                                            {VSPACE_TRANSLATIONS_DIR}),
                 QString());
        QCOMPARE(vspace::installTranslation({language.toStdString() + "_XX"},
                                            {VSPACE_TRANSLATIONS_DIR}),
                 language);
        const auto read = [](const QString &path) {
            QFile file(QStringLiteral(VSPACE_SOURCE_DIR "/") + path);
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        const QString source = read("translations/vspace_" + language + ".ts");
        QVERIFY(!source.isEmpty()
                && !source.contains(QRegularExpression("unfinished|obsolete|vanished")));
        // The placeholders %1 to %9 a text is filled through, sorted.
        const auto placeholders = [](const QString &text) {
            QStringList found;
            for (const QRegularExpressionMatch &match :
                 QRegularExpression("%[1-9]").globalMatch(text))
                found += match.captured();
            found.sort();
            return found;
        };
        QSet<QString> texts;
        for (int id = 0; id < vspace::kTextCount; ++id) {
            const auto &entry = vspace::catalogEntry(static_cast<vspace::Text>(id));
            texts += QString(entry.context) + entry.english;
            QCOMPARE(placeholders(vspace::translated(static_cast<vspace::Text>(id))),
                     placeholders(entry.english));
            QVERIFY2(vspace::translated(static_cast<vspace::Text>(id)) != entry.english
                             || QString(entry.english)
                                        .contains(QRegularExpression("^(OK|General|%1|%1: %2)$")),
                     entry.english);
        }
        QCOMPARE(source.count("<message"), texts.size());
        QVERIFY(read("desktop/org.vspace.vspace.desktop")
                        .contains(
                                QStringLiteral("Comment[%1]=%2\n")
                                        .arg(language, vspace::translated(vspace::Text::Comment))));
        QVERIFY(read("desktop/org.vspace.vspace.metainfo.xml")
                        .contains(
                                QStringLiteral("<summary xml:lang=\"%1\">%2<")
                                        .arg(language, vspace::translated(vspace::Text::Summary))));
        for (QTranslator *translator : QCoreApplication::instance()->findChildren<QTranslator *>())
            QCoreApplication::removeTranslator(translator), delete translator;
    }

    void rowToolTipEscapedAndBroken()
    {
        QVERIFY(vspace::rowToolTip(QString(2500, 'a') + QString(2500, 'b'), 9999)
                        .contains(QString(2000, 'a') + QChar(0x2026) + QString(2000, 'b') + "</p>"));
        QCOMPARE(vspace::rowToolTip("<b>&amp;\"x\"", 4),
                 R"(<p style="white-space:pre-wrap">&lt;b&gt;&amp;)"
                 "\u200Bamp;\u200B&quot;x&quot;</p>");
    }

    void messageBoxWideEnoughForItsTitle()
    {
        int width = 0;
        QString name;
        bool plain = false;
        QTimer::singleShot(100, this, [&] {
            width = QApplication::activeModalWidget()->width(),
            name = QApplication::activeModalWidget()->objectName();
            plain = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())->textFormat()
                    == Qt::PlainText;
            QApplication::activeModalWidget()->close();
        });
        vspace::ModalMessageBoxes().information(m_form.get(), "Duplicate Data", "Data not correct");
        QVERIFY2(width >= QFontMetrics(QApplication::font()).horizontalAdvance("Data not correct")
                                  + 96,
                 qPrintable(QString::number(width)));
        QCOMPARE(name, "MessageBox"); // what accessibility tools and the desktop tests find it by
        QVERIFY(plain);               // a value typed is never read as markup
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
