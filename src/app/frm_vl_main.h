#pragma once

// The main window's logic: its event handlers and private routines. It owns
// the dimension N, and reaches the controls only
// through the Form port. The handlers are the edge between the toolkit and
// the computations: every error of a computation is turned into a message
// box here, and no exception leaves a handler.

#include <cstdint>

#include "determinant/coefficients.h"
#include "form/form.h"

namespace velmora {

class frmVLMain {
public:
    explicit frmVLMain(Form& form) : m_form(form) {}

    void Form_Load();
    void txtMatSize_GotFocus();
    void txtMatSize_LostFocus();
    void txtMat_GotFocus(int index);
    void txtY_GotFocus(int index);
    void cmdSolve_Click();
    void optMat_Click(int index);

    [[nodiscard]] std::int16_t n() const noexcept { return m_n; }

private:
    void InitForm();
    void LayoutMatrix();
    void ResetOutputs();
    // Refuses a dimension that cannot be applied; true when it can.
    [[nodiscard]] bool AcceptDimension();
    void ReportCoefficient(const CoefficientError& error);
    void ReportOverflow();

    Form& m_form;
    std::int16_t m_n = 0;
};

}  // namespace velmora
