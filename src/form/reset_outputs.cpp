#include "form/reset_outputs.h"

#include "numtext/numtext.h"

namespace velmora {

std::string IdentityText(int row, int column) {
    return WholeNumberText(row == column ? 1 : 0);
}

void ResetOutputs(Form& form, std::int16_t n) {
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            const int k = 10 * i + j;
            form.setText(txtIM(k), IdentityText(i, j));
            form.setNote(txtIM(k), "", "");
            form.setText(txtMinMat(k), "");
            form.setNote(txtMinMat(k), "", "");
        }
        form.setText(txtSol(i), "");
        form.setNote(txtSol(i), "", "");
        form.setText(txtDetCol(i), "");
        form.setText(txtDetRow(i), "");
    }
    form.setText(txtDeterminant, "");
    form.setNote(txtDeterminant, "", "");
}

}  // namespace velmora
