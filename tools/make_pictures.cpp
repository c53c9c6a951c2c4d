// Draws the window's pictures into ui/pictures/: the three formula lines (at 1x and
// 2x), the two decorative pictures and the application icon; and the icon's hicolor
// sizes into packaging/icons/. Usage: make_pictures [PICTURES_DIR [ICONS_DIR]]. Run by hand after a
// change to what they show; the build only embeds the files it wrote.

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextDocument>

namespace {

// One formula as rich text: raised and lowered parts, the cube root over s^n.
QString formulaHtml(const QString& factor, const QString& divisor) {
    return QStringLiteral("Δ<i>t</i> = <i>t</i><sub>KOH</sub> + %1 <sup>3</sup>√<span "
                          "style='text-decoration:overline'><i>s</i><sup><i>n</i></sup></span>"
                          " / %2<i>α</i><sup><i>y</i></sup><i>H</i><sup><i>A</i><sup><i>n</i>"
                          "</sup></sup>")
        .arg(factor, divisor);
}

void writeFormula(const QString& dir, const QString& name, const QString& html, QSize size) {
    for (int scale : {1, 2}) {
        QImage image(size * scale, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QTextDocument doc;
        doc.setDocumentMargin(0);
        QFont font({"DejaVu Serif", "Noto Serif CJK SC"});
        // The largest size whose line fits the picture with a small margin.
        for (int px = 13; px > 6; --px) {
            font.setPixelSize(px);
            doc.setDefaultFont(font);
            doc.setHtml(html);
            if (doc.idealWidth() <= size.width() - 4 && doc.size().height() <= size.height() + 2)
                break;
        }
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(scale, scale);
        p.translate((size.width() - doc.idealWidth()) / 2,
                    (size.height() - doc.size().height()) / 2);
        doc.drawContents(&p);
        p.end();
        image.save(dir + "/" + name + (scale == 2 ? "@2x.png" : ".png"));
    }
}

// A quiet pattern of rising flue-gas curves, pale enough to sit behind captions.
void writeDecoration(const QString& path, QSize size, QColor from, QColor to) {
    QImage image(size, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, size.width(), size.height());
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    p.fillRect(image.rect(), g);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.5));
    for (int i = 0; i < 6; ++i) {
        QPainterPath wave;
        const double y = size.height() * (0.2 + 0.13 * i);
        wave.moveTo(0, y);
        wave.cubicTo(size.width() * 0.3, y - 14, size.width() * 0.6, y + 14, size.width(), y - 6);
        p.drawPath(wave);
    }
    p.end();
    image.save(path);
}

// A drop of condensate on a flue-gas blue disc.
void writeIcon(const QString& path, int side) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 64.0, side / 64.0);
    QRadialGradient disc(32, 26, 34);
    disc.setColorAt(0, QColor(96, 150, 200));
    disc.setColorAt(1, QColor(34, 70, 120));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(QRectF(2, 2, 60, 60));
    QPainterPath drop;
    drop.moveTo(32, 12);
    drop.cubicTo(40, 26, 46, 32, 46, 40);
    drop.arcTo(QRectF(18, 26, 28, 28), 0, -180);
    drop.cubicTo(18, 32, 24, 26, 32, 12);
    p.setBrush(QColor(240, 200, 80));
    p.drawPath(drop);
    p.end();
    image.save(path);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("ui/pictures");
    QDir().mkpath(dir);
    writeFormula(dir, "formula1", formulaHtml("201.5", "1.25"), {192, 23});
    writeFormula(dir, "formula2", formulaHtml("125", "1.05"), {192, 25});
    writeFormula(dir, "formula3", formulaHtml("201.5", "1.23"), {192, 23});
    writeDecoration(dir + "/background.png", {240, 101}, QColor(226, 234, 242),
                    QColor(242, 244, 246));
    writeDecoration(dir + "/decoration.png", {192, 81}, QColor(214, 226, 238),
                    QColor(238, 242, 246));
    writeIcon(dir + "/icon.png", 64);
    writeIcon(dir + "/icon@2x.png", 128);
    // The hicolor sizes of the installed icon, beside its SVG.
    const QString icons = argc > 2 ? QString::fromLocal8Bit(argv[2]) : "packaging/icons";
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        writeIcon(QString("%1/%2.png").arg(icons).arg(side), side);
    return 0;
}
