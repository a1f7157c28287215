#pragma once

#include <array>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;

// The certificate record as the main window's controls hold it; the file commands, the validation
// and the template fill read and write the record through these controls.
struct CertificateControls {
    std::array<QLineEdit*, 10> edits{};      // Edit_1 … Edit_10
    std::array<QDateEdit*, 4> dates{};       // DateTimePicker1 … DateTimePicker4
    std::array<QLineEdit*, 11> hours{};      // edt_1 … edt_10, and the total edt_11
    std::array<QComboBox*, 10> choices{};    // cmb_1 … cmb_10
    QComboBox* transmission = nullptr;       // cmb_kpp
    std::array<QLabel*, 3> categoryLabels{}; // Label1 … Label3

    QLineEdit* total() const { return hours[10]; }
};
