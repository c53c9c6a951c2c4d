#include "ui/form1.h"

#include <QApplication>
#include <QGroupBox>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <QToolTip>

#include <memory>

namespace {

// The caption, default text or label text a control shows; empty for a picture.
QString shownText(QWidget* w) {
    if (auto* box = qobject_cast<QGroupBox*>(w))
        return box->title();
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* button = qobject_cast<QPushButton*>(w))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    return {};
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> form;
    QTimer strayDialogGuard;
    QStringList strayDialogs;
    bool expectDialog = false;
    QString dialogText;

    template <class T = QWidget> T* child(const QString& name) {
        T* w = form->findChild<T*>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    QStringList results() {
        return {child<QLineEdit>("Text12")->text(), child<QLineEdit>("Text13")->text(),
                child<QLineEdit>("Text14")->text()};
    }
    QStringList entries() {
        QStringList texts;
        for (int i = 1; i <= 11; ++i)
            texts << child<QLineEdit>(QString("Text%1").arg(i))->text();
        return texts;
    }
    // Closes the message box that the next action is expected to open.
    void closeNextDialog() {
        expectDialog = true;
        dialogText.clear();
    }

private slots:
    void initTestCase() {
        // Any modal dialog a test did not ask for is closed and reported, so a
        // stray message can neither hang the run nor pass unseen.
        strayDialogGuard.setInterval(20);
        connect(&strayDialogGuard, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (expectDialog)
                dialogText = box->text();
            else
                strayDialogs << box->text();
            expectDialog = false;
            box->done(QMessageBox::Ok);
        });
        strayDialogGuard.start();
    }

    void init() {
        form = std::make_unique<Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    void cleanup() {
        form.reset();
        QVERIFY2(strayDialogs.isEmpty(), qPrintable(strayDialogs.join(" | ")));
    }

    void controlsArePlacedAsDesigned_data() {
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const char* container, QRect g, const char* text) {
            QTest::newRow(name) << QString(container) << g << QString::fromUtf8(text);
        };
        row("Frame1", "Form1", {24, 16, 369, 353}, "烟气资料");
        row("Frame2", "Form1", {400, 16, 401, 129}, "锅炉资料");
        row("Frame3", "Form1", {400, 152, 401, 137}, "烟气酸露点温度");
        row("Command1", "Form1", {408, 296, 185, 33}, "计算");
        row("Command3", "Form1", {408, 344, 185, 33}, "退出");
        row("Image4", "Form1", {608, 296, 192, 81}, "");
        row("Label1", "Frame1", {16, 32, 113, 17}, "全水分（Mt）");
        row("Text1", "Frame1", {248, 32, 73, 25}, "18.4");
        row("Label9(0)", "Frame1", {328, 32, 17, 25}, "%");
        row("Label2", "Frame1", {16, 71, 145, 17}, "收到基灰分（Aar）");
        row("Text2", "Frame1", {248, 71, 73, 25}, "6.79");
        row("Label9(1)", "Frame1", {328, 71, 17, 25}, "%");
        row("Label3", "Frame1", {16, 111, 129, 17}, "收到基碳（Car）");
        row("Text3", "Frame1", {248, 111, 73, 25}, "60.88");
        row("Label9(3)", "Frame1", {328, 111, 17, 25}, "%");
        row("Label4", "Frame1", {16, 151, 129, 17}, "收到基氢（Har）");
        row("Text4", "Frame1", {248, 151, 73, 25}, "3.49");
        row("Label9(4)", "Frame1", {328, 151, 17, 25}, "%");
        row("Label5", "Frame1", {16, 191, 121, 17}, "收到基氧（Oar）");
        row("Text5", "Frame1", {248, 191, 73, 25}, "9.46");
        row("Label9(5)", "Frame1", {328, 191, 17, 25}, "%");
        row("Label6", "Frame1", {16, 231, 129, 25}, "收到基氮（Nar）");
        row("Text6", "Frame1", {248, 231, 73, 25}, "0.7");
        row("Label9(7)", "Frame1", {328, 231, 17, 25}, "%");
        row("Label7", "Frame1", {16, 271, 137, 17}, "收到基硫（St,ar）");
        row("Text7", "Frame1", {248, 271, 73, 25}, "0.33");
        row("Label9(6)", "Frame1", {328, 271, 17, 25}, "%");
        row("Label8", "Frame1", {16, 311, 225, 17}, "收到基低位发热量（Qet,ar）");
        row("Text8", "Frame1", {248, 311, 73, 25}, "23570.0");
        row("Label10", "Frame1", {328, 312, 41, 25}, "kJ/kg");
        row("Label11", "Frame2", {8, 32, 225, 33}, "除尘器出口空气过量系数（α）");
        row("Text9", "Frame2", {304, 24, 65, 25}, "1.4");
        row("Label12", "Frame2", {8, 64, 209, 25}, "SO2转化系数（Ks）");
        row("Text10", "Frame2", {304, 56, 65, 25}, "0.9");
        row("Label13", "Frame2", {8, 96, 153, 25}, "飞灰系数（Ka）");
        row("Text11", "Frame2", {304, 88, 65, 25}, "0.7");
        row("Label14", "Frame3", {16, 24, 57, 25}, "公式一");
        row("Text12", "Frame3", {96, 24, 65, 25}, "");
        row("Label17(0)", "Frame3", {168, 24, 33, 25}, "℃");
        row("Image1", "Frame3", {200, 24, 192, 23}, "");
        row("Label15", "Frame3", {16, 64, 57, 25}, "公式二");
        row("Text13", "Frame3", {96, 64, 65, 25}, "");
        row("Label17(1)", "Frame3", {168, 64, 33, 25}, "℃");
        row("Image2", "Frame3", {200, 64, 192, 25}, "");
        row("Label16", "Frame3", {16, 104, 49, 17}, "公式三");
        row("Text14", "Frame3", {96, 104, 65, 25}, "");
        row("Label17(2)", "Frame3", {168, 104, 33, 25}, "℃");
        row("Image3", "Frame3", {200, 104, 192, 23}, "");
    }

