#include "form/reset_outputs.h"

#include "numtext/numtext.h"

namespace velmora {

void ResetOutputs(Form& form, std::int16_t n) {
    const std::string one = WholeNumberText(1);
    const std::string zero = WholeNumberText(0);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            const int k = 10 * i + j;
            form.setText(txtIM(k), i == j ? one : zero);
            form.setText(txtMinMat(k), "");
        }
        form.setText(txtSol(i), "");
        form.setText(txtDetCol(i), "");
        form.setText(txtDetRow(i), "");
    }
    form.setText(txtDeterminant, "");
    form.setFullInverse(std::nullopt);
}

}  // namespace velmora
