#pragma once

// Form1, the program's only window. Data flows one way per press of "计算":
//   entries Text1..Text11 (the only store of inputs, never rewritten)
//     -> runCalculate (calc/), through the CalcWindow operations below
//     -> result fields Text12..Text14 (the only store of outputs), or a modal message.
// The controls are built from controlTable (ui/controls.h); "退出" and closing the
// window end the program through endProgram (app/).

#include "calc/dewpoint.h"

#include <QWidget>

#include <map>
#include <string>

class QLineEdit;

class Form1 : public QWidget, public CalcWindow {
public:
    explicit Form1(QWidget* parent = nullptr);

    std::string entryText(std::string_view control) const override;
    std::string entryCaption(std::string_view control) const override;
    void setResultText(std::string_view control, std::string_view text) override;
    void showError(std::string_view message) override;
    void focusEntry(std::string_view control) override;

    // The Click of Command1.
    void calculate();

private:
    QLineEdit* field(std::string_view control) const;

    std::map<std::string, QLineEdit*, std::less<>> fields_;
};