    void controlsArePlacedAsDesigned() {
        QFETCH(QString, container);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QWidget* w = child(QTest::currentDataTag());
        QCOMPARE(w->parentWidget()->objectName(), container);
        QCOMPARE(w->geometry(), geometry);
        const QPixmap picture =
            qobject_cast<QLabel*>(w) ? child<QLabel>(QTest::currentDataTag())->pixmap() : QPixmap();
        if (!picture.isNull()) // shown at its natural size, never stretched
            QCOMPARE(picture.deviceIndependentSize(), QSizeF(geometry.size()));
        QCOMPARE(shownText(w), text);
    }

    // At 200 % the formulas come from their 2x drawings, so they stay crisp.
    void picturesMatchTheScreensPixelRatio() {
        for (const char* name : {"Image1", "Image2", "Image3"}) {
            const QPixmap p = child<QLabel>(name)->pixmap();
            const qreal expected = form->devicePixelRatioF() > 1 ? 2.0 : 1.0;
            QCOMPARE(p.devicePixelRatio(), expected);
            QCOMPARE(p.deviceIndependentSize().width(), 192.0);
        }
    }

    void windowHasItsCaptionFixedSizeAndBackground() {
        QCOMPARE(form->windowTitle(), QString("Tarnovel"));
        QCOMPARE(form->size(), QSize(834, 386));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        auto* background = child<QLabel>("Form1.Picture");
        QCOMPARE(background->geometry(), QRect(0, 0, 240, 101));
        QCOMPARE(background->pixmap().deviceIndependentSize(), QSizeF(240, 101));
        QVERIFY(!form->windowIcon().isNull());
    }

    void fontsFollowTheDesign() {
        for (const char* name : {"Label1", "Text1", "Text9", "Label11", "Frame1", "Frame3",
                                 "Command1", "Label17(2)", "Text14"}) {
            const QFont f = child(name)->font();
            QCOMPARE(f.families().value(0), QString("宋体"));
            QCOMPARE(f.pointSizeF(), 12.0);
        }
        QCOMPARE(child("Frame2")->font().pointSizeF(), 14.25);
        QCOMPARE(child("Label10")->font(), form->font());
    }

    // Every caption character must be drawn by a Song face that has it: no blanks
    // or boxes, and no sans or Japanese face standing in for the Chinese.
    void captionsAreDrawnBySongFaces() {
        const QStringList song = {"SimSun", "Noto Serif CJK SC", "AR PL UMing CN",
                                  "AR PL UMing TW MBE"};
        for (QWidget* w : form->findChildren<QWidget*>()) {
            const QString text = shownText(w);
            if (text.isEmpty() || qobject_cast<QLineEdit*>(w) || w->objectName() == "Label10")
                continue;
            QTextLayout layout(text, w->font());
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            for (const QGlyphRun& run : layout.glyphRuns()) {
                for (quint32 glyph : run.glyphIndexes())
                    QVERIFY2(glyph != 0, qPrintable(w->objectName() + ": " + text));
                bool han = false;
                for (QChar c : text)
                    han = han || c.script() == QChar::Script_Han;
                if (han && run.rawFont().familyName() != "DejaVu Sans")
                    QVERIFY2(
                        song.contains(run.rawFont().familyName()),
                        qPrintable(w->objectName() + " drawn by " + run.rawFont().familyName()));
            }
        }
    }

