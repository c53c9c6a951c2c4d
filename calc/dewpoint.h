#pragma once

// The numeric core and the Calculate command. Standard library only: the window
// reaches this code through CalcWindow, so all of it runs and is tested without a
// toolkit.

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The eleven entry values, in the order the Calculate command reads them.
struct DewPointInputs {
    double alpha = 0; // excess-air coefficient at the dust-collector outlet
    double Ks = 0;    // SO2 conversion coefficient
    double Ka = 0;    // fly-ash coefficient (read and checked, used by no formula)
    double Mt = 0;    // total moisture, % by mass
    double Aar = 0;   // ash, as received, %
    double Car = 0;   // carbon, as received, %
    double Har = 0;   // hydrogen, as received, %
    double Oar = 0;   // oxygen, as received, %
    double Nar = 0;   // nitrogen, as received, %
    double Sar = 0;   // sulfur, as received, %
    double Qnet = 0;  // net calorific value, as received, kJ/kg
};

enum class FailureKind { Conversion, InvalidOperation, DivisionByZero, Overflow };

// Why a Calculate stopped.
struct CalcFailure {
    FailureKind kind = FailureKind::InvalidOperation;
    std::string entry; // control name of the entry that is not a number (conversion only)
    std::string text;  // the text typed there (conversion only)
};

// The intermediate quantities, in the order they are computed; the ones a failure
// cut short stay 0.
struct DewPointSteps {
    double V0 = 0;                 // theoretical air, m3/kg
    double VN2 = 0;                // nitrogen volume
    double VCO2 = 0;               // carbon dioxide volume
    double VSO2 = 0;               // sulfur dioxide volume
    double VH2O0 = 0;              // theoretical water-vapour volume
    double x = 0;                  // water-vapour share of the flue gas, % by volume
    double ts = 0;                 // water-vapour dew point, degC
    double S1 = 0, A1 = 0, d1 = 0; // formula one
    double d3 = 0;                 // formula three (same S1, A1)
    double S2 = 0, A2 = 0, d2 = 0; // formula two
};

struct DewPointResults {
    double t1 = 0, t2 = 0, t3 = 0; // acid dew points of formulas one, two, three, degC
    int formed = 0;                // how many of t1, t2, t3 (leading) are valid
    std::optional<CalcFailure> failure;
    DewPointSteps steps;
};

// Pure and reentrant. Runs in the default floating-point environment (round to
// nearest, no traps) and gives the caller's environment back as it found it.
DewPointResults computeDewPoints(const DewPointInputs& in);

// The sums t1 = ts + d1, t2 = ts + d2, t3 = ts + d3 with a flag test after each;
// computeDewPoints ends with it. The flags must be clear when it is called.
void formSums(double ts, double d1, double d2, double d3, DewPointResults& r);

// What the Calculate command needs of the window. Fields are addressed by control name.
class CalcWindow {
public:
    virtual std::string entryText(std::string_view control) const = 0;
    // The entry's caption as the window shows it, for messages.
    virtual std::string entryCaption(std::string_view control) const = 0;
    virtual void setResultText(std::string_view control, std::string_view text) = 0;
    // Modal: returns once the user has closed the message.
    virtual void showError(std::string_view message) = 0;
    virtual void focusEntry(std::string_view control) = 0;

protected:
    ~CalcWindow() = default;
};

struct EntryField {
    std::string_view control;
    double DewPointInputs::*field;
};

// Reading order of the entries; it is not the order of the window's rows.
inline constexpr std::array<EntryField, 11> readingTable{{
    {"Text9", &DewPointInputs::alpha},
    {"Text10", &DewPointInputs::Ks},
    {"Text11", &DewPointInputs::Ka},
    {"Text1", &DewPointInputs::Mt},
    {"Text2", &DewPointInputs::Aar},
    {"Text3", &DewPointInputs::Car},
    {"Text4", &DewPointInputs::Har},
    {"Text5", &DewPointInputs::Oar},
    {"Text6", &DewPointInputs::Nar},
    {"Text7", &DewPointInputs::Sar},
    {"Text8", &DewPointInputs::Qnet},
}};

// Result fields of t1, t2, t3, in writing order.
inline constexpr std::array<std::string_view, 3> resultFields{"Text12", "Text13", "Text14"};

// Reads each entry once, in reading order, into `in`. Returns the failure of the
// first entry whose text is not a number; entries after it are not read.
std::optional<CalcFailure> readEntries(const CalcWindow& w, char32_t decimalSeparator,
                                       DewPointInputs& in);

// Writes the formed results, clears the fields not formed, and reports a failure
// (focus goes to the entry that is not a number).
void showResults(CalcWindow& w, const DewPointResults& r, char32_t decimalSeparator);

// The message shown for a failure, in the window's language.
std::string failureMessage(const CalcFailure& f, const CalcWindow& w);

// The Calculate command: read, compute, show. A failure is reported and the
// program goes on with every entry as typed.
void runCalculate(CalcWindow& w, char32_t decimalSeparator);
