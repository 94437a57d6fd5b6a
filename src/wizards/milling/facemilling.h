// "Síkmarás (face milling)": faces a rectangle of stock flat from its lower-left corner. Each
// depth level sweeps the whole rectangle in passes along Y, one step across X apart; the tool
// goes down only beside the stock, and either turns at each end ("Oda-vissza") or lifts and
// goes back in rapid for each pass ("Egy irányban").
#pragma once

#include <vector>

#include "wizards/common/page.h"

namespace qorix {

class FaceMillingPage : public CommonPage {
public:
    explicit FaceMillingPage(Services& services);

    void ReadParameters() override;
    void PrepareValues() override;
    void WriteHeaderComments() override;
    void GenerateProgram() override;
    PageFacts pageFacts() const override;

    // Rewrites the "%" and "mm" labels; the main window calls it when it shows the page.
    void ScrollBar1Change();

    ui::Edit Edit_xd_, Edit_yd_, Edit_ov_;
    ui::ScrollBar ScrollBar1;
    ui::Label Label4, Label5;
    ui::RadioGroup RadioGroup_p_;
    ui::Image Image1;

    long double sizeX = 0, sizeY = 0;
    long double overrun = 0;
    std::vector<long double> passes;  // tool centre X of each pass

private:
    void readSize(const ui::Edit& edit, const char* axis, long double& size,
                  const FieldReader& read);
    void writeLevel(ProgramText& t, long double z) const;
};

}  // namespace qorix
