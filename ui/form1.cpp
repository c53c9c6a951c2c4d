#include "ui/form1.h"

#include "app/end_program.h"
#include "ui/controls.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>
#include <limits>
#include <vector>

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

// To the nearest logical pixel: some rows sit at a third of a pixel.
int pixels(int twips) {
    return (twips * 2 + twipsPerPixel) / (twipsPerPixel * 2);
}

// fontconfig knows "宋体" by no name, so the face comes from a list of Song/Ming
// faces that draw Simplified Chinese, α and ℃, with Chinese glyph forms whatever the
// locale. AR PL UMing comes before Noto Serif CJK: it has SimSun's metrics (a 16 px
// line at 12 pt, half-width Latin), which the 17 px caption boxes were laid out for;
// Noto's 23 px line would be clipped and its wider Latin would wrap captions.
QFont songFont(double points) {
    QFont f;
    f.setFamilies({"宋体", "SimSun", "AR PL UMing CN", "Noto Serif CJK SC"});
    f.setPointSizeF(points);
    f.setWeight(QFont::Normal);
    return f;
}

// The 2x drawing where the screen has the pixels for it; same logical size either way.
QPixmap picture(std::string_view resource, qreal ratio) {
    const QString path = qs(resource);
    if (ratio > 1) {
        QString hi = path;
        hi.insert(hi.lastIndexOf('.'), "@2x");
        if (QFile::exists(hi)) {
            QPixmap p(hi);
            p.setDevicePixelRatio(2);
            return p;
        }
    }
    return QPixmap(path);
}

QLabel* pictureBox(QWidget* parent, std::string_view resource) {
    auto* box = new QLabel(parent);
    box->setPixmap(picture(resource, parent->devicePixelRatioF()));
    return box;
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent) {
    setObjectName("Form1");
    setWindowTitle(qs(windowCaption));
    setWindowIcon(QIcon(":/pictures/icon.png"));
    setFixedSize(pixels(clientWidth), pixels(clientHeight));

    QLabel* background = pictureBox(this, backgroundPicture);
    background->setObjectName("Form1.Picture");
    background->move(0, 0);

    // Resolved in full, or a control would take its frame's font instead.
    QFont windowDefault = font();
    windowDefault.setResolveMask(QFont::AllPropertiesResolved);
    const QFont fonts[] = {songFont(12), songFont(14.25), windowDefault};
    std::map<std::string_view, QWidget*> made;
    std::map<std::string_view, int> frameTabIndex;
    std::vector<std::pair<std::pair<int, int>, QWidget*>> tabOrder;

    for (const ControlRow& row : controlTable) {
        QWidget* container = row.container.empty() ? this : made.at(row.container);
        QWidget* w = nullptr;
        switch (row.kind) {
        case ControlKind::Frame:
            w = new QGroupBox(qs(row.text), container);
            break;
        case ControlKind::Label: {
            auto* label = new QLabel(qs(row.text), container);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            w = label;
            break;
        }
        case ControlKind::Entry:
        case ControlKind::Result: {
            auto* edit = new QLineEdit(qs(row.text), container);
            edit->setMaxLength(std::numeric_limits<int>::max()); // no limit on what is typed
            if (row.kind == ControlKind::Result) {
                edit->setReadOnly(true);
                edit->setEnabled(false);
            }
            fields_.emplace(std::string(row.name), edit);
            w = edit;
            break;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(qs(row.text), container);
            button->setAutoDefault(false); // Enter in an entry starts nothing
            w = button;
            break;
        }
        case ControlKind::Picture:
            w = pictureBox(container, row.text);
            w->setAccessibleDescription(qs(row.description));
            break;
        }
        w->setObjectName(qs(row.name));
        w->setGeometry(pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height));
        w->setFont(fonts[static_cast<int>(row.font)]);
        if (!row.tooltip.empty())
            w->setToolTip(qs(row.tooltip));
        made.emplace(row.name, w);
        if (row.kind == ControlKind::Frame)
            frameTabIndex.emplace(row.name, row.tabIndex);

        // Within a frame the frame's own place in the order comes first.
        if (row.tabIndex >= 0 && w->focusPolicy() != Qt::NoFocus) {
            const int outer =
                row.container.empty() ? row.tabIndex : frameTabIndex.at(row.container);
            tabOrder.push_back({{outer, row.tabIndex}, w});
        }
    }

    for (const ControlRow& row : controlTable) {
        if (row.buddy.empty())
            continue;
        auto* label = static_cast<QLabel*>(made.at(row.name));
        label->setBuddy(made.at(row.buddy));
        made.at(row.buddy)->setAccessibleName(label->text());
    }

    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);

    connect(static_cast<QPushButton*>(made.at("Command1")), &QPushButton::clicked, this,
            &Form1::calculate);
    connect(static_cast<QPushButton*>(made.at("Command3")), &QPushButton::clicked, this,
            &endProgram);
    field("Text1")->setFocus(Qt::OtherFocusReason);
}

QLineEdit* Form1::field(std::string_view control) const {
    return fields_.find(control)->second;
}

std::string Form1::entryText(std::string_view control) const {
    return field(control)->text().toStdString();
}

std::string Form1::entryCaption(std::string_view control) const {
    return field(control)->accessibleName().toStdString();
}

void Form1::setResultText(std::string_view control, std::string_view text) {
    field(control)->setText(qs(text));
}

void Form1::showError(std::string_view message) {
    QMessageBox box(QMessageBox::Critical, qs(windowCaption), qs(message), QMessageBox::Ok, this);
    box.exec();
}

void Form1::focusEntry(std::string_view control) {
    activateWindow(); // the closed message box may have left no window active
    field(control)->setFocus(Qt::OtherFocusReason);
}

void Form1::calculate() {
    const QList<uint> separator = locale().decimalPoint().toUcs4();
    runCalculate(*this, separator.isEmpty() ? U'.' : static_cast<char32_t>(separator.front()));
}