    void focusStartsInText1AndTabWalksTheEntries() {
        QCOMPARE(QApplication::focusWidget(), child("Text1"));
        const QStringList order = {"Text2",    "Text3",    "Text4", "Text5",  "Text6",
                                   "Text7",    "Text8",    "Text9", "Text10", "Text11",
                                   "Command1", "Command3", "Text1"};
        for (const QString& next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("Command3"));
    }

    void resultFieldsAreGreyedAndRefuseFocusAndTyping() {
        for (const char* name : {"Text12", "Text13", "Text14"}) {
            auto* field = child<QLineEdit>(name);
            QVERIFY(!field->isEnabled());
            field->setFocus();
            QVERIFY(QApplication::focusWidget() != field);
            QTest::keyClicks(field, "123");
            QCOMPARE(field->text(), QString());
        }
    }

    void onlyTheFlyAshCaptionHasATooltip() {
        for (QWidget* w : form->findChildren<QWidget*>())
            if (w->objectName() != "Label13")
                QVERIFY2(w->toolTip().isEmpty(), qPrintable(w->objectName()));
        QWidget* label = child("Label13");
        QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), label->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(label, &hover);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QString("循环流化床飞灰系数一般0.6-0.8，一般取0.7"));
    }

    void fieldsCarryTheirCaptionsForScreenReaders() {
        QCOMPARE(child("Text1")->accessibleName(), QString("全水分（Mt）"));
        QCOMPARE(child("Text11")->accessibleName(), QString("飞灰系数（Ka）"));
        QCOMPARE(child("Text13")->accessibleName(), QString("公式二"));
        QCOMPARE(child<QLabel>("Label7")->buddy(), child("Text7"));
        QVERIFY(child("Image2")->accessibleDescription().contains("1.05"));
    }

    void calculateWithTheDefaultsFillsTheResults() {
        QTest::mouseClick(child("Command1"), Qt::LeftButton);
        QCOMPARE(results(),
                 QStringList({"87.28481783477017", "86.55616282714003", "87.47689663904744"}));
        const QStringList first = results();
        child<QLineEdit>("Text7")->setText("2"); // editing leaves the results standing
        QCOMPARE(results(), first);
    }

    void fullWidthTypingCalculatesLikeAscii() {
        auto* moisture = child<QLineEdit>("Text1");
        moisture->clear();
        QInputMethodEvent typed;
        typed.setCommitString("１８．４");
        QApplication::sendEvent(moisture, &typed);
        QCOMPARE(moisture->text(), QString("１８．４"));
        QTest::mouseClick(child("Command1"), Qt::LeftButton);
        QCOMPARE(results().value(0), QString("87.28481783477017"));
        QCOMPARE(moisture->text(), QString("１８．４"));
    }

    void mistypedEntryIsReportedAndTheWindowGoesOn() {
        QTest::mouseClick(child("Command1"), Qt::LeftButton);
        child<QLineEdit>("Text7")->setText("0.3x");
        const QStringList typed = entries();
        closeNextDialog();
        QTest::mouseClick(child("Command1"), Qt::LeftButton);
        QVERIFY(dialogText.contains("收到基硫（St,ar）"));
        QVERIFY(dialogText.contains("“0.3x”"));
        QVERIFY(form->isVisible());
        QCOMPARE(entries(), typed);
        QCOMPARE(results(), QStringList({"", "", ""}));
        QCOMPARE(form->focusWidget(), child("Text7"));
        QTRY_COMPARE(QApplication::focusWidget(), child("Text7"));
    }

    void enterAndEscapeDoNothing() {
        QTest::keyClick(child("Text1"), Qt::Key_Return);
        QTest::keyClick(child("Text1"), Qt::Key_Escape);
        QVERIFY(form->isVisible());
        QCOMPARE(results(), QStringList({"", "", ""}));
        QVERIFY(!child<QPushButton>("Command1")->isDefault());
        QVERIFY(!child<QPushButton>("Command3")->isDefault());
    }

    void entriesTakeTextOfAnyLength() {
        const QString paste(100000, QChar('7'));
        child<QLineEdit>("Text8")->setText(paste);
        QCOMPARE(child<QLineEdit>("Text8")->text(), paste);
    }

    void exitButtonEndsTheEventLoop() {
        QTimer::singleShot(0, this,
                           [this] { QTest::mouseClick(child("Command3"), Qt::LeftButton); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); }); // must not be needed
        QCOMPARE(QApplication::exec(), 0);
    }

    void closingTheWindowEndsTheEventLoop() {
        QTimer::singleShot(0, form.get(), &QWidget::close);
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
