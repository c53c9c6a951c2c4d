// Thousands of Calculates on the real window with whatever a user might type or
// paste. After each one the window must be alive, every entry must hold exactly what
// was put there, and each result field must hold a finite number or nothing.

#include "calc/numtext.h"
#include "ui/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <random>

namespace {

// Closes every message box as soon as it is shown, and counts them.
class DialogCloser : public QObject {
public:
    int closed = 0;
    qsizetype longestMessage = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                ++closed;
                longestMessage = std::max(longestMessage, box->text().size());
                QMetaObject::invokeMethod(
                    box, [box] { box->done(QMessageBox::Ok); }, Qt::QueuedConnection);
            }
        }
        return false;
    }
};

QString randomText(std::mt19937& rng) {
    const auto pick = [&](int n) {
        return static_cast<int>(rng() % n);
    };
    const auto number = [&] {
        std::uniform_real_distribution<double> d(-100, 30000);
        return QString::number(d(rng), 'g', 1 + pick(17));
    };
    switch (pick(30)) {
    case 0:
        return QString();
    case 1:
        return QString("abc").repeated(1 + pick(3));
    case 2:
        return QString("1e%1").arg(pick(700) - 350); // extreme magnitudes
    case 3:
        return QString::fromUtf8("１８．４");
    case 4:
        return QString("1\n2\t\x01") + number();
    case 5:
        return QString::fromUtf8("\u202E") + number() + QString::fromUtf8("\u200F");
    case 6:
        return QString::fromUtf8("🔥") + number();
    case 7:
        return " " + number() + " ";
    default:
        return number(); // most entries are numbers, so most Calculates compute
    }
}

QtMessageHandler qtHandler = nullptr;

// The offscreen platform warns on every message box it shows; ten thousand of those
// would bury the figures this test prints.
void dropPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith("This plugin does not support"))
        qtHandler(type, context, text);
}

} // namespace

class Form1SoakTest : public QObject {
    Q_OBJECT

private slots:
    void tenThousandCalculatesWithRandomEntries() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        qtHandler = qInstallMessageHandler(dropPlatformNoise);
        DialogCloser closer;
        qApp->installEventFilter(&closer);

        QList<QLineEdit*> entries;
        for (int i = 1; i <= 11; ++i)
            entries << form.findChild<QLineEdit*>(QString("Text%1").arg(i));
        QList<QLineEdit*> results;
        for (int i = 12; i <= 14; ++i)
            results << form.findChild<QLineEdit*>(QString("Text%1").arg(i));
        auto* calculate = form.findChild<QPushButton*>("Command1");

        std::mt19937 rng(4242);
        const QString paste(1 << 20, QChar('7'));
        int computed = 0;
        constexpr int runs = 10000;
        for (int run = 0; run < runs; ++run) {
            QStringList typed;
            for (QLineEdit* e : entries) {
                // a 1 MiB paste now and then, into any entry
                typed << (run % 2000 == 1999 && e == entries[run % 11] ? paste + "x"
                                                                       : randomText(rng));
                e->setText(typed.back());
            }
            calculate->click();

            QVERIFY(form.isVisible());
            for (int i = 0; i < entries.size(); ++i)
                QVERIFY2(entries[i]->text() == typed[i], qPrintable(QString("run %1").arg(run)));
            bool allShown = true;
            for (QLineEdit* r : results) {
                if (r->text().isEmpty()) {
                    allShown = false;
                    continue;
                }
                const std::optional<double> v = parseNumber(r->text().toStdString(), U'.');
                QVERIFY2(v && std::isfinite(*v), qPrintable(r->text()));
            }
            computed += allShown;
        }
        qInfo("%d Calculates, %d computed, %d messages closed, longest message %lld chars", runs,
              computed, closer.closed, static_cast<long long>(closer.longestMessage));
        qInstallMessageHandler(qtHandler);
        QCOMPARE(computed + closer.closed, runs);
        QVERIFY(computed > runs / 20);
        QVERIFY(closer.longestMessage < 200);
    }
};

QTEST_MAIN(Form1SoakTest)
#include "form1_soak_test.moc"
